#pragma once

#include <windows.h>

namespace trevalo::win32 {

// The dots per inch a window is drawn at, and the sizes that follow from
// it. The per-monitor functions came with Windows 10; they are looked up at
// run time, so the program still starts on older Windows, at the system dpi.
class Dpi {
public:
    static int ofWindow(HWND);
    static int ofSystem();
    // The window rectangle that holds `client` with the given styles.
    static RECT windowRectFor(RECT client, DWORD style, bool has_menu, DWORD ex_style, int dpi);
    static int systemMetric(int index, int dpi);
    // Pixels at `dpi` for a length in pixels at 96 dpi.
    static int scaled(int pixels_at_96, int dpi) { return MulDiv(pixels_at_96, dpi, 96); }
};

}
