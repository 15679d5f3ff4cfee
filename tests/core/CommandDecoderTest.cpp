#include "core/CommandDecoder.h"

#include "core/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace trevalo::core;

namespace {

CommandBytes bytesOf(std::string_view hex)
{
    CommandBytes bytes {};
    std::istringstream in { std::string(hex) };
    for (std::uint8_t& byte : bytes) {
        unsigned value = 0;
        in >> std::hex >> value;
        byte = static_cast<std::uint8_t>(value);
    }
    return bytes;
}

Operand imm(unsigned value) { return { OperandKind::Immediate, static_cast<std::uint16_t>(value) }; }
Operand gprm(unsigned n) { return { OperandKind::Gprm, static_cast<std::uint16_t>(n) }; }
Operand sprm(unsigned n) { return { OperandKind::Sprm, static_cast<std::uint16_t>(n) }; }
Link linkOf(LinkOp op, unsigned number = 0, unsigned button = 0)
{
    return { op, static_cast<std::uint16_t>(number), static_cast<std::uint8_t>(button) };
}
StreamSetting stream(Operand value) { return { StreamChange::Set, value }; }

// The expected command, part by part.
struct Make {
    Command command;

    explicit Make(CommandForm form) { command.form = form; }
    Make& when(CompareOp op, Operand left, Operand right)
    {
        command.condition = { op, left, right };
        return *this;
    }
    Make& special(SpecialOp op, unsigned line = 0, unsigned level = 0)
    {
        command.special = { op, static_cast<std::uint8_t>(line), static_cast<std::uint8_t>(level) };
        return *this;
    }
    Make& set(SetOp op, unsigned target, Operand source)
    {
        command.set = { op, static_cast<std::uint8_t>(target), source };
        return *this;
    }
    Make& system(const SystemSet& set)
    {
        command.system = set;
        return *this;
    }
    Make& link(LinkOp op, unsigned number = 0, unsigned button = 0)
    {
        command.link = linkOf(op, number, button);
        return *this;
    }
    Make& jump(const Jump& jump)
    {
        command.jump = jump;
        return *this;
    }
    operator Command() const { return command; }
};

SystemSet systemSet(SystemSetOp op, Operand value, unsigned pgc = 0, unsigned target = 0,
    GprmMode mode = GprmMode::Register)
{
    SystemSet set;
    set.op = op;
    set.value = value;
    set.pgc = static_cast<std::uint16_t>(pgc);
    set.gprm = static_cast<std::uint8_t>(target);
    set.mode = mode;
    return set;
}

SystemSet setSTN(StreamSetting audio, StreamSetting subPicture, StreamSetting angle, OperandKind values)
{
    SystemSet set;
    set.op = SystemSetOp::SetSTN;
    set.audio = audio;
    set.subPicture = subPicture;
    set.angle = angle;
    set.streamValues = values;
    return set;
}

struct Case {
    std::string_view bytes;
    Command command;
    std::string_view line;
};

void expectCases(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        const Command decoded = decode(bytesOf(c.bytes));
        EXPECT_EQ(decoded, c.command) << c.bytes << " reads " << commandLine(decoded);
        EXPECT_EQ(commandLine(decoded), c.line) << c.bytes;
    }
}

Make special() { return Make(CommandForm::Special); }
Make linking() { return Make(CommandForm::Link); }
Make jumping() { return Make(CommandForm::JumpCall); }
Make systemSetting() { return Make(CommandForm::SetSystem); }
Make setting() { return Make(CommandForm::Set); }

}

