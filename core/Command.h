#pragma once

// The typed form of one DVD-Video navigation command: everything its 8
// bytes say, field by field, so that the disc scan and the navigation
// machine never look at bits again. Plain data with defaulted equality.
// core/CommandDecoder.h fills it from bytes, core/CommandEncoder.h turns it
// back, core/CommandLine.h reads it out and core/CommandEffects.h says which
// registers it touches and where it goes. Nothing here runs a command or
// knows about a disc.
//
// A command has up to three parts: a condition, an action (a special
// instruction, a GPRM set or a system set) and a transfer (a link or a
// jump). Which parts a form has, and in which order they run, is the form's
// business; see actionGate() and transferGate().

#include <array>
#include <cstdint>
#include <string_view>

namespace trevalo::core {

// One command as an IFO stores it, byte 0 first.
using CommandBytes = std::array<std::uint8_t, 8>;

// The command type (bits 63..61; for type 1 also bit 60), which fixes the
// byte layout and the order of the parts.
enum class CommandForm : std::uint8_t {
    Special,            // type 0: if (c) Nop, Goto, Break or SetTmpPML
    Link,               // type 1, bit 60 clear: if (c) link
    JumpCall,           // type 1, bit 60 set: if (c) jump or call
    SetSystem,          // type 2: if (c) system set, then link if any
    Set,                // type 3: if (c) GPRM set, then link if any
    SetCompareLink,     // type 4: GPRM set; then if (c) link sub-instruction
    CompareSetLink,     // type 5: if (c) { GPRM set; link sub-instruction }
    CompareSetThenLink, // type 6: if (c) GPRM set; link sub-instruction always
    Unassigned,         // type 7
};

enum class OperandKind : std::uint8_t {
    None,
    Immediate,
    Gprm,
    Sprm,
    // A register code that names neither a GPRM (0x00..0x0F) nor an SPRM
    // (0x80..0x97); value holds the code. Only in a faulted command.
    Unassigned,
};

struct Operand {
    OperandKind kind = OperandKind::None;
    // The number itself, or the register's number (GPRM 0..15, SPRM 0..23).
    std::uint16_t value = 0;
    bool operator==(const Operand&) const = default;
};

// The values are the compare field's codes.
enum class CompareOp : std::uint8_t { None = 0, BC = 1, EQ = 2, NE = 3, GE = 4, GT = 5, LE = 6, LT = 7 };

// left is always a register; right is a register or an immediate. With
// CompareOp::None the condition holds and both operands are None. BC holds
// when left & right is not 0.
struct Condition {
    CompareOp op = CompareOp::None;
    Operand left;
    Operand right;
    bool operator==(const Condition&) const = default;
};

enum class SpecialOp : std::uint8_t { None, Nop, Goto, Break, SetTmpPML };

struct Special {
    SpecialOp op = SpecialOp::None;
    std::uint8_t line = 0;  // Goto and SetTmpPML: the command to go on at, 1-based
    std::uint8_t level = 0; // SetTmpPML: the parental level, 1..8
    bool operator==(const Special&) const = default;
};

// The values are the operation field's codes.
enum class SetOp : std::uint8_t {
    None = 0, Mov = 1, Swp = 2, Add = 3, Sub = 4, Mul = 5, Div = 6, Mod = 7, Rnd = 8, And = 9, Or = 10, Xor = 11
};

// gprm op= source. Swp exchanges gprm and the source GPRM; Rnd sets gprm to
// a random number 1..source.
struct GprmSet {
    SetOp op = SetOp::None;
    std::uint8_t gprm = 0;
    Operand source;
    bool operator==(const GprmSet&) const = default;
};

enum class SystemSetOp : std::uint8_t { None, SetSTN, SetNVTMR, SetGPRMMD, SetAMXMD, SetHL_BTN };

enum class StreamChange : std::uint8_t { Keep, Set };

// One stream of SetSTN. An immediate value is the 7 bits SPRM 1, 2 or 3
// takes (for the sub-picture, bit 6 is the display flag and bits 5..0 the
// stream); a GPRM value is taken from that register when the command runs.
struct StreamSetting {
    StreamChange change = StreamChange::Keep;
    Operand value;
    bool operator==(const StreamSetting&) const = default;
};

enum class GprmMode : std::uint8_t { Register, Counter };

struct SystemSet {
    SystemSetOp op = SystemSetOp::None;
    StreamSetting audio;      // SetSTN
    StreamSetting subPicture; // SetSTN
    StreamSetting angle;      // SetSTN
    // SetSTN: Immediate or Gprm, the kind of every stream value it sets;
    // kept apart since a SetSTN that changes nothing still has one.
    OperandKind streamValues = OperandKind::None;
    // SetNVTMR: the timer in seconds; SetGPRMMD: the value; SetAMXMD: the
    // mixing mode; SetHL_BTN: SPRM 8's new value (button number x 1024).
    Operand value;
    std::uint16_t pgc = 0; // SetNVTMR: the title PGC the timer goes to (0: none)
    std::uint8_t gprm = 0; // SetGPRMMD: the register set
    GprmMode mode = GprmMode::Register; // SetGPRMMD
    bool operator==(const SystemSet&) const = default;
};

enum class LinkOp : std::uint8_t {
    None,
    // The link sub-instructions (LinkSIns).
    LinkNoLink,
    LinkTopC,
    LinkNextC,
    LinkPrevC,
    LinkTopPG,
    LinkNextPG,
    LinkPrevPG,
    LinkTopPGC,
    LinkNextPGC,
    LinkPrevPGC,
    LinkGoUpPGC,
    LinkTailPGC,
    RSM,
    // The numbered links.
    LinkPGCN,
    LinkPTTN,
    LinkPGN,
    LinkCN,
};

struct Link {
    LinkOp op = LinkOp::None;
    // LinkPGCN: the PGC; LinkPTTN: the chapter; LinkPGN: the program;
    // LinkCN: the cell. 0 for the sub-instructions.
    std::uint16_t number = 0;
    // The button to highlight, 1..36; 0 keeps the highlight. LinkPGCN has
    // no button field.
    std::uint8_t button = 0;
    bool operator==(const Link&) const = default;
};

enum class JumpOp : std::uint8_t {
    None,
    Exit,
    JumpTT,
    JumpVTS_TT,
    JumpVTS_PTT,
    JumpSS_FP,
    JumpSS_VMGM_Menu,
    JumpSS_VTSM,
    JumpSS_VMGM_PGC,
    CallSS_FP,
    CallSS_VMGM_Menu,
    CallSS_VTSM,
    CallSS_VMGM_PGC,
};

// The values are the menu id codes of the menu PGCs.
enum class MenuId : std::uint8_t { None = 0, Title = 2, Root = 3, SubPicture = 4, Audio = 5, Angle = 6, Chapter = 7 };

struct Jump {
    JumpOp op = JumpOp::None;
    // JumpTT: the title of the disc; JumpVTS_TT, JumpVTS_PTT and JumpSS_VTSM:
    // the title in the title set.
    std::uint8_t title = 0;
    std::uint16_t chapter = 0; // JumpVTS_PTT
    std::uint8_t vts = 0;      // JumpSS_VTSM: the title set
    MenuId menu = MenuId::None; // JumpSS/CallSS to a VMGM or VTSM menu
    std::uint16_t pgc = 0;     // JumpSS_VMGM_PGC, CallSS_VMGM_PGC
    // CallSS: the cell RSM comes back to; 0 comes back where the call was.
    std::uint8_t resumeCell = 0;
    bool operator==(const Jump&) const = default;
};

enum class FaultKind : std::uint8_t {
    None,
    // An opcode or option value with no meaning: the fields it would have
    // chosen are left empty, and the command cannot be run.
    Unassigned,
    // The opcodes are known but the command breaks a rule: bits outside its
    // fields are set, a number lies outside its range, a register code names
    // no register or two parts share bytes that only one may use. The fields
    // hold what the bits say.
    Reserved,
};

// The first fault found, with the byte it was found in.
struct Fault {
    FaultKind kind = FaultKind::None;
    std::uint8_t byte = 0;  // 0..7
    std::uint8_t value = 0; // that byte as stored
    std::string_view reason; // a static text
    bool operator==(const Fault&) const = default;
};

// Parts a form does not have stay at their defaults (op None), so two
// decodes of the same bytes compare equal.
struct Command {
    CommandForm form = CommandForm::Special;
    Condition condition;
    Special special;
    GprmSet set;
    SystemSet system;
    Link link;
    Jump jump;
    Fault fault;
    bool operator==(const Command&) const = default;
};

inline bool isLegal(const Command& command)
{
    return command.fault.kind == FaultKind::None;
}

// Whether a part runs always or only when the condition holds.
enum class Gate : std::uint8_t { Always, IfCondition };

// The action (special instruction, GPRM set or system set): conditional in
// every form but SetCompareLink, where the set runs first and the condition
// is then tested on its result.
constexpr Gate actionGate(CommandForm form)
{
    return form == CommandForm::SetCompareLink ? Gate::Always : Gate::IfCondition;
}

// The link or jump: conditional in every form but CompareSetThenLink.
constexpr Gate transferGate(CommandForm form)
{
    return form == CommandForm::CompareSetThenLink ? Gate::Always : Gate::IfCondition;
}

}
