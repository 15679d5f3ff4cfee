#include "bindings/qt/BoundForm1.h"
#include "bindings/qt/CaptionClipping.h"

#include "bindings/qt/FrameWidget.h"
#include "ui/ComboBox.h"
#include "ui/TextBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace trevalo::testing {
namespace {

using ui::Control;
using ui::ControlKind;

int px(int twips)
{
    return int(twips / 15.0 + 0.5);
}

QString withLineBreaks(const std::string& text)
{
    return QString::fromStdString(text).replace("\r\n", "\n");
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_DOUBLE_EQ(bound.host.screen()->logicalDotsPerInch(), 96.0) << "the pixel figures below are for 96 dpi";
    }

    BoundForm1 bound;
};

TEST_F(MainWindowTest, EveryControlHasAWidgetOfItsKindShowingItsState)
{
    for (Control* control : bound.form.window().controls()) {
        SCOPED_TRACE(control->name());
        if (control->kind() == ControlKind::MenuEntry)
            continue;
        QWidget* widget = bound.widgetFor(*control);
        ASSERT_NE(widget, nullptr);
        QString text = withLineBreaks(control->displayText());
        switch (control->kind()) {
        case ControlKind::Frame:
            ASSERT_NE(qobject_cast<QGroupBox*>(widget), nullptr);
            EXPECT_EQ(qobject_cast<QGroupBox*>(widget)->title(), text);
            break;
        case ControlKind::Label:
            ASSERT_NE(qobject_cast<QLabel*>(widget), nullptr);
            EXPECT_EQ(qobject_cast<QLabel*>(widget)->text(), text);
            break;
        case ControlKind::TextBox:
            if (static_cast<ui::TextBox*>(control)->lines() == ui::Lines::Multi) {
                ASSERT_NE(qobject_cast<QPlainTextEdit*>(widget), nullptr);
                EXPECT_EQ(qobject_cast<QPlainTextEdit*>(widget)->toPlainText(), text);
            } else {
                ASSERT_NE(qobject_cast<QLineEdit*>(widget), nullptr);
                EXPECT_EQ(qobject_cast<QLineEdit*>(widget)->text(), text);
            }
            break;
        case ControlKind::ComboBox: {
            auto* combo = qobject_cast<QComboBox*>(widget);
            ASSERT_NE(combo, nullptr);
            const auto& items = static_cast<ui::ComboBox*>(control)->items();
            ASSERT_EQ(combo->count(), int(items.size()));
            for (int i = 0; i < combo->count(); ++i)
                EXPECT_EQ(combo->itemText(i).toStdString(), items[std::size_t(i)]);
            QString shown = combo->currentIndex() >= 0 ? combo->currentText() : combo->placeholderText();
            EXPECT_EQ(shown, text);
            break;
        }
        case ControlKind::CheckBox:
            ASSERT_NE(qobject_cast<QCheckBox*>(widget), nullptr);
            EXPECT_EQ(CaptionClipping::drawnText(qobject_cast<QCheckBox*>(widget)->text()), text);
            break;
        case ControlKind::OptionButton:
            ASSERT_NE(qobject_cast<QRadioButton*>(widget), nullptr);
            EXPECT_EQ(CaptionClipping::drawnText(qobject_cast<QRadioButton*>(widget)->text()), text);
            break;
        case ControlKind::Button:
            ASSERT_NE(qobject_cast<QPushButton*>(widget), nullptr);
            EXPECT_EQ(CaptionClipping::drawnText(qobject_cast<QPushButton*>(widget)->text()), text);
            break;
        case ControlKind::Picture:
            ASSERT_NE(qobject_cast<QLabel*>(widget), nullptr);
            break;
        case ControlKind::Window:
        case ControlKind::MenuEntry:
            break;
        }

        const ui::Place& place = control->place();
        EXPECT_EQ(widget->geometry(), QRect(px(place.left), px(place.top), px(place.width), px(place.height)));
        EXPECT_EQ(widget->isHidden(), !control->visible());
        EXPECT_EQ(widget->isEnabledTo(widget->parentWidget()), control->enabled());
        QWidget* parent = control->container() == &bound.form.window() ? &bound.host.client() : bound.widgetFor(*control->container());
        EXPECT_EQ(widget->parentWidget(), parent);
        if (control->shortcut().empty())
            EXPECT_EQ(widget->toolTip().toStdString(), control->tooltip());
        else
            EXPECT_TRUE(widget->toolTip().startsWith(QString::fromStdString(control->tooltip()))) << control->name();
    }
}

