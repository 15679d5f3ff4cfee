#include "bindings/qt/MainWindowHost.h"

#include "bindings/qt/WindowIcon.h"
#include "ui/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>

namespace trevalo::qt {

using namespace ui;

MainWindowHost::MainWindowHost(Window& window, QWidget* parent)
    : QMainWindow(parent)
    , m_client(new QWidget(this))
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // The application's icon when main() has set one: the same icon, so
    // each size of it is drawn once, not once for each.
    setWindowIcon(QApplication::windowIcon().isNull() ? WindowIcon::icon() : QApplication::windowIcon());
    setCentralWidget(m_client);
    m_binding = std::make_unique<WindowBinding>(window, *m_client, WindowBinding::hasMenuEntries(window) ? menuBar() : nullptr);

    // The client area is the model's; the menu bar comes on top of it and
    // the window keeps exactly that size.
    m_client->setFixedSize(m_binding->scale().size(window.clientWidth(), window.clientHeight()));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

MainWindowHost::~MainWindowHost() = default;

void MainWindowHost::closeEvent(QCloseEvent* event)
{
    if (on_close)
        on_close();
    QMainWindow::closeEvent(event);
}

// Enter presses the focused button, as on Windows; the main window has no
// default button, so elsewhere Enter goes to the control as it would.
void MainWindowHost::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_binding->userPressedEnter())
        return;
    QMainWindow::keyPressEvent(event);
}

void MainWindowHost::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        m_centred = true;
        centreOnScreen();
    }
    QMainWindow::showEvent(event);
    // The focus frame shows from the start, not only once Tab is pressed:
    // an arrow key changes the list that has the focus. Showing clears it.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void MainWindowHost::centreOnScreen()
{
    QScreen* screen = this->screen();
    if (!screen)
        return;
    QRect area = screen->availableGeometry();
    QSize outer = frameGeometry().size().expandedTo(size());
    move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
}

}
