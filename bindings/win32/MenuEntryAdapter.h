#pragma once

#include <windows.h>

#include <vector>

namespace trevalo::ui {
class Control;
}

namespace trevalo::win32 {

// The window's menu entries as the items of its menu bar, in the model's
// order, each with its control ID: the caption with its mnemonic marked,
// greyed while disabled, left out while hidden. An entry that holds others
// is a drop-down (a popup menu) of them, each with its key written beside
// it. Choosing an entry that holds none sends WM_COMMAND with its ID, which
// the binding passes on as a click; one that holds others opens them.
class MenuEntryAdapter {
public:
    struct Item {
        const ui::Control* entry;
        int id;
        // The entries it holds, its drop-down's items.
        std::vector<Item> items;
    };

    // Makes the bar show `items`, touching it only when it differs.
    // Returns whether it changed, so the host redraws its bar.
    static bool mirror(HMENU bar, const std::vector<Item>& items);
};

}
