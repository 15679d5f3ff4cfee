// Linked into a start-up benchmark program beside its own main(): when the
// QApplication is built it installs a filter that waits for the main
// window's first paint, then writes "painted" on standard output and quits.
// The program's main() stays exactly as it is; for Trevalo that is
// bindings/qt/main.cpp itself, compiled into the probe.

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QWidget>

#include <unistd.h>

namespace {

class FirstPaint final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_seen || event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        if (!qobject_cast<QMainWindow*>(static_cast<QWidget*>(watched)->window()))
            return false;
        m_seen = true;
        // Queued: it runs once the whole window has been painted and flushed,
        // which all happens inside the event being delivered now.
        QMetaObject::invokeMethod(
            qApp,
            [] {
                static constexpr char painted[] = "painted\n";
                [[maybe_unused]] const auto written = ::write(STDOUT_FILENO, painted, sizeof painted - 1);
                QCoreApplication::quit();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    bool m_seen = false;
};

void installFirstPaint()
{
    qApp->installEventFilter(new FirstPaint(qApp));
}

}

Q_COREAPP_STARTUP_FUNCTION(installFirstPaint)
