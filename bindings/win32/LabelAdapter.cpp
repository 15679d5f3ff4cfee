#include "bindings/win32/LabelAdapter.h"

#include "bindings/win32/ColourMapping.h"
#include "bindings/win32/ControlWindow.h"
#include "bindings/win32/Dpi.h"
#include "bindings/win32/TextMapping.h"
#include "bindings/win32/Wine.h"
#include "ui/Label.h"

#include <algorithm>

#include <commctrl.h>

namespace trevalo::win32 {

namespace {

UINT formatOf(const ui::Label& label)
{
    UINT format = DT_EXPANDTABS | (label.wordWrap() ? DT_WORDBREAK : 0) | (label.mnemonic() ? 0 : DT_NOPREFIX);
    switch (label.alignment()) {
    case ui::Alignment::Right:
        return format | DT_RIGHT;
    case ui::Alignment::Centre:
        return format | DT_CENTER;
    case ui::Alignment::Left:
        break;
    }
    return format | DT_LEFT;
}

std::wstring textOf(const ui::Label& label)
{
    return label.mnemonic() ? TextMapping::caption(label.caption(), label.mnemonic()) : TextMapping::wide(label.caption());
}

// Draws a right-aligned or centred caption that is one line and fits, from
// its measured width; false for any other, which DrawText lays out.
bool placedByWidth(const ui::Label& label, const std::wstring& text, HDC dc, const RECT& area, int dpi)
{
    if (label.alignment() == ui::Alignment::Left || label.mnemonic() || text.find_first_of(L"\r\n\t") != std::wstring::npos)
        return false;
    SIZE extent {};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
    LONG spare = (area.right - area.left) - extent.cx;
    if (spare < 0)
        return false;
    // Wine's glyphs reach up to two pixels past the width it measures.
    if (Wine::running())
        spare = std::max(0L, spare - Dpi::scaled(2, dpi));
    const LONG left = area.left + (label.alignment() == ui::Alignment::Right ? spare : spare / 2);
    TextOutW(dc, left, area.top, text.c_str(), int(text.size()));
    return true;
}

// A STATIC tells nobody when it gets or loses the focus; a label's own
// notification codes (past those STATIC uses) say so.
constexpr WORD focus_gained = 0x4001;
constexpr WORD focus_lost = 0x4002;

LRESULT CALLBACK focusNotes(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS) {
        InvalidateRect(hwnd, nullptr, TRUE);
        const WORD code = message == WM_SETFOCUS ? focus_gained : focus_lost;
        SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), LPARAM(hwnd));
    }
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

}

DWORD LabelAdapter::style(const ui::Control& control) const
{
    return SS_OWNERDRAW | (control.tooltip().empty() ? 0 : SS_NOTIFY);
}

bool LabelAdapter::takesFocus(const ui::Control& control) const
{
    return static_cast<const ui::Label&>(control).tabStop() == ui::Label::TabStop::Yes;
}

bool LabelAdapter::gainsFocus(WORD code) const
{
    return code == focus_gained;
}

bool LabelAdapter::losesFocus(WORD code) const
{
    return code == focus_lost;
}

void LabelAdapter::created(const ui::Control& control, ControlWindow& window) const
{
    if (takesFocus(control))
        SetWindowSubclass(window.hwnd, focusNotes, 1, 0);
}

void LabelAdapter::drawItem(const ui::Control& control, const ControlWindow& window, const DRAWITEMSTRUCT& draw,
    ColourMapping& colours, int dpi) const
{
    const auto& label = static_cast<const ui::Label&>(control);
    FillRect(draw.hDC, &draw.rcItem, colours.brushFor(window.back));
    HGDIOBJ old_font = SelectObject(draw.hDC, window.font ? HGDIOBJ(window.font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(draw.hDC, TRANSPARENT);
    SetTextColor(draw.hDC, IsWindowEnabled(window.hwnd) ? window.fore : GetSysColor(COLOR_GRAYTEXT));
    UINT format = formatOf(label);
    if (SendMessageW(window.hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL)
        format |= DT_HIDEPREFIX;
    const std::wstring text = TextMapping::windowText(window.hwnd);
    RECT area = draw.rcItem;
    if (!placedByWidth(label, text, draw.hDC, area, dpi))
        DrawTextW(draw.hDC, text.c_str(), int(text.size()), &area, format);
    SelectObject(draw.hDC, old_font);
    if (GetFocus() == window.hwnd && !(SendMessageW(window.hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
        DrawFocusRect(draw.hDC, &draw.rcItem);
}

void LabelAdapter::mirror(const ui::Control& control, ControlWindow& window) const
{
    const auto& label = static_cast<const ui::Label&>(control);
    // Alignment and wrapping are read when the label is painted.
    InvalidateRect(window.hwnd, nullptr, TRUE);
    const std::wstring text = textOf(label);
    if (TextMapping::windowText(window.hwnd) != text)
        SetWindowTextW(window.hwnd, text.c_str());
    setStyle(window.hwnd, SS_NOTIFY, !control.tooltip().empty());
    // Made a Tab stop since it was made (the same subclass twice is one).
    if (takesFocus(control))
        SetWindowSubclass(window.hwnd, focusNotes, 1, 0);
}

}
