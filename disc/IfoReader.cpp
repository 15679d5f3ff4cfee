#include "disc/IfoReader.h"

#include "disc/ByteSpan.h"

#include <cstdio>
#include <map>
#include <utility>

namespace trevalo::disc {

namespace {

std::string hexOffset(std::uint64_t offset)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(offset));
    return text;
}

// A parse that stops at the first fault; the message is complete.
struct Fault {
    std::string message;
};

// The management table: where each field stands.
namespace mat {
constexpr std::uint32_t last_sector = 0x0C;
constexpr std::uint32_t ifo_last_sector = 0x1C;
constexpr std::uint32_t title_set_count = 0x3E;
constexpr std::uint32_t table_last_byte = 0x80;
constexpr std::uint32_t first_play = 0x84;
constexpr std::uint32_t sectors = 0xC0;
constexpr std::uint32_t menu_video = 0x100;
constexpr std::uint32_t menu_audio_count = 0x103;
constexpr std::uint32_t menu_audio = 0x104;
constexpr std::uint32_t menu_subpicture_count = 0x155;
constexpr std::uint32_t menu_subpicture = 0x156;
constexpr std::uint32_t title_video = 0x200;
constexpr std::uint32_t title_audio_count = 0x203;
constexpr std::uint32_t title_audio = 0x204;
constexpr std::uint32_t title_subpicture_count = 0x255;
constexpr std::uint32_t title_subpicture = 0x256;
// The highest byte the model reads from each table.
constexpr std::uint32_t manager_size = 0x1FE;
constexpr std::uint32_t title_set_size = 0x3D8;
}

class Parser {
public:
    Parser(std::string name, std::vector<std::uint8_t> bytes, FileKind kind, int title_set)
        : m_bytes(std::move(bytes))
        , m_span(m_bytes)
    {
        m_file.kind = kind;
        m_file.title_set = title_set;
        m_file.name = std::move(name);
    }

    InfoFile run()
    {
        readManagementTable();
        if (m_file.kind == FileKind::VideoManager) {
            if (m_first_play != 0)
                m_file.first_play = readPgc(m_first_play, "the First Play PGC");
            if (m_title_table != 0)
                readTitleTable();
        } else {
            if (m_chapter_table != 0)
                readChapterTable();
            if (m_title_pgcs != 0)
                m_file.title_pgcs = readPgcTable(tableStart(m_title_pgcs, "the title PGC table"),
                    "the title PGC table", "title PGC ");
        }
        if (m_menu_pgcs != 0)
            readMenuUnits();
        m_file.bytes = std::move(m_bytes);
        return std::move(m_file);
    }

    const std::string& name() const { return m_file.name; }

    [[noreturn]] void fail(const std::string& what) const { throw Fault { m_file.name + ": " + what }; }

private:
    // Runs a read of the named part, turning a read past the end into a
    // message about that part.
    template<typename Read>
    auto within(const std::string& part, Read read)
    {
        try {
            return read();
        } catch (const ByteSpan::OutOfBounds& cut) {
            fail(part + " is cut off by the end of the file (offset " + hexOffset(cut.offset) + ")");
        }
    }

    void requirePointer(std::uint64_t target, std::uint64_t length, const std::string& part) const
    {
        if (!m_span.has(target, length))
            fail(part + " points past the end of the file (offset " + hexOffset(target) + ")");
    }

    std::uint32_t tableStart(std::uint32_t sector, const std::string& part) const
    {
        const std::uint64_t at = std::uint64_t { sector } * sector_size;
        requirePointer(at, 8, part);
        return static_cast<std::uint32_t>(at);
    }

