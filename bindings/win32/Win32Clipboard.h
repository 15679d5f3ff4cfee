#pragma once

#include "ui/Clipboard.h"

#include <windows.h>

namespace trevalo::win32 {

// The Windows clipboard as Unicode text (CF_UNICODETEXT), converted to and
// from the model's UTF-8. Content that is not text reads as empty. Another
// program may hold the clipboard open for a moment; each use tries a few
// times before giving up as though it were empty. It owns a message-only
// window, as only a window can own what it puts on the clipboard.
class Win32Clipboard final : public ui::Clipboard {
public:
    Win32Clipboard() = default;
    ~Win32Clipboard() override;
    Win32Clipboard(const Win32Clipboard&) = delete;
    Win32Clipboard& operator=(const Win32Clipboard&) = delete;

    std::string text() const override;
    void setText(std::string text) override;
    void clear() override;

private:
    bool open() const;
    HWND owner() const;

    mutable HWND m_owner = nullptr;
};

}
