#include "bindings/qt/Contrast.h"

#include <gtest/gtest.h>

namespace trevalo::qt {
namespace {

TEST(ContrastTest, LuminanceRunsFromBlackToWhite)
{
    EXPECT_DOUBLE_EQ(Contrast::luminance(QColor(0, 0, 0)), 0.0);
    EXPECT_NEAR(Contrast::luminance(QColor(255, 255, 255)), 1.0, 1e-9);
    // Green weighs most, blue least; mid grey is far darker than half.
    EXPECT_NEAR(Contrast::luminance(QColor(255, 0, 0)), 0.2126, 1e-4);
    EXPECT_NEAR(Contrast::luminance(QColor(0, 255, 0)), 0.7152, 1e-4);
    EXPECT_NEAR(Contrast::luminance(QColor(0, 0, 255)), 0.0722, 1e-4);
    EXPECT_NEAR(Contrast::luminance(QColor(128, 128, 128)), 0.2159, 1e-3);
}

TEST(ContrastTest, RatiosAreTheWcagFigures)
{
    EXPECT_NEAR(Contrast::ratio(QColor(0, 0, 0), QColor(255, 255, 255)), 21.0, 1e-6);
    EXPECT_NEAR(Contrast::ratio(QColor(255, 255, 255), QColor(0, 0, 0)), 21.0, 1e-6);
    EXPECT_NEAR(Contrast::ratio(QColor(255, 0, 0), QColor(255, 255, 255)), 4.0, 0.01);
    EXPECT_NEAR(Contrast::ratio(QColor(0, 0, 255), QColor(255, 255, 255)), 8.59, 0.01);
    EXPECT_NEAR(Contrast::ratio(QColor(118, 118, 118), QColor(255, 255, 255)), 4.54, 0.01);
    EXPECT_DOUBLE_EQ(Contrast::ratio(QColor(50, 50, 50), QColor(50, 50, 50)), 1.0);
}

TEST(ContrastTest, AColourThatReadsIsKept)
{
    EXPECT_EQ(Contrast::legibleOn(QColor(255, 128, 0), QColor(50, 50, 50), 4.5), QColor(255, 128, 0));
    EXPECT_EQ(Contrast::legibleOn(QColor(0, 0, 0), QColor(255, 255, 192), 4.5), QColor(0, 0, 0));
}

TEST(ContrastTest, ADarkTextOnADarkFaceTurnsLighterJustEnough)
{
    const QColor face(50, 50, 50);
    for (QColor design : { QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 0, 255), QColor(176, 0, 0), QColor(128, 128, 128) }) {
        SCOPED_TRACE(design.name().toStdString());
        QColor shown = Contrast::legibleOn(design, face, 4.5);
        EXPECT_GE(Contrast::ratio(shown, face), 4.5);
        EXPECT_LT(Contrast::ratio(shown, face), 4.8) << "lighter than it needs to be: " << shown.name().toStdString();
        EXPECT_GT(Contrast::luminance(shown), Contrast::luminance(design));
        // Mixed with white, each channel rises and the hue stays.
        EXPECT_GE(shown.red(), design.red());
        EXPECT_GE(shown.green(), design.green());
        EXPECT_GE(shown.blue(), design.blue());
        if (design.hsvSaturation() > 0) {
            EXPECT_EQ(shown.hsvHue(), design.hsvHue());
        }
    }
}

TEST(ContrastTest, ALightTextOnALightFaceTurnsDarker)
{
    const QColor yellow(255, 255, 192);
    QColor shown = Contrast::legibleOn(QColor(255, 128, 0), yellow, 4.5);
    EXPECT_GE(Contrast::ratio(shown, yellow), 4.5);
    EXPECT_LT(Contrast::luminance(shown), Contrast::luminance(QColor(255, 128, 0)));
    EXPECT_GT(shown.red(), shown.green());
    EXPECT_EQ(shown.blue(), 0);
}

// A light text on a background lighter still cannot get lighter enough:
// it turns darker instead.
TEST(ContrastTest, TurnsTheOtherWayWhenOneWayCannotReach)
{
    const QColor yellow(255, 255, 192);
    QColor shown = Contrast::legibleOn(QColor(238, 238, 238), yellow, 4.5);
    EXPECT_GE(Contrast::ratio(shown, yellow), 4.5);
    EXPECT_LT(Contrast::luminance(shown), 0.2);
}

TEST(ContrastTest, WhenNothingReachesTheBetterOfBlackAndWhite)
{
    // A mid grey has no colour at 21:1 against it.
    EXPECT_EQ(Contrast::legibleOn(QColor(200, 0, 0), QColor(119, 119, 119), 21), QColor(0, 0, 0));
    EXPECT_EQ(Contrast::legibleOn(QColor(200, 0, 0), QColor(110, 110, 110), 21), QColor(255, 255, 255));
    EXPECT_EQ(Contrast::plainTextOn(QColor(255, 255, 192)), QColor(0, 0, 0));
    EXPECT_EQ(Contrast::plainTextOn(QColor(50, 50, 50)), QColor(255, 255, 255));
}

}
}
