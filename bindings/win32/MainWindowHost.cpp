#include "bindings/win32/MainWindowHost.h"

#include "bindings/win32/WindowBinding.h"

#include <algorithm>

namespace trevalo::win32 {

MainWindowHost::MainWindowHost(ui::Window& window)
    : WindowHost(window, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 0)
{
    open(nullptr);
}

void MainWindowHost::show(int how)
{
    ShowWindow(hwnd(), how);
    UpdateWindow(hwnd());
}

POINT MainWindowHost::placement(SIZE outer) const
{
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    return POINT { area.left + std::max(0L, (area.right - area.left - outer.cx) / 2),
        area.top + std::max(0L, (area.bottom - area.top - outer.cy) / 2) };
}

void MainWindowHost::closeBoxClicked()
{
    if (on_close)
        on_close();
    binding().mirror();
    DestroyWindow(hwnd());
}

void MainWindowHost::modelHid()
{
    if (hwnd())
        DestroyWindow(hwnd());
}

void MainWindowHost::destroyed()
{
    PostQuitMessage(0);
}

}
