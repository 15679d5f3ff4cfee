#include "core/CheckMemo.h"

namespace trevalo::core {

bool CheckMemo::ImportInput::operator==(const CheckInput& input) const
{
    return all_registers == input.all_registers && guard_register == input.guard_register && marker == input.marker
        && imported == input.imported;
}

bool CheckMemo::ComposedInput::operator==(const CheckInput& input) const
{
    if (menu_block != input.menu_block || domain != input.domain || blocks.size() != input.blocks.size())
        return false;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (blocks[i].first != input.blocks[i].name || blocks[i].second != input.blocks[i].text)
            return false;
    }
    return true;
}

const std::vector<Finding>& CheckMemo::findings(const CheckInput& input)
{
    bool changed = false;
    if (!m_import_input || !(*m_import_input == input)) {
        m_import_findings = checkImport(input);
        m_import_input = ImportInput { std::string(input.imported), input.all_registers, input.guard_register, input.marker };
        changed = true;
    }
    if (!m_composed_input || !(*m_composed_input == input)) {
        m_composed_findings = checkComposed(input);
        ComposedInput kept { std::string(input.domain), {}, input.menu_block };
        for (const NamedBlock& block : input.blocks)
            kept.blocks.emplace_back(block.name, block.text);
        m_composed_input = std::move(kept);
        changed = true;
    }
    if (changed)
        m_findings = mergeFindings(m_import_findings, m_composed_findings);
    return m_findings;
}

}
