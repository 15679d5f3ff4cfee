#include "bindings/qt/HeldPickTimer.h"

namespace trevalo::qt {

HeldPickTimer::HeldPickTimer(QObject& context, std::function<void()> on_timeout)
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, &context, std::move(on_timeout));
}

}
