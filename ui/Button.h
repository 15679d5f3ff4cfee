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

    // What the keyboard does to it in its window: Enter clicks the default
    // button unless another button has the focus, Escape clicks the cancel
    // button. A window has at most one of each; the window sets them.
    bool isDefault() const { return m_default; }
    void setDefault(bool value)
    {
        if (m_default == value)
            return;
        m_default = value;
        touch();
    }
    bool isCancel() const { return m_cancel; }
    void setCancel(bool value)
    {
        if (m_cancel == value)
            return;
        m_cancel = value;
        touch();
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
            line += " tag " + ui::quoted(m_tag);
        if (m_default)
            line += " default";
        if (m_cancel)
            line += " cancel";
    }

    std::string m_tag;
    bool m_default = false;
    bool m_cancel = false;
};

}
