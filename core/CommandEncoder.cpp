#include "core/CommandEncoder.h"

#include "core/CommandDecoder.h"

namespace trevalo::core {

namespace {

// Packs the fields where the decoder reads them and leaves every check to
// the decoder: encode() keeps the bytes only when they decode to the command
// it was given. A field too wide for its place spills into bits the decoder
// refuses or comes back different, so nothing needs checking twice.
class Packer {
public:
    CommandBytes bytes {};

    void put(int byte, unsigned value) { bytes[byte] |= static_cast<std::uint8_t>(value); }

    void putWord(int byte, unsigned value)
    {
        put(byte, value >> 8 & 0xFF);
        put(byte + 1, value & 0xFF);
    }

    void putRegister(int byte, const Operand& operand)
    {
        if (operand.kind == OperandKind::Gprm)
            put(byte, operand.value);
        else if (operand.kind == OperandKind::Sprm)
            put(byte, 0x80 + operand.value);
        else
            m_fits = false;
    }

    void putWordOrRegister(int byte, const Operand& operand)
    {
        if (operand.kind == OperandKind::Immediate)
            putWord(byte, operand.value);
        else
            putRegister(byte + 1, operand);
    }

    // Byte 1's compare fields.
    void putCompare(const Condition& condition)
    {
        put(1, static_cast<unsigned>(condition.op) << 4);
        if (condition.right.kind == OperandKind::Immediate)
            put(1, 0x80);
    }

    // The compare with its left register in one byte and its right operand
    // in a word.
    void putRegisterWordCompare(const Condition& condition, int leftByte, int rightByte)
    {
        putCompare(condition);
        if (condition.op == CompareOp::None)
            return;
        putRegister(leftByte, condition.left);
        putWordOrRegister(rightByte, condition.right);
    }

    void putRegisterPairCompare(const Condition& condition, int leftByte)
    {
        putCompare(condition);
        if (condition.op == CompareOp::None)
            return;
        putRegister(leftByte, condition.left);
        putRegister(leftByte + 1, condition.right);
    }

    // The link's data in bytes 6..7; gives the link instruction's code for
    // byte 1 (0: no link).
    unsigned putLink(const Link& link)
    {
        static constexpr std::uint8_t sub_codes[] = { 0, 0, 1, 2, 3, 5, 6, 7, 9, 10, 11, 12, 13, 16 };
        const auto op = static_cast<unsigned>(link.op);
        switch (link.op) {
        case LinkOp::None:
            return 0;
        case LinkOp::LinkPGCN:
            putWord(6, link.number);
            return 4;
        case LinkOp::LinkPTTN:
            put(6, link.button << 2 | link.number >> 8);
            put(7, link.number & 0xFF);
            return 5;
        case LinkOp::LinkPGN:
        case LinkOp::LinkCN:
            put(6, link.button << 2);
            put(7, link.number);
            return link.op == LinkOp::LinkPGN ? 6 : 7;
        default:
            if (op >= sizeof sub_codes)
                m_fits = false;
            else
                put(7, sub_codes[op]);
            put(6, link.button << 2);
            return 1;
        }
    }

