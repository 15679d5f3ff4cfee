#include "core/Block.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace trevalo::core;

namespace {
const std::string twoCommands = "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}";
const std::string threeCommands = "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}";
}

TEST(BlockPositions, CountsAndCommands)
{
    EXPECT_EQ(twoCommands.size(), 51u);
    EXPECT_EQ(commandCount(twoCommands), 2);
    EXPECT_EQ(commandCount(twoCommands + " "), 2);
    EXPECT_EQ(commandCount(""), 0);
    EXPECT_EQ(commandCount("{{ {"), 3);
    EXPECT_EQ(command(twoCommands, 1), "{00 02 00 00 00 00 00 00}");
    EXPECT_EQ(command(twoCommands, 2), "{00 00 00 00 00 00 00 00}");
    EXPECT_EQ(twoCommands.substr(26, 1), "{");
    EXPECT_EQ(command(twoCommands, 3), "");
    EXPECT_EQ(command("{00 02 00", 1), "{00 02 00");
    EXPECT_EQ(command(twoCommands, 0), "");
    EXPECT_EQ(command(twoCommands, -1), "");
}

// The count works on eight characters at a time in runs of 255 words;
// texts of every length around those steps, packed with braces or holding
// bytes with the top bit set, count as a plain byte-wise count does.
TEST(BlockPositions, CountMatchesAByteWiseCountOnLongTexts)
{
    const std::string packed(2040 * 3 + 5, '{');
    for (std::size_t length : { 7u, 8u, 9u, 2039u, 2040u, 2041u, 4087u, 6125u }) {
        const std::string_view text(packed.data(), length);
        EXPECT_EQ(commandCount(text), static_cast<int>(length)) << length;
    }
    std::string mixed;
    for (int i = 0; i < 20000; ++i)
        mixed += static_cast<char>((i * 7919 + i / 13) % 256);
    for (std::size_t length : { 1u, 8u, 2040u, 2047u, 20000u }) {
        const std::string_view text(mixed.data(), length);
        EXPECT_EQ(commandCount(text), static_cast<int>(std::count(text.begin(), text.end(), '{'))) << length;
    }
}

TEST(BlockPositions, BytesAndIdentity)
{
    EXPECT_EQ(byteOf(twoCommands, 1, 2), "02");
    EXPECT_EQ(byteOf(threeCommands, 1, 4), "0E");
    EXPECT_EQ(byteOf(threeCommands, 1, 8), "03");
    EXPECT_EQ(byteOf(threeCommands, 2, 5), "01");
    EXPECT_EQ(byteOf(threeCommands, 2, 6), "83");
    EXPECT_EQ(byteOf(twoCommands, 3, 8), "");
    EXPECT_EQ(byteOf("{00 02 00 00 0", 1, 5), "0");
    EXPECT_EQ(byteOf(threeCommands, 1, 0), "");
    EXPECT_EQ(byteOf(threeCommands, 1, 9), "");
    EXPECT_EQ(byteOf(threeCommands, 0, 1), "");
    EXPECT_EQ(byteOf(threeCommands, 2147483647, 8), "");

    EXPECT_EQ(identity(threeCommands, 1), "00 B1");
    EXPECT_EQ(identity(threeCommands, 2), "30 06");
    EXPECT_EQ(identity(threeCommands, 3), "00 00");
    EXPECT_EQ(identity(threeCommands, 4), "");
    EXPECT_EQ(identity("{51 0", 1), "51 0");
    EXPECT_EQ(identity(threeCommands, 0), "");
}

TEST(BlockPositions, FirstCommandsKeepsWholeCommandsWithTheirBlanks)
{
    EXPECT_EQ(firstCommands(threeCommands, 1), "{00 B1 00 0E 00 00 00 03} ");
    EXPECT_EQ(firstCommands(threeCommands, 2), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} ");
    EXPECT_EQ(firstCommands(threeCommands, 3), threeCommands);
    EXPECT_EQ(firstCommands(threeCommands, 50), threeCommands);
    EXPECT_EQ(firstCommands(threeCommands, 2147483647), threeCommands);
    EXPECT_EQ(firstCommands(threeCommands, 0), "");
    EXPECT_EQ(firstCommands(threeCommands, -1), "");
}

