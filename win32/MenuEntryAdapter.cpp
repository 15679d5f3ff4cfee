#include "win32/MenuEntryAdapter.h"

#include "ui/Control.h"
#include "win32/TextMapping.h"

#include <string>

namespace trevalo::win32 {

namespace {

struct Shown {
    int id;
    std::wstring text;
    bool enabled;

    friend bool operator==(const Shown&, const Shown&) = default;
};

std::vector<Shown> wanted(const std::vector<MenuEntryAdapter::Item>& items)
{
    std::vector<Shown> shown;
    for (const MenuEntryAdapter::Item& item : items) {
        if (item.entry->visible())
            shown.push_back({ item.id, TextMapping::caption(item.entry->displayText(), item.entry->mnemonic()), item.entry->enabled() });
    }
    return shown;
}

std::vector<Shown> current(HMENU bar)
{
    std::vector<Shown> shown;
    const int count = GetMenuItemCount(bar);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW info {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = UINT(std::size(text) - 1);
        GetMenuItemInfoW(bar, UINT(i), TRUE, &info);
        shown.push_back({ int(info.wID), text, !(info.fState & MFS_DISABLED) });
    }
    return shown;
}

}

bool MenuEntryAdapter::mirror(HMENU bar, const std::vector<Item>& items)
{
    const std::vector<Shown> shown = wanted(items);
    if (shown == current(bar))
        return false;
    while (GetMenuItemCount(bar) > 0)
        DeleteMenu(bar, 0, MF_BYPOSITION);
    for (const Shown& item : shown)
        AppendMenuW(bar, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), UINT_PTR(item.id), item.text.c_str());
    return true;
}

}
