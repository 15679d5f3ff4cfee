#include "bindings/qt/WindowIcon.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>

namespace {

using trevalo::qt::WindowIcon;

// The sizes desktop environments look for in the hicolor theme.
const int kSizes[] = { 16, 24, 32, 48, 64, 128, 256 };

QImage rendered(int size)
{
    return QImage(QStringLiteral(TREVALO_ICON_DIR "/%1x%1/apps/trevalo.png").arg(size), "PNG");
}

TEST(IconFiles, EachSizeHoldsTheWindowIconDrawnAtThatSize)
{
    for (const int size : kSizes) {
        SCOPED_TRACE(size);
        const QImage file = rendered(size);
        ASSERT_FALSE(file.isNull());
        EXPECT_EQ(file.size(), QSize(size, size));
        const QImage drawn = WindowIcon::draw(size).convertToFormat(QImage::Format_ARGB32);
        EXPECT_TRUE(file.convertToFormat(QImage::Format_ARGB32) == drawn);
    }
}

// A launcher or a dock puts the icon on its own background: the corners
// and the disc's hole must stay see-through in the files, not turn black
// or white on the way to PNG.
TEST(IconFiles, KeepTheirTransparency)
{
    for (const int size : kSizes) {
        SCOPED_TRACE(size);
        const QImage file = rendered(size);
        ASSERT_FALSE(file.isNull());
        ASSERT_TRUE(file.hasAlphaChannel());
        EXPECT_EQ(qAlpha(file.pixel(size - 1, 0)), 0);
        EXPECT_EQ(qAlpha(file.pixel(0, size - 1)), 0);
        // The hole is about a ninth of the icon across: at 16 and 24 pixels
        // it is too small to clear a whole pixel, only to thin one.
        const int hole = qRound(size * 0.44 - 0.5);
        if (size >= 32)
            EXPECT_EQ(qAlpha(file.pixel(hole, hole)), 0);
        else
            EXPECT_LT(qAlpha(file.pixel(hole, hole)), 192);
        // The disc's face, between the hole and the rim, is opaque.
        const int face = static_cast<int>(size * 0.20);
        EXPECT_EQ(qAlpha(file.pixel(face, static_cast<int>(size * 0.44))), 255);
    }
}

}
