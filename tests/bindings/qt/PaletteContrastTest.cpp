#include "bindings/qt/BoundForm1.h"
#include "bindings/qt/CaptionClipping.h"
#include "bindings/qt/Contrast.h"
#include "bindings/qt/DarkPalette.h"
#include "bindings/qt/WindowStates.h"

#include "ui/Window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace trevalo::testing {
namespace {

using ui::Control;

// WCAG 2 relative luminance and contrast ratio, written out here rather
// than taken from the binding, so the test does not grade the binding's
// arithmetic with itself.
double channel(int value)
{
    double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c)
{
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(const QColor& a, const QColor& b)
{
    double la = luminance(a);
    double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string describe(const QColor& c)
{
    return "rgb(" + std::to_string(c.red()) + "," + std::to_string(c.green()) + "," + std::to_string(c.blue()) + ")";
}

bool coloured(const Control& control)
{
    return !control.foreColour().is_system || !control.backColour().is_system;
}

// The text and background colours a control's widget paints its text with,
// read from the widget as Qt has it: the roles the widget kind draws with,
// in the colour group of its present state, and for a panel that lets its
// container show through, the colour of the nearest one that paints.
struct Painted {
    QColor fore;
    QColor back;
    QPalette::ColorRole text_role;
};

std::optional<Painted> painted(QWidget* widget)
{
    QPalette::ColorGroup group = !widget->isEnabled() ? QPalette::Disabled
        : widget->isActiveWindow()                    ? QPalette::Active
                                                      : QPalette::Inactive;
    const QPalette& p = widget->palette();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QPalette::ColorRole text = combo->currentIndex() >= 0 ? QPalette::ButtonText : QPalette::PlaceholderText;
        return Painted { p.color(group, text), p.color(group, QPalette::Button), text };
    }
    if (qobject_cast<QPushButton*>(widget))
        return Painted { p.color(group, QPalette::ButtonText), p.color(group, QPalette::Button), QPalette::ButtonText };
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget))
        return Painted { p.color(group, QPalette::Text), p.color(group, QPalette::Base), QPalette::Text };
    if (qobject_cast<QLabel*>(widget) || qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
        QWidget* painter = widget;
        while (!painter->autoFillBackground() && !painter->isWindow())
            painter = painter->parentWidget();
        return Painted { p.color(group, QPalette::WindowText), painter->palette().color(group, QPalette::Window),
            QPalette::WindowText };
    }
    return std::nullopt;
}

int distance(const QColor& a, const QColor& b)
{
    return std::max({ std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue()) });
}

QImage rendered(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The control rendered as it is, and once more with its text painted in
// its background colour: where the two differ lies the text, and the
// second shows the background under each pixel of it.
struct TextAndBackground {
    QImage shown;
    QImage background;
};

TextAndBackground renderedWithoutText(QWidget* widget, const Painted& colours)
{
    TextAndBackground result;
    result.shown = rendered(widget);
    const QPalette kept = widget->palette();
    QPalette blank = kept;
    blank.setColor(colours.text_role, colours.back);
    widget->setPalette(blank);
    result.background = rendered(widget);
    widget->setPalette(kept);
    return result;
}

struct Measured {
    const Control* control;
    std::string name;
    bool enabled;
    Painted colours;
    double ratio;
};

std::vector<Measured> measureColouredControls(BoundForm1& bound)
{
    std::vector<Measured> measured;
    QWidget* client = &bound.host.client();
    for (Control* control : bound.form.window().controls()) {
        QWidget* widget = bound.widgetFor(*control);
        if (!widget || !coloured(*control) || control->displayText().empty())
            continue;
        if (CaptionClipping::seenRegion(widget, client).isEmpty())
            continue;
        std::optional<Painted> colours = painted(widget);
        if (!colours)
            continue;
        measured.push_back({ control, control->name(), widget->isEnabled(), *colours, contrast(colours->fore, colours->back) });
    }
    return measured;
}

double hueDistance(const QColor& a, const QColor& b)
{
    double d = std::abs(a.hsvHueF() - b.hsvHueF());
    return std::min(d, 1 - d) * 360;
}

// A disabled control looks it: its face sinks towards the window's and its
// text towards its face, well below what the same control shows enabled.
void expectDisabledControlsLookDisabled(BoundForm1& bound)
{
    const QColor window = QApplication::palette().color(QPalette::Window);
    int disabled = 0;
    for (const Measured& m : measureColouredControls(bound)) {
        if (m.enabled)
            continue;
        ++disabled;
        SCOPED_TRACE(m.name);
        QWidget* widget = bound.binding().widgetFor(*m.control);
        const QPalette& p = widget->palette();
        const Painted active = *painted(widget);
        const QColor active_fore = p.color(QPalette::Active, active.text_role);
        QColor active_back = active.back;
        if (qobject_cast<QPushButton*>(widget) || qobject_cast<QComboBox*>(widget))
            active_back = p.color(QPalette::Active, QPalette::Button);
        EXPECT_LE(m.ratio, 0.75 * qt::Contrast::ratio(active_fore, active_back));
        EXPECT_LE(qt::Contrast::ratio(m.colours.back, window), std::max(1.5, 0.6 * qt::Contrast::ratio(active_back, window)));
    }
    ::testing::Test::RecordProperty("disabled_measured", std::to_string(disabled));
}

// The window built under a dark palette, as a desktop in dark mode starts it.
class DarkPaletteTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        m_saved = QApplication::palette();
        QApplication::setPalette(DarkPalette::palette());
        bound = std::make_unique<BoundForm1>();
        WindowStates::enter(*bound, GetParam());
    }

    void TearDown() override
    {
        bound.reset();
        QApplication::setPalette(m_saved);
    }

    std::unique_ptr<BoundForm1> bound;

