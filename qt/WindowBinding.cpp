#include "qt/WindowBinding.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/MenuEntry.h"
#include "ui/OptionButton.h"
#include "ui/TextBox.h"
#include "ui/Window.h"
#include "qt/ColourMapping.h"
#include "qt/FontMapping.h"
#include "qt/FrameWidget.h"
#include "qt/Images.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStringList>
#include <QTextOption>

#include <optional>

namespace trevalo::qt {

using namespace ui;

namespace {

// The model keeps CR LF where a text has line breaks; Qt wants LF.
QString shown(const std::string& text)
{
    QString result = QString::fromStdString(text);
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

// Button-like widgets and group boxes read "&" as a shortcut marker; the
// model's captions are plain text, and its mnemonic letter (if any) gets the
// marker at its first place in the caption.
QString caption(const std::string& text, char mnemonic = '\0')
{
    QString result = shown(text);
    result.replace(QLatin1Char('&'), QLatin1String("&&"));
    if (mnemonic) {
        const int at = result.indexOf(QLatin1Char(mnemonic), 0, Qt::CaseInsensitive);
        if (at >= 0)
            result.insert(at, QLatin1Char('&'));
    }
    return result;
}

// The tooltip as shown: the model's, with the control's shortcut after it so
// the key can be learnt where the control is.
QString tooltipFor(const Control& control)
{
    QString tip = QString::fromStdString(control.tooltip());
    if (control.shortcut().empty())
        return tip;
    if (tip.isEmpty())
        tip = shown(control.displayText());
    const QKeySequence keys(QString::fromStdString(control.shortcut()), QKeySequence::PortableText);
    return tip + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) + QLatin1Char(')');
}

// Whether the control is placed wholly outside its container's area, where
// no part of it can show.
bool outsideContainer(const Control& control)
{
    const Control* container = control.container();
    if (!container)
        return false;
    const Place& place = control.place();
    const Place& area = container->place();
    return !(place.left < area.width && place.top < area.height && place.right() > 0 && place.bottom() > 0);
}

// Whether any part of the control can show: not lowered under another
// control, and not placed wholly outside its container's area.
bool canBeSeen(const Control& control)
{
    return control.stacking() != Stacking::Lowered && !outsideContainer(control);
}

// Whether the control needs its widget for the window as it shows now. A
// widget nobody can see yet costs start-up time for nothing, so it is made
// when the control first shows or its widget is asked for. Menu entries
// always need theirs: the menu bar lists them.
bool showsNow(const Control& control)
{
    return control.kind() == ControlKind::MenuEntry || (control.visible() && !outsideContainer(control));
}

bool isMultiLine(const Control& control)
{
    return control.kind() == ControlKind::TextBox && static_cast<const TextBox&>(control).lines() == Lines::Multi;
}

bool paintsPanel(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::Frame || kind == ControlKind::CheckBox
        || kind == ControlKind::OptionButton || kind == ControlKind::Picture;
}

Qt::Alignment qtAlignment(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Left:
        return Qt::AlignLeft | Qt::AlignTop;
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Alignment::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

Qt::CheckState checkState(int value)
{
    switch (value) {
    case Unchecked:
        return Qt::Unchecked;
    case Grey:
        return Qt::PartiallyChecked;
    default:
        return Qt::Checked;
    }
}

bool showsBar(ScrollBars bars, Qt::Orientation orientation)
{
    if (bars == ScrollBars::Both)
        return true;
    return orientation == Qt::Vertical ? bars == ScrollBars::Vertical : bars == ScrollBars::Horizontal;
}

}

// Watches the client widget for clicks on the window's own background: a
// press and a release where no control lies.
class WindowBinding::BackgroundClicks final : public QObject {
public:
    BackgroundClicks(QWidget& client, std::function<void()> clicked)
        : m_client(client)
        , m_clicked(std::move(clicked))
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
        QPoint at = mouse->position().toPoint();
        bool on_background = mouse->button() == Qt::LeftButton && m_client.rect().contains(at) && !m_client.childAt(at);
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressed = on_background;
        } else if (m_pressed && on_background) {
            m_pressed = false;
            m_clicked();
        }
        return false;
    }

private:
    QWidget& m_client;
    std::function<void()> m_clicked;
    bool m_pressed = false;
};

