#include "bindings/win32/Win32MessageBoxes.h"

#include "bindings/win32/TextMapping.h"
#include "bindings/win32/WindowHost.h"

namespace trevalo::win32 {

using namespace ui;

Answer Win32MessageBoxes::show(std::string_view prompt, std::string_view title, Buttons buttons)
{
    if (on_before_show)
        on_before_show();
    HWND owner = WindowHost::of(GetActiveWindow()) ? GetActiveWindow() : m_owner;
    const std::wstring text = TextMapping::wide(prompt);
    const std::wstring caption = title.empty() ? std::wstring(L"Trevalo") : TextMapping::wide(title);
    UINT style = buttons == Buttons::Ok ? MB_OK : MB_YESNOCANCEL;
    if (!owner)
        style |= MB_TASKMODAL;
    const int answer = MessageBoxW(owner, text.c_str(), caption.c_str(), style);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    switch (answer) {
    case IDYES:
        return Answer::Yes;
    case IDNO:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

}
