#include "ui/Label.h"
#include "bindings/qt/ColourMapping.h"
#include "bindings/qt/FontMapping.h"
#include "bindings/qt/PixelScale.h"
#include "bindings/qt/WindowIcon.h"
#include "ui/TextBox.h"
#include "ui/Window.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <future>

namespace trevalo::qt {

using namespace ui;
namespace {

TEST(PixelScaleTest, FifteenTwipsMakeAPixelAt96Dpi)
{
    PixelScale at96;
    EXPECT_EQ(at96.pixels(11010), 734);
    EXPECT_EQ(at96.pixels(8430), 562);
    // Figures between two pixels round to the nearer.
    EXPECT_EQ(at96.pixels(997), 66);
    EXPECT_EQ(at96.pixels(503), 34);
    EXPECT_EQ(at96.rect({ 3982, 6480, 3045, 1215 }), QRect(265, 432, 203, 81));
}

TEST(PixelScaleTest, ScalesWithTheScreensLogicalDpi)
{
    EXPECT_EQ(PixelScale(120).pixels(1500), 125);
    EXPECT_EQ(PixelScale(144).size(11010, 8430), QSize(1101, 843));
    EXPECT_EQ(PixelScale(0).pixels(1500), 100);
}

// cboSelect ends at 1440 twips, where cboPGC begins: at 144 dpi a rounded
// left edge and a rounded width would overlap them by a pixel.
TEST(PixelScaleTest, NeighboursMeetWithoutOverlapAtAnyDpi)
{
    for (double dpi : { 96.0, 120.0, 144.0, 168.0, 192.0 }) {
        SCOPED_TRACE(dpi);
        PixelScale scale(dpi);
        QRect select = scale.rect({ 465, 495, 975, 315 });
        QRect pgc = scale.rect({ 1440, 495, 570, 315 });
        EXPECT_EQ(select.right() + 1, pgc.left());
        EXPECT_EQ(pgc.left(), scale.pixels(1440));
    }
    EXPECT_EQ(PixelScale(144).rect({ 465, 495, 975, 315 }), QRect(47, 50, 97, 31));
}

TEST(FontMappingTest, EveryDesignFamilyBecomesAnInstalledFace)
{
    QStringList installed = QFontDatabase::families();
    for (const char* family : { "Courier New", "Arial", "MS Sans Serif", "No Such Face At All" }) {
        SCOPED_TRACE(family);
        QString face = FontMapping::familyFor(family);
        EXPECT_TRUE(installed.contains(face, Qt::CaseInsensitive)) << face.toStdString();
    }
}

TEST(FontMappingTest, CourierNewStaysFixedPitchAtItsSize)
{
    QFont block = FontMapping::toQFont(fonts::fixed);
    EXPECT_TRUE(QFontInfo(block).fixedPitch());
    EXPECT_DOUBLE_EQ(block.pointSizeF(), 8.25);
    QFontMetrics metrics(block);
    EXPECT_EQ(metrics.horizontalAdvance("iiiiiiiiii"), metrics.horizontalAdvance("WWWWWWWWWW"));
}

TEST(FontMappingTest, OnlyMsSansSerifShrinks)
{
    EXPECT_DOUBLE_EQ(FontMapping::toQFont(fonts::step_digit).pointSizeF(), 14.25);
    EXPECT_TRUE(FontMapping::toQFont(fonts::step_digit).bold());
    EXPECT_DOUBLE_EQ(FontMapping::toQFont(fonts::sans).pointSizeF(), ui::fonts::sans_stand_in_points);
    QFont arrow = FontMapping::toQFont({ "MS Sans Serif", 9.75, true, true });
    EXPECT_GT(arrow.pointSizeF(), ui::fonts::sans_stand_in_points);
    EXPECT_LT(arrow.pointSizeF(), 9.75);
    EXPECT_TRUE(arrow.italic());
}

TEST(FontMappingTest, CaptionsAreNotKernedAsOnWindows)
{
    for (const Font& font : { fonts::sans, fonts::sans_bold, fonts::step_digit }) {
        QFontMetricsF metrics(FontMapping::toQFont(font));
        for (const char* pair : { "AV", "To", "Ty", "LT" }) {
            const QString text = QString::fromLatin1(pair);
            EXPECT_NEAR(metrics.horizontalAdvance(text), metrics.horizontalAdvance(text.left(1)) + metrics.horizontalAdvance(text.right(1)), 0.01)
                << pair << " in " << font.family << " " << font.points;
        }
    }
}

TEST(ColourMappingTest, SystemColoursComeFromThePalette)
{
    QPalette system;
    system.setColor(QPalette::Window, QColor(1, 1, 1));
    system.setColor(QPalette::Button, QColor(2, 2, 2));
    system.setColor(QPalette::Base, QColor(3, 3, 3));
    system.setColor(QPalette::Text, QColor(4, 4, 4));
    system.setColor(QPalette::WindowText, QColor(5, 5, 5));
    system.setColor(QPalette::ButtonText, QColor(6, 6, 6));
    system.setColor(QPalette::Disabled, QPalette::Text, QColor(7, 7, 7));

    EXPECT_EQ(ColourMapping::resolve(colours::face, QPalette::Window, system), QColor(1, 1, 1));
    EXPECT_EQ(ColourMapping::resolve(colours::face, QPalette::Button, system), QColor(2, 2, 2));
    EXPECT_EQ(ColourMapping::resolve(colours::window, QPalette::Base, system), QColor(3, 3, 3));
    EXPECT_EQ(ColourMapping::resolve(colours::window_text, QPalette::Text, system), QColor(4, 4, 4));
    EXPECT_EQ(ColourMapping::resolve(colours::window_text, QPalette::WindowText, system), QColor(5, 5, 5));
    EXPECT_EQ(ColourMapping::resolve(colours::button_text, QPalette::ButtonText, system), QColor(6, 6, 6));
    EXPECT_EQ(ColourMapping::resolve(colours::grey_text, QPalette::Text, system), QColor(7, 7, 7));
    EXPECT_EQ(ColourMapping::resolve(colours::orange, QPalette::Window, system), QColor(255, 128, 0));
}

TEST(ColourMappingTest, APanelFillsOnlyWhereItsColourDiffersFromItsContainers)
{
    QPalette system;
    Window window { "w", "", 1000, 1000 };
    Label plain { &window, "plain" };
    Label tinted { &window, "tinted" };
    tinted.setBackColour(colours::yellow);
    EXPECT_FALSE(ColourMapping::fillsBackground(plain, system));
    EXPECT_TRUE(ColourMapping::fillsBackground(tinted, system));
    window.setBackColour(colours::yellow);
    EXPECT_TRUE(ColourMapping::fillsBackground(plain, system));
    EXPECT_FALSE(ColourMapping::fillsBackground(tinted, system));
}

TEST(WindowIconTest, DrawsADiscWithAHoleAndAStartArrow)
{
    QImage icon = WindowIcon::draw(64);
    ASSERT_EQ(icon.size(), QSize(64, 64));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(28, 28)), 0) << "the hole";
    EXPECT_EQ(qAlpha(icon.pixel(28, 8)), 255) << "the disc";
    QRgb arrow = icon.pixel(44, 46);
    EXPECT_GT(qGreen(arrow), qRed(arrow) + 60);
    EXPECT_FALSE(WindowIcon::icon().availableSizes().isEmpty());
}

TEST(WindowIconTest, SizesDrawnOnAnotherThreadAreTheOffered)
{
    const QList<QImage> ahead = std::async(std::launch::async, &WindowIcon::drawOffered).get();
    const QIcon icon = WindowIcon::icon(ahead);
    const QList<QSize> offered = icon.availableSizes();
    ASSERT_EQ(ahead.size(), offered.size());
    for (qsizetype i = 0; i < ahead.size(); ++i) {
        EXPECT_EQ(ahead[i].size(), offered[i]);
        EXPECT_EQ(ahead[i], WindowIcon::draw(offered[i].width())) << "side " << offered[i].width();
        EXPECT_EQ(icon.pixmap(offered[i]).toImage().convertToFormat(ahead[i].format()), ahead[i]);
    }
}

}
}
