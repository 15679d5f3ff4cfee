#pragma once

#include "ui/FolderChooser.h"

#include <functional>

namespace trevalo::qt {

// The system's folder picker (the desktop's own where Qt has one, else
// Qt's), modal over the active window; the chosen folder in UTF-8 with the
// platform's separators, or nothing when the user cancels.
class QtFolderChooser final : public ui::FolderChooser {
public:
    std::optional<std::string> chooseFolder(std::string_view title, std::string_view start) override;

    // Runs before the picker opens, so the window behind it shows what the
    // operation has done so far.
    std::function<void()> on_before_show;
};

}
