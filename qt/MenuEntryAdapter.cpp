#include "qt/MenuEntryAdapter.h"

#include "qt/BindingEvents.h"
#include "qt/TextMapping.h"
#include "ui/MenuEntry.h"
#include "ui/UserEvents.h"

#include <QAction>
#include <QMenuBar>
#include <QSignalBlocker>

namespace trevalo::qt {

QAction* MenuEntryAdapter::create(ui::MenuEntry& entry, QMenuBar* menu_bar, QObject& owner)
{
    auto* action = new QAction(menu_bar ? static_cast<QObject*>(menu_bar) : &owner);
    action->setObjectName(QString::fromStdString(entry.name()));
    if (menu_bar)
        menu_bar->addAction(action);
    return action;
}

void MenuEntryAdapter::connect(ui::MenuEntry& entry, QAction& action, QObject& context, BindingEvents& events)
{
    QObject::connect(&action, &QAction::triggered, &context, [&entry, &events] {
        ui::userClicked(entry);
        events.handled(entry);
    });
}

void MenuEntryAdapter::mirror(const ui::Control& control, QAction& action)
{
    QSignalBlocker blocker(&action);
    const QString text = TextMapping::caption(control.displayText(), control.mnemonic());
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
