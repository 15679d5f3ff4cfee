#pragma once

#include <string>
#include <string_view>

namespace trevalo::ui {

class Control;

// The texts every binding shows the same way, whatever its toolkit: a
// caption with its mnemonic marked, and a tooltip that names the control's
// shortcut. Both are UTF-8; the binding converts them to its toolkit's
// strings and line breaks. It changes no wording of the model's.
class BindingTexts {
public:
    // Buttons, check boxes, options and menu entries read "&" as the
    // mnemonic marker in Qt and Win32 alike: a literal "&" is doubled, and
    // the mnemonic letter (if any) gets the marker at its first place in
    // the caption, upper or lower case.
    static std::string markedCaption(std::string_view caption, char mnemonic);
    // The control's tooltip with its shortcut after it, as the binding
    // writes the shortcut, so the key can be learnt where the control is;
    // the caption stands in for a missing tooltip when there is a shortcut.
    static std::string tooltip(const Control&, std::string_view shortcut_shown);
    // An item of a drop-down menu: its marked caption and, after a tab,
    // its shortcut as the binding writes it, which both toolkits' menus
    // show right-aligned beside the caption.
    static std::string menuItemText(const Control&, std::string_view shortcut_shown);
};

}
