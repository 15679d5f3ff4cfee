#include "mainwindow/Form1.h"

namespace trevalo {

namespace {

constexpr std::string_view paste_after = "2. Ctrl + Shift + V (Paste After).";

std::string pasteInstructions(std::string_view pgc)
{
    return "1. Select [******** pre commands:] label in " + std::string(pgc) + ".\r\n" + std::string(paste_after);
}

}

// The First Play instructions come before the clipboard changes, the other
// two after: authors are used to that order.
void Form1::cmdCopy_Click()
{
    if (chkdisable.value() == ui::Unchecked)
        m_messages.show(pasteInstructions("First Play PGC"), "Paste Instructions", ui::Buttons::Ok);
    m_clipboard.clear();
    m_clipboard.setText(Text1.text());
}

void Form1::cmdCopy2_Click()
{
    m_clipboard.clear();
    m_clipboard.setText(Text2.text());
    if (chkdisable.value() == ui::Unchecked)
        m_messages.show(pasteInstructions(Label8.caption()), "Paste Instructions", ui::Buttons::Ok);
}

void Form1::cmdCopy3_Click()
{
    m_clipboard.clear();
    m_clipboard.setText(Text3.text());
    if (chkdisable.value() == ui::Unchecked)
        m_messages.show(pasteInstructions(Label15.caption()), "Paste Instructions", ui::Buttons::Ok);
}

}
