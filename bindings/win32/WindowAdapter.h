#pragma once

#include <windows.h>

namespace trevalo::ui {
class Window;
}

namespace trevalo::win32 {

// The window's own properties on the host's top-level window: its caption
// and the back colour its background is painted with.
class WindowAdapter {
public:
    // `back` is the colour the binding paints the background with; it is
    // updated, and the window repainted, when the model's differs.
    static void mirror(const ui::Window&, HWND host, COLORREF& back);
};

}
