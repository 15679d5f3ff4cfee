#pragma once

#include "bindings/qt/WindowBinding.h"

#include <QRegion>
#include <QString>

#include <string>
#include <vector>

class QWidget;

namespace trevalo::testing {

// Measures captions with the fonts the widgets really use and tells which
// would be cut by their control. Only what a user can see is measured.
class CaptionClipping {
public:
    // One line per control whose caption does not fit: its name, caption and
    // why. `checked` counts the controls measured.
    static std::vector<std::string> clippedCaptions(qt::WindowBinding&, int* checked = nullptr);

    // The part of `widget` a user can see, in `client` coordinates: its
    // rectangle cut by every container up to `client`, less the siblings
    // stacked above it on the way. Controls outside their frame's area, or
    // under a list, come out empty.
    static QRegion seenRegion(QWidget* widget, QWidget* client);

    // A button's caption as drawn: "&&" shows "&", a lone "&" only marks the
    // mnemonic letter and takes no room.
    static QString drawnText(const QString& caption);

    // Why the caption of `widget` would be cut, or "" when it fits.
    static std::string clipping(QWidget* widget);
};

}