    void readManagementTable()
    {
        const bool manager = m_file.kind == FileKind::VideoManager;
        const char* identifier = manager ? "DVDVIDEO-VMG" : "DVDVIDEO-VTS";
        const std::uint32_t size = manager ? mat::manager_size : mat::title_set_size;
        if (!m_span.has(0, size)) {
            fail(std::string("too short for the management table of a ")
                + (manager ? "video manager" : "title set") + " (" + std::to_string(m_span.size())
                + " bytes): not a DVD-Video information file");
        }
        for (int i = 0; i < 12; ++i) {
            if (m_span.u8(static_cast<std::uint64_t>(i)) != static_cast<std::uint8_t>(identifier[i]))
                fail(std::string("does not start with ") + identifier + ": not a "
                    + (manager ? "video manager" : "title set") + " information file");
        }
        m_file.last_sector = m_span.u32(mat::last_sector);
        m_file.ifo_last_sector = m_span.u32(mat::ifo_last_sector);
        m_file.table_last_byte = m_span.u32(mat::table_last_byte);
        if (manager)
            m_file.title_set_count = m_span.u16(mat::title_set_count);
        TableSectors& s = m_file.sectors;
        if (manager) {
            m_first_play = m_span.u32(mat::first_play);
            std::uint32_t* fields[] = { &s.menu_vobs, &m_title_table, &m_menu_pgcs, &s.parental, &s.set_attributes,
                &s.text_data, &s.menu_cell_addresses, &s.menu_vobu_addresses };
            for (std::size_t i = 0; i < std::size(fields); ++i)
                *fields[i] = m_span.u32(mat::sectors + 4 * i);
        } else {
            std::uint32_t* fields[] = { &s.menu_vobs, &s.title_vobs, &m_chapter_table, &m_title_pgcs, &m_menu_pgcs,
                &s.time_maps, &s.menu_cell_addresses, &s.menu_vobu_addresses, &s.title_cell_addresses,
                &s.title_vobu_addresses };
            for (std::size_t i = 0; i < std::size(fields); ++i)
                *fields[i] = m_span.u32(mat::sectors + 4 * i);
        }
        m_file.menu_streams = readStreams(mat::menu_video, mat::menu_audio_count, mat::menu_audio, 1,
            mat::menu_subpicture_count, mat::menu_subpicture, 1);
        if (!manager) {
            m_file.title_streams = readStreams(mat::title_video, mat::title_audio_count, mat::title_audio, 8,
                mat::title_subpicture_count, mat::title_subpicture, 32);
        }
    }

    StreamAttributes readStreams(std::uint32_t video, std::uint32_t audio_count, std::uint32_t audio, int audio_slots,
        std::uint32_t subpicture_count, std::uint32_t subpicture, int subpicture_slots) const
    {
        StreamAttributes streams;
        streams.video = m_span.array<std::array<std::uint8_t, 2>>(video);
        streams.audio_count = m_span.u8(audio_count);
        for (int i = 0; i < audio_slots; ++i)
            streams.audio.push_back({ m_span.array<std::array<std::uint8_t, 8>>(audio + 8u * static_cast<unsigned>(i)) });
        streams.subpicture_count = m_span.u8(subpicture_count);
        for (int i = 0; i < subpicture_slots; ++i) {
            streams.subpictures.push_back(
                { m_span.array<std::array<std::uint8_t, 6>>(subpicture + 6u * static_cast<unsigned>(i)) });
        }
        return streams;
    }

    void readTitleTable()
    {
        const std::string part = "the title table";
        const std::uint32_t at = tableStart(m_title_table, part);
        within(part, [&] {
            TitleTable table;
            table.offset = at;
            const std::uint16_t count = m_span.u16(at);
            table.reserved = m_span.u16(at + 2);
            table.last_byte = m_span.u32(at + 4);
            for (std::uint32_t i = 0; i < count; ++i) {
                const std::uint64_t entry = at + 8 + 12ull * i;
                Title title;
                title.playback_type = m_span.u8(entry);
                title.angles = m_span.u8(entry + 1);
                title.chapters = m_span.u16(entry + 2);
                title.parental_id = m_span.u16(entry + 4);
                title.title_set = m_span.u8(entry + 6);
                title.title_in_set = m_span.u8(entry + 7);
                title.title_set_sector = m_span.u32(entry + 8);
                table.titles.push_back(title);
            }
            m_file.titles = std::move(table);
        });
    }

