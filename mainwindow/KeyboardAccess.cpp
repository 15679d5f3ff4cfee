#include "mainwindow/Form1.h"

namespace trevalo {

namespace {

struct Step {
    ui::Control* control;
    const char* description;
};

}

// Keys for the actions an author repeats in every session, letters for the
// rest, and for a screen reader a name and the step each control belongs to.
void Form1::describeForKeyboardAndScreenReaders()
{
    cmdPaste.setShortcut("Ctrl+I");
    cmdUndo.setShortcut("Ctrl+Z");
    cmdCopy.setShortcut("Ctrl+1");
    cmdCopy2.setShortcut("Ctrl+2");
    cmdCopy3.setShortcut("Ctrl+3");
    Log.setShortcut("Ctrl+L");
    About.setShortcut("F1");
    mnuReset.setShortcut("Ctrl+R");
    mnuOpenDisc.setShortcut("Ctrl+O");
    mnuDiscWindow.setShortcut("Ctrl+D");

    // Every letter of "Disc" is another control's already; the menu opens
    // from the menu bar's key (F10, Alt), and its entries have keys of their own.
    mnuOpenDisc.setMnemonic('O');
    mnuDiscWindow.setMnemonic('W');
    mnuReset.setMnemonic('R');
    Log.setMnemonic('L');
    About.setMnemonic('A');
    cmdPaste.setMnemonic('I');
    cmdUndo.setMnemonic('U');
    cmdNote.setMnemonic('C');
    chkNone.setMnemonic('N');
    chkDummy.setMnemonic('D');
    chkLinkCN.setMnemonic('J');
    chkStreams.setMnemonic('S');
    chkHighlight.setMnemonic('H');
    chkdisable.setMnemonic('P');
    optOn.setMnemonic('O');
    optOff.setMnemonic('F');
    optNotSet.setMnemonic('T');
    optForce.setMnemonic('B');

    cboGPRM.setAccessibleName("Unused GPRM (guard register)");
    cboValue.setAccessibleName("GPRM 0 marker value");
    cboSelect.setAccessibleName("Target domain");
    cboPGC.setAccessibleName("Title set, PGC or title number");
    CboMenu.setAccessibleName("Menu");
    cboDummy.setAccessibleName("PGC the dummy links to");
    cboLinkCN.setAccessibleName("Cell number");
    cboAudio.setAccessibleName("Audio stream");
    cboSubs.setAccessibleName("Sub-picture stream");
    cboAngle.setAccessibleName("Angle");
    cboButton.setAccessibleName("Highlighted button");
    cmdCopy.setAccessibleName("Copy the First Play PGC block to the clipboard");
    cmdCopy2.setAccessibleName("Copy the target PGC block to the clipboard");
    cmdCopy3.setAccessibleName("Copy the block for the PGC after the dummy to the clipboard");
    Text1.setAccessibleName("New top pre commands for the First Play PGC");
    Text2.setAccessibleName("New top pre commands for the target PGC");
    Text3.setAccessibleName("New top pre commands for the PGC after the dummy");
    // The findings line is read from the keyboard too: Tab stops on it, it
    // shows its details then, and a screen reader reads its caption and the
    // details (set with them, after every event).
    lblNotice.setTabStop(ui::Label::TabStop::Yes);
    // The copy note stands in the findings' place while it shows, so it
    // carries them for the keyboard in the same way.
    lblCopyNote.setTabStop(ui::Label::TabStop::Yes);
    lblCopyNote.setAccessibleName("What was copied");
    lblCopied1.setAccessibleName("First Play PGC block copied");
    lblCopied2.setAccessibleName("Target PGC block copied");
    lblCopied3.setAccessibleName("Block for the PGC after the dummy copied");
    for (ui::Label* digit : { &Label4, &Label19, &Label1, &Label7, &Label12, &Label11, &Label10, &Label14, &Label23 })
        digit->setAccessibleName("Step " + digit->caption());

    const char* const steps[] = {
        "Step 1: choose a register the disc never uses, the guard register",
        "Step 2: trace the disc in PgcEdit up to the target PGC",
        "Step 3: choose the PGC the disc is to start in",
        "Step 4: import PgcEdit's changed registers from the clipboard",
        "Step 5: optionally set streams and the highlighted button",
        "Step 6: copy each block and paste it at the top of its PGC's pre commands in PgcEdit",
        "Step 7: test with another trace in PgcEdit, then save",
    };
    auto describe = [&](ui::Control& container, int step) {
        for (ui::Control* c : container.children())
            c->setAccessibleDescription(steps[step - 1]);
    };
    describe(Frame3, 1);
    describe(Frame2, 2);
    describe(Frame1, 3);
    describe(Frame4, 4);
    describe(Frame10, 5);
    describe(Frame7, 5);
    describe(Frame5, 7);
    for (const Step& s : std::initializer_list<Step> {
             { &chkNone, steps[0] },
             { &cmdPaste, steps[3] },
             { &cmdUndo, steps[3] },
             { &chkdisable, steps[5] },
             { &cmdCopy, steps[5] },
             { &cmdCopy2, steps[5] },
             { &cmdCopy3, steps[5] },
             { &Text1, steps[5] },
             { &Text2, steps[5] },
             { &Text3, steps[5] },
             { &Label11, steps[5] },
             { &Label10, steps[5] },
             { &Label14, steps[5] },
             { &lblCopyNote, copy_note_description.data() },
             { &lblCopied1, "Copied since the block last changed" },
             { &lblCopied2, "Copied since the block last changed" },
             { &lblCopied3, "Copied since the block last changed" },
         })
        s.control->setAccessibleDescription(s.description);
}

}
