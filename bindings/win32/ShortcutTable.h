#pragma once

#include "ui/binding/Shortcut.h"

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::win32 {

// The window's accelerator table, made from its controls' shortcuts: a
// control's key sends the host WM_COMMAND with the control's ID from
// anywhere in the window, which the binding passes on as a click. It keeps
// the keys it last read from the controls' shortcuts (ui::Shortcut), by the
// model's order of the controls, and makes the table again only when one
// of them changed.
class ShortcutTable {
public:
    explicit ShortcutTable(std::size_t controls);
    ~ShortcutTable();
    ShortcutTable(const ShortcutTable&) = delete;
    ShortcutTable& operator=(const ShortcutTable&) = delete;

    // The shortcut of the control at `order` as the model has it now; true
    // when it differs from the one last given.
    bool note(std::size_t order, const std::string& keys);
    void rebuild();
    bool translate(HWND host, MSG&) const;

private:
    std::vector<std::optional<ui::Shortcut>> m_shortcuts;
    HACCEL m_table = nullptr;
};

}
