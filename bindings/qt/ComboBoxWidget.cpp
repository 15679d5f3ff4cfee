#include "bindings/qt/ComboBoxWidget.h"

#include "ui/binding/HeldPick.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>

#include <algorithm>

namespace trevalo::qt {

namespace {

// The application's style, with the drop-down as a list below the box
// that shows a limited number of items, not a menu over it.
class DropDownStyle final : public QProxyStyle {
public:
    explicit DropDownStyle(QStyle* base)
        : QProxyStyle(base)
    {
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
        QStyleHintReturn* returned) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// One for all the lists, made anew should the application change styles;
// none for a style the factory cannot make again.
QStyle* dropDownStyle()
{
    static QPointer<DropDownStyle> made;
    const QString base = QApplication::style()->name();
    if (made && made->baseStyle()->name() == base)
        return made;
    QStyle* style = QStyleFactory::create(base);
    if (!style)
        return nullptr;
    made = new DropDownStyle(style);
    made->setParent(qApp);
    return made;
}

// A character the author types, not a key that moves or a shortcut.
bool typedCharacter(const QKeyEvent& key)
{
    const QString text = key.text();
    return !text.isEmpty() && text.at(0).isPrint()
        && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}

ComboBoxWidget::ComboBoxWidget(QWidget* parent)
    : QComboBox(parent)
    , m_type_ahead(ui::HeldPick::pause_ms)
{
    m_clock.start();
    if (QStyle* style = dropDownStyle())
        setStyle(style);
    setMaxVisibleItems(visible_items);
    QObject::connect(this, &QComboBox::activated, this, [this](int index) { activatedAt(index); });
}

int ComboBoxWidget::dropDownWidth() const
{
    const QAbstractItemView* list = view();
    int needed = std::max(width(), list->sizeHintForColumn(0)) + 2 * list->frameWidth();
    if (count() > maxVisibleItems())
        needed += list->verticalScrollBar()->sizeHint().width();
    return needed;
}

// The drop-down's frame takes the list's least width. Its list is made
// only when first opened; typing in it goes by the closed list's rule.
void ComboBoxWidget::showPopup()
{
    view()->installEventFilter(this);
    view()->setMinimumWidth(dropDownWidth());
    QComboBox::showPopup();
}

void ComboBoxWidget::onPick(QObject& context, std::function<void(int, Picked)> picked, std::function<void()> keys_done)
{
    m_context = &context;
    m_on_pick = std::move(picked);
    m_on_keys_done = std::move(keys_done);
}

void ComboBoxWidget::activatedAt(int index)
{
    if (m_context && m_on_pick)
        m_on_pick(index, m_stepping ? Picked::ByStepping : Picked::FromDropDown);
}

void ComboBoxWidget::keysDone()
{
    m_type_ahead.end();
    if (m_context && m_on_keys_done)
        m_on_keys_done();
}

bool ComboBoxWidget::event(QEvent* event)
{
    // Tab moves on before any key handler sees it; the keys are done with
    // the list first, as the pick they made may show the very control Tab
    // should reach next (the Caution a chapter menu brings).
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            keysDone();
    }
    return QComboBox::event(event);
}

// Enter is the window's (the binding core's): it ends a pick the keys made,
// or presses a button.
void ComboBoxWidget::keyPressEvent(QKeyEvent* event)
{
    m_stepping = true;
    if (typedCharacter(*event)) {
        event->accept();
        const std::optional<int> found = typedOn(event->text(), currentIndex());
        if (found && *found != currentIndex()) {
            setCurrentIndex(*found);
            Q_EMIT activated(*found);
        }
    } else {
        m_type_ahead.end();
        QComboBox::keyPressEvent(event);
    }
    m_stepping = false;
}

// In the open drop-down a typed character moves to the item it picks, for
// Enter or a click to take, as the closed list's keys do.
bool ComboBoxWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view() && event->type() == QEvent::KeyPress) {
        if (!typedCharacter(*static_cast<QKeyEvent*>(event))) {
            m_type_ahead.end();
            return QComboBox::eventFilter(watched, event);
        }
        QAbstractItemView& list = *view();
        if (const std::optional<int> found = typedOn(static_cast<QKeyEvent*>(event)->text(), list.currentIndex().row()))
            list.setCurrentIndex(list.model()->index(*found, modelColumn(), list.rootIndex()));
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

std::optional<int> ComboBoxWidget::typedOn(const QString& text, int shown)
{
    std::vector<std::string> items;
    items.reserve(std::size_t(count()));
    for (int i = 0; i < count(); ++i)
        items.push_back(itemText(i).toStdString());
    const std::optional<std::size_t> found = m_type_ahead.typed(items,
        shown >= 0 ? std::optional<std::size_t>(std::size_t(shown)) : std::nullopt, text.toStdString(),
        static_cast<unsigned long>(m_clock.elapsed()));
    if (!found)
        return std::nullopt;
    return int(*found);
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
    keysDone();
}

}
