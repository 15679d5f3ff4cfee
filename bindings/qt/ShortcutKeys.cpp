#include "bindings/qt/ShortcutKeys.h"

#include "ui/Control.h"
#include "ui/binding/Shortcut.h"

namespace trevalo::qt {

namespace {

Qt::Key keyOf(const ui::Shortcut& shortcut)
{
    using Key = ui::Shortcut::Key;
    switch (shortcut.key) {
    case Key::Character:
        if (shortcut.character >= '0' && shortcut.character <= '9')
            return Qt::Key(Qt::Key_0 + (shortcut.character - '0'));
        return Qt::Key(Qt::Key_A + (shortcut.character - 'A'));
    case Key::Function:
        return Qt::Key(Qt::Key_F1 + (shortcut.function - 1));
    case Key::Escape:
        return Qt::Key_Escape;
    case Key::Enter:
        return Qt::Key_Return;
    case Key::Tab:
        return Qt::Key_Tab;
    case Key::Space:
        return Qt::Key_Space;
    case Key::Backspace:
        return Qt::Key_Backspace;
    case Key::Delete:
        return Qt::Key_Delete;
    case Key::Insert:
        return Qt::Key_Insert;
    case Key::Home:
        return Qt::Key_Home;
    case Key::End:
        return Qt::Key_End;
    case Key::PageUp:
        return Qt::Key_PageUp;
    case Key::PageDown:
        return Qt::Key_PageDown;
    case Key::Left:
        return Qt::Key_Left;
    case Key::Right:
        return Qt::Key_Right;
    case Key::Up:
        return Qt::Key_Up;
    case Key::Down:
        return Qt::Key_Down;
    }
    return Qt::Key_unknown;
}

}

QKeySequence ShortcutKeys::of(const ui::Shortcut& shortcut)
{
    Qt::KeyboardModifiers modifiers;
    if (shortcut.modifiers & ui::Shortcut::Ctrl)
        modifiers |= Qt::ControlModifier;
    if (shortcut.modifiers & ui::Shortcut::Shift)
        modifiers |= Qt::ShiftModifier;
    if (shortcut.modifiers & ui::Shortcut::Alt)
        modifiers |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(modifiers, keyOf(shortcut)));
}

QKeySequence ShortcutKeys::of(const ui::Control& control)
{
    const std::optional<ui::Shortcut> shortcut = ui::Shortcut::parse(control.shortcut());
    return shortcut ? of(*shortcut) : QKeySequence();
}

}
