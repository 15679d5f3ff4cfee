#include "ui/binding/BindingCore.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/TextBox.h"
#include "ui/Window.h"
#include "ui/binding/MirrorTracker.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The decisions both bindings leave to the binding core, without a
// toolkit: when a pick made with keys goes, where the focus goes after a
// pick, and what waits while an event is still in progress. A fake
// toolkit stands in for the binding: it has a keyboard focus, mirrors by
// moving it where the core says, and a timer that fires when told.
namespace trevalo::ui {
namespace {

class FakeTimer final : public HeldPick::Timer {
public:
    void start(unsigned ms) override { pending = ms; }
    void stop() override { pending.reset(); }
    std::optional<unsigned> pending;
};

class FakeToolkit final : public BindingCore::Toolkit {
public:
    void mirror() override
    {
        shown.clear();
        for (Control* control : tracker->controls()) {
            if (tracker->changed(*control))
                shown.push_back(control->name());
            tracker->mirrored(*control);
        }
        tracker->mirrored(*window);
        ++mirrors;
        if (Control* focus = core->focusToShow())
            keyboard = focus;
    }
    Control* keyboardFocus() const override { return keyboard; }

    BindingCore* core = nullptr;
    MirrorTracker* tracker = nullptr;
    Window* window = nullptr;
    Control* keyboard = nullptr;
    int mirrors = 0;
    // The controls the last mirror found changed.
    std::vector<std::string> shown;
};

struct Core : ::testing::Test {
    Window window { "W", "Caption", 6000, 4000 };
    ComboBox list { &window, "list" };
    Button sink { &window, "sink" };
    ComboBox other { &window, "other" };
    Button go { &window, "go" };
    TextBox text { &window, "text" };
    MirrorTracker tracker { window };
    FakeTimer timer;
    FakeToolkit toolkit;
    BindingCore core { window, tracker, toolkit, timer };
    std::vector<std::string> ran;

