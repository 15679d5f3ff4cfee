#pragma once

#include "bindings/win32/KindAdapter.h"

namespace trevalo::win32 {

// An option button as a radio BUTTON that never selects itself: the model
// keeps its groups, and the mirror shows which one is selected. The binding
// starts each group with WS_GROUP so the arrow keys stay inside it.
class OptionButtonAdapter final : public KindAdapter {
public:
    const wchar_t* windowClass() const override { return L"BUTTON"; }
    DWORD style(const ui::Control&) const override;
    bool takesFocus(const ui::Control&) const override { return true; }
    bool gainsFocus(WORD code) const override { return code == BN_SETFOCUS; }
    void command(ui::Control&, ControlWindow&, WORD code, ui::BindingEvents&) const override;
    void mirror(const ui::Control&, ControlWindow&) const override;
};

}
