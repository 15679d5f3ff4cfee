#include "bindings/win32/MenuBar.h"

#include "bindings/win32/ControlIds.h"
#include "bindings/win32/MenuEntryAdapter.h"
#include "ui/Window.h"
#include "ui/binding/MirrorTracker.h"

#include <vector>

namespace trevalo::win32 {

MenuBar::MenuBar(const ui::Window& window, HWND host, const ui::MirrorTracker& tracker)
    : m_window(window)
    , m_host(host)
    , m_tracker(tracker)
{
    if (wanted(window)) {
        m_bar = CreateMenu();
        SetMenu(host, m_bar);
    }
}

bool MenuBar::wanted(const ui::Window& window)
{
    for (const ui::Control* control : window.controls()) {
        if (control->kind() == ui::ControlKind::MenuEntry)
            return true;
    }
    return false;
}

namespace {

// The entries `holder` holds (the window's own for the bar), each with the
// entries it holds in turn, in the model's order.
std::vector<MenuEntryAdapter::Item> itemsOf(const ui::Control& holder, const ui::MirrorTracker& tracker)
{
    std::vector<MenuEntryAdapter::Item> items;
    const std::vector<ui::Control*>& controls = tracker.controls();
    for (std::size_t order = 0; order < controls.size(); ++order) {
        const ui::Control& control = *controls[order];
        if (control.kind() == ui::ControlKind::MenuEntry && control.container() == &holder)
            items.push_back({ &control, ControlIds::forOrder(order), itemsOf(control, tracker) });
    }
    return items;
}

}

void MenuBar::mirror()
{
    if (!m_bar)
        return;
    if (MenuEntryAdapter::mirror(m_bar, itemsOf(m_window, m_tracker)))
        DrawMenuBar(m_host);
}

bool MenuBar::translateKey(const MSG& message)
{
    if (!m_bar)
        return false;
    const bool menu_key = message.wParam == VK_MENU || message.wParam == VK_F10;
    constexpr LPARAM repeated = LPARAM(1) << 30;
    switch (message.message) {
    case WM_SYSKEYDOWN:
        // A held key repeats; any other key makes it a combination.
        if (!(message.lParam & repeated))
            m_key_alone = menu_key && (GetKeyState(VK_SHIFT) & 0x8000) == 0;
        return false;
    case WM_KEYDOWN:
        m_key_alone = false;
        return false;
    case WM_SYSKEYUP:
    case WM_KEYUP:
        if (!menu_key || !m_key_alone)
            return false;
        m_key_alone = false;
        PostMessageW(m_host, WM_SYSCOMMAND, SC_KEYMENU, 0);
        return true;
    default:
        return false;
    }
}

}
