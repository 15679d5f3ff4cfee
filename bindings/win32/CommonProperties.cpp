#include "bindings/win32/CommonProperties.h"

#include "bindings/win32/ColourMapping.h"
#include "bindings/win32/ControlWindow.h"
#include "bindings/win32/FontMapping.h"
#include "bindings/win32/KindAdapter.h"
#include "bindings/win32/PixelScale.h"
#include "ui/OptionButton.h"
#include "ui/binding/MirrorTracker.h"

namespace trevalo::win32 {

namespace {

const ui::Control* firstOptionOf(const ui::Control& container)
{
    for (const ui::Control* child : container.children()) {
        if (child->kind() == ui::ControlKind::OptionButton)
            return child;
    }
    return nullptr;
}

const ui::Control* lastOptionOf(const ui::Control& container)
{
    const ui::Control* last = nullptr;
    for (const ui::Control* child : container.children()) {
        if (child->kind() == ui::ControlKind::OptionButton)
            last = child;
    }
    return last;
}

// Tab comes to a group of option buttons at its selected one (the first
// when none is), as in any Windows dialog; the arrow keys move within it.
bool tabStopOfGroup(const ui::Control& option)
{
    const ui::Control* container = option.container();
    if (!container)
        return true;
    for (const ui::Control* child : container->children()) {
        if (child->kind() == ui::ControlKind::OptionButton && static_cast<const ui::OptionButton*>(child)->value())
            return child == &option;
    }
    return firstOptionOf(*container) == &option;
}

bool tabStop(const ui::Control& control, bool takes_focus)
{
    // A control that can never be seen (a focus sink under its list, a state
    // holder outside its frame) takes the focus only when an operation gives
    // it, never by Tab.
    if (!takes_focus || !ui::MirrorTracker::canBeSeen(control))
        return false;
    return control.kind() != ui::ControlKind::OptionButton || tabStopOfGroup(control);
}

void setStyle(HWND hwnd, DWORD bits, bool on)
{
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR wanted = on ? (style | LONG_PTR(bits)) : (style & ~LONG_PTR(bits));
    if (wanted != style)
        SetWindowLongPtrW(hwnd, GWL_STYLE, wanted);
}

void clipToFrames(const ui::Control& control, ControlWindow& window, const PixelScale& scale, RECT placed)
{
    RECT visible = placed;
    for (const ui::Control* frame = control.container(); frame && frame->container(); frame = frame->container()) {
        const RECT area = scale.rect(ui::MirrorTracker::placeInWindow(*frame));
        IntersectRect(&visible, &visible, &area);
    }
    const bool clip = !EqualRect(&visible, &placed);
    if (!clip && !window.clipped)
        return;
    window.clipped = clip;
    HRGN region = nullptr;
    if (clip) {
        OffsetRect(&visible, -placed.left, -placed.top);
        region = CreateRectRgnIndirect(&visible);
    }
    // The window owns the region from here on.
    SetWindowRgn(window.hwnd, region, TRUE);
}

}

DWORD CommonProperties::styles(const ui::Control& control, bool takes_focus)
{
    // The arrow keys move through a group in the stacking order, which has
    // later controls on top: a group starts at its last option button and
    // takes in the ones before it; any other control starts a group of its
    // own, so the arrow keys stay in a group of options.
    const bool continues_group = control.kind() == ui::ControlKind::OptionButton && control.container()
        && lastOptionOf(*control.container()) != &control;
    return WS_CHILD | WS_CLIPSIBLINGS | (continues_group ? 0 : WS_GROUP) | (tabStop(control, takes_focus) ? WS_TABSTOP : 0)
        | (ui::MirrorTracker::shownWithFrames(control) ? WS_VISIBLE : 0) | (ui::MirrorTracker::enabledWithFrames(control) ? 0 : WS_DISABLED);
}

RECT CommonProperties::windowRect(const ui::Control& control, const ControlWindow& window, const PixelScale& scale,
    FontMapping& fonts)
{
    return window.adapter->windowRect(control, window, scale.rect(ui::MirrorTracker::placeInWindow(control)), fonts, scale.dpi());
}

CommonProperties::Changed CommonProperties::mirror(const ui::Control& control, ControlWindow& window,
    const PixelScale& scale, FontMapping& fonts)
{
    Changed changed;
    HFONT font = fonts.fontFor(control.font(), scale.dpi());
    if (font != window.font) {
        window.font = font;
        SendMessageW(window.hwnd, WM_SETFONT, WPARAM(font), TRUE);
        changed.layout = true;
    }

    const RECT placed = scale.rect(ui::MirrorTracker::placeInWindow(control));
    const RECT rect = windowRect(control, window, scale, fonts);
    if (!EqualRect(&rect, &window.rect)) {
        SetWindowPos(window.hwnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
            SWP_NOZORDER | SWP_NOACTIVATE);
        window.rect = rect;
        changed.layout = true;
    }
    clipToFrames(control, window, scale, placed);

    const COLORREF fore = ColourMapping::resolve(control.foreColour());
    const COLORREF back = ColourMapping::resolve(control.backColour());
    if (fore != window.fore || back != window.back) {
        window.fore = fore;
        window.back = back;
        InvalidateRect(window.hwnd, nullptr, TRUE);
    }

    setStyle(window.hwnd, WS_TABSTOP, tabStop(control, window.adapter->takesFocus(control)));
    const bool enabled = ui::MirrorTracker::enabledWithFrames(control);
    if (bool(IsWindowEnabled(window.hwnd)) != enabled)
        EnableWindow(window.hwnd, enabled);
    return changed;
}

void CommonProperties::show(const ui::Control& control, const ControlWindow& window)
{
    const bool shown = ui::MirrorTracker::shownWithFrames(control);
    const bool now = GetWindowLongPtrW(window.hwnd, GWL_STYLE) & WS_VISIBLE;
    if (now != shown)
        ShowWindow(window.hwnd, shown ? SW_SHOWNA : SW_HIDE);
}

}
