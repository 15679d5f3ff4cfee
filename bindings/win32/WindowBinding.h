#pragma once

#include "bindings/win32/ControlPainting.h"
#include "bindings/win32/ControlRegistry.h"
#include "bindings/win32/ControlTooltips.h"
#include "bindings/win32/FocusNavigation.h"
#include "bindings/win32/FontMapping.h"
#include "bindings/win32/HeldPickTimer.h"
#include "bindings/win32/MenuBar.h"
#include "bindings/win32/PixelScale.h"
#include "bindings/win32/ShortcutTable.h"
#include "ui/Control.h"
#include "ui/binding/BindingCore.h"
#include "ui/binding/MirrorTracker.h"

#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <functional>
#include <vector>

namespace trevalo::ui {
class Window;
}

namespace trevalo::win32 {

// Binds a window model to native Win32 controls: one child window per
// control, all flat on the host's client area (a frame is a panel drawn
// under the controls inside it), and one menu-bar item per menu entry,
// each made, listened to and mirrored by its kind's adapter. The host
// forwards its window's messages here; user events go to the model's entry
// points through the binding core (ui::BindingCore, which also holds a
// pick made with keys and keeps the focus rule), then mirror() copies the
// model back onto the controls and tells the host once the model has
// hidden the window. The binding itself keeps the registry (control IDs,
// windows), makes windows lazily, stacks them, walks the controls to
// mirror them and dispatches the host's messages; its parts move the focus
// with Tab (FocusNavigation), show the tooltips (ControlTooltips), answer
// the painting messages (ControlPainting), keep the menu bar and the
// accelerator table (MenuBar, ShortcutTable) and time the held pick
// (HeldPickTimer); it takes folders dropped on the window and runs the
// model's stepped work between the user's events. It decides nothing about
// what an event means, and owns neither the model nor the host window (the
// windows it makes are the host's children).
class WindowBinding final : private ui::BindingCore::Toolkit {
public:
    WindowBinding(ui::Window& window, HWND host, int dpi);
    ~WindowBinding();
    WindowBinding(const WindowBinding&) = delete;
    WindowBinding& operator=(const WindowBinding&) = delete;

    // Makes the windows of the controls that show now and mirrors the model
    // onto them. Separate from the constructor, as the host must be able to
    // forward messages (WM_MEASUREITEM) while the controls are being made.
    void start() { mirror(); }

    // Copies every control changed since the last mirror onto its window,
    // touching only properties that differ, with the binding deaf to the
    // notifications its own writes cause; moves the keyboard focus where
    // the binding core says.
    void mirror() override;

    // A message of the host window; true when the binding answered it, with
    // `result` as the answer.
    bool handle(UINT message, WPARAM, LPARAM, LRESULT& result);
    bool translateAccelerator(MSG& message) { return m_shortcuts.translate(m_host, message); }
    bool translateMenuKey(const MSG& message) { return m_menu_bar.translateKey(message); }
    bool translateTab(const MSG&);
    // A character typed on a control, offered to its adapter before the
    // control's own window procedure (a list picks by it as the Qt window's
    // lists do); true when the adapter took it.
    bool translateCharacter(const MSG&);
    // Every message for the window or one of its controls, before it is
    // dispatched, for what the binding watches without taking it (the
    // pointer leaving a control).
    void watch(const MSG& message) { m_tooltips.watchPointer(message); }
    // Escape or the close box of a secondary window: the window's cancel.
    void userCancelled();
    // The window moved to a screen of another dpi: fonts and places follow.
    void setDpi(int dpi);
    int dpi() const { return m_scale.dpi(); }

    // Controls that cannot show yet get their window when they first can,
    // or when asked for here, whichever comes first.
    HWND windowFor(const ui::Control&);
    ui::Control* controlFor(HWND hwnd) const { return m_registry.controlFor(hwnd); }
    HMENU menuBar() const { return m_menu_bar.handle(); }
    static bool hasMenuEntries(const ui::Window& window) { return MenuBar::wanted(window); }

    ui::Window& window() const { return m_window; }
    HWND host() const { return m_host; }

    // Runs once when a mirror finds the model has hidden the window.
    std::function<void()> on_hidden;
    // Runs after every mirror (an event handled here, a step of the work):
    // a window whose operations change another one, as a modal window's
    // change the main window behind it, has that one shown at once.
    std::function<void()> on_mirrored;

private:
    ui::Control* keyboardFocus() const override { return controlFor(GetFocus()); }

    void create(std::size_t order);
    void mirrorEntry(std::size_t order);
    void mirrorFocus();
    void restack();
    bool command(int id, int code, HWND from);
    void dropped(HDROP);
    // The model's long work, a step at a time, with the user's events and
    // painting between the steps.
    void scheduleWork();
    void workStep();

    ui::Window& m_window;
    HWND m_host;
    PixelScale m_scale;
    ui::MirrorTracker m_tracker;
    FontMapping m_fonts;
    ControlRegistry m_registry;
    ControlPainting m_painting;
    ControlTooltips m_tooltips;
    FocusNavigation m_navigation;
    HeldPickTimer m_pick_timer;
    ui::BindingCore m_core;
    MenuBar m_menu_bar;
    ShortcutTable m_shortcuts;

    std::vector<ui::Stacking> m_stacked;
    // The binding's own writes to controls make Win32 send notifications
    // (EN_CHANGE, focus changes); while it writes, they are not the user's.
    bool m_mirroring = false;
    bool m_hidden_reported = false;
    bool m_pressed_on_background = false;
    bool m_takes_drops = false;
    bool m_work_scheduled = false;
};

}
