#include "bindings/win32/PictureAdapter.h"

#include "bindings/win32/ColourMapping.h"
#include "bindings/win32/ControlWindow.h"
#include "bindings/win32/Images.h"
#include "bindings/win32/TextMapping.h"

namespace trevalo::win32 {

void PictureAdapter::drawItem(const ui::Control&, const ControlWindow& window, const DRAWITEMSTRUCT& draw,
    ColourMapping& colours, int) const
{
    FillRect(draw.hDC, &draw.rcItem, colours.brushFor(window.back));
    Images::draw(TextMapping::windowText(window.hwnd), draw.hDC, draw.rcItem);
}

void PictureAdapter::mirror(const ui::Control& control, ControlWindow& window) const
{
    const std::wstring name = TextMapping::wide(control.displayText());
    if (TextMapping::windowText(window.hwnd) != name) {
        SetWindowTextW(window.hwnd, name.c_str());
        InvalidateRect(window.hwnd, nullptr, TRUE);
    }
}

}
