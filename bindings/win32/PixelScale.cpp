#include "bindings/win32/PixelScale.h"

#include <cmath>

namespace trevalo::win32 {

PixelScale::PixelScale(int dpi)
    : m_dpi(dpi > 0 ? dpi : 96)
{
}

int PixelScale::pixels(int twips) const
{
    return int(std::lround(double(twips) * m_dpi / 1440.0));
}

RECT PixelScale::rect(const ui::Place& place) const
{
    return RECT { pixels(place.left), pixels(place.top), pixels(place.right()), pixels(place.bottom()) };
}

SIZE PixelScale::size(int width_twips, int height_twips) const
{
    return SIZE { pixels(width_twips), pixels(height_twips) };
}

}
