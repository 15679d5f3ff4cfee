#pragma once

#include "ui/binding/HeldPick.h"

#include <QTimer>

#include <functional>

namespace trevalo::qt {

// The held pick's timer on a single-shot QTimer: it calls `on_timeout`
// (the binding core's) while `context` lives. It keeps no pick.
class HeldPickTimer final : public ui::HeldPick::Timer {
public:
    HeldPickTimer(QObject& context, std::function<void()> on_timeout);

    void start(unsigned ms) override { m_timer.start(int(ms)); }
    void stop() override { m_timer.stop(); }

private:
    QTimer m_timer;
};

}