WindowBinding::WindowBinding(Window& window, QWidget& client, QMenuBar* menu_bar)
    : m_window(window)
    , m_client(client)
    , m_menu_bar(menu_bar)
    , m_scale(PixelScale::forScreen(client.screen()))
    , m_context(std::make_unique<QObject>())
{
    // The window's font and colours go on the client first, and each widget
    // is mirrored as soon as it exists, before any widget inside it: most
    // controls then start with the font and palette they need, rather than
    // being handed a container's later and relaying out for it.
    mirrorWindow();
    const std::vector<Control*>& controls = m_window.controls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        m_entries[controls[i]].order = i;
    m_building = true;
    for (Control* control : controls) {
        if (showsNow(*control))
            ensureWidget(*control, m_entries[control]);
    }
    m_building = false;
    // Every widget exists before any is raised or lowered, so the stacking
    // the model asks for holds against siblings created later.
    for (Control* control : m_window.controls()) {
        Entry& entry = m_entries[control];
        if (entry.widget)
            applyStacking(*control, entry);
    }
    QObject::connect(qApp, &QApplication::focusChanged, m_context.get(),
        [this](QWidget*, QWidget* now) { userFocused(now); });
    m_background = std::make_unique<BackgroundClicks>(m_client, [this] {
        forward(m_window, [this] {
            if (m_window.on_click)
                m_window.on_click();
        });
    });
    mirror();
}

WindowBinding::~WindowBinding() = default;

bool WindowBinding::hasMenuEntries(const Window& window)
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
    Entry& entry = it->second;
    ensureWidget(*m_window.controls()[entry.order], entry);
    return entry.widget;
}

// Makes the control's widget (or action) if it has none yet, and mirrors it.
void WindowBinding::ensureWidget(Control& control, Entry& entry)
{
    if (control.kind() == ControlKind::Window || entry.widget || entry.action)
        return;
    create(control);
    mirrorEntry(control, entry);
    if (!m_building && entry.widget)
        settleLateWidget(control, entry);
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
        for (QObject* child : widget->parentWidget()->children()) {
            auto* sibling = qobject_cast<QWidget*>(child);
            auto it = m_controls.find(sibling);
            if (!sibling || sibling == widget || it == m_controls.end())
                continue;
            const Control& other = *it->second;
            if (other.stacking() == Stacking::Raised
                || (other.stacking() == Stacking::Normal && m_entries[&other].order > entry.order)) {
                widget->stackUnder(sibling);
                break;
            }
        }
    }
    QWidget* previous = nullptr;
    for (Control* each : m_window.controls()) {
        QWidget* next = m_entries[each].widget;
        if (!next || next->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

QAction* WindowBinding::actionFor(const MenuEntry& entry) const
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

QWidget* WindowBinding::parentWidgetFor(const Control& control)
{
    Control* container = control.container();
    if (!container || container == &m_window)
        return &m_client;
    QWidget* parent = widgetFor(*container);
    return parent ? parent : &m_client;
}

void WindowBinding::create(Control& control)
{
    if (control.kind() == ControlKind::Window)
        return;
    Entry& entry = m_entries[&control];
    if (entry.widget || entry.action)
        return;

    if (control.kind() == ControlKind::MenuEntry) {
        QObject* owner = m_menu_bar ? static_cast<QObject*>(m_menu_bar) : &m_client;
        entry.action = new QAction(owner);
        entry.action->setObjectName(QString::fromStdString(control.name()));
        if (m_menu_bar)
            m_menu_bar->addAction(entry.action);
        connectEvents(control, entry);
        bindShortcut(control);
        return;
    }

    QWidget* parent = parentWidgetFor(control);
    QWidget* widget = nullptr;
    switch (control.kind()) {
    case ControlKind::Frame:
        widget = new FrameWidget(parent);
        break;
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        widget = label;
        break;
    }
    case ControlKind::TextBox:
        // Whether a box is multi-line is a design property: it is read once,
        // here, as the widget kind depends on it.
        if (isMultiLine(control)) {
            auto* edit = new QPlainTextEdit(parent);
            edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            widget = edit;
        } else {
            widget = new QLineEdit(parent);
        }
        break;
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(false);
        widget = combo;
        break;
    }
    case ControlKind::CheckBox:
        widget = new QCheckBox(parent);
        break;
    case ControlKind::OptionButton: {
        // The model keeps its groups itself; Qt must not clear siblings.
        auto* option = new QRadioButton(parent);
        option->setAutoExclusive(false);
        widget = option;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        widget = button;
        break;
    }
    case ControlKind::Picture:
        widget = new QLabel(parent);
        break;
    case ControlKind::Window:
    case ControlKind::MenuEntry:
        return;
    }
    widget->setObjectName(QString::fromStdString(control.name()));
    entry.widget = widget;
    m_controls[widget] = &control;
    connectEvents(control, entry);
    bindShortcut(control);
    // The blocks are read, not typed into: Tab goes on to the next step.
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        edit->setTabChangesFocus(true);
}