TEST(CommandDecoder, SpecialInstructions)
{
    expectCases({
        { "00 00 00 00 00 00 00 00", special().special(SpecialOp::Nop), "Nop" },
        { "00 A1 00 03 00 05 00 07", special().when(CompareOp::EQ, gprm(3), imm(5)).special(SpecialOp::Goto, 7),
            "if ( gprm(3) == 5 ) Goto 7" },
        { "00 31 00 0E 00 88 00 02", special().when(CompareOp::NE, gprm(14), sprm(8)).special(SpecialOp::Goto, 2),
            "if ( gprm(14) != sprm(8:HL_BTNN) ) Goto 2" },
        { "00 91 00 02 80 00 00 04", special().when(CompareOp::BC, gprm(2), imm(32768)).special(SpecialOp::Goto, 4),
            "if ( gprm(2) & 32768 ) Goto 4" },
        { "00 F2 00 81 00 01 00 00", special().when(CompareOp::LT, sprm(1), imm(1)).special(SpecialOp::Break),
            "if ( sprm(1:ASTN) < 1 ) Break" },
        { "00 03 00 00 00 00 05 09", special().special(SpecialOp::SetTmpPML, 9, 5), "SetTmpPML 5, Goto 9" },
    });
}

TEST(CommandDecoder, Links)
{
    expectCases({
        { "20 01 00 00 00 00 00 10", linking().link(LinkOp::RSM), "RSM" },
        { "20 01 00 00 00 00 08 01", linking().link(LinkOp::LinkTopC, 0, 2), "LinkTopC (button 2)" },
        { "20 01 00 00 00 00 04 00", linking().link(LinkOp::LinkNoLink, 0, 1), "LinkNoLink (button 1)" },
        { "20 04 00 00 00 00 7F FF", linking().link(LinkOp::LinkPGCN, 32767), "LinkPGCN 32767" },
        { "20 05 00 00 00 00 0B E7", linking().link(LinkOp::LinkPTTN, 999, 2), "LinkPTTN 999 (button 2)" },
        { "20 06 00 00 00 00 90 63", linking().link(LinkOp::LinkPGN, 99, 36), "LinkPGN 99 (button 36)" },
        { "20 07 00 00 00 00 0C 03", linking().link(LinkOp::LinkCN, 3, 3), "LinkCN 3 (button 3)" },
        { "20 C4 00 05 00 07 00 03", linking().when(CompareOp::GE, gprm(5), imm(7)).link(LinkOp::LinkPGCN, 3),
            "if ( gprm(5) >= 7 ) LinkPGCN 3" },
        { "20 D1 00 05 FF FF 00 0D", linking().when(CompareOp::GT, gprm(5), imm(65535)).link(LinkOp::LinkTailPGC),
            "if ( gprm(5) > 65535 ) LinkTailPGC" },
    });
}

TEST(CommandDecoder, JumpsAndCalls)
{
    expectCases({
        { "30 01 00 00 00 00 00 00", jumping().jump({ .op = JumpOp::Exit }), "Exit" },
        { "30 02 00 00 00 63 00 00", jumping().jump({ .op = JumpOp::JumpTT, .title = 99 }), "JumpTT 99" },
        { "30 03 00 00 00 01 00 00", jumping().jump({ .op = JumpOp::JumpVTS_TT, .title = 1 }), "JumpVTS_TT 1" },
        { "30 05 03 E7 00 02 00 00", jumping().jump({ .op = JumpOp::JumpVTS_PTT, .title = 2, .chapter = 999 }),
            "JumpVTS_PTT (ttn 2, ptt 999)" },
        { "30 06 00 00 00 00 00 00", jumping().jump({ .op = JumpOp::JumpSS_FP }), "JumpSS FP" },
        { "30 06 00 00 00 42 00 00", jumping().jump({ .op = JumpOp::JumpSS_VMGM_Menu, .menu = MenuId::Title }),
            "JumpSS VMGM menu Title" },
        { "30 06 00 01 02 83 00 00",
            jumping().jump({ .op = JumpOp::JumpSS_VTSM, .title = 1, .vts = 2, .menu = MenuId::Root }),
            "JumpSS VTSM (vts 2, ttn 1, menu Root)" },
        { "30 06 00 63 63 87 00 00",
            jumping().jump({ .op = JumpOp::JumpSS_VTSM, .title = 99, .vts = 99, .menu = MenuId::Chapter }),
            "JumpSS VTSM (vts 99, ttn 99, menu Chapter)" },
        { "30 06 7F FF 00 C0 00 00", jumping().jump({ .op = JumpOp::JumpSS_VMGM_PGC, .pgc = 32767 }),
            "JumpSS VMGM PGC 32767" },
        { "30 08 00 00 05 00 00 00", jumping().jump({ .op = JumpOp::CallSS_FP, .resumeCell = 5 }),
            "CallSS FP, resume cell 5" },
        { "30 08 00 00 01 42 00 00",
            jumping().jump({ .op = JumpOp::CallSS_VMGM_Menu, .menu = MenuId::Title, .resumeCell = 1 }),
            "CallSS VMGM menu Title, resume cell 1" },
        { "30 08 00 00 00 84 00 00", jumping().jump({ .op = JumpOp::CallSS_VTSM, .menu = MenuId::SubPicture }),
            "CallSS VTSM menu Sub-picture" },
        { "30 08 00 03 FF C0 00 00", jumping().jump({ .op = JumpOp::CallSS_VMGM_PGC, .pgc = 3, .resumeCell = 255 }),
            "CallSS VMGM PGC 3, resume cell 255" },
        { "30 22 00 00 00 04 02 88",
            jumping().when(CompareOp::EQ, gprm(2), sprm(8)).jump({ .op = JumpOp::JumpTT, .title = 4 }),
            "if ( gprm(2) == sprm(8:HL_BTNN) ) JumpTT 4" },
    });
}

