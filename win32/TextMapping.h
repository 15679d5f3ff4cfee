#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace trevalo::ui {
class Control;
}

namespace trevalo::win32 {

// The model's UTF-8 texts as Win32 controls take them (UTF-16), and back.
// It changes no wording: line breaks stay the model's CR LF, which edit and
// static controls show as they are.
class TextMapping {
public:
    static std::wstring wide(std::string_view utf8);
    static std::string utf8(std::wstring_view wide);
    // Buttons, check boxes and menu items read "&" as the mnemonic marker:
    // a literal "&" is doubled, and the model's mnemonic letter (if any)
    // gets the marker at its first place in the caption.
    static std::wstring caption(const std::string& text, char mnemonic = '\0');
    // The model's tooltip with the control's shortcut after it, so the key
    // can be learnt where the control is; the caption stands in for a
    // missing tooltip when there is a shortcut.
    static std::wstring tooltip(const ui::Control&);
    static std::wstring windowText(HWND);
};

}
