// The checks that know the disc, each provoked on a test disc (or a copy
// made to show it) and absent from a clean session on the same disc.

#include "TestDiscs.h"

#include "disc/FolderCopy.h"
#include "disc/PreCommandInsert.h"
#include "support/FormFixture.h"
#include "windows/DiscTarget.h"
#include "ui/binding/UserEvents.h"

#include <gtest/gtest.h>

namespace trevalo::testing {
namespace {

namespace fs = std::filesystem;
using disc::Command;
using disc::Domain;

class DiscChecks : public FormFixture {
protected:
    void openFolder(const fs::path& folder)
    {
        ASSERT_TRUE(form.openDisc(folder.string(), Form1::DiscWindow::Hide))
            << (messages.shown.empty() ? "" : messages.shown.back().prompt);
    }

    // The titles of the findings only the disc shows.
    std::vector<std::string> titles() const
    {
        std::vector<std::string> found;
        for (const core::Finding& finding : form.findings())
            found.push_back(finding.title);
        return found;
    }
    const core::Finding* finding(const std::string& title) const
    {
        static std::vector<core::Finding> found;
        found = form.findings();
        for (const core::Finding& f : found) {
            if (f.title == title)
                return &f;
        }
        return nullptr;
    }

    // A copy of an authored disc with commands put into one of its PGCs.
    fs::path copyWith(const std::string& name, const disc::PgcAddress& where, const std::vector<Command>& commands)
    {
        disc::Disc disc = readTestDisc(testDisc(name));
        EXPECT_EQ(disc::insertPreCommands(disc, where, commands), "");
        const fs::path copy = scratchFolder("checks") / name;
        fs::remove(copy);
        EXPECT_EQ(disc::writeFolderCopy(disc, copy), "");
        return copy;
    }