    bool fits() const { return m_fits; }
    void refuse() { m_fits = false; }

private:
    bool m_fits = true;
};

void packSpecial(Packer& packer, const Command& command)
{
    packer.putRegisterWordCompare(command.condition, 3, 4);
    const Special& special = command.special;
    switch (special.op) {
    case SpecialOp::Nop:
        break;
    case SpecialOp::Goto:
        packer.put(1, 1);
        packer.put(7, special.line);
        break;
    case SpecialOp::Break:
        packer.put(1, 2);
        break;
    case SpecialOp::SetTmpPML:
        packer.put(1, 3);
        packer.put(6, special.level);
        packer.put(7, special.line);
        break;
    case SpecialOp::None:
        packer.refuse();
        break;
    }
}

void packJump(Packer& packer, const Command& command)
{
    packer.put(0, 0x30);
    packer.putRegisterPairCompare(command.condition, 6);
    const Jump& jump = command.jump;
    const auto where = [&](unsigned target) { packer.put(5, target << 6 | static_cast<unsigned>(jump.menu)); };
    switch (jump.op) {
    case JumpOp::Exit:
        packer.put(1, 1);
        break;
    case JumpOp::JumpTT:
    case JumpOp::JumpVTS_TT:
        packer.put(1, jump.op == JumpOp::JumpTT ? 2 : 3);
        packer.put(5, jump.title);
        break;
    case JumpOp::JumpVTS_PTT:
        packer.put(1, 5);
        packer.putWord(2, jump.chapter);
        packer.put(5, jump.title);
        break;
    case JumpOp::JumpSS_FP:
    case JumpOp::JumpSS_VMGM_Menu:
    case JumpOp::JumpSS_VTSM:
    case JumpOp::JumpSS_VMGM_PGC: {
        const unsigned target = static_cast<unsigned>(jump.op) - static_cast<unsigned>(JumpOp::JumpSS_FP);
        packer.put(1, 6);
        where(target);
        if (jump.op == JumpOp::JumpSS_VTSM) {
            packer.put(3, jump.title);
            packer.put(4, jump.vts);
        } else if (jump.op == JumpOp::JumpSS_VMGM_PGC) {
            packer.putWord(2, jump.pgc);
        }
        break;
    }
    case JumpOp::CallSS_FP:
    case JumpOp::CallSS_VMGM_Menu:
    case JumpOp::CallSS_VTSM:
    case JumpOp::CallSS_VMGM_PGC: {
        const unsigned target = static_cast<unsigned>(jump.op) - static_cast<unsigned>(JumpOp::CallSS_FP);
        packer.put(1, 8);
        where(target);
        packer.put(4, jump.resumeCell);
        if (jump.op == JumpOp::CallSS_VMGM_PGC)
            packer.putWord(2, jump.pgc);
        break;
    }
    case JumpOp::None:
        packer.refuse();
        break;
    }
}

void packSystemSet(Packer& packer, const Command& command)
{
    const SystemSet& set = command.system;
    static constexpr std::uint8_t codes[] = { 0, 1, 2, 3, 4, 6 };
    const auto op = static_cast<unsigned>(set.op);
    if (op >= sizeof codes) {
        packer.refuse();
        return;
    }
    packer.put(0, 0x40 | codes[op]);
    packer.putRegisterPairCompare(command.condition, 6);
    const bool immediate = set.op == SystemSetOp::SetSTN ? set.streamValues == OperandKind::Immediate
                                                          : set.value.kind == OperandKind::Immediate;
    if (immediate)
        packer.put(0, 0x10);
    switch (set.op) {
    case SystemSetOp::SetSTN: {
        int byte = 3;
        for (const StreamSetting* stream : { &set.audio, &set.subPicture, &set.angle }) {
            if (stream->change == StreamChange::Set)
                packer.put(byte, 0x80 | stream->value.value);
            ++byte;
        }
        break;
    }
    case SystemSetOp::SetNVTMR:
        packer.putWordOrRegister(2, set.value);
        packer.putWord(4, set.pgc);
        break;
    case SystemSetOp::SetGPRMMD:
        packer.putWordOrRegister(2, set.value);
        packer.put(5, (set.mode == GprmMode::Counter ? 0x80 : 0x00) | set.gprm);
        break;
    case SystemSetOp::SetAMXMD:
    case SystemSetOp::SetHL_BTN:
        packer.putWordOrRegister(4, set.value);
        break;
    case SystemSetOp::None:
        packer.refuse();
        break;
    }
    packer.put(1, packer.putLink(command.link));
}

// The set operation of types 3..6 in byte 0, with the immediate flag.
void putSetOperation(Packer& packer, unsigned type, const GprmSet& set)
{
    packer.put(0, type << 5 | static_cast<unsigned>(set.op));
    if (set.source.kind == OperandKind::Immediate)
        packer.put(0, 0x10);
}

void packSet(Packer& packer, const Command& command)
{
    putSetOperation(packer, 3, command.set);
    packer.putRegisterWordCompare(command.condition, 2, 6);
    packer.put(3, command.set.gprm);
    packer.putWordOrRegister(4, command.set.source);
    packer.put(1, packer.putLink(command.link));
}

void packSetCompareLink(Packer& packer, const Command& command, unsigned type)
{
    const GprmSet& set = command.set;
    putSetOperation(packer, type, set);
    packer.put(1, set.gprm);
    if (type == 4) {
        packer.putWordOrRegister(2, set.source);
        packer.putCompare(command.condition);
        if (command.condition.op != CompareOp::None)
            packer.putWordOrRegister(4, command.condition.right);
    } else if (set.source.kind == OperandKind::Immediate) {
        packer.putWord(2, set.source.value);
        packer.putRegisterPairCompare(command.condition, 4);
    } else {
        packer.putRegister(2, set.source);
        packer.putRegisterWordCompare(command.condition, 3, 4);
    }
    // Types 4..6 always carry a sub-instruction; a numbered link cannot be.
    if (packer.putLink(command.link) != 1)
        packer.refuse();
}

}

std::optional<CommandBytes> encode(const Command& command)
{
    if (!isLegal(command))
        return std::nullopt;
    Packer packer;
    switch (command.form) {
    case CommandForm::Special:
        packSpecial(packer, command);
        break;
    case CommandForm::Link:
        packer.put(0, 0x20);
        packer.putRegisterWordCompare(command.condition, 3, 4);
        packer.put(1, packer.putLink(command.link));
        break;
    case CommandForm::JumpCall:
        packJump(packer, command);
        break;
    case CommandForm::SetSystem:
        packSystemSet(packer, command);
        break;
    case CommandForm::Set:
        packSet(packer, command);
        break;
    case CommandForm::SetCompareLink:
        packSetCompareLink(packer, command, 4);
        break;
    case CommandForm::CompareSetLink:
        packSetCompareLink(packer, command, 5);
        break;
    case CommandForm::CompareSetThenLink:
        packSetCompareLink(packer, command, 6);
        break;
    case CommandForm::Unassigned:
        return std::nullopt;
    }
    if (!packer.fits() || decode(packer.bytes) != command)
        return std::nullopt;
    return packer.bytes;
}

}
