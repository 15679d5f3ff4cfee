#include "bindings/qt/BoundForm1.h"
#include "bindings/qt/CaptionClipping.h"
#include "bindings/qt/FakeFolderChooser.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace trevalo::testing {
namespace {

// The menu bar as the model lays it out: top-level entries on the bar, an
// entry that holds others opening a drop-down of them, each item's state
// the model's, its key and its letter working.
class MenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.setFolderChooser(&folders);
        QApplication::setActiveWindow(&bound.host);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&bound.host));
    }

    QAction* action(const ui::MenuEntry& entry) { return bound.binding().actionFor(entry); }

    FakeFolderChooser folders;
    BoundForm1 bound;
    Form1& form = bound.form;
};

TEST_F(MenuTest, AnEntryHoldingOthersOpensADropDownOfThemWithTheirKeys)
{
    QAction* disc = action(form.mnuDisc);
    ASSERT_NE(disc, nullptr);
    ASSERT_NE(disc->menu(), nullptr);
    EXPECT_EQ(disc->text(), "Disc");
    EXPECT_TRUE(bound.host.menuBar()->actions().contains(disc));

    const QList<QAction*> items = disc->menu()->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0], action(form.mnuOpenDisc));
    EXPECT_EQ(items[1], action(form.mnuDiscWindow));
    // Each item's key shows beside its caption, after the tab.
    EXPECT_EQ(items[0]->text(), "&Open disc...\tCtrl+O");
    EXPECT_EQ(items[1]->text(), "Disc &window\tCtrl+D");
    for (QAction* item : items) {
        EXPECT_EQ(item->menu(), nullptr);
        EXPECT_FALSE(bound.host.menuBar()->actions().contains(item)) << "an item is not on the bar";
        // The key is the window's shortcut; on the action too it would be
        // ambiguous and run neither.
        EXPECT_TRUE(item->shortcut().isEmpty());
    }
    for (const ui::MenuEntry* entry : { &form.mnuReset, &form.Log, &form.About })
        EXPECT_EQ(action(*entry)->menu(), nullptr) << entry->name() << " runs when chosen";
}

// Enabled and shown as the model says, whenever the model changes them.
TEST_F(MenuTest, ItemsFollowTheModelsEnabledAndVisible)
{
    EXPECT_FALSE(action(form.mnuDiscWindow)->isEnabled()) << "no disc is open yet";
    EXPECT_TRUE(action(form.mnuOpenDisc)->isEnabled());
    const struct {
        ui::MenuEntry* entry;
        bool enabled;
        bool visible;
    } states[] = {
        { &form.mnuDiscWindow, true, true },
        { &form.mnuDiscWindow, false, true },
        { &form.mnuOpenDisc, false, true },
        { &form.mnuOpenDisc, true, false },
        { &form.mnuOpenDisc, true, true },
        { &form.mnuDisc, false, true },
        { &form.mnuDisc, true, true },
    };
    for (const auto& state : states) {
        SCOPED_TRACE(state.entry->name() + (state.enabled ? " enabled" : " disabled")
            + (state.visible ? " shown" : " hidden"));
        state.entry->setEnabled(state.enabled);
        state.entry->setVisible(state.visible);
        bound.binding().mirror();
        EXPECT_EQ(action(*state.entry)->isVisible(), state.visible);
        // Qt counts a hidden action as disabled.
        if (state.visible)
            EXPECT_EQ(action(*state.entry)->isEnabled(), state.enabled);
    }
}

// Ctrl+O from anywhere in the window, the item in the drop-down, and the
// item's letter in the open drop-down each ask for a folder; one that is no
// disc gets the reader's message and changes nothing.
TEST_F(MenuTest, CtrlOTheItemAndItsLetterOpenADiscAndAFolderThatIsNoneChangesNothing)
{
    QTemporaryDir empty;
    const std::string before = form.window().dumpState();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(folders.asked.size(), 1u);
    EXPECT_EQ(folders.asked[0].title, "Open a DVD-Video folder");

    folders.answers.push_back(empty.path().toStdString());
    action(form.mnuOpenDisc)->trigger();
    ASSERT_EQ(folders.asked.size(), 2u);
    ASSERT_EQ(bound.messages.shown.size(), 1u);
    EXPECT_EQ(bound.messages.shown[0].title, "Disc");
    EXPECT_NE(bound.messages.shown[0].prompt.find("The window is as it was."), std::string::npos);
    EXPECT_EQ(form.disc(), nullptr);
    EXPECT_FALSE(action(form.mnuDiscWindow)->isEnabled());

    QMenu* menu = action(form.mnuDisc)->menu();
    bound.host.menuBar()->setActiveAction(action(form.mnuDisc));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    // A disabled item's letter does nothing; the open drop-down stays.
    QTest::keyClick(menu, Qt::Key_W);
    EXPECT_TRUE(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_O);
    EXPECT_EQ(folders.asked.size(), 3u);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(form.window().dumpState(), before);

    // While the item is disabled its key does nothing either.
    form.mnuOpenDisc.setEnabled(false);
    bound.binding().mirror();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(folders.asked.size(), 3u);
}

}
}
