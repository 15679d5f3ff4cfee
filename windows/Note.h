#pragma once

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Window.h"

namespace trevalo {

// The caution window: menus other than the root menu are optional on a
// disc, so the author should check the chosen one exists.
class Note {
public:
    Note();
    Note(const Note&) = delete;
    Note& operator=(const Note&) = delete;

    ui::Window& window() { return form; }

    void cmdOK_Click();

private:
    ui::Window form { "Note", "Caution", 4800, 1860 };

public:
    ui::Label lblDescription { &form, "lblDescription" };
    ui::Button cmdOK { &form, "cmdOK" };
};

}
