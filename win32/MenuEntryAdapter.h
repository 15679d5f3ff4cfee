#pragma once

#include <windows.h>

#include <vector>

namespace trevalo::ui {
class Control;
}

namespace trevalo::win32 {

// The window's menu entries as the top-level items of its menu bar, in the
// model's order, each with its control ID: the caption with its mnemonic
// marked, greyed while disabled, left out while hidden. Choosing one sends
// WM_COMMAND with the ID, which the binding passes on as a click.
class MenuEntryAdapter {
public:
    struct Item {
        const ui::Control* entry;
        int id;
    };

    // Makes the bar show `items`, touching it only when it differs.
    // Returns whether it changed, so the host redraws its bar.
    static bool mirror(HMENU bar, const std::vector<Item>& items);
};

}
