#include "qt/DialogHost.h"

#include "ui/Window.h"

#include <QKeyEvent>
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

void DialogHost::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

}
