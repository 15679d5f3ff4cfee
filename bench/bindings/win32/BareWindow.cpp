// The limit Trevalo's start-up is measured against under Wine: what Win32
// itself costs to bring up a top-level window of Trevalo's client size with
// a menu bar of three entries, and nothing of Trevalo's own. Built a second
// time with BARE_WITH_COMMON_CONTROLS, it also loads the common controls 6
// that Trevalo's tooltips and visual styles need, which shows how much of
// Trevalo's figures that library takes on its own.

#include <windows.h>
#ifdef BARE_WITH_COMMON_CONTROLS
#include <commctrl.h>
#endif

#include <cmath>
#include <initializer_list>

namespace {

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
#ifdef BARE_WITH_COMMON_CONTROLS
    INITCOMMONCONTROLSEX controls { sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES };
    InitCommonControlsEx(&controls);
#endif
    WNDCLASSEXW window_class {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = L"BareWindow";
    RegisterClassExW(&window_class);

    HMENU bar = CreateMenu();
    for (const wchar_t* entry : { L"&Reset", L"&Log", L"&About" })
        AppendMenuW(bar, MF_STRING, 0, entry);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    HWND hwnd = CreateWindowExW(0, L"BareWindow", L"Bare", style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, bar,
        instance, nullptr);
    // Trevalo's client area, 11010 x 8430 twips, at the window's dpi (15
    // twips a pixel at 96 dpi).
    const int dpi = int(GetDpiForWindow(hwnd));
    auto pixels = [dpi](int twips) { return int(std::lround(twips * dpi / 1440.0)); };
    RECT outer { 0, 0, pixels(11010), pixels(8430) };
    AdjustWindowRectExForDpi(&outer, style, TRUE, 0, UINT(dpi));
    SetWindowPos(hwnd, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER);
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
