#include "bindings/win32/MenuEntryAdapter.h"

#include "bindings/win32/TextMapping.h"
#include "ui/Control.h"
#include "ui/binding/BindingTexts.h"

#include <string>

namespace trevalo::win32 {

namespace {

struct Shown {
    int id;
    std::wstring text;
    bool enabled;
    bool opens_menu;
    std::vector<Shown> items;

    friend bool operator==(const Shown&, const Shown&) = default;
};

// An item of a drop-down names its key after a tab, which menus show
// right-aligned; the key itself is the window's accelerator.
std::wstring textOf(const MenuEntryAdapter::Item& item, bool in_drop_down)
{
    const ui::Control& entry = *item.entry;
    if (in_drop_down)
        return TextMapping::wide(ui::BindingTexts::menuItemText(entry, entry.shortcut()));
    return TextMapping::caption(entry.displayText(), entry.mnemonic());
}

std::vector<Shown> wanted(const std::vector<MenuEntryAdapter::Item>& items, bool in_drop_down)
{
    std::vector<Shown> shown;
    for (const MenuEntryAdapter::Item& item : items) {
        if (!item.entry->visible())
            continue;
        shown.push_back({ item.id, textOf(item, in_drop_down), item.entry->enabled(), !item.items.empty(),
            wanted(item.items, true) });
    }
    return shown;
}

std::vector<Shown> current(HMENU menu)
{
    std::vector<Shown> shown;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW info {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = UINT(std::size(text) - 1);
        GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
        shown.push_back({ int(info.wID), text, !(info.fState & MFS_DISABLED), info.hSubMenu != nullptr,
            info.hSubMenu ? current(info.hSubMenu) : std::vector<Shown> {} });
    }
    return shown;
}

void fill(HMENU menu, const std::vector<Shown>& items)
{
    for (const Shown& item : items) {
        MENUITEMINFOW info {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_STRING;
        info.wID = UINT(item.id);
        info.fState = item.enabled ? MFS_ENABLED : MFS_DISABLED;
        std::wstring text = item.text;
        info.dwTypeData = text.data();
        if (item.opens_menu) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = CreatePopupMenu();
            fill(info.hSubMenu, item.items);
        }
        InsertMenuItemW(menu, UINT(GetMenuItemCount(menu)), TRUE, &info);
    }
}

}

bool MenuEntryAdapter::mirror(HMENU bar, const std::vector<Item>& items)
{
    const std::vector<Shown> shown = wanted(items, false);
    if (shown == current(bar))
        return false;
    // Deleting an item that opens a drop-down destroys the drop-down too.
    while (GetMenuItemCount(bar) > 0)
        DeleteMenu(bar, 0, MF_BYPOSITION);
    fill(bar, shown);
    return true;
}

}
