#include "bindings/qt/DrawnIconEngine.h"

#include <QIcon>
#include <QPainter>

#include <algorithm>

namespace trevalo::qt {


DrawnIconEngine::DrawnIconEngine(Draw draw, QList<int> sides, const QList<QImage>& ahead)
    : m_draw(draw)
    , m_sides(std::move(sides))
{
    for (const QImage& image : ahead) {
        if (!image.isNull() && image.width() == image.height())
            m_ahead.insert(image.width(), image);
    }
}

QPixmap DrawnIconEngine::drawn(int side)
{
    auto it = m_drawn.constFind(side);
    if (it != m_drawn.constEnd())
        return *it;
    // Pixmaps belong to the GUI thread, so an image drawn ahead becomes one
    // only here.
    QPixmap pixmap = QPixmap::fromImage(m_ahead.contains(side) ? m_ahead.take(side) : m_draw(side));
    m_drawn.insert(side, pixmap);
    return pixmap;
}

QPixmap DrawnIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    const int side = std::min(size.width(), size.height());
    if (side <= 0)
        return {};
    QPixmap normal = drawn(side);
    if (mode == QIcon::Normal)
        return normal;
    // Disabled and selected looks are the style's business, as for any
    // pixmap icon.
    return QIcon(normal).pixmap(normal.size(), mode, state);
}

void DrawnIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const QPixmap shown = pixmap(rect.size(), mode, state);
    const int side = shown.width();
    painter->drawPixmap(QRect(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side, side), shown);
}

QList<QSize> DrawnIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (int side : m_sides)
        sizes.append(QSize(side, side));
    return sizes;
}

QIconEngine* DrawnIconEngine::clone() const
{
    return new DrawnIconEngine(*this);
}

QString DrawnIconEngine::key() const
{
    return QStringLiteral("trevalo-drawn");
}

}
