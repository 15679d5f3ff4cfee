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
    // The caption with its mnemonic marked, and the tooltip naming the
    // shortcut, as every binding shows them (ui::BindingTexts).
    static std::wstring caption(const std::string& text, char mnemonic = '\0');
    static std::wstring tooltip(const ui::Control&);
    static std::wstring windowText(HWND);
};

}
