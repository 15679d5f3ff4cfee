#include "core/CommandListing.h"

#include <gtest/gtest.h>

using namespace trevalo::core;

namespace {

std::string listing(std::string_view block)
{
    return DecodeCommands(block, "Root Menu");
}

}

TEST(CommandListing, FirstPlayBlock)
{
    EXPECT_EQ(listing("{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}"),
        "[00 B1 00 0E 00 00 00 03]  1  if ( gprm(14) != 0 ) then { Goto line 3 }\r\n"
        "[30 06 00 01 01 83 00 00]  2  (JumpSS) Jump to VTSM 1, Root Menu (TTN 1)\r\n"
        "[00 00 00 00 00 00 00 00]  3  NOP\r\n"
        "\r\n");
}

TEST(CommandListing, EachKind)
{
    EXPECT_EQ(listing("{00 B1 00 00 30 39 00 13}"),
        "[00 B1 00 00 30 39 00 13]  1  if ( gprm(0) != 12345 ) then { Goto line 19 }\r\n\r\n");
    EXPECT_EQ(listing("{71 00 00 0E 00 01 00 00}"), "[71 00 00 0E 00 01 00 00]  1  Set gprm(14) =(mov) 1\r\n\r\n");
    EXPECT_EQ(listing("{20 07 00 00 00 00 00 01}"), "[20 07 00 00 00 00 00 01]  1  LinkCN Cell 1\r\n\r\n");
    EXPECT_EQ(listing("{30 02 00 00 00 0C 00 00}"), "[30 02 00 00 00 0C 00 00]  1  (JumpTT) Jump to Title 12\r\n\r\n");
    EXPECT_EQ(DecodeCommands("{30 06 00 01 03 84 00 00}", "Sub-Picture Menu"),
        "[30 06 00 01 03 84 00 00]  1  (JumpSS) Jump to VTSM 3, Sub-Picture Menu (TTN 1)\r\n\r\n");
    EXPECT_EQ(listing("{30 06 00 0A 00 C0 00 00}"),
        "[30 06 00 0A 00 C0 00 00]  1  (JumpSS) Jump to VMGM PGC 10\r\n\r\n");
    EXPECT_EQ(listing("{00 00 00 00 00 00 00 00}"), "[00 00 00 00 00 00 00 00]  1  NOP\r\n\r\n");
    EXPECT_EQ(listing("{00 02 00 00 00 00 00 00}"), "[00 02 00 00 00 00 00 00]  1  Break\r\n\r\n");
    EXPECT_EQ(listing("{20 04 00 00 00 00 00 06}"), "[20 04 00 00 00 00 00 06]  1  LinkPGCN PGC 6\r\n\r\n");
    EXPECT_EQ(listing("{56 00 00 00 0C 00 00 00}"),
        "[56 00 00 00 0C 00 00 00]  1  (SetHL_BTN) Set Highlighted Button =(mov) 3072 (button 3)\r\n\r\n");
}

TEST(CommandListing, NumbersAreDecimalAndBigEndian)
{
    EXPECT_EQ(listing("{00 B1 00 FF FF FF 00 FF}"),
        "[00 B1 00 FF FF FF 00 FF]  1  if ( gprm(255) != 65535 ) then { Goto line 255 }\r\n\r\n");
    EXPECT_EQ(listing("{71 00 00 09 01 00 00 00}"), "[71 00 00 09 01 00 00 00]  1  Set gprm(9) =(mov) 256\r\n\r\n");
    EXPECT_EQ(listing("{20 04 00 00 00 00 01 02}"), "[20 04 00 00 00 00 01 02]  1  LinkPGCN PGC 258\r\n\r\n");
    EXPECT_EQ(listing("{56 00 00 00 90 00 00 00}"),
        "[56 00 00 00 90 00 00 00]  1  (SetHL_BTN) Set Highlighted Button =(mov) 36864 (button 36)\r\n\r\n");
    // A button byte outside the table still lists, with an empty button number.
    EXPECT_EQ(listing("{56 00 00 00 05 00 00 00}"),
        "[56 00 00 00 05 00 00 00]  1  (SetHL_BTN) Set Highlighted Button =(mov) 1280 (button )\r\n\r\n");
}

