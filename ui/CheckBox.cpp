#include "ui/CheckBox.h"

namespace trevalo::ui {

void CheckBox::setValue(int value)
{
    if (m_value == value)
        return;
    m_value = value;
    touch();
    if (on_click)
        on_click();
}

void CheckBox::describeExtra(std::string& line) const
{
    line += " value " + std::to_string(m_value);
}

}
