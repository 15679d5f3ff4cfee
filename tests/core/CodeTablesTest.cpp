#include "core/CodeTables.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace trevalo::core;

namespace {

// The tables written out, not derived: entry i of each list belongs to stream
// (or button) number i of the numbers list.
const std::vector<std::string> streamNumbers { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12",
    "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31" };
const std::vector<std::string> offCodes { "80", "81", "82", "83", "84", "85", "86", "87", "88", "89", "8A", "8B",
    "8C", "8D", "8E", "8F", "90", "91", "92", "93", "94", "95", "96", "97", "98", "99", "9A", "9B", "9C", "9D", "9E",
    "9F" };
const std::vector<std::string> onCodes { "C0", "C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9", "CA", "CB",
    "CC", "CD", "CE", "CF", "D0", "D1", "D2", "D3", "D4", "D5", "D6", "D7", "D8", "D9", "DA", "DB", "DC", "DD", "DE",
    "DF" };
const std::vector<std::string> buttonNumbers { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13",
    "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "32",
    "33", "34", "35", "36" };
const std::vector<std::string> buttonCodes { "04", "08", "0C", "10", "14", "18", "1C", "20", "24", "28", "2C", "30",
    "34", "38", "3C", "40", "44", "48", "4C", "50", "54", "58", "5C", "60", "64", "68", "6C", "70", "74", "78", "7C",
    "80", "84", "88", "8C", "90" };

// Every two-character text of hex digits in either case and every decimal
// text up to "99" with and without a leading zero: the whole neighbourhood
// in which a table could wrongly answer.
std::vector<std::string> probes()
{
    std::vector<std::string> all;
    const std::string digits = "0123456789ABCDEFabcdef";
    for (char a : digits) {
        for (char b : digits)
            all.push_back(std::string { a, b });
    }
    for (char a : digits)
        all.push_back(std::string(1, a));
    for (const char* odd : { "", " 5", "5 ", "+5", "-1", "005", "100", "144", "NC", "Nc", "nc ", " nc", "n", "C50",
             "0x0C", "\t1" })
        all.push_back(odd);
    return all;
}

template<typename Convert>
void expectTable(Convert convert, const std::map<std::string, std::string>& table)
{
    for (const auto& [input, output] : table)
        EXPECT_EQ(convert(input), output) << "input \"" << input << "\"";
    for (const std::string& probe : probes()) {
        if (!table.count(probe)) {
            EXPECT_EQ(convert(probe), "") << "input \"" << probe << "\"";
        }
    }
}

}

TEST(CodeTables, ListsAreComplete)
{
    ASSERT_EQ(streamNumbers.size(), 32u);
    ASSERT_EQ(offCodes.size(), 32u);
    ASSERT_EQ(onCodes.size(), 32u);
    ASSERT_EQ(buttonNumbers.size(), 36u);
    ASSERT_EQ(buttonCodes.size(), 36u);
}

TEST(CodeTables, StreamByteToNumberInFull)
{
    std::map<std::string, std::string> table { { "00", "nc" }, { "nc", "00" } };
    for (std::size_t i = 0; i < 32; ++i) {
        table[offCodes[i]] = streamNumbers[i];
        table[onCodes[i]] = streamNumbers[i];
        table[streamNumbers[i]] = onCodes[i];
    }
    ASSERT_EQ(table.size(), 98u); // no input occurs twice
    expectTable(StreamByteToNumber, table);

    EXPECT_EQ(StreamByteToNumber("C0"), "0");
    EXPECT_EQ(StreamByteToNumber("9F"), "31");
    EXPECT_EQ(StreamByteToNumber("D0"), "16");
    EXPECT_EQ(StreamByteToNumber("5"), "C5");
    EXPECT_EQ(StreamByteToNumber("31"), "DF");
    for (const char* none : { "BE", "BF", "FF", "E0", "A0", "7F", "32", "05", "c5", "0c", "" })
        EXPECT_EQ(StreamByteToNumber(none), "") << none;
}

// The one-way converters are the two halves of the two-way table, with
// nothing of the other half leaking in.
TEST(CodeTables, OneWayStreamConvertersSplitTheTwoWayTable)
{
    std::map<std::string, std::string> codes { { "00", "nc" } };
    std::map<std::string, std::string> numbers { { "nc", "00" } };
    for (std::size_t i = 0; i < 32; ++i) {
        codes[offCodes[i]] = streamNumbers[i];
        codes[onCodes[i]] = streamNumbers[i];
        numbers[streamNumbers[i]] = onCodes[i];
    }
    expectTable(StreamCodeToNumber, codes);
    expectTable(StreamNumberToOnByte, numbers);
    for (const std::string& probe : probes()) {
        const std::string code = StreamCodeToNumber(probe);
        EXPECT_EQ(StreamByteToNumber(probe), code.empty() ? StreamNumberToOnByte(probe) : code) << probe;
    }
}

TEST(CodeTables, StreamNumberToByteInFull)
{
    std::map<std::string, std::string> table { { "nc", "00" } };
    for (std::size_t i = 0; i < 32; ++i)
        table[streamNumbers[i]] = offCodes[i];
    expectTable(StreamNumberToByte, table);

    EXPECT_EQ(StreamNumberToByte("0"), "80");
    EXPECT_EQ(StreamNumberToByte("31"), "9F");
    for (const char* none : { "32", "00", "05", " 5", "80", "C0", "" })
        EXPECT_EQ(StreamNumberToByte(none), "") << none;
}

TEST(CodeTables, ButtonByteToNumberInFull)
{
    std::map<std::string, std::string> table;
    for (std::size_t i = 0; i < 36; ++i)
        table[buttonCodes[i]] = buttonNumbers[i];
    expectTable(ButtonByteToNumber, table);

    EXPECT_EQ(ButtonByteToNumber("10"), "4");
    for (const char* none : { "00", "05", "06", "94", "FC", "0c", "4", "" })
        EXPECT_EQ(ButtonByteToNumber(none), "") << none;
}

TEST(CodeTables, ButtonNumberToByteInFull)
{
    std::map<std::string, std::string> table;
    for (std::size_t i = 0; i < 36; ++i)
        table[buttonNumbers[i]] = buttonCodes[i];
    expectTable(ButtonNumberToByte, table);

    EXPECT_EQ(ButtonNumberToByte("4"), "10");
    for (const char* none : { "0", "37", "01", " 1", "04", "" })
        EXPECT_EQ(ButtonNumberToByte(none), "") << none;
}