private:
    QPalette m_saved;
};

TEST_P(DarkPaletteTest, EveryColouredTextReadsOnItsBackground)
{
    std::vector<Measured> measured = measureColouredControls(*bound);
    EXPECT_GE(measured.size(), 10u);
    double lowest = 21;
    for (const Measured& m : measured) {
        SCOPED_TRACE(m.name + " " + describe(m.colours.fore) + " on " + describe(m.colours.back));
        // A disabled control is greyed on purpose; it still has to be
        // made out, at the ratio large text needs.
        EXPECT_GE(m.ratio, m.enabled ? 4.5 : 3.0);
        if (m.enabled)
            lowest = std::min(lowest, m.ratio);
        // A design colour made lighter stays the colour it was: a red
        // name is still red.
        ui::Colour design = m.control->foreColour();
        QColor stated(design.red, design.green, design.blue);
        if (m.enabled && !design.is_system && stated.hsvSaturation() > 0) {
            EXPECT_LE(hueDistance(m.colours.fore, stated), 6.0);
            EXPECT_GT(m.colours.fore.hsvSaturationF(), 0.3);
        }
    }
    RecordProperty("lowest_enabled_contrast", std::to_string(lowest));
}

TEST_P(DarkPaletteTest, ADisabledControlLooksDisabled)
{
    expectDisabledControlsLookDisabled(*bound);
}

// The colours read from the palettes are the ones on screen: the control
// shows its background over most of it (a button or list shades it from
// top to bottom, nearer its own colour than the window's), its text is
// there, and every pixel of the text, in the text colour, reads on the
// background actually painted under it.
TEST_P(DarkPaletteTest, TheMeasuredColoursAreTheOnesPainted)
{
    for (const Measured& m : measureColouredControls(*bound)) {
        SCOPED_TRACE(m.name + " " + describe(m.colours.fore) + " on " + describe(m.colours.back));
        QWidget* widget = bound->host.client().findChild<QWidget*>(QString::fromStdString(m.name));
        ASSERT_NE(widget, nullptr);
        TextAndBackground images = renderedWithoutText(widget, m.colours);
        const QColor face = QApplication::palette().color(QPalette::Window);
        ASSERT_EQ(images.shown.size(), images.background.size());
        ASSERT_FALSE(images.shown.isNull());
        int background = 0;
        int text = 0;
        double worst = 21;
        for (int y = 0; y < images.shown.height(); ++y) {
            for (int x = 0; x < images.shown.width(); ++x) {
                QColor under(images.background.pixel(x, y));
                background += distance(under, m.colours.back) <= 24 || distance(under, m.colours.back) < distance(under, face);
                if (images.shown.pixel(x, y) != images.background.pixel(x, y)) {
                    ++text;
                    worst = std::min(worst, contrast(m.colours.fore, under));
                }
            }
        }
        EXPECT_GE(double(background) / (images.shown.width() * images.shown.height()), 0.5);
        EXPECT_GT(text, 0);
        EXPECT_GE(worst, m.enabled ? 4.5 : 3.0);
    }
}

INSTANTIATE_TEST_SUITE_P(States, DarkPaletteTest, ::testing::ValuesIn(WindowStates::names()),
    [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

// Under the light palette the design's colours are painted exactly as the
// model states them, and the system colours are the palette's own.
class LightPaletteTest : public ::testing::TestWithParam<std::string> {
protected:
    BoundForm1 bound;
};

QColor designColour(ui::Colour colour, QPalette::ColorRole role, const QPalette& system)
{
    if (!colour.is_system)
        return QColor(colour.red, colour.green, colour.blue);
    switch (colour.system) {
    case ui::SystemColour::ButtonFace:
        return system.color(role == QPalette::Window ? QPalette::Window : QPalette::Button);
    case ui::SystemColour::ButtonText:
        return system.color(QPalette::ButtonText);
    case ui::SystemColour::Window:
        return system.color(QPalette::Base);
    case ui::SystemColour::WindowText:
        return system.color(role == QPalette::WindowText ? QPalette::WindowText : QPalette::Text);
    case ui::SystemColour::GreyText:
        return system.color(QPalette::Disabled, QPalette::Text);
    }
    return QColor();
}

TEST_P(LightPaletteTest, TheDesignsColoursAreUsedUnchanged)
{
    WindowStates::enter(bound, GetParam());
    const QPalette& system = QApplication::palette();
    ASSERT_LT(luminance(system.color(QPalette::WindowText)), luminance(system.color(QPalette::Window)));
    int checked = 0;
    for (Control* control : bound.form.window().controls()) {
        QWidget* widget = bound.widgetFor(*control);
        if (!widget || !coloured(*control))
            continue;
        SCOPED_TRACE(control->name());
        QPalette::ColorRole fore = QPalette::WindowText;
        QPalette::ColorRole back = QPalette::Window;
        if (qobject_cast<QComboBox*>(widget) || qobject_cast<QPushButton*>(widget)) {
            fore = QPalette::ButtonText;
            back = QPalette::Button;
        } else if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget)) {
            fore = QPalette::Text;
            back = QPalette::Base;
        }
        EXPECT_EQ(widget->palette().color(QPalette::Active, fore), designColour(control->foreColour(), fore, system));
        EXPECT_EQ(widget->palette().color(QPalette::Active, back), designColour(control->backColour(), back, system));
        ++checked;
    }
    EXPECT_GT(checked, 25);
}

TEST_P(LightPaletteTest, ADisabledControlLooksDisabled)
{
    WindowStates::enter(bound, GetParam());
    expectDisabledControlsLookDisabled(bound);
}

INSTANTIATE_TEST_SUITE_P(States, LightPaletteTest, ::testing::ValuesIn(WindowStates::names()),
    [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}
}
