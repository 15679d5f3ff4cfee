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
    // Alt or F10 pressed and let go alone brings the keyboard to the bar
    // from whatever control has the focus; a key message of the window's,
    // before it is dispatched. True when it took the message. (Under Wine
    // a list takes every system key for itself, so the control's default
    // handling would never get there.)
    bool translateKey(const MSG&);

private:
    const ui::Window& m_window;
    HWND m_host;
    const ui::MirrorTracker& m_tracker;
    HMENU m_bar = nullptr;
    // Alt or F10 is down with no other key since.
    bool m_key_alone = false;
};

}
