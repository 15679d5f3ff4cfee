#include "bindings/win32/FrameAdapter.h"

#include "bindings/win32/ControlWindow.h"
#include "bindings/win32/FrameWindow.h"
#include "bindings/win32/TextMapping.h"

namespace trevalo::win32 {

const wchar_t* FrameAdapter::windowClass() const
{
    FrameWindow::registerClass();
    return FrameWindow::className();
}

void FrameAdapter::mirror(const ui::Control& control, ControlWindow& window) const
{
    const std::wstring caption = TextMapping::wide(control.displayText());
    if (TextMapping::windowText(window.hwnd) != caption)
        SetWindowTextW(window.hwnd, caption.c_str());
}

}
