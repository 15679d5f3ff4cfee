#include "bindings/win32/PixelScale.h"

#include "ui/binding/PixelEdges.h"

namespace trevalo::win32 {

PixelScale::PixelScale(int dpi)
    : m_dpi(dpi > 0 ? dpi : 96)
{
}

int PixelScale::pixels(int twips) const
{
    return ui::PixelEdges::pixels(twips, m_dpi);
}

RECT PixelScale::rect(const ui::Place& place) const
{
    const ui::PixelEdges edges = ui::PixelEdges::of(place, m_dpi);
    return RECT { edges.left, edges.top, edges.right, edges.bottom };
}

SIZE PixelScale::size(int width_twips, int height_twips) const
{
    return SIZE { pixels(width_twips), pixels(height_twips) };
}

}
