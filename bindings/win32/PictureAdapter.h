#pragma once

#include "bindings/win32/KindAdapter.h"

namespace trevalo::win32 {

// A picture box as an owner-drawn STATIC showing one of the application's
// own images (see Images); the image's name is kept as the control's text.
// It lets the mouse through to the window, like a label.
class PictureAdapter final : public KindAdapter {
public:
    const wchar_t* windowClass() const override { return L"STATIC"; }
    DWORD style(const ui::Control&) const override { return SS_OWNERDRAW; }
    void drawItem(const ui::Control&, const ControlWindow&, const DRAWITEMSTRUCT&, ColourMapping&, int dpi) const override;
    void mirror(const ui::Control&, ControlWindow&) const override;
};

}
