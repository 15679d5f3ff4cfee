#include "win32/MenuBar.h"

#include "ui/MirrorTracker.h"
#include "ui/Window.h"
#include "win32/ControlIds.h"
#include "win32/MenuEntryAdapter.h"

#include <vector>

namespace trevalo::win32 {

MenuBar::MenuBar(const ui::Window& window, HWND host, const ui::MirrorTracker& tracker)
    : m_host(host)
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

void MenuBar::mirror()
{
    if (!m_bar)
        return;
    std::vector<MenuEntryAdapter::Item> items;
    const std::vector<ui::Control*>& controls = m_tracker.controls();
    for (std::size_t order = 0; order < controls.size(); ++order) {
        if (controls[order]->kind() == ui::ControlKind::MenuEntry)
            items.push_back({ controls[order], ControlIds::forOrder(order) });
    }
    if (MenuEntryAdapter::mirror(m_bar, items))
        DrawMenuBar(m_host);
}

}
