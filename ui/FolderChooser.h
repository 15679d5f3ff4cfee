#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trevalo::ui {

// The system's folder picker, shown modally over the active window: the
// chosen folder's path (UTF-8), or nothing when the user cancels.
class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    virtual std::optional<std::string> chooseFolder(std::string_view title, std::string_view start) = 0;
};

}
