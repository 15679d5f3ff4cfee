#include "random/SessionOracle.h"
#include "support/FormFixture.h"
#include "support/StrictBlock.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <ostream>
#include <vector>

// Import against every kind of clipboard text an author or another program
// can leave behind. Each text is either imported as well-formed blocks or
// refused with a message that says what is wrong, leaving every block,
// state holder, control and the clipboard exactly as they were.
namespace trevalo::testing {
namespace {

const std::string a = "{71 00 00 03 00 05 00 00}";
const std::string b = "{71 00 00 04 00 01 00 00}";
const std::string warning = "Invalid commands or no data found on clipboard.\r\nTry to copy them in PgcEdit again.";

std::string repeated(const std::string& command, int count, const std::string& separator = " ")
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i ? separator : "") + command;
    return text;
}

const std::string& tenMegabytes()
{
    static const std::string text = repeated(a, 10 * 1024 * 1024 / 26, "\r\n");
    return text;
}

struct Row {
    std::string name;
    std::function<std::string()> text;
    bool imported;
    // What the one message must say; for an import, its first words.
    std::vector<std::string> says;
};

const std::vector<Row>& rows()
{
    static const std::vector<Row> table {
        { "Empty", [] { return std::string(); }, false, { warning } },
        // An image, or nothing at all, reads as the empty text.
        { "NoText", [] { return std::string(); }, false, { warning } },
        { "BlanksOnly", [] { return std::string("   "); }, false, { warning } },
        { "WhiteSpaceOnly", [] { return std::string(" \t\r\n "); }, false, { warning } },
        { "TenMegabytesOfCommands", [] { return tenMegabytes(); }, false, { "32767", "Nothing was imported" } },
        { "TenMegabytesOfJunk", [] { return "{" + std::string(10 * 1024 * 1024, 'x') + "}"; }, false, { "32767" } },
        { "NulBetweenCommands", [] { return a + std::string(1, '\0') + b; }, false, { warning, "Command 1", "\"?\"" } },
        { "NulInsideACommand", [] { return "{71 00 00 03" + std::string(1, '\0') + " 00 05 00 00}"; }, false, { warning, "Command 1" } },
        { "NonAscii", [] { return a + " \xC3\xA9t\xC3\xA9 " + b; }, false, { warning, "Command 2" } },
        { "InvalidUtf8", [] { return a + " \xC3\x28 " + b; }, false, { warning, "Command 2" } },
        { "InvalidByteGlued", [] { return a + "\xFF" + b; }, false, { warning, "Command 1" } },
        { "LowerCaseDigit", [] { return std::string("{71 00 00 0e 00 01 00 00}"); }, false, { warning, "Command 1", "0e" } },
        { "LowerCaseInSecondCommand", [] { return a + "\r\n{71 00 00 04 00 0a 00 00}"; }, false, { warning, "Command 2" } },
        // Editors end a copy with a line break; it separates nothing.
        { "TrailingBlank", [] { return a + " "; }, true, { "1 Commands from PgcEdit:" } },
        { "TrailingLineBreak", [] { return a + "\r\n"; }, true, { "1 Commands from PgcEdit:" } },
        { "TrailingWhiteSpaceRun", [] { return a + "\r\n" + b + " \t\n\r\n"; }, true, { "2 Commands from PgcEdit:" } },
        { "LeadingBlank", [] { return " " + a; }, false, { warning, "begins with a blank" } },
        { "LeadingLineBreakAndJunkAtTheEnd", [] { return "\r\n" + a + " x"; }, false, { warning } },
        { "MissingBlankInsideACommand", [] { return std::string("{71 00 00 0E 00 01 0000}"); }, false, { warning, "Command 1" } },
        { "MissingBlankBetweenCommands", [] { return a + b; }, false, { warning, "Command 1" } },
        { "MissingOpeningBrace", [] { return a + " " + b.substr(1); }, false, { warning, "Command 2" } },
        { "MissingClosingBrace", [] { return a.substr(0, 24) + " " + b; }, false, { warning, "Command 1" } },
        { "MissingDigit", [] { return std::string("{71 00 00 03 00 05 00 0}"); }, false, { warning, "Command 1" } },
        { "ExtraDigit", [] { return std::string("{71 00 00 03 00 05 00 000}"); }, false, { warning, "Command 1" } },
        { "NestedBraces", [] { return std::string("{71 00 {00 03} 00 05 00 00}"); }, false, { warning, "Command 1" } },
        { "DoubledOpeningBrace", [] { return "{" + a; }, false, { warning, "Command 1" } },
        { "DoubledClosingBrace", [] { return a + "}"; }, false, { warning, "Command 1" } },
        { "EmptyBraces", [] { return std::string("{}"); }, false, { warning, "Command 1" } },
        { "TwoHundredFiftySixCommands", [] { return repeated(a, 256); }, false, { "255", "Nothing was imported" } },
        { "OneCommandTooMany", [] { return repeated(a, 252); }, false, { "256 lines", "255" } },
        { "LongestTextTakenButOne", [] { return a + std::string(32768 - 50, ' ') + b; }, false, { "32767" } },
        { "EveryLineTheBlockCanHold", [] { return repeated(a, 251, "\r\n"); }, true, { "251 Commands from PgcEdit:" } },
        { "LongestTextTaken", [] { return a + std::string(32767 - 50, ' ') + b; }, true, { "2 Commands from PgcEdit:" } },
        { "CrLfSeparators", [] { return a + "\r\n" + b; }, true, { "2 Commands from PgcEdit:" } },
        { "LfSeparators", [] { return a + "\n" + b + "\n" + a; }, true, { "3 Commands from PgcEdit:" } },
        { "TabSeparators", [] { return a + "\t" + b; }, true, { "2 Commands from PgcEdit:" } },
        { "CrSeparators", [] { return a + "\r" + b; }, true, { "2 Commands from PgcEdit:" } },
        { "BlankRuns", [] { return a + "    " + b; }, true, { "2 Commands from PgcEdit:" } },
        { "MixedWhiteSpace", [] { return a + " \r\n\t \n" + b; }, true, { "2 Commands from PgcEdit:" } },
        { "StreamsAndButtonOnTheirOwnLines",
            [] { return a + "\r\n{51 00 00 84 C2 81 00 00}\r\n{56 00 00 00 0C 00 00 00}"; }, true, { "3 Commands from PgcEdit:" } },
    };
    return table;
}

