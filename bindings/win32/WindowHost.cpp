#include "bindings/win32/WindowHost.h"

#include "bindings/win32/Dpi.h"
#include "bindings/win32/Images.h"
#include "bindings/win32/PixelScale.h"
#include "bindings/win32/WindowBinding.h"
#include "ui/Window.h"

namespace trevalo::win32 {

namespace {

const wchar_t* const class_name = L"TrevaloWindow";
// Posted when the model has hidden the window, so the host ends it once
// the event that hid it is over.
constexpr UINT hidden_message = WM_APP + 2;

void registerClass()
{
    static const bool registered = [] {
        WNDCLASSEXW window {};
        window.cbSize = sizeof window;
        window.lpfnWndProc = DefWindowProcW;
        window.hInstance = GetModuleHandleW(nullptr);
        window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        window.lpszClassName = class_name;
        return RegisterClassExW(&window) != 0;
    }();
    (void)registered;
}

}

WindowHost::WindowHost(ui::Window& window, DWORD style, DWORD ex_style)
    : m_window(window)
    , m_style(style)
    , m_ex_style(ex_style)
{
}

WindowHost::~WindowHost()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

WindowHost* WindowHost::of(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    wchar_t name[32] = {};
    if (!GetClassNameW(hwnd, name, int(std::size(name))) || std::wstring_view(name) != class_name)
        return nullptr;
    return reinterpret_cast<WindowHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void WindowHost::open(HWND owner)
{
    registerClass();
    m_hwnd = CreateWindowExW(m_ex_style, class_name, L"", m_style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, nullptr,
        GetModuleHandleW(nullptr), nullptr);
    if (!m_hwnd)
        return;
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, LONG_PTR(this));
    SetWindowLongPtrW(m_hwnd, GWLP_WNDPROC, LONG_PTR(&WindowHost::procedure));
    const int dpi = Dpi::ofWindow(m_hwnd);
    m_binding = std::make_unique<WindowBinding>(m_window, m_hwnd, dpi);
    m_binding->on_hidden = [this] { PostMessageW(m_hwnd, hidden_message, 0, 0); };
    m_binding->start();
    fit(dpi, placement(outerSize(dpi)));
    setIcons(dpi);
    // The control with the focus is marked from the start, not only once a
    // key has been pressed; mnemonics stay underlined only while Alt is down.
    SendMessageW(m_hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

SIZE WindowHost::outerSize(int dpi) const
{
    const SIZE client = PixelScale(dpi).size(m_window.clientWidth(), m_window.clientHeight());
    const RECT outer = Dpi::windowRectFor(RECT { 0, 0, client.cx, client.cy }, m_style, GetMenu(m_hwnd) != nullptr,
        m_ex_style, dpi);
    return SIZE { outer.right - outer.left, outer.bottom - outer.top };
}

void WindowHost::fit(int dpi, POINT at)
{
    const SIZE client = PixelScale(dpi).size(m_window.clientWidth(), m_window.clientHeight());
    SIZE outer = outerSize(dpi);
    SetWindowPos(m_hwnd, nullptr, at.x, at.y, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps onto a second line takes more height than the
    // window's frame was given for it.
    RECT got;
    GetClientRect(m_hwnd, &got);
    if (got.right != client.cx || got.bottom != client.cy) {
        outer.cx += client.cx - got.right;
        outer.cy += client.cy - got.bottom;
        SetWindowPos(m_hwnd, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
}

void WindowHost::setIcons(int dpi)
{
    if (HICON big = Images::icon(Dpi::systemMetric(SM_CXICON, dpi)))
        SendMessageW(m_hwnd, WM_SETICON, ICON_BIG, LPARAM(big));
    if (HICON small = Images::icon(Dpi::systemMetric(SM_CXSMICON, dpi)))
        SendMessageW(m_hwnd, WM_SETICON, ICON_SMALL, LPARAM(small));
}

bool WindowHost::preTranslate(MSG& message)
{
    if (!m_hwnd || !m_binding)
        return false;
    m_binding->watch(message);
    if (m_binding->translateMenuKey(message) || m_binding->translateAccelerator(message) || m_binding->translateTab(message)
        || m_binding->translateCharacter(message))
        return true;
    return IsDialogMessageW(m_hwnd, &message);
}

LRESULT CALLBACK WindowHost::procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    auto* host = reinterpret_cast<WindowHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!host)
        return DefWindowProcW(hwnd, message, wparam, lparam);
    if (host->m_binding) {
        LRESULT result = 0;
        if (host->m_binding->handle(message, wparam, lparam, result))
            return result;
    }
    return host->handle(message, wparam, lparam);
}

LRESULT WindowHost::handle(UINT message, WPARAM wparam, LPARAM lparam)
{
    HWND hwnd = m_hwnd;
    switch (message) {
    case WM_CLOSE:
        closeBoxClicked();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wparam) == IDCANCEL) {
            escapePressed();
            return 0;
        }
        break;
    case hidden_message:
        modelHid();
        return 0;
    case WM_DPICHANGED: {
        const int dpi = HIWORD(wparam);
        const auto* suggested = reinterpret_cast<const RECT*>(lparam);
        m_binding->setDpi(dpi);
        fit(dpi, POINT { suggested->left, suggested->top });
        setIcons(dpi);
        return 0;
    }
    case WM_DESTROY:
        destroyed();
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        m_hwnd = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

}
