#include "support/FormFixture.h"

#include <string>

namespace trevalo {
namespace {

using testing::FreshWindow;
using testing::FormFixture;
using namespace testing::expected;
using ui::Colour;

const std::string trace = "{71 00 00 03 00 05 00 00}\r\n{71 00 00 04 00 01 00 00}";

class Undo : public FormFixture {
protected:
    void undo(ui::Answer answer) { clickAndAnswer(form.cmdUndo, answer); }
};


TEST_F(Undo, CancelChangesNothingNotEvenTheClipboard)
{
    paste(trace);
    click(form.chkStreams);
    pick(form.cboAudio, "2");
    click(form.chkHighlight);
    clipboard.contents = "something else";
    const std::string before = form.window().dumpState();
    const int sets = clipboard.sets, clears = clipboard.clears;

    undo(ui::Answer::Cancel);
    EXPECT_EQ(form.window().dumpState(), before);
    EXPECT_EQ(clipboard.contents, "something else");
    EXPECT_EQ(clipboard.sets, sets);
    EXPECT_EQ(clipboard.clears, clears);
    EXPECT_TRUE(form.cmdUndo.visible());
}

// Undo returns every control to its start-up state but the backups of the
// import, the cell number list (left open) and OptTitle (left locked).
TEST_F(Undo, YesClearsTheClipboardAndReturnsToTheStartUpState)
{
    paste(trace);
    undo(ui::Answer::Yes);
    EXPECT_EQ(clipboard.contents, "");
    EXPECT_EQ(clipboard.clears, 1);
    EXPECT_EQ(clipboard.sets, 0);

    FreshWindow expected;
    expected.form.txtCB.setText(trace);
    expected.form.txtText1.setText(first_play);
    expected.form.txtText2.setText(menu_block);
    expected.form.txtText3.setText(menu_block);
    expected.form.cboLinkCN.setEnabled(true);
    expected.form.cboLinkCN.setBackColour(yellow);
    expected.form.OptTitle.setEnabled(false);
    EXPECT_EQ(form.window().dumpState(), expected.form.window().dumpState());
}

TEST_F(Undo, NoPutsTheTraceBackAndASecondImportGivesTheSameWindow)
{
    paste(trace);
    const std::string imported = form.window().dumpState();
    ASSERT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{71 00 00 04 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    clipboard.contents = "";
    undo(ui::Answer::No);
    EXPECT_EQ(clipboard.contents, trace);
    EXPECT_EQ(form.Text2.text(), menu_block);
    EXPECT_TRUE(form.cmdPaste.visible());
    EXPECT_TRUE(form.cmdPaste.enabled());
    EXPECT_FALSE(form.cmdUndo.visible());

    click(form.cmdPaste);
    EXPECT_EQ(form.window().dumpState(), imported);
}

TEST_F(Undo, PostSettingsGoOffOnTheRestoredBlocks)
{
    paste(trace);
    click(form.chkStreams);
    pick(form.cboAudio, "2");
    click(form.chkHighlight);
    pick(form.cboButton, "4");
    undo(ui::Answer::Yes);

    EXPECT_EQ(form.Text1.text(), first_play);
    EXPECT_EQ(form.Text2.text(), menu_block);
    EXPECT_EQ(form.Text3.text(), menu_block);
    EXPECT_EQ(form.chkStreams.value(), 0);
    EXPECT_FALSE(form.chkStreams.enabled());
    EXPECT_EQ(form.chkHighlight.value(), 0);
    EXPECT_FALSE(form.chkHighlight.enabled());
    for (const ui::ComboBox* list : { &form.cboAudio, &form.cboSubs, &form.cboAngle }) {
        EXPECT_EQ(list->text(), "nc") << list->name();
        EXPECT_FALSE(list->enabled()) << list->name();
    }
    EXPECT_FALSE(form.cboButton.enabled());
    EXPECT_EQ(form.cboButton.backColour(), face);
    EXPECT_FALSE(form.Frame10.enabled());
    for (const ui::Button* copy : { &form.cmdCopy, &form.cmdCopy2, &form.cmdCopy3 })
        EXPECT_FALSE(copy->enabled()) << copy->name();
}

TEST_F(Undo, AdoptionsEndWithTheUndoAndTheSettingsWorkAfterTheNextImport)
{
    paste("{51 00 00 84 C2 81 00 00} {56 00 00 00 0C 00 00 00}");
    click(form.chkStreams);
    click(form.chkHighlight);
    ASSERT_EQ(form.chkAudioFlag.value(), 1);
    ASSERT_EQ(form.chkHLflag.value(), 1);
    undo(ui::Answer::Yes);

    EXPECT_EQ(form.Text2.text(), menu_block);
    EXPECT_EQ(form.chkAudioFlag.value(), 0);
    EXPECT_EQ(form.txtOriginalSetSTN.text(), "");
    EXPECT_EQ(form.chkHLflag.value(), 0);
    EXPECT_EQ(form.txtOriginalHL.text(), "");
    EXPECT_FALSE(form.txtDetect.visible());
    EXPECT_EQ(form.chkStreams.foreColour(), button_text);
    EXPECT_EQ(form.chkHighlight.foreColour(), button_text);

    paste("{71 00 00 03 00 05 00 00}");
    click(form.chkStreams);
    pick(form.cboAudio, "2");
    click(form.chkHighlight);
    pick(form.cboButton, "3");
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 07} {71 00 00 0E 00 01 00 00} {71 00 00 03 00 05 00 00} "
        "{51 00 00 82 00 00 00 00} {56 00 00 00 0C 00 00 00} {00 02 00 00 00 00 00 00} "
        "{00 00 00 00 00 00 00 00}");
    EXPECT_FALSE(form.txtDetect.visible());
}

TEST_F(Undo, TheSameAdoptedTraceIsAdoptedAgainAfterAnUndo)
{
    const std::string adopted = "{00 B1 00 0E 00 00 00 05} {71 00 00 0E 00 01 00 00} {51 00 00 84 C2 81 00 00} "
                                "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}";
    paste("{51 00 00 84 C2 81 00 00}");
    click(form.chkStreams);
    undo(ui::Answer::No);
    click(form.cmdPaste);
    click(form.chkStreams);
    EXPECT_EQ(form.Text2.text(), adopted);
    EXPECT_EQ(form.chkAudioFlag.value(), 1);
    EXPECT_EQ(form.txtOriginalSetSTN.text(), "{51 00 00 84 C2 81 00 00}");
    EXPECT_TRUE(form.txtDetect.visible());
    pick(form.cboAngle, "9");
    EXPECT_EQ(form.Text2.text().substr(52, 25), "{51 00 00 84 C2 89 00 00}");
}

TEST_F(Undo, WithTheDummySkipTheDummyListOpensAgain)
{
    click(form.chkDummy);
    paste(trace);
    click(form.chkStreams);
    undo(ui::Answer::Yes);
    EXPECT_EQ(form.Text2.text(), link_block);
    EXPECT_EQ(form.Text3.text(), menu_block);
    EXPECT_TRUE(form.Text3.visible());
    EXPECT_TRUE(form.cboDummy.enabled());
    EXPECT_EQ(form.cboDummy.backColour(), yellow);
    EXPECT_TRUE(form.Label22.enabled());
    EXPECT_TRUE(form.chkDummy.enabled());
    EXPECT_TRUE(form.Frame1.enabled());
    EXPECT_TRUE(form.cboLinkCN.enabled());
    EXPECT_EQ(form.cboLinkCN.backColour(), yellow);
}

}
}