// The windows the import meets: fresh; a VTSM chapter menu in the
// all-registers check with the dummy skip and a cell link (the splice goes
// into Text3); and one whose state holders an undone import has filled.
enum class Start { Fresh, DummyAllRegistersCellLink, AfterUndoneImport };

const char* startName(Start start)
{
    static const char* const names[] = { "Fresh", "DummyAllRegistersCellLink", "AfterUndoneImport" };
    return names[static_cast<int>(start)];
}

struct Case {
    std::size_t row;
    Start start;

    friend void PrintTo(const Case& c, std::ostream* out) { *out << rows()[c.row].name << " in " << startName(c.start); }
};

std::vector<Case> cases()
{
    std::vector<Case> all;
    for (std::size_t row = 0; row < rows().size(); ++row) {
        for (Start start : { Start::Fresh, Start::DummyAllRegistersCellLink, Start::AfterUndoneImport })
            all.push_back({ row, start });
    }
    return all;
}

class HostileClipboard : public FormFixture, public ::testing::WithParamInterface<Case> {
protected:
    void prepare(Start start)
    {
        if (start == Start::DummyAllRegistersCellLink) {
            pick(form.cboPGC, "3");
            pick(form.CboMenu, "Chapter Menu");
            click(form.chkNone);
            pick(form.cboValue, "22222");
            click(form.chkDummy);
            pick(form.cboDummy, "9");
            click(form.chkLinkCN);
            pick(form.cboLinkCN, "5");
        } else if (start == Start::AfterUndoneImport) {
            paste(a + "\r\n{51 00 00 84 C2 81 00 00}");
            click(form.chkStreams);
            messages.answers.push_back(ui::Answer::No);
            click(form.cmdUndo);
        }
        messages.shown.clear();
        clipboard.sets = clipboard.clears = 0;
    }
};

