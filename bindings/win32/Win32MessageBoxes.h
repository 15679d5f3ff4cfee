#pragma once

#include "ui/MessageBoxes.h"

#include <windows.h>

#include <functional>

namespace trevalo::win32 {

// Message boxes as Windows' own (MessageBoxW), with no icon, owned by the
// active window of ours (or the main window), which they disable while they
// are up. An empty title asks for the program's name. An OK box always
// answers Ok; closing a Yes/No/Cancel box answers Cancel.
class Win32MessageBoxes final : public ui::MessageBoxes {
public:
    ui::Answer show(std::string_view prompt, std::string_view title, ui::Buttons buttons) override;

    void setOwner(HWND owner) { m_owner = owner; }
    // Runs before each box opens; main() mirrors the window there, so the
    // box shows over the operation's work so far.
    std::function<void()> on_before_show;

private:
    HWND m_owner = nullptr;
};

}
