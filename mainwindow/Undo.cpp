#include "mainwindow/Form1.h"

namespace trevalo {

void Form1::reopen(ui::ComboBox& list)
{
    list.setEnabled(true);
    list.setBackColour(ui::colours::yellow);
}

bool Form1::askAboutClipboard()
{
    switch (m_messages.show("Do you want to clear the clipboard? [Recommended]", "Warning", ui::Buttons::YesNoCancel)) {
    case ui::Answer::Yes:
        m_clipboard.clear();
        return true;
    case ui::Answer::No:
        // Before any import txtCB holds only its design text; putting that
        // on the clipboard would throw away whatever the author had there.
        if (!txtCB.text().empty() && txtCB.text().front() == '{')
            m_clipboard.setText(txtCB.text());
        return true;
    case ui::Answer::Ok:
    case ui::Answer::Cancel:
        break;
    }
    return false;
}

void Form1::cmdUndo_Click()
{
    if (!askAboutClipboard())
        return;
    forgetCopies();
    Text1.setText(txtText1.text());
    Text2.setText(txtText2.text());
    Text3.setText(txtText3.text());
    cmdPaste.setEnabled(true);
    cmdPaste.setVisible(true);
    Label6.setVisible(true);
    cmdUndo.setVisible(false);

    const std::string& domain = cboSelect.text();
    if (domain == "VTSM") {
        reopen(cboPGC);
        reopen(CboMenu);
        chkDummy.setEnabled(true);
        if (chkDummy.value() == ui::Checked) {
            Label22.setEnabled(true);
            reopen(cboDummy);
        } else {
            Label22.setEnabled(false);
            cboDummy.setEnabled(false);
        }
    } else if (domain == "VMGM") {
        reopen(cboPGC);
        chkHighlight.setEnabled(true);
        if (chkHighlight.value() == ui::Checked)
            reopen(cboButton);
    } else if (domain == "Title") {
        reopen(cboPGC);
        if (chkStreams.value() == ui::Checked) {
            for (ui::ComboBox* list : { &cboAudio, &cboSubs, &cboAngle })
                reopen(*list);
            for (ui::Label* label : { &lblAudio, &lblSubs, &lblAngle, &lblNC })
                label->setEnabled(true);
        }
    }
    // Import disabled the caution button whatever the target. For a VMGM or
    // Title target it is hidden now, but it shows again with the next menu
    // picked for a VTSM target, and nothing else would enable it then.
    cmdNote.setEnabled(true);

    Frame1.setEnabled(true);
    Frame10.setEnabled(false);
    for (ui::Label* label : { &lblGPRM0, &Label29, &Label30, &Label9, &Label32 })
        label->setEnabled(true);
    chkNone.setEnabled(true);
    if (chkNone.value() == ui::Unchecked) {
        reopen(cboGPRM);
        Label20.setEnabled(true);
    }
    reopen(cboValue);
    reopen(cboSelect);
    reopen(cboLinkCN);
    chkLinkCN.setEnabled(true);

    chkHighlight.setValue(ui::Unchecked);
    chkHighlight.setEnabled(false);
    chkStreams.setValue(ui::Unchecked);
    chkStreams.setEnabled(false);
    cmdCopy.setEnabled(false);
    cmdCopy2.setEnabled(false);
    cmdCopy3.setEnabled(false);
    mnuReset.setEnabled(true);
}

}