TEST_P(HostileClipboard, IsImportedWellFormedOrRefusedWithNothingChanged)
{
    const Row& row = rows()[GetParam().row];
    prepare(GetParam().start);
    const std::string text = row.text();
    clipboard.contents = text;
    const std::string before = form.window().dumpState();

    SessionOracle oracle { form, clipboard, messages };
    UserAction import;
    import.control = "cmdPaste";
    oracle.before(import);
    click(form.cmdPaste);
    for (const std::string& fault : oracle.after(import))
        ADD_FAILURE() << fault;

    EXPECT_EQ(form.cmdUndo.visible(), row.imported);
    EXPECT_TRUE(clipboard.contents == text) << "the clipboard changed";
    EXPECT_EQ(clipboard.sets + clipboard.clears, 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    const FakeMessageBoxes::Shown& shown = messages.shown[0];
    EXPECT_EQ(shown.buttons, ui::Buttons::Ok);
    for (const std::string& words : row.says)
        EXPECT_NE(shown.prompt.find(words), std::string::npos) << "the message " << StrictBlock::excerpt(shown.prompt, 300)
                                                              << " does not say " << StrictBlock::excerpt(words);
    if (row.imported) {
        EXPECT_EQ(shown.prompt.rfind(row.says[0], 0), 0u);
        return;
    }
    EXPECT_TRUE(form.window().dumpState() == before) << "a refused import changed the window";
    // Clear means short, printable, and in lines: whatever the clipboard held.
    EXPECT_LT(shown.prompt.size(), 400u) << StrictBlock::excerpt(shown.prompt, 500);
    for (unsigned char c : shown.prompt)
        EXPECT_TRUE((c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n') << StrictBlock::excerpt(shown.prompt, 500);
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileClipboard, ::testing::ValuesIn(cases()),
    [](const ::testing::TestParamInfo<Case>& info) { return rows()[info.param.row].name + "_" + startName(info.param.start); });

class ClipboardEdges : public FormFixture { };

// What the accepted texts become, written out: single blanks, whatever
// separated the commands on the clipboard.
TEST_F(ClipboardEdges, LineBreaksAndTabsOnTheClipboardBecomeSingleBlanks)
{
    paste(a + " \r\n\t\n" + b + "\r" + a);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 07} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} {71 00 00 04 00 01 00 00} "
        "{71 00 00 03 00 05 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.txtCB.text(), a + " \r\n\t\n" + b + "\r" + a);
}

// A block filled to line 255 takes no post-setting command: its line
// number would need three digits. The settings switch on and off cleanly.
TEST_F(ClipboardEdges, AFullBlockTakesNoPostSettingCommand)
{
    paste(repeated(a, 251));
    const std::string full = form.Text2.text();
    EXPECT_EQ(full.substr(0, 25), "{00 B1 00 0E 00 00 00 FF}");
    click(form.chkStreams);
    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(), full);
    EXPECT_TRUE(form.cboAudio.usable());
    EXPECT_TRUE(form.cboButton.usable());
    pick(form.cboAudio, "3");
    pick(form.cboButton, "9");
    EXPECT_EQ(form.Text2.text(), full);
    click(form.chkHighlight);
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(), full);
    EXPECT_EQ(form.chkAudioFlag.value(), 0);
    EXPECT_EQ(form.chkHLflag.value(), 0);
}

}
}
