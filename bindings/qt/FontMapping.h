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
    static QFont toQFont(const ui::Font&);
    // The family actually used for a design family.
    static QString familyFor(std::string_view design_family);
    static double pointsFor(const ui::Font&);
};

}
