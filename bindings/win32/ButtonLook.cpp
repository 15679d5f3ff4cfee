#include "bindings/win32/ButtonLook.h"

#include "bindings/win32/ControlWindow.h"
#include "bindings/win32/TextMapping.h"

#include <uxtheme.h>

namespace trevalo::win32 {

void ButtonLook::followTextColour(const ui::Control& control, ControlWindow& window)
{
    const bool themed = control.foreColour() == ui::colours::button_text;
    if (window.themed == themed)
        return;
    window.themed = themed;
    if (themed)
        SetWindowTheme(window.hwnd, nullptr, nullptr);
    else
        SetWindowTheme(window.hwnd, L"", L"");
    InvalidateRect(window.hwnd, nullptr, TRUE);
}

bool ButtonLook::hasOwnBackColour(const ui::Control& control)
{
    return control.backColour() != ui::colours::face;
}

void ButtonLook::paintPushButton(const ControlWindow& window, const NMCUSTOMDRAW& draw, HBRUSH back)
{
    HDC dc = draw.hdc;
    RECT rect = draw.rc;
    const bool pressed = draw.uItemState & CDIS_SELECTED;
    const bool disabled = draw.uItemState & CDIS_DISABLED;
    const bool focused = draw.uItemState & CDIS_FOCUS;
    const LRESULT cues = SendMessageW(window.hwnd, WM_QUERYUISTATE, 0, 0);
    const bool is_default = (GetWindowLongPtrW(window.hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;

    if (is_default) {
        FrameRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&rect, -1, -1);
    }
    FillRect(dc, &rect, back);
    DrawEdge(dc, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    RECT text_rect = rect;
    InflateRect(&text_rect, -2, -2);
    if (pressed)
        OffsetRect(&text_rect, 1, 1);
    const std::wstring text = TextMapping::windowText(window.hwnd);
    HGDIOBJ old_font = SelectObject(dc, window.font ? window.font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (cues & UISF_HIDEACCEL)
        format |= DT_HIDEPREFIX;
    if (disabled) {
        // Greyed as Windows greys a classic button: a light copy below right.
        RECT shadow = text_rect;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, text.c_str(), int(text.size()), &shadow, format);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, window.fore);
    }
    DrawTextW(dc, text.c_str(), int(text.size()), &text_rect, format);
    SelectObject(dc, old_font);

    if (focused && !(cues & UISF_HIDEFOCUS)) {
        RECT focus = rect;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

}