// A control's key runs it from anywhere in its window, the same way a click
// does, and only while the control is usable.
void WindowBinding::bindShortcut(Control& control)
{
    if (control.shortcut().empty())
        return;
    auto* shortcut = new QShortcut(QKeySequence(QString::fromStdString(control.shortcut()), QKeySequence::PortableText),
        &m_client, nullptr, nullptr, Qt::WindowShortcut);
    shortcut->setObjectName(QString::fromStdString(control.name() + "Shortcut"));
    QObject::connect(shortcut, &QShortcut::activated, m_context.get(), [this, &control] {
        forward(control, [&control] {
            if (control.kind() == ControlKind::Button)
                static_cast<Button&>(control).click();
            else if (control.kind() == ControlKind::MenuEntry)
                static_cast<MenuEntry&>(control).click();
        });
    });
}

void WindowBinding::connectEvents(Control& control, Entry& entry)
{
    QObject* context = m_context.get();
    switch (control.kind()) {
    case ControlKind::ComboBox: {
        auto& list = static_cast<ComboBox&>(control);
        QObject::connect(static_cast<QComboBox*>(entry.widget), &QComboBox::activated, context, [this, &list](int index) {
            forward(list, [&list, index] {
                if (index >= 0)
                    list.pick(std::size_t(index));
            });
        });
        break;
    }
    case ControlKind::CheckBox: {
        auto& box = static_cast<CheckBox&>(control);
        QObject::connect(static_cast<QCheckBox*>(entry.widget), &QAbstractButton::clicked, context,
            [this, &box] { forward(box, [&box] { box.click(); }); });
        break;
    }
    case ControlKind::OptionButton: {
        auto& option = static_cast<OptionButton&>(control);
        QObject::connect(static_cast<QRadioButton*>(entry.widget), &QAbstractButton::clicked, context,
            [this, &option] { forward(option, [&option] { option.click(); }); });
        break;
    }
    case ControlKind::Button: {
        auto& button = static_cast<Button&>(control);
        QObject::connect(static_cast<QPushButton*>(entry.widget), &QAbstractButton::clicked, context,
            [this, &button] { forward(button, [&button] { button.click(); }); });
        break;
    }
    case ControlKind::MenuEntry: {
        auto& menu = static_cast<MenuEntry&>(control);
        QObject::connect(entry.action, &QAction::triggered, context,
            [this, &menu] { forward(menu, [&menu] { menu.click(); }); });
        break;
    }
    case ControlKind::TextBox:
        // A box the user may type into keeps the model's text in step, so
        // operations read what is shown. Typing runs no operation.
        if (auto* edit = qobject_cast<QPlainTextEdit*>(entry.widget)) {
            QObject::connect(edit, &QPlainTextEdit::textChanged, context,
                [this, &control, edit] { userTyped(control, edit->toPlainText()); });
        } else if (auto* line = qobject_cast<QLineEdit*>(entry.widget)) {
            QObject::connect(line, &QLineEdit::textEdited, context,
                [this, &control](const QString& text) { userTyped(control, text); });
        }
        break;
    case ControlKind::Window:
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::Picture:
        break;
    }
}

