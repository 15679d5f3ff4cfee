#include "bindings/win32/ComboBoxAdapter.h"

#include "bindings/win32/ColourMapping.h"
#include "bindings/win32/ControlWindow.h"
#include "bindings/win32/Dpi.h"
#include "bindings/win32/FontMapping.h"
#include "bindings/win32/TextMapping.h"
#include "ui/ComboBox.h"
#include "ui/binding/BindingEvents.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::win32 {

namespace {

int itemHeight(HWND hwnd)
{
    const LRESULT height = SendMessageW(hwnd, CB_GETITEMHEIGHT, 0, 0);
    return height > 0 ? int(height) : 16;
}

std::wstring itemText(HWND hwnd, int index)
{
    const LRESULT length = SendMessageW(hwnd, CB_GETLBTEXTLEN, WPARAM(index), 0);
    if (length <= 0)
        return {};
    std::wstring text(std::size_t(length) + 1, L'\0');
    SendMessageW(hwnd, CB_GETLBTEXT, WPARAM(index), LPARAM(text.data()));
    text.resize(std::size_t(length));
    return text;
}

bool sameItems(HWND hwnd, const std::vector<std::string>& items)
{
    if (SendMessageW(hwnd, CB_GETCOUNT, 0, 0) != LRESULT(items.size()))
        return false;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (itemText(hwnd, int(i)) != TextMapping::wide(items[i]))
            return false;
    }
    return true;
}

}

DWORD ComboBoxAdapter::style(const ui::Control&) const
{
    return CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL;
}

void ComboBoxAdapter::created(const ui::Control&, ControlWindow& window) const
{
    COMBOBOXINFO info {};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(window.hwnd, &info))
        window.list_box = info.hwndList;
    SendMessageW(window.hwnd, CB_SETMINVISIBLE, visible_items, 0);
}

// The height a COMBOBOX is given is that of its drop-down; the closed list
// is as high as its selection field makes it (see laidOut).
RECT ComboBoxAdapter::windowRect(const ui::Control& control, const ControlWindow& window, RECT placed, FontMapping& fonts,
    int dpi) const
{
    const int items = std::clamp(int(static_cast<const ui::ComboBox&>(control).items().size()), 1, visible_items);
    placed.bottom += items * lineOf(window, fonts, dpi) + Dpi::scaled(2, dpi);
    return placed;
}

int ComboBoxAdapter::lineOf(const ControlWindow& window, FontMapping& fonts, int dpi)
{
    return fonts.lineHeight(window.font) + Dpi::scaled(2, dpi);
}

void ComboBoxAdapter::laidOut(const ui::Control&, ControlWindow& window, RECT placed, FontMapping& fonts, int dpi) const
{
    const int line = lineOf(window, fonts, dpi);
    if (itemHeight(window.hwnd) != line)
        SendMessageW(window.hwnd, CB_SETITEMHEIGHT, 0, line);
    // The closed list's edges take what the style's border takes; the
    // selection field gets the rest of the design's height.
    const LRESULT field = SendMessageW(window.hwnd, CB_GETITEMHEIGHT, WPARAM(-1), 0);
    RECT closed {};
    GetWindowRect(window.hwnd, &closed);
    const int border = int(closed.bottom - closed.top) - int(field);
    const int wanted = int(placed.bottom - placed.top) - border;
    if (wanted > 0 && wanted != field)
        SendMessageW(window.hwnd, CB_SETITEMHEIGHT, WPARAM(-1), wanted);
}

// A pick from the open drop-down arrives while it is still dropped. On the
// closed list every arrow key or typed character moves the selection and
// says so twice (CBN_SELENDOK, then CBN_SELCHANGE); the change that
// follows an open pick once the drop-down has closed shows the item the
// model now shows, and is no change at all.
void ComboBoxAdapter::command(ui::Control& control, ControlWindow& window, WORD code, ui::BindingEvents& events) const
{
    auto& list = static_cast<ui::ComboBox&>(control);
    const bool dropped = SendMessageW(window.hwnd, CB_GETDROPPEDSTATE, 0, 0);
    const LRESULT current = SendMessageW(window.hwnd, CB_GETCURSEL, 0, 0);
    switch (code) {
    case CBN_SELENDOK:
    case CBN_SELCHANGE:
        // An arrow key, the wheel or the drop-down moved it: what was typed
        // is done. (Typed characters move it without a notification.)
        window.type_ahead.end();
        if (current < 0)
            return;
        if (dropped && code == CBN_SELENDOK)
            events.picked(list, std::size_t(current));
        else if (!dropped && int(current) != window.shown_index)
            events.pickedByKey(list, std::size_t(current));
        return;
    case CBN_SELENDCANCEL:
        events.changedOnItsOwn(list);
        return;
    case CBN_DROPDOWN: {
        const int width = dropDownWidth(control, window);
        if (SendMessageW(window.hwnd, CB_GETDROPPEDWIDTH, 0, 0) != width)
            SendMessageW(window.hwnd, CB_SETDROPPEDWIDTH, WPARAM(width), 0);
        events.leftList();
        return;
    }
    case CBN_KILLFOCUS:
        window.type_ahead.end();
        events.leftList();
        return;
    default:
        return;
    }
}

