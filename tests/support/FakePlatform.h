#pragma once

#include "ui/Clipboard.h"
#include "ui/MessageBoxes.h"
#include "ui/ModalWindows.h"
#include "ui/Window.h"

#include <functional>

#include <deque>
#include <string>
#include <vector>

namespace trevalo::testing {

// A clipboard that is a string, recording how often it was cleared or set.
class FakeClipboard final : public ui::Clipboard {
public:
    std::string text() const override { return contents; }
    void setText(std::string text) override
    {
        contents = std::move(text);
        ++sets;
    }
    void clear() override
    {
        contents.clear();
        ++clears;
    }

    std::string contents;
    int sets = 0;
    int clears = 0;
};

// Message boxes that record every box shown and answer from a script; with
// the script used up they answer as closing the box would.
class FakeMessageBoxes final : public ui::MessageBoxes {
public:
    struct Shown {
        std::string prompt;
        std::string title;
        ui::Buttons buttons;
    };

    ui::Answer show(std::string_view prompt, std::string_view title, ui::Buttons buttons) override;

    std::vector<Shown> shown;
    std::deque<ui::Answer> answers;
};

// Modal windows that record the windows shown and let a test act inside
// each one (as a user would while it is open) before it closes.
class FakeModalWindows final : public ui::ModalWindows {
public:
    void showModal(ui::Window& window) override
    {
        shown.push_back(window.name());
        if (while_shown)
            while_shown(window);
    }

    std::vector<std::string> shown;
    std::function<void(ui::Window&)> while_shown;
};

}
