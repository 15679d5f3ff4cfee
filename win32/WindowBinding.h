#pragma once

#include "ui/Control.h"
#include "ui/MirrorTracker.h"
#include "win32/BindingEvents.h"
#include "win32/ColourMapping.h"
#include "win32/ControlWindow.h"
#include "win32/FontMapping.h"
#include "win32/PixelScale.h"
#include "win32/Tooltips.h"

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace trevalo::ui {
class ComboBox;
class Window;
}

namespace trevalo::win32 {

// Binds a window model to native Win32 controls: one child window per
// control, all flat on the host's client area (a frame is a panel drawn
// under the controls inside it), and one menu-bar item per menu entry,
// each made, listened to and mirrored by its kind's adapter. The host
// forwards its window's messages here; user events go to the model's entry
// points, then mirror() copies the model back onto the controls and tells
// the host once the model has hidden the window. The binding itself keeps
// the registry (control IDs, windows), makes windows lazily, stacks them,
// moves the focus, holds the tooltips and the accelerator table, and
// decides when a list picked with keys has been picked; it decides nothing
// about what an event means, and owns neither the model nor the host
// window (the windows it makes are the host's children).
class WindowBinding final : private BindingEvents {
public:
    WindowBinding(ui::Window& window, HWND host, int dpi);
    ~WindowBinding();
    WindowBinding(const WindowBinding&) = delete;
    WindowBinding& operator=(const WindowBinding&) = delete;

    // Makes the windows of the controls that show now and mirrors the model
    // onto them. Separate from the constructor, as the host must be able to
    // forward messages (WM_MEASUREITEM) while the controls are being made.
    void start();

    enum class Focus { Follow, StayWithUser };
    // Copies every control changed since the last mirror onto its window,
    // touching only properties that differ, with the binding deaf to the
    // notifications its own writes cause; moves the keyboard focus when the
    // model's focus moved, unless asked to leave it with the user.
    void mirror(Focus focus = Focus::Follow);

    // A message of the host window; true when the binding answered it, with
    // `result` as the answer.
    bool handle(UINT message, WPARAM, LPARAM, LRESULT& result);
    bool translateAccelerator(MSG&);
    bool translateTab(const MSG&);
    // Escape or the close box of a secondary window: the window's cancel.
    void userCancelled();
    // The window moved to a screen of another dpi: fonts and places follow.
    void setDpi(int dpi);
    int dpi() const { return m_scale.dpi(); }

    // Controls that cannot show yet get their window when they first can,
    // or when asked for here, whichever comes first.
    HWND windowFor(const ui::Control&);
    ui::Control* controlFor(HWND) const;
    HMENU menuBar() const { return m_menu_bar; }
    static bool hasMenuEntries(const ui::Window&);

    ui::Window& window() const { return m_window; }
    HWND host() const { return m_host; }

    // Runs once when a mirror finds the model has hidden the window.
    std::function<void()> on_hidden;

private:
    struct KeyPick {
        ui::ComboBox* list;
        std::size_t index;
    };

    void handled(ui::Control&) override;
    void taken(ui::Control&) override;
    void picked(ui::ComboBox&, std::size_t index) override;
    void pickedByKey(ui::ComboBox&, std::size_t index) override;
    void settleKeyPick() override;
    void commitKeyPick();

    void create(std::size_t order);
    void addTooltipWhenNeeded(const ui::Control&, ControlWindow&);
    void mirrorDisabledTool(ControlWindow&);
    void mirrorEntry(std::size_t order);
    void mirrorMenu();
    void mirrorFocus();
    void restack();
    void rebuildAccelerators();
    void userFocused(ui::Control&);
    void focusSomething();
    enum class Towards { Next, Previous };
    HWND nextTabStop(HWND from, Towards) const;
    void moveFocusTo(HWND);

    bool command(int id, int code, HWND from);
    void followFocusTip(ui::Control&, const ControlWindow&, WORD code);
    bool notify(NMHDR&, LRESULT& result);
    bool colour(HDC, HWND from, LRESULT& result);
    std::optional<std::size_t> orderOf(HWND) const;
    std::optional<std::size_t> orderOfId(int id) const;

    ui::Window& m_window;
    HWND m_host;
    PixelScale m_scale;
    ui::MirrorTracker m_tracker;
    FontMapping m_fonts;
    ColourMapping m_colours;
    Tooltips m_tooltips;
    HMENU m_menu_bar = nullptr;
    HACCEL m_accelerators = nullptr;

    std::vector<ControlWindow> m_windows;
    std::vector<ui::Stacking> m_stacked;
    std::vector<std::string> m_shortcuts;
    std::unordered_map<HWND, std::size_t> m_orders;
    COLORREF m_back = CLR_INVALID;
    const ui::Control* m_mirrored_focus = nullptr;
    std::optional<KeyPick> m_key_pick;
    std::wstring m_tip;
    ui::Control* m_focus_tip = nullptr;
    // The binding's own writes to controls make Win32 send notifications
    // (EN_CHANGE, focus changes); while it writes, they are not the user's.
    bool m_mirroring = false;
    bool m_hidden_reported = false;
    bool m_pressed_on_background = false;
    // User events in progress: a message box or modal window an operation
    // opens runs a message loop inside it, where a pick made with keys must
    // wait.
    int m_event_depth = 0;
};

}
