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
    // Button-like widgets and group boxes read "&" as a shortcut marker; the
    // model's captions are plain text, and its mnemonic letter (if any) gets
    // the marker at its first place in the caption.
    static QString caption(const std::string& text, char mnemonic = '\0');
    // The model's tooltip with the control's shortcut after it, so the key
    // can be learnt where the control is.
    static QString tooltip(const ui::Control&);
};

}
