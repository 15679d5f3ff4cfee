#pragma once

#include "bindings/win32/KindAdapter.h"

namespace trevalo::win32 {

// A check box as a three-state BUTTON that never ticks itself: a click goes
// to the model, which decides the value, and the mirror shows it (grey as
// the indeterminate state).
class CheckBoxAdapter final : public KindAdapter {
public:
    const wchar_t* windowClass() const override { return L"BUTTON"; }
    DWORD style(const ui::Control&) const override;
    bool takesFocus(const ui::Control&) const override { return true; }
    bool gainsFocus(WORD code) const override { return code == BN_SETFOCUS; }
    void command(ui::Control&, ControlWindow&, WORD code, ui::BindingEvents&) const override;
    void mirror(const ui::Control&, ControlWindow&) const override;
};

}
