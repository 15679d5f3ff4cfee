#pragma once

// The main window's own blocks for a target, made the way an author makes
// them: a fresh Form1 on fake platform doubles, the target, dummy skip and
// guard picked from its lists, a trace text imported. What the window shows
// is turned into what the replay needs to know.

#include "vm/Replay.h"

#include <string>

namespace trevalo::testing {

struct WindowChoice {
    WindowChoice(std::string domain = "VTSM", std::string number = "1", std::string menu = "Root Menu",
        std::string dummy = {}, std::string guard = "14", std::string audio = {}, std::string button = {})
        : domain(std::move(domain))
        , number(std::move(number))
        , menu(std::move(menu))
        , dummy(std::move(dummy))
        , guard(std::move(guard))
        , audio(std::move(audio))
        , button(std::move(button))
    {
    }

    std::string domain; // cboSelect
    std::string number; // cboPGC
    std::string menu; // CboMenu, for VTSM
    std::string dummy; // cboDummy with the dummy skip on; empty for off
    std::string guard; // cboGPRM; empty for the all-registers check
    // Post settings after the import: cboAudio with the streams on, and
    // cboButton with the highlight on; empty for off.
    std::string audio;
    std::string button;
};

struct Composed {
    vm::Blocks blocks;
    vm::Target target;
    vm::DeliberateChanges deliberate;
    std::string import_error; // the window's message when it refused the text
};

// The blocks as the window shows them after the import, or without one
// when it refused the text.
Composed compose(const WindowChoice& choice, const std::string& imported);

// The whole window after the import, as text: its blocks, captions and
// states, to compare two imports.
std::string windowAfterImport(const WindowChoice& choice, const std::string& imported);

}
