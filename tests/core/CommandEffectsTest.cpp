#include "core/CommandEffects.h"

#include "core/CommandDecoder.h"
#include "core/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

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

template<typename Mask>
Mask bits(const std::vector<int>& numbers)
{
    Mask mask = 0;
    for (int n : numbers)
        mask = static_cast<Mask>(mask | Mask { 1 } << n);
    return mask;
}

struct Use {
    std::vector<int> gprmReads;
    std::vector<int> gprmWrites;
    std::vector<int> sprmReads;
    std::vector<int> sprmWrites;
};

}

TEST(CommandEffects, RegistersReadAndWritten)
{
    const std::vector<std::pair<std::string_view, Use>> cases {
        { "00 A1 00 03 00 05 00 07", { { 3 }, {}, {}, {} } },                  // if ( gprm(3) == 5 ) Goto 7
        { "00 31 00 0E 00 88 00 02", { { 14 }, {}, { 8 }, {} } },              // if ( gprm(14) != sprm(8) ) Goto 2
        { "71 00 00 0E 00 01 00 00", { {}, { 14 }, {}, {} } },                 // gprm(14) = 1
        { "78 00 00 03 00 06 00 00", { {}, { 3 }, {}, {} } },                  // gprm(3) = rnd(6)
        { "63 00 00 04 00 02 00 00", { { 2, 4 }, { 4 }, {}, {} } },            // gprm(4) += gprm(2)
        { "62 00 00 01 00 02 00 00", { { 1, 2 }, { 1, 2 }, {}, {} } },         // gprm(1) <-> gprm(2)
        { "69 00 00 03 00 81 00 00", { { 3 }, { 3 }, { 1 }, {} } },            // gprm(3) &= sprm(1)
        { "61 50 8A 04 00 09 00 0B", { { 9, 11 }, { 4 }, { 10 }, {} } },       // if ( sprm(10) > gprm(11) ) gprm(4) = gprm(9)
        { "41 00 00 81 82 83 00 00", { { 1, 2, 3 }, {}, {}, { 1, 2, 3 } } },   // SetSTN from GPRMs
        { "51 00 00 00 C5 00 00 00", { {}, {}, {}, { 2 } } },                  // SetSTN subp=5 on
        { "51 00 00 00 00 00 00 00", { {}, {}, {}, {} } },                     // SetSTN (no change)
        { "52 00 00 3C 00 05 00 00", { {}, {}, {}, { 9, 10 } } },              // SetNVTMR 60, PGC 5
        { "43 00 00 02 00 05 00 00", { { 2 }, { 5 }, {}, {} } },               // SetGPRMMD gprm(5) = gprm(2)
        { "54 00 00 00 04 04 00 00", { {}, {}, {}, { 11 } } },                 // SetAMXMD
        { "46 00 00 00 00 02 00 00", { { 2 }, {}, {}, { 8 } } },               // SetHL_BTN gprm(2)
        { "20 01 00 00 00 00 08 01", { {}, {}, {}, { 8 } } },                  // LinkTopC (button 2)
        { "20 04 00 00 00 00 00 06", { {}, {}, {}, {} } },                     // LinkPGCN 6
        { "00 03 00 00 00 00 05 09", { {}, {}, {}, { 13 } } },                 // SetTmpPML 5, Goto 9
        { "93 C2 00 01 00 0A 00 09", { { 2 }, { 2 }, {}, {} } },               // gprm(2) += 1; if ( gprm(2) >= 10 ) ...
        { "B1 34 00 07 02 83 00 10", { { 2 }, { 4 }, { 3 }, {} } },            // if ( gprm(2) != sprm(3) ) { gprm(4) = 7; RSM }
        { "30 22 00 00 00 04 02 88", { { 2 }, {}, { 8 }, {} } },               // if ( gprm(2) == sprm(8) ) JumpTT 4
    };
    for (const auto& [hex, use] : cases) {
        const Command command = decode(bytesOf(hex));
        ASSERT_TRUE(isLegal(command)) << hex << " reads " << commandLine(command);
        const RegisterUse expected { bits<std::uint16_t>(use.gprmReads), bits<std::uint16_t>(use.gprmWrites),
            bits<std::uint32_t>(use.sprmReads), bits<std::uint32_t>(use.sprmWrites) };
        EXPECT_EQ(registerUse(command), expected) << hex << ": " << commandLine(command);
    }
}

