#pragma once

#include "ui/Colour.h"
#include "ui/Control.h"

#include <QColor>
#include <QPalette>

namespace trevalo::ui::qt {

// Turns the model's colours into palette entries: RGB values as they are,
// system colours from the application's palette, and each onto the roles
// the widget of that control kind paints with. It never touches a widget.
class ColourMapping {
public:
    // The colour `colour` stands for when painted into palette role `target`
    // (button face is the Window colour on a panel, the Button colour on a
    // button), taken from `system`.
    static QColor resolve(Colour colour, QPalette::ColorRole target, const QPalette& system);

    // `current` with the control's back and fore colours written into the
    // roles its widget kind uses. Fore colours go into the active and
    // inactive groups only, so a disabled control still looks disabled.
    static QPalette paletteFor(const Control&, QPalette current, const QPalette& system);

    // Whether the control's background differs from its container's, so its
    // widget must paint it rather than let the container show through.
    static bool fillsBackground(const Control&, const QPalette& system);

    static QPalette::ColorRole backRole(ControlKind);
};

}
