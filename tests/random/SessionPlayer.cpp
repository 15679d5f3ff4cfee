#include "random/SessionPlayer.h"

#include "random/ClipboardTexts.h"
#include "support/StrictBlock.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/MenuEntry.h"
#include "ui/OptionButton.h"
#include "ui/TextBox.h"
#include "ui/binding/UserEvents.h"

namespace trevalo::testing {

SessionPlayer::SessionPlayer(Judged judged)
    : m_judged(judged)
{
    m_modals.while_shown = [this](ui::Window& window) { actInside(window); };
}

// A control the user can get at: not covered by the list it lies under (the
// focus sinks) and not placed outside its container's area (the state
// holders beside the window or beside a frame).
bool SessionPlayer::reachable(const ui::Control& control) const
{
    if (control.kind() == ui::ControlKind::MenuEntry)
        return true;
    if (control.stacking() == ui::Stacking::Lowered)
        return false;
    for (const ui::Control* c = &control; c->container(); c = c->container()) {
        const ui::Place& place = c->place();
        const ui::Control& container = *c->container();
        const int width = container.kind() == ui::ControlKind::Window ? m_form.window().clientWidth() : container.place().width;
        const int height = container.kind() == ui::ControlKind::Window ? m_form.window().clientHeight() : container.place().height;
        if (place.left < 0 || place.top < 0 || place.left >= width || place.top >= height)
            return false;
    }
    return true;
}

UserAction SessionPlayer::randomAction(Random& random) const
{
    std::vector<const ui::Control*> candidates;
    for (const ui::Control* control : m_form.window().controls()) {
        switch (control->kind()) {
        case ui::ControlKind::ComboBox:
            if (static_cast<const ui::ComboBox*>(control)->items().empty())
                continue;
            break;
        case ui::ControlKind::CheckBox:
        case ui::ControlKind::OptionButton:
        case ui::ControlKind::Button:
        case ui::ControlKind::MenuEntry:
            break;
        default:
            continue;
        }
        if (control->usable() && reachable(*control))
            candidates.push_back(control);
    }

    // The menu entries and the paste-instructions box are always there; drawn
    // as often as the rest, they would keep sessions from getting deep.
    auto weight = [](const ui::Control& c) { return c.kind() == ui::ControlKind::MenuEntry || c.name() == "chkdisable" ? 1u : 3u; };
    std::size_t total = 0;
    for (const ui::Control* c : candidates)
        total += weight(*c);
    std::size_t draw = random.below(total);
    std::size_t chosen = 0;
    while (draw >= weight(*candidates[chosen]))
        draw -= weight(*candidates[chosen++]);

    UserAction action;
    const ui::Control& control = *candidates[chosen];
    action.control = control.name();
    if (control.kind() == ui::ControlKind::ComboBox) {
        const auto& items = static_cast<const ui::ComboBox&>(control).items();
        action.kind = UserAction::Kind::Pick;
        action.item = random.below(items.size());
        action.item_text = items[action.item];
    }
    if (action.control == "cmdPaste")
        action.clipboard = random.chance(70) ? ClipboardTexts::trace(random) : ClipboardTexts::hostile(random);
    else if (random.chance(5))
        action.clipboard = ClipboardTexts::elsewhere(random);
    if (action.control == "cmdUndo" || action.control == "mnuReset")
        action.answer = random.oneOf(std::vector<ui::Answer> { ui::Answer::Yes, ui::Answer::No, ui::Answer::Cancel });
    if (action.control == "Log") {
        static const std::vector<std::string> log_buttons { "Command3", "Command1" };
        const std::size_t clicks = random.below(4);
        for (std::size_t i = 0; i < clicks; ++i)
            action.inside.push_back(random.oneOf(log_buttons));
        if (random.chance(80))
            action.inside.push_back("Command2");
    } else if (action.control == "About" && random.chance(80)) {
        action.inside.push_back("background");
    } else if (action.control == "cmdNote" && random.chance(80)) {
        action.inside.push_back("cmdOK");
    }
    return action;
}

bool SessionPlayer::play(const UserAction& action)
{
    ui::Control* control = m_form.window().find(action.control);
    if (!control || !control->usable() || !reachable(*control))
        return false;
    const bool list = control->kind() == ui::ControlKind::ComboBox;
    if ((action.kind == UserAction::Kind::Pick) != list
        || (list && action.item >= static_cast<ui::ComboBox*>(control)->items().size()))
        return false;

    if (action.clipboard)
        m_clipboard.contents = *action.clipboard;
    if (action.answer)
        m_messages.answers.push_back(*action.answer);
    if (m_judged == Judged::Yes)
        m_oracle.before(action);
    m_playing = &action;
    if (action.kind == UserAction::Kind::Pick)
        ui::userPicked(*static_cast<ui::ComboBox*>(control), action.item);
    else
        ui::userClicked(*control);
    m_playing = nullptr;
    if (m_judged == Judged::Yes) {
        for (std::string& fault : m_oracle.after(action))
            m_faults.push_back("after \"" + action.describe() + "\": " + fault);
    }
    // An unused answer would answer a later question; the oracle has said so.
    m_messages.answers.clear();
    return true;
}

// The clicks a user makes in a window the action opened. The log is
// checked as it goes: its tags come off as they went on, and its copy
// puts exactly the report on the clipboard.
void SessionPlayer::actInside(ui::Window& window)
{
    if (!m_playing)
        return;
    auto fault = [this](const std::string& text) { m_faults.push_back("in \"" + m_playing->describe() + "\": " + text); };
    for (const std::string& name : m_playing->inside) {
        if (!window.visible())
            break;
        if (name == "background") {
            ui::userClicked(window);
            continue;
        }
        auto* button = dynamic_cast<ui::Button*>(window.find(name));
        if (!button) {
            fault(window.name() + " has no button " + name);
            continue;
        }
        auto* log = dynamic_cast<ui::TextBox*>(window.find("txtLog"));
        const std::string before = log ? log->text() : std::string();
        const std::string tag = button->tag();
        ui::userClicked(*button);
        if (log && name == "Command1" && m_clipboard.contents != log->text())
            fault("the log's copy put " + StrictBlock::excerpt(m_clipboard.contents) + " on the clipboard, not its report");
        if (log && name == "Command3") {
            const bool inserted = tag == "1";
            const bool wrapped = log->text() == "[CODE]\r\n" + before + "[/CODE]";
            if (inserted && !wrapped)
                fault("the log's tags did not wrap the report");
            if (!inserted && "[CODE]\r\n" + log->text() + "[/CODE]" != before)
                fault("taking the log's tags off did not give the report back");
        }
    }
    const bool closing = !m_playing->inside.empty()
        && (m_playing->inside.back() == "Command2" || m_playing->inside.back() == "background"
            || m_playing->inside.back() == "cmdOK");
    if (closing && window.visible())
        fault(window.name() + " stayed open after " + m_playing->inside.back() + " closed it");
}

}
