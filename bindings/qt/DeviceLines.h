#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QWidget;

namespace trevalo::qt {

// One-pixel outlines that land on whole device pixels. At a fractional
// scale (125 %, 150 %) a widget's edge falls between device pixels, and a
// line drawn on it is clipped away with the half pixel outside the widget:
// frames and boxes lose their borders. These outlines sit on the outermost
// device pixels wholly inside the widget instead.
class DeviceLines {
public:
    // Whether the painter's device places the widget off the pixel grid.
    static bool needed(const QPainter&);
    // The four sides of `rect` (logical pixels), each `corner` device
    // pixels short at both ends, one device pixel thick (whole multiples
    // of it at larger scales).
    static void outline(QPainter&, const QRect& rect, const QColor&, int corner = 0);
    // Paints the style's frame colour around a box or list after the widget
    // itself has painted, where the style's own frame may have been clipped.
    static void watch(QWidget& box);
};

}
