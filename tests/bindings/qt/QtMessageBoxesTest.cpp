#include "bindings/qt/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace trevalo::qt {

using namespace ui;
namespace {

// Shows a box and, once it is up, looks at it and answers it as a user would.
class QtMessageBoxesTest : public ::testing::Test {
protected:
    Answer answer(Buttons buttons, const std::function<void(QMessageBox&)>& user,
        std::string_view prompt = "prompt", std::string_view title = "Warning")
    {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen_title = box->windowTitle();
            seen_text = box->text();
            seen_icon = box->icon();
            seen_format = box->textFormat();
            seen_buttons = box->standardButtons();
            user(*box);
        });
        return boxes.show(prompt, title, buttons);
    }

    static std::function<void(QMessageBox&)> press(QMessageBox::StandardButton which)
    {
        return [which](QMessageBox& box) { box.button(which)->click(); };
    }
    static void escape(QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }
    static void closeBox(QMessageBox& box) { box.close(); }

    QtMessageBoxes boxes;
    QString seen_title;
    QString seen_text;
    QMessageBox::Icon seen_icon = QMessageBox::Information;
    Qt::TextFormat seen_format = Qt::RichText;
    QMessageBox::StandardButtons seen_buttons;
};

TEST_F(QtMessageBoxesTest, YesNoCancelAnswersTheButtonPressed)
{
    EXPECT_EQ(answer(Buttons::YesNoCancel, press(QMessageBox::Yes)), Answer::Yes);
    EXPECT_EQ(answer(Buttons::YesNoCancel, press(QMessageBox::No)), Answer::No);
    EXPECT_EQ(answer(Buttons::YesNoCancel, press(QMessageBox::Cancel)), Answer::Cancel);
    EXPECT_EQ(seen_buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

TEST_F(QtMessageBoxesTest, EscapeAndTheCloseButtonAnswerCancel)
{
    EXPECT_EQ(answer(Buttons::YesNoCancel, escape), Answer::Cancel);
    EXPECT_EQ(answer(Buttons::YesNoCancel, closeBox), Answer::Cancel);
}

TEST_F(QtMessageBoxesTest, AnOkBoxAnswersOkHoweverItIsClosed)
{
    EXPECT_EQ(answer(Buttons::Ok, press(QMessageBox::Ok)), Answer::Ok);
    EXPECT_EQ(seen_buttons, QMessageBox::Ok);
    EXPECT_EQ(answer(Buttons::Ok, escape), Answer::Ok);
    EXPECT_EQ(answer(Buttons::Ok, closeBox), Answer::Ok);
}

TEST_F(QtMessageBoxesTest, ShowsThePromptAsPlainTextWithoutIcon)
{
    answer(Buttons::Ok, press(QMessageBox::Ok), "First line\r\n<b>second</b> line", "Paste Instructions");
    EXPECT_EQ(seen_title, "Paste Instructions");
    EXPECT_EQ(seen_text, "First line\n<b>second</b> line");
    EXPECT_EQ(seen_format, Qt::PlainText);
    EXPECT_EQ(seen_icon, QMessageBox::NoIcon);

    answer(Buttons::Ok, press(QMessageBox::Ok), "x", "");
    EXPECT_EQ(seen_title, QApplication::applicationDisplayName());
    EXPECT_FALSE(seen_title.isEmpty());
}

TEST_F(QtMessageBoxesTest, TheWindowBehindCatchesUpBeforeTheBoxOpens)
{
    bool box_was_up = false;
    int catch_ups = 0;
    boxes.on_before_show = [&] {
        ++catch_ups;
        box_was_up = QApplication::activeModalWidget() != nullptr;
    };
    answer(Buttons::Ok, press(QMessageBox::Ok));
    EXPECT_EQ(catch_ups, 1);
    EXPECT_FALSE(box_was_up);
}

// A large import lists hundreds of commands; the box must stay on screen
// and still show every line, so it scrolls.
TEST_F(QtMessageBoxesTest, ATallPromptScrollsInsteadOfOutgrowingTheScreen)
{
    std::string prompt = "255 Commands from PgcEdit:\r\n\r\n";
    for (int i = 0; i < 255; ++i)
        prompt += "{71 00 00 03 00 05 00 00}\r\n";
    prompt += "\r\nlast line";
    int shown_height = 0;
    int available = 0;
    QString shown_text;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        available = dialog->screen()->availableGeometry().height();
        shown_height = dialog->frameGeometry().height();
        auto* view = dialog->findChild<QPlainTextEdit*>(QStringLiteral("prompt"));
        ASSERT_NE(view, nullptr);
        shown_text = view->toPlainText();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(boxes.show(prompt, "Import", Buttons::Ok), Answer::Ok);
    EXPECT_GT(shown_height, 0);
    EXPECT_LE(shown_height, available);
    EXPECT_TRUE(shown_text.startsWith("255 Commands from PgcEdit:\n\n{71 00 00 03 00 05 00 00}\n"));
    EXPECT_TRUE(shown_text.endsWith("\nlast line"));
    EXPECT_EQ(shown_text.count("{71"), 255);
}

TEST_F(QtMessageBoxesTest, ATallQuestionStillAnswersTheButtonPressed)
{
    std::string prompt(2000, 'x');
    for (int i = 0; i < 300; ++i)
        prompt += "\r\nline";
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text().remove('&') == "No")
                button->click();
        }
    });
    EXPECT_EQ(boxes.show(prompt, "Warning", Buttons::YesNoCancel), Answer::No);
}

}
}
