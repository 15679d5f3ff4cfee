#include "ui/binding/PixelEdges.h"

#include <cmath>

namespace trevalo::ui {

int PixelEdges::pixels(int twips, double dpi)
{
    // One division of exact figures, so the nearest pixel is found even
    // where a length lies half-way between two.
    return int(std::lround(double(twips) * dpi / (twips_per_pixel_at_96_dpi * 96.0)));
}

PixelEdges PixelEdges::of(const Place& place, double dpi)
{
    return { pixels(place.left, dpi), pixels(place.top, dpi), pixels(place.right(), dpi), pixels(place.bottom(), dpi) };
}

}
