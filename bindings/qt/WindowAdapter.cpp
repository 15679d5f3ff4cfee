#include "bindings/qt/WindowAdapter.h"

#include "bindings/qt/ColourMapping.h"
#include "bindings/qt/FontMapping.h"
#include "ui/Window.h"
#include "ui/binding/BindingEvents.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace trevalo::qt {

namespace {

// A press and a release where no control lies (or one that lets clicks
// through) make a background click.
class BackgroundClicks final : public QObject {
public:
    BackgroundClicks(ui::Window& window, QWidget& client, ui::BindingEvents& events,
        std::function<bool(const QWidget*)> passes_clicks)
        : m_window(window)
        , m_client(client)
        , m_events(events)
        , m_passes_clicks(std::move(passes_clicks))
    {
        client.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &m_client)
            return false;
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        const QWidget* child = m_client.childAt(at);
        const bool on_background = mouse->button() == Qt::LeftButton && m_client.rect().contains(at)
            && (!child || m_passes_clicks(child));
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressed = on_background;
        } else if (m_pressed && on_background) {
            m_pressed = false;
            m_events.clicked(m_window);
        }
        return false;
    }

private:
    ui::Window& m_window;
    QWidget& m_client;
    ui::BindingEvents& m_events;
    std::function<bool(const QWidget*)> m_passes_clicks;
    bool m_pressed = false;
};

}

std::unique_ptr<QObject> WindowAdapter::connect(ui::Window& window, QWidget& client, ui::BindingEvents& events,
    std::function<bool(const QWidget*)> passes_clicks)
{
    return std::make_unique<BackgroundClicks>(window, client, events, std::move(passes_clicks));
}

void WindowAdapter::mirror(const ui::Window& window, QWidget& client)
{
    QWidget* top = client.window();
    const QString title = QString::fromStdString(window.caption());
    if (top->windowTitle() != title)
        top->setWindowTitle(title);

    // Controls inherit it; most have it, so few need a font of their own.
    const QFont font = FontMapping::toQFont(window.font());
    if (client.font() != font)
        client.setFont(font);

    const QPalette& system = QApplication::palette();
    const QColor back = ColourMapping::resolve(window.backColour(), QPalette::Window, system);
    if (client.palette().color(QPalette::Window) != back) {
        QPalette palette = client.palette();
        palette.setColor(QPalette::Window, back);
        client.setPalette(palette);
    }
    const bool fill = back != system.color(QPalette::Window);
    if (client.autoFillBackground() != fill)
        client.setAutoFillBackground(fill);
}

}
