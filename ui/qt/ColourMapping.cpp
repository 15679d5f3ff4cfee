#include "ui/qt/ColourMapping.h"

#include <vector>

namespace trevalo::ui::qt {

QColor ColourMapping::resolve(Colour colour, QPalette::ColorRole target, const QPalette& system)
{
    if (!colour.is_system)
        return QColor(colour.red, colour.green, colour.blue);
    switch (colour.system) {
    case SystemColour::ButtonFace:
        return system.color(target == QPalette::Window ? QPalette::Window : QPalette::Button);
    case SystemColour::ButtonText:
        return system.color(QPalette::ButtonText);
    case SystemColour::Window:
        return system.color(QPalette::Base);
    case SystemColour::WindowText:
        return system.color(target == QPalette::WindowText ? QPalette::WindowText : QPalette::Text);
    case SystemColour::GreyText:
        return system.color(QPalette::Disabled, QPalette::Text);
    }
    return QColor();
}

QPalette::ColorRole ColourMapping::backRole(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button:
    case ControlKind::ComboBox:
        return QPalette::Button;
    case ControlKind::TextBox:
        return QPalette::Base;
    default:
        return QPalette::Window;
    }
}

namespace {

struct Roles {
    std::vector<QPalette::ColorRole> back;
    std::vector<QPalette::ColorRole> fore;
};

Roles rolesOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button:
        return { { QPalette::Button }, { QPalette::ButtonText } };
    case ControlKind::ComboBox:
        // A closed list paints as a button; its drop-down as a field. A shown
        // text that is no item is drawn as placeholder: give it the fore
        // colour so it reads like any other text.
        return { { QPalette::Button, QPalette::Base }, { QPalette::ButtonText, QPalette::Text, QPalette::PlaceholderText } };
    case ControlKind::TextBox:
        return { { QPalette::Base }, { QPalette::Text } };
    default:
        return { { QPalette::Window }, { QPalette::WindowText } };
    }
}

}

QPalette ColourMapping::paletteFor(const Control& control, QPalette palette, const QPalette& system)
{
    Roles roles = rolesOf(control.kind());
    for (QPalette::ColorRole role : roles.back)
        palette.setColor(role, resolve(control.backColour(), role, system));
    for (QPalette::ColorRole role : roles.fore) {
        QColor fore = resolve(control.foreColour(), role, system);
        palette.setColor(QPalette::Active, role, fore);
        palette.setColor(QPalette::Inactive, role, fore);
    }
    return palette;
}

bool ColourMapping::fillsBackground(const Control& control, const QPalette& system)
{
    QPalette::ColorRole role = backRole(control.kind());
    QColor own = resolve(control.backColour(), role, system);
    if (!control.container())
        return own != system.color(role);
    return own != resolve(control.container()->backColour(), QPalette::Window, system);
}

}
