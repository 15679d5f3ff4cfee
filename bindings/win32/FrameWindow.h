#pragma once

#include <windows.h>

namespace trevalo::win32 {

// The window class of a group frame: an opaque panel in its own back
// colour with an etched border and its caption over the top border, a
// character in from the left, as the design's controls were placed for.
// It is opaque (unlike BS_GROUPBOX) because the binding lays every control
// flat on the window: a frame must hide the focus sinks stacked under it.
// Like a STATIC it asks its parent for its colours (WM_CTLCOLORSTATIC),
// keeps the font it is given (WM_SETFONT) and shows its window text; it
// has no events.
class FrameWindow {
public:
    static const wchar_t* className();
    // Registers the class once per process.
    static void registerClass();

private:
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    static void paint(HWND);
};

}
