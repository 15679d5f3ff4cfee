#include "core/Text.h"

#include <gtest/gtest.h>

using namespace trevalo::core;

TEST(TextSlices, LeftAndRightYieldWhatExists)
{
    EXPECT_EQ(left("abcdef", 3), "abc");
    EXPECT_EQ(left("abc", 10), "abc");
    EXPECT_EQ(left("abc", 0), "");
    EXPECT_EQ(left("abc", -2), "");
    EXPECT_EQ(left("", 4), "");
    EXPECT_EQ(right("abcdef", 2), "ef");
    EXPECT_EQ(right("abc", 3), "abc");
    EXPECT_EQ(right("abc", 99), "abc");
    EXPECT_EQ(right("abc", 0), "");
    EXPECT_EQ(right("abc", -1), "");
}

TEST(TextSlices, MidToTheEnd)
{
    EXPECT_EQ(mid("abcdef", 3), "cdef");
    EXPECT_EQ(mid("abcdef", 6), "f");
    EXPECT_EQ(mid("abcdef", 7), "");
    EXPECT_EQ(mid("abcdef", 1000), "");
    EXPECT_EQ(mid("abcdef", 1), "abcdef");
    EXPECT_EQ(mid("abcdef", 0), "abcdef");
    EXPECT_EQ(mid("abcdef", -5), "abcdef");
}

TEST(TextSlices, MidWithLengthKeepsOnlyExistingPositions)
{
    EXPECT_EQ(mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(mid("abcdef", 5, 10), "ef");
    EXPECT_EQ(mid("abcdef", 7, 1), "");
    EXPECT_EQ(mid("abcdef", 2, 0), "");
    EXPECT_EQ(mid("abcdef", 2, -1), "");
    EXPECT_EQ(mid("abc", 0, 2), "a");
    EXPECT_EQ(mid("abc", -3, 3), "");
    EXPECT_EQ(mid("abc", 2, 2147483647L), "bc");
    EXPECT_EQ(mid("abc", 2147483647L, 2147483647L), "");
}

TEST(TextNumbers, LeadingNumberOfListTexts)
{
    EXPECT_EQ(leadingNumber("14"), 14);
    EXPECT_EQ(leadingNumber("3 (dummy)"), 3);
    EXPECT_EQ(leadingNumber(" \t 7x"), 7);
    EXPECT_EQ(leadingNumber("-12 ab"), -12);
    EXPECT_EQ(leadingNumber("+5"), 5);
    EXPECT_EQ(leadingNumber("1 2"), 1);
    EXPECT_EQ(leadingNumber("Root Menu"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("-"), 0);
    EXPECT_EQ(leadingNumber("- 4"), 0);
    EXPECT_EQ(leadingNumber("999999999"), 999999999);
    EXPECT_EQ(leadingNumber("99999999999999999999999"), leading_number_limit);
    EXPECT_EQ(leadingNumber("-4294967296"), -leading_number_limit);
}

TEST(TextNumbers, HexAndHexByte)
{
    EXPECT_EQ(hex(0), "0");
    EXPECT_EQ(hex(14), "E");
    EXPECT_EQ(hex(255), "FF");
    EXPECT_EQ(hex(12345), "3039");
    EXPECT_EQ(hex(-1), "");

    EXPECT_EQ(hexByte(0), "00");
    EXPECT_EQ(hexByte(3), "03");
    EXPECT_EQ(hexByte(9), "09");
    EXPECT_EQ(hexByte(12), "0C");
    EXPECT_EQ(hexByte(14), "0E");
    EXPECT_EQ(hexByte(16), "10");
    EXPECT_EQ(hexByte(19), "13");
    EXPECT_EQ(hexByte(255), "FF");
    EXPECT_EQ(hexByte(256), "");
    EXPECT_EQ(hexByte(-1), "");
}

TEST(TextNumbers, HexByteValueIsStrictUpperCase)
{
    EXPECT_EQ(hexByteValue("00"), 0);
    EXPECT_EQ(hexByteValue("0E"), 14);
    EXPECT_EQ(hexByteValue("13"), 19);
    EXPECT_EQ(hexByteValue("A0"), 160);
    EXPECT_EQ(hexByteValue("FF"), 255);
    for (const char* bad : { "0e", "ff", "E", "", "0E0", " E", "E ", "G0", "0G", "-1", "0x" })
        EXPECT_EQ(hexByteValue(bad), -1) << bad;
}
