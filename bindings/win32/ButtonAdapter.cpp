#include "bindings/win32/ButtonAdapter.h"

#include "bindings/win32/ButtonLook.h"
#include "bindings/win32/ColourMapping.h"
#include "bindings/win32/ControlWindow.h"
#include "bindings/win32/TextMapping.h"
#include "ui/Button.h"
#include "ui/binding/BindingEvents.h"

namespace trevalo::win32 {

namespace {

DWORD typeOf(const ui::Control& control)
{
    return static_cast<const ui::Button&>(control).isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

}

DWORD ButtonAdapter::style(const ui::Control& control) const
{
    return typeOf(control) | BS_NOTIFY;
}

void ButtonAdapter::command(ui::Control& control, ControlWindow&, WORD code, ui::BindingEvents& events) const
{
    if (code != BN_CLICKED && code != BN_DOUBLECLICKED)
        return;
    events.clicked(control);
}

bool ButtonAdapter::customDraw(const ui::Control& control, const ControlWindow& window, const NMCUSTOMDRAW& draw,
    ColourMapping& colours, LRESULT& result) const
{
    if (!ButtonLook::hasOwnBackColour(control) || draw.dwDrawStage != CDDS_PREPAINT)
        return false;
    ButtonLook::paintPushButton(window, draw, colours.brushFor(window.back));
    result = CDRF_SKIPDEFAULT;
    return true;
}

void ButtonAdapter::mirror(const ui::Control& control, ControlWindow& window) const
{
    const std::wstring text = TextMapping::caption(control.displayText(), control.mnemonic());
    if (TextMapping::windowText(window.hwnd) != text)
        SetWindowTextW(window.hwnd, text.c_str());
    const LONG_PTR style = GetWindowLongPtrW(window.hwnd, GWL_STYLE);
    if (DWORD(style & BS_TYPEMASK) != typeOf(control))
        SendMessageW(window.hwnd, BM_SETSTYLE, WPARAM((style & ~LONG_PTR(BS_TYPEMASK)) | LONG_PTR(typeOf(control))), TRUE);
}

}
