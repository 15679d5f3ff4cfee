#include "bindings/qt/BoundForm1.h"

#include "bindings/qt/DialogHost.h"
#include "bindings/qt/MainWindowHost.h"
#include "bindings/qt/QtModalWindows.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Window.h"
#include "windows/Note.h"
#include "windows/frmAbout.h"
#include "windows/frmLog.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace trevalo::testing {
namespace {

using qt::DialogHost;

// Opens a window model through the real modal seam and, once its dialog is
// up, acts in it as a user would. The user's actions must close it.
class DialogHostTest : public ::testing::Test {
protected:
    void showModal(ui::Window& window, const std::function<void(DialogHost&)>& user)
    {
        opened = still_open = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = dynamic_cast<DialogHost*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            opened = true;
            user(*dialog);
            if (dialog->isVisible()) {
                still_open = true;
                dialog->close();
            }
        });
        modals.showModal(window);
    }

    static void click(DialogHost& dialog, const ui::Control& control)
    {
        QTest::mouseClick(dialog.binding().widgetFor(control), Qt::LeftButton);
    }

    qt::QtModalWindows modals;
    bool opened = false;
    bool still_open = false;
};

TEST_F(DialogHostTest, TheCautionWindowClosesThroughItsOkButton)
{
    Note note;
    showModal(note.window(), [&](DialogHost& dialog) {
        EXPECT_TRUE(dialog.isModal());
        EXPECT_EQ(dialog.windowTitle(), "Caution");
        EXPECT_EQ(dialog.client().size(), QSize(320, 124));
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
        EXPECT_EQ(qobject_cast<QPushButton*>(dialog.binding().widgetFor(note.cmdOK))->text(), "OK");
        click(dialog, note.cmdOK);
    });
    EXPECT_TRUE(opened);
    EXPECT_FALSE(still_open);
}

