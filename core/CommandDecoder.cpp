#include "core/CommandDecoder.h"

#include <bit>

namespace trevalo::core {

namespace {

// Ranges the fields may take, beyond what their widths allow.
constexpr unsigned highest_button = 36;
constexpr unsigned highest_title = 99;
constexpr unsigned highest_program = 99;
constexpr unsigned highest_chapter = 999;
constexpr unsigned highest_level = 8;
constexpr unsigned button_shift = 10; // SPRM 8 holds the button number x 1024

// Reads fields and remembers which bits it read, so that whatever is left
// over can be refused at the end; keeps the first fault. The command is held
// as one 64-bit word, byte 0 at the top, which keeps the bookkeeping to a few
// shifts: the machine decodes every command it runs.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t, 8> bytes)
        : m_bytes(bytes)
    {
        for (std::uint8_t byte : bytes)
            m_word = m_word << 8 | byte;
    }

    unsigned bits(int byte, std::uint8_t mask)
    {
        const int shift = 56 - 8 * byte;
        m_used |= std::uint64_t { mask } << shift;
        return static_cast<unsigned>(m_word >> shift) & mask;
    }

    unsigned byte(int byte) { return bits(byte, 0xFF); }

    unsigned word(int byte) { return this->byte(byte) << 8 | this->byte(byte + 1); }

    bool flag(int byte, std::uint8_t mask) { return bits(byte, mask) != 0; }

    void fail(FaultKind kind, int byte, std::string_view reason)
    {
        if (m_fault.kind == FaultKind::None)
            m_fault = { kind, static_cast<std::uint8_t>(byte), m_bytes[static_cast<std::size_t>(byte)], reason };
    }

    void reserved(int byte, std::string_view reason) { fail(FaultKind::Reserved, byte, reason); }

    // A number field that counts from 1 up to highest.
    void checkNumber(unsigned value, unsigned highest, int byte, std::string_view zero, std::string_view tooHigh)
    {
        if (value == 0)
            reserved(byte, zero);
        else if (value > highest)
            reserved(byte, tooHigh);
    }

    bool unassigned() const { return m_fault.kind == FaultKind::Unassigned; }

