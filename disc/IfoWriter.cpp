#include "disc/IfoWriter.h"

#include "disc/ByteSpan.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace trevalo::disc {

namespace {

struct Misplaced {
    std::string what;
    std::uint64_t offset;
};

class Writer {
public:
    explicit Writer(const InfoFile& file)
        : m_file(file)
        , m_bytes(file.bytes)
    {
    }

    InfoFileWrite run()
    {
        writeManagementTable();
        if (m_file.titles)
            writeTitleTable(*m_file.titles);
        if (m_file.chapters)
            writeChapterTable(*m_file.chapters);
        for (const PgcTable& table : m_file.pgc_tables)
            writePgcTable(table);
        if (m_file.menus)
            writeMenuUnits(*m_file.menus);
        for (const Pgc& pgc : m_file.pgcs)
            writePgc(pgc);
        std::sort(m_written.begin(), m_written.end(),
            [](const Extent& a, const Extent& b) { return a.offset < b.offset; });
        std::vector<Extent> joined;
        for (const Extent& extent : m_written) {
            if (!joined.empty() && joined.back().offset + joined.back().length >= extent.offset) {
                const std::uint32_t end = std::max(joined.back().offset + joined.back().length, extent.offset + extent.length);
                joined.back().length = end - joined.back().offset;
            } else {
                joined.push_back(extent);
            }
        }
        return { std::move(m_bytes), {}, std::move(joined) };
    }

private:
    std::uint8_t* at(std::uint64_t offset, std::uint32_t length, const char* what)
    {
        if (offset > m_bytes.size() || length > m_bytes.size() - offset)
            throw Misplaced { what, offset };
        m_written.push_back({ static_cast<std::uint32_t>(offset), length });
        return m_bytes.data() + offset;
    }
    void put8(std::uint64_t offset, std::uint8_t value, const char* what) { *at(offset, 1, what) = value; }
    void put16(std::uint64_t offset, std::uint16_t value, const char* what) { disc::put16(at(offset, 2, what), value); }
    void put32(std::uint64_t offset, std::uint32_t value, const char* what) { disc::put32(at(offset, 4, what), value); }
    template<typename Array>
    void putArray(std::uint64_t offset, const Array& value, const char* what)
    {
        std::copy(value.begin(), value.end(), at(offset, static_cast<std::uint32_t>(value.size()), what));
    }

    void writeManagementTable()
    {
        const char* what = "the management table";
        const bool manager = m_file.kind == FileKind::VideoManager;
        const TableSectors& s = m_file.sectors;
        put32(0x0C, m_file.last_sector, what);
        put32(0x1C, m_file.ifo_last_sector, what);
        put32(0x80, m_file.table_last_byte, what);
        if (manager)
            put16(0x3E, m_file.title_set_count, what);
        const auto sectorOf = [](const auto& table) -> std::uint32_t {
            return table ? table->offset / sector_size : 0;
        };
        if (manager) {
            put32(0x84, m_file.first_play ? m_file.pgcs.at(*m_file.first_play).offset : 0, what);
            const std::uint32_t fields[] = { s.menu_vobs, sectorOf(m_file.titles), sectorOf(m_file.menus), s.parental,
                s.set_attributes, s.text_data, s.menu_cell_addresses, s.menu_vobu_addresses };
            for (std::size_t i = 0; i < std::size(fields); ++i)
                put32(0xC0 + 4 * i, fields[i], what);
        } else {
            const std::uint32_t title_pgcs = m_file.title_pgcs ? m_file.pgc_tables.at(*m_file.title_pgcs).offset / sector_size : 0;
            const std::uint32_t fields[] = { s.menu_vobs, s.title_vobs, sectorOf(m_file.chapters), title_pgcs,
                sectorOf(m_file.menus), s.time_maps, s.menu_cell_addresses, s.menu_vobu_addresses, s.title_cell_addresses,
                s.title_vobu_addresses };
            for (std::size_t i = 0; i < std::size(fields); ++i)
                put32(0xC0 + 4 * i, fields[i], what);
        }
        writeStreams(m_file.menu_streams, 0x100, 0x103, 0x104, 0x155, 0x156);
        if (!manager)
            writeStreams(m_file.title_streams, 0x200, 0x203, 0x204, 0x255, 0x256);
    }

