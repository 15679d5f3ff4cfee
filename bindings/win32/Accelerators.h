#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

namespace trevalo::win32 {

// The model's shortcuts, key sequences in portable text ("Ctrl+I",
// "Ctrl+1", "F1"), as accelerator entries that send WM_COMMAND with a
// control's ID. Modifiers are Ctrl, Shift and Alt; keys are letters,
// digits, F1 to F24 and the common named keys.
class Accelerators {
public:
    static std::optional<ACCEL> parse(std::string_view keys, WORD command);
};

}
