#include "ui/Button.h"
#include "bindings/qt/MainWindowHost.h"
#include "bindings/qt/WindowBinding.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/MenuEntry.h"
#include "ui/OptionButton.h"
#include "ui/TextBox.h"
#include "ui/Window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace trevalo::qt {

using namespace ui;
namespace {

// A window with one control of every kind, small enough to reason about, and
// counters for the operations bound to it.
struct SmallWindow {
    Window window { "Small", "Small window", 6000, 3000 };
    MenuEntry mnuGo { &window, "mnuGo" };
    Frame frame { &window, "frame" };
    Label label { &frame, "label" };
    ComboBox list { &frame, "list" };
    Button sink { &frame, "sink" };
    CheckBox check { &window, "check" };
    Frame options { &window, "options" };
    OptionButton optA { &options, "optA" };
    OptionButton optB { &options, "optB" };
    Button button { &window, "button" };
    Button cover { &window, "cover" };
    TextBox block { &window, "block" };
    TextBox line { &window, "line" };

    int list_clicks = 0;
    int check_clicks = 0;
    int optA_clicks = 0;
    int optB_clicks = 0;
    int button_clicks = 0;
    int menu_clicks = 0;

    SmallWindow()
    {
        mnuGo.setCaption("Go");
        frame.setCaption(" Choose ");
        frame.setPlace({ 150, 150, 3000, 1500 });
        label.setCaption("first\r\nsecond");
        label.setPlace({ 150, 300, 1200, 600 });
        label.setAlignment(Alignment::Right);
        list.setPlace({ 1500, 300, 1200, 315 });
        list.setBackColour(colours::yellow);
        for (const char* item : { "alpha", "beta", "gamma" })
            list.addItem(item);
        list.setText("beta");
        sink.setCaption("sink");
        sink.setPlace({ 1600, 345, 300, 225 });
        sink.setStacking(Stacking::Lowered);
        check.setCaption("Check me");
        check.setPlace({ 150, 1800, 2000, 270 });
        options.setPlace({ 3300, 150, 2500, 900 });
        optA.setCaption("A");
        optA.setPlace({ 120, 200, 900, 255 });
        optB.setCaption("B");
        optB.setPlace({ 1200, 200, 900, 255 });
        button.setCaption("Press & go");
        button.setPlace({ 3300, 1200, 1500, 360 });
        button.setTooltip("Does it");
        // Created after the options frame and placed over it; lowered, it
        // must still end up under the frame.
        cover.setCaption("under");
        cover.setPlace({ 3400, 300, 600, 300 });
        cover.setStacking(Stacking::Lowered);
        block.setLines(Lines::Multi);
        block.setScrollBars(ScrollBars::Vertical);
        block.setLocked(true);
        block.setFont(fonts::fixed);
        block.setText("{00 00 00 00 00 00 00 00}");
        block.setPlace({ 150, 2100, 3000, 800 });
        line.setPlace({ 3300, 1800, 2000, 300 });

        list.on_click = [this] {
            ++list_clicks;
            sink.setFocus();
        };
        check.on_click = [this] { ++check_clicks; };
        optA.on_click = [this] { ++optA_clicks; };
        optB.on_click = [this] { ++optB_clicks; };
        button.on_click = [this] { ++button_clicks; };
        mnuGo.on_click = [this] { ++menu_clicks; };
    }
};

class WindowBindingTest : public ::testing::Test {
protected:
    template<typename W>
    W* widget(const Control& control)
    {
        return qobject_cast<W*>(host.binding().widgetFor(control));
    }

