#include "mainwindow/Form1.h"
#include "support/FakePlatform.h"
#include "support/KeyboardSession.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Label.h"
#include "ui/OptionButton.h"
#include "ui/TextBox.h"
#include "ui/Window.h"
#include "ui/binding/BindingCore.h"
#include "ui/binding/MirrorTracker.h"
#include "ui/binding/Shortcut.h"
#include "ui/binding/TypeAhead.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <optional>
#include <string>

// The keyboard session both windows replay, here on the main window's
// model with the binding core and a toolkit of its own: what the session
// expects is what the shared decisions give, before any toolkit adds its
// own. The toolkit stands in for both bindings' adapters: a closed list
// shows the item the keys rest on and reports it as a pick by key, Tab
// goes by the model's order over the controls a user can reach and ends
// the keys' work on a list first, Alt+letter puts the focus on a box it
// ticks, a control disabled or hidden under the keyboard passes it to the
// first Tab stop, and the timer fires when the session rests.
namespace trevalo::testing {
namespace {

class FakeTimer final : public ui::HeldPick::Timer {
public:
    void start(unsigned ms) override { pending = ms; }
    void stop() override { pending.reset(); }
    std::optional<unsigned> pending;
};

class ModelKeyboard final : public ui::BindingCore::Toolkit {
public:
    ModelKeyboard()
    {
        clipboard.contents = SharedKeyboardSession::clipboard;
        mirror();
        // The window is shown and activated: the keyboard goes to the
        // model's focus, or else to the first Tab stop.
        ui::Control* first = keyboard ? keyboard : nextTabStop();
        keyboard = first;
        if (first)
            core.userFocused(*first);
    }

    void mirror() override
    {
        for (ui::Control* control : tracker.controls()) {
            if (tracker.changed(*control) && control->kind() == ui::ControlKind::ComboBox) {
                auto& list = static_cast<ui::ComboBox&>(*control);
                shown[&list] = list.indexOf(list.text());
            }
            tracker.mirrored(*control);
        }
        tracker.mirrored(form.window());
        if (ui::Control* focus = core.focusToShow())
            keyboard = focus;
        // A control that can no longer be used loses the keyboard, which
        // goes on to the first Tab stop, in either window.
        if (keyboard && !reachable(*keyboard)) {
            keyboard = nullptr;
            keyboard = nextTabStop();
            if (keyboard)
                core.userFocused(*keyboard);
        }
    }
    ui::Control* keyboardFocus() const override { return keyboard; }

    void press(const SharedKeyboardSession::Step& step)
    {
        using Key = SharedKeyboardSession::Key;
        for (int i = 0; i < step.times; ++i) {
            switch (step.key) {
            case Key::Tab:
                core.keysDone();
                endTyping();
                if (ui::Control* next = nextTabStop()) {
                    keyboard = next;
                    core.userFocused(*next);
                }
                break;
            case Key::Up:
            case Key::Down:
                endTyping();
                if (ui::ComboBox* list = focusedList()) {
                    const std::size_t at = shown[list].value_or(0);
                    const std::size_t last = list->items().size() - 1;
                    const std::size_t to = step.key == Key::Up ? (at > 0 ? at - 1 : 0) : (at < last ? at + 1 : last);
                    if (to != at) {
                        shown[list] = to;
                        core.pickedByKey(*list, to);
                    }
                }
                break;
            case Key::Enter:
                endTyping();
                core.pressedEnter();
                break;
            case Key::Type:
                for (char c : step.keys) {
                    now += 100;
                    ui::ComboBox* list = focusedList();
                    ASSERT_NE(list, nullptr) << "typing goes to a list here";
                    if (auto found = typing.at(list).typed(list->items(), shown[list], std::string(1, c), now)) {
                        shown[list] = *found;
                        core.pickedByKey(*list, *found);
                    }
                }
                break;
            case Key::Alt:
                endTyping();
                alt(std::toupper(static_cast<unsigned char>(step.keys.at(0))));
                break;
            case Key::Ctrl:
                endTyping();
                ctrl(step.keys);
                break;
            case Key::Rest:
                now += ui::HeldPick::pause_ms + 100;
                while (timer.pending) {
                    timer.pending.reset();
                    core.timerFired();
                }
                break;
            }
            // What the toolkit does as soon as it is idle: a pick offered
            // once the focus has settled.
            while (timer.pending == 0u) {
                timer.pending.reset();
                core.timerFired();
            }
        }
    }

