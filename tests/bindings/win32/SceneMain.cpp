// Not a test: puts trevalo.exe's main window in a state worth a screenshot,
// through its real controls (the same state as the Qt window's "imported"
// scene), prints where its menu bar and client area are on the screen, and
// keeps it so until a line comes on standard input (tests/win32/screenshot.sh).
// With a disc folder it opens that disc from the command line instead and
// shows the disc window traced to the feature and imported, as the Qt
// window's "disc" scene does (or, with "choice", the trace waiting for a
// button, as its "disc-choice"), and prints where its client area is.
//
//     trevalo_win32_scene TREVALO.exe [DISC [choice]]

#include "bindings/win32/RunningTrevalo.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using trevalo::testing::RunningTrevalo;

void printClientArea(HWND window, LONG top_offset)
{
    RECT client {};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::printf("ready %ld %ld %ld %ld\n", client.left, client.top - top_offset, client.right - client.left,
        client.bottom - client.top + top_offset);
    std::fflush(stdout);
}

int mainWindowScene(RunningTrevalo& trevalo)
{
    HWND main = trevalo.mainWindow();
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
    printClientArea(main, client.top - top);
    return 0;
}

enum class Trace { WaitingForButton, Imported };

int discScene(RunningTrevalo& trevalo, Trace trace)
{
    HWND window = trevalo.waitForWindow(L"TrevaloWindow", L"Disc");
    if (!window)
        return 1;
    trevalo.pick(window, "frmDisc", "cboPgc", L"VTS 1 PGC 2: Title 2");
    trevalo.click(window, "frmDisc", "cmdUseTarget");
    // The trace waits for a button at the disc's menu; the posted click
    // returns before the import's message box has gone.
    PostMessageW(trevalo.control(window, "frmDisc", "cmdTrace"), BM_CLICK, 0, 0);
    RunningTrevalo::waitUntil([&] { return IsWindowVisible(trevalo.control(window, "frmDisc", "cboChoice")); });
    if (trace == Trace::Imported) {
        HWND choice = trevalo.control(window, "frmDisc", "cboChoice");
        const WPARAM id = WPARAM(GetDlgCtrlID(choice));
        SendMessageW(choice, CB_SETCURSEL, 1, 0);
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), LPARAM(choice));
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(choice));
    }
    if (HWND box = trevalo.waitForWindow(L"#32770", L"Import")) {
        trevalo.press(box, VK_RETURN);
        trevalo.waitUntilClosed(box);
    }
    trevalo.sync();
    Sleep(500);
    printClientArea(window, 0);
    return 0;
}

}

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: %s TREVALO.exe [DISC [choice]]\n", argv[0]);
        return 2;
    }
    // Pixels as the window has them, at any dpi.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const std::string path = argv[1];
    std::vector<std::wstring> arguments;
    if (argc >= 3) {
        const std::string disc = argv[2];
        arguments.push_back(RunningTrevalo::windowsPath(std::wstring(disc.begin(), disc.end())));
    }
    RunningTrevalo trevalo(std::wstring(path.begin(), path.end()), arguments);
    if (!trevalo.mainWindow())
        return 1;
    const Trace trace = argc == 4 && std::string(argv[3]) == "choice" ? Trace::WaitingForButton : Trace::Imported;
    const int shown = argc >= 3 ? discScene(trevalo, trace) : mainWindowScene(trevalo);
    if (shown != 0)
        return shown;
    char line[16];
    std::fgets(line, sizeof line, stdin);
    if (argc >= 3) {
        // The disc window first, then the main window behind it.
        HWND window = trevalo.waitForWindow(L"TrevaloWindow", L"Disc");
        trevalo.press(window, VK_ESCAPE);
        trevalo.waitUntilClosed(window);
    }
    return trevalo.close() == DWORD(0) ? 0 : 1;
}
