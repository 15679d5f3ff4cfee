#pragma once

#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QList>
#include <QPixmap>

namespace trevalo::qt {

// An icon drawn in code, at a size only when that size is asked for, and
// each size once. A QIcon built from pixmaps would draw every size up front,
// on the start-up path, though most are never shown (none at all on a
// platform without window decorations).
class DrawnIconEngine final : public QIconEngine {
public:
    using Draw = QImage (*)(int side);

    // `sides` are the square sizes the icon offers (window managers pick
    // from these); any other size is drawn on demand all the same. `ahead`
    // are square images already drawn (on another thread, say), used for
    // their sizes instead of drawing them again.
    DrawnIconEngine(Draw draw, QList<int> sides, const QList<QImage>& ahead = {});

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    QPixmap drawn(int side);

    Draw m_draw;
    QList<int> m_sides;
    QHash<int, QImage> m_ahead;
    QHash<int, QPixmap> m_drawn;
};

}