    std::string shows(const std::string& name)
    {
        if (name == "clipboard")
            return clipboard.contents;
        ui::Control* control = form.window().find(name);
        if (!control)
            return "(no control " + name + ")";
        switch (control->kind()) {
        case ui::ControlKind::ComboBox: {
            auto& list = static_cast<ui::ComboBox&>(*control);
            const std::optional<std::size_t> at = shown[&list];
            return at ? list.items().at(*at) : std::string();
        }
        case ui::ControlKind::CheckBox:
            return static_cast<ui::CheckBox&>(*control).value() == ui::Checked ? "ticked" : "unticked";
        default:
            return control->displayText();
        }
    }

    std::string focused() const { return keyboard ? keyboard->name() : std::string(); }

    FakeClipboard clipboard;
    FakeMessageBoxes messages;
    FakeModalWindows modals;
    Form1 form { clipboard, messages, modals };
    ui::MirrorTracker tracker { form.window() };
    FakeTimer timer;
    ui::BindingCore core { form.window(), tracker, *this, timer };
    ui::Control* keyboard = nullptr;
    std::map<ui::ComboBox*, std::optional<std::size_t>> shown;
    std::map<ui::ComboBox*, ui::TypeAhead> typing;
    unsigned long now = 0;

private:
    ui::ComboBox* focusedList()
    {
        if (!keyboard || keyboard->kind() != ui::ControlKind::ComboBox)
            return nullptr;
        auto* list = static_cast<ui::ComboBox*>(keyboard);
        typing.try_emplace(list, ui::HeldPick::pause_ms);
        return list;
    }

    void endTyping()
    {
        for (auto& [list, typed] : typing)
            typed.end();
    }

    static bool reachable(const ui::Control& control)
    {
        return ui::MirrorTracker::shownWithFrames(control) && ui::MirrorTracker::enabledWithFrames(control);
    }

    // Both bindings' Tab: the model's order, over the controls that take the
    // focus, can be seen and used, and of a group of options the ticked one.
    static bool tabStop(const ui::Control& control)
    {
        if (!reachable(control) || !ui::MirrorTracker::canBeSeen(control))
            return false;
        switch (control.kind()) {
        case ui::ControlKind::TextBox:
        case ui::ControlKind::ComboBox:
        case ui::ControlKind::CheckBox:
        case ui::ControlKind::Button:
            return true;
        case ui::ControlKind::Label:
            return static_cast<const ui::Label&>(control).tabStop() == ui::Label::TabStop::Yes;
        case ui::ControlKind::OptionButton:
            return static_cast<const ui::OptionButton&>(control).value();
        default:
            return false;
        }
    }

    ui::Control* nextTabStop()
    {
        const auto& controls = tracker.controls();
        std::size_t from = keyboard ? tracker.order(*keyboard) : controls.size() - 1;
        for (std::size_t i = 1; i <= controls.size(); ++i) {
            ui::Control* next = controls[(from + i) % controls.size()];
            if (tabStop(*next))
                return next;
        }
        return nullptr;
    }

    // A box or option takes the focus with its letter, as a click would
    // give it; then it is clicked.
    void alt(int letter)
    {
        for (ui::Control* control : tracker.controls()) {
            if (std::toupper(static_cast<unsigned char>(control->mnemonic())) != letter || !reachable(*control))
                continue;
            if (control->kind() == ui::ControlKind::CheckBox || control->kind() == ui::ControlKind::OptionButton) {
                keyboard = control;
                core.leftList();
                core.userFocused(*control);
            }
            core.clicked(*control);
            return;
        }
        ADD_FAILURE() << "no control has the letter " << char(letter);
    }

    void ctrl(const std::string& key)
    {
        const auto wanted = ui::Shortcut::parse("Ctrl+" + key);
        for (ui::Control* control : form.window().controls()) {
            if (ui::Shortcut::parse(control->shortcut()) == wanted && reachable(*control)) {
                core.clicked(*control);
                return;
            }
        }
        ADD_FAILURE() << "no control has Ctrl+" << key;
    }
};

void expectShows(ModelKeyboard& model, const SharedKeyboardSession::Step& step)
{
    EXPECT_EQ(model.focused(), step.focus) << step.what;
    for (const SharedKeyboardSession::Shows& shows : step.shows)
        EXPECT_EQ(model.shows(shows.control), shows.text) << step.what << ": " << shows.control;
}

TEST(KeyboardSessionOnTheModel, EachStepGivesTheFocusAndPicksTheSessionExpects)
{
    ModelKeyboard model;
    expectShows(model, SharedKeyboardSession::start);
    for (const SharedKeyboardSession::Step& step : SharedKeyboardSession::steps()) {
        model.press(step);
        expectShows(model, step);
        if (step.answered) {
            EXPECT_EQ(model.messages.shown.size(), 1u) << step.what << ": one message box";
            model.messages.shown.clear();
        }
    }
}

}
}
