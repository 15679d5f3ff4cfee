#pragma once

#include "ui/Control.h"

#include <functional>

namespace trevalo::ui {

// The values a check box can hold; grey is never set by a user.
enum CheckValue : int { Unchecked = 0, Checked = 1, Grey = 2 };

// A check box. Its value is 0, 1 or 2 (grey). Setting a different value runs
// on_click at once, before the caller goes on; setting the same value runs
// nothing. A user's click goes through the same setter.
class CheckBox final : public Control {
public:
    CheckBox(Control* container, std::string name)
        : Control(container, std::move(name), ControlKind::CheckBox)
    {
    }

    const std::string& caption() const { return displayText(); }
    void setCaption(std::string caption) { setDisplayText(std::move(caption)); }

    int value() const { return m_value; }
    void setValue(int value);
    // What a click does: 0 becomes 1, 1 and grey become 0.
    void click() { setValue(m_value == Unchecked ? Checked : Unchecked); }

    std::function<void()> on_click;

private:
    void describeExtra(std::string&) const override;

    int m_value = Unchecked;
};

}
