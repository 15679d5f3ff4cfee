#pragma once

#include "ui/Label.h"
#include "ui/Picture.h"
#include "ui/Window.h"

namespace trevalo {

// The About window: what Trevalo is, its version, and thanks. A click
// anywhere on it closes it, as Escape does; it has no button, and its last
// line says so.
class frmAbout {
public:
    frmAbout();
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    ui::Window& window() { return form; }

    void Form_Load();
    void Form_Click();

private:
    ui::Window form { "frmAbout", "", 6120, 3540 };

public:
    ui::Picture Picture1 { &form, "Picture1" };
    ui::Label lblTitle { &form, "lblTitle" };
    ui::Label lblVersion { &form, "lblVersion" };
    ui::Label lblDescription { &form, "lblDescription" };
    ui::Label Label1 { &form, "Label1" };
    ui::Label Label2 { &form, "Label2" };
    ui::Label lblClose { &form, "lblClose" };
};

}
