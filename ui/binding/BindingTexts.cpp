#include "ui/binding/BindingTexts.h"

#include "ui/Control.h"

namespace trevalo::ui {

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

}

// The mnemonic is an ASCII letter, and no byte of a UTF-8 sequence for
// another character is ASCII, so matching bytes finds only the letter.
std::string BindingTexts::markedCaption(std::string_view caption, char mnemonic)
{
    std::string marked;
    marked.reserve(caption.size() + 2);
    bool placed = mnemonic == '\0';
    for (char c : caption) {
        if (c == '&') {
            marked += "&&";
            continue;
        }
        if (!placed && lower(c) == lower(mnemonic)) {
            marked += '&';
            placed = true;
        }
        marked += c;
    }
    return marked;
}

std::string BindingTexts::tooltip(const Control& control, std::string_view shortcut_shown)
{
    if (control.shortcut().empty())
        return control.tooltip();
    const std::string& tip = control.tooltip().empty() ? control.displayText() : control.tooltip();
    return tip + " (" + std::string(shortcut_shown) + ")";
}

std::string BindingTexts::menuItemText(const Control& control, std::string_view shortcut_shown)
{
    std::string text = markedCaption(control.displayText(), control.mnemonic());
    if (!shortcut_shown.empty()) {
        text += '\t';
        text += shortcut_shown;
    }
    return text;
}

}
