#pragma once

#include "ui/Clipboard.h"
#include "ui/MessageBoxes.h"
#include "ui/ModalWindows.h"

#include <cstddef>
#include <string>

namespace trevalo::bench {

// The outside world of a main window under measurement: a clipboard that is
// a string, message boxes that answer at once without keeping what they
// showed, and modal windows that close as soon as they are loaded. Keeping
// nothing matters here: a record of every prompt would grow with each
// iteration and its copies would be counted as the model's work.
class QuietPlatform final : public ui::Clipboard, public ui::MessageBoxes, public ui::ModalWindows {
public:
    std::string text() const override { return clipboard; }
    void setText(std::string text) override { clipboard = std::move(text); }
    void clear() override { clipboard.clear(); }

    // Yes/No/Cancel boxes (Undo and Reset ask about the clipboard) get
    // `answer`; OK boxes get OK.
    ui::Answer show(std::string_view prompt, std::string_view, ui::Buttons buttons) override
    {
        prompt_characters += prompt.size();
        return buttons == ui::Buttons::Ok ? ui::Answer::Ok : answer;
    }

    void showModal(ui::Window&) override { ++windows_shown; }

    std::string clipboard;
    ui::Answer answer = ui::Answer::No;
    // Read once at the end, so the compiler cannot drop the prompts.
    std::size_t prompt_characters = 0;
    int windows_shown = 0;
};

}
