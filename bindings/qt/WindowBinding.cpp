#include "bindings/qt/WindowBinding.h"

#include "bindings/qt/CommonProperties.h"
#include "bindings/qt/FolderDrops.h"
#include "bindings/qt/KindAdapter.h"
#include "bindings/qt/MenuEntryAdapter.h"
#include "bindings/qt/ShortcutKeys.h"
#include "bindings/qt/WindowAdapter.h"
#include "ui/MenuEntry.h"
#include "ui/Window.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>

namespace trevalo::qt {

using ui::Control;
using ui::ControlKind;
using ui::MirrorTracker;
using ui::Stacking;

namespace {

// How often work waiting behind a box or window over its own looks again.
constexpr int work_waiting_ms = 50;

}

WindowBinding::WindowBinding(ui::Window& window, QWidget& client, QMenuBar* menu_bar)
    : m_window(window)
    , m_client(client)
    , m_menu_bar(menu_bar)
    , m_scale(PixelScale::forScreen(client.screen()))
    , m_tracker(window)
    , m_context(std::make_unique<QObject>())
    , m_pick_timer(*m_context, [this] { m_core.timerFired(); })
    , m_core(window, m_tracker, *this, m_pick_timer)
    , m_work_timer(std::make_unique<QTimer>())
{
    // The window's font and colours go on the client first, and each widget
    // is mirrored as soon as it exists, before any widget inside it: most
    // controls then start with the font and palette they need, rather than
    // being handed a container's later and relaying out for it.
    WindowAdapter::mirror(m_window, m_client);
    m_tracker.mirrored(m_window);
    m_building = true;
    for (Control* control : m_tracker.controls()) {
        if (MirrorTracker::showsNow(*control))
            ensureWidget(*control, m_entries[control]);
    }
    m_building = false;
    // Every widget exists before any is raised or lowered, so the stacking
    // the model asks for holds against siblings created later.
    for (Control* control : m_tracker.controls()) {
        Entry& entry = m_entries[control];
        if (entry.widget)
            applyStacking(*control, entry);
    }
    QObject::connect(qApp, &QApplication::focusChanged, m_context.get(),
        [this](QWidget*, QWidget* now) { userFocused(now); });
    // Labels and pictures have no events of their own: a click on one is a
    // click on the window (About closes on a click anywhere).
    m_background = WindowAdapter::connect(m_window, m_client, m_core, [this](const QWidget* widget) {
        const Control* control = controlFor(widget);
        return control && (control->kind() == ControlKind::Label || control->kind() == ControlKind::Picture);
    });
    m_drops = std::make_unique<FolderDrops>(m_window, *m_client.window(), m_core);
    QObject::connect(m_work_timer.get(), &QTimer::timeout, m_context.get(), [this] { workStep(); });
    mirror();
}

WindowBinding::~WindowBinding() = default;

bool WindowBinding::hasMenuEntries(const ui::Window& window)
{
    for (const Control* control : window.controls()) {
        if (control->kind() == ControlKind::MenuEntry)
            return true;
    }
    return false;
}

QWidget* WindowBinding::widgetFor(const Control& control)
{
    auto it = m_entries.find(&control);
    if (it == m_entries.end())
        return nullptr;
    ensureWidget(*m_tracker.controls()[m_tracker.order(control)], it->second);
    return it->second.widget;
}

QAction* WindowBinding::actionFor(const ui::MenuEntry& entry) const
{
    auto it = m_entries.find(&entry);
    return it == m_entries.end() ? nullptr : it->second.action;
}

Control* WindowBinding::controlFor(const QWidget* widget) const
{
    for (const QWidget* w = widget; w && w != &m_client; w = w->parentWidget()) {
        auto it = m_controls.find(w);
        if (it != m_controls.end())
            return it->second;
        // A list's drop-down is a window of its own but still part of the
        // list; any other window is not ours.
        if (w->isWindow() && w->windowType() != Qt::Popup)
            return nullptr;
    }
    return nullptr;
}

// Makes the control's widget (or action) if it has none yet, and mirrors it.
void WindowBinding::ensureWidget(Control& control, Entry& entry)
{
    if (entry.widget || entry.action)
        return;
    create(control, entry);
    mirrorEntry(control, entry);
    if (!m_building && entry.widget)
        settleLateWidget(control, entry);
}

void WindowBinding::create(Control& control, Entry& entry)
{
    if (control.kind() == ControlKind::MenuEntry) {
        auto& menu = static_cast<ui::MenuEntry&>(control);
        entry.action = MenuEntryAdapter::create(menu, menuHolding(control), m_client);
        MenuEntryAdapter::connect(menu, *entry.action, *m_context, m_core);
        bindShortcut(control);
        return;
    }
    entry.adapter = KindAdapter::of(control.kind());
    if (!entry.adapter)
        return;
    QWidget* widget = entry.adapter->create(control, *parentWidgetFor(control));
    widget->setObjectName(QString::fromStdString(control.name()));
    entry.widget = widget;
    m_controls[widget] = &control;
    entry.adapter->connect(control, *widget, *m_context, m_core);
    bindShortcut(control);
}

// A widget made after the others goes on top of its siblings and last in
// the Tab order; this puts it where it would be had it been made with them,
// in the model's order.
void WindowBinding::settleLateWidget(const Control& control, Entry& entry)
{
    QWidget* widget = entry.widget;
    // Raised and lowered ones were placed by mirroring; a normal one lies
    // under every raised sibling and every normal one that comes after it.
    if (control.stacking() == Stacking::Normal) {
        const std::size_t order = m_tracker.order(control);
        for (QObject* child : widget->parentWidget()->children()) {
            auto* sibling = qobject_cast<QWidget*>(child);
            auto it = m_controls.find(sibling);
            if (!sibling || sibling == widget || it == m_controls.end())
                continue;
            const Control& other = *it->second;
            if (other.stacking() == Stacking::Raised
                || (other.stacking() == Stacking::Normal && m_tracker.order(other) > order)) {
                widget->stackUnder(sibling);
                break;
            }
        }
    }
    QWidget* previous = nullptr;
    for (Control* each : m_tracker.controls()) {
        QWidget* next = m_entries[each].widget;
        if (!next || next->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

// The drop-down of the entry holding the control, or the menu bar.
QWidget* WindowBinding::menuHolding(const Control& control)
{
    Control* container = control.container();
    if (!container || container->kind() != ControlKind::MenuEntry)
        return m_menu_bar;
    Entry& holder = m_entries[container];
    ensureWidget(*container, holder);
    if (holder.action && holder.action->menu())
        return holder.action->menu();
    return m_menu_bar;
}

QWidget* WindowBinding::parentWidgetFor(const Control& control)
{
    Control* container = control.container();
    if (!container || container == &m_window)
        return &m_client;
    QWidget* parent = widgetFor(*container);
    return parent ? parent : &m_client;
}

// A control's key runs it from anywhere in its window, the same way a click
// does, and only while the control is usable.
void WindowBinding::bindShortcut(Control& control)
{
    const QKeySequence keys = ShortcutKeys::of(control);
    if (keys.isEmpty())
        return;
    auto* shortcut = new QShortcut(keys, &m_client, nullptr, nullptr, Qt::WindowShortcut);
    shortcut->setObjectName(QString::fromStdString(control.name() + "Shortcut"));
    QObject::connect(shortcut, &QShortcut::activated, m_context.get(), [this, &control] { m_core.clicked(control); });
}

bool WindowBinding::userPressedEnter()
{
    return m_core.pressedEnter() == ui::Took::Yes;
}

void WindowBinding::userCancelled()
{
    m_core.cancelled();
}

// The window's own focus: keys come to this window.
Control* WindowBinding::keyboardFocus() const
{
    return controlFor(m_client.window()->focusWidget());
}

void WindowBinding::userFocused(QWidget* now)
{
    if (Control* control = controlFor(now))
        m_core.userFocused(*control);
}

void WindowBinding::mirror()
{
    if (m_tracker.changed(m_window)) {
        WindowAdapter::mirror(m_window, m_client);
        m_tracker.mirrored(m_window);
    }
    auto has_widget = [this](const Control& control, std::size_t) {
        const Entry& entry = m_entries[&control];
        return entry.widget || entry.action;
    };
    m_tracker.walk(has_widget, [this](Control& control, std::size_t) { ensureWidget(control, m_entries[&control]); },
        [this](Control& control, std::size_t) { mirrorEntry(control, m_entries[&control]); });
    mirrorFocus();
    scheduleWork();
    // A window the model hides is done with, as when the user closes it.
    QWidget* top = m_client.window();
    if (!m_window.visible() && top->isVisible())
        top->close();
    if (on_mirrored)
        on_mirrored();
}

// A zero-interval timer runs when the event loop has nothing else to do,
// so the user's clicks (Cancel) reach the model between two steps.
void WindowBinding::scheduleWork()
{
    if (m_window.hasWork() && !m_work_timer->isActive())
        m_work_timer->start(0);
}

void WindowBinding::workStep()
{
    if (!m_window.hasWork()) {
        m_work_timer->stop();
        return;
    }
    // A box or window an operation opened over this one is about the
    // window as it was; the work goes on once it has closed.
    QWidget* modal = QApplication::activeModalWidget();
    if ((modal && modal != m_client.window()) || m_core.inEvent()) {
        m_work_timer->setInterval(work_waiting_ms);
        return;
    }
    m_work_timer->setInterval(0);
    m_core.runWork();
    if (!m_window.hasWork())
        m_work_timer->stop();
}

void WindowBinding::mirrorEntry(Control& control, Entry& entry)
{
    if (entry.action) {
        MenuEntryAdapter::mirror(control, *entry.action);
    } else if (entry.widget) {
        QSignalBlocker blocker(entry.widget);
        CommonProperties::mirror(control, *entry.widget, *entry.adapter, m_scale);
        if (!m_building)
            applyStacking(control, entry);
        entry.adapter->mirror(control, *entry.widget);
        if (entry.adapter->shapesChildren()) {
            // The children come later in the same pass.
            for (Control* child : control.children())
                m_tracker.markStale(*child);
        }
    }
    m_tracker.mirrored(control);
}

void WindowBinding::applyStacking(const Control& control, Entry& entry)
{
    if (entry.stacked && entry.applied_stacking == control.stacking())
        return;
    if (control.stacking() == Stacking::Raised)
        entry.widget->raise();
    else if (control.stacking() == Stacking::Lowered)
        entry.widget->lower();
    entry.stacked = true;
    entry.applied_stacking = control.stacking();
}

void WindowBinding::mirrorFocus()
{
    if (Control* focus = m_core.focusToShow()) {
        if (QWidget* widget = widgetFor(*focus))
            widget->setFocus(Qt::OtherFocusReason);
    }
    // Qt drops the keyboard when its control goes out of use (an operation
    // turned off the frame it is in), and an author without a mouse would
    // be left with a window where no key reaches anything: it goes to the
    // first control Tab can reach, as the Windows window gives it.
    QWidget* top = m_client.window();
    if (!top->isActiveWindow() || top->focusWidget())
        return;
    for (Control* control : m_tracker.controls()) {
        QWidget* widget = m_entries[control].widget;
        if (widget && (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled()) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

}
