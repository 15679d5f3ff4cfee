#pragma once

#include "ui/Control.h"

#include <windows.h>
#include <commctrl.h>

namespace trevalo::win32 {

struct ControlWindow;

// How BUTTON controls show the design's colours where visual styles would
// paint their own: a check box or option button with a text colour of the
// design's goes without the theme (which ignores WM_CTLCOLORSTATIC's text
// colour), and a push button with a back colour of the design's (the
// light-orange Caution button) is painted here, flat and raised as a
// classic button. Buttons in the system's colours keep the system's look.
class ButtonLook {
public:
    static void followTextColour(const ui::Control&, ControlWindow&);
    static bool hasOwnBackColour(const ui::Control&);
    // Paints the whole push button for NM_CUSTOMDRAW's pre-paint stage.
    static void paintPushButton(const ControlWindow&, const NMCUSTOMDRAW&, HBRUSH back);
};

}
