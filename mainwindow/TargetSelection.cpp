#include "mainwindow/Form1.h"

#include "core/Block.h"
#include "core/Text.h"
#include "mainwindow/Defaults.h"

namespace trevalo {

using core::left;
using core::mid;
using core::right;

namespace {

// The last two bytes of a jump from First Play, and the NOP closing its block.
const std::string jump_end = " 00 00} " + std::string(core::nop);

// The menu code of a JumpSS to a title set's menu; empty for a name that
// is not a menu.
std::string_view menuCode(std::string_view menu)
{
    if (menu == "Root Menu")
        return "83";
    if (menu == "Sub-Picture Menu")
        return "84";
    if (menu == "Audio Menu")
        return "85";
    if (menu == "Angle Menu")
        return "86";
    if (menu == "Chapter Menu")
        return "87";
    return {};
}

}

void Form1::setBreakpointTarget(std::string_view target)
{
    Label9.setCaption(defaults::traceInstructions(target));
}

void Form1::cboSelect_Click()
{
    const std::string& domain = cboSelect.text();
    if (domain == "VTSM") {
        chkStreams.setValue(ui::Unchecked);
        cboDummy.setForeColour(ui::colours::grey_text);
        CboMenu.setVisible(true);
        CboMenu.setEnabled(true);
        CboMenu.setText("Root Menu");
        CboMenu.setBackColour(ui::colours::yellow);
        cmdNote.setVisible(true);
        cboPGC.setEnabled(true);
        chkDummy.setVisible(true);
        chkDummy.setEnabled(true);
        cboDummy.setVisible(true);
        Label22.setVisible(true);
        cboPGC.setText("1");
        if (chkNone.value() == ui::Checked) {
            const std::string pair = markerPair();
            if (!pair.empty())
                Text1.setText(allRegisterTests(pair) + right(Text1.text(), 51));
        }
        CboMenu_Click();
    } else if (domain == "VMGM") {
        for (ui::Control* c : std::initializer_list<ui::Control*> { &CboMenu, &cmdNote, &chkDummy, &Label22, &cboDummy })
            c->setVisible(false);
        cboPGC.setText("1");
        chkDummy.setValue(ui::Unchecked);
        cboPGC_Click();
    } else if (domain == "Title") {
        chkDummy.setValue(ui::Unchecked);
        for (ui::Control* c : std::initializer_list<ui::Control*> { &CboMenu, &cmdNote, &chkDummy, &Label22, &cboDummy })
            c->setVisible(false);
        cboPGC.setText("1");
        Label22.setEnabled(false);
        cboPGC_Click();
        chkHighlight.setValue(ui::Unchecked);
    }
    cmdTemp.setFocus();
}

void Form1::CboMenu_Click()
{
    const std::string& menu = CboMenu.text();
    const std::string_view code = menuCode(menu);
    if (!code.empty()) {
        setBreakpointTarget("VTSM " + cboPGC.text() + " " + menu);
        cmdNote.setVisible(menu != "Root Menu");
        Label8.setCaption("VTSM " + cboPGC.text() + " " + menu);
        Text1.setText(left(Text1.text(), static_cast<long>(firstPlayPrefix())) + "{30 06 00 01 00 " + std::string(code)
            + jump_end);
    }
    if (chkNone.value() == ui::Unchecked)
        cboGPRM_Click();
    cboPGC_Click();
    cmdTemp.setFocus();
}

void Form1::cboPGC_Click()
{
    const std::string& domain = cboSelect.text();
    const std::string& pgc = cboPGC.text();
    const std::string vv = core::hexByte(core::leadingNumber(pgc));
    const std::string prefix = left(Text1.text(), static_cast<long>(firstPlayPrefix()));
    const int none = chkNone.value();

    if (domain == "VMGM") {
        if (!vv.empty()) {
            if (none == ui::Unchecked)
                Text1.setText(prefix + "{30 06 00 " + vv + " 00 C0 00 " + mid(Text1.text(), 49));
            else if (none == ui::Checked)
                Text1.setText(prefix + "{30 06 00 " + vv + " 00 C0" + jump_end);
        }
        setBreakpointTarget("VMGM " + pgc);
        Label8.setCaption("VMGM " + pgc);
    } else if (domain == "VTSM") {
        if (!vv.empty())
            Text1.setText(prefix + "{30 06 00 01 " + vv + right(Text1.text(), 36));
        Label8.setCaption("VTSM " + pgc + " " + CboMenu.text());
        if (chkDummy.value() == ui::Unchecked) {
            setBreakpointTarget("VTSM " + pgc + " " + CboMenu.text());
            Label22.setCaption("VTSM " + pgc + ", LU ,");
        } else if (chkDummy.value() == ui::Checked) {
            setBreakpointTarget("VTSM " + pgc + ", LU , " + cboDummy.text());
        }
        Label15.setCaption("VTSM " + pgc + ", LU , " + cboDummy.text());
    } else if (domain == "Title") {
        if (!vv.empty()) {
            if (none == ui::Unchecked)
                Text1.setText(prefix + "{30 02 00 00 00 " + vv + mid(Text1.text(), 45));
            else if (none == ui::Checked)
                Text1.setText(prefix + "{30 02 00 00 00 " + vv + jump_end);
        }
        Label8.setCaption("Title " + pgc);
        setBreakpointTarget("Title " + pgc);
    }
    cmdTemp.setFocus();
}

}
