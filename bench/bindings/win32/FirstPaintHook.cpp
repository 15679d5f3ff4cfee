// Linked into a Windows start-up probe beside its own wWinMain: before
// main runs it hooks the messages the thread takes from its queue and waits
// for the first paint of the program's windows to be over (a window shown
// and no paint left to do); then it writes "painted" and the process's peak
// working set in bytes on standard output, and ends the process. The
// program's own code stays exactly as it is; for Trevalo that is
// bindings/win32/main.cpp itself, compiled into the probe.
//
// Only messages taken from the queue are watched. A hook on sent messages
// (WH_CALLWNDPROC*) would see UpdateWindow's paint directly, but under Wine
// it costs every SendMessage of the program a detour, and a window of many
// controls sends thousands of them while it is made: it would time the hook
// more than the program. A paint done by UpdateWindow is over when the
// program first asks for a message, which the message posted below marks.

#include <windows.h>
#include <psapi.h>

#include <cstdio>

namespace {

// Posted before main and after each WM_PAINT. Posted messages are read
// before paints, so the first arrives when the program first reads its
// queue, and each later one once the paint before it has been handled.
constexpr UINT look_again = WM_APP + 0x3F00;

HHOOK retrieved = nullptr;

BOOL CALLBACK findShown(HWND hwnd, LPARAM shown)
{
    if (IsWindowVisible(hwnd)) {
        *reinterpret_cast<bool*>(shown) = true;
        return FALSE;
    }
    return TRUE;
}

bool firstPaintOver()
{
    bool shown = false;
    EnumThreadWindows(GetCurrentThreadId(), findShown, reinterpret_cast<LPARAM>(&shown));
    return shown && !(GetQueueStatus(QS_PAINT) & QS_PAINT);
}

void report()
{
    PROCESS_MEMORY_COUNTERS memory {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    char line[64];
    const int length = std::snprintf(line, sizeof line, "painted %llu\n", (unsigned long long)memory.PeakWorkingSetSize);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, DWORD(length), &written, nullptr);
    ExitProcess(0);
}

LRESULT CALLBACK watchQueue(int code, WPARAM removal, LPARAM message)
{
    const auto* msg = reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE) {
        if (msg->message == WM_PAINT)
            PostThreadMessageW(GetCurrentThreadId(), look_again, 0, 0);
        else if (msg->message == look_again && firstPaintOver())
            report();
    }
    return CallNextHookEx(retrieved, code, removal, message);
}

const bool installed = [] {
    retrieved = SetWindowsHookExW(WH_GETMESSAGE, watchQueue, nullptr, GetCurrentThreadId());
    return retrieved && PostThreadMessageW(GetCurrentThreadId(), look_again, 0, 0);
}();

}
