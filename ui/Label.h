#pragma once

#include "ui/Control.h"

namespace trevalo::ui {

enum class Alignment { Left, Right, Centre };

// A caption the user reads; it has no events. Line breaks in the caption
// (CR LF) are kept and shown as line breaks. A label that takes the focus
// is a Tab stop, for a line the keyboard must reach to read (its tooltip
// shows when it has the focus).
class Label final : public Control {
public:
    Label(Control* container, std::string name)
        : Control(container, std::move(name), ControlKind::Label)
    {
    }

    const std::string& caption() const { return displayText(); }
    void setCaption(std::string caption) { setDisplayText(std::move(caption)); }
    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment);
    // Long captions wrap at the control's width instead of being cut.
    bool wordWrap() const { return m_word_wrap; }
    void setWordWrap(bool);
    enum class TabStop { No, Yes };
    TabStop tabStop() const { return m_tab_stop; }
    void setTabStop(TabStop);

private:
    void describeExtra(std::string&) const override;

    Alignment m_alignment = Alignment::Left;
    bool m_word_wrap = true;
    TabStop m_tab_stop = TabStop::No;
};

}