    // The user opens the drop-down, moves to `index` and presses Enter.
    void pickInDropDown(QComboBox* combo, int index)
    {
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        view->setCurrentIndex(view->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
    }

    static void clickIndicator(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    SmallWindow small;
    MainWindowHost host { small.window };
};

TEST_F(WindowBindingTest, CreatesOneWidgetPerControlInsideItsContainer)
{
    QWidget* client = &host.client();
    ASSERT_NE(widget<QGroupBox>(small.frame), nullptr);
    EXPECT_EQ(widget<QGroupBox>(small.frame)->parentWidget(), client);
    EXPECT_EQ(widget<QLabel>(small.label)->parentWidget(), widget<QGroupBox>(small.frame));
    EXPECT_EQ(widget<QComboBox>(small.list)->parentWidget(), widget<QGroupBox>(small.frame));
    EXPECT_EQ(widget<QPushButton>(small.sink)->parentWidget(), widget<QGroupBox>(small.frame));
    EXPECT_EQ(widget<QCheckBox>(small.check)->parentWidget(), client);
    EXPECT_EQ(widget<QRadioButton>(small.optA)->parentWidget(), widget<QGroupBox>(small.options));
    EXPECT_NE(widget<QPlainTextEdit>(small.block), nullptr);
    EXPECT_NE(widget<QLineEdit>(small.line), nullptr);
    EXPECT_FALSE(widget<QComboBox>(small.list)->isEditable());
    EXPECT_FALSE(widget<QRadioButton>(small.optA)->autoExclusive());

    QAction* go = host.binding().actionFor(small.mnuGo);
    ASSERT_NE(go, nullptr);
    ASSERT_EQ(host.menuBar()->actions().size(), 1);
    EXPECT_EQ(host.menuBar()->actions().first(), go);
    EXPECT_EQ(go->menu(), nullptr);
    EXPECT_EQ(host.binding().controlFor(widget<QComboBox>(small.list)->view()), &small.list);
}

TEST_F(WindowBindingTest, PlacesWidgetsInPixelsRelativeToTheirContainer)
{
    EXPECT_EQ(widget<QGroupBox>(small.frame)->geometry(), QRect(10, 10, 200, 100));
    EXPECT_EQ(widget<QComboBox>(small.list)->geometry(), QRect(100, 20, 80, 21));
    EXPECT_EQ(widget<QCheckBox>(small.check)->geometry(), QRect(10, 120, 133, 18));
    EXPECT_EQ(host.client().size(), QSize(400, 200));
}

TEST_F(WindowBindingTest, ShowsCaptionsAndTextsAsPlainText)
{
    auto* label = widget<QLabel>(small.label);
    EXPECT_EQ(label->text(), "first\nsecond");
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    EXPECT_TRUE(label->alignment() & Qt::AlignTop);
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(widget<QGroupBox>(small.frame)->title(), " Choose ");
    // A literal ampersand, not a keyboard shortcut.
    EXPECT_EQ(widget<QPushButton>(small.button)->text(), "Press && go");
    EXPECT_EQ(widget<QPushButton>(small.button)->toolTip(), "Does it");
    EXPECT_EQ(host.windowTitle(), "Small window");
    EXPECT_EQ(host.binding().actionFor(small.mnuGo)->text(), "Go");
}

TEST_F(WindowBindingTest, ListShowsItsItemsAndATextThatIsNoItem)
{
    auto* combo = widget<QComboBox>(small.list);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(2), "gamma");
    EXPECT_EQ(combo->currentIndex(), 1);

    small.list.setText("delta");
    host.binding().mirror();
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->placeholderText(), "delta");

    small.list.addItem("delta");
    host.binding().mirror();
    EXPECT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->currentIndex(), 3);
    EXPECT_EQ(combo->currentText(), "delta");
}

TEST_F(WindowBindingTest, PickingAnItemSetsTheTextThenRunsTheListsOperation)
{
    auto* combo = widget<QComboBox>(small.list);
    pickInDropDown(combo, 2);
    EXPECT_EQ(small.list.text(), "gamma");
    EXPECT_EQ(small.list_clicks, 1);
    EXPECT_EQ(combo->currentIndex(), 2);

    // The item already shown, picked again, still runs the operation.
    pickInDropDown(combo, 2);
    EXPECT_EQ(small.list.text(), "gamma");
    EXPECT_EQ(small.list_clicks, 2);
}

