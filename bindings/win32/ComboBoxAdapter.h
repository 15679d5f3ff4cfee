#pragma once

#include "bindings/win32/KindAdapter.h"

namespace trevalo::win32 {

// A drop-down list as an owner-drawn COMBOBOX (CBS_DROPDOWNLIST), so the
// design's back colour shows under visual styles too and a shown text that
// is none of the items shows in the closed list all the same. The closed
// list is as high as the design says; the drop-down shows up to sixteen
// items, each at least as wide as the list, with the scroll bar beside
// them. A pick from the open drop-down goes to the model at once; steps
// through the closed list with keys, and numbers typed on it (by
// ui::TypeAhead's rule, as in the Qt window), go to the binding, which
// picks the item they rest on once they stop.
class ComboBoxAdapter final : public KindAdapter {
public:
    static constexpr int visible_items = 16;

    const wchar_t* windowClass() const override { return L"COMBOBOX"; }
    DWORD style(const ui::Control&) const override;
    bool takesFocus(const ui::Control&) const override { return true; }
    bool gainsFocus(WORD code) const override { return code == CBN_SETFOCUS; }
    void created(const ui::Control&, ControlWindow&) const override;
    RECT windowRect(const ui::Control&, const ControlWindow&, RECT placed, FontMapping&, int dpi) const override;
    void laidOut(const ui::Control&, ControlWindow&, RECT placed, FontMapping&, int dpi) const override;
    void command(ui::Control&, ControlWindow&, WORD code, ui::BindingEvents&) const override;
    bool typed(ui::Control&, ControlWindow&, wchar_t, DWORD time, ui::BindingEvents&) const override;
    void measureItem(const ui::Control&, const ControlWindow&, MEASUREITEMSTRUCT&, FontMapping&, int dpi) const override;
    void drawItem(const ui::Control&, const ControlWindow&, const DRAWITEMSTRUCT&, ColourMapping&, int dpi) const override;
    void mirror(const ui::Control&, ControlWindow&) const override;

    // The width the drop-down opens at, in pixels: its items get the list's
    // own width, or their longest's if wider, with the border and the
    // scroll bar beside them.
    static int dropDownWidth(const ui::Control&, const ControlWindow&);

private:
    static int lineOf(const ControlWindow&, FontMapping&, int dpi);
};

}
