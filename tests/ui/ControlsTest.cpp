#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/OptionButton.h"
#include "ui/TextBox.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trevalo::ui {
namespace {

struct SmallWindow : ::testing::Test {
    Window window { "W", "Caption", 3000, 2000 };
    Frame frame { &window, "frame" };
    Frame group { &frame, "group" };
    OptionButton first { &group, "first" };
    OptionButton second { &group, "second" };
    OptionButton elsewhere { &frame, "elsewhere" };
    CheckBox box { &frame, "box" };
    ComboBox list { &window, "list" };
    Label caption { &window, "caption" };
    std::vector<std::string> ran;

    void SetUp() override
    {
        first.on_click = [this] { ran.push_back("first"); };
        second.on_click = [this] { ran.push_back("second"); };
        elsewhere.on_click = [this] { ran.push_back("elsewhere"); };
        box.on_click = [this] { ran.push_back("box " + std::to_string(box.value())); };
        list.on_click = [this] { ran.push_back("list " + list.text()); };
        for (const char* item : { "a", "b", "c" })
            list.addItem(item);
    }
};

TEST_F(SmallWindow, CheckBoxRunsItsOperationOnlyWhenTheValueChanges)
{
    box.setValue(Checked);
    box.setValue(Checked);
    box.setValue(Unchecked);
    box.setValue(Grey);
    EXPECT_EQ(ran, (std::vector<std::string> { "box 1", "box 0", "box 2" }));
}

TEST_F(SmallWindow, CheckBoxOperationSeesTheNewValueAndRunsBeforeTheSetterReturns)
{
    int seen = -1;
    box.on_click = [&] { seen = box.value(); };
    box.setValue(Checked);
    EXPECT_EQ(seen, 1);
}

TEST_F(SmallWindow, ClickTogglesAndTurnsGreyToUnchecked)
{
    box.click();
    EXPECT_EQ(box.value(), Checked);
    box.click();
    EXPECT_EQ(box.value(), Unchecked);
    box.setValue(Grey);
    box.click();
    EXPECT_EQ(box.value(), Unchecked);
    EXPECT_EQ(ran.size(), 4u);
}

TEST_F(SmallWindow, SelectingAnOptionClearsOnlyItsOwnGroupAndRunsOnlyItsOwnOperation)
{
    elsewhere.setValue(true);
    first.setValue(true);
    second.click();
    EXPECT_FALSE(first.value());
    EXPECT_TRUE(second.value());
    EXPECT_TRUE(elsewhere.value()) << "an option in another container is another group";
    EXPECT_EQ(ran, (std::vector<std::string> { "elsewhere", "first", "second" }));
}

TEST_F(SmallWindow, SelectingTheSelectedOptionOrClearingOneRunsNothing)
{
    first.setValue(true);
    ran.clear();
    first.click();
    first.setValue(false);
    EXPECT_TRUE(ran.empty());
    EXPECT_FALSE(first.value());
}

TEST_F(SmallWindow, OptionOperationSeesTheGroupAlreadySwitched)
{
    first.setValue(true);
    bool first_was_cleared = false;
    second.on_click = [&] { first_was_cleared = !first.value(); };
    second.click();
    EXPECT_TRUE(first_was_cleared);
}

TEST_F(SmallWindow, PickingAnItemSetsTheTextAndRunsEvenForTheItemShown)
{
    list.pick(1);
    list.pick(1);
    list.setText("typed");
    list.pick(7);
    EXPECT_EQ(ran, (std::vector<std::string> { "list b", "list b" }));
    EXPECT_EQ(list.text(), "typed");
}

TEST_F(SmallWindow, UsableNeedsEveryContainingFrameEnabledAndVisible)
{
    EXPECT_TRUE(first.usable());
    frame.setEnabled(false);
    EXPECT_FALSE(first.usable());
    EXPECT_TRUE(first.enabled()) << "a disabled frame leaves its children's own Enabled alone";
    frame.setEnabled(true);
    group.setVisible(false);
    EXPECT_FALSE(first.usable());
    group.setVisible(true);
    first.setEnabled(false);
    EXPECT_FALSE(first.usable());
    EXPECT_TRUE(second.usable());
}

TEST_F(SmallWindow, RevisionMovesOnlyWhenSomethingChanges)
{
    const auto before = caption.revision();
    caption.setCaption("");
    caption.setEnabled(true);
    caption.setBackColour(colours::face);
    EXPECT_EQ(caption.revision(), before);
    caption.setCaption("x");
    EXPECT_GT(caption.revision(), before);
    const auto after = caption.revision();
    caption.setForeColour(colours::red);
    EXPECT_GT(caption.revision(), after);
}

TEST_F(SmallWindow, ATooltipSourceIsAskedOnlyWhenReadAndAgainOnlyAfterARefresh)
{
    int asked = 0;
    std::string text = "one";
    const auto before = caption.revision();
    caption.setTooltipSource([&] {
        ++asked;
        return text;
    });
    EXPECT_GT(caption.revision(), before);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(caption.tooltip(), "one");
    EXPECT_EQ(caption.tooltip(), "one");
    EXPECT_EQ(asked, 1);

    // A changed answer shows only once whoever knows says so.
    text = "two";
    EXPECT_EQ(caption.tooltip(), "one");
    const auto listed = caption.revision();
    caption.refreshTooltip();
    EXPECT_GT(caption.revision(), listed);
    EXPECT_EQ(caption.tooltip(), "two");
    EXPECT_EQ(asked, 2);
    EXPECT_NE(caption.describe().find("tooltip \"two\""), std::string::npos) << caption.describe();

    // A fixed text replaces the source for good.
    caption.setTooltip("fixed");
    text = "three";
    caption.refreshTooltip();
    EXPECT_EQ(caption.tooltip(), "fixed");
    EXPECT_EQ(asked, 2);
    caption.setTooltipSource(nullptr);
    EXPECT_EQ(caption.tooltip(), "");
}

TEST_F(SmallWindow, RegistryFindsEveryControlByNameAndKnowsItsContainer)
{
    EXPECT_EQ(window.controls().size(), 8u);
    ASSERT_NE(window.find("second"), nullptr);
    EXPECT_EQ(window.find("second")->container(), &group);
    EXPECT_EQ(&window.find("second")->window(), &window);
    EXPECT_EQ(window.find("nothing"), nullptr);
}

TEST_F(SmallWindow, FocusIsTheWindowsAndMovesBetweenControls)
{
    Button sink { &window, "sink" };
    sink.setFocus();
    EXPECT_TRUE(sink.hasFocus());
    box.setFocus();
    EXPECT_FALSE(sink.hasFocus());
    EXPECT_EQ(window.focusedControl(), &box);
}

TEST_F(SmallWindow, DumpQuotesTextsWithEscapesAndListsControlsByName)
{
    caption.setCaption("a \"b\"\r\n\tc\\d\x01");
    list.setText("b");
    box.setValue(Checked);
    const std::string dump = window.dumpState();
    EXPECT_NE(dump.find("caption label caption \"a \\\"b\\\"\\r\\n\\tc\\\\d\\x01\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("list combo text \"b\" items [\"a\",\"b\",\"c\"] enabled 1 visible 1"), std::string::npos) << dump;
    EXPECT_NE(dump.find("box check caption \"\" value 1 enabled 1 visible 1 back system(buttonface)"), std::string::npos)
        << dump;
    EXPECT_LT(dump.find("\nbox "), dump.find("\ncaption ")) << "lines are sorted by name";
    EXPECT_EQ(dump.substr(dump.rfind("focus")), "focus (none)\n");
}

TEST(TextBoxTest, StartsAsAWindowColouredSingleLineBox)
{
    Window window { "W", "", 100, 100 };
    TextBox box { &window, "box" };
    EXPECT_EQ(box.backColour(), colours::window);
    EXPECT_EQ(box.foreColour(), colours::window_text);
    EXPECT_EQ(box.lines(), Lines::Single);
    box.setText("x");
    EXPECT_EQ(box.text(), "x");
    EXPECT_EQ(box.describe().substr(0, 20), "box textbox text \"x\"");
}

}
}
