// The main window with a disc: opening one (and refusing what is none),
// and the disc window's steps through the main window's own operations
// (the target from a PGC, the trace with a button chosen, the import,
// verify, the copy in steps), as an author drives them.

#include "TestDiscs.h"

#include "disc/IfoWriter.h"
#include "support/FormFixture.h"
#include "vm/Target.h"
#include "windows/DiscListing.h"
#include "windows/DiscTarget.h"
#include "windows/frmDisc.h"
#include "windows/frmLog.h"
#include "ui/binding/UserEvents.h"

#include <gtest/gtest.h>

namespace trevalo::testing {
namespace {

namespace fs = std::filesystem;

// A folder picker that answers from a list, then cancels.
class FakeFolders final : public ui::FolderChooser {
public:
    std::optional<std::string> chooseFolder(std::string_view, std::string_view) override
    {
        if (answers.empty())
            return std::nullopt;
        std::string answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    std::vector<std::string> answers;
};

class DiscWindow : public FormFixture {
protected:
    FakeFolders folders;

    void SetUp() override { form.setFolderChooser(&folders); }

    // The disc open in the main window and its window, as Open disc makes
    // them; the test then acts in the disc window.
    std::unique_ptr<frmDisc> open(const std::string& name)
    {
        folders.answers = { testDisc(name).string() };
        click(form.mnuOpenDisc);
        EXPECT_NE(form.disc(), nullptr) << (messages.shown.empty() ? "" : messages.shown.back().prompt);
        EXPECT_EQ(modals.shown, std::vector<std::string> { "frmDisc" });
        return std::make_unique<frmDisc>(*form.disc(), form, &folders);
    }

