#pragma once

#include "bindings/win32/KindAdapter.h"

namespace trevalo::win32 {

// A text box as an EDIT control: one line or many (a design property, read
// once when the control is made, as the control's styles depend on it),
// its scroll bars, locked as read-only. Typing goes to the model as it
// happens; a locked multi-line box leaves Tab, Enter and Escape to the
// window, as the blocks are read, not typed into.
class TextBoxAdapter final : public KindAdapter {
public:
    const wchar_t* windowClass() const override { return L"EDIT"; }
    DWORD style(const ui::Control&) const override;
    DWORD exStyle(const ui::Control&) const override { return WS_EX_CLIENTEDGE; }
    bool takesFocus(const ui::Control&) const override { return true; }
    bool gainsFocus(WORD code) const override { return code == EN_SETFOCUS; }
    void created(const ui::Control&, ControlWindow&) const override;
    void laidOut(const ui::Control&, ControlWindow&, RECT placed, FontMapping&, int dpi) const override;
    void command(ui::Control&, ControlWindow&, WORD code, ui::BindingEvents&) const override;
    void mirror(const ui::Control&, ControlWindow&) const override;
};

}