TEST(CommandListing, StreamParts)
{
    EXPECT_EQ(listing("{51 00 00 82 C5 00 00 00}"),
        "[51 00 00 82 C5 00 00 00]  1  (SetSTN) Set Audio stream = 2 ; Set Sub-picture stream = 5, on ; \r\n\r\n");
    EXPECT_EQ(listing("{51 00 00 00 BF 83 00 00}"),
        "[51 00 00 00 BF 83 00 00]  1  (SetSTN) Set Sub-picture stream = 62 :not set ; Set Angle = 3\r\n\r\n");
    EXPECT_EQ(listing("{51 00 00 00 BE 00 00 00}"),
        "[51 00 00 00 BE 00 00 00]  1  (SetSTN) Set Sub-picture stream = 62 :not set ; \r\n\r\n");
    EXPECT_EQ(listing("{51 00 00 00 FF 00 00 00}"),
        "[51 00 00 00 FF 00 00 00]  1  (SetSTN) Set Sub-picture stream = 63 :forced ; \r\n\r\n");
    EXPECT_EQ(listing("{51 00 00 00 00 00 00 00}"), "[51 00 00 00 00 00 00 00]  1  (SetSTN) \r\n\r\n");
    EXPECT_EQ(listing("{51 00 00 87 9F 89 00 00}"),
        "[51 00 00 87 9F 89 00 00]  1  (SetSTN) Set Audio stream = 7 ; Set Sub-picture stream = 31, off ; "
        "Set Angle = 9\r\n\r\n");
    EXPECT_EQ(listing("{51 00 00 00 D0 00 00 00}"),
        "[51 00 00 00 D0 00 00 00]  1  (SetSTN) Set Sub-picture stream = 16, on ; \r\n\r\n");
    EXPECT_EQ(listing("{51 00 00 00 85 00 00 00}"),
        "[51 00 00 00 85 00 00 00]  1  (SetSTN) Set Sub-picture stream = 5, off ; \r\n\r\n");
    // A sub-picture byte starting with another digit and not "FF" adds nothing.
    EXPECT_EQ(listing("{51 00 00 00 7F 00 00 00}"), "[51 00 00 00 7F 00 00 00]  1  (SetSTN) \r\n\r\n");
    // Each line reads its own command only.
    EXPECT_EQ(listing("{51 00 00 81 C0 00 00 00} {51 00 00 00 00 83 00 00}"),
        "[51 00 00 81 C0 00 00 00]  1  (SetSTN) Set Audio stream = 1 ; Set Sub-picture stream = 0, on ; \r\n"
        "[51 00 00 00 00 83 00 00]  2  (SetSTN) Set Angle = 3\r\n"
        "\r\n");
}

TEST(CommandListing, LabelsTurnTwoDigitAtTen)
{
    std::string block;
    for (int i = 0; i < 11; ++i)
        block += "{00 02 00 00 00 00 00 00} ";
    const std::string text = listing(block);
    EXPECT_NE(text.find("[00 02 00 00 00 00 00 00]  1  Break\r\n[00 02 00 00 00 00 00 00]  2  Break\r\n"), std::string::npos);
    EXPECT_NE(text.find("[00 02 00 00 00 00 00 00]  9  Break\r\n"
                        "[00 02 00 00 00 00 00 00] 10  Break\r\n"
                        "[00 02 00 00 00 00 00 00] 11  Break\r\n"
                        "\r\n"),
        std::string::npos);
    EXPECT_EQ(text.size(), 11u * 37 + 2); // eleven lines of 37 characters and the closing CR LF
}

