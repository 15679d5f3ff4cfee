#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

namespace trevalo::ui {
struct Shortcut;
}

namespace trevalo::win32 {

// The model's shortcuts as accelerator entries that send WM_COMMAND with a
// control's ID: the keys ui::Shortcut reads from the model's text, in
// Win32's virtual keys and flags. It keeps no table (ShortcutTable does).
class Accelerators {
public:
    static ACCEL of(const ui::Shortcut&, WORD command);
    // None where ui::Shortcut reads no keys from the text.
    static std::optional<ACCEL> parse(std::string_view keys, WORD command);
};

}
