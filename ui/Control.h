#pragma once

#include "ui/Colour.h"
#include "ui/Font.h"
#include "ui/Place.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::ui {

class Window;

enum class ControlKind { Window, Frame, Label, TextBox, ComboBox, CheckBox, OptionButton, Button, MenuEntry, Picture };

// Where a control sits in the stacking order of its container: drawn over the
// frames it overlaps, or covered by the control above it (the focus sinks).
enum class Stacking { Normal, Raised, Lowered };

std::string_view kindName(ControlKind);

// A named control of a window model: plain properties and nothing else. It
// never draws and knows no toolkit; a binding mirrors it onto a widget.
// Every setter does nothing when the value is unchanged and otherwise bumps
// revision(), so a binding can skip controls that did not change.
class Control {
public:
    Control(Control* container, std::string name, ControlKind kind);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return m_name; }
    ControlKind kind() const { return m_kind; }
    Control* container() const { return m_container; }
    const std::vector<Control*>& children() const { return m_children; }
    Window& window();
    const Window& window() const;

    bool enabled() const { return m_enabled; }
    void setEnabled(bool);
    bool visible() const { return m_visible; }
    void setVisible(bool);
    // Enabled and visible, inside frames that are all enabled and visible:
    // the one question a binding or a simulated user asks before acting.
    bool usable() const;

    // The tooltip, asked of its source first if that may have a new text.
    const std::string& tooltip() const;
    // A fixed tooltip; it replaces a source.
    void setTooltip(std::string);
    // A tooltip worked out only when it is read, for texts that take long
    // to make and are seldom looked at (a block's listing). The control
    // cannot tell when the source's text changes: whoever knows calls
    // refreshTooltip(), which counts as a change of the control.
    void setTooltipSource(std::function<std::string()>);
    void refreshTooltip();
    const Place& place() const { return m_place; }
    void setPlace(Place);
    const Font& font() const { return m_font; }
    void setFont(Font);
    Colour backColour() const { return m_back; }
    void setBackColour(Colour);
    Colour foreColour() const { return m_fore; }
    void setForeColour(Colour);
    Stacking stacking() const { return m_stacking; }
    void setStacking(Stacking);

    // The caption or text the control shows, whichever its kind has.
    const std::string& displayText() const { return m_text; }

    // What a screen reader says: the control's name (its caption when
    // empty) and what it is for.
    const std::string& accessibleName() const { return m_accessible_name; }
    void setAccessibleName(std::string);
    const std::string& accessibleDescription() const { return m_accessible_description; }
    void setAccessibleDescription(std::string);

    // Keyboard access: a key sequence in portable text ("Ctrl+I", "F1") that
    // runs the control from anywhere in its window, and the letter of the
    // caption that Alt selects ('\0' for none). Captions stay as they are.
    const std::string& shortcut() const { return m_shortcut; }
    void setShortcut(std::string);
    char mnemonic() const { return m_mnemonic; }
    void setMnemonic(char);

    void setFocus();
    bool hasFocus() const;

    std::uint64_t revision() const { return m_revision; }

    // One line of the state dump: name, kind and every property.
    std::string describe() const;

protected:
    void setDisplayText(std::string);
    void touch() { ++m_revision; }
    virtual void describeExtra(std::string&) const { }
    virtual std::string_view textKey() const { return "caption"; }

private:
    Control* m_container;
    std::vector<Control*> m_children;
    std::string m_name;
    ControlKind m_kind;
    bool m_enabled = true;
    bool m_visible = true;
    mutable std::string m_tooltip;
    std::function<std::string()> m_tooltip_source;
    mutable bool m_tooltip_stale = false;
    Place m_place;
    Font m_font;
    Colour m_back = colours::face;
    Colour m_fore = colours::button_text;
    Stacking m_stacking = Stacking::Normal;
    std::string m_text;
    std::string m_accessible_name;
    std::string m_accessible_description;
    std::string m_shortcut;
    char m_mnemonic = '\0';
    std::uint64_t m_revision = 0;
};

// Quotes a text with C escapes (\r, \n, \t, \", \\ and \xNN for other control bytes).
std::string quoted(std::string_view);

}
