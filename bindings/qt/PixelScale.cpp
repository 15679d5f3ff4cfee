#include "bindings/qt/PixelScale.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace trevalo::qt {

using namespace ui;

PixelScale::PixelScale(double logical_dpi)
    : m_dpi(logical_dpi > 0 ? logical_dpi : 96.0)
{
}

PixelScale PixelScale::forScreen(const QScreen* screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return PixelScale(screen ? screen->logicalDotsPerInch() : 96.0);
}

int PixelScale::pixels(int twips) const
{
    double at_96_dpi = double(twips) / twips_per_pixel_at_96_dpi;
    return int(std::lround(at_96_dpi * m_dpi / 96.0));
}

QRect PixelScale::rect(const Place& place) const
{
    // The edges are rounded, not the sizes: controls the design sets side by
    // side (a list ending where the next begins) then meet at any dpi, where
    // rounding a left edge and a width each on its own can push one a pixel
    // into the other. At 96 dpi, where the design's figures are whole pixels
    // or near it, both give the same.
    int left = pixels(place.left);
    int top = pixels(place.top);
    return QRect(QPoint(left, top), QPoint(pixels(place.left + place.width) - 1, pixels(place.top + place.height) - 1));
}

QSize PixelScale::size(int width_twips, int height_twips) const
{
    return QSize(pixels(width_twips), pixels(height_twips));
}

}
