#include "ui/qt/FrameWidget.h"

#include <QFontMetrics>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace trevalo::ui::qt {

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

void FrameWidget::paintEvent(QPaintEvent*)
{
    // QGroupBox's own painting, with the caption's font in place of the
    // widget's: the style measures the caption with the option's metrics
    // and draws it with the painter's font.
    QStylePainter painter(this);
    painter.setFont(m_title_font);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.fontMetrics = QFontMetrics(m_title_font, this);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

}
