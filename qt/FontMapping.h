#pragma once

#include "ui/Font.h"

#include <QFont>
#include <QString>

#include <string_view>

namespace trevalo::qt {

// Maps the fonts the design names onto faces this machine has: a metric twin
// where one exists (Liberation Mono for Courier New, Liberation Sans for
// Arial), and a smaller sans for MS Sans Serif, which has no twin. It never
// loads font files of its own.
class FontMapping {
public:
    // The point size MS Sans Serif 8.25 pt becomes. Liberation Sans draws
    // wider than MS Sans Serif at the same size, and the layout was drawn
    // for the latter; at this size every caption of the main window fits its
    // control (the GUI clipping test holds this). Other MS Sans Serif sizes
    // scale in the same proportion.
    static constexpr double sans_points_for_8_25 = 7.5;

    static QFont toQFont(const ui::Font&);
    // The family actually used for a design family.
    static QString familyFor(std::string_view design_family);
    static double pointsFor(const ui::Font&);
};

}
