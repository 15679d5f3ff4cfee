#pragma once

#include <QObject>
#include <QSet>

#include <chrono>

class QWidget;

namespace trevalo::bench {

// Watches one top-level window's repaints: which widgets received a paint
// event, and when the last repaint, backing-store flush included, ended.
// Installed on the application, as paint events go to every widget.
class RepaintWatch final : public QObject {
public:
    using Clock = std::chrono::steady_clock;

    explicit RepaintWatch(QWidget& window);
    ~RepaintWatch() override;

    // Forgets what was painted so far.
    void reset();
    // Runs the event loop until a repaint has happened and nothing more is
    // waiting, or `limit` has passed; false when nothing was repainted.
    bool settle(std::chrono::milliseconds limit);

    const QSet<const QWidget*>& painted() const { return m_painted; }
    Clock::time_point lastRepaintEnd() const { return m_last_end; }
    int repaints() const { return m_repaints; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    QSet<const QWidget*> m_painted;
    Clock::time_point m_last_end {};
    int m_repaints = 0;
    bool m_inside = false;
};

}
