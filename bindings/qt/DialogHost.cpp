#include "bindings/qt/DialogHost.h"

#include "ui/Window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>
#include <QMenuBar>
#include <QVBoxLayout>

namespace trevalo::qt {

using namespace ui;

DialogHost::DialogHost(Window& window, QWidget* parent)
    : QDialog(parent)
    , m_client(new QWidget(this))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QMenuBar* menu_bar = nullptr;
    if (WindowBinding::hasMenuEntries(window)) {
        menu_bar = new QMenuBar(this);
        layout->setMenuBar(menu_bar);
    }
    layout->addWidget(m_client);
    m_binding = std::make_unique<WindowBinding>(window, *m_client, menu_bar);

    m_client->setFixedSize(m_binding->scale().size(window.clientWidth(), window.clientHeight()));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

DialogHost::~DialogHost() = default;

void DialogHost::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The focus frame shows from the start, not only once Tab is pressed;
    // showing clears it. Where the model gives no control the focus, the
    // first one Tab would reach has it.
    setAttribute(Qt::WA_KeyboardFocusChange);
    if (!focusWidget())
        focusNextChild();
}

void DialogHost::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        m_binding->userCancelled();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_binding->userPressedEnter())
            return;
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

// The close box as Escape; closing because the model hid its window (the
// binding closes it then) goes through as it is.
void DialogHost::closeEvent(QCloseEvent* event)
{
    if (m_binding->window().visible()) {
        m_binding->userCancelled();
        if (m_binding->window().visible()) {
            event->ignore();
            return;
        }
    }
    QDialog::closeEvent(event);
}

}
