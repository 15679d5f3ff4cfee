#pragma once

#include "ui/Place.h"

namespace trevalo::ui {

// A control's place in whole pixels at a given dpi (15 twips a pixel at 96
// dpi), by its edges: each edge is rounded, not the sizes, so controls the
// design sets side by side (a list ending where the next begins) still
// meet at any dpi, where rounding a left edge and a width each on its own
// can push one a pixel into the other. `right` and `bottom` lie just past
// the control. Plain data; each binding turns it into its toolkit's
// rectangle.
struct PixelEdges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // The pixel a length of `twips` from the origin ends at.
    static int pixels(int twips, double dpi);
    static PixelEdges of(const Place&, double dpi);

    bool operator==(const PixelEdges&) const = default;
};

}
