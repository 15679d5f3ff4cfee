#pragma once

#include "ui/Control.h"

#include <string>

namespace trevalo::ui {

// A picture box showing one of the application's own images, named; the
// binding draws it. It has no events.
class Picture final : public Control {
public:
    Picture(Control* container, std::string name)
        : Control(container, std::move(name), ControlKind::Picture)
    {
    }

    const std::string& image() const { return displayText(); }
    void setImage(std::string image) { setDisplayText(std::move(image)); }

private:
    std::string_view textKey() const override { return "image"; }
};

}
