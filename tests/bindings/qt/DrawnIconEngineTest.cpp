#include "bindings/qt/DrawnIconEngine.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace trevalo::qt {
namespace {

int draws = 0;

// A square with a red top-left pixel, so a scaled or greyed copy shows.
QImage countedDraw(int side)
{
    ++draws;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::blue);
    image.setPixelColor(0, 0, Qt::red);
    return image;
}

class DrawnIconEngineTest : public ::testing::Test {
protected:
    void SetUp() override { draws = 0; }

    QIcon icon { new DrawnIconEngine(&countedDraw, { 16, 32 }) };
};

TEST_F(DrawnIconEngineTest, DrawsNothingUntilASizeIsAskedFor)
{
    EXPECT_EQ(icon.availableSizes(), QList<QSize>({ QSize(16, 16), QSize(32, 32) }));
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(draws, 0);
}

TEST_F(DrawnIconEngineTest, DrawsEachSizeOnceAtExactlyThatSize)
{
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
    // Sizes that are not offered are drawn too, not scaled from another.
    QImage odd = icon.pixmap(QSize(20, 20)).toImage();
    EXPECT_EQ(odd.size(), QSize(20, 20));
    EXPECT_EQ(odd.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(draws, 2);

    // Copies of the icon share what was drawn.
    QIcon copy = icon;
    copy.pixmap(QSize(20, 20));
    EXPECT_EQ(draws, 2);
}

TEST_F(DrawnIconEngineTest, ADisabledIconLooksDifferentFromTheNormalOne)
{
    QImage normal = icon.pixmap(QSize(16, 16)).toImage();
    QImage disabled = icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage();
    ASSERT_EQ(disabled.size(), QSize(16, 16));
    EXPECT_NE(disabled.pixelColor(8, 8), normal.pixelColor(8, 8));
    EXPECT_EQ(draws, 1);
}

TEST_F(DrawnIconEngineTest, SizesDrawnAheadAreUsedInsteadOfDrawingThemAgain)
{
    QImage ahead(32, 32, QImage::Format_ARGB32_Premultiplied);
    ahead.fill(Qt::green);
    QImage not_square(16, 8, QImage::Format_ARGB32_Premultiplied);
    not_square.fill(Qt::green);
    QIcon adopted { new DrawnIconEngine(&countedDraw, { 16, 32 }, { ahead, not_square, QImage() }) };

    EXPECT_EQ(adopted.pixmap(QSize(32, 32)).toImage().pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(draws, 0);
    // Sizes not drawn ahead, and images that are no icon size, are drawn.
    EXPECT_EQ(adopted.pixmap(QSize(16, 16)).toImage().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(adopted.pixmap(QSize(32, 32)).toImage().pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(draws, 1);
}

}
}