TEST_F(MainWindowTest, StartUpStatesShowAsTheDesignHasThem)
{
    Form1& f = bound.form;
    EXPECT_EQ(bound.widgetFor(f.Text2)->geometry(), QRect(265, 432, 203, 81));
    EXPECT_EQ(bound.widgetFor(f.cboGPRM)->geometry(), QRect(120, 22, 39, 21));
    EXPECT_TRUE(bound.widgetFor(f.Text3)->isHidden());
    EXPECT_TRUE(bound.widgetFor(f.cmdUndo)->isHidden());
    EXPECT_FALSE(bound.widgetFor(f.cmdCopy)->isEnabled());
    // Frame10 is off, so everything in it is too, whatever its own setting.
    EXPECT_FALSE(bound.widgetFor(f.cboButton)->isEnabled());
    EXPECT_EQ(qobject_cast<QCheckBox*>(bound.widgetFor(f.chkdisable))->checkState(), Qt::Checked);
    EXPECT_TRUE(qobject_cast<QRadioButton*>(bound.widgetFor(f.optOff))->isChecked());
    EXPECT_EQ(qobject_cast<QComboBox*>(bound.widgetFor(f.cboGPRM))->currentText(), "14");
    EXPECT_TRUE(qobject_cast<QPlainTextEdit*>(bound.widgetFor(f.Text1))->isReadOnly());
    EXPECT_EQ(qobject_cast<QLabel*>(bound.widgetFor(f.Label9))->text().count('\n'), 5);
}

TEST_F(MainWindowTest, WindowHasTheDesignsTitleSizeAndMenu)
{
    EXPECT_EQ(bound.host.windowTitle(), "Trevalo v1.55 ");
    EXPECT_EQ(bound.host.client().size(), QSize(734, 562));
    EXPECT_GE(bound.host.client().y(), bound.host.menuBar()->height());
    EXPECT_EQ(bound.host.minimumSize(), bound.host.maximumSize());
    EXPECT_EQ(bound.host.size().height(), 562 + bound.host.menuBar()->height());

    Qt::WindowFlags flags = bound.host.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(bound.host.windowIcon().isNull());

    // The menu bar holds the model's top-level entries; only Disc, whose
    // entries are its items, opens a drop-down.
    QStringList entries;
    QStringList with_menus;
    for (QAction* action : bound.host.menuBar()->actions()) {
        entries << CaptionClipping::drawnText(action->text());
        if (action->menu())
            with_menus << CaptionClipping::drawnText(action->text());
    }
    EXPECT_EQ(entries, QStringList({ "Disc", "Reset", "Log", "About" }));
    EXPECT_EQ(with_menus, QStringList({ "Disc" }));
}

TEST_F(MainWindowTest, WindowOpensInTheMiddleOfItsScreen)
{
    QPoint offset = bound.host.frameGeometry().center() - bound.host.screen()->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
}

TEST_F(MainWindowTest, EveryFontIsTheFaceAskedFor)
{
    for (Control* control : bound.form.window().controls()) {
        if (QWidget* widget = bound.widgetFor(*control)) {
            SCOPED_TRACE(control->name());
            // A frame's font is its caption's; the controls inside keep their own.
            const QFont asked = control->kind() == ControlKind::Frame
                ? static_cast<qt::FrameWidget*>(widget)->titleFont()
                : widget->font();
            QFontInfo info(asked);
            EXPECT_EQ(info.family(), asked.family()) << "the machine substituted another face";
            EXPECT_EQ(info.bold(), control->font().bold);
            EXPECT_EQ(info.italic(), control->font().italic);
        }
    }
    QFontInfo block(bound.widgetFor(bound.form.Text1)->font());
    EXPECT_TRUE(block.fixedPitch());
    EXPECT_TRUE(block.family() == "Courier New" || block.family() == "Liberation Mono") << block.family().toStdString();
}

