#include "ui/ComboBox.h"

namespace trevalo::ui {

void ComboBox::addItem(std::string item)
{
    m_items.push_back(std::move(item));
    touch();
}

void ComboBox::setItems(std::vector<std::string> items)
{
    if (items == m_items)
        return;
    m_items = std::move(items);
    touch();
}

std::optional<std::size_t> ComboBox::indexOf(std::string_view item) const
{
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i] == item)
            return i;
    }
    return std::nullopt;
}

void ComboBox::pick(std::size_t index)
{
    if (index >= m_items.size())
        return;
    setText(m_items[index]);
    if (on_click)
        on_click();
}

void ComboBox::describeExtra(std::string& line) const
{
    line += " items [";
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (i)
            line += ',';
        line += quoted(m_items[i]);
    }
    line += ']';
}

}
