#pragma once

#include "ui/ModalWindows.h"

#include <windows.h>

#include <functional>

namespace trevalo::win32 {

// Shows a secondary window as a real modal window: owned by the active
// window of ours (or the main window), which is disabled until the model
// hides the secondary window or the user closes it, then active again.
class Win32ModalWindows final : public ui::ModalWindows {
public:
    void showModal(ui::Window& window) override;

    void setOwner(HWND owner) { m_owner = owner; }
    // Runs before each window opens; main() mirrors the main window there.
    std::function<void()> on_before_show;
    // Runs after each event handled in an open window and each step of its
    // work, so the window behind shows at once what its actions did there.
    std::function<void()> while_open;

private:
    HWND m_owner = nullptr;
};

}