    void readChapterTable()
    {
        const std::string part = "the chapter table";
        const std::uint32_t at = tableStart(m_chapter_table, part);
        within(part, [&] {
            ChapterTable table;
            table.offset = at;
            const std::uint16_t count = m_span.u16(at);
            table.reserved = m_span.u16(at + 2);
            table.last_byte = m_span.u32(at + 4);
            for (std::uint32_t i = 0; i < count; ++i)
                table.starts.push_back(m_span.u32(at + 8 + 4ull * i));
            for (std::uint32_t i = 0; i < count; ++i) {
                const std::uint64_t begin = table.starts[i];
                const std::uint64_t end = i + 1 < count ? table.starts[i + 1] : std::uint64_t { table.last_byte } + 1;
                const std::string title_part = "the chapters of title " + std::to_string(i + 1);
                std::vector<Chapter> chapters;
                if (end > begin) {
                    requirePointer(at + begin, end - begin, title_part);
                    for (std::uint64_t c = begin; c + 4 <= end; c += 4)
                        chapters.push_back({ m_span.u16(at + c), m_span.u16(at + c + 2) });
                }
                table.titles.push_back(std::move(chapters));
            }
            m_file.chapters = std::move(table);
        });
    }

    void readMenuUnits()
    {
        const std::string part = "the menu language unit table";
        const std::uint32_t at = tableStart(m_menu_pgcs, part);
        MenuUnits units;
        std::vector<std::uint32_t> starts;
        within(part, [&] {
            units.offset = at;
            const std::uint16_t count = m_span.u16(at);
            units.reserved = m_span.u16(at + 2);
            units.last_byte = m_span.u32(at + 4);
            for (std::uint32_t i = 0; i < count; ++i) {
                const std::uint64_t entry = at + 8 + 8ull * i;
                LanguageUnit unit;
                unit.language = m_span.u16(entry);
                unit.extension = m_span.u8(entry + 2);
                unit.menus = m_span.u8(entry + 3);
                starts.push_back(m_span.u32(entry + 4));
                units.units.push_back(unit);
            }
        });
        std::map<std::uint32_t, std::size_t> tables; // by start, for units that share one
        for (std::size_t i = 0; i < units.units.size(); ++i) {
            LanguageUnit& unit = units.units[i];
            const auto shared = tables.find(starts[i]);
            if (shared != tables.end()) {
                unit.table = shared->second;
                continue;
            }
            const std::string number = std::to_string(i + 1);
            const std::string table_part = "the menu PGC table of language unit " + number;
            const std::uint64_t table_at = std::uint64_t { at } + starts[i];
            requirePointer(table_at, 8, table_part);
            unit.table = readPgcTable(static_cast<std::uint32_t>(table_at), table_part,
                "menu PGC ", " of language unit " + number);
            tables.emplace(starts[i], unit.table);
        }
        m_file.menus = std::move(units);
    }

    std::size_t readPgcTable(std::uint32_t at, const std::string& part, const std::string& pgc_name,
        const std::string& pgc_suffix = {})
    {
        PgcTable table;
        table.offset = at;
        std::vector<std::uint32_t> starts;
        within(part, [&] {
            const std::uint16_t count = m_span.u16(at);
            table.reserved = m_span.u16(at + 2);
            table.last_byte = m_span.u32(at + 4);
            for (std::uint32_t i = 0; i < count; ++i) {
                const std::uint64_t entry = at + 8 + 8ull * i;
                PgcPointer pointer;
                pointer.entry = m_span.u8(entry);
                pointer.block = m_span.u8(entry + 1);
                pointer.parental_mask = m_span.u16(entry + 2);
                starts.push_back(m_span.u32(entry + 4));
                table.pointers.push_back(pointer);
            }
        });
        for (std::size_t i = 0; i < table.pointers.size(); ++i) {
            PgcPointer& pointer = table.pointers[i];
            const std::uint64_t pgc_at = std::uint64_t { at } + starts[i];
            const std::string name = pgc_name + std::to_string(i + 1) + pgc_suffix;
            requirePointer(pgc_at, pgc_header_size, part + " (its entry for " + name + ")");
            pointer.pgc = readPgc(static_cast<std::uint32_t>(pgc_at), name);
        }
        m_file.pgc_tables.push_back(std::move(table));
        return m_file.pgc_tables.size() - 1;
    }