TEST(CommandListing, UnrecognisedCommandsUseUpTheirNumber)
{
    EXPECT_EQ(listing("{00 00 00 05 00 00 00 00} {10 00 00 00 00 00 00 00} {00 02 00 00 00 00 00 00}"),
        "[00 02 00 00 00 00 00 00]  3  Break\r\n\r\n");
    // Only bytes 3 and 4 decide a NOP.
    EXPECT_EQ(listing("{00 00 05 00 00 00 00 00} {00 00 00 00 00 01 00 00}"),
        "[00 00 00 00 00 01 00 00]  2  NOP\r\n\r\n");
    // Bytes 1 and 2 are compared exactly.
    EXPECT_EQ(listing("{00 b1 00 0E 00 00 00 03} {71 01 00 0E 00 01 00 00}"), "\r\n");
}

TEST(CommandListing, EmptyAndTrailingBlankBlocks)
{
    EXPECT_EQ(listing(""), "\r\n");
    EXPECT_EQ(listing("{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00} "),
        "[00 02 00 00 00 00 00 00]  1  Break\r\n"
        "[00 00 00 00 00 00 00 00]  2  NOP\r\n"
        "\r\n");
    // A stray "{" past the last command names nothing.
    EXPECT_EQ(listing("{00 02 00 00 00 00 00 00} {"), "[00 02 00 00 00 00 00 00]  1  Break\r\n\r\n");
}

TEST(CommandListing, UnreadableFieldsShowQuestionMarks)
{
    EXPECT_EQ(listing("{00 B1 00 0G 00 00 00 03}"),
        "[00 B1 00 0G 00 00 00 03]  1  if ( gprm(?) != 0 ) then { Goto line 3 }\r\n\r\n");
    EXPECT_EQ(listing("{71 00 00 0e 00 0x 00 00}"), "[71 00 00 0e 00 0x 00 00]  1  Set gprm(?) =(mov) ?\r\n\r\n");
    EXPECT_EQ(listing("{20 04 00 00 00 00 G0 06}"), "[20 04 00 00 00 00 G0 06]  1  LinkPGCN PGC ?\r\n\r\n");
    EXPECT_EQ(listing("{30 06 00 01 0z 83 00 00}"),
        "[30 06 00 01 0z 83 00 00]  1  (JumpSS) Jump to VTSM ?, Root Menu (TTN 1)\r\n\r\n");
    EXPECT_EQ(listing("{56 00 00 00 0c 00 00 00}"),
        "[56 00 00 00 0c 00 00 00]  1  (SetHL_BTN) Set Highlighted Button =(mov) ? (button ?)\r\n\r\n");
    // Audio and angle digits are copied as they stand; table lookups need a readable byte.
    EXPECT_EQ(listing("{51 00 00 8x Cz 8y 00 00}"),
        "[51 00 00 8x Cz 8y 00 00]  1  (SetSTN) Set Audio stream = x ; Set Sub-picture stream = ?, on ; "
        "Set Angle = y\r\n\r\n");
}

TEST(CommandListing, TruncatedLastCommand)
{
    EXPECT_EQ(listing("{00 02 00 00 00 00 00 00} {00 B1 00 0E 00 0"),
        "[00 02 00 00 00 00 00 00]  1  Break\r\n"
        "[00 B1 00 0E 00 0]  2  if ( gprm(14) != ? ) then { Goto line ? }\r\n"
        "\r\n");
    // A lone "8" must not be taken for the stream number 8.
    EXPECT_EQ(listing("{51 00 00 82 8"),
        "[51 00 00 82 8]  1  (SetSTN) Set Audio stream = 2 ; Set Sub-picture stream = ?, off ; Set Angle = ?\r\n\r\n");
    EXPECT_EQ(listing("{51 00"),
        "[51 00]  1  (SetSTN) Set Audio stream = ? ; Set Sub-picture stream = ? ; Set Angle = ?\r\n\r\n");
    EXPECT_EQ(listing("{00 02"), "[00 02]  1  Break\r\n\r\n");
    EXPECT_EQ(listing("{00 00 00 00 0"), "[00 00 00 00 0]  1  NOP\r\n\r\n");
    EXPECT_EQ(listing("{00 00 00 0"), "\r\n");
    EXPECT_EQ(listing("{00 B"), "\r\n");
}
