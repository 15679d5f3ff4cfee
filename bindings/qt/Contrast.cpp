#include "bindings/qt/Contrast.h"

#include <algorithm>
#include <cmath>

namespace trevalo::qt {


namespace {

double linear(int channel)
{
    double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The least mix of `fore` towards `extreme` that reaches `minimum` on
// `back`, or nothing when even `extreme` itself falls short.
bool mixTowards(const QColor& fore, const QColor& extreme, const QColor& back, double minimum, QColor& result)
{
    if (Contrast::ratio(extreme, back) < minimum)
        return false;
    // Searched on the rounded colours, so the one returned really reaches
    // `minimum` rather than a fraction of a step short of it.
    double low = 0.0;
    double high = 1.0;
    for (int step = 0; step < 24; ++step) {
        double middle = (low + high) / 2;
        if (Contrast::ratio(Contrast::mixed(fore, extreme, middle), back) >= minimum)
            high = middle;
        else
            low = middle;
    }
    result = Contrast::mixed(fore, extreme, high);
    return true;
}

}

// Each channel moves one way only, so the luminance rises or falls steadily
// with `t`.
QColor Contrast::mixed(const QColor& from, const QColor& to, double t)
{
    auto channel = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

double Contrast::luminance(const QColor& colour)
{
    QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

double Contrast::ratio(const QColor& a, const QColor& b)
{
    double la = luminance(a);
    double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Contrast::plainTextOn(const QColor& back)
{
    QColor black(0, 0, 0);
    QColor white(255, 255, 255);
    return ratio(black, back) >= ratio(white, back) ? black : white;
}

QColor Contrast::legibleOn(const QColor& fore, const QColor& back, double minimum)
{
    QColor opaque = fore.toRgb();
    opaque.setAlpha(255);
    if (ratio(opaque, back) >= minimum)
        return opaque;
    QColor white(255, 255, 255);
    QColor black(0, 0, 0);
    bool lighter_first = luminance(opaque) >= luminance(back);
    QColor result;
    if (mixTowards(opaque, lighter_first ? white : black, back, minimum, result))
        return result;
    if (mixTowards(opaque, lighter_first ? black : white, back, minimum, result))
        return result;
    return plainTextOn(back);
}

}
