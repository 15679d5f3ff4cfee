#include "support/FakePlatform.h"

namespace trevalo::testing {

ui::Answer FakeMessageBoxes::show(std::string_view prompt, std::string_view title, ui::Buttons buttons)
{
    shown.push_back({ std::string(prompt), std::string(title), buttons });
    if (answers.empty())
        return buttons == ui::Buttons::Ok ? ui::Answer::Ok : ui::Answer::Cancel;
    ui::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

}
