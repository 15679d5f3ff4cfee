#include "mainwindow/Form1.h"

#include "core/Block.h"
#include "core/CodeTables.h"
#include "core/Text.h"

#include <vector>

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

// Every SetSTN of the block, in order.
std::vector<std::string> setSTNsOf(std::string_view block)
{
    std::vector<std::string> found;
    const int n = core::commandCount(block);
    for (int k = 1; k <= n; ++k) {
        if (isSetSTN(block, k))
            found.push_back(core::command(block, k));
    }
    return found;
}

}

ui::TextBox& Form1::lastShownBlock()
{
    return Text3.visible() ? Text3 : Text2;
}

void Form1::chkStreams_Click()
{
    ui::TextBox& block = lastShownBlock();
    if (chkStreams.value() == ui::Checked) {
        for (ui::Control* c : std::initializer_list<ui::Control*> { &optOn, &optOff, &optNotSet, &optForce })
            c->setEnabled(true);
        for (ui::ComboBox* list : { &cboAudio, &cboSubs, &cboAngle }) {
            list->setEnabled(true);
            list->setBackColour(ui::colours::yellow);
        }
        for (ui::Label* label : { &lblAudio, &lblSubs, &lblAngle, &lblNC })
            label->setEnabled(true);

        m_setstn_at_switch_on = setSTNsOf(block.text());
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
        if (chkAudioFlag.value() == ui::Checked)
            return;
        // A new command starts at "no change", and so does the window.
        showSubPicture("00");
        // A block without a stop command has no place for the command.
        if (stop == 0)
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
        if (txtOriginalSetSTN.text().empty())
            core::removeBeforeStop(text, "51");
        restoreSetSTNs(text);
        block.setText(std::move(text));
        // The remembered command belongs to this switch-on only; keeping it
        // would make the next switch-on adopt nothing and insert nothing.
        txtOriginalSetSTN.setText("");
        m_setstn_at_switch_on.clear();
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
    ui::TextBox& block = lastShownBlock();
    chkAudioFlag.setValue(ui::Checked);
    const std::string audio = core::byteOf(block.text(), k, 4);
    cboAudio.setText(audio == "00" ? "nc" : core::mid(audio, 2));

    showSubPicture(core::byteOf(block.text(), k, 5));

    const std::string angle = core::byteOf(block.text(), k, 6);
    cboAngle.setText(angle == "00" ? "nc" : core::mid(angle, 2));
    txtOriginalSetSTN.setText(core::command(block.text(), k));
    chkStreams.setForeColour(ui::colours::magenta);
    txtDetect.setVisible(true);
}

// The lists and options edit every SetSTN of the block alike, so each one is
// put back as it stood; in a block that no longer holds the same number of
// them (Undo and Reset put other blocks back first) none is touched.
void Form1::restoreSetSTNs(std::string& text) const
{
    const int n = core::commandCount(text);
    std::size_t found = 0;
    for (int k = 1; k <= n; ++k)
        found += isSetSTN(text, k) ? 1 : 0;
    if (found != m_setstn_at_switch_on.size())
        return;
    found = 0;
    for (int k = 1; k <= n; ++k) {
        if (isSetSTN(text, k))
            text = core::firstCommands(text, k - 1) + m_setstn_at_switch_on[found++]
                + core::mid(text, core::command_stride * k);
    }
}

void Form1::showSubPicture(std::string_view code)
{
    const int value = core::hexByteValue(code);
    ui::OptionButton* shown = nullptr;
    std::string number = "nc";
    if (code == "00") {
        // No change reads the same under On and Off: keep On where the author
        // chose it, else show Off, the option selected at start-up.
        shown = optOn.value() ? &optOn : &optOff;
    } else if ((value >= 0x80 && value <= 0x9F) || (value >= 0xC0 && value <= 0xDF)) {
        shown = value >= 0xC0 ? &optOn : &optOff;
        number = core::StreamCodeToNumber(code);
    } else if (code == "BE" || code == "BF") {
        shown = &optNotSet;
    } else if (code == "FF") {
        shown = &optForce;
    }
    // A code no option writes selects none, so that any option the author
    // clicks writes its own.
    cboSubs.setText(std::move(number));
    for (ui::OptionButton* option : { &optOn, &optOff, &optNotSet, &optForce })
        option->setValue(option == shown, ui::OptionButton::Run::Nothing);
    enableSubPictureList(shown == &optOn || shown == &optOff);
}

void Form1::writeStreamByte(int j, const std::string& code)
{
    ui::TextBox& block = lastShownBlock();
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
        writeStreamByte(5, core::StreamNumberToOnByte(cboSubs.text()));
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
    writeStreamByte(5, core::StreamNumberToOnByte(cboSubs.text()));
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
