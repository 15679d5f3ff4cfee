#include "core/CommandLine.h"

#include <array>
#include <charconv>

namespace trevalo::core {

namespace {

void appendNumber(std::string& out, unsigned value)
{
    char digits[12];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void appendHex(std::string& out, unsigned value, int width)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    out += "0x";
    for (int shift = 4 * (width - 1); shift >= 0; shift -= 4)
        out += digits[value >> shift & 0xF];
}

void appendRegister(std::string& out, std::string_view kind, unsigned number, std::string_view name = {})
{
    out += kind;
    out += '(';
    appendNumber(out, number);
    if (!name.empty()) {
        out += ':';
        out += name;
    }
    out += ')';
}

void appendOperand(std::string& out, const Operand& operand)
{
    switch (operand.kind) {
    case OperandKind::Immediate:
        appendNumber(out, operand.value);
        break;
    case OperandKind::Gprm:
        appendRegister(out, "gprm", operand.value);
        break;
    case OperandKind::Sprm:
        appendRegister(out, "sprm", operand.value, sprmName(operand.value));
        break;
    case OperandKind::Unassigned:
        out += "register ";
        appendHex(out, operand.value, 2);
        break;
    case OperandKind::None:
        break;
    }
}

std::string_view compareSymbol(CompareOp op)
{
    static constexpr std::array<std::string_view, 8> symbols { "", "&", "==", "!=", ">=", ">", "<=", "<" };
    return symbols[static_cast<unsigned>(op) & 7];
}

void appendCondition(std::string& out, const Condition& condition)
{
    out += "if ( ";
    appendOperand(out, condition.left);
    out += ' ';
    out += compareSymbol(condition.op);
    out += ' ';
    appendOperand(out, condition.right);
    out += " )";
}

void appendSpecial(std::string& out, const Special& special)
{
    switch (special.op) {
    case SpecialOp::Nop:
        out += "Nop";
        break;
    case SpecialOp::Goto:
        out += "Goto ";
        appendNumber(out, special.line);
        break;
    case SpecialOp::Break:
        out += "Break";
        break;
    case SpecialOp::SetTmpPML:
        out += "SetTmpPML ";
        appendNumber(out, special.level);
        out += ", Goto ";
        appendNumber(out, special.line);
        break;
    case SpecialOp::None:
        break;
    }
}

std::string_view linkName(LinkOp op)
{
    static constexpr std::array<std::string_view, 18> names { "", "LinkNoLink", "LinkTopC", "LinkNextC", "LinkPrevC",
        "LinkTopPG", "LinkNextPG", "LinkPrevPG", "LinkTopPGC", "LinkNextPGC", "LinkPrevPGC", "LinkGoUpPGC",
        "LinkTailPGC", "RSM", "LinkPGCN", "LinkPTTN", "LinkPGN", "LinkCN" };
    const auto index = static_cast<unsigned>(op);
    return index < names.size() ? names[index] : "";
}

void appendLink(std::string& out, const Link& link)
{
    out += linkName(link.op);
    if (link.op >= LinkOp::LinkPGCN) {
        out += ' ';
        appendNumber(out, link.number);
    }
    if (link.button != 0) {
        out += " (button ";
        appendNumber(out, link.button);
        out += ')';
    }
}

void appendMenu(std::string& out, MenuId menu)
{
    static constexpr std::array<std::string_view, 8> names { "", "", "Title", "Root", "Sub-picture", "Audio",
        "Angle", "Chapter" };
    const auto id = static_cast<unsigned>(menu);
    if (id < names.size() && !names[id].empty()) {
        out += names[id];
    } else {
        out += "id ";
        appendNumber(out, id);
    }
}

void appendJump(std::string& out, const Jump& jump)
{
    switch (jump.op) {
    case JumpOp::Exit:
        out += "Exit";
        return;
    case JumpOp::JumpTT:
        out += "JumpTT ";
        appendNumber(out, jump.title);
        return;
    case JumpOp::JumpVTS_TT:
        out += "JumpVTS_TT ";
        appendNumber(out, jump.title);
        return;
    case JumpOp::JumpVTS_PTT:
        out += "JumpVTS_PTT (ttn ";
        appendNumber(out, jump.title);
        out += ", ptt ";
        appendNumber(out, jump.chapter);
        out += ')';
        return;
    case JumpOp::JumpSS_FP:
        out += "JumpSS FP";
        return;
    case JumpOp::JumpSS_VMGM_Menu:
        out += "JumpSS VMGM menu ";
        appendMenu(out, jump.menu);
        return;
    case JumpOp::JumpSS_VTSM:
        out += "JumpSS VTSM (vts ";
        appendNumber(out, jump.vts);
        out += ", ttn ";
        appendNumber(out, jump.title);
        out += ", menu ";
        appendMenu(out, jump.menu);
        out += ')';
        return;
    case JumpOp::JumpSS_VMGM_PGC:
        out += "JumpSS VMGM PGC ";
        appendNumber(out, jump.pgc);
        return;
    case JumpOp::CallSS_FP:
        out += "CallSS FP";
        break;
    case JumpOp::CallSS_VMGM_Menu:
        out += "CallSS VMGM menu ";
        appendMenu(out, jump.menu);
        break;
    case JumpOp::CallSS_VTSM:
        out += "CallSS VTSM menu ";
        appendMenu(out, jump.menu);
        break;
    case JumpOp::CallSS_VMGM_PGC:
        out += "CallSS VMGM PGC ";
        appendNumber(out, jump.pgc);
        break;
    case JumpOp::None:
        return;
    }
    if (jump.resumeCell != 0) {
        out += ", resume cell ";
        appendNumber(out, jump.resumeCell);
    }
}

void appendGprmSet(std::string& out, const GprmSet& set)
{
    static constexpr std::array<std::string_view, 12> operators { "", " = ", " <-> ", " += ", " -= ", " *= ", " /= ",
        " %= ", " = rnd(", " &= ", " |= ", " ^= " };
    const auto op = static_cast<unsigned>(set.op);
    if (set.op == SetOp::None || op >= operators.size()) {
        out += "no set";
        return;
    }
    appendRegister(out, "gprm", set.gprm);
    out += operators[op];
    appendOperand(out, set.source);
    if (set.op == SetOp::Rnd)
        out += ')';
}

void appendStream(std::string& out, std::string_view name, const StreamSetting& stream, bool subPicture)
{
    if (stream.change != StreamChange::Set)
        return;
    out += ' ';
    out += name;
    out += '=';
    if (subPicture && stream.value.kind == OperandKind::Immediate) {
        appendNumber(out, stream.value.value & 0x3F);
        out += (stream.value.value & 0x40) != 0 ? " on" : " off";
    } else {
        appendOperand(out, stream.value);
    }
}

void appendSystemSet(std::string& out, const SystemSet& set)
{
    switch (set.op) {
    case SystemSetOp::SetSTN:
        out += "SetSTN";
        if (set.audio.change == StreamChange::Keep && set.subPicture.change == StreamChange::Keep
            && set.angle.change == StreamChange::Keep) {
            out += " (no change)";
            return;
        }
        appendStream(out, "audio", set.audio, false);
        appendStream(out, "subp", set.subPicture, true);
        appendStream(out, "angle", set.angle, false);
        return;
    case SystemSetOp::SetNVTMR:
        out += "SetNVTMR ";
        appendOperand(out, set.value);
        out += ", PGC ";
        appendNumber(out, set.pgc);
        return;
    case SystemSetOp::SetGPRMMD:
        out += "SetGPRMMD ";
        appendRegister(out, "gprm", set.gprm);
        out += " = ";
        appendOperand(out, set.value);
        out += set.mode == GprmMode::Counter ? " (counter)" : " (register)";
        return;
    case SystemSetOp::SetAMXMD:
        out += "SetAMXMD ";
        if (set.value.kind == OperandKind::Immediate)
            appendHex(out, set.value.value, 4);
        else
            appendOperand(out, set.value);
        return;
    case SystemSetOp::SetHL_BTN:
        out += "SetHL_BTN ";
        appendOperand(out, set.value);
        if (set.value.kind == OperandKind::Immediate) {
            out += " (button ";
            appendNumber(out, set.value.value >> 10);
            out += ')';
        }
        return;
    case SystemSetOp::None:
        out += "no system set";
        return;
    }
}

void appendAction(std::string& out, const Command& command)
{
    if (command.form == CommandForm::SetSystem)
        appendSystemSet(out, command.system);
    else
        appendGprmSet(out, command.set);
}

bool conditional(const Command& command)
{
    return command.condition.op != CompareOp::None;
}

void appendBody(std::string& out, const Command& command)
{
    const auto prefix = [&] {
        if (conditional(command)) {
            appendCondition(out, command.condition);
            out += ' ';
        }
    };
    switch (command.form) {
    case CommandForm::Special:
        prefix();
        appendSpecial(out, command.special);
        return;
    case CommandForm::Link:
        prefix();
        appendLink(out, command.link);
        return;
    case CommandForm::JumpCall:
        prefix();
        appendJump(out, command.jump);
        return;
    case CommandForm::SetSystem:
    case CommandForm::Set:
        prefix();
        appendAction(out, command);
        if (command.link.op != LinkOp::None) {
            out += "; ";
            appendLink(out, command.link);
        }
        return;
    case CommandForm::SetCompareLink:
        appendAction(out, command);
        out += "; ";
        prefix();
        appendLink(out, command.link);
        return;
    case CommandForm::CompareSetLink:
    case CommandForm::CompareSetThenLink:
        if (!conditional(command)) {
            appendAction(out, command);
            out += "; ";
            appendLink(out, command.link);
            return;
        }
        prefix();
        out += "{ ";
        appendAction(out, command);
        if (command.form == CommandForm::CompareSetLink) {
            out += "; ";
            appendLink(out, command.link);
            out += " }";
        } else {
            out += " } ";
            appendLink(out, command.link);
        }
        return;
    case CommandForm::Unassigned:
        return;
    }
}

}

std::string_view sprmName(int n)
{
    static constexpr std::array<std::string_view, 24> names { "M_LCD", "ASTN", "SPSTN", "AGLN", "TTN", "VTS_TTN",
        "TT_PGCN", "PTTN", "HL_BTNN", "NVTMR", "NV_PGCN", "AMXMD", "CC_PLT", "PLT", "P_CFG_VIDEO", "P_CFG_AUDIO",
        "INI_LCD_AST", "INI_LCD_EXT_AST", "INI_LCD_SPST", "INI_LCD_EXT_SPST", "REGION", "", "", "" };
    return n >= 0 && n < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(n)] : std::string_view();
}

std::string commandLine(const Command& command)
{
    std::string out;
    out.reserve(64);
    const Fault& fault = command.fault;
    if (fault.kind != FaultKind::None) {
        out += "reserved encoding (byte ";
        appendNumber(out, fault.byte);
        out += " = ";
        appendHex(out, fault.value, 2);
        out += ": ";
        out += fault.reason;
        out += ')';
        if (fault.kind == FaultKind::Unassigned)
            return out;
        out += ": ";
    }
    appendBody(out, command);
    return out;
}

}