    std::size_t readPgc(std::uint32_t at, const std::string& part)
    {
        const auto known = m_pgcs.find(at);
        if (known != m_pgcs.end())
            return known->second;
        requirePointer(at, pgc_header_size, part);
        Pgc pgc;
        pgc.offset = at;
        std::uint8_t program_count = 0;
        std::uint8_t cell_count = 0;
        within(part, [&] {
            pgc.reserved = m_span.u16(at);
            program_count = m_span.u8(at + 2);
            cell_count = m_span.u8(at + 3);
            pgc.playback_time = m_span.array<PlaybackTime>(at + 4);
            pgc.prohibited_operations = m_span.u32(at + 8);
            for (std::uint32_t i = 0; i < 8; ++i)
                pgc.audio_control[i] = m_span.u16(at + 0x0C + 2 * i);
            for (std::uint32_t i = 0; i < 32; ++i)
                pgc.subpicture_control[i] = m_span.u32(at + 0x1C + 4 * i);
            pgc.next = m_span.u16(at + 0x9C);
            pgc.previous = m_span.u16(at + 0x9E);
            pgc.go_up = m_span.u16(at + 0xA0);
            pgc.program_playback_mode = m_span.u8(at + 0xA2);
            pgc.still_time = m_span.u8(at + 0xA3);
            for (std::uint32_t i = 0; i < 16; ++i)
                pgc.palette[i] = m_span.u32(at + 0xA4 + 4 * i);
            pgc.command_table_offset = m_span.u16(at + 0xE4);
            pgc.program_map_offset = m_span.u16(at + 0xE6);
            pgc.cell_playback_offset = m_span.u16(at + 0xE8);
            pgc.cell_position_offset = m_span.u16(at + 0xEA);
        });
        if (pgc.command_table_offset != 0) {
            const std::string table_part = "the command table of " + part;
            const std::uint64_t table_at = std::uint64_t { at } + pgc.command_table_offset;
            requirePointer(table_at, command_table_header_size, table_part);
            within(table_part, [&] {
                CommandTable table;
                const std::uint16_t pre = m_span.u16(table_at);
                const std::uint16_t post = m_span.u16(table_at + 2);
                const std::uint16_t cell = m_span.u16(table_at + 4);
                table.last_byte = m_span.u16(table_at + 6);
                // Commands past the table's own end would be read from
                // whatever follows it; a player would not run them.
                const std::uint32_t count = std::uint32_t { pre } + post + cell;
                if (command_table_header_size + 8 * count > std::uint32_t { table.last_byte } + 1) {
                    fail(table_part + " counts " + std::to_string(count) + " commands but is "
                        + std::to_string(table.last_byte + 1) + " bytes long (offset " + hexOffset(table_at) + ")");
                }
                std::uint64_t command = table_at + command_table_header_size;
                const auto take = [&](std::vector<Command>& list, std::uint16_t count) {
                    for (std::uint16_t i = 0; i < count; ++i, command += 8)
                        list.push_back(m_span.array<Command>(command));
                };
                take(table.pre, pre);
                take(table.post, post);
                take(table.cell, cell);
                pgc.commands = std::move(table);
            });
        }
        if (pgc.program_map_offset != 0 && program_count != 0) {
            const std::string map_part = "the program map of " + part;
            const std::uint64_t map_at = std::uint64_t { at } + pgc.program_map_offset;
            requirePointer(map_at, program_count, map_part);
            for (std::uint32_t i = 0; i < program_count; ++i)
                pgc.programs.push_back(m_span.u8(map_at + i));
        } else if (program_count != 0) {
            fail(part + " has " + std::to_string(program_count) + " programs but no program map (offset "
                + hexOffset(at + 0xE6) + ")");
        }
        if (cell_count != 0) {
            if (pgc.cell_playback_offset == 0 || pgc.cell_position_offset == 0) {
                fail(part + " has " + std::to_string(cell_count) + " cells but no cell table (offset "
                    + hexOffset(at + 0xE8) + ")");
            }
            const std::string playback_part = "the cell playback table of " + part;
            const std::uint64_t playback_at = std::uint64_t { at } + pgc.cell_playback_offset;
            requirePointer(playback_at, std::uint64_t { cell_count } * cell_playback_size, playback_part);
            const std::string position_part = "the cell position table of " + part;
            const std::uint64_t position_at = std::uint64_t { at } + pgc.cell_position_offset;
            requirePointer(position_at, std::uint64_t { cell_count } * cell_position_size, position_part);
            for (std::uint32_t i = 0; i < cell_count; ++i) {
                const std::uint64_t c = playback_at + cell_playback_size * i;
                Cell cell;
                const std::uint8_t first = m_span.u8(c);
                const std::uint8_t second = m_span.u8(c + 1);
                cell.block_mode = first >> 6;
                cell.block_type = (first >> 4) & 3;
                cell.seamless_play = (first & 0x08) != 0;
                cell.interleaved = (first & 0x04) != 0;
                cell.stc_discontinuity = (first & 0x02) != 0;
                cell.seamless_angle = (first & 0x01) != 0;
                cell.reserved_bit = (second & 0x80) != 0;
                cell.vobu_still = (second & 0x40) != 0;
                cell.restricted = (second & 0x20) != 0;
                cell.cell_type = second & 0x1F;
                cell.still_time = m_span.u8(c + 2);
                cell.command_number = m_span.u8(c + 3);
                cell.playback_time = m_span.array<PlaybackTime>(c + 4);
                cell.first_sector = m_span.u32(c + 8);
                cell.first_ilvu_end_sector = m_span.u32(c + 12);
                cell.last_vobu_start_sector = m_span.u32(c + 16);
                cell.last_sector = m_span.u32(c + 20);
                const std::uint64_t p = position_at + cell_position_size * i;
                cell.vob_id = m_span.u16(p);
                cell.position_reserved = m_span.u8(p + 2);
                cell.cell_id = m_span.u8(p + 3);
                pgc.cells.push_back(cell);
            }
        }
        m_file.pgcs.push_back(std::move(pgc));
        m_pgcs.emplace(at, m_file.pgcs.size() - 1);
        return m_file.pgcs.size() - 1;
    }

    std::vector<std::uint8_t> m_bytes;
    ByteSpan m_span;
    InfoFile m_file;
    std::map<std::uint32_t, std::size_t> m_pgcs; // by offset, for PGCs listed twice
    // Where the management table says the tables the model holds start.
    std::uint32_t m_first_play = 0;
    std::uint32_t m_title_table = 0;
    std::uint32_t m_chapter_table = 0;
    std::uint32_t m_title_pgcs = 0;
    std::uint32_t m_menu_pgcs = 0;
};

}

InfoFileRead readInfoFile(std::string name, std::vector<std::uint8_t> bytes, FileKind kind, int title_set)
{
    Parser parser { std::move(name), std::move(bytes), kind, title_set };
    try {
        return { parser.run(), {} };
    } catch (const Fault& fault) {
        return { std::nullopt, fault.message };
    } catch (const ByteSpan::OutOfBounds& cut) {
        // Reads outside a named part: the management table's own fields.
        return { std::nullopt,
            parser.name() + ": the management table is cut off by the end of the file (offset " + hexOffset(cut.offset)
                + ")" };
    }
}

}