    void useTarget(const std::string& name, int after_dummy = 0)
    {
        vm::Target target = *parseTargetName(name);
        target.after_dummy = after_dummy;
        ASSERT_EQ(form.useAsTarget(target), "");
    }
};

TEST_F(DiscChecks, AGuardRegisterTheDiscUsesIsNamedWhereItIsUsed)
{
    openFolder(testDisc("firstplay_menus"));
    // dvdauthor's menus read GPRM 14, the window's default guard.
    const core::Finding* used = finding("the disc uses GPRM 14");
    ASSERT_NE(used, nullptr);
    EXPECT_NE(used->text.find("GPRM 14 is written by VTSM 1 PGC 2 (language unit 1), post command 1; read by VTSM 1 "
                              "PGC 2 (language unit 1), post command 3"),
        std::string::npos)
        << used->text;
    EXPECT_NE(used->text.find("Choose a register the disc never uses: 4 5 9 10 11 13"), std::string::npos);
    EXPECT_EQ(used->severity, core::Severity::GuardInUse);
    pick(form.cboGPRM, "4");
    EXPECT_EQ(finding("the disc uses GPRM 14"), nullptr);
    EXPECT_TRUE(form.findings().empty()) << form.findings().front().text;
    // Step 1 says which registers are free, while a guard register is chosen.
    EXPECT_TRUE(form.lblUnused.visible());
    EXPECT_EQ(form.lblUnused.caption(), "Never used on this disc: 4 5 9 10 11 13");
    click(form.chkNone);
    EXPECT_FALSE(form.lblUnused.visible());
    EXPECT_FALSE(form.lblUnused.visible() && form.Label32.visible());
}

TEST_F(DiscChecks, ATargetDummyOrCellTheDiscLacks)
{
    openFolder(testDisc("two_titlesets"));
    pick(form.cboGPRM, "9");
    const struct {
        std::string target;
        int dummy;
        int cell;
        std::string title;
    } cases[] = {
        { "Title 3", 0, 0, "" },
        { "Title 4", 0, 0, "the disc has no Title 4" },
        { "VMGM 2", 0, 0, "the disc has no VMGM 2" },
        { "VTSM 1 Root Menu", 0, 0, "the disc has no VTSM 1 Root Menu" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        useTarget(c.target, c.dummy);
        const std::vector<std::string> found = titles();
        if (c.title.empty())
            EXPECT_TRUE(found.empty()) << found.front();
        else
            EXPECT_EQ(found, std::vector<std::string> { c.title });
    }
}

TEST_F(DiscChecks, ADummySkipOnAMenuThatPlaysAndALinkToACellItLacks)
{
    openFolder(testDisc("firstplay_menus"));
    pick(form.cboGPRM, "4");
    // The chapter menu plays a still: it is no dummy.
    useTarget("VTSM 1 Chapter Menu", 2);
    EXPECT_NE(finding("the dummy plays video"), nullptr);
    // The root menu's entry is a dummy in English, but plays in French.
    useTarget("VTSM 1 Root Menu", 2);
    const core::Finding* french = finding("the dummy plays video");
    ASSERT_NE(french, nullptr);
    EXPECT_NE(french->text.find("VTSM 1 PGC 1 (language unit 2) is no dummy: it plays 1 cell"), std::string::npos);
    // The menu the dummy passes on to has one cell; a link to cell 3 goes nowhere.
    click(form.chkLinkCN);
    pick(form.cboLinkCN, "3");
    const core::Finding* cell = finding("no cell 3");
    ASSERT_NE(cell, nullptr);
    EXPECT_NE(cell->text.find("VTSM 1 PGC 2 (language unit 1) has 1 cell, so the link to cell 3 goes nowhere"),
        std::string::npos)
        << cell->text;
    // Cell 1 is there in English; the French PGC 2 is a dummy of no cells.
    pick(form.cboLinkCN, "1");
    EXPECT_EQ(finding("no cell 3"), nullptr);
    const core::Finding* french_cell = finding("no cell 1");
    ASSERT_NE(french_cell, nullptr);
    EXPECT_NE(french_cell->text.find("VTSM 1 PGC 2 (language unit 2) has 0 cells"), std::string::npos) << french_cell->text;
    // The dummy's successor the disc lacks.
    click(form.chkLinkCN);
    useTarget("VTSM 1 Root Menu", 9);
    EXPECT_NE(finding("the disc has no VTSM 1 Root Menu"), nullptr);
}

TEST_F(DiscChecks, FirstPlayReachedFromElsewhereIsNamedWithWhatTheReplayFound)
{
    const Command jump_first_play { 0x30, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00 };
    openFolder(testDisc("two_titlesets"));
    EXPECT_EQ(finding("First Play is jumped to"), nullptr);
    FreshWindow other;
    ASSERT_TRUE(other.form.openDisc(copyWith("two_titlesets", { Domain::Title, 1, 0, 2 }, { jump_first_play }).string(),
        Form1::DiscWindow::Hide));
    ui::userPicked(other.form.cboGPRM, *other.form.cboGPRM.indexOf("9"));
    const auto found = other.form.findings();
    const auto jumped = std::find_if(found.begin(), found.end(), [](const core::Finding& f) { return f.title == "First Play is jumped to"; });
    ASSERT_NE(jumped, found.end());
    EXPECT_NE(jumped->text.find("from VTS 1 PGC 2, pre command 1"), std::string::npos) << jumped->text;
    EXPECT_NE(jumped->text.find("Verify in the disc window"), std::string::npos);
}

TEST_F(DiscChecks, APgcWhoseOwnCommandsAndTheBlockPassTheLimit)
{
    // The title of two_titlesets filled to 126 commands of its own.
    const fs::path full = copyWith("two_titlesets", { Domain::Title, 2, 0, 1 },
        std::vector<Command>(124, Command { 0, 0, 0, 0, 0, 0, 0, 0 }));
    openFolder(full);
    pick(form.cboGPRM, "9");
    useTarget("Title 3");
    const core::Finding* over = finding("VTS 2 PGC 1 would overflow");
    ASSERT_NE(over, nullptr);
    EXPECT_EQ(over->severity, core::Severity::OverBudget);
    EXPECT_NE(over->text.find("holds 126 commands of its own; with the 4 of its block it would hold 130"), std::string::npos)
        << over->text;
    useTarget("Title 1");
    EXPECT_EQ(finding("VTS 2 PGC 1 would overflow"), nullptr);
}

}
}