void WindowBinding::forward(Control& control, const std::function<void()>& act)
{
    if (control.usable())
        act();
    // Qt has already changed the widget on its own (ticked the box, shown the
    // picked item); whatever the model made of the event, show the model.
    if (control.kind() != ControlKind::Window)
        m_entries[&control].stale = true;
    mirror();
}

void WindowBinding::userTyped(Control& control, const QString& text)
{
    auto& box = static_cast<TextBox&>(control);
    Entry& entry = m_entries[&control];
    if (!box.usable() || box.locked()) {
        entry.stale = true;
        mirror();
        return;
    }
    QString model_text = text;
    if (box.lines() == Lines::Multi)
        model_text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    box.setText(model_text.toStdString());
    entry.mirrored_revision = box.revision();
}

void WindowBinding::userFocused(QWidget* now)
{
    // Where the user puts the focus is the model's focus too; otherwise an
    // operation moving the focus back to where the model last had it would
    // look like no move at all.
    Control* control = controlFor(now);
    if (!control)
        return;
    m_mirrored_focus = control;
    m_window.setFocusedControl(control);
}

void WindowBinding::mirror()
{
    mirrorWindow();
    for (Control* control : m_window.controls()) {
        Entry& entry = m_entries[control];
        if (!entry.widget && !entry.action) {
            if (showsNow(*control))
                ensureWidget(*control, entry);
            continue;
        }
        if (!entry.stale && entry.mirrored_revision == control->revision())
            continue;
        mirrorEntry(*control, entry);
    }
    mirrorFocus();
    // A window the model hides is done with, as when the user closes it.
    QWidget* top = m_client.window();
    if (!m_window.visible() && top->isVisible())
        top->close();
}

void WindowBinding::mirrorEntry(Control& control, Entry& entry)
{
    if (entry.action)
        mirrorAction(control, entry);
    else if (entry.widget)
        mirrorControl(control, entry);
    entry.mirrored_revision = control.revision();
    entry.stale = false;
}

void WindowBinding::mirrorWindow()
{
    QWidget* top = m_client.window();
    QString title = QString::fromStdString(m_window.caption());
    if (top->windowTitle() != title)
        top->setWindowTitle(title);

    // Controls inherit it; most have it, so few need a font of their own.
    QFont font = FontMapping::toQFont(m_window.font());
    if (m_client.font() != font)
        m_client.setFont(font);

    const QPalette& system = QApplication::palette();
    QColor back = ColourMapping::resolve(m_window.backColour(), QPalette::Window, system);
    if (m_client.palette().color(QPalette::Window) != back) {
        QPalette palette = m_client.palette();
        palette.setColor(QPalette::Window, back);
        m_client.setPalette(palette);
    }
    bool fill = back != system.color(QPalette::Window);
    if (m_client.autoFillBackground() != fill)
        m_client.setAutoFillBackground(fill);
}

void WindowBinding::mirrorAction(Control& control, Entry& entry)
{
    QAction& action = *entry.action;
    QSignalBlocker blocker(&action);
    QString text = caption(control.displayText(), control.mnemonic());
    if (action.text() != text)
        action.setText(text);
    if (action.isEnabled() != control.enabled())
        action.setEnabled(control.enabled());
    if (action.isVisible() != control.visible())
        action.setVisible(control.visible());
    QString tip = tooltipFor(control);
    if (action.toolTip() != tip)
        action.setToolTip(tip);
}

