#pragma once

#include "ui/Control.h"

#include <functional>
#include <string>

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

    // Free text an operation keeps with the button.
    const std::string& tag() const { return m_tag; }
    void setTag(std::string tag)
    {
        if (m_tag == tag)
            return;
        m_tag = std::move(tag);
        touch();
    }

    std::function<void()> on_click;

private:
    void describeExtra(std::string& line) const override
    {
        if (!m_tag.empty())
            line += " tag " + quoted(m_tag);
    }

    std::string m_tag;
};

}