    void choosePgc(frmDisc& window, const disc::PgcAddress& address)
    {
        for (std::size_t i = 0; i < window.cboPgc.items().size(); ++i) {
            ui::userPicked(window.cboPgc, i);
            if (window.shownPgc() == address)
                return;
        }
        ADD_FAILURE() << "no PGC " << disc::describe(*form.disc(), address) << " in the list";
    }
};

TEST_F(DiscWindow, AFolderThatIsNoGoodDiscLeavesTheWindowAsItWas)
{
    const fs::path scratch = scratchFolder("not-discs");
    fs::create_directories(scratch / "empty");
    fs::create_directories(scratch / "truncated" / "VIDEO_TS");
    fs::copy(testDisc("two_titlesets") / "VIDEO_TS", scratch / "truncated" / "VIDEO_TS");
    for (const char* name : { "VTS_01_0.IFO", "VTS_01_0.BUP" })
        fs::resize_file(scratch / "truncated" / "VIDEO_TS" / name, 3000);
    const struct {
        fs::path folder;
        std::string message;
    } cases[] = {
        { scratch / "empty", "not a DVD-Video folder" },
        { scratch / "missing", "no such folder" },
        { scratch / "truncated", "VTS_01_0.IFO: " },
    };
    for (const auto& c : cases) {
        const std::string before = form.window().dumpState();
        messages.shown.clear();
        folders.answers = { c.folder.string() };
        click(form.mnuOpenDisc);
        ASSERT_EQ(messages.shown.size(), 1u) << c.folder;
        EXPECT_EQ(messages.shown[0].title, "Disc");
        EXPECT_NE(messages.shown[0].prompt.find(c.message), std::string::npos) << messages.shown[0].prompt;
        EXPECT_EQ(form.window().dumpState(), before);
        EXPECT_EQ(form.disc(), nullptr);
        EXPECT_TRUE(modals.shown.empty());
    }
    // A dropped folder is opened the same way.
    messages.shown.clear();
    form.window().on_drop_folder((scratch / "empty").string());
    EXPECT_EQ(messages.shown.size(), 1u);
    form.window().on_drop_folder(testDisc("two_titlesets").string());
    EXPECT_NE(form.disc(), nullptr);
    EXPECT_TRUE(form.mnuDiscWindow.enabled());
}

// Every PGC of every disc, as "Use as target" takes it: the main window's
// lists end up as an author's own picks of that target leave them, or the
// window says why it cannot name the PGC and nothing changes.
TEST_F(DiscWindow, UseAsTargetPicksWhatAnAuthorWouldPick)
{
    for (const fs::path& folder : testDiscs()) {
        const std::string name = folder.filename().string();
        const disc::Disc disc = readTestDisc(folder);
        for (const PgcEntry& entry : pgcEntries(disc)) {
            SCOPED_TRACE(name + ": " + entry.label);
            FreshWindow by_window;
            FakeFolders answers;
            answers.answers = { folder.string() };
            by_window.form.setFolderChooser(&answers);
            ui::userClicked(by_window.form.mnuOpenDisc);
            frmDisc window { *by_window.form.disc(), by_window.form, &answers };
            for (std::size_t i = 0; i < window.cboPgc.items().size(); ++i) {
                if (window.cboPgc.items()[i] == entry.label)
                    ui::userPicked(window.cboPgc, i);
            }
            const std::string before = by_window.form.window().dumpState();
            ui::userClicked(window.cmdUseTarget);
            const TargetChoice choice = targetFor(disc, entry.address);
            if (!choice.target) {
                EXPECT_EQ(by_window.form.window().dumpState(), before);
                EXPECT_EQ(window.lblStatus.caption(), choice.reason + ".");
                continue;
            }
            EXPECT_EQ(by_window.form.currentTarget()->number, choice.target->number);
            // The same target picked by hand.
            FreshWindow by_hand;
            const vm::Target& t = *choice.target;
            const auto pickItem = [](ui::ComboBox& list, const std::string& item) {
                ui::userPicked(list, *list.indexOf(item));
            };
            if (t.kind == vm::TargetKind::TitleSetMenu) {
                pickItem(by_hand.form.cboSelect, "VTSM");
                pickItem(by_hand.form.CboMenu, targetName(t).substr(targetName(t).find(' ', 5) + 1));
                pickItem(by_hand.form.cboPGC, std::to_string(t.number));
                if (t.after_dummy) {
                    ui::userClicked(by_hand.form.chkDummy);
                    pickItem(by_hand.form.cboDummy, std::to_string(t.after_dummy));
                }
            } else {
                pickItem(by_hand.form.cboSelect, t.kind == vm::TargetKind::Title ? "Title" : "VMGM");
                pickItem(by_hand.form.cboPGC, std::to_string(t.number));
            }
            // The disc's own lines (the unused registers, the checks) aside.
            by_hand.form.setChecks(Form1::Checks::Off);
            by_window.form.setChecks(Form1::Checks::Off);
            for (const std::string control : { "Text1", "Text2", "Text3", "Label8", "Label9", "Label15", "cboSelect",
                     "cboPGC", "CboMenu", "chkDummy", "cboDummy" }) {
                EXPECT_EQ(by_window.form.window().find(control)->describe(), by_hand.form.window().find(control)->describe())
                    << control;
            }
        }
    }
}

TEST_F(DiscWindow, TheTraceAsksForAButtonAtAMenuThenImports)
{
    auto window = open("firstplay_menus");
    pick(form.cboGPRM, "4");
    choosePgc(*window, { disc::Domain::TitleSetMenu, 1, 1, 2 });
    ui::userClicked(window->cmdUseTarget);
    ui::userClicked(window->cmdTrace);
    // The VMGM title menu waits; its buttons read out with their commands.
    ASSERT_TRUE(window->cboChoice.visible());
    EXPECT_EQ(window->cboChoice.items().size(), 3u);
    EXPECT_EQ(window->cboChoice.items()[0], "Button 1: JumpSS VTSM (vts 1, ttn 1, menu Root)");
    EXPECT_FALSE(form.cmdUndo.visible());
    ui::userPicked(window->cboChoice, 0);
    EXPECT_FALSE(window->cboChoice.visible());
    EXPECT_EQ(window->buttonChoices(), std::vector<int> { 1 });
    // Imported by Import's own rules: the state an import leaves.
    EXPECT_TRUE(form.cmdUndo.visible());
    EXPECT_TRUE(form.cmdCopy3.enabled());
    EXPECT_NE(form.Text3.text().find("{71 00 00 01 12 34 00 00}"), std::string::npos) << form.Text3.text();
    EXPECT_NE(window->txtResult.text().find("VMGM PGC 1 (language unit 1), button 1 pressed"), std::string::npos)
        << window->txtResult.text();
    // The buttons the trace pressed stay with the import: the disc window
    // closed and opened again (to set streams in the main window, say)
    // verifies with them, in the trace's language.
    window.reset();
    frmDisc again { *form.disc(), form, &folders };
    EXPECT_EQ(form.replayRequest().buttons, std::vector<int> { 1 });
    ui::userClicked(again.cmdVerify);
    EXPECT_NE(again.txtResult.text().find("Menu language en: starts in the target"), std::string::npos)
        << again.txtResult.text();
    EXPECT_EQ(again.lblStatus.caption().find("Verification failed: no menu language"), std::string::npos);
    // Undo goes back as after a clipboard import.
    messages.answers = { ui::Answer::Yes };
    click(form.cmdUndo);
    EXPECT_FALSE(form.cmdUndo.visible());
}

TEST_F(DiscWindow, AChainThatChangesNoRegisterImportsAsNoCommands)
{
    // single_title's First Play jumps straight to its title.
    auto window = open("single_title");
    choosePgc(*window, { disc::Domain::Title, 1, 0, 1 });
    ui::userClicked(window->cmdUseTarget);
    messages.shown.clear();
    ui::userClicked(window->cmdTrace);
    ASSERT_TRUE(form.cmdUndo.visible()) << window->lblStatus.caption();
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_TRUE(form.cmdCopy2.enabled());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].prompt.find("nothing to restore"), std::string::npos);
}

TEST_F(DiscWindow, VerifyShowsItsVerdictInTheFindingsLineAndTheLog)
{
    auto window = open("two_titlesets");
    pick(form.cboGPRM, "9");
    choosePgc(*window, { disc::Domain::Title, 2, 0, 1 });
    ui::userClicked(window->cmdUseTarget);
    ui::userClicked(window->cmdTrace);
    ASSERT_TRUE(form.cmdUndo.visible()) << window->lblStatus.caption();
    ui::userClicked(window->cmdVerify);
    EXPECT_NE(window->lblStatus.caption().find("Verified"), std::string::npos) << window->txtResult.text();
    EXPECT_FALSE(form.lblNotice.visible()) << form.lblNotice.caption();
    {
        frmLog log { form.logSource(), clipboard };
        EXPECT_NE(log.txtLog.text().find("Replay:\r\nThe replay matches"), std::string::npos);
    }
    // A First Play block that jumps to another title fails, and says so.
    std::string text1 = form.Text1.text();
    text1.replace(text1.find("{30 02 00 00 00 03"), 18, "{30 02 00 00 00 02");
    form.Text1.setText(text1);
    ui::userClicked(window->cmdVerify);
    EXPECT_NE(window->lblStatus.caption().find("Verification failed"), std::string::npos);
    EXPECT_TRUE(form.lblNotice.visible());
    EXPECT_NE(form.lblNotice.caption().find("the replay fails"), std::string::npos) << form.lblNotice.caption();
    frmLog log { form.logSource(), clipboard };
    EXPECT_NE(log.txtLog.text().find("Replay:\r\nThe replay finds a problem"), std::string::npos);
    // A verdict on other blocks goes stale once the block changes back.
    form.Text1.setText(std::string(text1).replace(text1.find("{30 02 00 00 00 02"), 18, "{30 02 00 00 00 03"));
    EXPECT_TRUE(form.findings().empty());
}

TEST_F(DiscWindow, APatchedCopyIsWrittenInStepsAndReadsBackAsReplayed)
{
    auto window = open("two_titlesets");
    pick(form.cboGPRM, "9");
    choosePgc(*window, { disc::Domain::Title, 2, 0, 1 });
    ui::userClicked(window->cmdUseTarget);
    ui::userClicked(window->cmdTrace);
    const fs::path scratch = scratchFolder("window-copy");
    folders.answers = { (scratch / "copy").string() };
    ui::userClicked(window->cmdWrite);
    EXPECT_TRUE(window->cmdCancel.enabled());
    EXPECT_FALSE(window->cmdWrite.enabled());
    int steps = 0;
    while (window->window().hasWork() && ++steps < 1000)
        window->window().runWork();
    EXPECT_NE(window->lblStatus.caption().find("Written to"), std::string::npos) << window->lblStatus.caption();
    EXPECT_NE(window->lblStatus.caption().find("matches the disc's own chain"), std::string::npos);
    const disc::Disc copy = readTestDisc(scratch / "copy");
    const vm::PlacedBlocks placed = vm::placeBlocks(*form.disc(), form.replayRequest().blocks, form.replayRequest().target);
    EXPECT_EQ(copy.manager.bytes, disc::writeInfoFile(placed.disc.manager).bytes);
    // Cancelled before its first step: nothing is left.
    folders.answers = { (scratch / "cancelled").string() };
    ui::userClicked(window->cmdWrite);
    ui::userClicked(window->cmdCancel);
    EXPECT_FALSE(window->window().hasWork());
    EXPECT_EQ(window->lblStatus.caption(), "Cancelled: nothing was written.");
    EXPECT_FALSE(fs::exists(scratch / "cancelled"));
    for (const auto& entry : fs::directory_iterator(scratch))
        EXPECT_EQ(entry.path().filename().string().find(".trevalo-"), std::string::npos) << entry.path();
}

}
}
