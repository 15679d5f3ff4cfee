#include "ui/qt/PixelScale.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace trevalo::ui::qt {

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
    // Each figure is rounded on its own, as the design's own tables were
    // drawn: neighbouring controls keep the gaps the twips give them.
    double at_96_dpi = double(twips) / twips_per_pixel_at_96_dpi;
    return int(std::lround(at_96_dpi * m_dpi / 96.0));
}

QRect PixelScale::rect(const Place& place) const
{
    return QRect(pixels(place.left), pixels(place.top), pixels(place.width), pixels(place.height));
}

QSize PixelScale::size(int width_twips, int height_twips) const
{
    return QSize(pixels(width_twips), pixels(height_twips));
}

}
