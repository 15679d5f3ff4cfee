#include "ui/Label.h"

namespace trevalo::ui {

void Label::setAlignment(Alignment alignment)
{
    if (m_alignment == alignment)
        return;
    m_alignment = alignment;
    touch();
}

void Label::setWordWrap(bool wrap)
{
    if (m_word_wrap == wrap)
        return;
    m_word_wrap = wrap;
    touch();
}

void Label::setTabStop(TabStop tab_stop)
{
    if (m_tab_stop == tab_stop)
        return;
    m_tab_stop = tab_stop;
    touch();
}

void Label::describeExtra(std::string& line) const
{
    if (m_alignment == Alignment::Right)
        line += " align right";
    else if (m_alignment == Alignment::Centre)
        line += " align centre";
    if (m_tab_stop == TabStop::Yes)
        line += " tab-stop";
}

}
