// Linked into a Windows start-up probe beside its own wWinMain: before
// main runs it hooks the thread's messages and waits for the first paint of
// the program's windows to be over (no paint left to do after a WM_PAINT
// has been handled, whether UpdateWindow sent it or the queue held it);
// then it writes "painted" and the process's peak working set in bytes on
// standard output, and ends the process. The
// program's own code stays exactly as it is; for Trevalo that is
// win32/main.cpp itself, compiled into the probe.

#include <windows.h>
#include <psapi.h>

#include <cstdio>

namespace {

// Posted after each WM_PAINT; posted messages are read before paints, so
// it arrives once that paint has been handled.
constexpr UINT after_paint = WM_APP + 0x3F00;

HHOOK retrieved = nullptr;
HHOOK handled = nullptr;
bool painting = false;

void painted()
{
    painting = true;
    PostThreadMessageW(GetCurrentThreadId(), after_paint, 0, 0);
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
            painted();
        else if (msg->message == after_paint && painting && !(GetQueueStatus(QS_PAINT) & QS_PAINT))
            report();
    }
    return CallNextHookEx(retrieved, code, removal, message);
}

LRESULT CALLBACK watchSent(int code, WPARAM sent_by_thread, LPARAM message)
{
    if (code == HC_ACTION && reinterpret_cast<const CWPRETSTRUCT*>(message)->message == WM_PAINT)
        painted();
    return CallNextHookEx(handled, code, sent_by_thread, message);
}

const bool installed = [] {
    retrieved = SetWindowsHookExW(WH_GETMESSAGE, watchQueue, nullptr, GetCurrentThreadId());
    handled = SetWindowsHookExW(WH_CALLWNDPROCRET, watchSent, nullptr, GetCurrentThreadId());
    return retrieved && handled;
}();

}