// Typed characters pick by ui::TypeAhead's rule, as in the Qt window, not
// by Win32's own search, which looks at one character at a time ("12"
// would pick 2). On the closed list the item is held like a step of the
// arrow keys; on the open drop-down it is only shown, for Enter or a click
// to pick. Control characters (Enter, Escape, Tab, Backspace) are the
// list's and the window's own; a character in two UTF-16 halves, which no
// item begins with, is taken and changes nothing.
bool ComboBoxAdapter::typed(ui::Control& control, ControlWindow& window, wchar_t character, DWORD time,
    ui::BindingEvents& events) const
{
    if (character < L' ' || character == 0x7F) {
        window.type_ahead.end();
        return false;
    }
    auto& list = static_cast<ui::ComboBox&>(control);
    const LRESULT current = SendMessageW(window.hwnd, CB_GETCURSEL, 0, 0);
    const std::optional<std::size_t> shown = current >= 0 ? std::optional<std::size_t>(std::size_t(current)) : std::nullopt;
    const std::optional<std::size_t> found
        = window.type_ahead.typed(list.items(), shown, TextMapping::utf8(std::wstring_view(&character, 1)), time);
    if (!found || found == shown)
        return true;
    SendMessageW(window.hwnd, CB_SETCURSEL, WPARAM(*found), 0);
    if (!SendMessageW(window.hwnd, CB_GETDROPPEDSTATE, 0, 0))
        events.pickedByKey(list, *found);
    return true;
}

int ComboBoxAdapter::dropDownWidth(const ui::Control& control, const ControlWindow& window)
{
    RECT closed {};
    GetWindowRect(window.hwnd, &closed);
    const int dpi = Dpi::ofWindow(window.hwnd);
    int widest = 0;
    if (HDC dc = GetDC(window.hwnd)) {
        HGDIOBJ old_font = SelectObject(dc, window.font ? window.font : GetStockObject(DEFAULT_GUI_FONT));
        for (const std::string& item : static_cast<const ui::ComboBox&>(control).items()) {
            const std::wstring text = TextMapping::wide(item);
            SIZE size {};
            if (GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size))
                widest = std::max(widest, int(size.cx));
        }
        SelectObject(dc, old_font);
        ReleaseDC(window.hwnd, dc);
    }
    // The items get the list's width, or the longest's with the margins
    // drawItem leaves if wider; the list box's border and the scroll bar of
    // a list longer than the drop-down come beside them.
    int width = std::max(int(closed.right - closed.left), widest + Dpi::scaled(2 + 6, dpi))
        + 2 * Dpi::systemMetric(SM_CXBORDER, dpi);
    if (static_cast<const ui::ComboBox&>(control).items().size() > std::size_t(visible_items))
        width += Dpi::systemMetric(SM_CXVSCROLL, dpi);
    return width;
}

void ComboBoxAdapter::measureItem(const ui::Control&, const ControlWindow& window, MEASUREITEMSTRUCT& measure,
    FontMapping& fonts, int dpi) const
{
    measure.itemHeight = UINT(lineOf(window, fonts, dpi));
}

void ComboBoxAdapter::drawItem(const ui::Control&, const ControlWindow& window, const DRAWITEMSTRUCT& draw,
    ColourMapping& colours, int dpi) const
{
    const bool field = draw.itemState & ODS_COMBOBOXEDIT;
    const bool disabled = draw.itemState & ODS_DISABLED;
    const bool selected = (draw.itemState & ODS_SELECTED) && !disabled;
    std::wstring text;
    if (draw.itemID == UINT(-1))
        text = field ? window.shown_text : std::wstring();
    else
        text = itemText(window.hwnd, int(draw.itemID));

    const COLORREF back = selected ? GetSysColor(COLOR_HIGHLIGHT) : window.back;
    const COLORREF fore = disabled ? GetSysColor(COLOR_GRAYTEXT) : selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : window.fore;
    RECT rect = draw.rcItem;
    FillRect(draw.hDC, &rect, colours.brushFor(back));
    HGDIOBJ old_font = SelectObject(draw.hDC, window.font ? window.font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(draw.hDC, TRANSPARENT);
    SetTextColor(draw.hDC, fore);
    RECT text_rect = rect;
    text_rect.left += Dpi::scaled(2, dpi);
    DrawTextW(draw.hDC, text.c_str(), int(text.size()), &text_rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(draw.hDC, old_font);
    if ((draw.itemState & ODS_FOCUS) && !(draw.itemState & ODS_NOFOCUSRECT))
        DrawFocusRect(draw.hDC, &rect);
}

void ComboBoxAdapter::mirror(const ui::Control& control, ControlWindow& window) const
{
    const auto& model = static_cast<const ui::ComboBox&>(control);
    if (!sameItems(window.hwnd, model.items())) {
        SendMessageW(window.hwnd, WM_SETREDRAW, FALSE, 0);
        SendMessageW(window.hwnd, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : model.items())
            SendMessageW(window.hwnd, CB_ADDSTRING, 0, LPARAM(TextMapping::wide(item).c_str()));
        SendMessageW(window.hwnd, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(window.hwnd, nullptr, TRUE);
    }
    const std::optional<std::size_t> index = model.indexOf(model.text());
    const int current = index ? int(*index) : -1;
    std::wstring shown = index ? std::wstring() : TextMapping::wide(model.text());
    if (shown != window.shown_text) {
        window.shown_text = std::move(shown);
        InvalidateRect(window.hwnd, nullptr, TRUE);
    }
    if (SendMessageW(window.hwnd, CB_GETCURSEL, 0, 0) != current)
        SendMessageW(window.hwnd, CB_SETCURSEL, WPARAM(current), 0);
    window.shown_index = current;
}

}
