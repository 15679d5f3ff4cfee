#pragma once

#include "bindings/win32/Tooltips.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace trevalo::ui {
class Control;
}

namespace trevalo::win32 {

class ControlRegistry;
struct ControlWindow;

// The model's tooltips on a window's Tooltips: a tool for each control
// that has or may get a tooltip, one over the place of such a control while
// it is disabled, the tip under a control with the keyboard focus where its
// kind shows it there, and each text from the model when the tooltip asks
// for it. A tooltip goes when the pointer leaves its control or the window,
// and when the keyboard focus moves or leaves the window, as the Qt
// window's do; the tooltip's own watch of the pointer cannot be relied on
// once the pointer is outside the program's windows (Wine under a window
// manager). It makes no control windows and finds controls in the
// binding's registry.
class ControlTooltips {
public:
    ControlTooltips(HWND host, const ControlRegistry&);

    void setDpi(int dpi) { m_tooltips.setDpi(dpi); }
    // After the control's window was mirrored: its tools follow it.
    void mirror(const ui::Control&, ControlWindow&);
    // A notification the control sent (WM_COMMAND's code): the focus tip
    // follows the focus wherever it came from, the user's keys or an
    // operation.
    void followFocus(ui::Control&, const ControlWindow&, WORD code);
    // A notification the host got; true when it was the tooltip asking for
    // a text (TTN_GETDISPINFOW), with `result` as the answer.
    bool notify(NMHDR&, LRESULT& result);
    // A message of the host's thread before it is dispatched: the pointer
    // moving over one of its windows, or leaving one.
    void watchPointer(const MSG&);
    // The host window was activated or deactivated (WM_ACTIVATE).
    void activated(bool active);

private:
    void addToolWhenNeeded(const ui::Control&, ControlWindow&);
    void mirrorDisabledTool(ControlWindow&);

    HWND m_host;
    const ControlRegistry& m_registry;
    Tooltips m_tooltips;
    // The text last given, which the tooltip reads after the answer.
    std::wstring m_tip;
    ui::Control* m_focus_tip = nullptr;
    // The window the pointer is on, told when the pointer leaves it.
    HWND m_pointer_on = nullptr;
};

}
