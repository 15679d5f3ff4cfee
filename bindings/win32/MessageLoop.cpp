#include "bindings/win32/MessageLoop.h"

#include "bindings/win32/WindowHost.h"

#include <windows.h>

namespace trevalo::win32 {

namespace {

void dispatch(MSG& message)
{
    WindowHost* host = message.hwnd ? WindowHost::of(GetAncestor(message.hwnd, GA_ROOT)) : nullptr;
    if (host && host->preTranslate(message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}

int MessageLoop::run()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        dispatch(message);
    return int(message.wParam);
}

void MessageLoop::runUntil(const std::function<bool()>& done)
{
    MSG message;
    while (!done()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(int(message.wParam));
            return;
        }
        dispatch(message);
    }
}

}
