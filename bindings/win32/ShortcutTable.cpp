#include "bindings/win32/ShortcutTable.h"

#include "bindings/win32/Accelerators.h"
#include "bindings/win32/ControlIds.h"

#include <optional>

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
    if (m_shortcuts[order] == keys)
        return false;
    m_shortcuts[order] = keys;
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
        if (m_shortcuts[order].empty())
            continue;
        if (std::optional<ACCEL> accel = Accelerators::parse(m_shortcuts[order], WORD(ControlIds::forOrder(order))))
            table.push_back(*accel);
    }
    if (!table.empty())
        m_table = CreateAcceleratorTableW(table.data(), int(table.size()));
}

bool ShortcutTable::translate(HWND host, MSG& message) const
{
    return m_table && TranslateAcceleratorW(host, m_table, &message);
}

}