TEST_F(WindowBindingTest, ClickingACheckBoxGoesThroughTheEventRule)
{
    auto* box = widget<QCheckBox>(small.check);
    clickIndicator(box);
    EXPECT_EQ(small.check.value(), Checked);
    EXPECT_EQ(small.check_clicks, 1);
    EXPECT_EQ(box->checkState(), Qt::Checked);

    clickIndicator(box);
    EXPECT_EQ(small.check.value(), Unchecked);
    EXPECT_EQ(small.check_clicks, 2);

    // Grey shows as partly checked; a click takes it to 0, not to checked as
    // Qt's own tristate cycle would.
    small.check.setValue(Grey);
    host.binding().mirror();
    EXPECT_EQ(box->checkState(), Qt::PartiallyChecked);
    clickIndicator(box);
    EXPECT_EQ(small.check.value(), Unchecked);
    EXPECT_EQ(box->checkState(), Qt::Unchecked);
}

TEST_F(WindowBindingTest, OptionButtonsFollowTheModelsGroup)
{
    auto* a = widget<QRadioButton>(small.optA);
    auto* b = widget<QRadioButton>(small.optB);
    clickIndicator(a);
    EXPECT_TRUE(small.optA.value());
    EXPECT_EQ(small.optA_clicks, 1);
    EXPECT_TRUE(a->isChecked());

    // Clicking the selected one leaves it selected, although Qt unticks it.
    clickIndicator(a);
    EXPECT_TRUE(a->isChecked());
    EXPECT_EQ(small.optA_clicks, 1);

    clickIndicator(b);
    EXPECT_TRUE(b->isChecked());
    EXPECT_FALSE(a->isChecked());
    EXPECT_FALSE(small.optA.value());
    EXPECT_EQ(small.optB_clicks, 1);
}

TEST_F(WindowBindingTest, ButtonsAndMenuEntriesRunTheirOperations)
{
    QTest::mouseClick(widget<QPushButton>(small.button), Qt::LeftButton);
    EXPECT_EQ(small.button_clicks, 1);
    host.binding().actionFor(small.mnuGo)->trigger();
    EXPECT_EQ(small.menu_clicks, 1);

    small.mnuGo.setEnabled(false);
    host.binding().mirror();
    EXPECT_FALSE(host.binding().actionFor(small.mnuGo)->isEnabled());
    host.binding().actionFor(small.mnuGo)->trigger();
    EXPECT_EQ(small.menu_clicks, 1);
}

TEST_F(WindowBindingTest, EventsOnUnusableControlsAreIgnored)
{
    // The model turned the box off, but no mirror has shown that yet.
    small.check.setEnabled(false);
    auto* box = widget<QCheckBox>(small.check);
    ASSERT_TRUE(box->isEnabled());
    clickIndicator(box);
    EXPECT_EQ(small.check.value(), Unchecked);
    EXPECT_EQ(small.check_clicks, 0);
    EXPECT_EQ(box->checkState(), Qt::Unchecked);
    EXPECT_FALSE(box->isEnabled());

    // A frame that is off makes its options unusable though they are on.
    small.options.setEnabled(false);
    clickIndicator(widget<QRadioButton>(small.optB));
    EXPECT_FALSE(small.optB.value());
    EXPECT_EQ(small.optB_clicks, 0);
    EXPECT_FALSE(widget<QRadioButton>(small.optB)->isEnabled());
    EXPECT_TRUE(widget<QRadioButton>(small.optB)->isEnabledTo(widget<QGroupBox>(small.options)));
}

TEST_F(WindowBindingTest, MirrorShowsTheModelAndFiresNothingBack)
{
    small.check.setValue(Checked);
    small.list.setText("alpha");
    small.optB.setValue(true);
    small.label.setVisible(false);
    small.button.setCaption("Again");
    small.list_clicks = small.check_clicks = small.optB_clicks = 0;

    auto* combo = widget<QComboBox>(small.list);
    QSignalSpy index_changes(combo, &QComboBox::currentIndexChanged);
    QSignalSpy state_changes(widget<QCheckBox>(small.check), &QCheckBox::stateChanged);
    host.binding().mirror();

    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(widget<QCheckBox>(small.check)->checkState(), Qt::Checked);
    EXPECT_TRUE(widget<QRadioButton>(small.optB)->isChecked());
    EXPECT_TRUE(widget<QLabel>(small.label)->isHidden());
    EXPECT_EQ(widget<QPushButton>(small.button)->text(), "Again");
    EXPECT_EQ(index_changes.count(), 0);
    EXPECT_EQ(state_changes.count(), 0);
    EXPECT_EQ(small.list_clicks + small.check_clicks + small.optB_clicks, 0);
}

