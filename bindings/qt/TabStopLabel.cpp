#include "bindings/qt/TabStopLabel.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>

namespace trevalo::qt {

TabStopLabel::TabStopLabel(QWidget* parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void TabStopLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect();
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void TabStopLabel::showDetails()
{
    if (!toolTip().isEmpty())
        QToolTip::showText(mapToGlobal(QPoint(0, height())), toolTip(), this);
}

void TabStopLabel::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    m_show_on_release = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (!m_show_on_release)
        showDetails();
}

void TabStopLabel::keyReleaseEvent(QKeyEvent* event)
{
    QLabel::keyReleaseEvent(event);
    if (m_show_on_release && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
        m_show_on_release = false;
        showDetails();
    }
}

void TabStopLabel::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    m_show_on_release = false;
    QToolTip::hideText();
}

}
