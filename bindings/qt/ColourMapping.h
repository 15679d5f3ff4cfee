#pragma once

#include "ui/Colour.h"
#include "ui/Control.h"

#include <QColor>
#include <QPalette>

namespace trevalo::qt {

// Turns the model's colours into palette entries: RGB values as they are,
// system colours from the application's palette, and each onto the roles
// the widget of that control kind paints with. It never touches a widget.
//
// The design's colours were chosen for a light desktop, and under a light
// palette they are painted exactly as the model states them. Under a dark
// palette a design background (the yellow lists and blocks, the light-orange
// Caution button) stays, but the palette's light text would vanish on it,
// and a design text colour (the red PGC names, the blue and magenta
// captions) may sink into the dark face: there each text colour is moved,
// as little as it takes, until it reads on the background it actually lands
// on. The model keeps its colours; only what is painted changes.
class ColourMapping {
public:
    // The colour `colour` stands for when painted into palette role `target`
    // (button face is the Window colour on a panel, the Button colour on a
    // button), taken from `system`.
    static QColor resolve(ui::Colour colour, QPalette::ColorRole target, const QPalette& system);

    // `current` with the control's back and fore colours written into the
    // roles its widget kind uses. Fore colours go into the active and
    // inactive groups only, so a disabled control still looks disabled: it
    // keeps the palette's greyed text, made out still on a design
    // background under a dark palette.
    static QPalette paletteFor(const ui::Control&, QPalette current, const QPalette& system);

    // Whether `system` is a light palette, the kind the design was drawn
    // for: its window text darker than its window.
    static bool isLight(const QPalette& system);

    // The colour text of colour `fore` is painted with on a background of
    // colour `back`, given both as resolved into their roles: `fore` itself
    // under a light palette, where both are the palette's own (its pairs are
    // its author's to choose, greyed text included) or wherever it reads;
    // otherwise a design colour made lighter or darker until it reads, and
    // a system text colour (meant as plain text) turned black or white.
    static QColor legibleFore(ui::Colour fore, const QColor& resolved_fore, ui::Colour back, const QColor& resolved_back,
        const QPalette& system);

    // Whether the control's background differs from its container's, so its
    // widget must paint it rather than let the container show through.
    static bool fillsBackground(const ui::Control&, const QPalette& system);

    static QPalette::ColorRole backRole(ui::ControlKind);
};

}
