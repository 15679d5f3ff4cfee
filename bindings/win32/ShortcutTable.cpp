#include "bindings/win32/ShortcutTable.h"

#include "bindings/win32/Accelerators.h"
#include "bindings/win32/ControlIds.h"

namespace trevalo::win32 {

ShortcutTable::ShortcutTable(std::size_t controls)
    : m_shortcuts(controls)
{
}

ShortcutTable::~ShortcutTable()
{
    if (m_table)
        DestroyAcceleratorTable(m_table);
}

bool ShortcutTable::note(std::size_t order, const std::string& keys)
{
    std::optional<ui::Shortcut> shortcut = ui::Shortcut::parse(keys);
    if (m_shortcuts[order] == shortcut)
        return false;
    m_shortcuts[order] = shortcut;
    return true;
}

// A control's key runs it from anywhere in its window, the same way a
// click does, and only while the control is usable.
void ShortcutTable::rebuild()
{
    if (m_table)
        DestroyAcceleratorTable(m_table);
    m_table = nullptr;
    std::vector<ACCEL> table;
    for (std::size_t order = 0; order < m_shortcuts.size(); ++order) {
        if (m_shortcuts[order])
            table.push_back(Accelerators::of(*m_shortcuts[order], WORD(ControlIds::forOrder(order))));
    }
    if (!table.empty())
        m_table = CreateAcceleratorTableW(table.data(), int(table.size()));
}

bool ShortcutTable::translate(HWND host, MSG& message) const
{
    return m_table && TranslateAcceleratorW(host, m_table, &message);
}

}
