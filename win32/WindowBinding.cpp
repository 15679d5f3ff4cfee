#include "win32/WindowBinding.h"

#include "ui/ComboBox.h"
#include "ui/UserEvents.h"
#include "ui/Window.h"
#include "win32/Accelerators.h"
#include "win32/CommonProperties.h"
#include "win32/ControlIds.h"
#include "win32/KindAdapter.h"
#include "win32/MenuEntryAdapter.h"
#include "win32/TextMapping.h"
#include "win32/WindowAdapter.h"

#include <commctrl.h>

namespace trevalo::win32 {

using ui::Control;
using ui::ControlKind;
using ui::MirrorTracker;
using ui::Stacking;

namespace {

// A pick made with keys on a closed list counts once the keys have rested
// this long: long enough to type a two-digit number, as a list's own
// type-ahead search allows.
constexpr UINT key_pick_pause_ms = 1000;
constexpr UINT_PTR key_pick_timer = 1;
// Posted when the user leaves a list, so its pick is made once the focus
// has settled where the user put it.
constexpr UINT settle_message = WM_APP + 1;

class Flag {
public:
    explicit Flag(bool& flag)
        : m_flag(flag)
        , m_was(flag)
    {
        m_flag = true;
    }
    ~Flag() { m_flag = m_was; }
    Flag(const Flag&) = delete;
    Flag& operator=(const Flag&) = delete;

private:
    bool& m_flag;
    bool m_was;
};

class Depth {
public:
    explicit Depth(int& depth)
        : m_depth(depth)
    {
        ++m_depth;
    }
    ~Depth() { --m_depth; }
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;

private:
    int& m_depth;
};

void markDescendantsStale(const Control& control, MirrorTracker& tracker)
{
    for (const Control* child : control.children()) {
        tracker.markStale(*child);
        markDescendantsStale(*child, tracker);
    }
}

}

WindowBinding::WindowBinding(ui::Window& window, HWND host, int dpi)
    : m_window(window)
    , m_host(host)
    , m_scale(dpi)
    , m_tracker(window)
    , m_tooltips(host)
    , m_windows(m_tracker.controls().size())
    , m_stacked(m_tracker.controls().size(), Stacking::Normal)
    , m_shortcuts(m_tracker.controls().size())
{
    m_tooltips.setDpi(dpi);
    if (hasMenuEntries(window)) {
        m_menu_bar = CreateMenu();
        SetMenu(host, m_menu_bar);
    }
}

WindowBinding::~WindowBinding()
{
    if (m_accelerators)
        DestroyAcceleratorTable(m_accelerators);
    if (IsWindow(m_host))
        KillTimer(m_host, key_pick_timer);
}

bool WindowBinding::hasMenuEntries(const ui::Window& window)
{
    for (const Control* control : window.controls()) {
        if (control->kind() == ControlKind::MenuEntry)
            return true;
    }
    return false;
}

void WindowBinding::start()
{
    mirror();
}

std::optional<std::size_t> WindowBinding::orderOf(HWND hwnd) const
{
    auto it = m_orders.find(hwnd);
    if (it == m_orders.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::size_t> WindowBinding::orderOfId(int id) const
{
    if (!ControlIds::isControl(id, m_windows.size()))
        return std::nullopt;
    return ControlIds::orderOf(id);
}

Control* WindowBinding::controlFor(HWND hwnd) const
{
    const std::optional<std::size_t> order = orderOf(hwnd);
    return order ? m_tracker.controls()[*order] : nullptr;
}

HWND WindowBinding::windowFor(const Control& control)
{
    const std::size_t order = m_tracker.order(control);
    if (order >= m_windows.size() || m_tracker.controls()[order] != &control)
        return nullptr;
    if (!m_windows[order].hwnd && KindAdapter::of(control.kind())) {
        Flag writing(m_mirroring);
        create(order);
        restack();
    }
    return m_windows[order].hwnd;
}

void WindowBinding::create(std::size_t order)
{
    Control& control = *m_tracker.controls()[order];
    ControlWindow& window = m_windows[order];
    window.adapter = KindAdapter::of(control.kind());
    if (!window.adapter)
        return;
    window.id = ControlIds::forOrder(order);
    // Made where, and as, it is to show, so the mirror that follows has
    // little left to do: under Wine each change of a window costs a round
    // trip to its server, and the window has some ninety controls. The font
    // is known before the window exists, as an owner-drawn list measures
    // its items while it is being made.
    window.font = m_fonts.fontFor(control.font(), m_scale.dpi());
    window.rect = CommonProperties::windowRect(control, window, m_scale, m_fonts);
    const DWORD style = window.adapter->style(control) | CommonProperties::styles(control, window.adapter->takesFocus(control));
    window.hwnd = CreateWindowExW(window.adapter->exStyle(control), window.adapter->windowClass(), L"", style,
        window.rect.left, window.rect.top, window.rect.right - window.rect.left, window.rect.bottom - window.rect.top, m_host,
        HMENU(INT_PTR(window.id)), GetModuleHandleW(nullptr), nullptr);
    if (!window.hwnd)
        return;
    m_orders[window.hwnd] = order;
    SendMessageW(window.hwnd, WM_SETFONT, WPARAM(window.font), FALSE);
    window.adapter->created(control, window);
    window.adapter->laidOut(control, window, m_scale.rect(CommonProperties::absolutePlace(control)), m_fonts, m_scale.dpi());
    if (window.list_box)
        m_orders[window.list_box] = order;
    m_tracker.markStale(control);
    mirrorEntry(order);
}

// A tool subclasses its control, and every message to it then goes through
// the tooltip's code too: only controls with a tooltip, or that may get one
// (a block's listing), have one, and each gets it after its first mirror.
void WindowBinding::addTooltipWhenNeeded(const Control& control, ControlWindow& window)
{
    if (window.has_tool || !MirrorTracker::canBeSeen(control))
        return;
    // A text box's tooltip may be worked out only when read; asking for it
    // here would work it out for nothing.
    if (control.kind() != ControlKind::TextBox && control.tooltip().empty() && control.shortcut().empty())
        return;
    m_tooltips.add(window.hwnd);
    window.has_tool = true;
}

void WindowBinding::mirrorDisabledTool(ControlWindow& window)
{
    RECT place {};
    // By its own style: the host may not be showing yet.
    if (window.has_tool && (GetWindowLongPtrW(window.hwnd, GWL_STYLE) & WS_VISIBLE) && !IsWindowEnabled(window.hwnd)) {
        GetWindowRect(window.hwnd, &place);
        MapWindowPoints(nullptr, m_host, reinterpret_cast<POINT*>(&place), 2);
    }
    if (EqualRect(&place, &window.disabled_tool))
        return;
    if (IsRectEmpty(&place))
        m_tooltips.removeForDisabled(UINT_PTR(window.id));
    else
        m_tooltips.placeForDisabled(UINT_PTR(window.id), place);
    window.disabled_tool = place;
}

void WindowBinding::mirror(Focus focus)
{
    {
        Flag writing(m_mirroring);
        if (m_tracker.changed(m_window)) {
            WindowAdapter::mirror(m_window, m_host, m_back);
            m_tracker.mirrored(m_window);
        }
        bool restack_needed = false;
        bool menu_changed = false;
        bool shortcuts_changed = false;
        const std::vector<Control*>& controls = m_tracker.controls();
        for (std::size_t order = 0; order < controls.size(); ++order) {
            Control& control = *controls[order];
            if (!m_tracker.changed(control))
                continue;
            if (m_shortcuts[order] != control.shortcut()) {
                m_shortcuts[order] = control.shortcut();
                shortcuts_changed = true;
            }
            if (control.kind() == ControlKind::MenuEntry) {
                menu_changed = true;
                m_tracker.mirrored(control);
                continue;
            }
            ControlWindow& window = m_windows[order];
            if (!window.hwnd) {
                if (MirrorTracker::showsNow(control) && KindAdapter::of(control.kind())) {
                    create(order);
                    restack_needed = true;
                }
                continue;
            }
            if (m_stacked[order] != control.stacking())
                restack_needed = true;
            mirrorEntry(order);
        }
        if (menu_changed)
            mirrorMenu();
        if (restack_needed)
            restack();
        if (shortcuts_changed)
            rebuildAccelerators();
        if (focus == Focus::Follow)
            mirrorFocus();
        else
            m_mirrored_focus = m_window.focusedControl();
    }
    // A window the model hides is done with, as when the user closes it.
    if (!m_window.visible() && !m_hidden_reported) {
        m_hidden_reported = true;
        if (on_hidden)
            on_hidden();
    }
}

void WindowBinding::mirrorEntry(std::size_t order)
{
    Control& control = *m_tracker.controls()[order];
    ControlWindow& window = m_windows[order];
    const CommonProperties::Changed changed = CommonProperties::mirror(control, window, m_scale, m_fonts);
    window.adapter->mirror(control, window);
    if (changed.layout)
        window.adapter->laidOut(control, window, m_scale.rect(CommonProperties::absolutePlace(control)), m_fonts, m_scale.dpi());
    CommonProperties::show(control, window);
    addTooltipWhenNeeded(control, window);
    mirrorDisabledTool(window);
    // Where a frame is, whether it shows and whether it is enabled, decide
    // the same for every control inside it; they come later in this pass.
    markDescendantsStale(control, m_tracker);
    m_tracker.mirrored(control);
}

void WindowBinding::mirrorMenu()
{
    if (!m_menu_bar)
        return;
    std::vector<MenuEntryAdapter::Item> items;
    const std::vector<Control*>& controls = m_tracker.controls();
    for (std::size_t order = 0; order < controls.size(); ++order) {
        if (controls[order]->kind() == ControlKind::MenuEntry)
            items.push_back({ controls[order], ControlIds::forOrder(order) });
    }
    if (MenuEntryAdapter::mirror(m_menu_bar, items))
        DrawMenuBar(m_host);
}

// Later controls are drawn over earlier ones, as the model orders them: the
// raised ones on top, then the other controls, then the frames under all of
// them (an inner frame above the frame it is in), then the lowered ones
// (the focus sinks) at the bottom, under the frames that hide them. The
// controls inside a frame lie over it as they would inside it; a control of
// the window itself can lie over a frame only where the design raises it,
// and it does wherever one does. Tab does not follow this order but the
// model's (see nextTabStop).
void WindowBinding::restack()
{
    const std::vector<Control*>& controls = m_tracker.controls();
    std::vector<HWND> from_top;
    auto layer = [&](std::size_t order) {
        const Control& control = *controls[order];
        if (control.stacking() == Stacking::Lowered)
            return 3;
        if (control.kind() == ControlKind::Frame)
            return 2;
        return control.stacking() == Stacking::Raised ? 0 : 1;
    };
    for (int each = 0; each <= 3; ++each) {
        for (std::size_t order = controls.size(); order-- > 0;) {
            if (m_windows[order].hwnd && layer(order) == each)
                from_top.push_back(m_windows[order].hwnd);
        }
    }
    HWND above = HWND_TOP;
    for (HWND hwnd : from_top) {
        SetWindowPos(hwnd, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = hwnd;
    }
    for (std::size_t order = 0; order < controls.size(); ++order)
        m_stacked[order] = controls[order]->stacking();
}

// A control's key runs it from anywhere in its window, the same way a
// click does, and only while the control is usable.
void WindowBinding::rebuildAccelerators()
{
    if (m_accelerators)
        DestroyAcceleratorTable(m_accelerators);
    m_accelerators = nullptr;
    std::vector<ACCEL> table;
    for (std::size_t order = 0; order < m_shortcuts.size(); ++order) {
        if (m_shortcuts[order].empty())
            continue;
        if (std::optional<ACCEL> accel = Accelerators::parse(m_shortcuts[order], WORD(ControlIds::forOrder(order))))
            table.push_back(*accel);
    }
    if (!table.empty())
        m_accelerators = CreateAcceleratorTableW(table.data(), int(table.size()));
}

bool WindowBinding::translateAccelerator(MSG& message)
{
    return m_accelerators && TranslateAcceleratorW(m_host, m_accelerators, &message);
}

// The dialog manager would take Tab through the stacking order; Trevalo's
// Tab goes by the steps, which is the model's order.
bool WindowBinding::translateTab(const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || GetKeyState(VK_CONTROL) < 0
        || GetKeyState(VK_MENU) < 0)
        return false;
    HWND focus = GetFocus();
    if (focus && (SendMessageW(focus, WM_GETDLGCODE, message.wParam, LPARAM(&message)) & DLGC_WANTTAB))
        return false;
    moveFocusTo(nextTabStop(focus, GetKeyState(VK_SHIFT) < 0 ? Towards::Previous : Towards::Next));
    SendMessageW(m_host, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    return true;
}

HWND WindowBinding::nextTabStop(HWND from, Towards towards) const
{
    std::vector<HWND> stops;
    std::size_t at = m_windows.size();
    for (const ControlWindow& window : m_windows) {
        if (!window.hwnd || !(GetWindowLongPtrW(window.hwnd, GWL_STYLE) & WS_TABSTOP) || !IsWindowVisible(window.hwnd)
            || !IsWindowEnabled(window.hwnd))
            continue;
        if (window.hwnd == from)
            at = stops.size();
        stops.push_back(window.hwnd);
    }
    if (stops.empty())
        return nullptr;
    if (at == m_windows.size())
        return towards == Towards::Next ? stops.front() : stops.back();
    if (towards == Towards::Next)
        return stops[(at + 1) % stops.size()];
    return stops[(at + stops.size() - 1) % stops.size()];
}

void WindowBinding::moveFocusTo(HWND target)
{
    if (!target)
        return;
    SetFocus(target);
    // As the dialog manager does: a box Tab comes to has its text selected.
    if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageW(target, EM_SETSEL, 0, -1);
}

void WindowBinding::userCancelled()
{
    commitKeyPick();
    {
        Depth event(m_event_depth);
        ui::userCancelled(m_window);
    }
    handled(m_window);
}

void WindowBinding::mirrorFocus()
{
    Control* focus = m_window.focusedControl();
    if (focus == m_mirrored_focus)
        return;
    m_mirrored_focus = focus;
    if (!focus)
        return;
    HWND hwnd = windowFor(*focus);
    if (hwnd && GetFocus() != hwnd && GetActiveWindow() == m_host)
        SetFocus(hwnd);
}

void WindowBinding::userFocused(Control& control)
{
    // Where the user puts the focus is the model's focus too; otherwise an
    // operation moving the focus back to where the model last had it would
    // look like no move at all.
    m_mirrored_focus = &control;
    m_window.setFocusedControl(&control);
}

// The window got the keyboard focus (it was activated): it goes on to the
// control that last had it, or else the first Tab stop.
void WindowBinding::focusSomething()
{
    HWND target = nullptr;
    if (Control* focus = m_window.focusedControl()) {
        const std::size_t order = m_tracker.order(*focus);
        if (order < m_windows.size() && m_tracker.controls()[order] == focus)
            target = m_windows[order].hwnd;
    }
    if (!target || !IsWindowVisible(target) || !IsWindowEnabled(target))
        target = nextTabStop(nullptr, Towards::Next);
    if (target)
        SetFocus(target);
}

void WindowBinding::handled(Control& control)
{
    // Win32 may have changed the control on its own (shown the item the
    // keys moved to); whatever the model made of the event, show the model.
    m_tracker.markStale(control);
    mirror();
}

void WindowBinding::taken(Control& control)
{
    m_tracker.mirrored(control);
}

void WindowBinding::picked(ui::ComboBox& list, std::size_t index)
{
    if (m_key_pick && m_key_pick->list != &list)
        commitKeyPick();
    m_key_pick.reset();
    KillTimer(m_host, key_pick_timer);
    {
        Depth event(m_event_depth);
        ui::userPicked(list, index);
    }
    handled(list);
}

void WindowBinding::pickedByKey(ui::ComboBox& list, std::size_t index)
{
    if (m_key_pick && m_key_pick->list != &list)
        commitKeyPick();
    m_key_pick = KeyPick { &list, index };
    SetTimer(m_host, key_pick_timer, key_pick_pause_ms, nullptr);
}

void WindowBinding::settleKeyPick()
{
    if (m_key_pick)
        PostMessageW(m_host, settle_message, 0, 0);
}

// The list's operation may move the model's focus (to the list's focus
// sink, so that a stray key cannot change it); the keyboard stays where the
// user has it, or the next key could not go on choosing.
void WindowBinding::commitKeyPick()
{
    if (!m_key_pick)
        return;
    if (m_event_depth > 0) {
        SetTimer(m_host, key_pick_timer, USER_TIMER_MINIMUM * 10, nullptr);
        return;
    }
    KillTimer(m_host, key_pick_timer);
    const KeyPick pick = *m_key_pick;
    m_key_pick.reset();
    {
        Depth event(m_event_depth);
        ui::userPicked(*pick.list, pick.index);
    }
    m_tracker.markStale(*pick.list);
    mirror(Focus::StayWithUser);
    if (Control* focused = controlFor(GetFocus()))
        userFocused(*focused);
}

void WindowBinding::setDpi(int dpi)
{
    if (dpi == m_scale.dpi())
        return;
    m_scale = PixelScale(dpi);
    m_tooltips.setDpi(dpi);
    for (ControlWindow& window : m_windows)
        window.rect = {};
    for (Control* control : m_tracker.controls())
        m_tracker.markStale(*control);
    mirror();
}

bool WindowBinding::command(int id, int code, HWND from)
{
    if (id == IDOK) {
        // Enter, from the dialog manager: a list picked with keys takes it
        // as the end of the pick; otherwise the window's buttons may.
        if (m_mirroring)
            return true;
        if (m_key_pick) {
            commitKeyPick();
            return true;
        }
        Control* focused = controlFor(GetFocus());
        ui::Took took;
        {
            Depth event(m_event_depth);
            took = ui::userPressedEnter(m_window, focused ? focused : m_window.focusedControl());
        }
        if (took == ui::Took::Yes)
            handled(m_window);
        return true;
    }
    const std::optional<std::size_t> order = orderOfId(id);
    if (!order)
        return false;
    Control& control = *m_tracker.controls()[*order];
    ControlWindow& window = m_windows[*order];
    if (from && window.adapter)
        followFocusTip(control, window, WORD(code));
    if (m_mirroring)
        return true;
    if (!from) {
        // A menu item (code 0) or an accelerator (code 1).
        commitKeyPick();
        {
            Depth event(m_event_depth);
            ui::userClicked(control);
        }
        handled(control);
        return true;
    }
    if (!window.adapter)
        return true;
    if (window.adapter->gainsFocus(WORD(code))) {
        userFocused(control);
        return true;
    }
    if (window.adapter->losesFocus(WORD(code)))
        return true;
    if (m_key_pick && m_key_pick->list != &control)
        commitKeyPick();
    Depth event(m_event_depth);
    window.adapter->command(control, window, WORD(code), *this);
    return true;
}

// Wherever the focus came from, the user's keys or an operation.
void WindowBinding::followFocusTip(Control& control, const ControlWindow& window, WORD code)
{
    if (window.adapter->gainsFocus(code) && window.adapter->tipWhileFocused(control)
        && !TextMapping::tooltip(control).empty()) {
        m_focus_tip = &control;
        m_tooltips.showUnder(window.hwnd);
    } else if (window.adapter->losesFocus(code) && m_focus_tip == &control) {
        m_focus_tip = nullptr;
        m_tooltips.hideFocusTip();
    }
}

bool WindowBinding::notify(NMHDR& header, LRESULT& result)
{
    if (header.hwndFrom == m_tooltips.handle() && header.code == TTN_GETDISPINFOW) {
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        Control* control = nullptr;
        if (info.uFlags & TTF_IDISHWND)
            control = controlFor(HWND(header.idFrom));
        else if (header.idFrom == Tooltips::focus_tip)
            control = m_focus_tip;
        else if (const std::optional<std::size_t> order = orderOfId(int(header.idFrom)))
            control = m_tracker.controls()[*order];
        m_tip = control ? TextMapping::tooltip(*control) : std::wstring();
        info.lpszText = m_tip.data();
        info.hinst = nullptr;
        result = 0;
        return true;
    }
    if (header.code != NM_CUSTOMDRAW)
        return false;
    const std::optional<std::size_t> order = orderOf(header.hwndFrom);
    if (!order || !m_windows[*order].adapter)
        return false;
    return m_windows[*order].adapter->customDraw(*m_tracker.controls()[*order], m_windows[*order],
        reinterpret_cast<NMCUSTOMDRAW&>(header), m_colours, result);
}

bool WindowBinding::colour(HDC dc, HWND from, LRESULT& result)
{
    const std::optional<std::size_t> order = orderOf(from);
    if (!order)
        return false;
    const ControlWindow& window = m_windows[*order];
    SetTextColor(dc, window.fore);
    SetBkColor(dc, window.back);
    result = LRESULT(m_colours.brushFor(window.back));
    return true;
}

bool WindowBinding::handle(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    result = 0;
    switch (message) {
    case WM_COMMAND:
        return command(LOWORD(wparam), HIWORD(wparam), HWND(lparam));
    case WM_NOTIFY:
        return notify(*reinterpret_cast<NMHDR*>(lparam), result);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return colour(HDC(wparam), HWND(lparam), result);
    case WM_MEASUREITEM: {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
        const std::optional<std::size_t> order = orderOfId(int(measure.CtlID));
        if (!order || !m_windows[*order].adapter)
            return false;
        m_windows[*order].adapter->measureItem(*m_tracker.controls()[*order], m_windows[*order], measure, m_fonts, dpi());
        result = TRUE;
        return true;
    }
    case WM_DRAWITEM: {
        const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
        const std::optional<std::size_t> order = orderOfId(int(draw.CtlID));
        if (!order || !m_windows[*order].adapter)
            return false;
        m_windows[*order].adapter->drawItem(*m_tracker.controls()[*order], m_windows[*order], draw, m_colours, dpi());
        result = TRUE;
        return true;
    }
    case WM_TIMER:
        if (wparam != key_pick_timer)
            return false;
        commitKeyPick();
        return true;
    case settle_message:
        commitKeyPick();
        return true;
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(m_host, &area);
        FillRect(HDC(wparam), &area, m_colours.brushFor(m_back));
        result = 1;
        return true;
    }
    case WM_LBUTTONDOWN:
        m_pressed_on_background = true;
        return false;
    case WM_LBUTTONUP:
        if (!m_pressed_on_background)
            return false;
        m_pressed_on_background = false;
        commitKeyPick();
        {
            Depth event(m_event_depth);
            ui::userClicked(m_window);
        }
        handled(m_window);
        return true;
    case WM_SETFOCUS:
        focusSomething();
        return true;
    case WM_NEXTDLGCTL: {
        // The dialog manager may send it for the arrow keys in a group; only
        // a dialog's own window procedure would act on it.
        moveFocusTo(LOWORD(lparam) ? HWND(wparam) : nextTabStop(GetFocus(), wparam ? Towards::Previous : Towards::Next));
        return true;
    }
    case WM_SYSCOLORCHANGE:
        m_colours.forget();
        for (const ControlWindow& window : m_windows) {
            if (window.hwnd)
                SendMessageW(window.hwnd, WM_SYSCOLORCHANGE, 0, 0);
        }
        m_back = CLR_INVALID;
        m_tracker.markStale(m_window);
        for (Control* control : m_tracker.controls())
            m_tracker.markStale(*control);
        mirror();
        return true;
    default:
        return false;
    }
}

}
