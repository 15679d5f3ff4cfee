#pragma once

#include "ui/binding/HeldPick.h"
#include "ui/binding/TypeAhead.h"

#include <windows.h>

#include <string>

namespace trevalo::win32 {

class KindAdapter;

// What the binding made for one control and what it last put there: the
// native window, its ID, and the mirrored properties Win32 keeps nowhere
// the binding can read back (the colours WM_CTLCOLOR* answers with, a
// list's shown text that is none of its items). Plain data.
struct ControlWindow {
    HWND hwnd = nullptr;
    int id = 0;
    const KindAdapter* adapter = nullptr;
    // The font last given to the window, at the window's dpi.
    HFONT font = nullptr;
    COLORREF fore = CLR_INVALID;
    COLORREF back = CLR_INVALID;
    // Visual styles draw check boxes and option buttons in the theme's text
    // colour; one whose design colour must show goes without them.
    bool themed = true;
    // Where the window was last put, in the host's client pixels.
    RECT rect {};
    // Cut to its frames' area, where it reaches past one.
    bool clipped = false;
    // A tool of the window's tooltip is watching it.
    bool has_tool = false;
    // Where the tool that stands in for it while it is disabled lies, in
    // the host's client pixels; empty while it is enabled or hidden.
    RECT disabled_tool {};
    // A list's drop-down, which asks for its colours on its own.
    HWND list_box = nullptr;
    // A list's text when it is none of its items, drawn in the closed list.
    std::wstring shown_text;
    // The item the closed list shows, as last mirrored (-1: none).
    int shown_index = -1;
    // What has been typed on a list, to pick an item by.
    ui::TypeAhead type_ahead { ui::HeldPick::pause_ms };
};

}
