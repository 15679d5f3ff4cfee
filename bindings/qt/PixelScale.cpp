#include "bindings/qt/PixelScale.h"

#include "ui/binding/PixelEdges.h"

#include <QGuiApplication>
#include <QScreen>

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
    return PixelEdges::pixels(twips, m_dpi);
}

QRect PixelScale::rect(const Place& place) const
{
    const PixelEdges edges = PixelEdges::of(place, m_dpi);
    return QRect(QPoint(edges.left, edges.top), QPoint(edges.right - 1, edges.bottom - 1));
}

QSize PixelScale::size(int width_twips, int height_twips) const
{
    return QSize(pixels(width_twips), pixels(height_twips));
}

}
