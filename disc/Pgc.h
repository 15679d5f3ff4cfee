#pragma once

// A program chain as an IFO file holds it: its header fields, its command
// table, its program map, and its cells with the buttons of their first
// navigation pack. Plain data; the reader fills it, the writer writes it
// back, the insert grows its pre commands. Offsets are kept as the file
// has them (relative to the PGC's first byte) because the writer puts the
// tables where they were, and because an authoring tool's layout, slack
// included, is the author's and not ours to redo.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace trevalo::disc {

// One navigation command: the 8 bytes as stored, byte 0 first.
using Command = std::array<std::uint8_t, 8>;

// The 4 bytes of a playback time: hours, minutes, seconds as BCD, then two
// bits of frame rate and six of BCD frames.
using PlaybackTime = std::array<std::uint8_t, 4>;

struct CommandTable {
    std::vector<Command> pre;
    std::vector<Command> post;
    std::vector<Command> cell;
    // The table's last byte, relative to its first. Normally 7 + 8 x the
    // commands; kept as read, since a tool may leave room after them.
    std::uint16_t last_byte = 7;

    bool operator==(const CommandTable&) const = default;
};

// A menu button from the highlight information of a navigation pack.
struct Button {
    int number = 0; // 1-based
    std::uint8_t colour = 0; // the colour table it selects (0 none, 1..3)
    std::uint16_t x_start = 0;
    std::uint16_t x_end = 0;
    std::uint16_t y_start = 0;
    std::uint16_t y_end = 0;
    // 0: activated by the user; 1: activated as soon as it is selected.
    std::uint8_t auto_action = 0;
    std::uint8_t up = 0;
    std::uint8_t down = 0;
    std::uint8_t left = 0;
    std::uint8_t right = 0;
    Command command {};

    bool operator==(const Button&) const = default;
};

// What a cell's first navigation pack says about its buttons. Absent when
// the cell has no highlight information there.
struct Highlight {
    std::uint8_t status = 0; // the pack's highlight status, 0 = none
    std::uint8_t button_groups = 0;
    std::uint8_t first_button = 1; // button offset number
    std::uint8_t selectable = 0; // buttons that can be selected (not only shown)
    std::uint8_t forced_select = 0; // button highlighted on entry, 0 = none
    std::uint8_t forced_activate = 0; // button activated on entry, 0 = none
    std::vector<Button> buttons; // those of the first button group

    bool operator==(const Highlight&) const = default;
};

struct Cell {
    // Cell playback information, field by field.
    std::uint8_t block_mode = 0;
    std::uint8_t block_type = 0;
    bool seamless_play = false;
    bool interleaved = false;
    bool stc_discontinuity = false;
    bool seamless_angle = false;
    bool reserved_bit = false;
    bool vobu_still = false; // the playback mode: a still after each VOBU
    bool restricted = false;
    std::uint8_t cell_type = 0;
    std::uint8_t still_time = 0; // seconds; 255 = until the user acts
    std::uint8_t command_number = 0; // 1-based into the cell commands; 0 = none
    PlaybackTime playback_time {};
    std::uint32_t first_sector = 0; // relative to the start of its VOBS
    std::uint32_t first_ilvu_end_sector = 0;
    std::uint32_t last_vobu_start_sector = 0;
    std::uint32_t last_sector = 0;
    // Cell position information.
    std::uint16_t vob_id = 0;
    std::uint8_t position_reserved = 0;
    std::uint8_t cell_id = 0;
    // Menu cells only, read from the menu VOB.
    std::optional<Highlight> highlight;

    bool operator==(const Cell&) const = default;
};

struct Pgc {
    std::uint32_t offset = 0; // of its first byte in the file
    std::uint16_t reserved = 0;
    PlaybackTime playback_time {};
    std::uint32_t prohibited_operations = 0;
    // Bit 15: the stream is available; bits 8..12: its decoding number.
    std::array<std::uint16_t, 8> audio_control {};
    // Bit 31: available; then the decoding numbers for 4:3, wide, letterbox
    // and pan-scan in bits 24, 16, 8 and 0 (five bits each).
    std::array<std::uint32_t, 32> subpicture_control {};
    std::uint16_t next = 0;
    std::uint16_t previous = 0;
    std::uint16_t go_up = 0;
    std::uint8_t program_playback_mode = 0;
    std::uint8_t still_time = 0;
    std::array<std::uint32_t, 16> palette {};
    // Relative to the PGC's first byte; 0 means the table is absent.
    std::uint16_t command_table_offset = 0;
    std::uint16_t program_map_offset = 0;
    std::uint16_t cell_playback_offset = 0;
    std::uint16_t cell_position_offset = 0;
    std::optional<CommandTable> commands;
    std::vector<std::uint8_t> programs; // each program's entry cell, 1-based
    std::vector<Cell> cells;

    bool operator==(const Pgc&) const = default;
};

// The header of a PGC, before its tables.
inline constexpr std::uint32_t pgc_header_size = 236;
inline constexpr std::uint32_t command_table_header_size = 8;
inline constexpr std::uint32_t cell_playback_size = 24;
inline constexpr std::uint32_t cell_position_size = 4;

}
