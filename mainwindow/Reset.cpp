#include "mainwindow/Form1.h"

#include "mainwindow/Defaults.h"

namespace trevalo {

void Form1::mnuReset_Click()
{
    if (!askAboutClipboard())
        return;
    forgetCopies();

    Frame1.setEnabled(true);
    Frame10.setEnabled(false);
    chkLinkCN.setValue(ui::Unchecked);
    chkLinkCN.setEnabled(true);
    optVTSM.setEnabled(true);
    cboPGC.setText("1");
    reopen(cboPGC);
    CboMenu.setText("Root Menu");
    reopen(CboMenu);
    CboMenu.setVisible(true);
    OptTitle.setEnabled(true);
    reopen(cboValue);
    reopen(cboGPRM);
    cboGPRM.setText("14");
    chkNone.setEnabled(true);
    chkDummy.setEnabled(true);
    chkDummy.setVisible(true);
    chkNone.setValue(ui::Unchecked);
    optVTSM.setValue(true);
    Label8.setCaption(std::string(defaults::first_target));
    Label22.setEnabled(false);
    Label22.setVisible(true);
    chkDummy.setValue(ui::Unchecked);
    chkDummy.setVisible(true);
    cboDummy.setText("6");
    cboDummy.setEnabled(false);
    cboDummy.setVisible(true);
    cboVmgTitle.setText("1");
    Label15.setCaption("VTSM 1, LU , 6 ");
    Label6.setVisible(true);
    cmdPaste.setVisible(true);
    cmdUndo.setVisible(false);
    cboLinkCN.setEnabled(false);
    cboLinkCN.setText("1");
    cboLinkCN.setBackColour(ui::colours::face);
    cboSelect.setText("VTSM");
    reopen(cboSelect);
    cmdNote.setVisible(false);
    // Import disabled the caution button and text; nothing else would ever
    // enable them again.
    cmdNote.setEnabled(true);
    Label32.setEnabled(true);
    chkHighlight.setValue(ui::Unchecked);
    chkHighlight_Click();
    for (ui::OptionButton* option : { &optOn, &optOff, &optNotSet, &optForce })
        option->setEnabled(false);
    Text1.setText(std::string(defaults::first_play_block));
    Text2.setText(std::string(defaults::menu_block));
    Text3.setText(std::string(defaults::menu_block));
    cboValue.setText("12345");
    cboValue.setVisible(false);
    cboSelect_Click();
    chkStreams.setEnabled(false);
    chkHighlight.setEnabled(false);
    for (ui::Label* label : { &Label9, &Label29, &Label30, &Label20, &lblGPRM0 })
        label->setEnabled(true);
    cmdCopy.setEnabled(false);
    cmdCopy2.setEnabled(false);
    cmdCopy3.setEnabled(false);
}

}
