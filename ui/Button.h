#pragma once

#include "ui/Control.h"

#include <functional>

namespace trevalo::ui {

// A push button: a caption and on_click. It holds no value.
class Button final : public Control {
public:
    Button(Control* container, std::string name)
        : Control(container, std::move(name), ControlKind::Button)
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
