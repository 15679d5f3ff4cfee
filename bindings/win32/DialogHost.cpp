#include "bindings/win32/DialogHost.h"

#include "bindings/win32/WindowBinding.h"
#include "ui/Window.h"

#include <algorithm>

namespace trevalo::win32 {

DialogHost::DialogHost(ui::Window& window, HWND owner)
    : WindowHost(window, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_DLGMODALFRAME)
    , m_owner(owner)
{
    open(owner);
}

void DialogHost::show()
{
    ShowWindow(hwnd(), SW_SHOW);
    UpdateWindow(hwnd());
}

bool DialogHost::isOpen() const
{
    return hwnd() && window().visible();
}

POINT DialogHost::placement(SIZE outer) const
{
    RECT over {};
    if (!m_owner || !GetWindowRect(m_owner, &over))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&over, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    const LONG left = over.left + (over.right - over.left - outer.cx) / 2;
    const LONG top = over.top + (over.bottom - over.top - outer.cy) / 2;
    return POINT { std::clamp(left, area.left, std::max(area.left, area.right - outer.cx)),
        std::clamp(top, area.top, std::max(area.top, area.bottom - outer.cy)) };
}

void DialogHost::closeBoxClicked()
{
    binding().userCancelled();
}

void DialogHost::escapePressed()
{
    binding().userCancelled();
}

}
