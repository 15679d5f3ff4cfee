#pragma once

#include "ui/Button.h"
#include "ui/Clipboard.h"
#include "ui/TextBox.h"
#include "ui/Window.h"
#include "windows/LogSource.h"

namespace trevalo {

// The log window: a plain-text report of the three blocks and the DVD flow
// they make, built when it opens from what the main window handed it,
// optionally wrapped in forum [CODE] tags, and copied to the clipboard. It
// knows nothing of the main window and cannot change it.
class frmLog {
public:
    frmLog(LogSource source, ui::Clipboard& clipboard);
    frmLog(const frmLog&) = delete;
    frmLog& operator=(const frmLog&) = delete;

    ui::Window& window() { return form; }

    void Form_Load();
    void BuildLog();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    // Whether Copy to Clipboard put the report on the clipboard.
    bool copiedToClipboard() const { return m_copied; }

private:
    LogSource m_source;
    ui::Clipboard& m_clipboard;
    bool m_copied = false;

    ui::Window form { "frmLog", "Log", 9600, 5820 };

public:
    ui::TextBox txtLog { &form, "txtLog" };
    ui::TextBox Text1 { &form, "Text1" };
    ui::Button Command3 { &form, "Command3" };
    ui::Button Command1 { &form, "Command1" };
    ui::Button Command2 { &form, "Command2" };
};

}
