#include "bindings/win32/WindowBinding.h"

#include "bindings/win32/CommonProperties.h"
#include "bindings/win32/ControlIds.h"
#include "bindings/win32/KindAdapter.h"
#include "bindings/win32/ScopedFlag.h"
#include "bindings/win32/TextMapping.h"
#include "bindings/win32/WindowAdapter.h"
#include "ui/Window.h"

#include <shellapi.h>

namespace trevalo::win32 {

using ui::Control;
using ui::ControlKind;
using ui::MirrorTracker;
using ui::Stacking;

namespace {

// WM_TIMER comes only when no input, posted message or painting is waiting,
// so a step never keeps a click (Cancel) or a repaint waiting.
// HeldPickTimer has timer 1.
constexpr UINT_PTR work_timer = 2;

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
    , m_registry(m_tracker)
    , m_painting(host, m_registry, m_fonts)
    , m_tooltips(host, m_registry)
    , m_navigation(window, host, m_registry)
    , m_pick_timer(host)
    , m_core(window, m_tracker, *this, m_pick_timer)
    , m_menu_bar(window, host, m_tracker)
    , m_shortcuts(m_tracker.controls().size())
    , m_stacked(m_tracker.controls().size(), Stacking::Normal)
{
    m_tooltips.setDpi(dpi);
}

WindowBinding::~WindowBinding() = default;

HWND WindowBinding::windowFor(const Control& control)
{
    const std::optional<std::size_t> order = m_registry.orderOf(control);
    if (!order)
        return nullptr;
    if (!m_registry.window(*order).hwnd && KindAdapter::of(control.kind())) {
        ScopedFlag writing(m_mirroring);
        create(*order);
        restack();
    }
    return m_registry.window(*order).hwnd;
}

void WindowBinding::create(std::size_t order)
{
    Control& control = m_registry.control(order);
    ControlWindow& window = m_registry.window(order);
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
    m_registry.add(window.hwnd, order);
    SendMessageW(window.hwnd, WM_SETFONT, WPARAM(window.font), FALSE);
    window.adapter->created(control, window);
    window.adapter->laidOut(control, window, m_scale.rect(MirrorTracker::placeInWindow(control)), m_fonts, m_scale.dpi());
    if (window.list_box)
        m_registry.add(window.list_box, order);
    m_tracker.markStale(control);
    mirrorEntry(order);
}

void WindowBinding::mirror()
{
    {
        ScopedFlag writing(m_mirroring);
        if (m_tracker.changed(m_window)) {
            WindowAdapter::mirror(m_window, m_host, m_painting.back());
            m_tracker.mirrored(m_window);
        }
        bool restack_needed = false;
        bool menu_changed = false;
        bool shortcuts_changed = false;
        // The accelerator table holds every control's key, with a window yet
        // or not: a hidden control's key is the window's, not the focused
        // box's.
        const std::vector<Control*>& controls = m_tracker.controls();
        for (std::size_t order = 0; order < controls.size(); ++order) {
            if (m_tracker.changed(*controls[order]) && m_shortcuts.note(order, controls[order]->shortcut()))
                shortcuts_changed = true;
        }
        // Menu entries are items of the menu bar, not windows of their own.
        auto has_window = [this](const Control& control, std::size_t order) {
            return m_registry.window(order).hwnd || !KindAdapter::of(control.kind());
        };
        m_tracker.walk(has_window,
            [&](Control&, std::size_t order) {
                create(order);
                restack_needed = true;
            },
            [&](Control& control, std::size_t order) {
                if (control.kind() == ControlKind::MenuEntry) {
                    menu_changed = true;
                    m_tracker.mirrored(control);
                    return;
                }
                if (m_stacked[order] != control.stacking())
                    restack_needed = true;
                mirrorEntry(order);
            });
        if (menu_changed)
            m_menu_bar.mirror();
        if (restack_needed)
            restack();
        if (shortcuts_changed)
            m_shortcuts.rebuild();
        mirrorFocus();
    }
    // Dropped files reach a window only while it says it takes them.
    const bool takes_drops = static_cast<bool>(m_window.on_drop_folder);
    if (takes_drops != m_takes_drops) {
        m_takes_drops = takes_drops;
        DragAcceptFiles(m_host, takes_drops);
    }
    scheduleWork();
    // A window the model hides is done with, as when the user closes it.
    if (!m_window.visible() && !m_hidden_reported) {
        m_hidden_reported = true;
        if (on_hidden)
            on_hidden();
    }
    if (on_mirrored)
        on_mirrored();
}

void WindowBinding::scheduleWork()
{
    const bool wanted = m_window.hasWork() && m_window.visible();
    if (wanted == m_work_scheduled)
        return;
    m_work_scheduled = wanted;
    if (wanted)
        SetTimer(m_host, work_timer, USER_TIMER_MINIMUM, nullptr);
    else
        KillTimer(m_host, work_timer);
}

void WindowBinding::workStep()
{
    // A box or window an operation opened over this one (it disables the
    // window meanwhile), or an event of this window still running, is
    // about the window as it was; the work goes on once they are done.
    if (IsWindowEnabled(m_host))
        m_core.runWork();
}

// Only the first dropped item counts, and only when it is a folder.
void WindowBinding::dropped(HDROP drop)
{
    std::wstring path;
    if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
        path.resize(DragQueryFileW(drop, 0, nullptr, 0) + 1);
        path.resize(DragQueryFileW(drop, 0, path.data(), UINT(path.size())));
    }
    DragFinish(drop);
    const DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return;
    m_core.droppedFolder(TextMapping::utf8(path));
}

void WindowBinding::mirrorEntry(std::size_t order)
{
    Control& control = m_registry.control(order);
    ControlWindow& window = m_registry.window(order);
    const CommonProperties::Changed changed = CommonProperties::mirror(control, window, m_scale, m_fonts);
    window.adapter->mirror(control, window);
    if (changed.layout)
        window.adapter->laidOut(control, window, m_scale.rect(MirrorTracker::placeInWindow(control)), m_fonts, m_scale.dpi());
    CommonProperties::show(control, window);
    m_tooltips.mirror(control, window);
    // Where a frame is, whether it shows and whether it is enabled, decide
    // the same for every control inside it; they come later in this pass.
    markDescendantsStale(control, m_tracker);
    m_tracker.mirrored(control);
}

// Later controls are drawn over earlier ones, as the model orders them: the
// raised ones on top, then the other controls, then the frames under all of
// them (an inner frame above the frame it is in), then the lowered ones
// (the focus sinks) at the bottom, under the frames that hide them. The
// controls inside a frame lie over it as they would inside it; a control of
// the window itself can lie over a frame only where the design raises it,
// and it does wherever one does. Tab does not follow this order but the
// model's (see FocusNavigation).
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
            if (m_registry.window(order).hwnd && layer(order) == each)
                from_top.push_back(m_registry.window(order).hwnd);
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

void WindowBinding::userCancelled()
{
    m_core.cancelled();
}

void WindowBinding::mirrorFocus()
{
    Control* focus = m_core.focusToShow();
    if (GetActiveWindow() != m_host)
        return;
    if (focus) {
        HWND hwnd = windowFor(*focus);
        if (hwnd && GetFocus() != hwnd)
            SetFocus(hwnd);
    }
    // A control disabled or hidden with the keyboard on it drops it (an
    // operation turned off the frame it is in), and an author without a
    // mouse would be left with a window where no key reaches anything: it
    // goes on as when the window is activated, as in the Qt window. The
    // control's own notification comes while mirroring, so the model is
    // told here.
    HWND now = GetFocus();
    if (now && (GetParent(now) != m_host || (IsWindowVisible(now) && IsWindowEnabled(now))))
        return;
    m_navigation.focusSomething();
    if (const std::optional<std::size_t> order = m_registry.orderOf(GetFocus()))
        m_core.userFocused(m_registry.control(*order));
}

// A held pick goes before Tab moves on: it may show the very control Tab
// should reach next (the Caution a chapter menu brings).
bool WindowBinding::translateTab(const MSG& message)
{
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB)
        m_core.keysDone();
    return m_navigation.translateTab(message);
}

