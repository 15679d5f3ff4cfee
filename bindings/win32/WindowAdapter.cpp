#include "bindings/win32/WindowAdapter.h"

#include "bindings/win32/ColourMapping.h"
#include "bindings/win32/TextMapping.h"
#include "ui/Window.h"

namespace trevalo::win32 {

void WindowAdapter::mirror(const ui::Window& window, HWND host, COLORREF& back)
{
    const std::wstring caption = TextMapping::wide(window.caption());
    if (TextMapping::windowText(host) != caption)
        SetWindowTextW(host, caption.c_str());
    const COLORREF wanted = ColourMapping::resolve(window.backColour());
    if (wanted != back) {
        back = wanted;
        InvalidateRect(host, nullptr, TRUE);
    }
}

}
