#pragma once

#include "ui/Button.h"
#include "ui/Clipboard.h"
#include "ui/TextBox.h"
#include "ui/Window.h"

namespace trevalo {

class Form1;

// The log window: a plain-text report of the three blocks and the DVD flow
// they make, built from the main window when it opens, optionally wrapped in
// forum [CODE] tags, and copied to the clipboard. It reads the main window
// and changes nothing there.
class frmLog {
public:
    frmLog(const Form1& main, ui::Clipboard& clipboard);
    frmLog(const frmLog&) = delete;
    frmLog& operator=(const frmLog&) = delete;

    ui::Window& window() { return form; }

    void Form_Load();
    void BuildLog();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    const Form1& m_main;
    ui::Clipboard& m_clipboard;

    ui::Window form { "frmLog", "Log", 9600, 5820 };

public:
    ui::TextBox txtLog { &form, "txtLog" };
    ui::TextBox Text1 { &form, "Text1" };
    ui::Button Command3 { &form, "Command3" };
    ui::Button Command1 { &form, "Command1" };
    ui::Button Command2 { &form, "Command2" };
};

}
