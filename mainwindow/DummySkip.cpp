#include "mainwindow/Form1.h"

#include "core/Block.h"
#include "core/Text.h"

namespace trevalo {

using core::left;
using core::mid;

namespace {

const std::string closing_nop = " " + std::string(core::nop);
// A LinkCN to cell 1, cboLinkCN's first choice.
constexpr std::string_view link_first_cell = "{20 07 00 00 00 00 00 01}";

// A list's number as a command byte ("6" gives "06"); empty past 255.
std::string numberByte(const ui::ComboBox& list)
{
    return core::hexByte(core::leadingNumber(list.text()));
}

}

ui::TextBox* Form1::dummyValueBlock()
{
    if (chkDummy.value() == ui::Checked)
        return &Text3;
    if (chkDummy.value() == ui::Unchecked)
        return &Text2;
    return nullptr;
}

void Form1::chkDummy_Click()
{
    auto showDummyBlock = [this](bool shown) {
        for (ui::Control* c : std::initializer_list<ui::Control*> { &Label14, &Label15, &Label16, &Label17, &cmdCopy3, &Text3 })
            c->setVisible(shown);
    };

    if (chkDummy.value() == ui::Unchecked) {
        setBreakpointTarget("VTSM " + cboPGC.text() + " " + CboMenu.text());
        cboDummy.setBackColour(ui::colours::face);
        Label22.setEnabled(false);
        if (chkNone.value() == ui::Unchecked) {
            showDummyBlock(false);
            Text2.setText(Text3.text());
            cboGPRM_Click();
            cboDummy.setEnabled(false);
        } else if (chkNone.value() == ui::Checked) {
            showDummyBlock(false);
            cboDummy.setForeColour(ui::colours::window_text);
            cboDummy.setEnabled(false);
            Text2.setText(Text3.text());
        }
    } else if (chkDummy.value() == ui::Checked) {
        Label22.setEnabled(true);
        cboDummy.setForeColour(ui::colours::window_text);
        cboDummy.setBackColour(ui::colours::yellow);
        if (chkNone.value() == ui::Unchecked) {
            Text3.setText(Text2.text());
            Text2.setText("{00 B1 00 0E 00 00 00 03} {20 04 00 00 00 00 00 06}" + closing_nop);
            cboDummy_Click();
            cboGPRM_Click();
            cboPGC_Click();
            cboDummy.setEnabled(true);
            showDummyBlock(true);
        } else if (chkNone.value() == ui::Checked) {
            cboDummy.setEnabled(true);
            showDummyBlock(true);
            Text3.setText(Text2.text());
            const std::string dd = numberByte(cboDummy);
            if (!dd.empty())
                Text2.setText(left(Text2.text(), 23) + "3} {20 04 00 00 00 00 00 " + dd + "}" + closing_nop);
        }
        setBreakpointTarget("VTSM " + cboPGC.text() + ", LU , " + cboDummy.text());
        Label22.setCaption("VTSM " + cboPGC.text() + ", LU ,");
    }
    // The menu block has moved; the highlight setting follows it.
    chkHighlight_Click();
}

void Form1::cboDummy_Click()
{
    const std::string dd = numberByte(cboDummy);
    const std::string& link_block = Text2.text();
    // The link and the NOP are rewritten in place of the block's last two
    // commands; a block too short to hold them is left alone.
    if (!dd.empty() && link_block.size() >= 51)
        Text2.setText(left(link_block, static_cast<long>(link_block.size()) - 51) + "{20 04 00 00 00 00 00 " + dd + "}"
            + closing_nop);
    Label15.setCaption("VTSM " + cboPGC.text() + ", LU , " + cboDummy.text());
    setBreakpointTarget("VTSM " + cboPGC.text() + ", LU , " + cboDummy.text());
}

void Form1::chkLinkCN_Click()
{
    ui::TextBox& target = lastShownBlock();
    const int n = core::commandCount(target.text());
    if (chkLinkCN.value() == ui::Checked) {
        cboLinkCN.setEnabled(true);
        cboLinkCN.setBackColour(ui::colours::yellow);
        for (int i = 0; i < n; ++i) {
            if (core::byteOf(target.text(), i + 1, 2) == "02") {
                target.setText(core::firstCommands(target.text(), i) + std::string(link_first_cell) + closing_nop);
                cboLinkCN.setText("1");
                break;
            }
        }
    } else if (chkLinkCN.value() == ui::Unchecked) {
        cboLinkCN.setEnabled(false);
        cboLinkCN.setBackColour(ui::colours::face);
        for (int i = 0; i < n; ++i) {
            if (core::identity(target.text(), i + 1) == "20 07")
                target.setText(core::firstCommands(target.text(), i) + std::string(core::break_command) + closing_nop);
        }
    }
}

void Form1::cboLinkCN_Click()
{
    const std::string cc = numberByte(cboLinkCN);
    ui::TextBox* target = dummyValueBlock();
    if (cc.empty() || !target)
        return;
    const int n = core::commandCount(target->text());
    for (int i = 0; i < n; ++i) {
        if (core::identity(target->text(), i + 1) == "20 07")
            target->setText(left(target->text(), core::command_stride * i + 22) + cc + "}" + closing_nop);
    }
}

}
