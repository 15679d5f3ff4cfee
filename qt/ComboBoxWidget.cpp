#include "qt/ComboBoxWidget.h"

#include <QApplication>
#include <QKeyEvent>

namespace trevalo::qt {

ComboBoxWidget::ComboBoxWidget(QWidget* parent)
    : QComboBox(parent)
{
    // The pause after which Qt starts a new type-ahead search: a pick
    // typed within it is still being typed.
    m_pause.setSingleShot(true);
    m_pause.setInterval(QApplication::keyboardInputInterval());
    QObject::connect(&m_pause, &QTimer::timeout, this, [this] { release(); });
    QObject::connect(this, &QComboBox::activated, this, [this](int index) { activatedAt(index); });
}

void ComboBoxWidget::onPick(QObject& context, std::function<void(int, Picked)> handler)
{
    m_context = &context;
    m_on_pick = std::move(handler);
}

void ComboBoxWidget::pick(int index, Picked how)
{
    if (m_context && m_on_pick)
        m_on_pick(index, how);
}

void ComboBoxWidget::activatedAt(int index)
{
    if (m_stepping) {
        m_held = index;
        m_pause.start();
        return;
    }
    m_held.reset();
    m_pause.stop();
    pick(index, Picked::FromDropDown);
}

void ComboBoxWidget::release()
{
    m_pause.stop();
    if (!m_held)
        return;
    const int index = *m_held;
    m_held.reset();
    pick(index, Picked::ByStepping);
}

bool ComboBoxWidget::event(QEvent* event)
{
    // Tab moves on before any key handler sees it; the held pick goes
    // first, as it may show the very control Tab should reach next (the
    // Caution a chapter menu brings).
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            release();
    }
    // A shortcut (Ctrl+1 copies a block, F1 opens About) acts on the pick
    // made; every key comes this way first, the stepping ones too.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool shortcut = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            || (key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F35);
        if (shortcut)
            release();
    }
    return QComboBox::event(event);
}

void ComboBoxWidget::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_held) {
        release();
        return;
    }
    m_stepping = true;
    QComboBox::keyPressEvent(event);
    m_stepping = false;
}

void ComboBoxWidget::wheelEvent(QWheelEvent* event)
{
    m_stepping = true;
    QComboBox::wheelEvent(event);
    m_stepping = false;
}

// The focus has already moved on (Tab, a click) when this comes: whatever
// the pick's operation does to the focus, the binding keeps it there.
void ComboBoxWidget::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    release();
}

}
