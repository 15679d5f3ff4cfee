#include "win32/ComboBoxAdapter.h"

#include "ui/ComboBox.h"
#include "win32/BindingEvents.h"
#include "win32/ColourMapping.h"
#include "win32/ControlWindow.h"
#include "win32/Dpi.h"
#include "win32/FontMapping.h"
#include "win32/TextMapping.h"

#include <algorithm>
#include <optional>

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
void ComboBoxAdapter::command(ui::Control& control, ControlWindow& window, WORD code, BindingEvents& events) const
{
    auto& list = static_cast<ui::ComboBox&>(control);
    const bool dropped = SendMessageW(window.hwnd, CB_GETDROPPEDSTATE, 0, 0);
    const LRESULT current = SendMessageW(window.hwnd, CB_GETCURSEL, 0, 0);
    switch (code) {
    case CBN_SELENDOK:
    case CBN_SELCHANGE:
        if (current < 0)
            return;
        if (dropped && code == CBN_SELENDOK)
            events.picked(list, std::size_t(current));
        else if (!dropped && int(current) != window.shown_index)
            events.pickedByKey(list, std::size_t(current));
        return;
    case CBN_SELENDCANCEL:
        events.handled(list);
        return;
    case CBN_DROPDOWN:
    case CBN_KILLFOCUS:
        events.settleKeyPick();
        return;
    default:
        return;
    }
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
