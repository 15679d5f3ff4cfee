#include "bindings/win32/Dpi.h"

namespace trevalo::win32 {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using MetricForDpiFn = int(WINAPI*)(int, UINT);

struct Functions {
    GetDpiForWindowFn dpi_for_window = nullptr;
    AdjustForDpiFn adjust_for_dpi = nullptr;
    MetricForDpiFn metric_for_dpi = nullptr;
};

template<typename T>
T lookUp(HMODULE module, const char* name)
{
    // The function's type is known from its documentation; GetProcAddress
    // only hands out an untyped address.
    return module ? reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

const Functions& functions()
{
    static const Functions found = [] {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        return Functions { lookUp<GetDpiForWindowFn>(user32, "GetDpiForWindow"),
            lookUp<AdjustForDpiFn>(user32, "AdjustWindowRectExForDpi"),
            lookUp<MetricForDpiFn>(user32, "GetSystemMetricsForDpi") };
    }();
    return found;
}

}

int Dpi::ofSystem()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int Dpi::ofWindow(HWND hwnd)
{
    if (hwnd && functions().dpi_for_window) {
        const UINT dpi = functions().dpi_for_window(hwnd);
        if (dpi > 0)
            return int(dpi);
    }
    return ofSystem();
}

RECT Dpi::windowRectFor(RECT client, DWORD style, bool has_menu, DWORD ex_style, int dpi)
{
    RECT rect = client;
    if (functions().adjust_for_dpi)
        functions().adjust_for_dpi(&rect, style, has_menu, ex_style, UINT(dpi));
    else
        AdjustWindowRectEx(&rect, style, has_menu, ex_style);
    return rect;
}

int Dpi::systemMetric(int index, int dpi)
{
    if (functions().metric_for_dpi)
        return functions().metric_for_dpi(index, UINT(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, ofSystem());
}

}