TEST(BlockPatching, ReplaceByteTouchesOnlyItsTwoCharacters)
{
    std::string block = threeCommands;
    EXPECT_TRUE(replaceByte(block, 1, 8, "13"));
    EXPECT_TRUE(replaceByte(block, 2, 5, "0A"));
    EXPECT_TRUE(replaceByte(block, 3, 1, "FF"));
    EXPECT_EQ(block, "{00 B1 00 0E 00 00 00 13} {30 06 00 01 0A 83 00 00} {FF 00 00 00 00 00 00 00}");

    std::string trailing = twoCommands + " ";
    EXPECT_TRUE(replaceByte(trailing, 2, 8, "0E"));
    EXPECT_EQ(trailing, "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 0E} ");
}

TEST(BlockPatching, ReplaceByteRefusesAndLeavesTheBlock)
{
    std::string block = threeCommands;
    for (const char* code : { "0e", "E", "", "013", " E", "GG", "-1" })
        EXPECT_FALSE(replaceByte(block, 1, 4, code)) << code;
    EXPECT_FALSE(replaceByte(block, 4, 1, "01"));
    EXPECT_FALSE(replaceByte(block, 0, 1, "01"));
    EXPECT_FALSE(replaceByte(block, 1, 0, "01"));
    EXPECT_FALSE(replaceByte(block, 1, 9, "01"));
    EXPECT_FALSE(replaceByte(block, 2147483647, 8, "01"));
    EXPECT_EQ(block, threeCommands);

    std::string cut = "{00 B1 00 0E 00 00 00 0";
    EXPECT_FALSE(replaceByte(cut, 1, 8, "13"));
    EXPECT_EQ(cut, "{00 B1 00 0E 00 00 00 0");
    EXPECT_TRUE(replaceByte(cut, 1, 7, "12"));
    EXPECT_EQ(cut, "{00 B1 00 0E 00 00 12 0");

    std::string empty;
    EXPECT_FALSE(replaceByte(empty, 1, 1, "00"));
    EXPECT_EQ(empty, "");
}

TEST(BlockCommands, IsCommandAcceptsOnlyTheWrittenForm)
{
    EXPECT_TRUE(isCommand("{00 B1 00 0E 00 00 00 03}"));
    EXPECT_TRUE(isCommand(nop));
    EXPECT_TRUE(isCommand(break_command));
    EXPECT_TRUE(isCommand("{FF AB CD EF 12 34 56 78}"));
    for (const char* bad : { "", "{00 B1 00 0e 00 00 00 03}", "{00 B1 00 0E 00 00 00 03} ", " {00 B1 00 0E 00 00 00 03}",
             "{00 B1 00 0E 00 00 00 3}", "{00 B1 00 0E 00 00 00 003", "(00 B1 00 0E 00 00 00 03)",
             "{00B1 00 0E 00 00 00 03 }", "{00 B1 00 0E 00 00 00 G3}", "{00 B1 00 0E 00 00 00}" })
        EXPECT_FALSE(isCommand(bad)) << bad;
}

// Every character of a command changed to every byte value: accepted
// exactly when an upper-case hex digit stays one, a blank a blank and a
// brace the same brace.
TEST(BlockCommands, IsCommandJudgesEveryPositionAndEveryByte)
{
    const std::string good = "{00 B1 00 0E 00 00 00 03}";
    for (std::size_t at = 0; at < good.size(); ++at) {
        for (int value = 0; value < 256; ++value) {
            std::string changed = good;
            changed[at] = static_cast<char>(value);
            const char c = changed[at];
            bool expected;
            if (at == 0 || at + 1 == good.size())
                expected = c == good[at];
            else if (at % 3 == 0)
                expected = c == ' ';
            else
                expected = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
            ASSERT_EQ(isCommand(changed), expected) << "position " << at << ", byte " << value;
        }
    }
}

TEST(BlockCommands, BreakAndNopComposeTheClosingPair)
{
    const std::string block = std::string(break_command) + " " + std::string(nop);
    EXPECT_EQ(block, twoCommands);
    EXPECT_EQ(block.size(), static_cast<std::size_t>(command_stride) * 2 - 1);
}