    void writeStreams(const StreamAttributes& streams, std::uint32_t video, std::uint32_t audio_count, std::uint32_t audio,
        std::uint32_t subpicture_count, std::uint32_t subpicture)
    {
        const char* what = "the stream attributes";
        putArray(video, streams.video, what);
        put8(audio_count, streams.audio_count, what);
        for (std::size_t i = 0; i < streams.audio.size(); ++i)
            putArray(audio + 8 * i, streams.audio[i].bytes, what);
        put8(subpicture_count, streams.subpicture_count, what);
        for (std::size_t i = 0; i < streams.subpictures.size(); ++i)
            putArray(subpicture + 6 * i, streams.subpictures[i].bytes, what);
    }

    void writeTitleTable(const TitleTable& table)
    {
        const char* what = "the title table";
        put16(table.offset, static_cast<std::uint16_t>(table.titles.size()), what);
        put16(table.offset + 2, table.reserved, what);
        put32(table.offset + 4, table.last_byte, what);
        for (std::size_t i = 0; i < table.titles.size(); ++i) {
            const Title& title = table.titles[i];
            const std::uint64_t entry = table.offset + 8 + 12 * i;
            put8(entry, title.playback_type, what);
            put8(entry + 1, title.angles, what);
            put16(entry + 2, title.chapters, what);
            put16(entry + 4, title.parental_id, what);
            put8(entry + 6, title.title_set, what);
            put8(entry + 7, title.title_in_set, what);
            put32(entry + 8, title.title_set_sector, what);
        }
    }

    void writeChapterTable(const ChapterTable& table)
    {
        const char* what = "the chapter table";
        put16(table.offset, static_cast<std::uint16_t>(table.starts.size()), what);
        put16(table.offset + 2, table.reserved, what);
        put32(table.offset + 4, table.last_byte, what);
        for (std::size_t i = 0; i < table.starts.size(); ++i) {
            put32(table.offset + 8 + 4 * i, table.starts[i], what);
            if (i >= table.titles.size())
                continue;
            for (std::size_t c = 0; c < table.titles[i].size(); ++c) {
                const std::uint64_t entry = std::uint64_t { table.offset } + table.starts[i] + 4 * c;
                put16(entry, table.titles[i][c].pgc, what);
                put16(entry + 2, table.titles[i][c].program, what);
            }
        }
    }

    void writePgcTable(const PgcTable& table)
    {
        const char* what = "a PGC table";
        put16(table.offset, static_cast<std::uint16_t>(table.pointers.size()), what);
        put16(table.offset + 2, table.reserved, what);
        put32(table.offset + 4, table.last_byte, what);
        for (std::size_t i = 0; i < table.pointers.size(); ++i) {
            const PgcPointer& pointer = table.pointers[i];
            const std::uint64_t entry = table.offset + 8 + 8 * i;
            put8(entry, pointer.entry, what);
            put8(entry + 1, pointer.block, what);
            put16(entry + 2, pointer.parental_mask, what);
            put32(entry + 4, m_file.pgcs.at(pointer.pgc).offset - table.offset, what);
        }
    }

    void writeMenuUnits(const MenuUnits& units)
    {
        const char* what = "the menu language unit table";
        put16(units.offset, static_cast<std::uint16_t>(units.units.size()), what);
        put16(units.offset + 2, units.reserved, what);
        put32(units.offset + 4, units.last_byte, what);
        for (std::size_t i = 0; i < units.units.size(); ++i) {
            const LanguageUnit& unit = units.units[i];
            const std::uint64_t entry = units.offset + 8 + 8 * i;
            put16(entry, unit.language, what);
            put8(entry + 2, unit.extension, what);
            put8(entry + 3, unit.menus, what);
            put32(entry + 4, m_file.pgc_tables.at(unit.table).offset - units.offset, what);
        }
    }

