#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Frame.h"
#include "ui/TextBox.h"
#include "ui/Window.h"
#include "ui/binding/BindingTexts.h"
#include "ui/binding/KindAdapters.h"
#include "ui/binding/MirrorTracker.h"
#include "ui/binding/UserEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// What the bindings share: the tracker that tells them what to mirror, and
// the user event entry points that refuse what the model does not allow.
namespace trevalo::ui {
namespace {

struct Bound : ::testing::Test {
    Window window { "W", "Caption", 3000, 2000 };
    Frame frame { &window, "frame" };
    CheckBox box { &frame, "box" };
    ComboBox list { &window, "list" };
    TextBox text { &window, "text" };
    Button sink { &window, "sink" };
    std::vector<std::string> ran;

    void SetUp() override
    {
        frame.setPlace({ 0, 0, 2000, 1000 });
        box.setPlace({ 100, 100, 500, 200 });
        sink.setPlace({ 100, 1200, 300, 300 });
        box.on_click = [this] { ran.push_back("box"); };
        list.addItem("a");
        list.on_click = [this] { ran.push_back("list " + list.text()); };
        window.on_click = [this] { ran.push_back("window"); };
    }
};

TEST_F(Bound, TheTrackerSeesEveryChangeUntilMirroredAndWhatTheToolkitChanged)
{
    MirrorTracker tracker { window };
    EXPECT_EQ(tracker.controls().size(), 5u);
    EXPECT_EQ(tracker.order(list), 2u);
    for (const Control* c : tracker.controls())
        EXPECT_TRUE(tracker.changed(*c)) << c->name();
    EXPECT_TRUE(tracker.changed(window));

    for (const Control* c : tracker.controls())
        tracker.mirrored(*c);
    tracker.mirrored(window);
    text.setText("new");
    window.setCaption("Other");
    EXPECT_TRUE(tracker.changed(text));
    EXPECT_TRUE(tracker.changed(window));
    EXPECT_FALSE(tracker.changed(list));
    text.setText("new"); // unchanged: no news after the mirror
    tracker.mirrored(text);
    EXPECT_FALSE(tracker.changed(text));
    tracker.markStale(list);
    EXPECT_TRUE(tracker.changed(list));
}

TEST_F(Bound, AControlShowsNowOnlyWhereSomePartOfItCanBeSeen)
{
    EXPECT_TRUE(MirrorTracker::showsNow(box));
    EXPECT_TRUE(MirrorTracker::canBeSeen(box));
    box.setPlace({ 2000, 100, 500, 200 }); // right of the frame's area
    EXPECT_TRUE(MirrorTracker::outsideContainer(box));
    EXPECT_FALSE(MirrorTracker::showsNow(box));
    box.setPlace({ -500, 100, 500, 200 });
    EXPECT_TRUE(MirrorTracker::outsideContainer(box));
    box.setPlace({ 1999, 999, 500, 200 });
    EXPECT_FALSE(MirrorTracker::outsideContainer(box));

    sink.setStacking(Stacking::Lowered);
    EXPECT_TRUE(MirrorTracker::showsNow(sink));
    EXPECT_FALSE(MirrorTracker::canBeSeen(sink));
    sink.setVisible(false);
    EXPECT_FALSE(MirrorTracker::showsNow(sink));
}

// The walk of a mirror makes a control's widget once it can show, and
// shows again only what changed; a widget nobody can see yet is not made.
TEST_F(Bound, AMirrorsWalkMakesWhatShowsNowAndShowsWhatChanged)
{
    MirrorTracker tracker { window };
    std::vector<const Control*> made;
    std::vector<std::string> walked;
    auto mirror = [&] {
        walked.clear();
        tracker.walk([&](const Control& c, std::size_t) { return std::find(made.begin(), made.end(), &c) != made.end(); },
            [&](Control& c, std::size_t order) {
                EXPECT_EQ(order, tracker.order(c));
                made.push_back(&c);
                walked.push_back("make " + c.name());
                tracker.mirrored(c);
            },
            [&](Control& c, std::size_t) {
                walked.push_back("show " + c.name());
                tracker.mirrored(c);
            });
    };
    list.setPlace({ 600, 1200, 800, 300 });
    text.setPlace({ 1500, 1200, 800, 300 });
    text.setVisible(false);
    mirror();
    EXPECT_EQ(walked, (std::vector<std::string> { "make frame", "make box", "make list", "make sink" }));
    mirror();
    EXPECT_TRUE(walked.empty()) << "nothing changed";

    list.setText("a");
    text.setVisible(true);
    mirror();
    EXPECT_EQ(walked, (std::vector<std::string> { "show list", "make text" }));
}

// A binding that lays every control flat on the window places, shows and
// enables it through the frames it is in; the window itself counts for none.
TEST_F(Bound, AControlInAFrameTakesTheFramesPlaceVisibilityAndEnabledState)
{
    window.setPlace({ 700, 500, 3000, 2000 });
    frame.setPlace({ 300, 400, 2000, 1000 });
    const Place place = MirrorTracker::placeInWindow(box);
    EXPECT_EQ(place.left, 400);
    EXPECT_EQ(place.top, 500);
    EXPECT_EQ(place.width, 500);
    EXPECT_EQ(MirrorTracker::placeInWindow(sink).left, 100);

    EXPECT_TRUE(MirrorTracker::shownWithFrames(box));
    frame.setEnabled(false);
    EXPECT_FALSE(MirrorTracker::enabledWithFrames(box));
    EXPECT_TRUE(MirrorTracker::shownWithFrames(box));
    frame.setVisible(false);
    EXPECT_FALSE(MirrorTracker::shownWithFrames(box));
    EXPECT_TRUE(box.visible() && box.enabled());
    window.setEnabled(false);
    EXPECT_TRUE(MirrorTracker::enabledWithFrames(sink));
}

// Every kind with a widget of its own gets its own adapter, the same one
// each time; menu entries and the window get none.
struct Adapter {
    virtual ~Adapter() = default;
    virtual ControlKind kind() const = 0;
};
template <ControlKind K>
struct AdapterOf final : Adapter {
    ControlKind kind() const override { return K; }
};

TEST(KindAdapters, EachKindWithAWidgetHasItsOwnAdapter)
{
    using Adapters = KindAdapters<Adapter, AdapterOf<ControlKind::Frame>, AdapterOf<ControlKind::Label>,
        AdapterOf<ControlKind::TextBox>, AdapterOf<ControlKind::ComboBox>, AdapterOf<ControlKind::CheckBox>,
        AdapterOf<ControlKind::OptionButton>, AdapterOf<ControlKind::Button>, AdapterOf<ControlKind::Picture>>;
    for (ControlKind kind : { ControlKind::Frame, ControlKind::Label, ControlKind::TextBox, ControlKind::ComboBox,
             ControlKind::CheckBox, ControlKind::OptionButton, ControlKind::Button, ControlKind::Picture }) {
        const Adapter* adapter = Adapters::of(kind);
        ASSERT_NE(adapter, nullptr) << int(kind);
        EXPECT_EQ(adapter->kind(), kind);
        EXPECT_EQ(Adapters::of(kind), adapter) << "made once";
    }
    EXPECT_EQ(Adapters::of(ControlKind::Window), nullptr);
    EXPECT_EQ(Adapters::of(ControlKind::MenuEntry), nullptr);
}

TEST(BindingTexts, TheMnemonicIsMarkedOnceAndAmpersandsStayLiteral)
{
    const struct {
        const char* caption;
        char mnemonic;
        const char* marked;
    } cases[] = {
        { "Import", 'I', "&Import" },
        { "Check if none found", 'N', "Check if &none found" },
        { "Undo Import", 'U', "&Undo Import" },
        { "Salt & Pepper", 'P', "Salt && &Pepper" },
        { "Salt & Pepper", '\0', "Salt && Pepper" },
        { "Reset", 'x', "Reset" },
        { "Stra\xC3\x9F" "e B", 'b', "Stra\xC3\x9F" "e &B" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(BindingTexts::markedCaption(c.caption, c.mnemonic), c.marked) << c.caption;
}

TEST(BindingTexts, TooltipsNameTheShortcutAsTheBindingWritesIt)
{
    Window window { "W", "", 3000, 2000 };
    Button button { &window, "b" };
    button.setCaption("Copy to Clipboard");
    EXPECT_EQ(BindingTexts::tooltip(button, "Ctrl+1"), "");
    button.setShortcut("Ctrl+1");
    EXPECT_EQ(BindingTexts::tooltip(button, "Strg+1"), "Copy to Clipboard (Strg+1)");
    button.setTooltip("Are all inputs correctly set?");
    EXPECT_EQ(BindingTexts::tooltip(button, "Ctrl+1"), "Are all inputs correctly set? (Ctrl+1)");
}

TEST_F(Bound, UserEventsReachOnlyUsableControls)
{
    userClicked(box);
    userPicked(list, 0);
    userPicked(list, 5);
    userClicked(window);
    EXPECT_EQ(ran, (std::vector<std::string> { "box", "list a", "window" }));
    EXPECT_EQ(box.value(), Checked);

    ran.clear();
    frame.setEnabled(false);
    list.setVisible(false);
    userClicked(box);
    userPicked(list, 0);
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(box.value(), Checked);

    EXPECT_EQ(userTyped(text, "typed\r\n"), Typed::Taken);
    EXPECT_EQ(text.text(), "typed\r\n");
    text.setLocked(true);
    EXPECT_EQ(userTyped(text, "again"), Typed::Refused);
    EXPECT_EQ(text.text(), "typed\r\n");
}

TEST(KeyboardInAWindow, EnterClicksTheFocusedOrElseTheDefaultButtonAndEscapeTheCancelOne)
{
    Window window { "W", "Caption", 3000, 2000 };
    Button ok { &window, "ok" };
    Button other { &window, "other" };
    TextBox text { &window, "text" };
    std::vector<std::string> ran;
    ok.on_click = [&] { ran.push_back("ok"); };
    other.on_click = [&] { ran.push_back("other"); };

    EXPECT_EQ(userPressedEnter(window, &text), Took::No);
    ok.setDefault(true);
    ok.setCancel(true);
    EXPECT_EQ(userPressedEnter(window, &text), Took::Yes);
    EXPECT_EQ(userPressedEnter(window, &other), Took::Yes);
    EXPECT_EQ(userPressedEnter(window, nullptr), Took::Yes);
    userCancelled(window);
    EXPECT_EQ(ran, (std::vector<std::string> { "ok", "other", "ok", "ok" }));
    EXPECT_TRUE(window.visible());

    ok.setEnabled(false);
    EXPECT_EQ(userPressedEnter(window, &text), Took::No);
    ok.setCancel(false);
    userCancelled(window);
    EXPECT_FALSE(window.visible());
}

}
}
