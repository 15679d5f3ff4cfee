#include "disc/PreCommandInsert.h"

#include "disc/IfoReader.h"
#include "disc/IfoWriter.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace trevalo::disc {

namespace {

// Where the insert puts its bytes and how far it moves what follows.
struct Growth {
    std::uint32_t point = 0; // the insertion point
    std::uint32_t inserted = 0; // bytes put in at the point
    std::uint32_t region_end = 0; // the end of the sectors of the table holding the point
    std::uint32_t sectors = 0; // bytes the table's sectors grew by, a whole number of sectors

    std::uint64_t map(std::uint64_t position) const
    {
        if (position < point)
            return position;
        if (position < region_end)
            return position + inserted;
        return position + sectors;
    }
    // A table's last byte, relative to base, mapped by the byte after it:
    // a table the insert lands at the very end of grows by the insert.
    template<typename Offset>
    bool mapLastByte(std::uint64_t base, Offset& last_byte) const
    {
        const std::uint64_t moved = map(base + last_byte + 1) - map(base) - 1;
        if (moved > static_cast<Offset>(~Offset {}))
            return false;
        last_byte = static_cast<Offset>(moved);
        return true;
    }
    // An offset relative to base, mapped.
    template<typename Offset>
    bool mapRelative(std::uint64_t base, Offset& offset) const
    {
        const std::uint64_t moved = map(base + offset) - map(base);
        if (moved > static_cast<Offset>(~Offset {}))
            return false;
        offset = static_cast<Offset>(moved);
        return true;
    }
};

std::uint64_t pgcEnd(const Pgc& pgc)
{
    std::uint64_t end = std::uint64_t { pgc.offset } + pgc_header_size;
    if (pgc.commands && pgc.command_table_offset != 0)
        end = std::max(end, std::uint64_t { pgc.offset } + pgc.command_table_offset + pgc.commands->last_byte + 1);
    if (pgc.program_map_offset != 0)
        end = std::max(end, std::uint64_t { pgc.offset } + pgc.program_map_offset + pgc.programs.size());
    if (pgc.cell_playback_offset != 0)
        end = std::max(end, std::uint64_t { pgc.offset } + pgc.cell_playback_offset + cell_playback_size * pgc.cells.size());
    if (pgc.cell_position_offset != 0)
        end = std::max(end, std::uint64_t { pgc.offset } + pgc.cell_position_offset + cell_position_size * pgc.cells.size());
    return end;
}

bool isLineCommand(const Command& command)
{
    // The special group (type 0): Goto (1) and SetTmpPML (3) name a line.
    const int kind = command[1] & 0x0F;
    return (command[0] & 0xE0) == 0 && (kind == 1 || kind == 3);
}

// The sector-aligned table starts of the file, its end included.
std::set<std::uint64_t> regionStarts(const InfoFile& file)
{
    std::set<std::uint64_t> starts { 0, file.bytes.size() };
    const auto add = [&](std::uint64_t offset) {
        if (offset != 0 && offset < file.bytes.size())
            starts.insert(offset);
    };
    if (file.titles)
        add(file.titles->offset);
    if (file.chapters)
        add(file.chapters->offset);
    if (file.title_pgcs)
        add(file.pgc_tables.at(*file.title_pgcs).offset);
    if (file.menus)
        add(file.menus->offset);
    const TableSectors& s = file.sectors;
    for (std::uint32_t sector : { s.parental, s.set_attributes, s.text_data, s.time_maps, s.menu_cell_addresses,
             s.menu_vobu_addresses, s.title_cell_addresses, s.title_vobu_addresses })
        add(std::uint64_t { sector } * sector_size);
    return starts;
}

// The end of what the model holds between start and end.
std::uint64_t usedEnd(const InfoFile& file, std::uint64_t start, std::uint64_t end)
{
    std::uint64_t used = start;
    const auto cover = [&](std::uint64_t from, std::uint64_t to) {
        if (from >= start && from < end)
            used = std::max(used, to);
    };
    cover(0, std::uint64_t { file.table_last_byte } + 1);
    if (file.titles)
        cover(file.titles->offset, std::uint64_t { file.titles->offset } + file.titles->last_byte + 1);
    if (file.chapters)
        cover(file.chapters->offset, std::uint64_t { file.chapters->offset } + file.chapters->last_byte + 1);
    if (file.menus)
        cover(file.menus->offset, std::uint64_t { file.menus->offset } + file.menus->last_byte + 1);
    for (const PgcTable& table : file.pgc_tables)
        cover(table.offset, std::uint64_t { table.offset } + table.last_byte + 1);
    for (const Pgc& pgc : file.pgcs)
        cover(pgc.offset, pgcEnd(pgc));
    return used;
}

std::string placeName(const Disc& disc, const PgcAddress& address, const InfoFile& file)
{
    return file.name + ": " + describe(disc, address);
}

}