TEST(CommandDecoder, SystemSets)
{
    const OperandKind immediates = OperandKind::Immediate;
    expectCases({
        { "51 00 00 82 C5 00 00 00", systemSetting().system(setSTN(stream(imm(2)), stream(imm(0x45)), {}, immediates)),
            "SetSTN audio=2 subp=5 on" },
        { "51 00 00 00 85 83 00 00", systemSetting().system(setSTN({}, stream(imm(5)), stream(imm(3)), immediates)),
            "SetSTN subp=5 off angle=3" },
        { "41 00 00 81 82 83 00 00",
            systemSetting().system(setSTN(stream(gprm(1)), stream(gprm(2)), stream(gprm(3)), OperandKind::Gprm)),
            "SetSTN audio=gprm(1) subp=gprm(2) angle=gprm(3)" },
        // What the window writes for a SetSTN that changes nothing yet.
        { "51 00 00 00 00 00 00 00", systemSetting().system(setSTN({}, {}, {}, immediates)), "SetSTN (no change)" },
        { "52 00 00 3C 00 05 00 00", systemSetting().system(systemSet(SystemSetOp::SetNVTMR, imm(60), 5)),
            "SetNVTMR 60, PGC 5" },
        { "42 00 00 07 00 00 00 00", systemSetting().system(systemSet(SystemSetOp::SetNVTMR, gprm(7))),
            "SetNVTMR gprm(7), PGC 0" },
        { "53 00 00 64 00 83 00 00",
            systemSetting().system(systemSet(SystemSetOp::SetGPRMMD, imm(100), 0, 3, GprmMode::Counter)),
            "SetGPRMMD gprm(3) = 100 (counter)" },
        { "43 00 00 02 00 05 00 00", systemSetting().system(systemSet(SystemSetOp::SetGPRMMD, gprm(2), 0, 5)),
            "SetGPRMMD gprm(5) = gprm(2) (register)" },
        { "54 00 00 00 04 04 00 00", systemSetting().system(systemSet(SystemSetOp::SetAMXMD, imm(0x0404))),
            "SetAMXMD 0x0404" },
        { "44 00 00 00 00 03 00 00", systemSetting().system(systemSet(SystemSetOp::SetAMXMD, gprm(3))),
            "SetAMXMD gprm(3)" },
        { "56 00 00 00 0C 00 00 00", systemSetting().system(systemSet(SystemSetOp::SetHL_BTN, imm(3072))),
            "SetHL_BTN 3072 (button 3)" },
        { "46 00 00 00 00 02 00 00", systemSetting().system(systemSet(SystemSetOp::SetHL_BTN, gprm(2))),
            "SetHL_BTN gprm(2)" },
        { "56 04 00 00 08 00 00 05",
            systemSetting().system(systemSet(SystemSetOp::SetHL_BTN, imm(2048))).link(LinkOp::LinkPGCN, 5),
            "SetHL_BTN 2048 (button 2); LinkPGCN 5" },
        { "56 01 00 00 04 00 00 10",
            systemSetting().system(systemSet(SystemSetOp::SetHL_BTN, imm(1024))).link(LinkOp::RSM),
            "SetHL_BTN 1024 (button 1); RSM" },
        { "51 30 00 81 00 00 01 83",
            systemSetting().when(CompareOp::NE, gprm(1), sprm(3)).system(setSTN(stream(imm(1)), {}, {}, immediates)),
            "if ( gprm(1) != sprm(3:AGLN) ) SetSTN audio=1" },
    });
}

