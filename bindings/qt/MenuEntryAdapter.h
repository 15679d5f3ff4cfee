#pragma once

class QAction;
class QObject;
class QWidget;

namespace trevalo::ui {
class BindingEvents;
class Control;
class MenuEntry;
}

namespace trevalo::qt {

// A menu entry: an action on the window's menu bar, or in the drop-down of
// the entry that contains it; an entry that contains others opens a
// drop-down (a QMenu) with them instead of running anything. For a window
// without a menu bar the action is only reached by its shortcut. Choosing
// an entry goes to the model.
class MenuEntryAdapter {
public:
    // `into` is the menu bar or the containing entry's drop-down, or null;
    // `owner` keeps an action that is in neither.
    static QAction* create(ui::MenuEntry&, QWidget* into, QWidget& owner);
    static void connect(ui::MenuEntry&, QAction&, QObject& context, ui::BindingEvents&);
    static void mirror(const ui::Control&, QAction&);

    // Whether the entry holds other entries, its drop-down's items.
    static bool opensMenu(const ui::Control&);
    // Whether the entry is an item of another entry's drop-down.
    static bool isItem(const ui::Control&);
};

}