std::string insertPreCommands(Disc& disc, const PgcAddress& address, std::span<const Command> commands)
{
    InfoFile* original = infoFileOf(disc, address);
    const std::optional<std::size_t> index = pgcIndex(disc, address);
    if (!original || !index)
        return "The disc has no " + describe(disc, address);
    if (commands.empty())
        return {};
    const std::string where = placeName(disc, address, *original);
    InfoFile file = *original;
    Pgc& target = file.pgcs[*index];

    const std::size_t held = target.commands
        ? target.commands->pre.size() + target.commands->post.size() + target.commands->cell.size()
        : 0;
    if (held + commands.size() > most_pgc_commands) {
        return where + " would hold " + std::to_string(held + commands.size()) + " commands; a PGC holds at most "
            + std::to_string(most_pgc_commands);
    }
    const std::uint32_t added = static_cast<std::uint32_t>(commands.size());
    std::vector<Command> moved_pre = target.commands ? target.commands->pre : std::vector<Command> {};
    for (std::size_t line = 0; line < moved_pre.size(); ++line) {
        Command& command = moved_pre[line];
        if (!isLineCommand(command) || command[7] == 0)
            continue;
        if (command[7] + added > 255) {
            return where + ": pre command " + std::to_string(line + 1) + " names line " + std::to_string(command[7])
                + ", which would become line " + std::to_string(command[7] + added) + "; a line number ends at 255";
        }
        command[7] = static_cast<std::uint8_t>(command[7] + added);
    }

    Growth growth;
    const bool new_table = !target.commands || target.command_table_offset == 0;
    growth.inserted = added * 8 + (new_table ? command_table_header_size : 0);
    growth.point = new_table ? target.offset + pgc_header_size
                             : target.offset + target.command_table_offset + command_table_header_size;
    const std::set<std::uint64_t> starts = regionStarts(file);
    const std::uint64_t region_start = *std::prev(starts.upper_bound(growth.point));
    const auto next = starts.upper_bound(growth.point);
    const std::uint64_t region_end = next == starts.end() ? file.bytes.size() : *next;
    const std::uint64_t used = usedEnd(file, region_start, region_end);
    if (used > region_end || growth.point > used) {
        return where + ": its table runs past the sectors the management table gives it, so the file cannot be grown safely";
    }
    // Only the tables that hold the PGC may span the insertion point: a
    // table split by it, or a command table another PGC shares, would come
    // out of the insert changed or torn.
    const auto straddles = [&](std::uint64_t start, std::uint64_t end) { return start < growth.point && growth.point < end; };
    const auto pgcParts = [&](const Pgc& pgc, bool with_commands) {
        const std::uint64_t at = pgc.offset;
        std::vector<std::pair<std::uint64_t, std::uint64_t>> parts;
        if (pgc.commands && pgc.command_table_offset != 0 && with_commands)
            parts.emplace_back(at + pgc.command_table_offset, at + pgc.command_table_offset + pgc.commands->last_byte + 1);
        if (pgc.program_map_offset != 0)
            parts.emplace_back(at + pgc.program_map_offset, at + pgc.program_map_offset + pgc.programs.size());
        if (pgc.cell_playback_offset != 0)
            parts.emplace_back(at + pgc.cell_playback_offset, at + pgc.cell_playback_offset + cell_playback_size * pgc.cells.size());
        if (pgc.cell_position_offset != 0)
            parts.emplace_back(at + pgc.cell_position_offset, at + pgc.cell_position_offset + cell_position_size * pgc.cells.size());
        parts.emplace_back(at, at + pgc_header_size);
        return parts;
    };
    // The management table's fields end well before its last byte, which in
    // a video manager covers the First Play PGC as well.
    const std::uint64_t management_fields = file.kind == FileKind::VideoManager ? 0x200 : 0x3D8;
    bool torn = straddles(0, management_fields)
        || (file.titles && straddles(file.titles->offset, std::uint64_t { file.titles->offset } + file.titles->last_byte + 1))
        || (file.chapters && straddles(file.chapters->offset, std::uint64_t { file.chapters->offset } + file.chapters->last_byte + 1));
    // The tables that hold PGCs may hold the point in their bodies, not in
    // their lists of pointers.
    if (file.menus)
        torn |= straddles(file.menus->offset, std::uint64_t { file.menus->offset } + 8 + 8 * file.menus->units.size());
    for (const PgcTable& table : file.pgc_tables)
        torn |= straddles(table.offset, std::uint64_t { table.offset } + 8 + 8 * table.pointers.size());
    for (std::size_t p = 0; p < file.pgcs.size() && !torn; ++p) {
        const bool is_target = p == *index;
        if (!is_target && straddles(file.pgcs[p].offset, pgcEnd(file.pgcs[p])))
            torn = true;
        for (const auto& [start, end] : pgcParts(file.pgcs[p], !is_target))
            torn |= straddles(start, end);
    }
    if (torn) {
        char offset[16];
        std::snprintf(offset, sizeof offset, "0x%X", growth.point);
        return where + ": another table of the file overlaps the place the commands go (offset " + offset
            + "), so the file cannot be grown safely";
    }
    const std::uint64_t region = region_end - region_start;
    const std::uint64_t needed = (used + growth.inserted - region_start + sector_size - 1) / sector_size * sector_size;
    growth.region_end = static_cast<std::uint32_t>(region_end);
    growth.sectors = static_cast<std::uint32_t>(needed > region ? needed - region : 0);

    // The bytes: the insert, then what followed it in the table, then the
    // table's padding refilled, then the rest of the file.
    std::vector<std::uint8_t> bytes;
    bytes.reserve(file.bytes.size() + growth.sectors);
    bytes.insert(bytes.end(), file.bytes.begin(), file.bytes.begin() + growth.point);
    bytes.insert(bytes.end(), growth.inserted, 0);
    bytes.insert(bytes.end(), file.bytes.begin() + growth.point, file.bytes.begin() + static_cast<std::ptrdiff_t>(used));
    bytes.resize(static_cast<std::size_t>(region_start + std::max(region, needed)), 0);
    bytes.insert(bytes.end(), file.bytes.begin() + static_cast<std::ptrdiff_t>(region_end), file.bytes.end());

    // Every offset of the model through the one rule.
    bool fits = true;
    const auto mapAbsolute = [&](std::uint32_t& offset) { offset = static_cast<std::uint32_t>(growth.map(offset)); };
    const auto mapSector = [&](std::uint32_t& sector) {
        if (sector != 0)
            sector = static_cast<std::uint32_t>(growth.map(std::uint64_t { sector } * sector_size) / sector_size);
    };
    fits &= growth.mapLastByte(0, file.table_last_byte);
    if (file.titles) {
        fits &= growth.mapLastByte(file.titles->offset, file.titles->last_byte);
        mapAbsolute(file.titles->offset);
    }
    if (file.chapters) {
        ChapterTable& chapters = *file.chapters;
        for (std::uint32_t& start : chapters.starts)
            fits &= growth.mapRelative(chapters.offset, start);
        fits &= growth.mapLastByte(chapters.offset, chapters.last_byte);
        mapAbsolute(chapters.offset);
    }
    if (file.menus) {
        fits &= growth.mapLastByte(file.menus->offset, file.menus->last_byte);
        mapAbsolute(file.menus->offset);
    }
    for (PgcTable& table : file.pgc_tables) {
        fits &= growth.mapLastByte(table.offset, table.last_byte);
        mapAbsolute(table.offset);
    }
    for (Pgc& pgc : file.pgcs) {
        if (pgc.commands && pgc.command_table_offset != 0)
            fits &= growth.mapLastByte(std::uint64_t { pgc.offset } + pgc.command_table_offset, pgc.commands->last_byte);
        for (std::uint16_t* offset :
            { &pgc.command_table_offset, &pgc.program_map_offset, &pgc.cell_playback_offset, &pgc.cell_position_offset }) {
            if (*offset != 0)
                fits &= growth.mapRelative(pgc.offset, *offset);
        }
        mapAbsolute(pgc.offset);
    }
    TableSectors& s = file.sectors;
    for (std::uint32_t* sector : { &s.menu_vobs, &s.title_vobs, &s.parental, &s.set_attributes, &s.text_data,
             &s.time_maps, &s.menu_cell_addresses, &s.menu_vobu_addresses, &s.title_cell_addresses,
             &s.title_vobu_addresses })
        mapSector(*sector);
    const std::uint32_t grown_sectors = growth.sectors / sector_size;
    // The IFO grows, and so does its BUP, which lies after the VOBS.
    file.ifo_last_sector += grown_sectors;
    file.last_sector += 2 * grown_sectors;

    if (new_table) {
        target.commands = CommandTable {};
        target.command_table_offset = static_cast<std::uint16_t>(pgc_header_size);
        target.commands->last_byte = static_cast<std::uint16_t>(command_table_header_size - 1 + added * 8);
    }
    if (!fits)
        return where + " would outgrow the 64 KiB a PGC's offsets can reach";
    target.commands->pre.assign(commands.begin(), commands.end());
    target.commands->pre.insert(target.commands->pre.end(), moved_pre.begin(), moved_pre.end());
    file.bytes = std::move(bytes);

    // The grown file must read back as exactly this model: a layout the
    // rule above cannot keep (tables spanning each other in ways no
    // authoring tool writes) shows here, and is refused rather than written.
    const InfoFileWrite written = writeInfoFile(file);
    InfoFileRead reread = written.error.empty()
        ? readInfoFile(file.name, written.bytes, file.kind, file.title_set)
        : InfoFileRead { std::nullopt, written.error };
    if (reread.file) {
        for (std::size_t p = 0; p < reread.file->pgcs.size() && p < file.pgcs.size(); ++p) {
            for (std::size_t c = 0; c < reread.file->pgcs[p].cells.size() && c < file.pgcs[p].cells.size(); ++c)
                reread.file->pgcs[p].cells[c].highlight = file.pgcs[p].cells[c].highlight;
        }
    }
    file.bytes = written.bytes;
    if (!reread.file || *reread.file != file)
        return where + ": the file's tables are laid out in a way the insert cannot keep, so it cannot be grown safely";

    *original = std::move(file);
    if (grown_sectors != 0 && disc.manager.titles) {
        // Title sets after the grown file start later on the disc, by the
        // growth of its IFO and its BUP.
        for (Title& title : disc.manager.titles->titles) {
            if (title.title_set > address.title_set)
                title.title_set_sector += 2 * grown_sectors;
        }
    }
    return {};
}

}