TEST_F(WindowBindingTest, MirrorSkipsControlsThatDidNotChange)
{
    auto* button = widget<QPushButton>(small.button);
    button->setText("changed behind the model's back");
    host.binding().mirror();
    EXPECT_EQ(button->text(), "changed behind the model's back");

    small.button.setTooltip("new tip");
    host.binding().mirror();
    EXPECT_EQ(button->text(), "Press && go");
}

TEST_F(WindowBindingTest, LoweredControlsLieUnderWhatCoversThem)
{
    QWidget* frame = widget<QGroupBox>(small.frame);
    const QObjectList& in_frame = frame->children();
    EXPECT_LT(in_frame.indexOf(widget<QPushButton>(small.sink)), in_frame.indexOf(widget<QComboBox>(small.list)));
    const QObjectList& in_client = host.client().children();
    EXPECT_LT(in_client.indexOf(widget<QPushButton>(small.cover)), in_client.indexOf(widget<QGroupBox>(small.options)));
}

TEST_F(WindowBindingTest, ColoursGoOntoTheRolesEachWidgetPaints)
{
    QColor yellow(255, 255, 192);
    EXPECT_EQ(widget<QComboBox>(small.list)->palette().color(QPalette::Button), yellow);

    small.label.setForeColour(colours::red);
    small.check.setBackColour(colours::magenta);
    host.binding().mirror();
    QPalette label = widget<QLabel>(small.label)->palette();
    EXPECT_EQ(label.color(QPalette::Active, QPalette::WindowText), QColor(255, 0, 0));
    // Off, a label still looks off.
    EXPECT_NE(label.color(QPalette::Disabled, QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_FALSE(widget<QLabel>(small.label)->autoFillBackground());
    EXPECT_EQ(widget<QCheckBox>(small.check)->palette().color(QPalette::Window), QColor(255, 0, 255));
    EXPECT_TRUE(widget<QCheckBox>(small.check)->autoFillBackground());

    small.block.setBackColour(colours::yellow);
    small.block.setForeColour(colours::grey_text);
    host.binding().mirror();
    QPalette block = widget<QPlainTextEdit>(small.block)->palette();
    EXPECT_EQ(block.color(QPalette::Base), yellow);
    EXPECT_EQ(block.color(QPalette::Active, QPalette::Text), QApplication::palette().color(QPalette::Disabled, QPalette::Text));
}

TEST_F(WindowBindingTest, LockedTextCanBeSelectedButNotTyped)
{
    auto* block = widget<QPlainTextEdit>(small.block);
    EXPECT_TRUE(block->isReadOnly());
    EXPECT_TRUE(block->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    EXPECT_EQ(block->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(block->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    block->setFocus();
    QTest::keyClicks(block, "typed");
    EXPECT_EQ(small.block.text(), "{00 00 00 00 00 00 00 00}");
}

TEST_F(WindowBindingTest, TypingIntoAnOpenBoxReachesTheModel)
{
    small.block.setLocked(false);
    small.block.setText("one");
    host.binding().mirror();
    auto* block = widget<QPlainTextEdit>(small.block);
    block->moveCursor(QTextCursor::End);
    QTest::keyClick(block, Qt::Key_Return);
    QTest::keyClicks(block, "two");
    EXPECT_EQ(small.block.text(), "one\r\ntwo");
    EXPECT_EQ(block->toPlainText(), "one\ntwo");

    QTest::keyClicks(widget<QLineEdit>(small.line), "abc");
    EXPECT_EQ(small.line.text(), "abc");
}

class WindowBindingFocusTest : public WindowBindingTest {
protected:
    void SetUp() override
    {
        host.show();
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    }
};

TEST_F(WindowBindingFocusTest, TheFocusGoesWhereTheModelPutsIt)
{
    small.sink.setFocus();
    host.binding().mirror();
    EXPECT_EQ(QApplication::focusWidget(), widget<QPushButton>(small.sink));
}

TEST_F(WindowBindingFocusTest, APickFromTheDropDownLetsTheOperationMoveTheFocusAndSteppingKeepsIt)
{
    small.sink.setFocus();
    host.binding().mirror();

    // The user tabs onto the list: the model learns where the focus is.
    auto* combo = widget<QComboBox>(small.list);
    combo->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(small.window.focusedControl(), &small.list);

    // Stepping with the arrow keys holds the pick until Enter, then runs
    // the list's operation once; the focus stays on the list.
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Up);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(small.list_clicks, 0);
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(small.list.text(), "gamma");
    EXPECT_EQ(small.list_clicks, 1);
    EXPECT_EQ(QApplication::focusWidget(), combo);
    EXPECT_EQ(small.window.focusedControl(), &small.list);

    // A pause in the stepping lets the held pick go too.
    QTest::keyClick(combo, Qt::Key_Up);
    EXPECT_EQ(small.list_clicks, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return small.list_clicks == 2; }, 10000));
    EXPECT_EQ(small.list.text(), "beta");
    EXPECT_EQ(QApplication::focusWidget(), combo);

    // A pick from the open drop-down goes at once, and the operation sends
    // the focus to the sink.
    emit combo->activated(0);
    EXPECT_EQ(small.list_clicks, 3);
    EXPECT_EQ(QApplication::focusWidget(), widget<QPushButton>(small.sink));

    // A pick still held when the window goes away goes nowhere: reaching
    // the operations of a window already gone would crash the test.
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key_Down);
}

}
}

