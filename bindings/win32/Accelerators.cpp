#include "bindings/win32/Accelerators.h"

#include "ui/binding/Shortcut.h"

namespace trevalo::win32 {

namespace {

WORD keyOf(const ui::Shortcut& shortcut)
{
    using Key = ui::Shortcut::Key;
    switch (shortcut.key) {
    case Key::Character:
        // Letters and digits are their own virtual keys, upper case.
        return WORD(shortcut.character);
    case Key::Function:
        return WORD(VK_F1 + shortcut.function - 1);
    case Key::Escape:
        return VK_ESCAPE;
    case Key::Enter:
        return VK_RETURN;
    case Key::Tab:
        return VK_TAB;
    case Key::Space:
        return VK_SPACE;
    case Key::Backspace:
        return VK_BACK;
    case Key::Delete:
        return VK_DELETE;
    case Key::Insert:
        return VK_INSERT;
    case Key::Home:
        return VK_HOME;
    case Key::End:
        return VK_END;
    case Key::PageUp:
        return VK_PRIOR;
    case Key::PageDown:
        return VK_NEXT;
    case Key::Left:
        return VK_LEFT;
    case Key::Right:
        return VK_RIGHT;
    case Key::Up:
        return VK_UP;
    case Key::Down:
        return VK_DOWN;
    }
    return 0;
}

}

ACCEL Accelerators::of(const ui::Shortcut& shortcut, WORD command)
{
    ACCEL accel {};
    accel.fVirt = FVIRTKEY;
    if (shortcut.modifiers & ui::Shortcut::Ctrl)
        accel.fVirt |= FCONTROL;
    if (shortcut.modifiers & ui::Shortcut::Shift)
        accel.fVirt |= FSHIFT;
    if (shortcut.modifiers & ui::Shortcut::Alt)
        accel.fVirt |= FALT;
    accel.key = keyOf(shortcut);
    accel.cmd = command;
    return accel;
}

std::optional<ACCEL> Accelerators::parse(std::string_view keys, WORD command)
{
    const std::optional<ui::Shortcut> shortcut = ui::Shortcut::parse(keys);
    if (!shortcut)
        return std::nullopt;
    return of(*shortcut, command);
}

}
