#pragma once

#include "ui/FolderChooser.h"

#include <windows.h>

#include <functional>

namespace trevalo::win32 {

// The system's folder picker (the common item dialog, picking folders),
// modal over the active window of ours, or the main window; the chosen
// folder's file system path in UTF-8, or nothing when the user cancels or
// picks something that is no folder on disk. COM must be initialised on
// the calling thread (apartment-threaded), as main() does.
class Win32FolderChooser final : public ui::FolderChooser {
public:
    std::optional<std::string> chooseFolder(std::string_view title, std::string_view start) override;

    void setOwner(HWND owner) { m_owner = owner; }
    // Runs before the picker opens; main() mirrors the main window there.
    std::function<void()> on_before_show;

private:
    HWND m_owner = nullptr;
};

}
