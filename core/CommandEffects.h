#pragma once

// What a decoded navigation command touches: the registers it names for
// reading and writing, and where its link, jump or call goes. The disc scan
// lists with these which commands use a GPRM and which reach a PGC; the
// navigation machine checks its traces against them. Only what the command
// names counts: the player's own bookkeeping on a jump (title, PGC and
// chapter numbers in SPRMs 4..7) is the machine's, not the command's. A
// register or target counts whether or not the command's condition holds.

#include "core/Command.h"

#include <cstdint>

namespace trevalo::core {

// Bit n stands for GPRM n or SPRM n.
struct RegisterUse {
    std::uint16_t gprmReads = 0;
    std::uint16_t gprmWrites = 0;
    std::uint32_t sprmReads = 0;
    std::uint32_t sprmWrites = 0;
    bool operator==(const RegisterUse&) const = default;
};

// A set that combines the old value (add, swp, ...) reads its GPRM as well
// as writing it; mov and rnd only write. SetGPRMMD writes its GPRM (value
// and mode). A link with a button and SetHL_BTN write SPRM 8; SetSTN writes
// the SPRMs of the streams it sets, SetNVTMR 9 and 10, SetAMXMD 11,
// SetTmpPML 13.
RegisterUse registerUse(const Command& command);

enum class TargetKind : std::uint8_t {
    None,       // no transfer of control (LinkNoLink included)
    Line,       // Goto, SetTmpPML: number is a command of the same list
    Break,      // the end of the command list
    Relative,   // LinkTopC .. LinkTailPGC: relative to where playback is (see relative)
    Resume,     // RSM
    Cell,       // LinkCN: number in the current PGC
    Program,    // LinkPGN: number in the current PGC
    Chapter,    // LinkPTTN: number in the current title
    Pgc,        // LinkPGCN: number in the current domain
    Exit,       // Exit: playback stops
    Title,      // JumpTT: number among the disc's titles
    VtsTitle,   // JumpVTS_TT: number among the current title set's titles
    VtsChapter, // JumpVTS_PTT: chapter number of title `title` of the current title set
    FirstPlay,  // JumpSS/CallSS FP: the first play PGC
    VmgmMenu,   // JumpSS/CallSS to the VMGM menu `menu`
    VtsMenu,    // JumpSS to menu `menu` of title set `vts` (title `title`); CallSS: vts 0, the current one
    VmgmPgc,    // JumpSS/CallSS: PGC number of the VMGM
};

enum class Invocation : std::uint8_t { Jump, Call };

struct BranchTarget {
    TargetKind kind = TargetKind::None;
    Invocation invocation = Invocation::Jump; // Call for CallSS: RSM comes back
    std::uint16_t number = 0;
    std::uint8_t vts = 0;
    std::uint8_t title = 0;
    MenuId menu = MenuId::None;
    LinkOp relative = LinkOp::None;
    std::uint8_t resumeCell = 0;
    std::uint8_t button = 0; // the button a link highlights, 0 for none
    bool operator==(const BranchTarget&) const = default;
};

// Where the command's transfer goes; kind None when it has none. A faulted
// command reports what its fields say.
BranchTarget branchTarget(const Command& command);

}
