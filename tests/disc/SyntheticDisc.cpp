#include "SyntheticDisc.h"

#include "disc/DiscReader.h"
#include "disc/IfoWriter.h"

#include <cstring>

namespace trevalo::testing {

using namespace disc;

Pgc syntheticPgc(std::vector<Command> pre, std::vector<Command> post, int cells, std::vector<Command> cell_commands)
{
    Pgc pgc;
    pgc.playback_time = { 0x00, 0x00, 0x01, 0x40 };
    if (!pre.empty() || !post.empty() || !cell_commands.empty())
        pgc.commands = CommandTable { std::move(pre), std::move(post), std::move(cell_commands), 0 };
    for (int c = 0; c < cells; ++c) {
        Cell cell;
        cell.first_sector = static_cast<std::uint32_t>(c * 10);
        cell.last_vobu_start_sector = cell.first_sector + 5;
        cell.last_sector = cell.first_sector + 9;
        cell.playback_time = { 0x00, 0x00, 0x01, 0x40 };
        cell.vob_id = 1;
        cell.cell_id = static_cast<std::uint8_t>(c + 1);
        pgc.cells.push_back(cell);
    }
    if (cells > 0)
        pgc.programs.push_back(1);
    return pgc;
}

namespace {

std::uint32_t roundUp(std::uint32_t value)
{
    return (value + sector_size - 1) / sector_size * sector_size;
}

// Places the PGC at `at`: header, command table, program map, cells.
std::uint32_t placePgc(Pgc& pgc, std::uint32_t at)
{
    pgc.offset = at;
    std::uint32_t next = pgc_header_size;
    if (pgc.commands) {
        pgc.command_table_offset = static_cast<std::uint16_t>(next);
        const auto count = pgc.commands->pre.size() + pgc.commands->post.size() + pgc.commands->cell.size();
        pgc.commands->last_byte = static_cast<std::uint16_t>(command_table_header_size + 8 * count - 1);
        next += pgc.commands->last_byte + 1;
    }
    if (!pgc.programs.empty()) {
        pgc.program_map_offset = static_cast<std::uint16_t>(next);
        next += static_cast<std::uint32_t>((pgc.programs.size() + 1) / 2 * 2);
    }
    if (!pgc.cells.empty()) {
        pgc.cell_playback_offset = static_cast<std::uint16_t>(next);
        next += cell_playback_size * static_cast<std::uint32_t>(pgc.cells.size());
        pgc.cell_position_offset = static_cast<std::uint16_t>(next);
        next += cell_position_size * static_cast<std::uint32_t>(pgc.cells.size());
    }
    return at + next;
}

std::uint32_t placeTable(InfoFile& file, PgcTable& table, std::uint32_t at)
{
    table.offset = at;
    std::uint32_t next = at + 8 + 8 * static_cast<std::uint32_t>(table.pointers.size());
    for (const PgcPointer& pointer : table.pointers)
        next = placePgc(file.pgcs[pointer.pgc], next);
    table.last_byte = next - at - 1;
    return next;
}

}

void layOut(InfoFile& file)
{
    const bool manager = file.kind == FileKind::VideoManager;
    std::uint32_t at = manager ? 0x400 : 0x3D8;
    if (manager && file.first_play)
        at = placePgc(file.pgcs[*file.first_play], at);
    file.table_last_byte = at - 1;
    at = roundUp(at);
    if (file.titles) {
        file.titles->offset = at;
        file.titles->last_byte = 8 + 12 * static_cast<std::uint32_t>(file.titles->titles.size()) - 1;
        at = roundUp(at + file.titles->last_byte + 1);
    }
    if (file.chapters) {
        ChapterTable& chapters = *file.chapters;
        chapters.offset = at;
        chapters.starts.clear();
        std::uint32_t next = 8 + 4 * static_cast<std::uint32_t>(chapters.titles.size());
        for (const auto& title : chapters.titles) {
            chapters.starts.push_back(next);
            next += 4 * static_cast<std::uint32_t>(title.size());
        }
        chapters.last_byte = next - 1;
        at = roundUp(at + next);
    }
    if (file.title_pgcs)
        at = roundUp(placeTable(file, file.pgc_tables[*file.title_pgcs], at));
    if (file.menus) {
        MenuUnits& units = *file.menus;
        units.offset = at;
        std::uint32_t next = at + 8 + 8 * static_cast<std::uint32_t>(units.units.size());
        for (LanguageUnit& unit : units.units)
            next = placeTable(file, file.pgc_tables[unit.table], next);
        units.last_byte = next - at - 1;
        at = roundUp(next);
    }
    // One sector of nothing stands in for the tables a player needs but the
    // model keeps whole, so their sectors are real.
    file.sectors.menu_cell_addresses = at / sector_size;
    at += sector_size;
    file.ifo_last_sector = at / sector_size - 1;
    file.last_sector = 2 * (file.ifo_last_sector + 1) - 1;
    file.bytes.assign(at, 0);
    std::memcpy(file.bytes.data(), manager ? "DVDVIDEO-VMG" : "DVDVIDEO-VTS", 12);
    file.name = infoFileStem(file.title_set) + ".IFO";
    file.menu_streams.audio.resize(1);
    file.menu_streams.subpictures.resize(1);
    if (!manager) {
        file.title_streams.audio.resize(8);
        file.title_streams.subpictures.resize(32);
    }
}

MemoryFiles writtenFiles(const Disc& disc)
{
    MemoryFiles files;
    std::vector<const InfoFile*> all { &disc.manager };
    for (const InfoFile& set : disc.title_sets)
        all.push_back(&set);
    for (const InfoFile* file : all) {
        const InfoFileWrite written = writeInfoFile(*file);
        const std::string stem = infoFileStem(file->title_set);
        files.files[stem + ".IFO"] = written.bytes;
        files.files[stem + ".BUP"] = written.bytes;
    }
    return files;
}

namespace {

Command jumpRoot(int vts)
{
    return { 0x30, 0x06, 0x00, 0x01, static_cast<std::uint8_t>(vts), 0x83, 0x00, 0x00 };
}

Command linkPgcn(int pgc)
{
    return { 0x20, 0x04, 0x00, 0x00, 0x00, 0x00, static_cast<std::uint8_t>(pgc >> 8), static_cast<std::uint8_t>(pgc) };
}

Command setGprm(int gprm, int value)
{
    return { 0x71, 0x00, 0x00, static_cast<std::uint8_t>(gprm), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value), 0x00, 0x00 };
}

std::size_t addTable(InfoFile& file, const std::vector<Pgc>& pgcs, std::uint8_t first_entry)
{
    PgcTable table;
    for (std::size_t i = 0; i < pgcs.size(); ++i) {
        file.pgcs.push_back(pgcs[i]);
        table.pointers.push_back({ static_cast<std::uint8_t>(i == 0 ? first_entry : 0), 0, 0, file.pgcs.size() - 1 });
    }
    file.pgc_tables.push_back(std::move(table));
    return file.pgc_tables.size() - 1;
}

}

