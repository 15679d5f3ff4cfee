#include "qt/BoundForm1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace trevalo::testing {
namespace {

// An author who never touches the mouse: every step by Tab, arrows, Space,
// Alt+letter and the shortcuts, each key going to whatever has the focus.
class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setActiveWindow(&bound.host);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&bound.host));
    }

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : &bound.host, Qt::Key(key), modifiers);
        // A mnemonic presses its button the way a click would: down now,
        // clicked a moment later. Wait for the click, however busy the
        // machine, before the next key.
        if (modifiers & Qt::AltModifier) {
            EXPECT_TRUE(QTest::qWaitFor([] {
                auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
                return button && !button->isDown();
            }, 5000));
        }
    }

    // Tabs on until `control` has the focus, failing after a full round.
    void tabTo(const ui::Control& control)
    {
        for (int i = 0; i < 120; ++i) {
            if (QApplication::focusWidget() == bound.widgetFor(control))
                return;
            key(Qt::Key_Tab);
        }
        FAIL() << "Tab never reaches " << control.name();
    }

    bool focused(const ui::Control& control) { return QApplication::focusWidget() == bound.widgetFor(control); }

    BoundForm1 bound;
    Form1& form = bound.form;
};

TEST_F(KeyboardTest, AWholeSessionWithKeysOnly)
{
    tabTo(form.cboGPRM);
    key(Qt::Key_Up);
    EXPECT_EQ(form.cboGPRM.text(), "13");
    EXPECT_TRUE(focused(form.cmdTemp3)) << "the register choice sends the focus to its sink";
    EXPECT_EQ(form.Text1.text().substr(0, 25), "{00 B1 00 0D 00 00 00 03}");

    tabTo(form.cboPGC);
    key(Qt::Key_Down);
    EXPECT_TRUE(focused(form.cmdTemp)) << "each pick sends the focus to the list's sink";
    tabTo(form.cboPGC);
    key(Qt::Key_Down);
    EXPECT_EQ(form.cboPGC.text(), "3");
    tabTo(form.CboMenu);
    key(Qt::Key_End);
    EXPECT_EQ(form.CboMenu.text(), "Chapter Menu");
    EXPECT_EQ(form.Label8.caption(), "VTSM 3 Chapter Menu");
    EXPECT_TRUE(focused(form.cmdTemp));

    bound.clipboard.contents = "{71 00 00 05 00 07 00 00} {51 00 00 81 C2 00 00 00}";
    key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(form.cmdUndo.visible());
    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0D 00 00 00 06} {71 00 00 0D 00 01 00 00} {71 00 00 05 00 07 00 00} {51 00 00 81 C2 00 00 00} "
        "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");

    key(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(form.chkStreams.value(), 1);
    EXPECT_EQ(form.cboAudio.text(), "1");
    tabTo(form.cboAudio);
    key(Qt::Key_Down);
    EXPECT_EQ(form.Text2.text().substr(78, 25), "{51 00 00 82 C2 00 00 00}");

    key(Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(form.chkHighlight.value(), 1);
    tabTo(form.cboButton);
    key(Qt::Key_Down);
    EXPECT_EQ(form.cboButton.text(), "2");
    EXPECT_NE(form.Text2.text().find("{56 00 00 00 08 00 00 00}"), std::string::npos);

    key(Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(bound.clipboard.contents, form.Text1.text());
    key(Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(bound.clipboard.contents, form.Text2.text());
    const int copies = bound.clipboard.sets;
    key(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(bound.clipboard.sets, copies) << "the third block's copy is hidden without the dummy skip";

    key(Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(bound.modals.shown.size(), 1u);
    EXPECT_EQ(bound.modals.shown[0], "frmLog");

    bound.messages.answers.push_back(ui::Answer::No);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(form.cmdUndo.visible());
    EXPECT_EQ(bound.clipboard.contents, "{71 00 00 05 00 07 00 00} {51 00 00 81 C2 00 00 00}");

    key(Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(form.chkDummy.value(), 1);
    EXPECT_TRUE(form.Text3.visible());

    bound.messages.answers.push_back(ui::Answer::Yes);
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.chkDummy.value(), 0);
    EXPECT_TRUE(focused(form.cmdTemp));
    // And the keyboard still works from where Reset left the focus.
    tabTo(form.cboPGC);
    key(Qt::Key_Down);
    EXPECT_EQ(form.cboPGC.text(), "2");
}

TEST_F(KeyboardTest, TabFollowsTheStepsAndSkipsWhatCannotBeSeen)
{
    std::vector<std::string> order;
    for (int i = 0; i < 60; ++i) {
        ui::Control* control = bound.binding().controlFor(QApplication::focusWidget());
        ASSERT_NE(control, nullptr);
        if (!order.empty() && order.front() == control->name())
            break;
        order.push_back(control->name());
        key(Qt::Key_Tab);
    }
    EXPECT_EQ(order,
        (std::vector<std::string> { "cboGPRM", "chkNone", "cboSelect", "cboPGC", "CboMenu", "chkDummy", "chkLinkCN",
            "cmdPaste", "chkdisable", "Text1", "Text2" }));
}

TEST_F(KeyboardTest, ShortcutsShowInTooltipsAndEveryControlHasANameAndStep)
{
    EXPECT_EQ(bound.widgetFor(form.cmdPaste)->toolTip(), "Are all inputs correctly set? (Ctrl+I)");
    EXPECT_EQ(bound.widgetFor(form.cmdCopy)->toolTip(), "Copy to Clipboard (Ctrl+1)");
    for (ui::Control* control : form.window().controls()) {
        QWidget* widget = bound.widgetFor(*control);
        if (!widget || !control->visible() || control->stacking() == ui::Stacking::Lowered
            || control->place().left >= form.window().clientWidth())
            continue;
        if (control->kind() == ui::ControlKind::Frame || control->kind() == ui::ControlKind::Label)
            continue;
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << control->name();
        EXPECT_TRUE(widget->accessibleDescription().startsWith("Step ")) << control->name();
    }
    EXPECT_EQ(bound.widgetFor(form.cboGPRM)->accessibleName(), "Unused GPRM (guard register)");
    EXPECT_EQ(bound.widgetFor(form.cmdPaste)->accessibleName(), "Import");
}

}
}
