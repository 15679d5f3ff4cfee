#include "bindings/qt/BoundForm1.h"
#include "bindings/qt/CaptionClipping.h"
#include "bindings/qt/WindowStates.h"

#include "bindings/qt/FrameWidget.h"
#include "ui/TextBox.h"
#include "ui/Window.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextLayout>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The window's layout at the screen scale this process runs at. CTest runs
// these tests once as they are and once more for each other scale (Qt's
// scale factor 1.25, 1.5 and 2, and 144 dpi with Qt's own scaling off, where the
// binding's twips-to-pixels does the scaling), since Qt takes the scale
// when it starts; TREVALO_TEST_SCALE tells the scale such a run asked for.

namespace trevalo::testing {
namespace {

using Faults = std::vector<std::string>;

QString str(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// What a widget paints itself, at the screen's device pixel ratio, on a
// transparent image: a frame only its caption and border (its face is meant
// to lie under its controls), any other control with its inner parts.
// Ink is what is painted at least half opaque. A frame's border is a faint
// line (the style's translucent one, mixed over the frame's face) that a
// control may sit on, as in the design; it is not counted.
QImage ink(QWidget* widget, qreal ratio)
{
    QImage image((QSizeF(widget->size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    auto* frame = dynamic_cast<qt::FrameWidget*>(widget);
    bool filled = widget->autoFillBackground();
    if (frame)
        widget->setAutoFillBackground(false);
    widget->render(&image, QPoint(), QRegion(), frame ? QWidget::RenderFlags() : QWidget::DrawChildren);
    if (frame) {
        widget->setAutoFillBackground(filled);
        const QRgb border = frame->borderColour().rgba();
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (line[x] == border)
                    line[x] = 0;
            }
        }
    }
    return image;
}

// Everything a user would see as badly laid out: a control sticking out of
// its container, two controls painting over each other (text over text,
// a list over a caption, a label over a frame's caption), or a
// caption its control cannot hold. Rectangles that merely touch or overlap
// where neither control paints anything are no fault. Controls the design
// hides entirely (focus sinks under their lists, spare boxes beyond the
// window's edge) are not seen and not judged.
Faults layoutFaults(qt::WindowBinding& binding)
{
    QWidget* client = &binding.client();
    const qreal ratio = client->devicePixelRatioF();
    struct Seen {
        const ui::Control* control;
        QWidget* widget;
        QRect area;
        QImage ink;
    };
    std::vector<Seen> seen;
    for (ui::Control* control : binding.window().controls()) {
        QWidget* widget = binding.widgetFor(*control);
        if (!widget || CaptionClipping::seenRegion(widget, client).isEmpty())
            continue;
        seen.push_back({ control, widget, QRect(widget->mapTo(client, QPoint(0, 0)), widget->size()), ink(widget, ratio) });
    }

    Faults faults;
    auto fault = [&](const ui::Control& control, const QString& why) {
        faults.push_back(control.name() + ": " + why.toStdString());
    };
    auto inked = [ratio](const Seen& s, QPoint device) {
        QPoint at = device - (QPointF(s.area.topLeft()) * ratio).toPoint();
        return s.ink.valid(at) && qAlpha(s.ink.pixel(at)) >= 128;
    };
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const Seen& s = seen[i];
        QRect inside = s.widget->parentWidget()->rect();
        if (!inside.contains(s.widget->geometry()))
            fault(*s.control, "at " + str(s.widget->geometry()) + " sticks out of its container's " + str(inside));
        std::string why = CaptionClipping::clipping(s.widget);
        if (!why.empty())
            fault(*s.control, QString::fromStdString("caption \"" + s.control->displayText() + "\" cut: " + why));
        for (std::size_t j = i + 1; j < seen.size(); ++j) {
            const Seen& other = seen[j];
            QRect common = s.area.intersected(other.area);
            if (common.isEmpty())
                continue;
            QRect device((QPointF(common.topLeft()) * ratio).toPoint(), (QSizeF(common.size()) * ratio).toSize());
            int both = 0;
            for (int y = device.top(); y <= device.bottom(); ++y) {
                for (int x = device.left(); x <= device.right(); ++x)
                    both += inked(s, { x, y }) && inked(other, { x, y });
            }
            if (both > 0)
                fault(*s.control, QString("paints over %1 (%2 pixels)").arg(QString::fromStdString(other.control->name())).arg(both));
        }
    }
    return faults;
}

// Each command of a block on a line of its own: the wrapping of a block
// depends on the glyph advances at the scale, not on the twips alone.
Faults blockLineFaults(BoundForm1& bound)
{
    Faults faults;
    for (const ui::TextBox* box : { &bound.form.Text1, &bound.form.Text2, &bound.form.Text3 }) {
        auto* edit = qobject_cast<QPlainTextEdit*>(bound.widgetFor(*box));
        if (!edit || !edit->isVisibleTo(&bound.host.client()))
            continue;
        QTextBlock paragraph = edit->document()->firstBlock();
        QTextLayout* layout = paragraph.layout();
        QString text = paragraph.text();
        int commands = int(text.count('{'));
        if (!layout || layout->lineCount() != commands) {
            faults.push_back(box->name() + ": " + std::to_string(commands) + " commands on "
                + std::to_string(layout ? layout->lineCount() : 0) + " lines");
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            QTextLine line = layout->lineAt(i);
            QString shown = text.mid(line.textStart(), line.textLength()).trimmed();
            if (!shown.startsWith('{') || !shown.endsWith('}') || shown.size() != 25)
                faults.push_back(box->name() + " line " + std::to_string(i) + ": \"" + shown.toStdString() + "\"");
        }
    }
    return faults;
}

// Every border of a frame, and every edge of a box or list, shows on screen:
// along most of each side, within the device pixels at its edge, lies a
// pixel in the frame's border colour (for a box or list: one clearly darker
// than its face), give or take a device pixel. At a fractional scale a one-pixel line that falls between
// device pixels vanishes.
Faults borderFaults(BoundForm1& bound)
{
    QWidget* client = &bound.host.client();
    const QImage shot = client->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    Faults faults;
    for (ui::Control* control : bound.form.window().controls()) {
        QWidget* widget = bound.widgetFor(*control);
        if (!widget || !widget->isVisibleTo(client) || CaptionClipping::seenRegion(widget, client).isEmpty())
            continue;
        auto* frame = dynamic_cast<qt::FrameWidget*>(widget);
        const bool box = qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QLineEdit*>(widget)
            || qobject_cast<QComboBox*>(widget);
        if (!frame && !box)
            continue;
        const QRect area(widget->mapTo(client, QPoint(0, 0)), widget->size());
        const QRect device(
            (QPointF(area.topLeft()) * ratio).toPoint(), (QPointF(area.bottomRight() + QPoint(1, 1)) * ratio).toPoint() - QPoint(1, 1));
        const QColor face = widget->palette().color(box ? QPalette::Button : QPalette::Window);
        auto isLine = [&](int x, int y) {
            const QColor c = shot.pixelColor(x, y);
            if (frame)
                return c == frame->borderColour();
            return c.lightness() < face.lightness() - 24 && c.lightness() < widget->palette().color(QPalette::Base).lightness() - 24;
        };
        const int top = frame ? device.top() + int(frame->titleRect().height() / 2 * ratio) : device.top();
        // The part of each side clear of the caption and the rounded corners.
        // A frame's top border runs through the middle of its caption.
        auto side = [&](const char* name, bool vertical, int fixed, int direction, int from, int to) {
            int lines = 0, places = 0;
            for (int along = from; along <= to; ++along) {
                ++places;
                for (int depth = -1; depth < 3; ++depth) {
                    const int x = vertical ? fixed + direction * depth : along;
                    const int y = vertical ? along : fixed + direction * depth;
                    if (shot.valid(x, y) && isLine(x, y)) {
                        ++lines;
                        break;
                    }
                }
            }
            if (places > 0 && lines < places * 8 / 10)
                faults.push_back(control->name() + ": its " + name + " border shows on " + std::to_string(lines) + " of "
                    + std::to_string(places) + " device pixels");
        };
        const int margin = int(6 * ratio);

        side("left", true, device.left(), +1, top + margin, device.bottom() - margin);
        side("right", true, device.right(), -1, top + margin, device.bottom() - margin);
        side("bottom", false, device.bottom(), -1, device.left() + margin, device.right() - margin);
        const int title_end = frame ? device.left() + int((frame->titleRect().right() + 4) * ratio) : device.left();
        side("top", false, top, +1, std::max(title_end, device.left() + margin), device.right() - margin);
    }
    return faults;
}

class ScaledLayoutTest : public ::testing::TestWithParam<std::string> {
protected:
    BoundForm1 bound;
};

TEST(ScaledLayoutScale, IsTheScaleThisRunAskedFor)
{
    if (qEnvironmentVariableIsEmpty("TREVALO_TEST_SCALE"))
        GTEST_SKIP() << "a run at the platform's own scale";
    BoundForm1 bound;
    bool ok = false;
    double asked = qEnvironmentVariable("TREVALO_TEST_SCALE").toDouble(&ok);
    ASSERT_TRUE(ok);
    QScreen* screen = bound.host.screen();
    ASSERT_NE(screen, nullptr);
    // Device pixels per pixel of a 96-dpi screen, however the scale came:
    // through Qt's device pixel ratio or through the logical dpi the
    // binding converts twips with.
    double scale = screen->devicePixelRatio() * screen->logicalDotsPerInch() / 96.0;
    EXPECT_NEAR(scale, asked, 0.01);
    EXPECT_NEAR(bound.binding().scale().logicalDpi(), screen->logicalDotsPerInch(), 0.01);
}

TEST_P(ScaledLayoutTest, NothingClippedOrOverlapping)
{
    WindowStates::enter(bound, GetParam());
    EXPECT_EQ(layoutFaults(bound.binding()), Faults());
}

TEST_P(ScaledLayoutTest, EveryBorderLineShows)
{
    WindowStates::enter(bound, GetParam());
    EXPECT_EQ(borderFaults(bound), Faults());
}

TEST_P(ScaledLayoutTest, EachCommandOfABlockOnALineOfItsOwn)
{
    WindowStates::enter(bound, GetParam());
    EXPECT_EQ(blockLineFaults(bound), Faults());
}

// Controls an operation shows only now and then, some only in place of
// another: each caption must fit whenever it shows.
TEST(ScaledLayoutCaptions, EveryCaptionFitsWithEverythingShown)
{
    BoundForm1 bound;
    WindowStates::everythingShown(bound);
    bound.binding().mirror();
    int checked = 0;
    EXPECT_EQ(CaptionClipping::clippedCaptions(bound.binding(), &checked), Faults());
    EXPECT_GT(checked, 50);
}

INSTANTIATE_TEST_SUITE_P(States, ScaledLayoutTest, ::testing::ValuesIn(WindowStates::names()),
    [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

// The client area is the design's 11010 x 8430 twips at the screen's dpi,
// whole, below the menu bar, and every seen control lies inside it.
TEST(ScaledLayoutWindow, ClientAreaIsTheDesignsSizeBelowTheMenuBar)
{
    BoundForm1 bound;
    double dpi = bound.host.screen()->logicalDotsPerInch();
    QSize expected(qRound(11010 / 15.0 * dpi / 96.0), qRound(8430 / 15.0 * dpi / 96.0));
    EXPECT_EQ(bound.host.client().size(), expected);
    EXPECT_GE(bound.host.client().y(), bound.host.menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(bound.host.size().height(), expected.height() + bound.host.menuBar()->height());
}

bool overlapFound(const Faults& faults, const std::string& a, const std::string& b)
{
    for (const std::string& f : faults) {
        if (f.rfind(a + ": paints over " + b + " ", 0) == 0 || f.rfind(b + ": paints over " + a + " ", 0) == 0)
            return true;
    }
    return false;
}

// The checks above must see a fault when there is one.
TEST(ScaledLayoutFaults, SeesAControlMovedOverAnotherOrOutOfItsFrame)
{
    BoundForm1 bound;
    ASSERT_EQ(layoutFaults(bound.binding()), Faults());
    Form1& f = bound.form;
    QWidget* pgc = bound.widgetFor(f.cboPGC);
    QRect kept = pgc->geometry();

    pgc->move(bound.widgetFor(f.cboSelect)->geometry().topLeft() + QPoint(8, 0));
    EXPECT_TRUE(overlapFound(layoutFaults(bound.binding()), "cboSelect", "cboPGC"));

    pgc->move(pgc->parentWidget()->width() - pgc->width() / 2, kept.y());
    Faults out = layoutFaults(bound.binding());
    ASSERT_FALSE(out.empty());
    EXPECT_NE(out.front().find("cboPGC: at "), std::string::npos) << out.front();
    EXPECT_NE(out.front().find("sticks out"), std::string::npos) << out.front();
    pgc->setGeometry(kept);

    // A step digit moved onto its frame's caption, and a caption made too
    // long for its box.
    QWidget* digit = bound.widgetFor(f.Label12);
    QRect digit_kept = digit->geometry();
    digit->move(digit->x() + 40, 0);
    EXPECT_TRUE(overlapFound(layoutFaults(bound.binding()), "Frame10", "Label12"));
    digit->setGeometry(digit_kept);
    f.chkdisable.setCaption(f.chkdisable.caption() + " at all, ever again");
    bound.binding().mirror();
    Faults cut = layoutFaults(bound.binding());
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_NE(cut.front().find("chkdisable: caption"), std::string::npos) << cut.front();
}

}
}
