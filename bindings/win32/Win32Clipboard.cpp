#include "bindings/win32/Win32Clipboard.h"

#include "bindings/win32/TextMapping.h"

#include <cstring>

namespace trevalo::win32 {

namespace {

constexpr int open_attempts = 10;
constexpr DWORD open_pause_ms = 20;

}

Win32Clipboard::~Win32Clipboard()
{
    if (m_owner)
        DestroyWindow(m_owner);
}

HWND Win32Clipboard::owner() const
{
    if (!m_owner)
        m_owner = CreateWindowExW(0, L"STATIC", L"Trevalo clipboard", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
            GetModuleHandleW(nullptr), nullptr);
    return m_owner;
}

bool Win32Clipboard::open() const
{
    HWND window = owner();
    for (int attempt = 0; attempt < open_attempts; ++attempt) {
        if (OpenClipboard(window))
            return true;
        Sleep(open_pause_ms);
    }
    return false;
}

std::string Win32Clipboard::text() const
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !open())
        return {};
    std::string result;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            // The text ends at its terminator, or at the block's end for a
            // program that put it there without one.
            const std::size_t room = GlobalSize(data) / sizeof(wchar_t);
            std::size_t length = 0;
            while (length < room && wide[length])
                ++length;
            result = TextMapping::utf8(std::wstring_view(wide, length));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return result;
}

void Win32Clipboard::setText(std::string text)
{
    const std::wstring wide = TextMapping::wide(text);
    if (!open())
        return;
    EmptyClipboard();
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* target = GlobalLock(data)) {
            std::memcpy(target, wide.c_str(), bytes);
            GlobalUnlock(data);
            // The clipboard owns the memory once it has taken it.
            if (!SetClipboardData(CF_UNICODETEXT, data))
                GlobalFree(data);
        } else {
            GlobalFree(data);
        }
    }
    CloseClipboard();
}

void Win32Clipboard::clear()
{
    if (!open())
        return;
    EmptyClipboard();
    CloseClipboard();
}

}
