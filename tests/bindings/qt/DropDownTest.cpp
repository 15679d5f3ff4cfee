#include "bindings/qt/BoundForm1.h"

#include "ui/ComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace trevalo::testing {
namespace {

// An open list is a list below the box, as in the Windows window: sixteen
// items at a time (not a menu of all 99 as tall as the screen), its items
// at least as wide as the box and its longest item, the scroll bar beside
// them.
class DropDownTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Room below every list for sixteen items, wherever the screen is.
        bound.host.move(bound.host.screen()->availableGeometry().topLeft());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&bound.host));
    }

    void TearDown() override
    {
        for (ui::Control* control : bound.form.window().controls()) {
            if (auto* combo = qobject_cast<QComboBox*>(bound.widgetFor(*control)))
                combo->hidePopup();
        }
    }

    QComboBox* open(const ui::ComboBox& list)
    {
        auto* combo = qobject_cast<QComboBox*>(bound.widgetFor(list));
        EXPECT_NE(combo, nullptr) << list.name();
        if (!combo)
            return nullptr;
        combo->showPopup();
        EXPECT_TRUE(combo->view()->isVisible()) << list.name() << " did not open";
        return combo;
    }

    // The items the open list shows whole.
    static int rowsShown(QComboBox& combo)
    {
        QAbstractItemView& view = *combo.view();
        const int row = view.sizeHintForRow(0);
        return row > 0 ? view.viewport()->height() / row : 0;
    }

    BoundForm1 bound;
};

TEST_F(DropDownTest, ALongListOpensBelowItsBoxWithSixteenItems)
{
    QComboBox* combo = open(bound.form.cboPGC);
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 99);
    QWidget* popup = combo->view()->window();
    EXPECT_EQ(rowsShown(*combo), 16);
    EXPECT_LT(popup->height(), bound.host.screen()->availableGeometry().height() / 2) << "a column as tall as the screen";
    const QRect box(combo->mapToGlobal(QPoint(0, 0)), combo->size());
    EXPECT_GE(popup->geometry().top(), box.bottom()) << "it opens below the box, not over it";
    EXPECT_EQ(popup->geometry().left(), box.left());
    EXPECT_TRUE(combo->view()->verticalScrollBar()->isVisible());
}

TEST_F(DropDownTest, AnOpenListsItemsAreAtLeastAsWideAsItsBoxAndItsLongestItem)
{
    for (const ui::ComboBox* list : { &bound.form.cboPGC, &bound.form.cboGPRM, &bound.form.CboMenu, &bound.form.cboSelect }) {
        SCOPED_TRACE(list->name());
        QComboBox* combo = open(*list);
        ASSERT_NE(combo, nullptr);
        QAbstractItemView& view = *combo->view();
        EXPECT_GE(view.viewport()->width(), combo->width()) << "the scroll bar takes from the items";
        const QFontMetrics metrics(view.font());
        int widest = 0;
        for (int i = 0; i < combo->count(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(combo->itemText(i)));
        EXPECT_GE(view.viewport()->width(), widest) << "the longest item is cut";
        combo->hidePopup();
    }
}

TEST_F(DropDownTest, AShortListShowsEveryItem)
{
    QComboBox* combo = open(bound.form.CboMenu);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(rowsShown(*combo), 5);
    EXPECT_FALSE(combo->view()->verticalScrollBar()->isVisible());
}

}
}
