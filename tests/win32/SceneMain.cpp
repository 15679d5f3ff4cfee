// Not a test: puts trevalo.exe's main window in a state worth a screenshot,
// through its real controls (the same state as the Qt window's "imported"
// scene), prints where its menu bar and client area are on the screen, and
// keeps it so until a line comes on standard input (tests/win32/screenshot.sh).
//
//     trevalo_win32_scene TREVALO.exe

#include "win32/RunningTrevalo.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s TREVALO.exe\n", argv[0]);
        return 2;
    }
    // Pixels as the window has them, at any dpi.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const std::string path = argv[1];
    trevalo::testing::RunningTrevalo trevalo(std::wstring(path.begin(), path.end()));
    HWND main = trevalo.mainWindow();
    if (!main)
        return 1;
    trevalo.pick("cboPGC", L"3");
    trevalo.pick("CboMenu", L"Chapter Menu");
    trevalo.setClipboard(L"{71 00 00 05 00 07 00 00}\r\n{71 00 00 08 30 39 00 00}\r\n{51 00 00 82 C5 00 00 00}");
    trevalo.click("cmdPaste", IDOK);
    trevalo.click("chkStreams");
    trevalo.click("chkHighlight");
    trevalo.pick("cboButton", L"4");
    trevalo.sync();
    Sleep(500);

    // The menu bar lies right above the client area, as high as the frame
    // left over above the client area after the caption and border.
    RECT client {};
    GetClientRect(main, &client);
    MapWindowPoints(main, nullptr, reinterpret_cast<POINT*>(&client), 2);
    RECT outer {};
    GetWindowRect(main, &outer);
    const LONG border = client.left - outer.left;
    const LONG top = outer.top + border + GetSystemMetricsForDpi(SM_CYCAPTION, GetDpiForWindow(main));
    std::printf("ready %ld %ld %ld %ld\n", client.left, top, client.right - client.left, client.bottom - top);
    std::fflush(stdout);
    char line[16];
    std::fgets(line, sizeof line, stdin);
    return trevalo.close() == DWORD(0) ? 0 : 1;
}
