#pragma once

namespace trevalo::ui {

class Window;

// Shows a secondary window modally: the call returns when the window has
// been closed (hidden by its own operations, or closed by the user), and the
// main window takes no input meanwhile.
class ModalWindows {
public:
    virtual ~ModalWindows() = default;
    virtual void showModal(Window& window) = 0;
};

}
