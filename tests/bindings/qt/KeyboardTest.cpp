#include "bindings/qt/BoundForm1.h"
#include "bindings/qt/QtModalWindows.h"
#include "support/KeyboardSession.h"
#include "ui/CheckBox.h"
#include "ui/binding/HeldPick.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QImage>
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

#include <cctype>
#include <string>

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
        // Pressed where the focus is, released where it is then, as a
        // keyboard's keys arrive.
        QWidget* target = QApplication::focusWidget();
        QTest::keyPress(target ? target : &bound.host, Qt::Key(key), modifiers);
        target = QApplication::focusWidget();
        QTest::keyRelease(target ? target : &bound.host, Qt::Key(key), modifiers);
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

// A whole session with the real secondary windows, by keys alone: lists
// are stepped through and typed into (a two-digit number too) with each pick
// made once, for the item finally chosen, and the focus staying with the
// author; every secondary window closes with Escape.
class KeyboardSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.show();
        QApplication::setActiveWindow(&host);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    }

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : &host, Qt::Key(key), modifiers);
        if (modifiers & Qt::AltModifier) {
            EXPECT_TRUE(QTest::qWaitFor([] {
                auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
                return button && !button->isDown();
            }, 5000));
        }
    }

    void type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text)); }

    void tabTo(const ui::Control& control)
    {
        for (int i = 0; i < 120; ++i) {
            if (focused(control))
                return;
            key(Qt::Key_Tab);
        }
        FAIL() << "Tab never reaches " << control.name();
    }

    bool focused(const ui::Control& control) { return QApplication::focusWidget() == host.binding().widgetFor(control); }

    // Presses `opening` and, once the window it opens has the keyboard,
    // gives it `keys` (each to whatever has the focus in it), expecting the
    // last to close it.
    void inWindow(int opening, Qt::KeyboardModifiers modifiers, std::vector<int> keys, const char* title)
    {
        bool closed = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = nullptr;
            ASSERT_TRUE(QTest::qWaitFor([&] { return (dialog = QApplication::activeModalWidget()) != nullptr; }, 5000));
            EXPECT_EQ(dialog->windowTitle().trimmed(), title);
            EXPECT_TRUE(dialog->testAttribute(Qt::WA_KeyboardFocusChange)) << "its focus shows";
            // About has nothing to focus; the others start with a control.
            if (std::string(title) != "About") {
                EXPECT_NE(dialog->focusWidget(), nullptr) << title << ": a control has the focus from the start";
            }
            for (int k : keys)
                QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key(k));
            closed = !dialog->isVisible();
            if (!closed)
                dialog->close();
        });
        key(opening, modifiers);
        EXPECT_TRUE(closed) << title << " stayed open";
        // As a window manager gives the window the keyboard back.
        QApplication::setActiveWindow(&host);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&host));
    }

    FakeClipboard clipboard;
    FakeMessageBoxes messages;
    qt::QtModalWindows modals;
    Form1 form { clipboard, messages, modals };
    qt::MainWindowHost host { form.window() };
};

