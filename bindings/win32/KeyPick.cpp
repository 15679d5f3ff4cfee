#include "bindings/win32/KeyPick.h"

#include "ui/ComboBox.h"

namespace trevalo::win32 {

namespace {

constexpr UINT_PTR timer = 1;
// Posted when the user leaves a list, so its pick is made once the focus
// has settled where the user put it.
constexpr UINT settle_message = WM_APP + 1;

}

KeyPick::KeyPick(HWND host, const int& event_depth)
    : m_host(host)
    , m_event_depth(event_depth)
{
}

KeyPick::~KeyPick()
{
    if (IsWindow(m_host))
        KillTimer(m_host, timer);
}

bool KeyPick::heldOnOther(const ui::Control& control) const
{
    return m_pick && m_pick->list != &control;
}

void KeyPick::hold(ui::ComboBox& list, std::size_t index)
{
    m_pick = Pick { &list, index };
    SetTimer(m_host, timer, pause_ms, nullptr);
}

void KeyPick::drop()
{
    m_pick.reset();
    KillTimer(m_host, timer);
}

void KeyPick::settle()
{
    if (m_pick)
        PostMessageW(m_host, settle_message, 0, 0);
}

bool KeyPick::isDue(UINT message, WPARAM wparam) const
{
    return message == settle_message || (message == WM_TIMER && wparam == timer);
}

// A message box or modal window an operation opens runs a message loop
// inside the event, where the pick must wait.
std::optional<KeyPick::Pick> KeyPick::take()
{
    if (!m_pick)
        return std::nullopt;
    if (m_event_depth > 0) {
        SetTimer(m_host, timer, USER_TIMER_MINIMUM * 10, nullptr);
        return std::nullopt;
    }
    KillTimer(m_host, timer);
    const Pick pick = *m_pick;
    m_pick.reset();
    return pick;
}

}
