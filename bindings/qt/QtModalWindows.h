#pragma once

#include "ui/ModalWindows.h"

#include <functional>

namespace trevalo::qt {

// Shows a secondary window model as a modal dialog over the active window,
// and returns once it has closed. Each call builds the dialog afresh, as the
// model's windows are.
class QtModalWindows final : public ui::ModalWindows {
public:
    void showModal(ui::Window& window) override;

    // Runs before a window opens, so the window behind it shows what the
    // operation has done so far.
    std::function<void()> on_before_show;
    // Runs after each event handled in an open window and each step of its
    // work, so the window behind shows at once what its actions did there.
    std::function<void()> while_open;
};

}