TEST_F(KeyboardSession, AWholeSessionWithKeysOnly)
{
    ASSERT_TRUE(focused(form.cboGPRM));
    EXPECT_TRUE(host.testAttribute(Qt::WA_KeyboardFocusChange)) << "the focus shows from the start";

    // Two steps up, held until Enter: one pick, and the focus stays.
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    EXPECT_EQ(form.cboGPRM.text(), "14") << "held while stepping";
    key(Qt::Key_Return);
    EXPECT_EQ(form.cboGPRM.text(), "12");
    EXPECT_TRUE(focused(form.cboGPRM));
    EXPECT_EQ(form.Text1.text().substr(0, 25), "{00 B1 00 0C 00 00 00 03}");

    // The domain there and back is no change at all: VMGM on the way was
    // never picked.
    tabTo(form.cboSelect);
    int picks = 0;
    const std::function<void()> pick = form.cboSelect.on_click;
    form.cboSelect.on_click = [&] {
        ++picks;
        pick();
    };
    key(Qt::Key_Down);
    key(Qt::Key_Up);
    key(Qt::Key_Tab);
    EXPECT_EQ(form.cboSelect.text(), "VTSM");
    EXPECT_EQ(picks, 1);
    EXPECT_TRUE(focused(form.cboPGC)) << "Tab goes on from the list, not back to it";

    type("12");
    key(Qt::Key_Tab);
    EXPECT_EQ(form.cboPGC.text(), "12");
    EXPECT_TRUE(focused(form.CboMenu));
    key(Qt::Key_End);
    key(Qt::Key_Tab);
    EXPECT_EQ(form.Label8.caption(), "VTSM 12 Chapter Menu");
    EXPECT_TRUE(focused(form.cmdNote)) << "Tab reaches the caution the chapter menu brought";
    inWindow(Qt::Key_Space, Qt::NoModifier, { Qt::Key_Escape }, "Caution");

    key(Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(form.chkDummy.value(), 1);
    key(Qt::Key_J, Qt::AltModifier);
    EXPECT_EQ(form.chkLinkCN.value(), 1);
    tabTo(form.cboLinkCN);
    type("3");
    key(Qt::Key_Return);
    EXPECT_EQ(form.cboLinkCN.text(), "3");

    clipboard.contents = "{71 00 00 05 00 07 00 00}";
    key(Qt::Key_I, Qt::ControlModifier);
    ASSERT_TRUE(form.cmdUndo.visible());
    messages.shown.clear();

    key(Qt::Key_S, Qt::AltModifier);
    tabTo(form.cboAudio);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_EQ(form.cboAudio.text(), "1");
    key(Qt::Key_H, Qt::AltModifier);
    tabTo(form.cboButton);
    type("12");
    key(Qt::Key_Return);
    EXPECT_EQ(form.cboButton.text(), "12");

    const std::string expected[] = {
        "{00 B1 00 0C 00 00 00 03} {30 06 00 01 0C 87 00 00} {00 00 00 00 00 00 00 00}",
        "{00 B1 00 0C 00 00 00 03} {20 04 00 00 00 00 00 06} {00 00 00 00 00 00 00 00}",
        "{00 B1 00 0C 00 00 00 07} {71 00 00 0C 00 01 00 00} {71 00 00 05 00 07 00 00} {51 00 00 81 00 00 00 00} "
        "{56 00 00 00 30 00 00 00} {20 07 00 00 00 00 00 03} {00 00 00 00 00 00 00 00}",
    };
    const int copy_keys[] = { Qt::Key_1, Qt::Key_2, Qt::Key_3 };
    for (int i = 0; i < 3; ++i) {
        key(copy_keys[i], Qt::ControlModifier);
        EXPECT_EQ(clipboard.contents, expected[i]) << "block " << i + 1;
    }
    EXPECT_EQ(form.lblCopyNote.caption(), "Block 3 copied: 7 commands for VTSM 12, LU , 6");

    // The log: Tab to its tags button and Enter, Tab to its copy and Enter,
    // then Escape.
    inWindow(Qt::Key_L, Qt::ControlModifier, { Qt::Key_Tab, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape },
        "Log");
    EXPECT_EQ(clipboard.contents.rfind("[CODE]\r\nTrevalo v1.55 log (After import)", 0), 0u) << clipboard.contents.substr(0, 60);
    inWindow(Qt::Key_F1, Qt::NoModifier, { Qt::Key_Escape }, "About");

    messages.answers.push_back(ui::Answer::No);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(form.cmdUndo.visible());
    EXPECT_EQ(clipboard.contents, "{71 00 00 05 00 07 00 00}");

    messages.answers.push_back(ui::Answer::Yes);
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(form.Text1.text(), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(form.chkDummy.value(), 0);
    // And the keyboard still works from where Reset left the focus.
    tabTo(form.cboPGC);
    type("7");
    key(Qt::Key_Tab);
    EXPECT_EQ(form.cboPGC.text(), "7");
}

// The keyboard session the model test and the Windows window replay too,
// with Qt's keys on the bound window: after each step the same focus and
// the same picks as there.
TEST_F(KeyboardTest, TheSharedSessionGivesTheFocusAndPicksTheModelGives)
{
    using Key = SharedKeyboardSession::Key;
    bound.clipboard.contents = SharedKeyboardSession::clipboard;
    auto shows = [&](const std::string& name) -> std::string {
        if (name == "clipboard")
            return bound.clipboard.contents;
        ui::Control* control = form.window().find(name);
        if (!control)
            return "(no control " + name + ")";
        QWidget* widget = bound.widgetFor(*control);
        if (auto* list = qobject_cast<QComboBox*>(widget))
            return list->currentText().toStdString();
        if (auto* box = qobject_cast<QAbstractButton*>(widget); box && control->kind() == ui::ControlKind::CheckBox)
            return box->isChecked() ? "ticked" : "unticked";
        return control->displayText();
    };
    auto check = [&](const SharedKeyboardSession::Step& step) {
        ui::Control* focus = bound.binding().controlFor(QApplication::focusWidget());
        EXPECT_EQ(focus ? focus->name() : std::string(), step.focus) << step.what;
        for (const SharedKeyboardSession::Shows& expected : step.shows)
            EXPECT_EQ(shows(expected.control), expected.text) << step.what << ": " << expected.control;
    };
    auto letter = [](const std::string& keys) {
        const char c = keys.at(0);
        return c >= '0' && c <= '9' ? Qt::Key_0 + (c - '0') : Qt::Key_A + (std::toupper(static_cast<unsigned char>(c)) - 'A');
    };

    check(SharedKeyboardSession::start);
    for (const SharedKeyboardSession::Step& step : SharedKeyboardSession::steps()) {
        for (int i = 0; i < step.times; ++i) {
            switch (step.key) {
            case Key::Tab:
                key(Qt::Key_Tab);
                break;
            case Key::Up:
                key(Qt::Key_Up);
                break;
            case Key::Down:
                key(Qt::Key_Down);
                break;
            case Key::Enter:
                key(Qt::Key_Return);
                break;
            case Key::Type:
                QTest::keyClicks(QApplication::focusWidget(), QString::fromStdString(step.keys));
                break;
            case Key::Alt:
                key(letter(step.keys), Qt::AltModifier);
                break;
            case Key::Ctrl:
                key(letter(step.keys), Qt::ControlModifier);
                break;
            case Key::Rest:
                QTest::qWait(int(ui::HeldPick::pause_ms) + 300);
                break;
            }
            // What the event loop does at once: a pick offered once the
            // focus has settled.
            QTest::qWait(10);
        }
        check(step);
        if (step.answered) {
            EXPECT_EQ(bound.messages.shown.size(), 1u) << step.what << ": one message box";
            bound.messages.shown.clear();
        }
    }
}

// A number typed on a list picks that number, one digit twice too (a
// list's own search would step to 20 on the second 2), on the closed list
// and in the open drop-down alike, by the rule the Windows window follows.
TEST_F(KeyboardTest, ANumberTypedOnAListPicksThatNumber)
{
    tabTo(form.cboPGC);
    const std::pair<const char*, const char*> typed[] = { { "12", "VTSM 12 Root Menu" }, { "22", "VTSM 22 Root Menu" },
        { "99", "VTSM 99 Root Menu" }, { "5", "VTSM 5 Root Menu" } };
    for (const auto& [number, target] : typed) {
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(number));
        key(Qt::Key_Return);
        EXPECT_EQ(form.Label8.caption(), target) << number;
        EXPECT_TRUE(focused(form.cboPGC));
    }

    auto* combo = qobject_cast<QComboBox*>(bound.widgetFor(form.cboPGC));
    combo->showPopup();
    ASSERT_TRUE(combo->view()->isVisible());
    QTest::keyClicks(combo->view(), QStringLiteral("33"));
    QTest::keyClick(combo->view(), Qt::Key_Return);
    EXPECT_EQ(form.cboPGC.text(), "33");
    EXPECT_EQ(form.Label8.caption(), "VTSM 33 Root Menu");
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

// The findings line is a Tab stop; with the focus it shows its details,
// wrapped to a readable width, and a screen reader reads caption and details.
TEST_F(KeyboardTest, TheFindingsLineIsReachedAndReadFromTheKeyboard)
{
    bound.clipboard.contents = "{71 00 00 0E 00 05 00 00}"; // sets the guard register itself
    key(Qt::Key_I, Qt::ControlModifier);
    ASSERT_TRUE(form.lblNotice.visible());
    tabTo(form.lblNotice);
    QWidget* notice = bound.widgetFor(form.lblNotice);
    EXPECT_EQ(notice->accessibleName().toStdString(), form.lblNotice.caption());
    EXPECT_EQ(notice->accessibleDescription().toStdString(), form.lblNotice.tooltip());
    EXPECT_TRUE(Qt::mightBeRichText(notice->toolTip()));
    ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 5000)) << "the details show with the focus";
    QWidget* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel") && top->isVisible())
            tip = top;
    }
    ASSERT_NE(tip, nullptr);
    EXPECT_LT(tip->width(), notice->screen()->availableGeometry().width() / 2) << "wrapped, not one long line";
    EXPECT_GT(tip->height(), 2 * tip->fontMetrics().height());
    key(Qt::Key_Tab);
    EXPECT_FALSE(focused(form.lblNotice));

    // After a copy the note and the findings share the line, each still a
    // Tab stop; the note's tooltip says it whole.
    key(Qt::Key_2, Qt::ControlModifier);
    ASSERT_TRUE(form.lblCopyNote.visible());
    ASSERT_TRUE(form.lblNotice.visible());
    tabTo(form.lblCopyNote);
    EXPECT_EQ(bound.widgetFor(form.lblCopyNote)->toolTip().toStdString().find("Block 2 copied"), 0u);
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 5000));
    tabTo(form.lblNotice);
    EXPECT_EQ(bound.widgetFor(form.lblNotice)->accessibleDescription().toStdString(), form.lblNotice.tooltip());
}

// The focus is on the register list from the start, and drawn so: the list
// paints differently with the focus frame than without it.
TEST_F(KeyboardTest, TheFocusShowsFromTheStart)
{
    QWidget* list = bound.widgetFor(form.cboGPRM);
    ASSERT_TRUE(list->hasFocus());
    ASSERT_TRUE(bound.host.testAttribute(Qt::WA_KeyboardFocusChange));
    const QImage marked = list->grab().toImage();
    bound.host.setAttribute(Qt::WA_KeyboardFocusChange, false);
    const QImage unmarked = list->grab().toImage();
    int differ = 0;
    for (int y = 0; y < marked.height(); ++y) {
        for (int x = 0; x < marked.width(); ++x)
            differ += marked.pixel(x, y) != unmarked.pixel(x, y);
    }
    EXPECT_GT(differ, marked.width() + marked.height()) << "a frame around the list";
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
