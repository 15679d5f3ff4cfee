#include "bindings/win32/ControlTooltips.h"

#include "bindings/win32/ControlRegistry.h"
#include "bindings/win32/KindAdapter.h"
#include "bindings/win32/TextMapping.h"
#include "ui/Control.h"
#include "ui/binding/MirrorTracker.h"

namespace trevalo::win32 {

ControlTooltips::ControlTooltips(HWND host, const ControlRegistry& registry)
    : m_host(host)
    , m_registry(registry)
    , m_tooltips(host)
{
}

void ControlTooltips::mirror(const ui::Control& control, ControlWindow& window)
{
    addToolWhenNeeded(control, window);
    mirrorDisabledTool(window);
}

// A tool subclasses its control, and every message to it then goes through
// the tooltip's code too: only controls with a tooltip, or that may get one
// (a block's listing), have one, and each gets it after its first mirror.
void ControlTooltips::addToolWhenNeeded(const ui::Control& control, ControlWindow& window)
{
    if (window.has_tool || !ui::MirrorTracker::canBeSeen(control))
        return;
    // A text box's tooltip may be worked out only when read; asking for it
    // here would work it out for nothing.
    if (control.kind() != ui::ControlKind::TextBox && control.tooltip().empty() && control.shortcut().empty())
        return;
    m_tooltips.add(window.hwnd);
    window.has_tool = true;
}

void ControlTooltips::mirrorDisabledTool(ControlWindow& window)
{
    RECT place {};
    // By its own style: the host may not be showing yet.
    if (window.has_tool && (GetWindowLongPtrW(window.hwnd, GWL_STYLE) & WS_VISIBLE) && !IsWindowEnabled(window.hwnd)) {
        GetWindowRect(window.hwnd, &place);
        MapWindowPoints(nullptr, m_host, reinterpret_cast<POINT*>(&place), 2);
    }
    if (EqualRect(&place, &window.disabled_tool))
        return;
    if (IsRectEmpty(&place))
        m_tooltips.removeForDisabled(UINT_PTR(window.id));
    else
        m_tooltips.placeForDisabled(UINT_PTR(window.id), place);
    window.disabled_tool = place;
}

void ControlTooltips::followFocus(ui::Control& control, const ControlWindow& window, WORD code)
{
    // Wherever the focus goes, the tooltip the pointer brought up goes.
    if (window.adapter->gainsFocus(code))
        m_tooltips.pop();
    if (window.adapter->gainsFocus(code) && window.adapter->tipWhileFocused(control)
        && !TextMapping::tooltip(control).empty()) {
        m_focus_tip = &control;
        m_tooltips.showUnder(window.hwnd);
    } else if (window.adapter->losesFocus(code) && m_focus_tip == &control) {
        m_focus_tip = nullptr;
        m_tooltips.hideFocusTip();
    }
}

// Win32 tells a window the pointer has left it only when asked to, once for
// every time the pointer comes onto it; the window the pointer is on is
// asked at its first move there.
void ControlTooltips::watchPointer(const MSG& message)
{
    if (message.message == WM_MOUSEMOVE && message.hwnd != m_pointer_on
        && (message.hwnd == m_host || m_registry.orderOf(message.hwnd))) {
        TRACKMOUSEEVENT track {};
        track.cbSize = sizeof track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = message.hwnd;
        if (TrackMouseEvent(&track))
            m_pointer_on = message.hwnd;
    } else if (message.message == WM_MOUSELEAVE) {
        if (message.hwnd == m_pointer_on)
            m_pointer_on = nullptr;
        if (m_tooltips.showsFor(message.hwnd))
            m_tooltips.pop();
    }
}

void ControlTooltips::activated(bool active)
{
    m_tooltips.pop();
    if (!active && m_focus_tip) {
        m_focus_tip = nullptr;
        m_tooltips.hideFocusTip();
    }
}

bool ControlTooltips::notify(NMHDR& header, LRESULT& result)
{
    if (header.hwndFrom != m_tooltips.handle() || header.code != TTN_GETDISPINFOW)
        return false;
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
    ui::Control* control = nullptr;
    if (info.uFlags & TTF_IDISHWND)
        control = m_registry.controlFor(HWND(header.idFrom));
    else if (header.idFrom == Tooltips::focus_tip)
        control = m_focus_tip;
    else
        control = m_registry.controlForId(int(header.idFrom));
    m_tip = control ? TextMapping::tooltip(*control) : std::wstring();
    info.lpszText = m_tip.data();
    info.hinst = nullptr;
    result = 0;
    return true;
}

}
