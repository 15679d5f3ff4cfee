#pragma once

#include <QKeySequence>

namespace trevalo::ui {
class Control;
struct Shortcut;
}

namespace trevalo::qt {

// A control's shortcut as Qt's key sequence: the model's text read once by
// ui::Shortcut, then its modifiers and key in Qt's terms. An empty
// sequence for a control without one. It binds nothing.
class ShortcutKeys {
public:
    static QKeySequence of(const ui::Control&);
    static QKeySequence of(const ui::Shortcut&);
};

}
