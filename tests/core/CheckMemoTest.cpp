#include "core/CheckMemo.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace trevalo::core {
namespace {

const std::string first_play = "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}";
const std::string menu = "{00 B1 00 0E 00 00 00 00} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
                         "{51 00 00 84 00 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}";
const std::string other_menu = "{00 B1 00 0E 00 00 00 00} {71 00 00 0E 00 01 00 00} {71 00 00 13 00 05 00 00} "
                               "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}";
const std::string imported = "{71 00 00 03 00 05 00 00}\r\n{71 00 00 0E 00 05 00 00}\r\n{71 00 00 00 30 39 00 00}";

// An input with findings of every half: the import sets the guard register,
// the menu block names a stream that is there and a register that is not.
CheckInput base()
{
    CheckInput input;
    input.imported = imported;
    input.domain = "VTSM";
    input.blocks = { { "First Play PGC", first_play }, { "VTSM 1 Root Menu", menu } };
    return input;
}

// The memo answers exactly as a fresh check would, whichever single field
// changes between two events, and after any run of changes.
TEST(CheckMemoTest, AnswersAsAFreshCheckWhateverChanges)
{
    const std::vector<std::function<void(CheckInput&)>> changes = {
        [](CheckInput&) {},
        [](CheckInput& in) { in.guard_register = 3; },
        [](CheckInput& in) { in.all_registers = true; },
        [](CheckInput& in) { in.all_registers = true, in.marker = 12345; },
        [](CheckInput& in) { in.imported = ""; },
        [](CheckInput& in) { in.imported = std::string_view(imported).substr(0, 26); },
        [](CheckInput& in) { in.domain = "VMGM"; },
        [](CheckInput& in) { in.blocks[1].text = other_menu; },
        [](CheckInput& in) { in.blocks[1].name = "VTSM 2 Root Menu"; },
        [](CheckInput& in) { in.blocks[0].text = menu; },
        [](CheckInput& in) { in.blocks.push_back({ "VTSM 1 Chapter Menu", menu }), in.menu_block = 2; },
        [](CheckInput& in) { in.blocks.push_back({ "VTSM 1 Chapter Menu", menu }), in.domain = "VMGM"; },
        [](CheckInput& in) { in.blocks.pop_back(); },
    };
    CheckMemo memo;
    for (std::size_t from = 0; from < changes.size(); ++from) {
        for (std::size_t to = 0; to < changes.size(); ++to) {
            CheckInput before = base();
            changes[from](before);
            CheckInput after = base();
            changes[to](after);
            EXPECT_EQ(memo.findings(before), checkBlocks(before)) << "change " << from;
            EXPECT_EQ(memo.findings(after), checkBlocks(after)) << "change " << from << " then " << to;
        }
    }
}

// A memo keeps copies: the texts it was asked about may change in place
// after the call without the next answer coming from the old findings.
TEST(CheckMemoTest, ATextChangedInPlaceIsCheckedAgain)
{
    std::string block = menu;
    CheckInput input = base();
    input.blocks[1].text = block;
    CheckMemo memo;
    const std::vector<Finding> before = memo.findings(input);
    block.replace(block.find("{71 00 00 03"), 12, "{71 00 00 13");
    const std::vector<Finding> after = memo.findings(input);
    EXPECT_EQ(after, checkBlocks(input));
    EXPECT_NE(after, before);
}

}
}
