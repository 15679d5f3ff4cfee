#include "mainwindow/Form1.h"

#include "core/Block.h"
#include "core/Text.h"

namespace trevalo {

using core::left;
using core::mid;
using core::right;

namespace {

// GPRM 0 := 0, once the target has seen the marker: later visits skip the shortcut.
constexpr std::string_view clear_marker = "{71 00 00 00 00 00 00 00}";

}

std::string Form1::registerDigit() const
{
    const long number = core::leadingNumber(cboGPRM.text());
    if (number < 0 || number > 15)
        return {};
    return core::hex(number);
}

std::string Form1::markerPair() const
{
    const long marker = core::leadingNumber(cboValue.text());
    if (marker < 0x1000 || marker > 0xFFFF)
        return {};
    const std::string digits = core::hex(marker);
    return digits.substr(0, 2) + " " + digits.substr(2, 2);
}

std::string Form1::allRegisterTests(std::string_view marker_pair) const
{
    std::string tests;
    for (int reg = 15; reg >= 0; --reg)
        tests += "{00 B1 00 0" + core::hex(reg) + " 00 00 00 13} ";
    tests += "{71 00 00 00 ";
    tests += marker_pair;
    tests += " 00 00} ";
    return tests;
}

std::size_t Form1::firstPlayPrefix() const
{
    return chkNone.value() == ui::Checked ? 17 * core::command_stride : core::command_stride;
}

void Form1::cboGPRM_Click()
{
    const std::string digit = registerDigit();
    if (!digit.empty()) {
        Text1.setText(left(Text1.text(), 11) + digit + mid(Text1.text(), 13));
        const int none = chkNone.value();
        if (none == ui::Unchecked || none == ui::Checked) {
            auto bothTests = [&](const std::string& block) {
                return "{00 B1 00 0" + digit + mid(block, 13, 25) + digit + mid(block, 39);
            };
            if (chkDummy.value() == ui::Unchecked) {
                Text2.setText(bothTests(Text2.text()));
            } else if (chkDummy.value() == ui::Checked) {
                Text2.setText("{00 B1 00 0" + digit + mid(Text2.text(), 13));
                Text3.setText(bothTests(Text3.text()));
            }
        }
    }
    cmdTemp3.setFocus();
}

void Form1::cboValue_Click()
{
    chkNone_Click();
    cmdDummy.setFocus();
}

void Form1::chkNone_Click()
{
    const std::string digit = registerDigit();
    Label32.setEnabled(true);
    const int dummy = chkDummy.value();

    if (chkNone.value() == ui::Checked) {
        lblGPRM0.setVisible(true);
        Label32.setVisible(true);
        Label20.setEnabled(false);
        cboGPRM.setEnabled(false);
        cboGPRM.setBackColour(ui::colours::face);
        cboValue.setVisible(true);
        const std::string pair = markerPair();
        if (pair.empty())
            return;
        Text1.setText(allRegisterTests(pair) + right(Text1.text(), 51));
        if (dummy == ui::Unchecked) {
            const std::string count = core::hexByte(core::commandCount(Text2.text()));
            if (!count.empty())
                Text2.setText("{00 B1 00 00 " + pair + " 00 " + count + "} " + std::string(clear_marker) + " "
                    + mid(Text2.text(), 53));
        } else if (dummy == ui::Checked) {
            Text2.setText("{00 B1 00 00 " + pair + mid(Text2.text(), 19));
            Text3.setText(left(Text2.text(), 13) + pair + mid(Text3.text(), 19, 19) + "0 00 00 00 00} " + right(Text3.text(), 51));
        }
    } else if (chkNone.value() == ui::Unchecked) {
        lblGPRM0.setVisible(false);
        Label32.setVisible(false);
        Label20.setEnabled(true);
        cboGPRM.setEnabled(true);
        cboGPRM.setBackColour(ui::colours::yellow);
        cboValue.setVisible(false);
        if (digit.empty())
            return;
        if (dummy == ui::Unchecked) {
            const std::string count = core::hexByte(core::commandCount(Text2.text()));
            if (count.empty())
                return;
            Text1.setText("{00 B1 00 0" + digit + " 00 00 00 03}" + right(Text1.text(), 52));
            Text2.setText("{00 B1 00 0E 00 00 00 " + count + "} {71 00 00 0E 00 01 00 00}" + mid(Text2.text(), 52));
            cboGPRM_Click();
        } else if (dummy == ui::Checked) {
            Text1.setText("{00 B1 00 0" + digit + " 00 00 00 03}" + right(Text1.text(), 52));
            Text2.setText(left(Text2.text(), 11) + digit + " 00 00" + mid(Text2.text(), 19));
            Text3.setText(left(Text2.text(), 11) + digit + " 00 00" + mid(Text3.text(), 19, 19) + digit + " 00 01 00 00} "
                + right(Text3.text(), 51));
        }
    }
}

}