TEST(CommandEffects, BranchTargets)
{
    const Invocation call = Invocation::Call;
    const std::vector<std::pair<std::string_view, BranchTarget>> cases {
        { "71 00 00 0E 00 01 00 00", {} },
        { "00 00 00 00 00 00 00 00", {} },
        { "00 A1 00 03 00 05 00 07", { .kind = TargetKind::Line, .number = 7 } },
        { "00 03 00 00 00 00 05 09", { .kind = TargetKind::Line, .number = 9 } },
        { "00 02 00 00 00 00 00 00", { .kind = TargetKind::Break } },
        { "20 01 00 00 00 00 04 00", { .button = 1 } }, // LinkNoLink only highlights
        { "20 01 00 00 00 00 08 01", { .kind = TargetKind::Relative, .relative = LinkOp::LinkTopC, .button = 2 } },
        { "20 01 00 00 00 00 00 10", { .kind = TargetKind::Resume } },
        { "20 04 00 00 00 00 00 06", { .kind = TargetKind::Pgc, .number = 6 } },
        { "20 05 00 00 00 00 0B E7", { .kind = TargetKind::Chapter, .number = 999, .button = 2 } },
        { "20 06 00 00 00 00 90 63", { .kind = TargetKind::Program, .number = 99, .button = 36 } },
        { "20 07 00 00 00 00 0C 03", { .kind = TargetKind::Cell, .number = 3, .button = 3 } },
        { "30 01 00 00 00 00 00 00", { .kind = TargetKind::Exit } },
        { "30 02 00 00 00 63 00 00", { .kind = TargetKind::Title, .number = 99 } },
        { "30 03 00 00 00 01 00 00", { .kind = TargetKind::VtsTitle, .number = 1 } },
        { "30 05 03 E7 00 02 00 00", { .kind = TargetKind::VtsChapter, .number = 999, .title = 2 } },
        { "30 06 00 00 00 00 00 00", { .kind = TargetKind::FirstPlay } },
        { "30 06 00 00 00 42 00 00", { .kind = TargetKind::VmgmMenu, .menu = MenuId::Title } },
        { "30 06 00 01 02 83 00 00", { .kind = TargetKind::VtsMenu, .vts = 2, .title = 1, .menu = MenuId::Root } },
        { "30 06 7F FF 00 C0 00 00", { .kind = TargetKind::VmgmPgc, .number = 32767 } },
        { "30 08 00 00 05 00 00 00", { .kind = TargetKind::FirstPlay, .invocation = call, .resumeCell = 5 } },
        { "30 08 00 00 00 84 00 00", { .kind = TargetKind::VtsMenu, .invocation = call, .menu = MenuId::SubPicture } },
        { "30 08 00 03 01 C0 00 00", { .kind = TargetKind::VmgmPgc, .invocation = call, .number = 3, .resumeCell = 1 } },
        { "56 04 00 00 08 00 00 05", { .kind = TargetKind::Pgc, .number = 5 } },
        { "C1 20 00 00 00 00 00 01", { .kind = TargetKind::Relative, .relative = LinkOp::LinkTopC } },
    };
    for (const auto& [hex, target] : cases) {
        const Command command = decode(bytesOf(hex));
        ASSERT_TRUE(isLegal(command)) << hex << " reads " << commandLine(command);
        EXPECT_EQ(branchTarget(command), target) << hex << ": " << commandLine(command);
    }
}
