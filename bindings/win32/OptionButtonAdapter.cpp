#include "bindings/win32/OptionButtonAdapter.h"

#include "bindings/win32/ButtonLook.h"
#include "bindings/win32/ControlWindow.h"
#include "bindings/win32/TextMapping.h"
#include "ui/OptionButton.h"
#include "ui/binding/BindingEvents.h"

namespace trevalo::win32 {

DWORD OptionButtonAdapter::style(const ui::Control&) const
{
    return BS_RADIOBUTTON | BS_MULTILINE | BS_NOTIFY;
}

void OptionButtonAdapter::command(ui::Control& control, ControlWindow&, WORD code, ui::BindingEvents& events) const
{
    if (code != BN_CLICKED && code != BN_DOUBLECLICKED)
        return;
    events.clicked(control);
}

void OptionButtonAdapter::mirror(const ui::Control& control, ControlWindow& window) const
{
    const auto& option = static_cast<const ui::OptionButton&>(control);
    const std::wstring text = TextMapping::caption(option.caption(), option.mnemonic());
    if (TextMapping::windowText(window.hwnd) != text)
        SetWindowTextW(window.hwnd, text.c_str());
    const WPARAM state = option.value() ? BST_CHECKED : BST_UNCHECKED;
    if (WPARAM(SendMessageW(window.hwnd, BM_GETCHECK, 0, 0)) != state)
        SendMessageW(window.hwnd, BM_SETCHECK, state, 0);
    ButtonLook::followTextColour(control, window);
}

}
