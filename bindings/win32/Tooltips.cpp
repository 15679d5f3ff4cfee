#include "bindings/win32/Tooltips.h"

#include "bindings/win32/Dpi.h"

#include <commctrl.h>

#include <climits>

namespace trevalo::win32 {

namespace {

// Wide enough for a block's listing line, narrow enough to read.
constexpr int wrap_width_at_96_dpi = 480;

}

Tooltips::Tooltips(HWND owner)
    : m_owner(owner)
    , m_tooltip(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), nullptr))
{
    // Listings run to many lines; the tip stays as long as the pointer does.
    SendMessageW(m_tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(SHRT_MAX, 0));
}

Tooltips::~Tooltips()
{
    if (IsWindow(m_tooltip))
        DestroyWindow(m_tooltip);
}

void Tooltips::add(HWND control)
{
    TOOLINFOW tool {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_owner;
    tool.uId = UINT_PTR(control);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, LPARAM(&tool));
}

TOOLINFOW Tooltips::disabledTool(UINT_PTR id) const
{
    TOOLINFOW tool {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = m_owner;
    tool.uId = id;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    return tool;
}

void Tooltips::placeForDisabled(UINT_PTR id, const RECT& place)
{
    TOOLINFOW tool = disabledTool(id);
    const bool added = SendMessageW(m_tooltip, TTM_GETTOOLINFOW, 0, LPARAM(&tool));
    tool = disabledTool(id);
    tool.rect = place;
    SendMessageW(m_tooltip, added ? TTM_NEWTOOLRECTW : TTM_ADDTOOLW, 0, LPARAM(&tool));
}

void Tooltips::removeForDisabled(UINT_PTR id)
{
    TOOLINFOW tool = disabledTool(id);
    SendMessageW(m_tooltip, TTM_DELTOOLW, 0, LPARAM(&tool));
}

TOOLINFOW Tooltips::focusTool() const
{
    TOOLINFOW tool {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = m_owner;
    tool.uId = focus_tip;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    return tool;
}

void Tooltips::showUnder(HWND control)
{
    TOOLINFOW tool = focusTool();
    if (!m_focus_tool_added) {
        SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, LPARAM(&tool));
        m_focus_tool_added = true;
    }
    RECT rect {};
    GetWindowRect(control, &rect);
    SendMessageW(m_tooltip, TTM_TRACKPOSITION, 0, MAKELPARAM(rect.left, rect.bottom + 2));
    SendMessageW(m_tooltip, TTM_TRACKACTIVATE, TRUE, LPARAM(&tool));
}

void Tooltips::hideFocusTip()
{
    if (!m_focus_tool_added)
        return;
    TOOLINFOW tool = focusTool();
    SendMessageW(m_tooltip, TTM_TRACKACTIVATE, FALSE, LPARAM(&tool));
}

void Tooltips::pop()
{
    SendMessageW(m_tooltip, TTM_POP, 0, 0);
}

bool Tooltips::showsFor(HWND window) const
{
    TOOLINFOW tool {};
    tool.cbSize = sizeof tool;
    if (!SendMessageW(m_tooltip, TTM_GETCURRENTTOOLW, 0, LPARAM(&tool)))
        return false;
    return (tool.uFlags & TTF_IDISHWND) ? HWND(tool.uId) == window : tool.hwnd == window;
}

void Tooltips::setDpi(int dpi)
{
    SendMessageW(m_tooltip, TTM_SETMAXTIPWIDTH, 0, Dpi::scaled(wrap_width_at_96_dpi, dpi));
}

}
