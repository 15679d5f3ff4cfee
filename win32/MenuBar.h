#pragma once

#include <windows.h>

namespace trevalo::ui {
class MirrorTracker;
class Window;
}

namespace trevalo::win32 {

// The host's menu bar, made only for a window with menu entries, showing
// the window's own entries, and in their drop-downs the entries each holds,
// as MenuEntryAdapter lays them out. Choosing an item sends
// the host WM_COMMAND with the entry's control ID, which the binding passes
// on; the bar itself belongs to the host window once set.
class MenuBar {
public:
    MenuBar(const ui::Window&, HWND host, const ui::MirrorTracker&);

    static bool wanted(const ui::Window&);
    HMENU handle() const { return m_bar; }
    // After a menu entry changed: the bar shows every entry as it is now.
    void mirror();

private:
    const ui::Window& m_window;
    HWND m_host;
    const ui::MirrorTracker& m_tracker;
    HMENU m_bar = nullptr;
};

}
