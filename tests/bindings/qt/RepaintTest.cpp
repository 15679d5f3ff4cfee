#include "bindings/qt/BoundForm1.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QTest>

#include <gtest/gtest.h>

namespace trevalo::testing {
namespace {

// Counts the paint events each widget of one window receives.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget& window)
        : m_window(window)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~PaintCounter() override { QCoreApplication::instance()->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->window() == &m_window)
                ++m_paints[widget];
        }
        return false;
    }

    // Paints of `widget` or anything inside it (a text box paints its viewport).
    int paintsOf(const QWidget* widget) const
    {
        int paints = 0;
        for (auto it = m_paints.begin(); it != m_paints.end(); ++it) {
            if (it.key() == widget || widget->isAncestorOf(it.key()))
                paints += it.value();
        }
        return paints;
    }
    int total() const
    {
        int paints = 0;
        for (int n : m_paints)
            paints += n;
        return paints;
    }
    void clear() { m_paints.clear(); }

private:
    QWidget& m_window;
    QHash<const QWidget*, int> m_paints;
};

// Each block's text box relays out and repaints all its lines when its text
// is set, which is what a user sees as flicker and what makes a large block
// slow: the binding must leave untouched the blocks an action did not change.
class RepaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&bound.host));
        bound.clipboard.contents = "{71 00 00 05 00 07 00 00}\r\n{51 00 00 82 C5 00 00 00}";
        click(form.cmdPaste);
        click(form.chkStreams);
        settle();
    }

    QWidget* widget(const ui::Control& control) { return bound.widgetFor(control); }

    void click(const ui::Control& control)
    {
        auto* button = qobject_cast<QAbstractButton*>(widget(control));
        ASSERT_TRUE(button && button->isVisible() && button->isEnabled()) << control.name();
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    // What the drop-down does when the user chooses an item.
    void pick(const ui::ComboBox& list, const QString& item)
    {
        auto* combo = qobject_cast<QComboBox*>(widget(list));
        const int index = combo->findText(item);
        ASSERT_GE(index, 0) << list.name() << " has no item " << item.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    // Delivers every pending repaint.
    void settle()
    {
        for (int pass = 0; pass < 5; ++pass)
            QCoreApplication::processEvents();
    }

    BoundForm1 bound;
    Form1& form = bound.form;
};

TEST_F(RepaintTest, AStreamPickRepaintsTheBlockItChangedAndNoOther)
{
    PaintCounter counter(bound.host);
    pick(form.cboAudio, "4");
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.paintsOf(widget(form.Text2)) > 0; }));
    settle();

    EXPECT_EQ(form.Text2.text(),
        "{00 B1 00 0E 00 00 00 06} {71 00 00 0E 00 01 00 00} {71 00 00 05 00 07 00 00} {51 00 00 84 C5 00 00 00} "
        "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(counter.paintsOf(widget(form.Text1)), 0);
    // Unchanged controls far from the pick.
    EXPECT_EQ(counter.paintsOf(widget(form.Frame2)), 0);
    EXPECT_EQ(counter.paintsOf(widget(form.Frame3)), 0);
    EXPECT_EQ(counter.paintsOf(widget(form.Frame5)), 0);
    EXPECT_EQ(counter.paintsOf(widget(form.Label3)), 0);
}

TEST_F(RepaintTest, AClickThatChangesNoBlockRepaintsNoBlock)
{
    PaintCounter counter(bound.host);
    // Copying changes the clipboard, nothing in the window.
    click(form.cmdCopy2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.total() > 0; }));
    settle();

    EXPECT_EQ(bound.clipboard.contents, form.Text2.text());
    EXPECT_EQ(counter.paintsOf(widget(form.Text1)), 0);
    EXPECT_EQ(counter.paintsOf(widget(form.Text2)), 0);
    // The focus leaves chkStreams, so Frame10 repaints around it; the
    // frames that had nothing to do with the click do not.
    EXPECT_EQ(counter.paintsOf(widget(form.Frame1)), 0);
    EXPECT_EQ(counter.paintsOf(widget(form.Frame3)), 0);
    EXPECT_EQ(counter.paintsOf(widget(form.Frame5)), 0);
}

}
}
