#include "ui/TextBox.h"

namespace trevalo::ui {

void TextBox::setLines(Lines lines)
{
    if (m_lines == lines)
        return;
    m_lines = lines;
    touch();
}

void TextBox::setScrollBars(ScrollBars bars)
{
    if (m_scroll_bars == bars)
        return;
    m_scroll_bars = bars;
    touch();
}

void TextBox::setLocked(bool locked)
{
    if (m_locked == locked)
        return;
    m_locked = locked;
    touch();
}

void TextBox::describeExtra(std::string& line) const
{
    if (m_lines == Lines::Multi)
        line += " multiline";
    switch (m_scroll_bars) {
    case ScrollBars::None:
        break;
    case ScrollBars::Horizontal:
        line += " scroll horizontal";
        break;
    case ScrollBars::Vertical:
        line += " scroll vertical";
        break;
    case ScrollBars::Both:
        line += " scroll both";
        break;
    }
    if (m_locked)
        line += " locked";
}

}