namespace trevalo::qt {
namespace {

// Three buttons side by side in the model's order, the middle one hidden at
// first, and a fourth placed where its window never shows it.
struct LateWindow {
    Window window { "Late", "Late window", 6000, 3000 };
    Button first { &window, "first" };
    Button middle { &window, "middle" };
    Button last { &window, "last" };
    Button away { &window, "away" };

    LateWindow()
    {
        first.setPlace({ 150, 150, 1500, 360 });
        middle.setPlace({ 1200, 150, 1500, 360 });
        middle.setVisible(false);
        last.setPlace({ 2250, 150, 1500, 360 });
        away.setPlace({ 7000, 150, 1500, 360 });
    }
};

// The next widget after `from` that Tab could reach.
QWidget* nextTabStop(QWidget* from)
{
    for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            return w;
    }
    return nullptr;
}

TEST(WindowBindingLateTest, AWidgetMadeWhenFirstShownTakesItsPlaceInTabAndStackingOrder)
{
    LateWindow late;
    MainWindowHost host(late.window);
    WindowBinding& binding = host.binding();
    EXPECT_EQ(host.client().findChild<QPushButton*>(QStringLiteral("middle")), nullptr);

    late.middle.setVisible(true);
    binding.mirror();
    QWidget* first = binding.widgetFor(late.first);
    QWidget* middle = host.client().findChild<QPushButton*>(QStringLiteral("middle"));
    QWidget* last = binding.widgetFor(late.last);
    ASSERT_NE(middle, nullptr);
    EXPECT_EQ(binding.widgetFor(late.middle), middle);
    EXPECT_FALSE(middle->isHidden());
    EXPECT_EQ(nextTabStop(first), middle);
    EXPECT_EQ(nextTabStop(middle), last);
    const QObjectList& stack = host.client().children();
    EXPECT_LT(stack.indexOf(first), stack.indexOf(middle));
    EXPECT_LT(stack.indexOf(middle), stack.indexOf(last));
}

TEST(WindowBindingLateTest, AWidgetNobodyCanSeeIsMadeWhenAskedFor)
{
    LateWindow late;
    MainWindowHost host(late.window);
    EXPECT_EQ(host.client().findChild<QPushButton*>(QStringLiteral("away")), nullptr);
    auto* away = qobject_cast<QPushButton*>(host.binding().widgetFor(late.away));
    ASSERT_NE(away, nullptr);
    EXPECT_EQ(away->parentWidget(), &host.client());
    EXPECT_EQ(away->geometry(), QRect(467, 10, 100, 24));
    EXPECT_EQ(away->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(host.binding().controlFor(away), &late.away);
}

}
}
