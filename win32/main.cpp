#include "mainwindow/Form1.h"
#include "win32/MainWindowHost.h"
#include "win32/MessageLoop.h"
#include "win32/WindowBinding.h"
#include "win32/Win32Clipboard.h"
#include "win32/Win32MessageBoxes.h"
#include "win32/Win32ModalWindows.h"

#include <windows.h>
#include <commctrl.h>

// Trevalo takes no options and reads no files, so the command line is not
// looked at. The manifest asks for comctl32 6 (visual styles) and for
// per-monitor dpi awareness.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show)
{
    INITCOMMONCONTROLSEX controls { sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES };
    InitCommonControlsEx(&controls);

    trevalo::win32::Win32Clipboard clipboard;
    trevalo::win32::Win32MessageBoxes messages;
    trevalo::win32::Win32ModalWindows modals;
    trevalo::Form1 form(clipboard, messages, modals);

    trevalo::win32::MainWindowHost host(form.window());
    if (!host.hwnd())
        return 1;
    // An operation may open a box or a window half-way; show its work so far.
    auto catch_up = [&host] { host.binding().mirror(); };
    messages.on_before_show = catch_up;
    modals.on_before_show = catch_up;
    messages.setOwner(host.hwnd());
    modals.setOwner(host.hwnd());
    host.on_close = [&form] { form.Form_Unload(); };
    host.show(show);
    return trevalo::win32::MessageLoop::run();
}
