#pragma once

#include <windows.h>

namespace trevalo::ui {
class Window;
}

namespace trevalo::win32 {

class ControlRegistry;

// Moves the keyboard focus among a window's controls the way Trevalo's Tab
// goes: by the model's order of the controls, not by the stacking order the
// dialog manager would take, over the made windows that are Tab stops and
// can be used. It moves only the native focus; the model hears of the move
// from the control's own notification, through the binding.
class FocusNavigation {
public:
    FocusNavigation(const ui::Window&, HWND host, const ControlRegistry&);

    // Tab and Shift+Tab, before the dialog manager sees them; true when
    // taken.
    bool translateTab(const MSG&);
    // WM_NEXTDLGCTL, which the dialog manager may send for the arrow keys
    // in a group.
    void nextDialogControl(WPARAM, LPARAM);
    // The window got the keyboard focus (it was activated): it goes on to
    // the control that last had it, or else the first Tab stop.
    void focusSomething();

private:
    enum class Towards { Next, Previous };
    HWND nextTabStop(HWND from, Towards) const;
    void moveFocusTo(HWND);

    const ui::Window& m_window;
    HWND m_host;
    const ControlRegistry& m_registry;
};

}
