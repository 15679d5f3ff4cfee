#include "win32/MenuBar.h"

#include "ui/MirrorTracker.h"
#include "ui/Window.h"
#include "win32/ControlIds.h"
#include "win32/MenuEntryAdapter.h"

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

}
