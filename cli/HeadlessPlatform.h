#pragma once

// The platform seam without a screen, for the command line: a clipboard
// that is a string (the system's is left alone), message boxes that keep
// what they said and answer as a closed box does, and secondary windows
// that open and close at once. They decide nothing.

#include "ui/Clipboard.h"
#include "ui/MessageBoxes.h"
#include "ui/ModalWindows.h"

#include <string>
#include <vector>

namespace trevalo::cli {

class MemoryClipboard final : public ui::Clipboard {
public:
    std::string text() const override { return m_text; }
    void setText(std::string text) override { m_text = std::move(text); }
    void clear() override { m_text.clear(); }

private:
    std::string m_text;
};

class RecordedMessages final : public ui::MessageBoxes {
public:
    struct Message {
        std::string title;
        std::string prompt;
    };

    ui::Answer show(std::string_view prompt, std::string_view title, ui::Buttons buttons) override
    {
        messages.push_back({ std::string(title), std::string(prompt) });
        return buttons == ui::Buttons::Ok ? ui::Answer::Ok : ui::Answer::Cancel;
    }

    std::vector<Message> messages;
};

class ClosedWindows final : public ui::ModalWindows {
public:
    void showModal(ui::Window&) override { }
};

}
