#pragma once

#include "ui/MessageBoxes.h"

#include <functional>

namespace trevalo::qt {

// Modal message boxes through QMessageBox: no icon, the given title (the
// application's name when empty), OK or Yes/No/Cancel. Escape and the close
// button answer Cancel, or OK in an OK box. It knows nothing of the prompts.
class QtMessageBoxes final : public ui::MessageBoxes {
public:
    ui::Answer show(std::string_view prompt, std::string_view title, ui::Buttons buttons) override;

    // Runs before a box opens, so the window behind it can show what the
    // operation has done so far (the host mirrors its model here).
    std::function<void()> on_before_show;
};

}
