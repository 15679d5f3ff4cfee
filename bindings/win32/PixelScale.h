#pragma once

#include "ui/Place.h"

#include <windows.h>

namespace trevalo::win32 {

// Converts the model's twips into pixels at a window's dpi (15 twips a
// pixel at 96 dpi). It knows only the dpi figure; the binding makes a new
// one when the window moves to a screen of another dpi.
class PixelScale {
public:
    explicit PixelScale(int dpi = 96);

    int dpi() const { return m_dpi; }
    int pixels(int twips) const;
    // The edges are rounded, not the sizes, so controls the design sets
    // side by side still meet at any dpi.
    RECT rect(const ui::Place&) const;
    SIZE size(int width_twips, int height_twips) const;

private:
    int m_dpi;
};

}
