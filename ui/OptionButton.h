#pragma once

#include "ui/Control.h"

#include <functional>

namespace trevalo::ui {

// An option button; the option buttons of one container form a group in
// which at most one is selected. Selecting an unselected one clears the
// others of its group (which runs nothing), then runs its on_click.
// Selecting the one already selected, or clearing one, runs nothing.
class OptionButton final : public Control {
public:
    OptionButton(Control* container, std::string name)
        : Control(container, std::move(name), ControlKind::OptionButton)
    {
    }

    const std::string& caption() const { return displayText(); }
    void setCaption(std::string caption) { setDisplayText(std::move(caption)); }

    bool value() const { return m_value; }
    void setValue(bool value);
    void click() { setValue(true); }

    std::function<void()> on_click;

private:
    void describeExtra(std::string&) const override;

    bool m_value = false;
};

}
