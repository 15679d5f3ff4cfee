#include "mainwindow/Form1.h"

#include "core/Block.h"
#include "core/CodeTables.h"
#include "core/Text.h"

namespace trevalo {

namespace {

constexpr std::string_view new_sethl = "{56 00 00 00 04 00 00 00}";

bool isSetHL(std::string_view block, int k)
{
    return core::byteOf(block, k, 1) == "56";
}

}

void Form1::chkHighlight_Click()
{
    ui::TextBox& block = lastShownBlock();
    if (chkHighlight.value() == ui::Checked) {
        cboButton.setEnabled(true);
        cboButton.setBackColour(ui::colours::yellow);
        const int n = core::commandCount(block.text());
        for (int k = 1; k <= n; ++k) {
            if (isSetHL(block.text(), k)) {
                chkHLflag.setValue(ui::Checked);
                cboButton.setText(core::ButtonByteToNumber(core::byteOf(block.text(), k, 5)));
                txtOriginalHL.setText(core::command(block.text(), k));
                txtDetect.setVisible(true);
                chkHighlight.setForeColour(ui::colours::magenta);
                return;
            }
            if (core::isStopCommand(block.text(), k)) {
                if (chkHLflag.value() != ui::Unchecked)
                    return;
                std::string text = block.text();
                if (!core::moveGuardLine(text, +1))
                    return;
                core::insertCommand(text, k, new_sethl);
                block.setText(std::move(text));
                cboButton.setText("1");
                return;
            }
        }
    } else if (chkHighlight.value() == ui::Unchecked) {
        if (chkStreams.foreColour() == ui::colours::magenta || txtDetect.visible())
            chkHighlight.setForeColour(ui::colours::button_text);
        if (chkStreams.foreColour() != ui::colours::magenta)
            txtDetect.setVisible(false);

        std::string text = block.text();
        const int n = core::commandCount(text);
        if (txtOriginalHL.text().empty()) {
            // Also runs while the setting is already off (the dummy skip and
            // Reset call it directly); then it clears out any SetHL_BTN.
            core::removeBeforeStop(text, "56");
        } else {
            for (int k = 1; k <= n; ++k) {
                if (isSetHL(text, k)) {
                    text = core::firstCommands(text, k - 1) + txtOriginalHL.text() + core::mid(text, core::command_stride * k);
                    break;
                }
            }
        }
        block.setText(std::move(text));
        // The remembered command belongs to this switch-on only; keeping it
        // would make the next switch-on adopt nothing and insert nothing.
        txtOriginalHL.setText("");
        chkHLflag.setValue(ui::Unchecked);
        cboButton.setEnabled(false);
        cboButton.setBackColour(ui::colours::face);
    }
}

void Form1::cboButton_Click()
{
    if (ui::TextBox* block = dummyValueBlock()) {
        std::string text = block->text();
        const std::string code = core::ButtonNumberToByte(cboButton.text());
        const int n = core::commandCount(text);
        for (int k = 1; k <= n; ++k) {
            if (isSetHL(text, k))
                core::replaceByte(text, k, 5, code);
        }
        block->setText(std::move(text));
    }
    cmdDummy2.setFocus();
}

}
