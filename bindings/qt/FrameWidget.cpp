#include "bindings/qt/FrameWidget.h"

#include "bindings/qt/Contrast.h"
#include "bindings/qt/DeviceLines.h"

#include <QFontMetrics>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace trevalo::qt {


FrameWidget::FrameWidget(QWidget* parent)
    : QGroupBox(parent)
    , m_title_font(font())
{
}

void FrameWidget::setTitleFont(const QFont& font)
{
    if (m_title_font == font)
        return;
    m_title_font = font;
    update();
}

QRect FrameWidget::titleRect() const
{
    if (title().isEmpty())
        return {};
    const QFontMetrics metrics(m_title_font, this);
    const QString shown = QString(title()).replace(QStringLiteral("&&"), QStringLiteral("&"));
    return QRect(metrics.averageCharWidth(), 0, metrics.horizontalAdvance(shown) + 2, metrics.height());
}

// The style's faint border is its mid colour at 110/255 over the frame's
// own background. Mixed here into one opaque colour, it gives the same
// pixels without blending: the first translucent pen a process paints with
// makes Qt start worker threads, which cost the window's first paint about
// two milliseconds.
QColor FrameWidget::borderColour() const
{
    return Contrast::mixed(palette().color(backgroundRole()), palette().color(QPalette::Mid), 110 / 255.0);
}

void FrameWidget::paintEvent(QPaintEvent*)
{
    // The border runs through the middle of the caption, which sits on it a
    // character in from the left: the layout's controls were placed for
    // that, and a style that puts the caption above the border would run it
    // into the step digit below.
    QStylePainter painter(this);
    const QRect label = titleRect();
    // Drawn here rather than by the style, which would push the border down
    // below the caption's full height; faint, as the style draws it.
    const QRect border = rect().adjusted(0, label.height() / 2, 0, 0);
    if (DeviceLines::needed(painter)) {
        DeviceLines::outline(painter, border, borderColour(), 1);
    } else {
        painter.setPen(borderColour());
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawRoundedRect(QRectF(border.adjusted(0, 0, -1, -1)), 2, 2);
    }
    if (label.isEmpty())
        return;
    painter.fillRect(label, palette().brush(backgroundRole()));
    painter.setFont(m_title_font);
    style()->drawItemText(&painter, label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
        isEnabled(), title(), QPalette::WindowText);
}

}
