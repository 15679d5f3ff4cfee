#include "random/UserAction.h"

#include "support/StrictBlock.h"

namespace trevalo::testing {

namespace {

std::string answerName(ui::Answer answer)
{
    switch (answer) {
    case ui::Answer::Ok:
        return "OK";
    case ui::Answer::Yes:
        return "Yes";
    case ui::Answer::No:
        return "No";
    case ui::Answer::Cancel:
        return "Cancel";
    }
    return "?";
}

}

std::string UserAction::describe() const
{
    std::string line;
    if (clipboard)
        line += "clipboard := " + StrictBlock::excerpt(*clipboard, 120) + "; ";
    if (kind == Kind::Pick)
        line += "pick " + control + " \"" + item_text + "\"";
    else
        line += "click " + control;
    if (answer)
        line += ", answer " + answerName(*answer);
    if (!inside.empty()) {
        line += ", inside:";
        for (const std::string& name : inside)
            line += " " + name;
    }
    return line;
}

}
