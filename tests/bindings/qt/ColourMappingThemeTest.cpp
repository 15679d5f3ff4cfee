#include "ui/ComboBox.h"
#include "bindings/qt/ColourMapping.h"
#include "bindings/qt/Contrast.h"
#include "ui/Label.h"
#include "ui/TextBox.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

namespace trevalo::qt {

using namespace ui;
namespace {

QPalette schemeOf(QColor face, QColor field, QColor text, QColor greyed)
{
    QPalette palette;
    for (QPalette::ColorRole role : { QPalette::Window, QPalette::Button })
        palette.setColor(role, face);
    palette.setColor(QPalette::Base, field);
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText })
        palette.setColor(role, text);
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(QPalette::Disabled, role, greyed);
    return palette;
}


class ColourMappingThemeTest : public ::testing::Test {
protected:
    const QPalette dark = schemeOf(QColor(40, 40, 40), QColor(25, 25, 25), QColor(230, 230, 230), QColor(120, 120, 120));
    const QPalette light = schemeOf(QColor(240, 240, 240), QColor(255, 255, 255), QColor(0, 0, 0), QColor(160, 160, 160));

    QColor fore(const Control& control, const QPalette& system, QPalette::ColorRole role,
        QPalette::ColorGroup group = QPalette::Active)
    {
        return ColourMapping::paletteFor(control, system, system).color(group, role);
    }

    Window window { "w", "", 5000, 5000 };
    Label red { &window, "red" };
    TextBox block { &window, "block" };
    ComboBox list { &window, "list" };
    Label greyed { &window, "greyed" };
};

TEST_F(ColourMappingThemeTest, TellsALightPaletteFromADarkOne)
{
    EXPECT_TRUE(ColourMapping::isLight(light));
    EXPECT_FALSE(ColourMapping::isLight(dark));
}

TEST_F(ColourMappingThemeTest, UnderADarkPaletteADesignTextIsLightenedToRead)
{
    red.setForeColour(colours::red);
    QColor shown = fore(red, dark, QPalette::WindowText);
    EXPECT_GE(Contrast::ratio(shown, QColor(40, 40, 40)), Contrast::body_text);
    EXPECT_EQ(shown.red(), 255);
    EXPECT_EQ(shown.green(), shown.blue());
    EXPECT_GT(shown.green(), 0);
    // The model keeps its colour.
    EXPECT_EQ(red.foreColour(), colours::red);
}

TEST_F(ColourMappingThemeTest, UnderADarkPaletteADesignBackgroundGetsDarkText)
{
    block.setBackColour(colours::yellow);
    list.setBackColour(colours::yellow);
    EXPECT_EQ(ColourMapping::paletteFor(block, dark, dark).color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(fore(block, dark, QPalette::Text), QColor(0, 0, 0));
    EXPECT_EQ(fore(list, dark, QPalette::ButtonText), QColor(0, 0, 0));
    EXPECT_EQ(fore(list, dark, QPalette::Text), QColor(0, 0, 0));
    EXPECT_EQ(fore(list, dark, QPalette::PlaceholderText), QColor(0, 0, 0));
    // Disabled, the yellow dims towards the dark face, and the greyed text
    // is made out on it, fainter than the enabled text.
    const QPalette palette = ColourMapping::paletteFor(block, dark, dark);
    const QColor dimmed = palette.color(QPalette::Disabled, QPalette::Base);
    EXPECT_LT(Contrast::luminance(dimmed), Contrast::luminance(QColor(255, 255, 192)));
    EXPECT_GT(Contrast::luminance(dimmed), Contrast::luminance(dark.color(QPalette::Disabled, QPalette::Base)));
    QColor disabled = fore(block, dark, QPalette::Text, QPalette::Disabled);
    EXPECT_GE(Contrast::ratio(disabled, dimmed), Contrast::greyed_text);
    EXPECT_LT(Contrast::ratio(disabled, dimmed), Contrast::ratio(QColor(0, 0, 0), QColor(255, 255, 192)));
}

// The palette's own pairs are its author's: greyed text on the face stays.
TEST_F(ColourMappingThemeTest, UnderADarkPaletteItsOwnPairsStay)
{
    greyed.setForeColour(colours::grey_text);
    EXPECT_EQ(fore(greyed, dark, QPalette::WindowText), QColor(120, 120, 120));
    EXPECT_EQ(fore(block, dark, QPalette::Text), QColor(230, 230, 230));
    EXPECT_EQ(fore(block, dark, QPalette::Text, QPalette::Disabled), QColor(120, 120, 120));
}

// Back to the face, a list's text goes back to the palette's.
TEST_F(ColourMappingThemeTest, ALightBackgroundTakenAwayTakesItsDarkTextAlong)
{
    list.setBackColour(colours::yellow);
    QPalette once = ColourMapping::paletteFor(list, dark, dark);
    list.setBackColour(colours::face);
    QPalette again = ColourMapping::paletteFor(list, once, dark);
    EXPECT_EQ(again.color(QPalette::Active, QPalette::ButtonText), QColor(230, 230, 230));
    EXPECT_EQ(again.color(QPalette::Disabled, QPalette::ButtonText), QColor(120, 120, 120));
    EXPECT_EQ(again.color(QPalette::Button), QColor(40, 40, 40));
}

}
}
