#pragma once

#include "ui/FolderChooser.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::testing {

// A folder picker that records what it was asked and answers from a
// script; with the script used up it answers as a cancelled picker does.
class FakeFolderChooser final : public ui::FolderChooser {
public:
    struct Asked {
        std::string title;
        std::string start;
    };

    std::optional<std::string> chooseFolder(std::string_view title, std::string_view start) override
    {
        asked.push_back({ std::string(title), std::string(start) });
        if (answers.empty())
            return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Asked> asked;
    std::deque<std::optional<std::string>> answers;
};

}
