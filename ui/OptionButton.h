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
    // Whether selecting runs on_click: an operation that shows what a block
    // already holds selects without it, as the option's own operation would
    // rewrite the block.
    enum class Run { OnClick, Nothing };

    OptionButton(Control* container, std::string name)
        : Control(container, std::move(name), ControlKind::OptionButton)
    {
    }

    const std::string& caption() const { return displayText(); }
    void setCaption(std::string caption) { setDisplayText(std::move(caption)); }

    bool value() const { return m_value; }
    void setValue(bool value, Run run = Run::OnClick);
    void click() { setValue(true); }

    std::function<void()> on_click;

private:
    void describeExtra(std::string&) const override;

    bool m_value = false;
};

}
