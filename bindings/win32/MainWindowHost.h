#pragma once

#include "bindings/win32/WindowHost.h"

#include <functional>

namespace trevalo::win32 {

// The main window: a fixed-size top-level window with a minimise box and
// the model's menu bar, opened in the middle of the screen's work area.
// Escape does nothing here (the main window has no cancel button); the
// close box runs on_close and ends the program's message loop.
class MainWindowHost final : public WindowHost {
public:
    explicit MainWindowHost(ui::Window&);

    void show(int how);

    std::function<void()> on_close;

private:
    POINT placement(SIZE outer) const override;
    void closeBoxClicked() override;
    void escapePressed() override { }
    void modelHid() override;
    void destroyed() override;
};

}
