#pragma once

#include "ui/Control.h"

#include <windows.h>
#include <commctrl.h>

namespace trevalo::ui {
class BindingEvents;
}

namespace trevalo::win32 {

class ColourMapping;
class FontMapping;
struct ControlWindow;

// Makes, mirrors and listens to the native control of one kind of control.
// One adapter per kind; the binding asks of(kind) and never switches on
// kinds itself. Adapters decide nothing about what an event means: they
// report it to the binding core (ui::BindingEvents). Menu entries (items of the menu
// bar) and the window (the host's own window) have adapters of their own
// shape.
class KindAdapter {
public:
    virtual ~KindAdapter() = default;

    virtual const wchar_t* windowClass() const = 0;
    // The kind's own styles for a new control; the binding adds the child,
    // stacking and Tab styles.
    virtual DWORD style(const ui::Control&) const = 0;
    virtual DWORD exStyle(const ui::Control&) const { return 0; }
    // Whether Tab reaches the control (when it can be seen at all).
    virtual bool takesFocus(const ui::Control&) const { return false; }
    // Whether its tooltip shows while it has the keyboard focus, for a
    // control whose details are read there.
    virtual bool tipWhileFocused(const ui::Control&) const { return false; }
    // Once, right after the window is made.
    virtual void created(const ui::Control&, ControlWindow&) const { }
    // The window's rectangle for the control's own, in the host's client
    // pixels (a list's includes its drop-down).
    virtual RECT windowRect(const ui::Control&, const ControlWindow&, RECT placed, FontMapping&, int /*dpi*/) const
    {
        return placed;
    }
    // After the window got a new font or rectangle: sizes that follow.
    virtual void laidOut(const ui::Control&, ControlWindow&, RECT /*placed*/, FontMapping&, int /*dpi*/) const { }
    // Whether a notification (WM_COMMAND's code, whose meaning depends on
    // the window class) says the control got the keyboard focus.
    virtual bool gainsFocus(WORD) const { return false; }
    virtual bool losesFocus(WORD) const { return false; }
    // A notification the control sent its parent (WM_COMMAND's code).
    virtual void command(ui::Control&, ControlWindow&, WORD /*code*/, ui::BindingEvents&) const { }
    // A character typed on the control (WM_CHAR), before the control's own
    // window procedure sees it, with the time it was typed; true when the
    // adapter took it.
    virtual bool typed(ui::Control&, ControlWindow&, wchar_t, DWORD /*time*/, ui::BindingEvents&) const { return false; }
    // NM_CUSTOMDRAW from the control; true when `result` is the answer.
    virtual bool customDraw(const ui::Control&, const ControlWindow&, const NMCUSTOMDRAW&, ColourMapping&, LRESULT&) const
    {
        return false;
    }
    virtual void measureItem(const ui::Control&, const ControlWindow&, MEASUREITEMSTRUCT&, FontMapping&, int /*dpi*/) const { }
    virtual void drawItem(const ui::Control&, const ControlWindow&, const DRAWITEMSTRUCT&, ColourMapping&, int /*dpi*/) const { }
    // Copies the kind's own properties (text, value, items) onto the
    // window, touching only what differs.
    virtual void mirror(const ui::Control&, ControlWindow&) const = 0;

    // The adapter of a kind made as a child window; null for menu entries
    // and the window.
    static const KindAdapter* of(ui::ControlKind);

protected:
    // Sets or clears style bits of a made window, redrawing it if they change.
    static void setStyle(HWND, DWORD bits, bool on);
};

}
