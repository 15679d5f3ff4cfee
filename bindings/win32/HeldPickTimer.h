#pragma once

#include "ui/binding/HeldPick.h"

#include <windows.h>

namespace trevalo::win32 {

// The held pick's timer on the host window: a Win32 timer for a pause, and
// for "once the focus has settled" a message posted to the host, which
// comes after the focus messages the user's move is still sending. The
// binding asks isDue() of each host message and tells the binding core
// when it is. It keeps no pick.
class HeldPickTimer final : public ui::HeldPick::Timer {
public:
    explicit HeldPickTimer(HWND host);
    ~HeldPickTimer();
    HeldPickTimer(const HeldPickTimer&) = delete;
    HeldPickTimer& operator=(const HeldPickTimer&) = delete;

    void start(unsigned ms) override;
    void stop() override;
    // A message of the host that is this timer firing.
    bool isDue(UINT message, WPARAM) const;

private:
    HWND m_host;
};

}