bool WindowBinding::translateCharacter(const MSG& message)
{
    if (message.message != WM_CHAR || m_mirroring)
        return false;
    const std::optional<std::size_t> order = m_registry.orderOf(message.hwnd);
    if (!order || !m_registry.window(*order).adapter)
        return false;
    Control& control = m_registry.control(*order);
    ControlWindow& window = m_registry.window(*order);
    return window.adapter->typed(control, window, wchar_t(message.wParam), message.time, m_core);
}

void WindowBinding::setDpi(int dpi)
{
    if (dpi == m_scale.dpi())
        return;
    m_scale = PixelScale(dpi);
    m_tooltips.setDpi(dpi);
    for (ControlWindow& window : m_registry.windows())
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
        if (!m_mirroring)
            m_core.pressedEnter();
        return true;
    }
    const std::optional<std::size_t> order = m_registry.orderOfId(id);
    if (!order)
        return false;
    Control& control = m_registry.control(*order);
    ControlWindow& window = m_registry.window(*order);
    if (from && window.adapter)
        m_tooltips.followFocus(control, window, WORD(code));
    if (m_mirroring)
        return true;
    if (!from) {
        // A menu item (code 0) or an accelerator (code 1).
        m_core.clicked(control);
        return true;
    }
    if (!window.adapter)
        return true;
    if (window.adapter->gainsFocus(WORD(code))) {
        m_core.userFocused(control);
        return true;
    }
    if (window.adapter->losesFocus(WORD(code)))
        return true;
    window.adapter->command(control, window, WORD(code), m_core);
    return true;
}