TEST(CommandDecoder, GprmSets)
{
    expectCases({
        { "71 00 00 0E 00 01 00 00", setting().set(SetOp::Mov, 14, imm(1)), "gprm(14) = 1" },
        { "63 00 00 04 00 02 00 00", setting().set(SetOp::Add, 4, gprm(2)), "gprm(4) += gprm(2)" },
        { "62 00 00 01 00 02 00 00", setting().set(SetOp::Swp, 1, gprm(2)), "gprm(1) <-> gprm(2)" },
        { "74 00 00 05 00 01 00 00", setting().set(SetOp::Sub, 5, imm(1)), "gprm(5) -= 1" },
        { "75 00 00 05 00 03 00 00", setting().set(SetOp::Mul, 5, imm(3)), "gprm(5) *= 3" },
        { "66 00 00 05 00 0F 00 00", setting().set(SetOp::Div, 5, gprm(15)), "gprm(5) /= gprm(15)" },
        { "77 00 00 05 00 0A 00 00", setting().set(SetOp::Mod, 5, imm(10)), "gprm(5) %= 10" },
        { "78 00 00 03 00 06 00 00", setting().set(SetOp::Rnd, 3, imm(6)), "gprm(3) = rnd(6)" },
        { "69 00 00 03 00 81 00 00", setting().set(SetOp::And, 3, sprm(1)), "gprm(3) &= sprm(1:ASTN)" },
        { "7A 00 00 03 80 00 00 00", setting().set(SetOp::Or, 3, imm(0x8000)), "gprm(3) |= 32768" },
        { "6B 00 00 03 00 94 00 00", setting().set(SetOp::Xor, 3, sprm(20)), "gprm(3) ^= sprm(20:REGION)" },
        { "71 A0 02 04 00 05 00 07", setting().when(CompareOp::EQ, gprm(2), imm(7)).set(SetOp::Mov, 4, imm(5)),
            "if ( gprm(2) == 7 ) gprm(4) = 5" },
        { "61 50 8A 04 00 09 00 0B",
            setting().when(CompareOp::GT, sprm(10), gprm(11)).set(SetOp::Mov, 4, gprm(9)),
            "if ( sprm(10:NV_PGCN) > gprm(11) ) gprm(4) = gprm(9)" },
        { "71 07 00 04 00 05 00 03", setting().set(SetOp::Mov, 4, imm(5)).link(LinkOp::LinkCN, 3),
            "gprm(4) = 5; LinkCN 3" },
    });
}

