#include "vm/DiscProgram.h"

#include "core/CommandDecoder.h"

namespace trevalo::vm {

namespace {

std::vector<core::Command> decoded(const std::vector<disc::Command>& commands)
{
    std::vector<core::Command> typed;
    typed.reserve(commands.size());
    for (const disc::Command& command : commands)
        typed.push_back(core::decode(command));
    return typed;
}

std::vector<PgcCode> decodedFile(const disc::InfoFile& file)
{
    std::vector<PgcCode> pool;
    pool.reserve(file.pgcs.size());
    for (const disc::Pgc& pgc : file.pgcs) {
        PgcCode code;
        if (pgc.commands) {
            code.pre = decoded(pgc.commands->pre);
            code.post = decoded(pgc.commands->post);
            code.cell = decoded(pgc.commands->cell);
        }
        code.buttons.resize(pgc.cells.size());
        for (std::size_t c = 0; c < pgc.cells.size(); ++c) {
            if (!pgc.cells[c].highlight)
                continue;
            for (const disc::Button& button : pgc.cells[c].highlight->buttons)
                code.buttons[c].push_back(core::decode(button.command));
        }
        pool.push_back(std::move(code));
    }
    return pool;
}

}

DiscProgram::DiscProgram(const disc::Disc& disc)
    : m_disc(&disc)
{
    m_code.push_back(decodedFile(disc.manager));
    for (const disc::InfoFile& set : disc.title_sets)
        m_code.push_back(decodedFile(set));
}

const disc::InfoFile* DiscProgram::file(int title_set) const
{
    if (title_set == 0)
        return &m_disc->manager;
    if (title_set < 0 || static_cast<std::size_t>(title_set) > m_disc->title_sets.size())
        return nullptr;
    return &m_disc->title_sets[static_cast<std::size_t>(title_set) - 1];
}

const disc::Command* DiscProgram::bytes(const disc::PgcAddress& address, disc::CommandPlace place, int number, int cell) const
{
    const disc::Pgc* pgc = disc::findPgc(*m_disc, address);
    if (!pgc || number < 1)
        return nullptr;
    const auto at = [number](const std::vector<disc::Command>& list) -> const disc::Command* {
        return static_cast<std::size_t>(number) <= list.size() ? &list[static_cast<std::size_t>(number) - 1] : nullptr;
    };
    switch (place) {
    case disc::CommandPlace::Pre:
        return pgc->commands ? at(pgc->commands->pre) : nullptr;
    case disc::CommandPlace::Post:
        return pgc->commands ? at(pgc->commands->post) : nullptr;
    case disc::CommandPlace::Cell:
        return pgc->commands ? at(pgc->commands->cell) : nullptr;
    case disc::CommandPlace::Button:
        if (cell < 1 || static_cast<std::size_t>(cell) > pgc->cells.size() || !pgc->cells[static_cast<std::size_t>(cell) - 1].highlight)
            return nullptr;
        {
            const auto& buttons = pgc->cells[static_cast<std::size_t>(cell) - 1].highlight->buttons;
            return static_cast<std::size_t>(number) <= buttons.size() ? &buttons[static_cast<std::size_t>(number) - 1].command : nullptr;
        }
    }
    return nullptr;
}

}
