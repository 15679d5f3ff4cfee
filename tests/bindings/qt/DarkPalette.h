#pragma once

#include <QPalette>

namespace trevalo::testing {

// A dark desktop palette of the common kind (light grey text on a charcoal
// face, darker fields), as a desktop in dark mode hands Fusion: the tests
// and the screenshots check the window under it.
class DarkPalette {
public:
    static QPalette palette();
};

}
