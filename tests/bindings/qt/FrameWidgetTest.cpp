#include "bindings/qt/FrameWidget.h"

#include <QImage>
#include <QPainter>
#include <QPalette>

#include <gtest/gtest.h>

namespace trevalo::qt {
namespace {

// What the style's faint border looks like: its mid colour at 110/255
// painted over the frame's background.
QColor translucentOver(const QColor& mid, const QColor& background)
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    QColor line = mid;
    line.setAlpha(110);
    painter.fillRect(0, 0, 1, 1, line);
    painter.end();
    return image.pixelColor(0, 0);
}

QImage rendered(FrameWidget& frame)
{
    QImage image(frame.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    frame.render(&image);
    return image;
}

TEST(FrameWidgetTest, BorderLooksLikeTheStylesTranslucentOneOverItsBackground)
{
    struct Case {
        QColor mid;
        QColor background;
    };
    const Case cases[] = {
        { QColor(160, 160, 160), QColor(240, 240, 240) }, // light desktop
        { QColor(90, 90, 90), QColor(53, 53, 53) }, // dark desktop
        { QColor(255, 0, 0), QColor(0, 0, 255) }, // channels kept apart
        { QColor(0, 0, 0), QColor(255, 255, 255) }, // rounding at the ends
    };
    for (const Case& c : cases) {
        FrameWidget frame(nullptr);
        QPalette palette = frame.palette();
        palette.setColor(QPalette::Mid, c.mid);
        palette.setColor(frame.backgroundRole(), c.background);
        frame.setPalette(palette);
        frame.setAutoFillBackground(true);
        frame.resize(60, 40);

        const QColor expected = translucentOver(c.mid, c.background);
        EXPECT_EQ(frame.borderColour(), expected) << c.mid.name().toStdString() << " over " << c.background.name().toStdString();
        EXPECT_EQ(frame.borderColour().alpha(), 255);
        // Without a caption the border's top runs along the first row;
        // the middle of each side is away from the rounded corners.
        const QImage image = rendered(frame);
        EXPECT_EQ(image.pixelColor(30, 0), expected);
        EXPECT_EQ(image.pixelColor(0, 20), expected);
        EXPECT_EQ(image.pixelColor(59, 20), expected);
        EXPECT_EQ(image.pixelColor(30, 39), expected);
        EXPECT_EQ(image.pixelColor(30, 20), c.background);
    }
}

TEST(FrameWidgetTest, BorderRunsThroughTheMiddleOfTheCaption)
{
    FrameWidget frame(nullptr);
    frame.setTitle(QStringLiteral("Step"));
    frame.setAutoFillBackground(true);
    frame.resize(120, 60);
    const QRect title = frame.titleRect();
    ASSERT_FALSE(title.isEmpty());
    const QImage image = rendered(frame);
    const int row = title.height() / 2;
    // The border shows left and right of the caption and not under it.
    EXPECT_EQ(image.pixelColor(110, row), frame.borderColour());
    EXPECT_EQ(image.pixelColor(title.left() - 2, row), frame.borderColour());
    EXPECT_EQ(image.pixelColor(0, 40), frame.borderColour());
    int under_caption = 0;
    for (int x = title.left(); x <= title.right(); ++x)
        under_caption += image.pixelColor(x, row) == frame.borderColour();
    EXPECT_LT(under_caption, title.width() / 2);
}

}
}