Disc syntheticDisc(const DiscShape& shape)
{
    Disc disc;
    disc.folder = "synthetic";
    InfoFile& manager = disc.manager;
    manager.kind = FileKind::VideoManager;
    manager.title_set_count = static_cast<std::uint16_t>(shape.title_sets);
    manager.pgcs.push_back(syntheticPgc({ setGprm(1, 1), jumpRoot(1) }, {}, 0));
    manager.first_play = 0;
    manager.menus = MenuUnits {};
    for (int u = 0; u < shape.language_units; ++u) {
        const Command play_title { 0x30, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00 };
        const std::size_t table = addTable(manager, { syntheticPgc({ setGprm(2, u), play_title }) }, 0x82);
        manager.menus->units.push_back({ static_cast<std::uint16_t>('e' << 8 | ('n' + u)), 0, 0x80, table });
    }
    manager.titles = TitleTable {};
    for (int s = 1; s <= shape.title_sets; ++s) {
        InfoFile set;
        set.kind = FileKind::TitleSet;
        set.title_set = s;
        set.menus = MenuUnits {};
        for (int u = 0; u < shape.language_units; ++u) {
            std::vector<Pgc> menus;
            for (int m = 1; m <= shape.menus_per_unit; ++m) {
                std::vector<Command> pre(static_cast<std::size_t>(std::max(shape.commands_per_pgc - 1, 0)), setGprm(3, m));
                pre.push_back(m < shape.menus_per_unit ? linkPgcn(m + 1)
                                                       : Command { 0x30, 0x03, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00 });
                menus.push_back(syntheticPgc(std::move(pre), {}, shape.cells_per_pgc));
            }
            const std::size_t table = addTable(set, menus, 0x83);
            set.menus->units.push_back({ static_cast<std::uint16_t>('e' << 8 | ('n' + u)), 0, 0x80, table });
        }
        std::vector<Pgc> titles;
        set.chapters = ChapterTable {};
        for (int t = 1; t <= shape.titles_per_set; ++t) {
            const Command call_title_menu { 0x30, 0x08, 0x00, 0x00, 0x01, 0x42, 0x00, 0x00 };
            titles.push_back(syntheticPgc({ setGprm(4, t) }, { call_title_menu }, shape.cells_per_pgc));
            set.chapters->titles.push_back({ { static_cast<std::uint16_t>(t), 1 } });
            manager.titles->titles.push_back({ 0, 1, 1, 0, static_cast<std::uint8_t>(s), static_cast<std::uint8_t>(t), 0 });
        }
        set.title_pgcs = addTable(set, titles, 0x81);
        for (std::size_t t = 0; t < set.pgc_tables[*set.title_pgcs].pointers.size(); ++t)
            set.pgc_tables[*set.title_pgcs].pointers[t].entry = static_cast<std::uint8_t>(0x80 | (t + 1));
        layOut(set);
        disc.title_sets.push_back(std::move(set));
    }
    layOut(manager);
    std::uint32_t start = manager.last_sector + 1;
    for (InfoFile& set : disc.title_sets) {
        for (Title& title : manager.titles->titles) {
            if (title.title_set == set.title_set)
                title.title_set_sector = start;
        }
        start += set.last_sector + 1;
    }
    return disc;
}

}
