#include "bindings/qt/MenuEntryAdapter.h"

#include "bindings/qt/TextMapping.h"
#include "ui/MenuEntry.h"
#include "ui/binding/BindingEvents.h"

#include <QAction>
#include <QMenu>
#include <QSignalBlocker>

#include <algorithm>

namespace trevalo::qt {

bool MenuEntryAdapter::opensMenu(const ui::Control& entry)
{
    const auto& children = entry.children();
    return std::any_of(children.begin(), children.end(),
        [](const ui::Control* child) { return child->kind() == ui::ControlKind::MenuEntry; });
}

bool MenuEntryAdapter::isItem(const ui::Control& entry)
{
    return entry.container() && entry.container()->kind() == ui::ControlKind::MenuEntry;
}

QAction* MenuEntryAdapter::create(ui::MenuEntry& entry, QWidget* into, QWidget& owner)
{
    QAction* action = nullptr;
    if (opensMenu(entry)) {
        auto* menu = new QMenu(into ? into : &owner);
        menu->setObjectName(QString::fromStdString(entry.name() + "Menu"));
        action = menu->menuAction();
    } else {
        action = new QAction(into ? static_cast<QObject*>(into) : &owner);
    }
    action->setObjectName(QString::fromStdString(entry.name()));
    if (into)
        into->addAction(action);
    return action;
}

// An entry that opens a drop-down runs nothing itself: choosing it opens
// the drop-down, and its items go to the model.
void MenuEntryAdapter::connect(ui::MenuEntry& entry, QAction& action, QObject& context, ui::BindingEvents& events)
{
    if (opensMenu(entry))
        return;
    QObject::connect(&action, &QAction::triggered, &context, [&entry, &events] {
        events.clicked(entry);
    });
}

void MenuEntryAdapter::mirror(const ui::Control& control, QAction& action)
{
    QSignalBlocker blocker(&action);
    // An item of a drop-down names its key beside it, as menus do; the
    // key itself is the binding's window shortcut, so the action has none.
    const QString text
        = isItem(control) ? TextMapping::menuItem(control) : TextMapping::caption(control.displayText(), control.mnemonic());
    if (action.text() != text)
        action.setText(text);
    if (action.isEnabled() != control.enabled())
        action.setEnabled(control.enabled());
    if (action.isVisible() != control.visible())
        action.setVisible(control.visible());
    const QString tip = TextMapping::tooltip(control);
    if (action.toolTip() != tip)
        action.setToolTip(tip);
}

}
