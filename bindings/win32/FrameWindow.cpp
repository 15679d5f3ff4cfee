#include "bindings/win32/FrameWindow.h"

#include "bindings/win32/TextMapping.h"

namespace trevalo::win32 {

const wchar_t* FrameWindow::className()
{
    return L"TrevaloFrame";
}

void FrameWindow::registerClass()
{
    static const bool registered = [] {
        WNDCLASSEXW frame {};
        frame.cbSize = sizeof frame;
        frame.lpfnWndProc = &FrameWindow::procedure;
        frame.hInstance = GetModuleHandleW(nullptr);
        frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        frame.lpszClassName = className();
        return RegisterClassExW(&frame) != 0;
    }();
    (void)registered;
}

LRESULT CALLBACK FrameWindow::procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_PAINT:
        paint(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFONT:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(wparam));
        if (LOWORD(lparam))
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrW(hwnd, GWLP_USERDATA);
    case WM_SETTEXT:
    case WM_ENABLE: {
        const LRESULT result = DefWindowProcW(hwnd, message, wparam, lparam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    default:
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
}

void FrameWindow::paint(HWND hwnd)
{
    PAINTSTRUCT paint_info;
    HDC dc = BeginPaint(hwnd, &paint_info);
    RECT area;
    GetClientRect(hwnd, &area);
    auto brush = HBRUSH(SendMessageW(GetParent(hwnd), WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(hwnd)));
    if (!brush)
        brush = GetSysColorBrush(COLOR_BTNFACE);
    const COLORREF text_colour = GetTextColor(dc);
    FillRect(dc, &area, brush);

    auto font = HFONT(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    HGDIOBJ old_font = SelectObject(dc, font ? HGDIOBJ(font) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);
    RECT border = area;
    border.top += metrics.tmHeight / 2;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

    const std::wstring caption = TextMapping::windowText(hwnd);
    if (!caption.empty()) {
        SIZE extent {};
        GetTextExtentPoint32W(dc, caption.c_str(), int(caption.size()), &extent);
        RECT label { metrics.tmAveCharWidth, 0, metrics.tmAveCharWidth + extent.cx + 2, metrics.tmHeight };
        FillRect(dc, &label, brush);
        label.left += 1;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, IsWindowEnabled(hwnd) ? text_colour : GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, caption.c_str(), int(caption.size()), &label, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    }
    SelectObject(dc, old_font);
    EndPaint(hwnd, &paint_info);
}

}
