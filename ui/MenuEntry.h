#pragma once

#include "ui/Control.h"

#include <functional>

namespace trevalo::ui {

// A top-level entry of the window's menu bar; choosing it runs on_click.
// Its place is unused: the menu bar lays entries out in creation order.
class MenuEntry final : public Control {
public:
    MenuEntry(Control* container, std::string name)
        : Control(container, std::move(name), ControlKind::MenuEntry)
    {
    }

    const std::string& caption() const { return displayText(); }
    void setCaption(std::string caption) { setDisplayText(std::move(caption)); }

    void click()
    {
        if (on_click)
            on_click();
    }

    std::function<void()> on_click;
};

}