    // The fault of the whole command, once every field has been read: the
    // first byte with a bit no field took, unless something came first.
    Fault finish()
    {
        const std::uint64_t stray = m_word & ~m_used;
        if (stray != 0)
            reserved(std::countl_zero(stray) / 8, "bits outside the command's fields are set");
        return m_fault;
    }

private:
    std::span<const std::uint8_t, 8> m_bytes;
    std::uint64_t m_word = 0;
    std::uint64_t m_used = 0;
    Fault m_fault;
};

// A register code of a whole byte: a GPRM or an SPRM.
Operand registerOperand(Reader& reader, int byte)
{
    const unsigned code = reader.byte(byte);
    if (code < 0x10)
        return { OperandKind::Gprm, static_cast<std::uint16_t>(code) };
    if (code >= 0x80 && code < 0x98)
        return { OperandKind::Sprm, static_cast<std::uint16_t>(code - 0x80) };
    reader.reserved(byte, "register code names no GPRM (00..0F) or SPRM (80..97)");
    return { OperandKind::Unassigned, static_cast<std::uint16_t>(code) };
}

// A GPRM in the low nibble of a byte; the high nibble is left unread, so a
// bit there is refused.
Operand gprmNibble(Reader& reader, int byte)
{
    return { OperandKind::Gprm, static_cast<std::uint16_t>(reader.bits(byte, 0x0F)) };
}

Operand immediateWord(Reader& reader, int byte)
{
    return { OperandKind::Immediate, static_cast<std::uint16_t>(reader.word(byte)) };
}

// The value a 16-bit field gives: an immediate, or a register in its low byte.
Operand wordOrRegister(Reader& reader, bool immediate, int byte)
{
    return immediate ? immediateWord(reader, byte) : registerOperand(reader, byte + 1);
}

// As above, with a GPRM only in the low nibble of the low byte.
Operand wordOrGprm(Reader& reader, bool immediate, int byte)
{
    return immediate ? immediateWord(reader, byte) : gprmNibble(reader, byte + 1);
}

// Byte 1's compare fields: the immediate flag (bit 7) and the operation.
struct CompareFields {
    CompareOp op;
    bool immediate;
};

CompareFields compareFields(Reader& reader)
{
    const bool immediate = reader.flag(1, 0x80);
    const auto op = static_cast<CompareOp>(reader.bits(1, 0x70) >> 4);
    if (op == CompareOp::None && immediate)
        reader.reserved(1, "immediate compare flag without a compare");
    return { op, immediate };
}

// Left register in one byte, right operand in a word (immediate) or in the
// word's low byte (register): types 0 and 1 (bytes 3, 4..5) and type 3
// (bytes 2, 6..7).
Condition registerWordCondition(Reader& reader, int leftByte, int rightByte)
{
    const CompareFields fields = compareFields(reader);
    if (fields.op == CompareOp::None)
        return {};
    return { fields.op, registerOperand(reader, leftByte), wordOrRegister(reader, fields.immediate, rightByte) };
}

// Two registers in two bytes, no immediate: the jumps and the system sets
// (bytes 6 and 7), types 5 and 6 with an immediate set (bytes 4 and 5).
Condition registerPairCondition(Reader& reader, int leftByte)
{
    const CompareFields fields = compareFields(reader);
    if (fields.immediate)
        reader.reserved(1, "immediate compare in a form that compares two registers");
    if (fields.op == CompareOp::None)
        return {};
    return { fields.op, registerOperand(reader, leftByte), registerOperand(reader, leftByte + 1) };
}

unsigned button(Reader& reader)
{
    const unsigned value = reader.bits(6, 0xFC) >> 2;
    if (value > highest_button)
        reader.reserved(6, "button number above 36");
    return value;
}

// The link sub-instruction in bytes 6 (button) and 7 (operation).
Link linkSubInstruction(Reader& reader)
{
    static constexpr LinkOp table[32] = {
        LinkOp::LinkNoLink, LinkOp::LinkTopC, LinkOp::LinkNextC, LinkOp::LinkPrevC, LinkOp::None, LinkOp::LinkTopPG,
        LinkOp::LinkNextPG, LinkOp::LinkPrevPG, LinkOp::None, LinkOp::LinkTopPGC, LinkOp::LinkNextPGC,
        LinkOp::LinkPrevPGC, LinkOp::LinkGoUpPGC, LinkOp::LinkTailPGC, LinkOp::None, LinkOp::None, LinkOp::RSM,
    };
    const LinkOp op = table[reader.bits(7, 0x1F)];
    if (op == LinkOp::None) {
        reader.fail(FaultKind::Unassigned, 7, "unassigned link sub-instruction");
        return {};
    }
    return { op, 0, static_cast<std::uint8_t>(button(reader)) };
}

// The link instruction of byte 1's low nibble, with its data in bytes 6..7.
Link link(Reader& reader, unsigned op)
{
    switch (op) {
    case 1:
        return linkSubInstruction(reader);
    case 4: {
        const unsigned pgc = reader.bits(6, 0x7F) << 8 | reader.byte(7);
        if (pgc == 0)
            reader.reserved(7, "PGC number 0");
        return { LinkOp::LinkPGCN, static_cast<std::uint16_t>(pgc), 0 };
    }
    case 5: {
        const unsigned chapter = reader.bits(6, 0x03) << 8 | reader.byte(7);
        const unsigned highlight = button(reader);
        reader.checkNumber(chapter, highest_chapter, 7, "chapter number 0", "chapter number above 999");
        return { LinkOp::LinkPTTN, static_cast<std::uint16_t>(chapter), static_cast<std::uint8_t>(highlight) };
    }
    case 6: {
        const unsigned program = reader.bits(7, 0x7F);
        const unsigned highlight = button(reader);
        reader.checkNumber(program, highest_program, 7, "program number 0", "program number above 99");
        return { LinkOp::LinkPGN, static_cast<std::uint16_t>(program), static_cast<std::uint8_t>(highlight) };
    }
    case 7: {
        const unsigned cell = reader.byte(7);
        const unsigned highlight = button(reader);
        if (cell == 0)
            reader.reserved(7, "cell number 0");
        return { LinkOp::LinkCN, static_cast<std::uint16_t>(cell), static_cast<std::uint8_t>(highlight) };
    }
    default:
        reader.fail(FaultKind::Unassigned, 1, "unassigned link instruction");
        return {};
    }
}

void checkTitle(Reader& reader, unsigned title, int byte)
{
    reader.checkNumber(title, highest_title, byte, "title number 0", "title number above 99");
}

unsigned pgcWord(Reader& reader, int byte)
{
    const unsigned pgc = reader.bits(byte, 0x7F) << 8 | reader.byte(byte + 1);
    if (pgc == 0)
        reader.reserved(byte + 1, "PGC number 0");
    return pgc;
}

// Byte 5's target of JumpSS and CallSS: bits 7..6 say where, bits 3..0 which
// menu.
void systemSpaceTarget(Reader& reader, Jump& jump, bool call)
{
    const unsigned where = reader.bits(5, 0xC0) >> 6;
    static constexpr JumpOp jumps[] = { JumpOp::JumpSS_FP, JumpOp::JumpSS_VMGM_Menu, JumpOp::JumpSS_VTSM,
        JumpOp::JumpSS_VMGM_PGC };
    static constexpr JumpOp calls[] = { JumpOp::CallSS_FP, JumpOp::CallSS_VMGM_Menu, JumpOp::CallSS_VTSM,
        JumpOp::CallSS_VMGM_PGC };
    jump.op = call ? calls[where] : jumps[where];
    if (call)
        jump.resumeCell = static_cast<std::uint8_t>(reader.byte(4));
    switch (where) {
    case 1:
        jump.menu = static_cast<MenuId>(reader.bits(5, 0x0F));
        if (jump.menu != MenuId::Title)
            reader.reserved(5, "the VMGM has only the title menu (2)");
        break;
    case 2:
        jump.menu = static_cast<MenuId>(reader.bits(5, 0x0F));
        if (jump.menu < MenuId::Root || jump.menu > MenuId::Chapter)
            reader.reserved(5, "a VTSM menu id is 3..7");
        if (!call) {
            jump.title = static_cast<std::uint8_t>(reader.byte(3));
            jump.vts = static_cast<std::uint8_t>(reader.byte(4));
            checkTitle(reader, jump.title, 3);
            reader.checkNumber(jump.vts, highest_title, 4, "title set number 0", "title set number above 99");
        }
        break;
    case 3:
        jump.pgc = static_cast<std::uint16_t>(pgcWord(reader, 2));
        break;
    default:
        break;
    }
}

void jumpCall(Reader& reader, Command& command)
{
    command.form = CommandForm::JumpCall;
    reader.bits(0, 0xF0);
    command.condition = registerPairCondition(reader, 6);
    Jump& jump = command.jump;
    switch (reader.bits(1, 0x0F)) {
    case 1:
        jump.op = JumpOp::Exit;
        break;
    case 2:
    case 3:
        jump.op = reader.bits(1, 0x0F) == 2 ? JumpOp::JumpTT : JumpOp::JumpVTS_TT;
        jump.title = static_cast<std::uint8_t>(reader.bits(5, 0x7F));
        checkTitle(reader, jump.title, 5);
        break;
    case 5:
        jump.op = JumpOp::JumpVTS_PTT;
        jump.title = static_cast<std::uint8_t>(reader.bits(5, 0x7F));
        jump.chapter = static_cast<std::uint16_t>(reader.bits(2, 0x03) << 8 | reader.byte(3));
        checkTitle(reader, jump.title, 5);
        reader.checkNumber(jump.chapter, highest_chapter, 3, "chapter number 0", "chapter number above 999");
        break;
    case 6:
        systemSpaceTarget(reader, jump, false);
        break;
    case 8:
        systemSpaceTarget(reader, jump, true);
        break;
    default:
        reader.fail(FaultKind::Unassigned, 1, "unassigned jump instruction");
        break;
    }
}

void special(Reader& reader, Command& command)
{
    command.form = CommandForm::Special;
    reader.bits(0, 0xE0);
    command.condition = registerWordCondition(reader, 3, 4);
    Special& special = command.special;
    switch (reader.bits(1, 0x0F)) {
    case 0:
        special.op = SpecialOp::Nop;
        if (command.condition.op != CompareOp::None)
            reader.reserved(1, "a compare with Nop");
        break;
    case 1:
        special.op = SpecialOp::Goto;
        special.line = static_cast<std::uint8_t>(reader.byte(7));
        if (special.line == 0)
            reader.reserved(7, "line number 0");
        break;
    case 2:
        special.op = SpecialOp::Break;
        break;
    case 3:
        special.op = SpecialOp::SetTmpPML;
        special.level = static_cast<std::uint8_t>(reader.bits(6, 0x0F));
        special.line = static_cast<std::uint8_t>(reader.byte(7));
        reader.checkNumber(special.level, highest_level, 6, "parental level 0", "parental level above 8");
        if (special.line == 0)
            reader.reserved(7, "line number 0");
        break;
    default:
        reader.fail(FaultKind::Unassigned, 1, "unassigned special instruction");
        break;
    }
}

void linkCommand(Reader& reader, Command& command)
{
    command.form = CommandForm::Link;
    reader.bits(0, 0xF0);
    command.condition = registerWordCondition(reader, 3, 4);
    command.link = link(reader, reader.bits(1, 0x0F));
}

// Byte 1's low nibble in types 2 and 3: a link in bytes 6..7, unless bytes
// 6..7 hold the compare's operand instead.
void optionalLink(Reader& reader, Command& command)
{
    const unsigned op = reader.bits(1, 0x0F);
    if (op == 0)
        return;
    if (command.condition.op != CompareOp::None)
        reader.reserved(1, "a compare and a link in one command");
    command.link = link(reader, op);
}

void checkSetOp(Reader& reader, SetOp op)
{
    if (op == SetOp::None)
        reader.reserved(0, "set operation 0");
}

void systemSet(Reader& reader, Command& command)
{
    command.form = CommandForm::SetSystem;
    const bool immediate = reader.flag(0, 0x10);
    const unsigned op = reader.bits(0, 0xEF);
    command.condition = registerPairCondition(reader, 6);
    SystemSet& set = command.system;
    switch (op & 0x0F) {
    case 0:
        reader.reserved(0, "system set operation 0");
        break;
    case 1:
        set.op = SystemSetOp::SetSTN;
        set.streamValues = immediate ? OperandKind::Immediate : OperandKind::Gprm;
        for (int byte = 3; byte <= 5; ++byte) {
            StreamSetting& stream = byte == 3 ? set.audio : byte == 4 ? set.subPicture : set.angle;
            if (!reader.flag(byte, 0x80))
                continue;
            stream.change = StreamChange::Set;
            stream.value = immediate ? Operand { OperandKind::Immediate, static_cast<std::uint16_t>(reader.bits(byte, 0x7F)) }
                                     : gprmNibble(reader, byte);
        }
        break;
    case 2:
        set.op = SystemSetOp::SetNVTMR;
        set.value = wordOrGprm(reader, immediate, 2);
        set.pgc = static_cast<std::uint16_t>(reader.bits(4, 0x7F) << 8 | reader.byte(5));
        break;
    case 3:
        set.op = SystemSetOp::SetGPRMMD;
        set.value = wordOrGprm(reader, immediate, 2);
        set.mode = reader.flag(5, 0x80) ? GprmMode::Counter : GprmMode::Register;
        set.gprm = static_cast<std::uint8_t>(reader.bits(5, 0x0F));
        break;
    case 4:
        set.op = SystemSetOp::SetAMXMD;
        set.value = wordOrGprm(reader, immediate, 4);
        break;
    case 6:
        set.op = SystemSetOp::SetHL_BTN;
        set.value = wordOrGprm(reader, immediate, 4);
        if (immediate) {
            const unsigned value = set.value.value;
            if ((value & ((1u << button_shift) - 1)) != 0)
                reader.reserved(5, "highlighted button value is not a multiple of 1024");
            reader.checkNumber(value >> button_shift, highest_button, 4, "button number 0", "button number above 36");
        }
        break;
    default:
        reader.fail(FaultKind::Unassigned, 0, "unassigned system set operation");
        return;
    }
    optionalLink(reader, command);
}

// The operation of byte 0 (bit 4: immediate source); 12..15 are unassigned.
bool setOperation(Reader& reader, GprmSet& set, bool& immediate)
{
    immediate = reader.flag(0, 0x10);
    const unsigned op = reader.bits(0, 0x0F);
    reader.bits(0, 0xE0);
    if (op > static_cast<unsigned>(SetOp::Xor)) {
        reader.fail(FaultKind::Unassigned, 0, "unassigned set operation");
        return false;
    }
    set.op = static_cast<SetOp>(op);
    checkSetOp(reader, set.op);
    return true;
}

// Swp exchanges two GPRMs, so its source can be nothing else.
void checkSource(Reader& reader, const GprmSet& set, int byte)
{
    if (set.op == SetOp::Swp && set.source.kind != OperandKind::Gprm)
        reader.reserved(byte, "swp needs a GPRM source");
}

void gprmSet(Reader& reader, Command& command)
{
    command.form = CommandForm::Set;
    bool immediate = false;
    if (!setOperation(reader, command.set, immediate))
        return;
    command.condition = registerWordCondition(reader, 2, 6);
    command.set.gprm = static_cast<std::uint8_t>(reader.bits(3, 0x0F));
    command.set.source = wordOrRegister(reader, immediate, 4);
    checkSource(reader, command.set, immediate ? 0 : 5);
    optionalLink(reader, command);
}

// Types 4, 5 and 6: a set of the GPRM in byte 1's low nibble, a compare and a
// link sub-instruction.
void setCompareLink(Reader& reader, Command& command, CommandForm form)
{
    command.form = form;
    bool immediate = false;
    if (!setOperation(reader, command.set, immediate))
        return;
    GprmSet& set = command.set;
    set.gprm = static_cast<std::uint8_t>(reader.bits(1, 0x0F));
    if (form == CommandForm::SetCompareLink) {
        // The set's source in bytes 2..3; the compare tests the set GPRM.
        set.source = wordOrRegister(reader, immediate, 2);
        const CompareFields fields = compareFields(reader);
        if (fields.op != CompareOp::None)
            command.condition = { fields.op, { OperandKind::Gprm, set.gprm }, wordOrRegister(reader, fields.immediate, 4) };
    } else if (immediate) {
        // An immediate source takes bytes 2..3, so the compare takes two
        // registers in bytes 4 and 5.
        set.source = immediateWord(reader, 2);
        command.condition = registerPairCondition(reader, 4);
    } else {
        set.source = registerOperand(reader, 2);
        command.condition = registerWordCondition(reader, 3, 4);
    }
    checkSource(reader, set, immediate ? 0 : (form == CommandForm::SetCompareLink ? 3 : 2));
    command.link = linkSubInstruction(reader);
}

}

Command decode(std::span<const std::uint8_t, 8> bytes)
{
    Reader reader(bytes);
    Command command;
    switch (bytes[0] >> 5) {
    case 0:
        special(reader, command);
        break;
    case 1:
        if ((bytes[0] & 0x10) != 0)
            jumpCall(reader, command);
        else
            linkCommand(reader, command);
        break;
    case 2:
        systemSet(reader, command);
        break;
    case 3:
        gprmSet(reader, command);
        break;
    case 4:
        setCompareLink(reader, command, CommandForm::SetCompareLink);
        break;
    case 5:
        setCompareLink(reader, command, CommandForm::CompareSetLink);
        break;
    case 6:
        setCompareLink(reader, command, CommandForm::CompareSetThenLink);
        break;
    default:
        command.form = CommandForm::Unassigned;
        reader.fail(FaultKind::Unassigned, 0, "unassigned command type 7");
        break;
    }
    // What the other fields of a command with an unassigned opcode would
    // mean depends on that opcode: it keeps only its form and its fault.
    if (reader.unassigned()) {
        const CommandForm form = command.form;
        command = {};
        command.form = form;
    }
    command.fault = reader.finish();
    return command;
}

}
