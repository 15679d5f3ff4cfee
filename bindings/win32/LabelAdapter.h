#pragma once

#include "bindings/win32/KindAdapter.h"

namespace trevalo::win32 {

// A label as a STATIC control the binding paints itself (SS_OWNERDRAW):
// the caption with its alignment and wrapping, as DrawText lays it out,
// except that a right-aligned or centred caption on one line that fits is
// placed from its measured width: Wine's DrawText drops the last letters of
// such a caption when it fits with only a little to spare, as the design's
// right-aligned ones do (Sub-Pict, VTSM 1, LU ,). On Windows both give the
// same pixels. Without a tooltip it lets the mouse through
// to the window below, as a caption on the window's background is part of
// it (About closes on a click anywhere); with one it takes the mouse so the
// tooltip can show.
class LabelAdapter final : public KindAdapter {
public:
    const wchar_t* windowClass() const override { return L"STATIC"; }
    DWORD style(const ui::Control&) const override;
    // A label the model makes a Tab stop takes the focus, shows it with a
    // focus frame, and shows its tooltip meanwhile.
    bool takesFocus(const ui::Control&) const override;
    bool tipWhileFocused(const ui::Control& control) const override { return takesFocus(control); }
    bool gainsFocus(WORD code) const override;
    bool losesFocus(WORD code) const override;
    void created(const ui::Control&, ControlWindow&) const override;
    void drawItem(const ui::Control&, const ControlWindow&, const DRAWITEMSTRUCT&, ColourMapping&, int dpi) const override;
    void mirror(const ui::Control&, ControlWindow&) const override;
};

}
