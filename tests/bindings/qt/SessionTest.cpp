#include "bindings/qt/BoundForm1.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace trevalo::testing {
namespace {

// A whole session done on the real widgets, the way an author does it, with
// the window checked after every step against what the author should see.
class SessionTest : public ::testing::Test {
protected:
    template<typename W>
    W* widget(const ui::Control& control)
    {
        auto* w = qobject_cast<W*>(bound.widgetFor(control));
        EXPECT_NE(w, nullptr) << control.name();
        return w;
    }

    void pick(const ui::ComboBox& list, const QString& item)
    {
        QComboBox* combo = widget<QComboBox>(list);
        const int index = combo->findText(item);
        ASSERT_GE(index, 0) << list.name() << " has no item " << item.toStdString();
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        view->setCurrentIndex(view->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
    }

    void click(const ui::Control& control)
    {
        auto* button = widget<QAbstractButton>(control);
        ASSERT_TRUE(button->isVisible() && button->isEnabled()) << control.name() << " cannot be clicked";
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    void choose(const ui::MenuEntry& entry) { bound.binding().actionFor(entry)->trigger(); }

    std::string shown(const ui::TextBox& block) { return widget<QPlainTextEdit>(block)->toPlainText().toStdString(); }
    std::string shown(const ui::Label& label) { return widget<QLabel>(label)->text().toStdString(); }
    bool visible(const ui::Control& control) { return bound.widgetFor(control)->isVisible(); }

    BoundForm1 bound;
    Form1& form = bound.form;
};

TEST_F(SessionTest, GuardTargetImportSettingsCopyLogUndoAndReset)
{
    pick(form.cboGPRM, "3");
    pick(form.cboPGC, "3");
    pick(form.CboMenu, "Chapter Menu");
    EXPECT_EQ(shown(form.Text1), "{00 B1 00 03 00 00 00 03} {30 06 00 01 03 87 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(shown(form.Label8), "VTSM 3 Chapter Menu");
    EXPECT_TRUE(visible(form.cmdNote));

    bound.clipboard.contents = "{71 00 00 05 00 07 00 00}\r\n{51 00 00 82 C5 00 00 00}\r\n{56 00 00 00 0C 00 00 00}";
    click(form.cmdPaste);
    EXPECT_EQ(shown(form.Text2),
        "{00 B1 00 03 00 00 00 07} {71 00 00 03 00 01 00 00} {71 00 00 05 00 07 00 00} {51 00 00 82 C5 00 00 00} "
        "{56 00 00 00 0C 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_FALSE(visible(form.cmdPaste));
    EXPECT_TRUE(visible(form.cmdUndo));
    EXPECT_FALSE(widget<QComboBox>(form.cboSelect)->isEnabled());
    EXPECT_TRUE(widget<QPushButton>(form.cmdCopy2)->isEnabled());

    click(form.chkStreams);
    EXPECT_TRUE(visible(form.txtDetect));
    EXPECT_EQ(widget<QComboBox>(form.cboAudio)->currentText(), "2");
    pick(form.cboAudio, "4");
    click(form.chkHighlight);
    EXPECT_EQ(widget<QComboBox>(form.cboButton)->currentText(), "3");
    pick(form.cboButton, "5");
    EXPECT_EQ(shown(form.Text2),
        "{00 B1 00 03 00 00 00 07} {71 00 00 03 00 01 00 00} {71 00 00 05 00 07 00 00} {51 00 00 84 C5 00 00 00} "
        "{56 00 00 00 14 00 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");

    click(form.chkdisable);
    click(form.cmdCopy);
    EXPECT_EQ(bound.clipboard.contents, form.Text1.text());
    click(form.cmdCopy2);
    EXPECT_EQ(bound.clipboard.contents, form.Text2.text());
    ASSERT_FALSE(bound.messages.shown.empty());
    EXPECT_EQ(bound.messages.shown.back().prompt,
        "1. Select [******** pre commands:] label in VTSM 3 Chapter Menu.\r\n2. Ctrl + Shift + V (Paste After).");

    std::string report;
    bound.modals.while_shown = [&](ui::Window& window) {
        report = static_cast<ui::TextBox*>(window.find("txtLog"))->text();
    };
    choose(form.Log);
    EXPECT_NE(report.find("Trevalo v1.55 log (After import)\r\n"), std::string::npos);
    EXPECT_NE(report.find("[56 00 00 00 14 00 00 00]  5  (SetHL_BTN) Set Highlighted Button =(mov) 5120 (button 5)"),
        std::string::npos);

    EXPECT_TRUE(visible(form.lblCopied1));
    bound.messages.answers.push_back(ui::Answer::Yes);
    click(form.cmdUndo);
    EXPECT_EQ(shown(form.Text2),
        "{00 B1 00 03 00 00 00 04} {71 00 00 03 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    // The First Play block reads as it was copied, but its button is off:
    // no "Copied" mark stays beside it.
    EXPECT_FALSE(widget<QPushButton>(form.cmdCopy)->isEnabled());
    EXPECT_FALSE(visible(form.lblCopied1));
    EXPECT_FALSE(visible(form.lblCopyNote));
    EXPECT_TRUE(visible(form.cmdPaste));
    EXPECT_FALSE(visible(form.txtDetect));
    EXPECT_FALSE(widget<QCheckBox>(form.chkStreams)->isChecked());
    EXPECT_TRUE(widget<QComboBox>(form.cboSelect)->isEnabled());
    EXPECT_EQ(bound.clipboard.contents, "");

    pick(form.cboSelect, "Title");
    pick(form.cboPGC, "5");
    EXPECT_EQ(shown(form.Text1), "{00 B1 00 03 00 00 00 03} {30 02 00 00 00 05 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_FALSE(visible(form.CboMenu));

    bound.messages.answers.push_back(ui::Answer::Yes);
    choose(form.mnuReset);
    EXPECT_EQ(shown(form.Text1), "{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(shown(form.Text2),
        "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(widget<QComboBox>(form.cboGPRM)->currentText(), "14");
    EXPECT_EQ(shown(form.Label8), "VTSM 1 Root Menu");
    EXPECT_TRUE(visible(form.CboMenu));
}

TEST_F(SessionTest, DummySkipAndCellLinkShowTheThirdBlock)
{
    click(form.chkDummy);
    EXPECT_TRUE(visible(form.Text3));
    EXPECT_TRUE(visible(form.cmdCopy3));
    EXPECT_EQ(shown(form.Text2), "{00 B1 00 0E 00 00 00 03} {20 04 00 00 00 00 00 06} {00 00 00 00 00 00 00 00}");
    pick(form.cboDummy, "12");
    click(form.chkLinkCN);
    pick(form.cboLinkCN, "2");
    EXPECT_EQ(shown(form.Text2), "{00 B1 00 0E 00 00 00 03} {20 04 00 00 00 00 00 0C} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(shown(form.Text3),
        "{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {20 07 00 00 00 00 00 02} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(shown(form.Label15), "VTSM 1, LU , 12");
    click(form.chkNone);
    EXPECT_TRUE(visible(form.cboValue));
    EXPECT_TRUE(visible(form.Label32));
    EXPECT_FALSE(widget<QComboBox>(form.cboGPRM)->isEnabled());
    click(form.chkDummy);
    EXPECT_FALSE(visible(form.Text3));
}

}
}
