#include "bindings/win32/TextMapping.h"

#include "ui/Control.h"
#include "ui/binding/BindingTexts.h"


namespace trevalo::win32 {

std::wstring TextMapping::wide(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring result(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), result.data(), length);
    return result;
}

std::string TextMapping::utf8(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string result(std::size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), result.data(), length, nullptr, nullptr);
    return result;
}

std::wstring TextMapping::caption(const std::string& text, char mnemonic)
{
    return wide(ui::BindingTexts::markedCaption(text, mnemonic));
}

std::wstring TextMapping::tooltip(const ui::Control& control)
{
    return wide(ui::BindingTexts::tooltip(control, control.shortcut()));
}

std::wstring TextMapping::windowText(HWND hwnd)
{
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0)
        return {};
    std::wstring text(std::size_t(length) + 1, L'\0');
    const int got = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(std::size_t(got > 0 ? got : 0));
    return text;
}

}