    void writePgc(const Pgc& pgc)
    {
        const char* what = "a PGC";
        const std::uint64_t p = pgc.offset;
        put16(p, pgc.reserved, what);
        put8(p + 2, static_cast<std::uint8_t>(pgc.programs.size()), what);
        put8(p + 3, static_cast<std::uint8_t>(pgc.cells.size()), what);
        putArray(p + 4, pgc.playback_time, what);
        put32(p + 8, pgc.prohibited_operations, what);
        for (std::size_t i = 0; i < 8; ++i)
            put16(p + 0x0C + 2 * i, pgc.audio_control[i], what);
        for (std::size_t i = 0; i < 32; ++i)
            put32(p + 0x1C + 4 * i, pgc.subpicture_control[i], what);
        put16(p + 0x9C, pgc.next, what);
        put16(p + 0x9E, pgc.previous, what);
        put16(p + 0xA0, pgc.go_up, what);
        put8(p + 0xA2, pgc.program_playback_mode, what);
        put8(p + 0xA3, pgc.still_time, what);
        for (std::size_t i = 0; i < 16; ++i)
            put32(p + 0xA4 + 4 * i, pgc.palette[i], what);
        put16(p + 0xE4, pgc.command_table_offset, what);
        put16(p + 0xE6, pgc.program_map_offset, what);
        put16(p + 0xE8, pgc.cell_playback_offset, what);
        put16(p + 0xEA, pgc.cell_position_offset, what);
        if (pgc.commands && pgc.command_table_offset != 0) {
            const CommandTable& table = *pgc.commands;
            const std::uint64_t t = p + pgc.command_table_offset;
            put16(t, static_cast<std::uint16_t>(table.pre.size()), "a command table");
            put16(t + 2, static_cast<std::uint16_t>(table.post.size()), "a command table");
            put16(t + 4, static_cast<std::uint16_t>(table.cell.size()), "a command table");
            put16(t + 6, table.last_byte, "a command table");
            std::uint64_t c = t + command_table_header_size;
            for (const auto* list : { &table.pre, &table.post, &table.cell }) {
                for (const Command& command : *list) {
                    putArray(c, command, "a command table");
                    c += 8;
                }
            }
        }
        if (!pgc.programs.empty()) {
            const std::uint64_t m = p + pgc.program_map_offset;
            for (std::size_t i = 0; i < pgc.programs.size(); ++i)
                put8(m + i, pgc.programs[i], "a program map");
        }
        for (std::size_t i = 0; i < pgc.cells.size(); ++i) {
            const Cell& cell = pgc.cells[i];
            const std::uint64_t c = p + pgc.cell_playback_offset + cell_playback_size * i;
            const char* playback = "a cell playback table";
            put8(c, static_cast<std::uint8_t>(cell.block_mode << 6 | (cell.block_type & 3) << 4 | cell.seamless_play << 3
                        | cell.interleaved << 2 | cell.stc_discontinuity << 1 | static_cast<int>(cell.seamless_angle)),
                playback);
            put8(c + 1, static_cast<std::uint8_t>(cell.reserved_bit << 7 | cell.vobu_still << 6 | cell.restricted << 5
                            | (cell.cell_type & 0x1F)),
                playback);
            put8(c + 2, cell.still_time, playback);
            put8(c + 3, cell.command_number, playback);
            putArray(c + 4, cell.playback_time, playback);
            put32(c + 8, cell.first_sector, playback);
            put32(c + 12, cell.first_ilvu_end_sector, playback);
            put32(c + 16, cell.last_vobu_start_sector, playback);
            put32(c + 20, cell.last_sector, playback);
            const std::uint64_t q = p + pgc.cell_position_offset + cell_position_size * i;
            const char* position = "a cell position table";
            put16(q, cell.vob_id, position);
            put8(q + 2, cell.position_reserved, position);
            put8(q + 3, cell.cell_id, position);
        }
    }

    const InfoFile& m_file;
    std::vector<std::uint8_t> m_bytes;
    std::vector<Extent> m_written;
};

}

InfoFileWrite writeInfoFile(const InfoFile& file)
{
    try {
        return Writer { file }.run();
    } catch (const Misplaced& misplaced) {
        char offset[24];
        std::snprintf(offset, sizeof offset, "0x%llX", static_cast<unsigned long long>(misplaced.offset));
        return { {}, file.name + ": " + misplaced.what + " would stand past the end of the file (offset " + offset + ")", {} };
    } catch (const std::out_of_range&) {
        return { {}, file.name + ": a table refers to a PGC or PGC table the model does not hold", {} };
    }
}

}