bool WindowBinding::handle(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    result = 0;
    switch (message) {
    case WM_COMMAND:
        return command(LOWORD(wparam), HIWORD(wparam), HWND(lparam));
    case WM_NOTIFY: {
        NMHDR& header = *reinterpret_cast<NMHDR*>(lparam);
        return m_tooltips.notify(header, result) || m_painting.customDraw(header, result);
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return m_painting.colour(HDC(wparam), HWND(lparam), result);
    case WM_MEASUREITEM:
        return m_painting.measureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lparam), dpi(), result);
    case WM_DRAWITEM:
        return m_painting.drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam), dpi(), result);
    case WM_ERASEBKGND:
        return m_painting.eraseBackground(HDC(wparam), result);
    case WM_LBUTTONDOWN:
        m_pressed_on_background = true;
        return false;
    case WM_LBUTTONUP:
        if (!m_pressed_on_background)
            return false;
        m_pressed_on_background = false;
        m_core.clicked(m_window);
        return true;
    case WM_SETFOCUS:
        m_navigation.focusSomething();
        return true;
    case WM_ACTIVATE:
        m_tooltips.activated(LOWORD(wparam) != WA_INACTIVE);
        return false;
    case WM_NEXTDLGCTL:
        m_navigation.nextDialogControl(wparam, lparam);
        return true;
    case WM_DROPFILES:
        dropped(HDROP(wparam));
        return true;
    case WM_TIMER:
        if (wparam != work_timer)
            break;
        workStep();
        return true;
    case WM_SYSCOLORCHANGE:
        m_painting.systemColoursChanged();
        m_tracker.markStale(m_window);
        for (Control* control : m_tracker.controls())
            m_tracker.markStale(*control);
        mirror();
        return true;
    default:
        break;
    }
    if (!m_pick_timer.isDue(message, wparam))
        return false;
    m_core.timerFired();
    return true;
}

}