void WindowBinding::mirrorControl(Control& control, Entry& entry)
{
    QSignalBlocker blocker(entry.widget);
    mirrorCommon(control, entry);
    mirrorKind(control, *entry.widget);
    if (control.kind() == ControlKind::Frame) {
        // Whether a child paints its own background depends on this frame's
        // colour, and the children come later in the same pass.
        for (Control* child : control.children())
            m_entries[child].stale = true;
    }
}

void WindowBinding::mirrorCommon(Control& control, Entry& entry)
{
    QWidget& widget = *entry.widget;

    QRect rect = m_scale.rect(control.place());
    if (widget.geometry() != rect)
        widget.setGeometry(rect);

    QFont font = FontMapping::toQFont(control.font());
    if (control.kind() == ControlKind::Frame) {
        static_cast<FrameWidget&>(widget).setTitleFont(font);
    } else if (widget.font() != font) {
        widget.setFont(font);
    }

    const QPalette& system = QApplication::palette();
    QPalette palette = ColourMapping::paletteFor(control, widget.palette(), system);
    if (palette != widget.palette())
        widget.setPalette(palette);
    if (paintsPanel(control.kind())) {
        // A frame hides whatever lies under it (the design lowers a focus
        // sink beneath one), so it always paints; other panels only when
        // their colour differs from what would show through.
        bool fill = control.kind() == ControlKind::Frame || ColourMapping::fillsBackground(control, system);
        if (widget.autoFillBackground() != fill)
            widget.setAutoFillBackground(fill);
    }

    QString tip = tooltipFor(control);
    if (widget.toolTip() != tip)
        widget.setToolTip(tip);
    QString name = QString::fromStdString(control.accessibleName().empty() ? control.displayText() : control.accessibleName());
    if (widget.accessibleName() != name)
        widget.setAccessibleName(name);
    QString description = QString::fromStdString(control.accessibleDescription());
    if (widget.accessibleDescription() != description)
        widget.setAccessibleDescription(description);
    // A control that can never be seen (a focus sink under its list, a state
    // holder outside its container) takes the focus only when an operation
    // gives it, never by Tab.
    if (!canBeSeen(control) && widget.focusPolicy() != Qt::NoFocus)
        widget.setFocusPolicy(Qt::NoFocus);

    // A frame disables its children in Qt as in the model, and each child
    // keeps its own setting for when the frame comes back on.
    if (widget.testAttribute(Qt::WA_ForceDisabled) == control.enabled())
        widget.setEnabled(control.enabled());
    if (widget.isHidden() == control.visible())
        widget.setVisible(control.visible());

    if (!m_building)
        applyStacking(control, entry);
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

void WindowBinding::mirrorKind(Control& control, QWidget& widget)
{
    switch (control.kind()) {
    case ControlKind::Frame: {
        auto& group = static_cast<QGroupBox&>(widget);
        QString title = caption(control.displayText());
        if (group.title() != title)
            group.setTitle(title);
        break;
    }
    case ControlKind::Label: {
        auto& model = static_cast<Label&>(control);
        auto& label = static_cast<QLabel&>(widget);
        QString text = shown(model.caption());
        if (label.text() != text)
            label.setText(text);
        Qt::Alignment alignment = qtAlignment(model.alignment());
        if (label.alignment() != alignment)
            label.setAlignment(alignment);
        if (label.wordWrap() != model.wordWrap())
            label.setWordWrap(model.wordWrap());
        break;
    }
    case ControlKind::TextBox: {
        auto& model = static_cast<TextBox&>(control);
        QString text = shown(model.text());
        if (auto* edit = qobject_cast<QPlainTextEdit*>(&widget)) {
            if (edit->toPlainText() != text)
                edit->setPlainText(text);
            if (edit->isReadOnly() != model.locked()) {
                edit->setReadOnly(model.locked());
                // Locked text can still be selected and copied, by mouse
                // and by keyboard.
                if (model.locked())
                    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            }
            auto policy = [&](Qt::Orientation o) {
                return showsBar(model.scrollBars(), o) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
            };
            if (edit->verticalScrollBarPolicy() != policy(Qt::Vertical))
                edit->setVerticalScrollBarPolicy(policy(Qt::Vertical));
            if (edit->horizontalScrollBarPolicy() != policy(Qt::Horizontal))
                edit->setHorizontalScrollBarPolicy(policy(Qt::Horizontal));
            // A horizontal scroll bar means long lines stay whole.
            auto wrap = showsBar(model.scrollBars(), Qt::Horizontal) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth;
            if (edit->lineWrapMode() != wrap)
                edit->setLineWrapMode(wrap);
        } else if (auto* line = qobject_cast<QLineEdit*>(&widget)) {
            if (line->text() != text)
                line->setText(text);
            if (line->isReadOnly() != model.locked())
                line->setReadOnly(model.locked());
        }
        break;
    }
    case ControlKind::ComboBox: {
        auto& model = static_cast<ComboBox&>(control);
        auto& combo = static_cast<QComboBox&>(widget);
        QStringList items;
        items.reserve(int(model.items().size()));
        for (const std::string& item : model.items())
            items.append(QString::fromStdString(item));
        bool same_items = combo.count() == items.size();
        for (int i = 0; same_items && i < items.size(); ++i)
            same_items = combo.itemText(i) == items[i];
        if (!same_items) {
            combo.clear();
            combo.addItems(items);
        }
        // A shown text that is not an item is shown all the same, as the
        // placeholder of a list with nothing selected.
        std::optional<std::size_t> index = model.indexOf(model.text());
        int current = index ? int(*index) : -1;
        QString placeholder = index ? QString() : shown(model.text());
        if (combo.placeholderText() != placeholder)
            combo.setPlaceholderText(placeholder);
        if (combo.currentIndex() != current)
            combo.setCurrentIndex(current);
        break;
    }
    case ControlKind::CheckBox: {
        auto& model = static_cast<CheckBox&>(control);
        auto& box = static_cast<QCheckBox&>(widget);
        QString text = caption(model.caption(), model.mnemonic());
        if (box.text() != text)
            box.setText(text);
        Qt::CheckState state = checkState(model.value());
        if (box.checkState() != state)
            box.setCheckState(state);
        break;
    }
    case ControlKind::OptionButton: {
        auto& model = static_cast<OptionButton&>(control);
        auto& option = static_cast<QRadioButton&>(widget);
        QString text = caption(model.caption(), model.mnemonic());
        if (option.text() != text)
            option.setText(text);
        if (option.isChecked() != model.value())
            option.setChecked(model.value());
        break;
    }
    case ControlKind::Button: {
        auto& button = static_cast<QPushButton&>(widget);
        QString text = caption(control.displayText(), control.mnemonic());
        if (button.text() != text)
            button.setText(text);
        break;
    }
    case ControlKind::Picture: {
        auto& picture = static_cast<QLabel&>(widget);
        QString name = QString::fromStdString(control.displayText());
        if (picture.property("image").toString() != name || picture.pixmap().size() != picture.size()) {
            picture.setProperty("image", name);
            picture.setPixmap(Images::pixmap(control.displayText(), picture.size()));
        }
        break;
    }
    case ControlKind::Window:
    case ControlKind::MenuEntry:
        break;
    }
}

void WindowBinding::mirrorFocus()
{
    Control* focus = m_window.focusedControl();
    if (focus == m_mirrored_focus)
        return;
    m_mirrored_focus = focus;
    if (!focus)
        return;
    if (QWidget* widget = widgetFor(*focus))
        widget->setFocus(Qt::OtherFocusReason);
}

}