TEST(CommandDecoder, SetCompareLinkForms)
{
    const auto type4 = [] { return Make(CommandForm::SetCompareLink); };
    const auto type5 = [] { return Make(CommandForm::CompareSetLink); };
    const auto type6 = [] { return Make(CommandForm::CompareSetThenLink); };
    expectCases({
        // Type 4 compares the GPRM it has just set.
        { "93 C2 00 01 00 0A 00 09",
            type4().when(CompareOp::GE, gprm(2), imm(10)).set(SetOp::Add, 2, imm(1)).link(LinkOp::LinkTopPGC),
            "gprm(2) += 1; if ( gprm(2) >= 10 ) LinkTopPGC" },
        { "81 02 00 81 00 00 04 00", type4().set(SetOp::Mov, 2, sprm(1)).link(LinkOp::LinkNoLink, 0, 1),
            "gprm(2) = sprm(1:ASTN); LinkNoLink (button 1)" },
        { "A1 20 00 05 00 03 04 0D",
            type5().when(CompareOp::EQ, gprm(5), gprm(3)).set(SetOp::Mov, 0, gprm(0)).link(LinkOp::LinkTailPGC, 0, 1),
            "if ( gprm(5) == gprm(3) ) { gprm(0) = gprm(0); LinkTailPGC (button 1) }" },
        // An immediate source takes bytes 2..3: the compare is of two registers.
        { "B1 34 00 07 02 83 00 10",
            type5().when(CompareOp::NE, gprm(2), sprm(3)).set(SetOp::Mov, 4, imm(7)).link(LinkOp::RSM),
            "if ( gprm(2) != sprm(3:AGLN) ) { gprm(4) = 7; RSM }" },
        { "A3 F1 02 03 00 64 00 02",
            type5().when(CompareOp::LT, gprm(3), imm(100)).set(SetOp::Add, 1, gprm(2)).link(LinkOp::LinkNextC),
            "if ( gprm(3) < 100 ) { gprm(1) += gprm(2); LinkNextC }" },
        { "C1 20 00 00 00 00 00 01",
            type6().when(CompareOp::EQ, gprm(0), gprm(0)).set(SetOp::Mov, 0, gprm(0)).link(LinkOp::LinkTopC),
            "if ( gprm(0) == gprm(0) ) { gprm(0) = gprm(0) } LinkTopC" },
        { "D8 06 00 05 00 00 00 0B", type6().set(SetOp::Rnd, 6, imm(5)).link(LinkOp::LinkPrevPGC),
            "gprm(6) = rnd(5); LinkPrevPGC" },
    });
}

