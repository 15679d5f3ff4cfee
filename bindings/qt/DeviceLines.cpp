#include "bindings/qt/DeviceLines.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace trevalo::qt {

namespace {

bool whole(qreal value)
{
    return std::abs(value - std::round(value)) < 1e-6;
}

// A pane over the whole box, above its viewport and scroll bars, that draws
// the outline only; the box keeps every event.
class BoxEdges final : public QWidget {
public:
    explicit BoxEdges(QWidget& box)
        : QWidget(&box)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(box.rect());
        box.installEventFilter(this);
        raise();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        // A scroll area raises its scroll bars when it lays them out; the
        // pane goes back on top before the box's children paint.
        if (event->type() == QEvent::Resize || event->type() == QEvent::Paint) {
            if (parentWidget()->children().constLast() != this)
                raise();
        }
        return false;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (DeviceLines::needed(painter))
            DeviceLines::outline(painter, rect(), parentWidget()->palette().color(QPalette::Window).darker(140), 2);
    }
};

}

bool DeviceLines::needed(const QPainter& painter)
{
    const QTransform device = painter.deviceTransform();
    return !whole(device.m11()) || !whole(device.m22()) || !whole(device.dx()) || !whole(device.dy());
}

void DeviceLines::outline(QPainter& painter, const QRect& rect, const QColor& colour, int corner)
{
    const QTransform to_device = painter.deviceTransform();
    const QRectF device = to_device.mapRect(QRectF(rect));
    const int thickness = std::max(1, int(std::floor(to_device.m11() + 1e-6)));
    // The outermost whole device pixels inside the widget's edges.
    const int left = int(std::ceil(device.left() - 1e-6));
    const int top = int(std::ceil(device.top() - 1e-6));
    const int right = int(std::floor(device.right() + 1e-6)) - thickness;
    const int bottom = int(std::floor(device.bottom() + 1e-6)) - thickness;
    painter.save();
    // Painting in device pixels: undo the device's own scale and offset.
    painter.setWorldTransform(to_device.inverted() * painter.worldTransform());
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int width = right - left + thickness;
    const int height = bottom - top + thickness;
    painter.fillRect(QRect(left + corner, top, width - 2 * corner, thickness), colour);
    painter.fillRect(QRect(left + corner, bottom, width - 2 * corner, thickness), colour);
    painter.fillRect(QRect(left, top + corner, thickness, height - 2 * corner), colour);
    painter.fillRect(QRect(right, top + corner, thickness, height - 2 * corner), colour);
    painter.restore();
}

void DeviceLines::watch(QWidget& box)
{
    new BoxEdges(box);
}

}
