#include "bindings/win32/Win32ModalWindows.h"

#include "bindings/win32/DialogHost.h"
#include "bindings/win32/MessageLoop.h"
#include "bindings/win32/WindowBinding.h"

namespace trevalo::win32 {

void Win32ModalWindows::showModal(ui::Window& window)
{
    if (on_before_show)
        on_before_show();
    HWND owner = WindowHost::of(GetActiveWindow()) ? GetActiveWindow() : m_owner;
    DialogHost dialog(window, owner);
    if (dialog.hwnd())
        dialog.binding().on_mirrored = while_open;
    if (owner)
        EnableWindow(owner, FALSE);
    dialog.show();
    MessageLoop::runUntil([&dialog] { return !dialog.isOpen(); });
    // The owner is enabled before the dialog goes, so Windows hands the
    // activation back to it rather than to another program.
    if (owner) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
}

}
