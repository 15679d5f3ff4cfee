#include "support/FormFixture.h"

#include <string>

namespace trevalo {
namespace {

using testing::FreshWindow;
using testing::FormFixture;
using namespace testing::expected;
using ui::Colour;

const std::string trace = "{71 00 00 03 00 05 00 00}";

class Reset : public FormFixture {
protected:
    void reset(ui::Answer answer) { clickAndAnswer(form.mnuReset, answer); }
};

// The state Reset ends in: the start-up window with the few differences its
// steps leave behind. optVTSM is selected, the target selection greys the
// dummy number's text, writes Label15 without its trailing blank and leaves
// the focus on cmdTemp.
struct ResetWindow : testing::FreshWindow {
    ResetWindow()
    {
        form.optVTSM.on_click = nullptr;
        form.optVTSM.setValue(true);
        form.cboDummy.setForeColour(grey_text);
        form.Label15.setCaption("VTSM 1, LU , 6");
        form.cmdTemp.setFocus();
    }
};

TEST_F(Reset, CancelChangesNothingNotEvenTheClipboard)
{
    click(form.chkDummy);
    paste(trace);
    click(form.chkHighlight);
    clipboard.contents = "something else";
    const std::string before = form.window().dumpState();

    reset(ui::Answer::Cancel);
    EXPECT_EQ(form.window().dumpState(), before);
    EXPECT_EQ(clipboard.contents, "something else");
    EXPECT_EQ(clipboard.sets, 0);
    EXPECT_EQ(clipboard.clears, 0);
}

TEST_F(Reset, FromTheImportedStateWithEveryOptionOnItEndsInTheStartUpState)
{
    click(form.chkDummy);
    click(form.chkLinkCN);
    pick(form.cboLinkCN, "4");
    paste(trace);
    click(form.chkStreams);
    pick(form.cboAudio, "3");
    click(form.chkHighlight);
    pick(form.cboButton, "7");
    ASSERT_EQ(form.Text3.text(),
        "{00 B1 00 0E 00 00 00 07} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{51 00 00 83 00 00 00 00} {56 00 00 00 1C 00 00 00} {20 07 00 00 00 00 00 04} "
        "{00 00 00 00 00 00 00 00}");

    reset(ui::Answer::Yes);
    EXPECT_EQ(clipboard.contents, "");
    EXPECT_EQ(clipboard.clears, 1);

    EXPECT_EQ(form.Text1.text(), first_play);
    EXPECT_EQ(form.Text2.text(), menu_block);
    EXPECT_EQ(form.Text3.text(), menu_block);
    EXPECT_EQ(form.Label8.caption(), "VTSM 1 Root Menu");
    EXPECT_EQ(form.Label15.caption(), "VTSM 1, LU , 6");

    // Reset leaves the import's backups and the button list's text alone.
    ResetWindow expected;
    expected.form.txtCB.setText(trace);
    expected.form.txtText1.setText(first_play);
    expected.form.txtText2.setText(
        "{00 B1 00 0E 00 00 00 03} {20 04 00 00 00 00 00 06} {00 00 00 00 00 00 00 00}");
    expected.form.txtText3.setText(
        "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {20 07 00 00 00 00 00 04} {00 00 00 00 00 00 00 00}");
    expected.form.cboButton.setText("7");
    EXPECT_EQ(form.window().dumpState(), expected.form.window().dumpState());
}

TEST_F(Reset, FromTitleWithTheAllRegistersCheckItEndsInTheStartUpState)
{
    pick(form.cboSelect, "Title");
    pick(form.cboPGC, "5");
    click(form.chkNone);
    pick(form.cboValue, "22222");
    ASSERT_EQ(form.Text1.text().substr(442), "{30 02 00 00 00 05 00 00} {00 00 00 00 00 00 00 00}");

    reset(ui::Answer::Yes);
    ResetWindow expected;
    EXPECT_EQ(form.window().dumpState(), expected.form.window().dumpState());
}

TEST_F(Reset, AdoptedCommandsAreForgottenAndTheNextImportCanInsert)
{
    paste("{51 00 00 84 C2 81 00 00} {56 00 00 00 0C 00 00 00}");
    click(form.chkStreams);
    click(form.chkHighlight);
    ASSERT_TRUE(form.txtDetect.visible());
    reset(ui::Answer::Yes);
    EXPECT_EQ(form.chkAudioFlag.value(), 0);
    EXPECT_EQ(form.txtOriginalSetSTN.text(), "");
    EXPECT_EQ(form.chkHLflag.value(), 0);
    EXPECT_EQ(form.txtOriginalHL.text(), "");
    EXPECT_FALSE(form.txtDetect.visible());

    paste(trace);
    click(form.chkStreams);
    pick(form.cboAngle, "2");
    click(form.chkHighlight);
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 07} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{51 00 00 00 00 82 00 00} {56 00 00 00 04 00 00 00} {00 02 00 00 00 00 00 00} "
        "{00 00 00 00 00 00 00 00}");
}

TEST_F(Reset, ReopensTheCautionButtonForTheNextMenuChoice)
{
    paste(trace);
    reset(ui::Answer::Yes);
    pick(form.CboMenu, "Audio Menu");
    EXPECT_TRUE(form.cmdNote.usable());
}

TEST_F(Reset, NoPutsTheImportedTextOnTheClipboard)
{
    paste(trace);
    clipboard.contents = "";
    reset(ui::Answer::No);
    EXPECT_EQ(clipboard.contents, trace);
    EXPECT_EQ(form.txtCB.text(), trace);
}

TEST_F(Reset, NoBeforeAnyImportLeavesTheClipboardAsItIs)
{
    clipboard.contents = "the author's own text";
    reset(ui::Answer::No);
    EXPECT_EQ(clipboard.contents, "the author's own text");
    EXPECT_EQ(clipboard.sets, 0);
    EXPECT_EQ(clipboard.clears, 0);
    EXPECT_EQ(form.Text2.text(), menu_block);
}

TEST_F(Reset, NoAfterAnUndoneImportStillOffersTheImportedText)
{
    paste(trace);
    messages.answers.push_back(ui::Answer::Yes);
    click(form.cmdUndo);
    messages.shown.clear();
    reset(ui::Answer::No);
    EXPECT_EQ(clipboard.contents, trace);
}

}
}