    void SetUp() override
    {
        toolkit.core = &core;
        toolkit.tracker = &tracker;
        toolkit.window = &window;
        for (const char* item : { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12" }) {
            list.addItem(item);
            other.addItem(item);
        }
        // As the main window's lists do: the operation sends the focus to
        // the list's focus sink.
        list.on_click = [this] {
            ran.push_back("list " + list.text());
            sink.setFocus();
        };
        other.on_click = [this] { ran.push_back("other " + other.text()); };
        go.on_click = [this] { ran.push_back("go"); };
        window.on_drop_folder = [this](const std::string& folder) { ran.push_back("drop " + folder); };
        userOn(list);
    }

    // The user puts the keyboard on a control, and the toolkit says so.
    void userOn(Control& control)
    {
        toolkit.keyboard = &control;
        core.userFocused(control);
    }

    // The timer fires, as the toolkit's event loop would have it.
    void fire()
    {
        ASSERT_TRUE(timer.pending) << "no timer was running";
        timer.pending.reset();
        core.timerFired();
    }
};

TEST_F(Core, StepsWithKeysAreOnePickOnceTheKeysRest)
{
    core.pickedByKey(list, 0);
    core.pickedByKey(list, 10);
    core.pickedByKey(list, 11);
    EXPECT_TRUE(ran.empty()) << "held while stepping";
    EXPECT_TRUE(core.holdsPick());
    ASSERT_EQ(timer.pending, HeldPick::pause_ms) << "each step starts the pause again";
    fire();
    EXPECT_EQ(ran, std::vector<std::string> { "list 12" });
    EXPECT_FALSE(core.holdsPick());
    EXPECT_FALSE(timer.pending);
}

// Whatever ends the keys' work on a list, the pick goes once, before
// anything the ending itself does.
TEST_F(Core, EveryEndOfTheKeysLetsTheHeldPickGoFirstAndOnce)
{
    struct Case {
        const char* ending;
        std::function<void(Core&)> end;
        std::vector<std::string> ran;
        // What the keys done afterwards pass on: only a pick the ending
        // itself holds.
        std::vector<std::string> later = {};
    };
    const Case cases[] = {
        { "Enter", [](Core& c) { EXPECT_EQ(c.core.pressedEnter(), Took::Yes); }, { "list 5" } },
        { "Tab", [](Core& c) { c.core.keysDone(); }, { "list 5" } },
        { "a shortcut", [](Core& c) { c.core.clicked(c.go); }, { "list 5", "go" } },
        { "a click on the window", [](Core& c) { c.core.clicked(c.window); }, { "list 5" } },
        { "the focus leaving",
            [](Core& c) {
                c.core.leftList();
                EXPECT_EQ(c.timer.pending, 0u) << "once the focus has settled";
                c.userOn(c.text);
                c.fire();
            },
            { "list 5" } },
        { "another list", [](Core& c) { c.core.pickedByKey(c.other, 2); }, { "list 5" }, { "other 3" } },
        { "a pick on another list", [](Core& c) { c.core.picked(c.other, 2); }, { "list 5", "other 3" } },
        { "typing into a box", [](Core& c) { c.core.typed(c.text, "typed"); }, { "list 5" } },
        { "a dropped folder", [](Core& c) { c.core.droppedFolder("/disc"); }, { "list 5", "drop /disc" } },
        { "Escape", [](Core& c) { c.core.cancelled(); }, { "list 5" } },
    };
    for (const Case& c : cases) {
        ran.clear();
        userOn(list);
        core.pickedByKey(list, 3);
        core.pickedByKey(list, 4);
        c.end(*this);
        EXPECT_EQ(ran, c.ran) << c.ending;
        std::vector<std::string> after = c.ran;
        after.insert(after.end(), c.later.begin(), c.later.end());
        core.keysDone();
        EXPECT_EQ(ran, after) << c.ending << ": nothing more of the first pick goes later";
        EXPECT_FALSE(core.holdsPick()) << c.ending;
    }
}

// One rule for the focus after any pick: the model's focus shows, but the
// keyboard stays with keys still at work, and the model's focus follows it.
TEST_F(Core, APickWithTheMouseShowsTheOperationsFocusAndOneWithKeysKeepsTheKeyboard)
{
    core.picked(list, 1);
    EXPECT_EQ(ran, std::vector<std::string> { "list 2" });
    EXPECT_EQ(toolkit.keyboard, &sink) << "the operation sent the focus to the sink";
    EXPECT_EQ(window.focusedControl(), &sink);

    userOn(list);
    core.pickedByKey(list, 2);
    fire();
    EXPECT_EQ(ran.back(), "list 3");
    EXPECT_EQ(toolkit.keyboard, &list) << "the next key must reach the list";
    EXPECT_EQ(window.focusedControl(), &list) << "the model's focus is where the keyboard is";

    // Where the user has gone on (Tab) before the pick went, both stay
    // there.
    core.pickedByKey(list, 3);
    userOn(text);
    core.keysDone();
    EXPECT_EQ(ran.back(), "list 4");
    EXPECT_EQ(toolkit.keyboard, &text);
    EXPECT_EQ(window.focusedControl(), &text);

    // And an operation moving the focus back to where the model last had
    // it is a move all the same.
    userOn(go);
    sink.setFocus();
    toolkit.mirror();
    EXPECT_EQ(toolkit.keyboard, &sink);
}

TEST_F(Core, APickFromTheDropDownReplacesTheOneTheKeysMadeOnTheSameList)
{
    core.pickedByKey(list, 5);
    core.picked(list, 1);
    EXPECT_EQ(ran, std::vector<std::string> { "list 2" });
    EXPECT_FALSE(core.holdsPick());
    EXPECT_FALSE(timer.pending);
}

// An operation's message box runs the toolkit's event loop inside the
// event (here a step of the window's work), where the pause may run out:
// the pick waits for the event to end, however often it is offered.
TEST_F(Core, AHeldPickWaitsWhileAnEventIsInProgress)
{
    core.pickedByKey(list, 6);
    bool inside = false;
    window.setWork([&] {
        inside = core.inEvent();
        fire();
        EXPECT_TRUE(ran.empty()) << "the message box is still open";
        EXPECT_EQ(timer.pending, HeldPick::retry_ms);
        fire();
        EXPECT_TRUE(ran.empty());
        EXPECT_FALSE(core.runWork()) << "nor does more work run inside";
        return false;
    });
    EXPECT_TRUE(core.runWork());
    EXPECT_TRUE(inside);
    EXPECT_FALSE(core.inEvent());
    fire();
    EXPECT_EQ(ran, std::vector<std::string> { "list 7" });
}

TEST_F(Core, EnterWithoutAHeldPickPressesTheFocusedButtonOrLeavesTheKey)
{
    EXPECT_EQ(core.pressedEnter(), Took::No) << "a list has no use for Enter";
    userOn(go);
    const int mirrors = toolkit.mirrors;
    EXPECT_EQ(core.pressedEnter(), Took::Yes);
    EXPECT_EQ(ran, std::vector<std::string> { "go" });
    EXPECT_GT(toolkit.mirrors, mirrors);
}

// Every event shows the model again, the control the toolkit changed on
// its own too, but a box whose text the model took has nothing to show.
TEST_F(Core, EachEventShowsTheModelAgainButTakenTextIsAlreadyShown)
{
    toolkit.mirror();
    core.clicked(go);
    EXPECT_EQ(toolkit.shown, std::vector<std::string> { "go" });

    const int mirrors = toolkit.mirrors;
    core.typed(text, "abc");
    EXPECT_EQ(text.text(), "abc");
    EXPECT_EQ(toolkit.mirrors, mirrors) << "the box shows what it took";
    EXPECT_FALSE(tracker.changed(text));

    text.setLocked(true);
    toolkit.mirror();
    core.typed(text, "refused");
    EXPECT_EQ(text.text(), "abc");
    EXPECT_EQ(toolkit.shown, std::vector<std::string> { "text" }) << "the box shows the model's text again";

    core.changedOnItsOwn(list);
    EXPECT_EQ(toolkit.shown, std::vector<std::string> { "list" });
}

}
}
