#include "TinyDisc.h"

#include "vm/BraceHex.h"

#include <stdexcept>

namespace trevalo::testing {

namespace {

disc::Pgc pgcOf(int cells)
{
    disc::Pgc pgc;
    for (int c = 0; c < cells; ++c) {
        disc::Cell cell;
        cell.playback_time = { 0x00, 0x00, 0x01, 0x40 }; // 1 s at 25 frames a second
        pgc.cells.push_back(cell);
        pgc.programs.push_back(static_cast<std::uint8_t>(c + 1));
    }
    return pgc;
}

std::vector<disc::Command> commandsOf(std::string_view text)
{
    const vm::ParsedBlock parsed = vm::parseBlock(text);
    if (!parsed.error.empty())
        throw std::invalid_argument(parsed.error);
    return { parsed.commands.begin(), parsed.commands.end() };
}

std::size_t addTable(disc::InfoFile& file, int count, int cells, std::uint8_t first_entry)
{
    disc::PgcTable table;
    for (int n = 0; n < count; ++n) {
        file.pgcs.push_back(pgcOf(cells));
        table.pointers.push_back({ static_cast<std::uint8_t>(n == 0 ? first_entry : 0), 0, 0, file.pgcs.size() - 1 });
    }
    file.pgc_tables.push_back(table);
    return file.pgc_tables.size() - 1;
}

}

TinyDisc::TinyDisc(int vmgm_pgcs, int vtsm_pgcs, int titles, int cells)
{
    disc.folder = "tiny";
    disc::InfoFile& manager = disc.manager;
    manager.pgcs.push_back(pgcOf(0));
    manager.first_play = 0;
    manager.menus = disc::MenuUnits {};
    manager.menus->units.push_back({ 'e' << 8 | 'n', 0, 0x80, addTable(manager, vmgm_pgcs, 1, 0x82) });
    manager.titles = disc::TitleTable {};

    disc::InfoFile set;
    set.kind = disc::FileKind::TitleSet;
    set.title_set = 1;
    set.menus = disc::MenuUnits {};
    set.menus->units.push_back({ 'e' << 8 | 'n', 0, 0x80, addTable(set, vtsm_pgcs, 1, 0x83) });
    set.title_pgcs = addTable(set, titles, cells, 0x81);
    set.chapters = disc::ChapterTable {};
    for (int t = 1; t <= titles; ++t) {
        set.pgc_tables[*set.title_pgcs].pointers[static_cast<std::size_t>(t) - 1].entry = static_cast<std::uint8_t>(0x80 | t);
        std::vector<disc::Chapter> chapters;
        for (int c = 1; c <= cells; ++c)
            chapters.push_back({ static_cast<std::uint16_t>(t), static_cast<std::uint16_t>(c) });
        set.chapters->titles.push_back(chapters);
        manager.titles->titles.push_back({ 0, 1, static_cast<std::uint16_t>(cells), 0, 1, static_cast<std::uint8_t>(t), 0 });
    }
    disc.title_sets.push_back(std::move(set));
}

disc::Pgc& TinyDisc::pgc(const disc::PgcAddress& address)
{
    const std::optional<std::size_t> index = disc::pgcIndex(disc, address);
    if (!index)
        throw std::invalid_argument("no " + disc::describe(disc, address));
    return disc::infoFileOf(disc, address)->pgcs[*index];
}

void TinyDisc::pre(const disc::PgcAddress& address, std::string_view commands)
{
    disc::Pgc& target = pgc(address);
    if (!target.commands)
        target.commands = disc::CommandTable {};
    target.commands->pre = commandsOf(commands);
}

void TinyDisc::post(const disc::PgcAddress& address, std::string_view commands)
{
    disc::Pgc& target = pgc(address);
    if (!target.commands)
        target.commands = disc::CommandTable {};
    target.commands->post = commandsOf(commands);
}

void TinyDisc::cellCommand(const disc::PgcAddress& address, int cell, std::string_view command)
{
    disc::Pgc& target = pgc(address);
    if (!target.commands)
        target.commands = disc::CommandTable {};
    for (const disc::Command& bytes : commandsOf(command))
        target.commands->cell.push_back(bytes);
    target.cells.at(static_cast<std::size_t>(cell) - 1).command_number = static_cast<std::uint8_t>(target.commands->cell.size());
}

void TinyDisc::buttons(const disc::PgcAddress& address, int cell, std::string_view commands)
{
    disc::Cell& target = pgc(address).cells.at(static_cast<std::size_t>(cell) - 1);
    target.still_time = 255;
    disc::Highlight highlight;
    highlight.status = 1;
    int number = 0;
    for (const disc::Command& bytes : commandsOf(commands)) {
        disc::Button button;
        button.number = ++number;
        button.command = bytes;
        highlight.buttons.push_back(button);
    }
    target.highlight = highlight;
}

void TinyDisc::addTitleSetUnit(std::string_view language)
{
    disc::InfoFile& set = disc.title_sets[0];
    const int count = static_cast<int>(set.pgc_tables[set.menus->units[0].table].pointers.size());
    set.menus->units.push_back({ static_cast<std::uint16_t>(language[0] << 8 | language[1]), 0, 0x80, addTable(set, count, 1, 0x83) });
}

}
