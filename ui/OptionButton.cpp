#include "ui/OptionButton.h"

namespace trevalo::ui {

void OptionButton::setValue(bool value, Run run)
{
    if (m_value == value)
        return;
    if (value && container()) {
        for (Control* sibling : container()->children()) {
            if (sibling != this && sibling->kind() == ControlKind::OptionButton)
                static_cast<OptionButton*>(sibling)->setValue(false);
        }
    }
    m_value = value;
    touch();
    if (value && run == Run::OnClick && on_click)
        on_click();
}

void OptionButton::describeExtra(std::string& line) const
{
    line += m_value ? " value 1" : " value 0";
}

}
