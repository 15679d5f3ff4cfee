#include "mainwindow/Form1.h"

#include "mainwindow/Defaults.h"

#include <string>

namespace trevalo {

void Form1::Form_Load()
{
    cboVmgTitle.setEnabled(false);
    Label9.setCaption(defaults::traceInstructions(defaults::first_target));
    for (ui::Control* c : std::initializer_list<ui::Control*> { &Label14, &Label15, &Label16, &Label17, &cmdCopy3, &Text3 })
        c->setVisible(false);
    for (int n = 0; n <= 15; ++n)
        cboGPRM.addItem(std::to_string(n));
    for (int n = 1; n <= 99; ++n) {
        for (ui::ComboBox* list : { &cboPGC, &cboVmgTitle, &cboDummy, &cboLinkCN })
            list->addItem(std::to_string(n));
    }
    for (ui::ComboBox* list : { &cboAudio, &cboSubs, &cboAngle })
        list->addItem("nc");
    for (int n = 0; n <= 7; ++n)
        cboAudio.addItem(std::to_string(n));
    for (int n = 0; n <= 31; ++n)
        cboSubs.addItem(std::to_string(n));
    for (int n = 1; n <= 9; ++n)
        cboAngle.addItem(std::to_string(n));
    for (int n = 1; n <= 36; ++n)
        cboButton.addItem(std::to_string(n));
    cboButton.setEnabled(false);
    for (const char* marker : { "12345", "11111", "22222", "33333", "44444", "55555" })
        cboValue.addItem(marker);
    cboValue.setText("12345");
    for (const char* menu : { "Root Menu", "Sub-Picture Menu", "Audio Menu", "Angle Menu", "Chapter Menu" })
        CboMenu.addItem(menu);
    for (const char* domain : { "VTSM", "VMGM", "Title" })
        cboSelect.addItem(domain);
    Text1.setText(std::string(defaults::first_play_block));
    Text2.setText(std::string(defaults::menu_block));
    Text3.setText(std::string(defaults::menu_block));
    Label32.setCaption(std::string(defaults::caution));
}

// The secondary windows are modal and unloaded when they close, so none is
// left open when the main window closes; nothing outlives the window.
void Form1::Form_Unload()
{
    form.setVisible(false);
}

}
