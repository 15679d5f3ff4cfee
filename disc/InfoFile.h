#pragma once

// One IFO file of a DVD-Video folder, parsed: the video manager
// (VIDEO_TS.IFO) or a title set (VTS_nn_0.IFO). Plain data mirroring the
// file's tables. Every PGC of the file lives once in `pgcs`; the tables
// that list PGCs (the First Play pointer, each menu language unit, the
// title PGC table) refer to them by index, because discs share a PGC or a
// whole language unit between several entries and the bytes exist once.
//
// `bytes` is the file as read. The writer starts from it and writes every
// table the model names over it, so the tables the model keeps whole (time
// maps, cell and VOBU address maps, parental and text data) come back as
// they were.

#include "disc/Pgc.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::disc {

inline constexpr std::uint32_t sector_size = 2048;

enum class FileKind {
    VideoManager,
    TitleSet,
};

// A PGC search pointer: one entry of a PGC table.
struct PgcPointer {
    // Menus: bit 7 marks an entry PGC, the low nibble its kind (2 title,
    // 3 root, 4 sub-picture, 5 audio, 6 angle, 7 chapter). Titles: bit 7
    // marks an entry PGC, bits 0..6 the title number within the set.
    std::uint8_t entry = 0;
    std::uint8_t block = 0; // block mode, block type and four reserved bits
    std::uint16_t parental_mask = 0;
    // The file stores the PGC's start relative to the table; the writer
    // takes it from the PGC's offset.
    std::size_t pgc = 0; // index into InfoFile::pgcs

    bool operator==(const PgcPointer&) const = default;
};

struct PgcTable {
    std::uint32_t offset = 0; // in the file
    std::uint16_t reserved = 0;
    std::uint32_t last_byte = 0; // relative to the table
    std::vector<PgcPointer> pointers;

    bool operator==(const PgcTable&) const = default;
};

struct LanguageUnit {
    std::uint16_t language = 0; // two ISO 639 letters, first in the high byte
    std::uint8_t extension = 0;
    // The menus the unit says it has: 0x80 title (VMG) or root, 0x40
    // sub-picture, 0x20 audio, 0x10 angle, 0x08 chapter.
    std::uint8_t menus = 0;
    std::size_t table = 0; // index into InfoFile::pgc_tables; its offset gives the unit's start

    bool operator==(const LanguageUnit&) const = default;
};

struct MenuUnits {
    std::uint32_t offset = 0;
    std::uint16_t reserved = 0;
    std::uint32_t last_byte = 0;
    std::vector<LanguageUnit> units;

    bool operator==(const MenuUnits&) const = default;
};

// An entry of the video manager's title table.
struct Title {
    std::uint8_t playback_type = 0;
    std::uint8_t angles = 0;
    std::uint16_t chapters = 0;
    std::uint16_t parental_id = 0;
    std::uint8_t title_set = 0;
    std::uint8_t title_in_set = 0;
    std::uint32_t title_set_sector = 0; // where the title set starts on the disc

    bool operator==(const Title&) const = default;
};

struct TitleTable {
    std::uint32_t offset = 0;
    std::uint16_t reserved = 0;
    std::uint32_t last_byte = 0;
    std::vector<Title> titles;

    bool operator==(const TitleTable&) const = default;
};

struct Chapter {
    std::uint16_t pgc = 0;
    std::uint16_t program = 0;

    bool operator==(const Chapter&) const = default;
};

// A title set's chapter table: for each of its titles, the PGC and program
// where each chapter starts.
struct ChapterTable {
    std::uint32_t offset = 0;
    std::uint16_t reserved = 0;
    std::uint32_t last_byte = 0;
    std::vector<std::uint32_t> starts; // of each title's chapters, relative to the table
    std::vector<std::vector<Chapter>> titles;

    bool operator==(const ChapterTable&) const = default;
};

struct AudioAttributes {
    std::array<std::uint8_t, 8> bytes {};

    bool operator==(const AudioAttributes&) const = default;
};

struct SubpictureAttributes {
    std::array<std::uint8_t, 6> bytes {};

    bool operator==(const SubpictureAttributes&) const = default;
};

// The streams a domain's VOBs carry, as its attribute tables declare them.
// A menu domain has one audio and one sub-picture slot; titles 8 and 32.
struct StreamAttributes {
    std::array<std::uint8_t, 2> video {};
    std::uint8_t audio_count = 0;
    std::vector<AudioAttributes> audio;
    std::uint8_t subpicture_count = 0;
    std::vector<SubpictureAttributes> subpictures;

    bool operator==(const StreamAttributes&) const = default;
};

// The start sectors of the tables the model keeps whole, and of the VOBS,
// relative to the file's (for the VOBS the set's) first sector; 0 where
// absent. The tables the model holds (title table, chapter table, PGC
// tables, menu units) carry their own offsets instead. The video manager
// has no title VOBS, time maps or title address maps; a title set has no
// parental table, title set attributes or text data.
struct TableSectors {
    std::uint32_t menu_vobs = 0;
    std::uint32_t title_vobs = 0;
    std::uint32_t parental = 0;
    std::uint32_t set_attributes = 0;
    std::uint32_t text_data = 0;
    std::uint32_t time_maps = 0;
    std::uint32_t menu_cell_addresses = 0;
    std::uint32_t menu_vobu_addresses = 0;
    std::uint32_t title_cell_addresses = 0;
    std::uint32_t title_vobu_addresses = 0;

    bool operator==(const TableSectors&) const = default;
};

struct InfoFile {
    FileKind kind = FileKind::VideoManager;
    int title_set = 0; // 0 for the video manager
    std::string name; // the file the model was read from, IFO or BUP
    std::vector<std::uint8_t> bytes;

    // From the management table.
    std::uint32_t last_sector = 0; // of the whole manager or set, BUP included
    std::uint32_t ifo_last_sector = 0;
    std::uint32_t table_last_byte = 0; // of the management table
    std::uint16_t title_set_count = 0; // video manager only
    TableSectors sectors;
    StreamAttributes menu_streams;
    StreamAttributes title_streams; // title sets only

    std::vector<Pgc> pgcs;
    std::optional<std::size_t> first_play; // video manager only
    std::vector<PgcTable> pgc_tables;
    std::optional<MenuUnits> menus;
    std::optional<std::size_t> title_pgcs; // index into pgc_tables; title sets only
    std::optional<TitleTable> titles; // video manager only
    std::optional<ChapterTable> chapters; // title sets only

    bool operator==(const InfoFile&) const = default;
};

}
