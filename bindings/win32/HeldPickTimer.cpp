#include "bindings/win32/HeldPickTimer.h"

namespace trevalo::win32 {

namespace {

constexpr UINT_PTR timer = 1;
constexpr UINT settled_message = WM_APP + 1;

}

HeldPickTimer::HeldPickTimer(HWND host)
    : m_host(host)
{
}

HeldPickTimer::~HeldPickTimer()
{
    if (IsWindow(m_host))
        KillTimer(m_host, timer);
}

void HeldPickTimer::start(unsigned ms)
{
    if (ms == 0)
        PostMessageW(m_host, settled_message, 0, 0);
    else
        SetTimer(m_host, timer, ms, nullptr);
}

void HeldPickTimer::stop()
{
    KillTimer(m_host, timer);
}

bool HeldPickTimer::isDue(UINT message, WPARAM wparam) const
{
    return message == settled_message || (message == WM_TIMER && wparam == timer);
}

}
