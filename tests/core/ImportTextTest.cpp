#include "core/ImportText.h"

#include "core/Block.h"
#include "core/Text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace trevalo::core;

namespace {

const std::string set3 = "{71 00 00 03 00 05 00 00}";
const std::string set4 = "{71 00 00 04 00 06 00 00}";

}

// Whatever separates the commands, and whatever white space follows the
// last, the commands come back in order; the import refuses only the texts
// it must.
TEST(ImportText, ReadsCommandsOrSaysWhyNot)
{
    struct Case {
        const char* what;
        std::string text;
        ImportSource source;
        std::vector<std::string> commands; // when read
        const char* refusal_title; // when refused
    };
    const auto clip = ImportSource::Clipboard;
    const auto trace = ImportSource::DiscTrace;
    const Case cases[] = {
        { "one", set3, clip, { set3 }, nullptr },
        { "blank", set3 + " " + set4, clip, { set3, set4 }, nullptr },
        { "CR LF and tabs", set3 + "\r\n\t " + set4 + "\r\n", clip, { set3, set4 }, nullptr },
        { "LF alone", set3 + "\n" + set4 + "\n\n", clip, { set3, set4 }, nullptr },
        { "empty trace", "", trace, {}, nullptr },
        { "blank trace", " \r\n", trace, {}, nullptr },
        { "trace", set3 + "\r\n", trace, { set3 }, nullptr },
        { "empty clipboard", "", clip, {}, "Warning" },
        { "blank clipboard", "\r\n", clip, {}, "Warning" },
        { "leading blank", " " + set3, clip, {}, "Warning" },
        { "leading blank in a trace", "\n" + set3, trace, {}, "Warning" },
        { "no braces", "71 00 00 03 00 05 00 00", clip, {}, "Warning" },
        { "lower case", "{71 00 00 0e 00 05 00 00}", clip, {}, "Warning" },
        { "glued", set3 + set4, clip, {}, "Warning" },
        { "stray text", set3 + " x " + set4, trace, {}, "Warning" },
        { "too long", set3 + std::string(32767, ' ') + set4, clip, {}, "Import" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ImportText read = ReadImportText(c.text, c.source);
        EXPECT_EQ(read.commands, c.commands);
        ASSERT_EQ(read.refusal.has_value(), c.refusal_title != nullptr);
        if (read.refusal) {
            EXPECT_EQ(read.refusal->title, c.refusal_title);
            EXPECT_FALSE(read.refusal->text.empty());
        }
    }
}

// The splice as the block's own positions read it: command 1 with the new
// last line, the guard's set, the imported commands, then the block's stop
// command and closing NOP as they were.
TEST(ImportText, SpliceKeepsTheBlockAroundTheImportedCommands)
{
    const std::string block = "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} "
                              "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}";
    std::mt19937 random(7);
    for (int n : { 0, 1, 2, 5, 40 }) {
        for (std::optional<int> guard : { std::optional<int>(), std::optional<int>(0), std::optional<int>(15) }) {
            SCOPED_TRACE(testing::Message() << n << " commands, guard " << guard.value_or(-1));
            std::vector<std::string> commands;
            for (int k = 0; k < n; ++k)
                commands.push_back("{71 00 00 " + hexByte(static_cast<long>(random() % 16)) + " 00 "
                    + hexByte(static_cast<long>(random() % 256)) + " 00 00}");
            const std::string spliced = SpliceImport(block, commands, guard);
            const int lines = commandCount(spliced);
            ASSERT_EQ(lines, 4 + n);
            EXPECT_EQ(spliced.size(), static_cast<std::size_t>(command_stride * lines - 1));
            EXPECT_EQ(byteOf(spliced, 1, 8), hexByte(lines));
            EXPECT_EQ(left(command(spliced, 1), 22), left(command(block, 1), 22));
            EXPECT_EQ(command(spliced, 2),
                guard ? "{71 00 00 " + hexByte(*guard) + " 00 01 00 00}" : command(block, 2));
            for (int k = 0; k < n; ++k)
                EXPECT_EQ(command(spliced, 3 + k), commands[static_cast<std::size_t>(k)]);
            EXPECT_EQ(command(spliced, lines - 1), command(block, 3));
            EXPECT_EQ(command(spliced, lines), command(block, 4));
        }
    }
}
