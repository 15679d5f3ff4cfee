#include "bindings/qt/WindowIcon.h"

#include "bindings/qt/DrawnIconEngine.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace trevalo::qt {


QImage WindowIcon::draw(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const double s = size;
    const QPointF centre(s * 0.44, s * 0.44);
    const double radius = s * 0.42;

    // The disc: a silver face with the rainbow sheen of a pressed surface.
    QConicalGradient sheen(centre, 60);
    sheen.setColorAt(0.00, QColor(214, 220, 232));
    sheen.setColorAt(0.18, QColor(176, 206, 240));
    sheen.setColorAt(0.32, QColor(236, 238, 244));
    sheen.setColorAt(0.50, QColor(218, 196, 236));
    sheen.setColorAt(0.68, QColor(240, 242, 246));
    sheen.setColorAt(0.84, QColor(188, 226, 214));
    sheen.setColorAt(1.00, QColor(214, 220, 232));
    painter.setPen(QPen(QColor(84, 92, 110), std::max(1.0, s / 40)));
    painter.setBrush(sheen);
    painter.drawEllipse(centre, radius, radius);

    // The clamping ring, then the hole through it.
    painter.setBrush(QColor(246, 247, 250));
    painter.setPen(QPen(QColor(140, 146, 160), std::max(0.75, s / 64)));
    painter.drawEllipse(centre, radius * 0.34, radius * 0.34);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, radius * 0.13, radius * 0.13);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // The start arrow, lower right, over the disc's edge.
    QPainterPath arrow;
    arrow.moveTo(s * 0.50, s * 0.46);
    arrow.lineTo(s * 0.97, s * 0.72);
    arrow.lineTo(s * 0.50, s * 0.98);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(20, 90, 30), std::max(1.0, s / 32), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(46, 170, 70));
    painter.drawPath(arrow);
    return image;
}

QList<int> WindowIcon::offered()
{
    // On X11 every offered size is drawn and sent to the window manager when
    // the window is first shown. The sizes stop at 128 pixels: a 256-pixel
    // image held three quarters of the icon's pixels and about a megabyte of
    // the start-up's peak memory; a larger view scales the 128-pixel one.
    return { 16, 24, 32, 48, 64, 128 };
}

QIcon WindowIcon::icon(const QList<QImage>& ahead)
{
    return QIcon(new DrawnIconEngine(&WindowIcon::draw, offered(), ahead));
}

QList<QImage> WindowIcon::drawOffered()
{
    QList<QImage> images;
    for (int side : offered())
        images.append(draw(side));
    return images;
}

}
