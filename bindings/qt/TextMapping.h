#pragma once

#include <QString>

#include <string>

namespace trevalo::ui {
class Control;
}

namespace trevalo::qt {

// The model's texts as Qt widgets show them. It changes no wording.
class TextMapping {
public:
    // The model keeps CR LF where a text has line breaks; Qt wants LF.
    static QString shown(const std::string& text);
    // The caption with its mnemonic marked, and the tooltip naming the
    // shortcut in the platform's own words, as every binding shows them
    // (ui::BindingTexts).
    static QString caption(const std::string& text, char mnemonic = '\0');
    static QString tooltip(const ui::Control&);
    // An item of a drop-down menu: its caption, and its key beside it.
    static QString menuItem(const ui::Control&);
    // The control's shortcut as the platform writes it ("Ctrl+O"), or empty.
    static std::string shortcut(const ui::Control&);
};

}
