#include "support/FormFixture.h"

#include <string>
#include <vector>

namespace trevalo {
namespace {

using testing::FakeClipboard;
using testing::FormFixture;

// Message boxes that note what the clipboard held while each box was open.
class ClipboardWitness final : public ui::MessageBoxes {
public:
    explicit ClipboardWitness(const FakeClipboard& clipboard)
        : m_clipboard(clipboard)
    {
    }

    ui::Answer show(std::string_view prompt, std::string_view title, ui::Buttons buttons) override
    {
        shown.push_back({ std::string(prompt), std::string(title), buttons, m_clipboard.contents });
        return ui::Answer::Ok;
    }

    struct Shown {
        std::string prompt;
        std::string title;
        ui::Buttons buttons;
        std::string clipboard;
    };
    std::vector<Shown> shown;

private:
    const FakeClipboard& m_clipboard;
};

class Copy : public FormFixture {
protected:
    ClipboardWitness witness { clipboard };
    Form1 window { clipboard, witness, modals };

    void importCommand()
    {
        clipboard.contents = "{71 00 00 03 00 05 00 00}";
        click(window.cmdPaste);
        ASSERT_TRUE(window.cmdUndo.visible());
        witness.shown.clear();
    }
};

const std::string imported_text2 = "{00 B1 00 0E 00 00 00 05} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
                                   "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}";

TEST_F(Copy, EachButtonPutsItsBlockOnTheClipboardSilentlyByDefault)
{
    click(window.chkDummy);
    importCommand();
    ASSERT_TRUE(window.cmdCopy3.usable());

    click(window.cmdCopy);
    EXPECT_EQ(clipboard.contents, "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(clipboard.clears, 1);
    EXPECT_EQ(clipboard.sets, 1);

    click(window.cmdCopy2);
    EXPECT_EQ(clipboard.contents, "{00 B1 00 0E 00 00 00 03} {20 04 00 00 00 00 00 06} {00 00 00 00 00 00 00 00}");

    click(window.cmdCopy3);
    EXPECT_EQ(clipboard.contents, imported_text2);
    EXPECT_EQ(clipboard.clears, 3);
    EXPECT_EQ(clipboard.sets, 3);
    EXPECT_TRUE(witness.shown.empty());
}

TEST_F(Copy, FirstPlayInstructionsComeBeforeTheClipboardChanges)
{
    importCommand();
    click(window.chkdisable);
    click(window.cmdCopy);
    ASSERT_EQ(witness.shown.size(), 1u);
    EXPECT_EQ(witness.shown[0].prompt,
        "1. Select [******** pre commands:] label in First Play PGC.\r\n2. Ctrl + Shift + V (Paste After).");
    EXPECT_EQ(witness.shown[0].title, "Paste Instructions");
    EXPECT_EQ(witness.shown[0].buttons, ui::Buttons::Ok);
    EXPECT_EQ(witness.shown[0].clipboard, "{71 00 00 03 00 05 00 00}");
    EXPECT_EQ(clipboard.contents, "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
}

TEST_F(Copy, MenuInstructionsNameTheTargetAfterTheClipboardChanged)
{
    importCommand();
    click(window.chkdisable);
    click(window.cmdCopy2);
    ASSERT_EQ(witness.shown.size(), 1u);
    EXPECT_EQ(witness.shown[0].prompt,
        "1. Select [******** pre commands:] label in VTSM 1 Root Menu.\r\n2. Ctrl + Shift + V (Paste After).");
    EXPECT_EQ(witness.shown[0].title, "Paste Instructions");
    EXPECT_EQ(witness.shown[0].buttons, ui::Buttons::Ok);
    EXPECT_EQ(witness.shown[0].clipboard, imported_text2);
}

TEST_F(Copy, TitleInstructionsNameTheTitle)
{
    pick(window.cboSelect, "Title");
    pick(window.cboPGC, "5");
    importCommand();
    click(window.chkdisable);
    click(window.cmdCopy2);
    ASSERT_EQ(witness.shown.size(), 1u);
    EXPECT_EQ(witness.shown[0].prompt,
        "1. Select [******** pre commands:] label in Title 5.\r\n2. Ctrl + Shift + V (Paste After).");
}

TEST_F(Copy, DummySuccessorInstructionsNameItAfterTheClipboardChanged)
{
    click(window.chkDummy);
    pick(window.cboDummy, "12");
    importCommand();
    click(window.chkdisable);
    click(window.cmdCopy3);
    ASSERT_EQ(witness.shown.size(), 1u);
    EXPECT_EQ(witness.shown[0].prompt,
        "1. Select [******** pre commands:] label in VTSM 1, LU , 12.\r\n2. Ctrl + Shift + V (Paste After).");
    EXPECT_EQ(witness.shown[0].title, "Paste Instructions");
    EXPECT_EQ(witness.shown[0].clipboard, imported_text2);
    EXPECT_EQ(clipboard.contents, imported_text2);

    click(window.chkdisable);
    click(window.cmdCopy);
    click(window.cmdCopy2);
    click(window.cmdCopy3);
    EXPECT_EQ(witness.shown.size(), 1u);
}

// The window says what a copy put on the clipboard, and marks each block
// copied while it still reads as copied; only a change of a block ends the
// note. The findings stay readable beside the note: the two share the line,
// the note in its short form with the whole of it in its tooltip.
TEST_F(Copy, ACopyIsNotedAndEachBlockMarkedUntilItChanges)
{
    pick(form.cboPGC, "3");
    pick(form.CboMenu, "Chapter Menu");
    clipboard.contents = "{71 00 00 0E 00 05 00 00}"; // the guard register itself: a finding
    click(form.cmdPaste);
    messages.shown.clear();
    ASSERT_TRUE(form.lblNotice.visible());
    const std::string findings = form.lblNotice.tooltip();

    click(form.cmdCopy2);
    EXPECT_TRUE(form.lblCopyNote.visible());
    EXPECT_EQ(form.lblCopyNote.caption(), "Block 2 copied: 5 commands");
    EXPECT_EQ(form.lblCopyNote.tooltip(), "Block 2 copied: 5 commands for VTSM 3 Chapter Menu");
    EXPECT_TRUE(form.lblNotice.visible());
    EXPECT_EQ(form.lblNotice.tooltip(), findings);
    const auto overlap = [](const ui::Place& a, const ui::Place& b) {
        return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
    };
    EXPECT_FALSE(overlap(form.lblCopyNote.place(), form.lblNotice.place()));
    EXPECT_TRUE(form.lblCopied2.visible());
    EXPECT_FALSE(form.lblCopied1.visible());

    click(form.cmdCopy);
    EXPECT_EQ(form.lblCopyNote.tooltip(), "Block 1 copied: 3 commands for First Play PGC");
    EXPECT_TRUE(form.lblCopied1.visible());
    EXPECT_TRUE(form.lblCopied2.visible());
    click(form.About);
    EXPECT_TRUE(form.lblCopyNote.visible());
    // The log's Copy to Clipboard replaces the block on the clipboard: the
    // note follows it, and the marks (copied since the block changed) stay.
    modals.while_shown = [](ui::Window& window) { static_cast<ui::Button*>(window.find("Command1"))->click(); };
    click(form.Log);
    modals.while_shown = nullptr;
    EXPECT_EQ(form.lblCopyNote.caption(), "The log's report copied");
    EXPECT_NE(clipboard.contents.find("log"), std::string::npos);
    EXPECT_TRUE(form.lblCopied1.visible());
    click(form.cmdCopy);

    click(form.chkHighlight);
    EXPECT_FALSE(form.lblCopyNote.visible());
    EXPECT_TRUE(form.lblNotice.visible());
    EXPECT_TRUE(form.lblCopied1.visible());
    EXPECT_FALSE(form.lblCopied2.visible());
    click(form.chkHighlight); // back as copied
    EXPECT_TRUE(form.lblCopied2.visible());

    clickAndAnswer(form.mnuReset, ui::Answer::Yes);
    for (const ui::Label* mark : { &form.lblCopied1, &form.lblCopied2, &form.lblCopied3, &form.lblCopyNote })
        EXPECT_FALSE(mark->visible()) << mark->name();
}

// Undo disables the copy buttons and clears the clipboard or puts the trace
// back on it: no mark stays beside a button that cannot copy, not even for
// the First Play block, which Undo leaves as it was copied, nor once the
// same trace is imported again.
TEST_F(Copy, UndoLeavesNoMarkBesideADisabledCopyButton)
{
    click(form.chkDummy);
    clipboard.contents = "{71 00 00 03 00 05 00 00}";
    click(form.cmdPaste);
    messages.shown.clear();
    for (ui::Button* copy : { &form.cmdCopy, &form.cmdCopy2, &form.cmdCopy3 })
        click(*copy);
    ASSERT_TRUE(form.lblCopied1.visible());
    ASSERT_TRUE(form.lblCopied3.visible());

    clickAndAnswer(form.cmdUndo, ui::Answer::No);
    ASSERT_FALSE(form.cmdCopy.enabled());
    ASSERT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    for (const ui::Label* mark : { &form.lblCopied1, &form.lblCopied2, &form.lblCopied3, &form.lblCopyNote })
        EXPECT_FALSE(mark->visible()) << mark->name();

    click(form.cmdPaste);
    ASSERT_TRUE(form.cmdCopy.usable());
    for (const ui::Label* mark : { &form.lblCopied1, &form.lblCopied2, &form.lblCopied3, &form.lblCopyNote })
        EXPECT_FALSE(mark->visible()) << mark->name() << " after the import again";
}

// Whatever disables a copy button, its mark goes with it.
TEST_F(Copy, AMarkShowsOnlyBesideAnEnabledCopyButton)
{
    clipboard.contents = "{71 00 00 03 00 05 00 00}";
    click(form.cmdPaste);
    messages.shown.clear();
    click(form.cmdCopy);
    ASSERT_TRUE(form.lblCopied1.visible());
    clickAndAnswer(form.cmdUndo, ui::Answer::Yes);
    EXPECT_FALSE(form.cmdCopy.enabled());
    EXPECT_FALSE(form.lblCopied1.visible());
    EXPECT_EQ(clipboard.contents, "");
}

TEST_F(Copy, TheNoteNamesTheTargetWithoutTheCaptionsTrailingBlanks)
{
    click(window.chkDummy);
    importCommand();
    click(window.cmdCopy3);
    EXPECT_EQ(window.lblCopyNote.caption(), "Block 3 copied: 5 commands for VTSM 1, LU , 6");
    EXPECT_TRUE(window.lblCopied3.visible());
}

}
}
