#pragma once

class QAction;
class QMenuBar;
class QObject;

namespace trevalo::ui {
class Control;
class MenuEntry;
}

namespace trevalo::qt {

class BindingEvents;

// A menu entry: an action on the window's menu bar (or, for a window
// without one, an action that only its shortcut reaches). Choosing it goes
// to the model.
class MenuEntryAdapter {
public:
    static QAction* create(ui::MenuEntry&, QMenuBar*, QObject& owner);
    static void connect(ui::MenuEntry&, QAction&, QObject& context, BindingEvents&);
    static void mirror(const ui::Control&, QAction&);
};

}
