#pragma once

#include <QColor>

namespace trevalo::qt {

// How well one colour reads on another, in the terms of the WCAG contrast
// ratio: 1:1 for a colour on itself up to 21:1 for black on white. The
// colour mapping asks it whether a text colour still reads on the background
// it actually lands on, and for the nearest colour that does.
class Contrast {
public:
    // Body text a reader takes in at a glance: 4.5:1.
    static constexpr double body_text = 4.5;
    // Greyed text of a disabled control: meant to look fainter than the
    // rest, yet still to be made out, as large text must be (3:1).
    static constexpr double greyed_text = 3.0;

    // Relative luminance of an opaque sRGB colour, 0 (black) to 1 (white).
    static double luminance(const QColor&);
    // (lighter + 0.05) / (darker + 0.05), whichever way round they come.
    static double ratio(const QColor& a, const QColor& b);

    // `fore` itself when it reaches `minimum` on `back`; otherwise `fore`
    // mixed with white or black just far enough to reach it, so a red stays
    // a red, only lighter or darker. It turns lighter when it is already
    // the lighter of the two (or darker can't get there), darker otherwise;
    // when neither reaches `minimum` it becomes white or black, whichever
    // reads better.
    static QColor legibleOn(const QColor& fore, const QColor& back, double minimum);

    // Black or white, whichever reads better on `back`.
    static QColor plainTextOn(const QColor& back);

    // `from` moved the fraction `t` of the way to `to`, channel by channel,
    // rounded: also how `to` painted at opacity `t` over `from` looks.
    static QColor mixed(const QColor& from, const QColor& to, double t);
};

}
