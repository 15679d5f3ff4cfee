#include "mainwindow/Form1.h"

#include "core/Block.h"
#include "core/CodeTables.h"
#include "core/Text.h"

namespace trevalo {

namespace {

constexpr std::string_view new_setstn = "{51 00 00 00 00 00 00 00}";

bool isSetSTN(std::string_view block, int k)
{
    return core::byteOf(block, k, 1) == "51";
}

// Audio and angle bytes: "nc" leaves the stream as it is, a number n sets it.
std::string streamCode(const std::string& choice)
{
    return choice == "nc" ? "00" : "8" + choice;
}

// Selecting an option from code runs its operation even when it is already
// selected, so the adopted command always carries the code of the option
// shown ("BE" becomes "BF" under Not set, "00" becomes "FF" under Force).
void select(ui::OptionButton& option, void (Form1::*operation)(), Form1& form)
{
    if (option.value())
        (form.*operation)();
    else
        option.setValue(true);
}

}

ui::TextBox& Form1::currentBlock()
{
    return Text3.visible() ? Text3 : Text2;
}

void Form1::chkStreams_Click()
{
    ui::TextBox& block = currentBlock();
    if (chkStreams.value() == ui::Checked) {
        for (ui::Control* c : std::initializer_list<ui::Control*> { &optOn, &optOff, &optNotSet, &optForce })
            c->setEnabled(true);
        for (ui::ComboBox* list : { &cboAudio, &cboSubs, &cboAngle }) {
            list->setEnabled(true);
            list->setBackColour(ui::colours::yellow);
        }
        for (ui::Label* label : { &lblAudio, &lblSubs, &lblAngle, &lblNC })
            label->setEnabled(true);

        const int n = core::commandCount(block.text());
        int stop = 0;
        for (int k = 1; k <= n; ++k) {
            if (isSetSTN(block.text(), k)) {
                adoptSetSTN(k);
                if (&block == &Text2)
                    return;
            }
            if (core::isStopCommand(block.text(), k)) {
                stop = k;
                break;
            }
        }
        // A block without a stop command has no place for the command.
        if (chkAudioFlag.value() == ui::Checked || stop == 0)
            return;
        std::string text = block.text();
        if (!core::moveGuardLine(text, +1))
            return;
        core::insertCommand(text, stop, new_setstn);
        block.setText(std::move(text));
    } else if (chkStreams.value() == ui::Unchecked) {
        for (ui::Control* c : std::initializer_list<ui::Control*> { &optOn, &optOff, &optNotSet, &optForce })
            c->setEnabled(false);
        if (chkHighlight.foreColour() == ui::colours::magenta || txtDetect.visible())
            chkStreams.setForeColour(ui::colours::button_text);
        if (chkHighlight.foreColour() != ui::colours::magenta)
            txtDetect.setVisible(false);

        std::string text = block.text();
        if (!txtOriginalSetSTN.text().empty()) {
            const int n = core::commandCount(text);
            for (int k = 1; k <= n; ++k) {
                if (isSetSTN(text, k))
                    text = core::firstCommands(text, k - 1) + txtOriginalSetSTN.text()
                        + core::mid(text, core::commandStride * k);
            }
        } else {
            core::removeBeforeStop(text, "51");
        }
        block.setText(std::move(text));
        // The remembered command belongs to this switch-on only; keeping it
        // would make the next switch-on adopt nothing and insert nothing.
        txtOriginalSetSTN.setText("");
        chkAudioFlag.setValue(ui::Unchecked);

        for (ui::ComboBox* list : { &cboAudio, &cboSubs, &cboAngle }) {
            list->setText("nc");
            list->setEnabled(false);
            list->setBackColour(ui::colours::face);
        }
        for (ui::Label* label : { &lblAudio, &lblSubs, &lblAngle, &lblNC })
            label->setEnabled(false);
    }
}

void Form1::adoptSetSTN(int k)
{
    ui::TextBox& block = currentBlock();
    chkAudioFlag.setValue(ui::Checked);
    const std::string audio = core::byteOf(block.text(), k, 4);
    cboAudio.setText(audio == "00" ? "nc" : core::mid(audio, 2));

    const std::string sub = core::byteOf(block.text(), k, 5);
    const char kind = sub.empty() ? ' ' : sub[0];
    if (kind == '8' || kind == '9') {
        cboSubs.setText(core::StreamByteToNumber(sub));
        select(optOff, &Form1::optOff_Click, *this);
    } else if (sub == "BE") {
        select(optNotSet, &Form1::optNotSet_Click, *this);
        enableSubPictureList(false);
    } else if (kind == 'C' || kind == 'D') {
        cboSubs.setText(core::StreamByteToNumber(sub));
        select(optOn, &Form1::optOn_Click, *this);
    } else {
        select(optForce, &Form1::optForce_Click, *this);
        enableSubPictureList(false);
    }

    const std::string angle = core::byteOf(block.text(), k, 6);
    cboAngle.setText(angle == "00" ? "nc" : core::mid(angle, 2));
    txtOriginalSetSTN.setText(core::command(block.text(), k));
    chkStreams.setForeColour(ui::colours::magenta);
    txtDetect.setVisible(true);
}

void Form1::writeStreamByte(int j, const std::string& code)
{
    ui::TextBox& block = currentBlock();
    std::string text = block.text();
    const int n = core::commandCount(text);
    for (int k = 1; k <= n; ++k) {
        if (isSetSTN(text, k))
            core::replaceByte(text, k, j, code);
    }
    block.setText(std::move(text));
}

void Form1::enableSubPictureList(bool enabled)
{
    cboSubs.setEnabled(enabled);
    cboSubs.setBackColour(enabled ? ui::colours::yellow : ui::colours::face);
}

void Form1::cboAudio_Click()
{
    writeStreamByte(4, streamCode(cboAudio.text()));
    cmdStr.setFocus();
}

void Form1::cboSubs_Click()
{
    if (optOff.value())
        writeStreamByte(5, core::StreamNumberToByte(cboSubs.text()));
    else if (optOn.value())
        writeStreamByte(5, core::StreamByteToNumber(cboSubs.text()));
    cmdStr.setFocus();
}

void Form1::cboAngle_Click()
{
    writeStreamByte(6, streamCode(cboAngle.text()));
    cmdStr.setFocus();
}

void Form1::optOn_Click()
{
    enableSubPictureList(true);
    writeStreamByte(5, core::StreamByteToNumber(cboSubs.text()));
}

void Form1::optOff_Click()
{
    enableSubPictureList(true);
    writeStreamByte(5, core::StreamNumberToByte(cboSubs.text()));
}

void Form1::optNotSet_Click()
{
    enableSubPictureList(false);
    writeStreamByte(5, "BF");
}

void Form1::optForce_Click()
{
    enableSubPictureList(false);
    writeStreamByte(5, "FF");
}

}
