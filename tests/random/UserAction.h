#pragma once

#include "ui/MessageBoxes.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::testing {

// One thing a user does to the main window, complete enough to replay: the
// control, the list item picked, what the clipboard held just before, the
// answer to the clipboard question, and the clicks made inside a window the
// action opens.
struct UserAction {
    enum class Kind { Pick, Click };

    Kind kind = Kind::Click;
    std::string control;
    std::size_t item = 0;
    std::string item_text;
    std::optional<std::string> clipboard;
    std::optional<ui::Answer> answer;
    std::vector<std::string> inside;

    // One line a developer can read and turn into a test.
    std::string describe() const;
};

}
