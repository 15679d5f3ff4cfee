#pragma once

#include "ui/MessageBoxes.h"

#include <functional>

namespace trevalo::ui::qt {

// Modal message boxes through QMessageBox: no icon, the given title (the
// application's name when empty), OK or Yes/No/Cancel. Escape and the close
// button answer Cancel, or OK in an OK box. It knows nothing of the prompts.
class QtMessageBoxes final : public MessageBoxes {
public:
    Answer show(std::string_view prompt, std::string_view title, Buttons buttons) override;

    // Runs before a box opens, so the window behind it can show what the
    // operation has done so far (the host mirrors its model here).
    std::function<void()> on_before_show;
};

}
