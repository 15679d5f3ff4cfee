#pragma once

#include "ui/Place.h"

#include <QRect>
#include <QSize>

class QScreen;

namespace trevalo::qt {

// Converts the model's twips into the device-independent pixels Qt lays
// widgets out in. It knows only a dots-per-inch figure; it does not follow a
// window that moves to another screen.
class PixelScale {
public:
    explicit PixelScale(double logical_dpi = 96.0);
    // The scale of `screen`, or of the primary screen when it is null.
    static PixelScale forScreen(const QScreen* screen);

    double logicalDpi() const { return m_dpi; }
    int pixels(int twips) const;
    QRect rect(const ui::Place&) const;
    QSize size(int width_twips, int height_twips) const;

private:
    double m_dpi;
};

}
