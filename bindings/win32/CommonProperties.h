#pragma once

#include "ui/Place.h"

#include <windows.h>

namespace trevalo::ui {
class Control;
}

namespace trevalo::win32 {

class ColourMapping;
class FontMapping;
class PixelScale;
struct ControlWindow;

// The properties every control has, mirrored onto its native window the
// same way for every kind. The binding lays all controls flat on the
// window's client area, so what a frame means for the controls inside it
// is worked out here: a control sits at its place plus its frames' offsets,
// is cut to their area where it reaches past it, shows only while they all
// show, and is enabled only while they all are (each keeps its own setting
// for when the frame comes back on). Stacking is the binding's.
class CommonProperties {
public:
    struct Changed {
        bool layout = false;
    };
    // Place, font, colours, Tab stop and enabled state.
    static Changed mirror(const ui::Control&, ControlWindow&, const PixelScale&, FontMapping&);
    // Shown or hidden, once everything else is in place.
    static void show(const ui::Control&, const ControlWindow&);
    // The styles a control's window is made with besides its kind's own:
    // made as it is to show, it needs no mirror's changes at first.
    static DWORD styles(const ui::Control&, bool takes_focus);
    // Where the control's window goes, in the host's client pixels.
    static RECT windowRect(const ui::Control&, const ControlWindow&, const PixelScale&, FontMapping&);
};

}