TEST(CommandDecoder, FaultsNameTheByteAndTheReason)
{
    struct FaultCase {
        std::string_view bytes;
        FaultKind kind;
        int byte;
        std::string_view reason;
    };
    const FaultKind unassigned = FaultKind::Unassigned;
    const FaultKind reserved = FaultKind::Reserved;
    const std::vector<FaultCase> cases {
        { "E0 00 00 00 00 00 00 00", unassigned, 0, "unassigned command type 7" },
        { "00 04 00 00 00 00 00 00", unassigned, 1, "unassigned special instruction" },
        { "00 A0 00 03 00 05 00 00", reserved, 1, "a compare with Nop" },
        { "00 80 00 00 00 00 00 00", reserved, 1, "immediate compare flag without a compare" },
        { "00 01 00 00 00 00 00 00", reserved, 7, "line number 0" },
        { "00 01 05 00 00 00 00 07", reserved, 2, "bits outside the command's fields are set" },
        { "01 01 00 00 00 00 00 07", reserved, 0, "bits outside the command's fields are set" },
        { "00 01 00 03 00 05 00 07", reserved, 3, "bits outside the command's fields are set" },
        { "00 03 00 00 00 00 09 01", reserved, 6, "parental level above 8" },
        { "00 A1 00 10 00 05 00 07", reserved, 3, "register code names no GPRM (00..0F) or SPRM (80..97)" },
        { "00 21 00 03 00 98 00 07", reserved, 5, "register code names no GPRM (00..0F) or SPRM (80..97)" },
        { "20 00 00 00 00 00 00 00", unassigned, 1, "unassigned link instruction" },
        { "20 01 00 00 00 00 00 04", unassigned, 7, "unassigned link sub-instruction" },
        { "20 01 00 00 00 00 94 01", reserved, 6, "button number above 36" },
        { "20 01 00 00 00 00 01 01", reserved, 6, "bits outside the command's fields are set" },
        { "20 04 00 00 00 00 80 01", reserved, 6, "bits outside the command's fields are set" },
        { "20 04 00 00 00 00 00 00", reserved, 7, "PGC number 0" },
        { "20 06 00 00 00 00 00 64", reserved, 7, "program number above 99" },
        { "20 07 00 00 00 00 00 00", reserved, 7, "cell number 0" },
        { "30 A2 00 00 00 01 01 02", reserved, 1, "immediate compare in a form that compares two registers" },
        { "30 04 00 00 00 00 00 00", unassigned, 1, "unassigned jump instruction" },
        { "30 02 00 00 00 64 00 00", reserved, 5, "title number above 99" },
        { "30 05 00 00 00 01 00 00", reserved, 3, "chapter number 0" },
        { "30 06 00 00 00 43 00 00", reserved, 5, "the VMGM has only the title menu (2)" },
        { "30 06 00 01 01 82 00 00", reserved, 5, "a VTSM menu id is 3..7" },
        { "30 06 00 00 01 83 00 00", reserved, 3, "title number 0" },
        { "30 06 00 01 64 83 00 00", reserved, 4, "title set number above 99" },
        { "30 08 00 00 00 C0 00 00", reserved, 3, "PGC number 0" },
        { "30 06 00 00 00 0F 00 00", reserved, 5, "bits outside the command's fields are set" },
        { "45 00 00 00 00 00 00 00", unassigned, 0, "unassigned system set operation" },
        { "40 00 00 00 00 00 00 00", reserved, 0, "system set operation 0" },
        { "56 00 00 00 0C 01 00 00", reserved, 5, "highlighted button value is not a multiple of 1024" },
        { "56 00 00 00 94 00 00 00", reserved, 4, "button number above 36" },
        { "41 00 00 90 00 00 00 00", reserved, 3, "bits outside the command's fields are set" },
        { "51 14 00 81 00 00 00 03", reserved, 1, "a compare and a link in one command" },
        { "7C 00 00 00 00 00 00 00", unassigned, 0, "unassigned set operation" },
        { "60 00 00 01 00 02 00 00", reserved, 0, "set operation 0" },
        { "72 00 00 01 00 02 00 00", reserved, 0, "swp needs a GPRM source" },
        { "62 00 00 01 00 82 00 00", reserved, 5, "swp needs a GPRM source" },
        { "71 00 00 14 00 01 00 00", reserved, 3, "bits outside the command's fields are set" },
        { "B1 B4 00 07 02 03 00 10", reserved, 1, "immediate compare in a form that compares two registers" },
        { "81 02 00 00 00 00 00 11", unassigned, 7, "unassigned link sub-instruction" },
    };
    for (const FaultCase& c : cases) {
        const CommandBytes bytes = bytesOf(c.bytes);
        const Command command = decode(bytes);
        EXPECT_EQ(command.fault.kind, c.kind) << c.bytes;
        EXPECT_EQ(command.fault.byte, c.byte) << c.bytes;
        EXPECT_EQ(command.fault.value, bytes[static_cast<std::size_t>(c.byte)]) << c.bytes;
        EXPECT_EQ(command.fault.reason, c.reason) << c.bytes;
        EXPECT_FALSE(isLegal(command)) << c.bytes;
        EXPECT_EQ(commandLine(command).rfind("reserved encoding (byte " + std::to_string(c.byte) + " = 0x", 0), 0u)
            << c.bytes << " reads " << commandLine(command);
    }
}

TEST(CommandDecoder, UnassignedKeepsOnlyFormAndFaultReservedKeepsTheFields)
{
    const Command unassigned = decode(bytesOf("20 01 00 00 00 00 0C 0E"));
    Command formAndFault = linking();
    formAndFault.fault = unassigned.fault;
    EXPECT_EQ(unassigned, formAndFault);
    EXPECT_EQ(commandLine(unassigned), "reserved encoding (byte 7 = 0x0E: unassigned link sub-instruction)");

    const Command reserved = decode(bytesOf("20 04 00 00 00 00 00 00"));
    EXPECT_EQ(reserved.link, linkOf(LinkOp::LinkPGCN, 0));
    EXPECT_EQ(commandLine(reserved), "reserved encoding (byte 7 = 0x00: PGC number 0): LinkPGCN 0");
}

TEST(CommandDecoder, SprmNames)
{
    EXPECT_EQ(sprmName(0), "M_LCD");
    EXPECT_EQ(sprmName(8), "HL_BTNN");
    EXPECT_EQ(sprmName(20), "REGION");
    EXPECT_EQ(sprmName(21), "");
    EXPECT_EQ(sprmName(24), "");
    EXPECT_EQ(sprmName(-1), "");
}
