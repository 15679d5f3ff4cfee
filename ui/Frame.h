#pragma once

#include "ui/Control.h"

namespace trevalo::ui {

// A group frame. Disabling it makes every control inside unusable while each
// keeps its own Enabled; it has no events.
class Frame final : public Control {
public:
    Frame(Control* container, std::string name)
        : Control(container, std::move(name), ControlKind::Frame)
    {
    }

    const std::string& caption() const { return displayText(); }
    void setCaption(std::string caption) { setDisplayText(std::move(caption)); }
};

}
