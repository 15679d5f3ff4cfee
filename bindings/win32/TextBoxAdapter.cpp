#include "bindings/win32/TextBoxAdapter.h"

#include "bindings/win32/ControlWindow.h"
#include "bindings/win32/Dpi.h"
#include "bindings/win32/TextMapping.h"
#include "bindings/win32/Wine.h"
#include "ui/TextBox.h"
#include "ui/binding/BindingEvents.h"

namespace trevalo::win32 {

namespace {

bool showsBar(ui::ScrollBars bars, ui::ScrollBars one)
{
    return bars == ui::ScrollBars::Both || bars == one;
}

// A multi-line EDIT asks the dialog manager for every key, Tab and Escape
// included (Escape would even close the window). Read-only, it gives those
// back: Tab goes on to the next control, Enter and Escape to the window.
LRESULT CALLBACK readOnlyKeys(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR)
{
    LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
    if (message == WM_GETDLGCODE && (GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_READONLY)) {
        result &= ~LRESULT(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        const auto* key = reinterpret_cast<const MSG*>(lparam);
        if (key && key->message == WM_KEYDOWN
            && (key->wParam == VK_TAB || key->wParam == VK_RETURN || key->wParam == VK_ESCAPE))
            result &= ~LRESULT(DLGC_WANTMESSAGE);
    }
    return result;
}

}

DWORD TextBoxAdapter::style(const ui::Control& control) const
{
    const auto& box = static_cast<const ui::TextBox&>(control);
    DWORD style = ES_LEFT | ES_NOHIDESEL | (box.locked() ? ES_READONLY : 0);
    if (box.lines() == ui::Lines::Single)
        return style | ES_AUTOHSCROLL;
    style |= ES_MULTILINE | ES_AUTOVSCROLL;
    if (showsBar(box.scrollBars(), ui::ScrollBars::Vertical))
        style |= WS_VSCROLL;
    // A horizontal scroll bar means long lines stay whole.
    if (showsBar(box.scrollBars(), ui::ScrollBars::Horizontal))
        style |= WS_HSCROLL | ES_AUTOHSCROLL;
    return style;
}

void TextBoxAdapter::created(const ui::Control& control, ControlWindow& window) const
{
    // The model's texts are not limited; typing is, to 30000 characters,
    // unless the limit is lifted.
    SendMessageW(window.hwnd, EM_SETLIMITTEXT, 0, 0);
    if (static_cast<const ui::TextBox&>(control).lines() == ui::Lines::Multi)
        SetWindowSubclass(window.hwnd, readOnlyKeys, 1, 0);
}

// A new font gives an EDIT margins of the font's choosing, wider than the
// design allowed for: a block's box holds a command (25 characters of
// Courier New and the space after it) a line only with the narrow margins
// of the design's time. Windows lets a line's closing space hang past the
// edge; Wine's EDIT wants the space and a few pixels more inside it, and
// gets the width of two characters more past the margin, where the space
// is hidden under the scroll bar.
void TextBoxAdapter::laidOut(const ui::Control& control, ControlWindow& window, RECT, FontMapping&, int dpi) const
{
    const int margin = Dpi::scaled(1, dpi);
    SendMessageW(window.hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
    const auto& box = static_cast<const ui::TextBox&>(control);
    if (!Wine::running() || box.lines() != ui::Lines::Multi || showsBar(box.scrollBars(), ui::ScrollBars::Horizontal))
        return;
    HDC dc = GetDC(window.hwnd);
    HGDIOBJ old_font = SelectObject(dc, window.font);
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old_font);
    ReleaseDC(window.hwnd, dc);
    RECT format {};
    SendMessageW(window.hwnd, EM_GETRECT, 0, LPARAM(&format));
    format.right += 2 * metrics.tmAveCharWidth;
    SendMessageW(window.hwnd, EM_SETRECTNP, 0, LPARAM(&format));
}

// A box the user may type into keeps the model's text in step, so
// operations read what is shown. Typing runs no operation.
void TextBoxAdapter::command(ui::Control& control, ControlWindow& window, WORD code, ui::BindingEvents& events) const
{
    if (code != EN_CHANGE)
        return;
    auto& box = static_cast<ui::TextBox&>(control);
    events.typed(box, TextMapping::utf8(TextMapping::windowText(window.hwnd)));
}

void TextBoxAdapter::mirror(const ui::Control& control, ControlWindow& window) const
{
    const auto& box = static_cast<const ui::TextBox&>(control);
    const std::wstring text = TextMapping::wide(box.text());
    if (TextMapping::windowText(window.hwnd) != text)
        SetWindowTextW(window.hwnd, text.c_str());
    const bool read_only = GetWindowLongPtrW(window.hwnd, GWL_STYLE) & ES_READONLY;
    if (read_only != box.locked())
        SendMessageW(window.hwnd, EM_SETREADONLY, box.locked(), 0);
}

}