// Escape closes each secondary window; Enter presses the focused button,
// or the default one when the focus is elsewhere (the log's text).
TEST_F(DialogHostTest, EscapeClosesEachWindowAndEnterPressesTheFocusedOrDefaultButton)
{
    for (Qt::Key key : { Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter }) {
        SCOPED_TRACE(QTest::toString(key));
        Note note;
        showModal(note.window(), [&](DialogHost& dialog) { QTest::keyClick(&dialog, key); });
        EXPECT_FALSE(still_open);
    }
    frmAbout about;
    showModal(about.window(), [&](DialogHost& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_FALSE(still_open);

    BoundForm1 bound;
    for (Qt::Key key : { Qt::Key_Escape, Qt::Key_Enter }) {
        frmLog log(bound.form.logSource(), bound.clipboard);
        showModal(log.window(), [&](DialogHost& dialog) {
            dialog.binding().widgetFor(log.txtLog)->setFocus();
            QTest::keyClick(dialog.binding().widgetFor(log.txtLog), key);
        });
        EXPECT_FALSE(still_open);
    }
    // Enter on the focused tags button presses it, not Close.
    frmLog log(bound.form.logSource(), bound.clipboard);
    showModal(log.window(), [&](DialogHost& dialog) {
        QWidget* tags = dialog.binding().widgetFor(log.Command3);
        tags->setFocus();
        QTest::keyClick(tags, Qt::Key_Return);
        EXPECT_EQ(log.Command3.caption(), "Remove [CODE] [/CODE] tags");
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(tags, Qt::Key_Escape);
    });
    EXPECT_FALSE(still_open);
}

TEST_F(DialogHostTest, TheAboutWindowShowsTheIconAndClosesOnABackgroundClick)
{
    frmAbout about;
    showModal(about.window(), [&](DialogHost& dialog) {
        auto* picture = qobject_cast<QLabel*>(dialog.binding().widgetFor(about.Picture1));
        ASSERT_NE(picture, nullptr);
        EXPECT_FALSE(picture->pixmap().isNull());
        EXPECT_EQ(picture->pixmap().size(), QSize(32, 32));

        // A click on its text closes it too.
        QTest::mouseClick(dialog.binding().widgetFor(about.lblTitle), Qt::LeftButton);
    });
    EXPECT_FALSE(still_open);
    showModal(about.window(), [&](DialogHost& dialog) {
        QTest::mouseClick(&dialog.client(), Qt::LeftButton, {}, QPoint(4, dialog.client().height() - 4));
    });
    EXPECT_FALSE(still_open);
}

TEST_F(DialogHostTest, TheLogWindowShowsItsReportAndClosesThroughClose)
{
    BoundForm1 bound;
    frmLog log(bound.form.logSource(), bound.clipboard);
    showModal(log.window(), [&](DialogHost& dialog) {
        auto* report = qobject_cast<QPlainTextEdit*>(dialog.binding().widgetFor(log.txtLog));
        ASSERT_NE(report, nullptr);
        EXPECT_TRUE(report->isReadOnly());
        EXPECT_EQ(report->lineWrapMode(), QPlainTextEdit::NoWrap);
        EXPECT_EQ(report->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        // The report's CR LF line ends show as lines, not as stray characters.
        EXPECT_EQ(report->document()->firstBlock().text(), "Trevalo v1.55 log (Before import)");
        EXPECT_FALSE(report->toPlainText().contains('\r'));
        EXPECT_TRUE(report->toPlainText().contains("DVD flow upon insert:"));
        click(dialog, log.Command2);
    });
    EXPECT_FALSE(still_open);
}

TEST_F(DialogHostTest, TheWindowBehindCatchesUpBeforeOneOpens)
{
    Note note;
    bool dialog_was_up = true;
    modals.on_before_show = [&] { dialog_was_up = QApplication::activeModalWidget() != nullptr; };
    showModal(note.window(), [&](DialogHost& dialog) { click(dialog, note.cmdOK); });
    EXPECT_FALSE(dialog_was_up);
}

// While a modal window is open, what its actions (an event or a step of its
// work) do to the main window shows behind it at once, not only once it
// closes.
TEST_F(DialogHostTest, TheMainWindowShowsWhatAnOpenWindowDoesToItAtOnce)
{
    ui::Window main { "frmMain", "Main", 3000, 1000 };
    ui::Label lblTarget { &main, "lblTarget" };
    lblTarget.setCaption("VTSM 1 Root Menu");
    lblTarget.setPlace({ 120, 120, 2500, 255 });
    qt::MainWindowHost host(main);
    host.show();
    auto shownBehind = [&] { return qobject_cast<QLabel*>(host.binding().widgetFor(lblTarget))->text(); };

    ui::Window second { "frmSecond", "Second", 3000, 1000 };
    ui::Button cmdUse { &second, "cmdUse" };
    cmdUse.setCaption("Use as target");
    cmdUse.setPlace({ 120, 120, 1500, 375 });
    ui::Button cmdClose { &second, "cmdClose" };
    cmdClose.setCaption("Close");
    cmdClose.setPlace({ 1740, 120, 1000, 375 });
    cmdClose.on_click = [&] { second.setVisible(false); };
    int steps = 0;
    cmdUse.on_click = [&] {
        lblTarget.setCaption("VTSM 1 Chapter Menu");
        second.setWork([&] {
            lblTarget.setCaption("Step " + std::to_string(++steps));
            return steps < 2;
        });
    };
    modals.while_open = [&] { host.binding().mirror(); };

    showModal(second, [&](DialogHost& dialog) {
        click(dialog, cmdUse);
        // The click's own change, before any step of its work has run.
        EXPECT_EQ(steps, 0);
        EXPECT_EQ(shownBehind(), "VTSM 1 Chapter Menu");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !second.hasWork(); }, 5000));
        EXPECT_EQ(shownBehind(), "Step 2");
        EXPECT_TRUE(dialog.isVisible());
        click(dialog, cmdClose);
    });
    EXPECT_FALSE(still_open);
}

// The main window opens its secondary windows through the seam it is given;
// with the Qt one, choosing About in the menu shows the About window.
TEST_F(DialogHostTest, TheMainWindowsMenuOpensTheAboutWindow)
{
    FakeClipboard clipboard;
    FakeMessageBoxes messages;
    Form1 form { clipboard, messages, modals };
    qt::MainWindowHost host { form.window() };
    host.show();
    QString title;
    QTimer::singleShot(0, [&] {
        auto* dialog = dynamic_cast<DialogHost*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        dialog->close();
    });
    host.binding().actionFor(form.About)->trigger();
    EXPECT_EQ(title, "About ");
}

}
}
