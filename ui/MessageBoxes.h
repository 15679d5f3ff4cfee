#pragma once

#include <string_view>

namespace trevalo::ui {

enum class Buttons { Ok, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

// Modal message boxes with no icon. Closing a box without a button answers
// Cancel (Ok for a box with only OK). An empty title asks for the toolkit's
// default title.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual Answer show(std::string_view prompt, std::string_view title, Buttons buttons) = 0;
};

}
