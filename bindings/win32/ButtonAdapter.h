#pragma once

#include "bindings/win32/KindAdapter.h"

namespace trevalo::win32 {

// A push button as a BUTTON: its caption with the mnemonic marked, the
// default button's heavier frame, and the design's back colour where it has
// one (painted through NM_CUSTOMDRAW, see ButtonLook).
class ButtonAdapter final : public KindAdapter {
public:
    const wchar_t* windowClass() const override { return L"BUTTON"; }
    DWORD style(const ui::Control&) const override;
    bool takesFocus(const ui::Control&) const override { return true; }
    bool gainsFocus(WORD code) const override { return code == BN_SETFOCUS; }
    void command(ui::Control&, ControlWindow&, WORD code, ui::BindingEvents&) const override;
    bool customDraw(const ui::Control&, const ControlWindow&, const NMCUSTOMDRAW&, ColourMapping&, LRESULT&) const override;
    void mirror(const ui::Control&, ControlWindow&) const override;
};

}
