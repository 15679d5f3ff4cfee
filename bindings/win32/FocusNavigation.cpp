#include "bindings/win32/FocusNavigation.h"

#include "bindings/win32/ControlRegistry.h"
#include "ui/Window.h"

#include <vector>

namespace trevalo::win32 {

FocusNavigation::FocusNavigation(const ui::Window& window, HWND host, const ControlRegistry& registry)
    : m_window(window)
    , m_host(host)
    , m_registry(registry)
{
}

bool FocusNavigation::translateTab(const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || GetKeyState(VK_CONTROL) < 0
        || GetKeyState(VK_MENU) < 0)
        return false;
    HWND focus = GetFocus();
    if (focus && (SendMessageW(focus, WM_GETDLGCODE, message.wParam, LPARAM(&message)) & DLGC_WANTTAB))
        return false;
    moveFocusTo(nextTabStop(focus, GetKeyState(VK_SHIFT) < 0 ? Towards::Previous : Towards::Next));
    SendMessageW(m_host, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    return true;
}

// The window is no dialog, and only a dialog's own window procedure would
// act on it.
void FocusNavigation::nextDialogControl(WPARAM wparam, LPARAM lparam)
{
    moveFocusTo(LOWORD(lparam) ? HWND(wparam) : nextTabStop(GetFocus(), wparam ? Towards::Previous : Towards::Next));
}

void FocusNavigation::focusSomething()
{
    HWND target = nullptr;
    if (const ui::Control* focus = m_window.focusedControl()) {
        if (const std::optional<std::size_t> order = m_registry.orderOf(*focus))
            target = m_registry.window(*order).hwnd;
    }
    if (!target || !IsWindowVisible(target) || !IsWindowEnabled(target))
        target = nextTabStop(nullptr, Towards::Next);
    if (target)
        SetFocus(target);
}

HWND FocusNavigation::nextTabStop(HWND from, Towards towards) const
{
    std::vector<HWND> stops;
    const std::size_t none = m_registry.size();
    std::size_t at = none;
    for (const ControlWindow& window : m_registry.windows()) {
        if (!window.hwnd || !(GetWindowLongPtrW(window.hwnd, GWL_STYLE) & WS_TABSTOP) || !IsWindowVisible(window.hwnd)
            || !IsWindowEnabled(window.hwnd))
            continue;
        if (window.hwnd == from)
            at = stops.size();
        stops.push_back(window.hwnd);
    }
    if (stops.empty())
        return nullptr;
    if (at == none)
        return towards == Towards::Next ? stops.front() : stops.back();
    if (towards == Towards::Next)
        return stops[(at + 1) % stops.size()];
    return stops[(at + stops.size() - 1) % stops.size()];
}

void FocusNavigation::moveFocusTo(HWND target)
{
    if (!target)
        return;
    SetFocus(target);
    // As the dialog manager does: a box Tab comes to has its text selected,
    // but with the caret at its start, so a long box (a PGC's details)
    // still shows its beginning rather than scrolling to its end.
    if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageW(target, EM_SETSEL, WPARAM(GetWindowTextLengthW(target)), 0);
        SendMessageW(target, EM_SCROLLCARET, 0, 0);
    }
}

}
