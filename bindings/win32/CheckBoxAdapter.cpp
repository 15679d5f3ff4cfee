#include "bindings/win32/CheckBoxAdapter.h"

#include "bindings/win32/ButtonLook.h"
#include "bindings/win32/ControlWindow.h"
#include "bindings/win32/TextMapping.h"
#include "ui/CheckBox.h"
#include "ui/binding/BindingEvents.h"

namespace trevalo::win32 {

DWORD CheckBoxAdapter::style(const ui::Control&) const
{
    return BS_3STATE | BS_MULTILINE | BS_NOTIFY;
}

void CheckBoxAdapter::command(ui::Control& control, ControlWindow&, WORD code, ui::BindingEvents& events) const
{
    // With BS_NOTIFY a quick second click comes as a double click.
    if (code != BN_CLICKED && code != BN_DOUBLECLICKED)
        return;
    events.clicked(control);
}

void CheckBoxAdapter::mirror(const ui::Control& control, ControlWindow& window) const
{
    const auto& box = static_cast<const ui::CheckBox&>(control);
    const std::wstring text = TextMapping::caption(box.caption(), box.mnemonic());
    if (TextMapping::windowText(window.hwnd) != text)
        SetWindowTextW(window.hwnd, text.c_str());
    const WPARAM state = box.value() == ui::Unchecked ? BST_UNCHECKED : box.value() == ui::Grey ? BST_INDETERMINATE : BST_CHECKED;
    if (WPARAM(SendMessageW(window.hwnd, BM_GETCHECK, 0, 0)) != state)
        SendMessageW(window.hwnd, BM_SETCHECK, state, 0);
    ButtonLook::followTextColour(control, window);
}

}
