#include "ui/Control.h"

#include "ui/Window.h"

#include <cstdio>

namespace trevalo::ui {

std::string_view kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Window:
        return "window";
    case ControlKind::Frame:
        return "frame";
    case ControlKind::Label:
        return "label";
    case ControlKind::TextBox:
        return "textbox";
    case ControlKind::ComboBox:
        return "combo";
    case ControlKind::CheckBox:
        return "check";
    case ControlKind::OptionButton:
        return "option";
    case ControlKind::Button:
        return "button";
    case ControlKind::MenuEntry:
        return "menu";
    case ControlKind::Picture:
        return "picture";
    }
    return "?";
}

Control::Control(Control* container, std::string name, ControlKind kind)
    : m_container(container)
    , m_name(std::move(name))
    , m_kind(kind)
{
    if (m_container) {
        m_container->m_children.push_back(this);
        window().enrol(*this);
    }
}

Control::~Control() = default;

Window& Control::window()
{
    Control* top = this;
    while (top->m_container)
        top = top->m_container;
    return static_cast<Window&>(*top);
}

const Window& Control::window() const
{
    return const_cast<Control*>(this)->window();
}

template<typename T>
static bool assign(T& field, T value)
{
    if (field == value)
        return false;
    field = std::move(value);
    return true;
}

void Control::setEnabled(bool enabled)
{
    if (assign(m_enabled, enabled))
        touch();
}

void Control::setVisible(bool visible)
{
    if (assign(m_visible, visible))
        touch();
}

bool Control::usable() const
{
    for (const Control* c = this; c; c = c->m_container) {
        if (!c->m_enabled || !c->m_visible)
            return false;
    }
    return true;
}

const std::string& Control::tooltip() const
{
    if (m_tooltip_stale) {
        m_tooltip = m_tooltip_source();
        m_tooltip_stale = false;
    }
    return m_tooltip;
}

void Control::setTooltip(std::string tooltip)
{
    if (m_tooltip_source) {
        m_tooltip_source = nullptr;
        m_tooltip_stale = false;
        m_tooltip = std::move(tooltip);
        touch();
        return;
    }
    if (assign(m_tooltip, std::move(tooltip)))
        touch();
}

void Control::setTooltipSource(std::function<std::string()> source)
{
    m_tooltip_source = std::move(source);
    m_tooltip_stale = static_cast<bool>(m_tooltip_source);
    if (!m_tooltip_source)
        m_tooltip.clear();
    touch();
}

void Control::refreshTooltip()
{
    if (!m_tooltip_source)
        return;
    m_tooltip_stale = true;
    touch();
}

void Control::setPlace(Place place)
{
    if (assign(m_place, place))
        touch();
}

void Control::setFont(Font font)
{
    if (assign(m_font, std::move(font)))
        touch();
}

void Control::setBackColour(Colour colour)
{
    if (assign(m_back, colour))
        touch();
}

void Control::setForeColour(Colour colour)
{
    if (assign(m_fore, colour))
        touch();
}

void Control::setStacking(Stacking stacking)
{
    if (assign(m_stacking, stacking))
        touch();
}

void Control::setAccessibleName(std::string name)
{
    if (assign(m_accessible_name, std::move(name)))
        touch();
}

void Control::setAccessibleDescription(std::string description)
{
    if (assign(m_accessible_description, std::move(description)))
        touch();
}

void Control::setShortcut(std::string shortcut)
{
    if (assign(m_shortcut, std::move(shortcut)))
        touch();
}

void Control::setMnemonic(char mnemonic)
{
    if (assign(m_mnemonic, mnemonic))
        touch();
}

void Control::setDisplayText(std::string text)
{
    if (assign(m_text, std::move(text)))
        touch();
}

void Control::setFocus()
{
    window().setFocusedControl(this);
}

bool Control::hasFocus() const
{
    return window().focusedControl() == this;
}

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", c);
                out += hex;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
    return out;
}

std::string Control::describe() const
{
    std::string line = m_name;
    line += ' ';
    line += kindName(m_kind);
    line += ' ';
    line += textKey();
    line += ' ';
    line += quoted(m_text);
    describeExtra(line);
    line += " enabled ";
    line += m_enabled ? '1' : '0';
    line += " visible ";
    line += m_visible ? '1' : '0';
    line += " back " + m_back.describe();
    line += " fore " + m_fore.describe();
    line += " font " + m_font.describe();
    line += " place " + std::to_string(m_place.left) + "," + std::to_string(m_place.top) + ","
        + std::to_string(m_place.width) + "x" + std::to_string(m_place.height);
    if (m_container)
        line += " in " + m_container->name();
    if (m_stacking == Stacking::Raised)
        line += " raised";
    else if (m_stacking == Stacking::Lowered)
        line += " lowered";
    if (!tooltip().empty())
        line += " tooltip " + quoted(tooltip());
    if (!m_shortcut.empty())
        line += " shortcut " + quoted(m_shortcut);
    if (m_mnemonic)
        line += " mnemonic " + quoted(std::string(1, m_mnemonic));
    if (!m_accessible_name.empty())
        line += " accessible " + quoted(m_accessible_name);
    if (!m_accessible_description.empty())
        line += " describes " + quoted(m_accessible_description);
    return line;
}

}
