#include "bindings/qt/ColourMapping.h"

#include "bindings/qt/Contrast.h"

#include <vector>

namespace trevalo::qt {

using namespace ui;

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

// A text role and the role of the background it is painted on.
struct ForeOn {
    QPalette::ColorRole fore;
    QPalette::ColorRole back;
};

struct Roles {
    std::vector<QPalette::ColorRole> back;
    std::vector<ForeOn> fore;
};

Roles rolesOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button:
        return { { QPalette::Button }, { { QPalette::ButtonText, QPalette::Button } } };
    case ControlKind::ComboBox:
        // A closed list paints as a button; its drop-down as a field. A shown
        // text that is no item is drawn as placeholder: give it the fore
        // colour so it reads like any other text.
        return { { QPalette::Button, QPalette::Base },
            { { QPalette::ButtonText, QPalette::Button }, { QPalette::Text, QPalette::Base },
                { QPalette::PlaceholderText, QPalette::Button } } };
    case ControlKind::TextBox:
        return { { QPalette::Base }, { { QPalette::Text, QPalette::Base } } };
    default:
        return { { QPalette::Window }, { { QPalette::WindowText, QPalette::Window } } };
    }
}

}

bool ColourMapping::isLight(const QPalette& system)
{
    return Contrast::luminance(system.color(QPalette::WindowText)) <= Contrast::luminance(system.color(QPalette::Window));
}

QColor ColourMapping::legibleFore(Colour fore, const QColor& resolved_fore, Colour back, const QColor& resolved_back,
    const QPalette& system)
{
    // Under a dark palette every text is held to the body-text ratio, the
    // large grey step digits too: they are the window's signposts, and a
    // dim grey on a dark face is the first thing to fade.
    if (isLight(system) || (fore.is_system && back.is_system)
        || Contrast::ratio(resolved_fore, resolved_back) >= Contrast::body_text)
        return resolved_fore;
    if (fore.is_system)
        return Contrast::plainTextOn(resolved_back);
    return Contrast::legibleOn(resolved_fore, resolved_back, Contrast::body_text);
}

QPalette ColourMapping::paletteFor(const Control& control, QPalette palette, const QPalette& system)
{
    Roles roles = rolesOf(control.kind());
    // Under a dark palette a design background (the light-orange Caution
    // button) would shine as brightly disabled as enabled: a disabled one
    // takes the palette's own disabled face with a hint of its colour, and
    // greyed text as the palette's other disabled controls have.
    const bool dims = !isLight(system) && !control.backColour().is_system;
    auto disabledBack = [&](QPalette::ColorRole role) {
        const QColor back = resolve(control.backColour(), role, system);
        return dims ? Contrast::mixed(back, system.color(QPalette::Disabled, role), 0.85) : back;
    };
    for (QPalette::ColorRole role : roles.back) {
        palette.setColor(role, resolve(control.backColour(), role, system));
        palette.setColor(QPalette::Disabled, role, disabledBack(role));
    }
    // A panel that does not paint its own background shows its container's,
    // which is then the same colour as its own (fillsBackground), so the
    // control's own back colour is what its text lands on in every case.
    for (ForeOn pair : roles.fore) {
        QColor fore = legibleFore(control.foreColour(), resolve(control.foreColour(), pair.fore, system),
            control.backColour(), resolve(control.backColour(), pair.back, system), system);
        palette.setColor(QPalette::Active, pair.fore, fore);
        palette.setColor(QPalette::Inactive, pair.fore, fore);
        // The palette's greyed text was made for its own faces; on a light
        // design background under a dark palette it would all but vanish.
        QColor greyed = system.color(QPalette::Disabled, pair.fore);
        // Fusion shades the face lighter and darker, so on the flat colour
        // the text keeps the body ratio; the face alone shows the state.
        if (dims)
            greyed = Contrast::legibleOn(greyed, disabledBack(pair.back), Contrast::body_text);
        palette.setColor(QPalette::Disabled, pair.fore, greyed);
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