// At Courier New 8.25 pt a block box holds some 30 characters a line, so each
// 26-character command and its blank make a line of their own.
TEST_F(MainWindowTest, EachCommandOfABlockShowsOnALineOfItsOwn)
{
    for (const ui::TextBox* box : { &bound.form.Text1, &bound.form.Text2, &bound.form.Text3 }) {
        SCOPED_TRACE(box->name());
        auto* edit = qobject_cast<QPlainTextEdit*>(bound.widgetFor(*box));
        ASSERT_NE(edit, nullptr);
        edit->setVisible(true);
        QTextBlock paragraph = edit->document()->firstBlock();
        QTextLayout* layout = paragraph.layout();
        ASSERT_NE(layout, nullptr);
        QString text = paragraph.text();
        int commands = int(text.count('{'));
        ASSERT_GE(commands, 3);
        ASSERT_EQ(layout->lineCount(), commands);
        for (int i = 0; i < layout->lineCount(); ++i) {
            QTextLine line = layout->lineAt(i);
            EXPECT_EQ(text.mid(line.textStart(), line.textLength()).trimmed().size(), 25) << "line " << i;
        }
        edit->setVisible(box->visible());
    }
}

// A focus sink takes the keyboard focus but is never seen: rendering the
// window with and without it gives the same picture.
TEST_F(MainWindowTest, FocusSinksTakeTheFocusButAreNeverSeen)
{
    Form1& f = bound.form;
    // Turn Frame10 on for the moment, so its sinks are drawn as usable too.
    QWidget* frame10 = bound.widgetFor(f.Frame10);
    frame10->setEnabled(true);
    for (ui::Button* sink : { &f.cmdTemp3, &f.cmdDummy, &f.cmdTemp, &f.cmdStr, &f.cmdDummy2 }) {
        SCOPED_TRACE(sink->name());
        ASSERT_EQ(sink->stacking(), ui::Stacking::Lowered);
        QWidget* widget = bound.widgetFor(*sink);
        QImage with(bound.host.client().size(), QImage::Format_ARGB32);
        bound.host.client().render(&with);
        widget->setVisible(false);
        QImage without(bound.host.client().size(), QImage::Format_ARGB32);
        bound.host.client().render(&without);
        widget->setVisible(true);
        QRect area(widget->mapTo(&bound.host.client(), QPoint(0, 0)), widget->size());
        EXPECT_EQ(with.copy(area), without.copy(area));
    }
    frame10->setEnabled(f.Frame10.enabled());

    bound.host.activateWindow();
    f.cmdTemp.setFocus();
    bound.binding().mirror();
    EXPECT_EQ(bound.host.focusWidget(), bound.widgetFor(f.cmdTemp));
}

TEST_F(MainWindowTest, ControlsDrawnOverAFrameLieAboveIt)
{
    const QObjectList& stack = bound.host.client().children();
    Form1& f = bound.form;
    EXPECT_GT(stack.indexOf(bound.widgetFor(f.chkNone)), stack.indexOf(bound.widgetFor(f.Frame3)));
    EXPECT_GT(stack.indexOf(bound.widgetFor(f.cmdPaste)), stack.indexOf(bound.widgetFor(f.Frame4)));
    EXPECT_GT(stack.indexOf(bound.widgetFor(f.cmdUndo)), stack.indexOf(bound.widgetFor(f.Frame4)));
    EXPECT_LT(stack.indexOf(bound.widgetFor(f.cmdDummy)), stack.indexOf(bound.widgetFor(f.Frame3)));
}

TEST_F(MainWindowTest, ColoursOfTheDesignReachThePalette)
{
    Form1& f = bound.form;
    QColor yellow(255, 255, 192);
    EXPECT_EQ(bound.widgetFor(f.Text1)->palette().color(QPalette::Base), yellow);
    EXPECT_EQ(bound.widgetFor(f.cboSelect)->palette().color(QPalette::Button), yellow);
    EXPECT_EQ(bound.widgetFor(f.cboDummy)->palette().color(QPalette::Button), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(bound.widgetFor(f.Label3)->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(bound.widgetFor(f.Label4)->palette().color(QPalette::Active, QPalette::WindowText), QColor(128, 128, 128));
    EXPECT_EQ(bound.widgetFor(f.txtDetect)->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 255));
    EXPECT_EQ(bound.widgetFor(f.cmdNote)->palette().color(QPalette::Button), QColor(255, 192, 128));
}

}
}
