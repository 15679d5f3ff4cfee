#pragma once

#include <windows.h>
#include <commctrl.h>

namespace trevalo::win32 {

// One comctl32 tooltip window for all the controls of a top-level window.
// The texts are not given up front: the tooltip asks the owner for one
// (TTN_GETDISPINFOW) each time it is about to show, so a tooltip the model
// works out only when read (a block's listing) is made only when pointed
// at. Long texts wrap at a width that follows the dpi.
class Tooltips {
public:
    explicit Tooltips(HWND owner);
    ~Tooltips();
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    void add(HWND control);
    // A disabled control gets no mouse messages; they go to the window it
    // is in. While it is disabled its tooltip is a tool of that window over
    // the control's place, asked for with the control's ID.
    void placeForDisabled(UINT_PTR id, const RECT& place);
    void removeForDisabled(UINT_PTR id);
    void setDpi(int dpi);
    HWND handle() const { return m_tooltip; }

    // The tooltip of a control that has the keyboard focus, under it for as
    // long as it has the focus (the pointer may be anywhere). Its text is
    // asked for with the ID focus_tip.
    static constexpr UINT_PTR focus_tip = 1;
    void showUnder(HWND control);
    void hideFocusTip();

    // Takes down the tooltip the pointer brought up, if one shows.
    void pop();
    // Whether the tooltip showing was brought up by the pointer on
    // `window`: a control's own tool, or one of `window` over a place.
    bool showsFor(HWND window) const;

private:
    TOOLINFOW focusTool() const;
    TOOLINFOW disabledTool(UINT_PTR id) const;

    HWND m_owner;
    HWND m_tooltip;
    bool m_focus_tool_added = false;
};

}
