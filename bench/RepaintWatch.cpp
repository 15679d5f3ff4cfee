#include "bench/RepaintWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace trevalo::bench {

RepaintWatch::RepaintWatch(QWidget& window)
    : m_window(window)
{
    QCoreApplication::instance()->installEventFilter(this);
}

RepaintWatch::~RepaintWatch()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void RepaintWatch::reset()
{
    m_painted.clear();
    m_repaints = 0;
}

bool RepaintWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == &m_window)
            m_painted.insert(widget);
        return false;
    }
    // The window paints every dirty widget and flushes while it handles its
    // update request; handling it here, inside the filter, is the only way
    // to see when that has ended.
    if (event->type() == QEvent::UpdateRequest && watched == &m_window && !m_inside) {
        m_inside = true;
        static_cast<QObject*>(&m_window)->event(event);
        m_inside = false;
        m_last_end = Clock::now();
        ++m_repaints;
        return true;
    }
    return false;
}

bool RepaintWatch::settle(std::chrono::milliseconds limit)
{
    const auto start = Clock::now();
    const int before = m_repaints;
    int quiet = 0;
    while (Clock::now() - start < limit) {
        const int seen = m_repaints;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (m_repaints != seen) {
            quiet = 0;
            continue;
        }
        // Two passes with nothing painted after a repaint: nothing is left.
        if (m_repaints != before && ++quiet >= 2)
            return true;
    }
    return m_repaints != before;
}

}
