#pragma once

#include "ui/Control.h"

namespace trevalo::ui {

enum class ScrollBars { None, Horizontal, Vertical, Both };
enum class Lines { Single, Multi };

// A text box. Its text is set by operations; it has no events. A locked box
// can be read, selected and copied but not typed into.
class TextBox final : public Control {
public:
    TextBox(Control* container, std::string name)
        : Control(container, std::move(name), ControlKind::TextBox)
    {
        setBackColour(colours::window);
        setForeColour(colours::window_text);
    }

    const std::string& text() const { return displayText(); }
    void setText(std::string text) { setDisplayText(std::move(text)); }

    Lines lines() const { return m_lines; }
    void setLines(Lines);
    ScrollBars scrollBars() const { return m_scroll_bars; }
    void setScrollBars(ScrollBars);
    bool locked() const { return m_locked; }
    void setLocked(bool);

private:
    std::string_view textKey() const override { return "text"; }
    void describeExtra(std::string&) const override;

    Lines m_lines = Lines::Single;
    ScrollBars m_scroll_bars = ScrollBars::None;
    bool m_locked = false;
};

}
