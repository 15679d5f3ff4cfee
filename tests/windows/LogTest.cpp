#include "support/FormFixture.h"

#include "windows/frmLog.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo {
namespace {

using testing::FormFixture;

class Log : public FormFixture { };

// A report cut at its rules: the heading line, the DVD flow, the listings
// and, when the checks found anything, the findings. A test about one part
// compares only that part, so a change elsewhere fails only the tests about
// that part.
struct Sections {
    std::string heading;
    std::string flow;
    std::string listings;
    std::string checks;
};

Sections sectionsOf(const std::string& report)
{
    constexpr std::string_view rule = "_____________________\r\n\r\n";
    Sections sections;
    std::string* const parts[] = { &sections.heading, &sections.flow, &sections.listings, &sections.checks };
    std::size_t at = 0;
    for (std::size_t i = 0; i < std::size(parts); ++i) {
        const bool last = i + 1 == std::size(parts);
        const std::size_t end = last ? std::string::npos : report.find(rule, at);
        *parts[i] = report.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (end == std::string::npos)
            break;
        at = end + rule.size();
    }
    return sections;
}

const std::string startup_report = "Trevalo v1.55 log (Before import)\r\n"
                                   "_____________________\r\n"
                                   "\r\n"
                                   "DVD flow upon insert:\r\n"
                                   "\r\n"
                                   "1. First Play PGC\r\n"
                                   "2. VTSM 1 Root Menu\r\n"
                                   "_____________________\r\n"
                                   "\r\n"
                                   "VMG , First-Play PGC\r\n"
                                   "\r\n"
                                   "********** pre commands:\r\n"
                                   "[00 B1 00 0E 00 00 00 03]  1  if ( gprm(14) != 0 ) then { Goto line 3 }\r\n"
                                   "[30 06 00 01 01 83 00 00]  2  (JumpSS) Jump to VTSM 1, Root Menu (TTN 1)\r\n"
                                   "[00 00 00 00 00 00 00 00]  3  NOP\r\n"
                                   "\r\n"
                                   "\r\n"
                                   "VTSM 1 Root Menu\r\n"
                                   "\r\n"
                                   "********** pre commands:\r\n"
                                   "[00 B1 00 0E 00 00 00 04]  1  if ( gprm(14) != 0 ) then { Goto line 4 }\r\n"
                                   "[71 00 00 0E 00 01 00 00]  2  Set gprm(14) =(mov) 1\r\n"
                                   "[00 02 00 00 00 00 00 00]  3  Break\r\n"
                                   "[00 00 00 00 00 00 00 00]  4  NOP\r\n"
                                   "\r\n";

TEST_F(Log, StartUpReport)
{
    frmLog log(form.logSource(), clipboard);
    EXPECT_EQ(log.txtLog.text(), startup_report);
    EXPECT_EQ(log.window().caption(), "Log");
    EXPECT_EQ(log.Command3.caption(), "Insert [CODE] [/CODE] tags");
    EXPECT_EQ(log.Command3.tag(), "1");
    EXPECT_EQ(log.Command1.caption(), "Copy to Clipboard");
    EXPECT_EQ(log.Command2.caption(), "Close");
    EXPECT_EQ(log.Text1.text(), "Text1");
    EXPECT_FALSE(log.Text1.visible());
}

TEST_F(Log, DummySkipAndCellLinkGiveAFourLineFlowAndThreeListings)
{
    click(form.chkDummy);
    click(form.chkLinkCN);
    pick(form.cboLinkCN, "3");
    frmLog log(form.logSource(), clipboard);
    const Sections report = sectionsOf(log.txtLog.text());
    EXPECT_EQ(report.flow,
        "DVD flow upon insert:\r\n"
        "\r\n"
        "1. First Play PGC\r\n"
        "2. VTSM 1 Root Menu\r\n"
        "3. VTSM 1, LU , 6\r\n"
        "4. VTSM 1, LU , 6  > Cell 3\r\n");
    EXPECT_EQ(report.listings,
        "VMG , First-Play PGC\r\n"
        "\r\n"
        "********** pre commands:\r\n"
        "[00 B1 00 0E 00 00 00 03]  1  if ( gprm(14) != 0 ) then { Goto line 3 }\r\n"
        "[30 06 00 01 01 83 00 00]  2  (JumpSS) Jump to VTSM 1, Root Menu (TTN 1)\r\n"
        "[00 00 00 00 00 00 00 00]  3  NOP\r\n"
        "\r\n"
        "\r\n"
        "VTSM 1 Root Menu\r\n"
        "\r\n"
        "********** pre commands:\r\n"
        "[00 B1 00 0E 00 00 00 03]  1  if ( gprm(14) != 0 ) then { Goto line 3 }\r\n"
        "[20 04 00 00 00 00 00 06]  2  LinkPGCN PGC 6\r\n"
        "[00 00 00 00 00 00 00 00]  3  NOP\r\n"
        "\r\n"
        "\r\n"
        "VTSM 1, LU , 6\r\n"
        "\r\n"
        "********** pre commands:\r\n"
        "[00 B1 00 0E 00 00 00 04]  1  if ( gprm(14) != 0 ) then { Goto line 4 }\r\n"
        "[71 00 00 0E 00 01 00 00]  2  Set gprm(14) =(mov) 1\r\n"
        "[20 07 00 00 00 00 00 03]  3  LinkCN Cell 3\r\n"
        "[00 00 00 00 00 00 00 00]  4  NOP\r\n"
        "\r\n");
}

// The flow and the listings from the log's own input, every combination of
// the dummy skip and the cell link: the third block counts only while it
// shows, and the cell link ends whichever block ends the flow.
TEST(LogFromItsSource, FlowAndListingsFollowTheDummySkipAndTheCellLink)
{
    enum class Dummy { Hidden, Shown };
    enum class Import { Before, After };
    struct Case {
        Dummy dummy;
        std::optional<std::string> linked_cell;
        Import stage;
        const char* heading;
        const char* flow_end;
    };
    const std::vector<Case> cases = {
        { Dummy::Hidden, std::nullopt, Import::Before, "Trevalo v1.55 log (Before import)\r\n", "" },
        { Dummy::Shown, std::nullopt, Import::After, "Trevalo v1.55 log (After import)\r\n", "3. VTSM 2, LU , 9\r\n" },
        { Dummy::Hidden, "7", Import::Before, "Trevalo v1.55 log (Before import)\r\n",
            "3. VTSM 2 Audio Menu  > Cell 7\r\n" },
        { Dummy::Shown, "7", Import::After, "Trevalo v1.55 log (After import)\r\n",
            "3. VTSM 2, LU , 9\r\n4. VTSM 2, LU , 9  > Cell 7\r\n" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flow_end);
        LogSource source;
        source.first_play = { "First Play PGC", "{30 06 00 01 02 85 00 00}" };
        source.target = { "VTSM 2 Audio Menu", "{00 02 00 00 00 00 00 00}" };
        source.after_dummy = { "VTSM 2, LU , 9", "{20 07 00 00 00 00 00 07}" };
        source.after_dummy_shown = c.dummy == Dummy::Shown;
        source.menu = "Audio Menu";
        source.linked_cell = c.linked_cell;
        source.imported = c.stage == Import::After;
        testing::FakeClipboard clipboard;
        frmLog log(source, clipboard);
        const Sections report = sectionsOf(log.txtLog.text());
        EXPECT_EQ(report.heading, c.heading);
        EXPECT_EQ(report.flow,
            std::string("DVD flow upon insert:\r\n\r\n1. First Play PGC\r\n2. VTSM 2 Audio Menu\r\n") + c.flow_end);
        std::string listings = "VMG , First-Play PGC\r\n\r\n********** pre commands:\r\n"
                               "[30 06 00 01 02 85 00 00]  1  (JumpSS) Jump to VTSM 2, Audio Menu (TTN 1)\r\n\r\n"
                               "\r\nVTSM 2 Audio Menu\r\n\r\n********** pre commands:\r\n"
                               "[00 02 00 00 00 00 00 00]  1  Break\r\n\r\n";
        if (c.dummy == Dummy::Shown)
            listings += "\r\nVTSM 2, LU , 9\r\n\r\n********** pre commands:\r\n"
                        "[20 07 00 00 00 00 00 07]  1  LinkCN Cell 7\r\n\r\n";
        EXPECT_EQ(report.listings, listings);
        EXPECT_EQ(report.checks, "");
    }
}

TEST_F(Log, CellLinkWithoutTheDummySkipNamesTheMenuInItsThirdLine)
{
    click(form.chkLinkCN);
    pick(form.cboLinkCN, "12");
    frmLog log(form.logSource(), clipboard);
    const Sections report = sectionsOf(log.txtLog.text());
    EXPECT_EQ(report.flow,
        "DVD flow upon insert:\r\n"
        "\r\n"
        "1. First Play PGC\r\n"
        "2. VTSM 1 Root Menu\r\n"
        "3. VTSM 1 Root Menu  > Cell 12\r\n");
    EXPECT_NE(report.listings.find("[20 07 00 00 00 00 00 0C]  3  LinkCN Cell 12\r\n"), std::string::npos)
        << report.listings;
}

TEST_F(Log, AfterImportTheReportListsThePostSettings)
{
    pick(form.cboPGC, "3");
    pick(form.CboMenu, "Chapter Menu");
    paste("{71 00 00 03 00 05 00 00}");
    click(form.chkStreams);
    pick(form.cboAudio, "2");
    click(form.optOn);
    pick(form.cboSubs, "5");
    click(form.chkHighlight);
    pick(form.cboButton, "3");

    frmLog log(form.logSource(), clipboard);
    const Sections report = sectionsOf(log.txtLog.text());
    EXPECT_EQ(report.heading, "Trevalo v1.55 log (After import)\r\n");
    EXPECT_EQ(report.listings,
        "VMG , First-Play PGC\r\n"
        "\r\n"
        "********** pre commands:\r\n"
        "[00 B1 00 0E 00 00 00 03]  1  if ( gprm(14) != 0 ) then { Goto line 3 }\r\n"
        "[30 06 00 01 03 87 00 00]  2  (JumpSS) Jump to VTSM 3, Chapter Menu (TTN 1)\r\n"
        "[00 00 00 00 00 00 00 00]  3  NOP\r\n"
        "\r\n"
        "\r\n"
        "VTSM 3 Chapter Menu\r\n"
        "\r\n"
        "********** pre commands:\r\n"
        "[00 B1 00 0E 00 00 00 07]  1  if ( gprm(14) != 0 ) then { Goto line 7 }\r\n"
        "[71 00 00 0E 00 01 00 00]  2  Set gprm(14) =(mov) 1\r\n"
        "[71 00 00 03 00 05 00 00]  3  Set gprm(3) =(mov) 5\r\n"
        "[51 00 00 82 C5 00 00 00]  4  (SetSTN) Set Audio stream = 2 ; Set Sub-picture stream = 5, on ; \r\n"
        "[56 00 00 00 0C 00 00 00]  5  (SetHL_BTN) Set Highlighted Button =(mov) 3072 (button 3)\r\n"
        "[00 02 00 00 00 00 00 00]  6  Break\r\n"
        "[00 00 00 00 00 00 00 00]  7  NOP\r\n"
        "\r\n");
}

// What the checks find follows the listings under a heading of its own,
// worst first; once the import is undone there is nothing to report.
TEST_F(Log, FindingsCloseTheReportUnderTheirOwnHeading)
{
    paste("{71 00 00 0E 00 05 00 00}\r\n{56 00 00 00 94 00 00 00}");
    frmLog log(form.logSource(), clipboard);
    EXPECT_EQ(sectionsOf(log.txtLog.text()).checks,
        "Checks:\r\n"
        "\r\n"
        "1. The disc's own start-up sets the guard register GPRM 14 (imported command 1, {71 00 00 0E 00 05 00 00}), "
        "so the shortcut can fire again on a later visit: undo, choose another register and import again.\r\n"
        "2. Command 4 of the block for VTSM 1 Root Menu, {56 00 00 00 94 00 00 00}, highlights button value 37888; "
        "buttons run from 1 to 36 (1024 to 36864): correct it in PgcEdit and trace again.\r\n");

    messages.answers.push_back(ui::Answer::Yes);
    click(form.cmdUndo);
    frmLog undone(form.logSource(), clipboard);
    EXPECT_EQ(sectionsOf(undone.txtLog.text()).checks, "");
}

TEST_F(Log, TagsInsertedThenRemovedGiveTheReportBackExactly)
{
    frmLog log(form.logSource(), clipboard);
    click(log.Command3);
    EXPECT_EQ(log.txtLog.text(), "[CODE]\r\n" + startup_report + "[/CODE]");
    EXPECT_EQ(log.Text1.text(), startup_report);
    EXPECT_EQ(log.Command3.caption(), "Remove [CODE] [/CODE] tags");
    EXPECT_EQ(log.Command3.tag(), "0");

    click(log.Command3);
    EXPECT_EQ(log.txtLog.text(), startup_report);
    EXPECT_EQ(log.Command3.caption(), "Insert [CODE] [/CODE] tags");
    EXPECT_EQ(log.Command3.tag(), "1");

    click(log.Command3);
    EXPECT_EQ(log.txtLog.text(), "[CODE]\r\n" + startup_report + "[/CODE]");
}

TEST_F(Log, CopyPutsTheReportAsShownOnTheClipboard)
{
    clipboard.contents = "old";
    frmLog log(form.logSource(), clipboard);
    click(log.Command1);
    EXPECT_EQ(clipboard.contents, startup_report);

    click(log.Command3);
    click(log.Command1);
    EXPECT_EQ(clipboard.contents, "[CODE]\r\n" + startup_report + "[/CODE]");
    EXPECT_EQ(clipboard.sets, 2);
}

TEST_F(Log, CloseHidesTheWindow)
{
    frmLog log(form.logSource(), clipboard);
    ASSERT_TRUE(log.window().visible());
    click(log.Command2);
    EXPECT_FALSE(log.window().visible());
}

TEST_F(Log, TheMenuEntryOpensAFreshlyBuiltWindowEachTime)
{
    std::string seen_text;
    std::string seen_caption;
    modals.while_shown = [&](ui::Window& window) {
        auto* text = dynamic_cast<ui::TextBox*>(window.find("txtLog"));
        auto* tags = dynamic_cast<ui::Button*>(window.find("Command3"));
        ASSERT_NE(text, nullptr);
        ASSERT_NE(tags, nullptr);
        seen_text = text->text();
        seen_caption = tags->caption();
        tags->click();
    };
    click(form.Log);
    ASSERT_EQ(modals.shown, (std::vector<std::string> { "frmLog" }));
    EXPECT_EQ(seen_text, startup_report);

    // The tags inserted while it was open are gone the next time.
    click(form.Log);
    EXPECT_EQ(modals.shown.size(), 2u);
    EXPECT_EQ(seen_text, startup_report);
    EXPECT_EQ(seen_caption, "Insert [CODE] [/CODE] tags");
    EXPECT_TRUE(messages.shown.empty());
}

}
}
