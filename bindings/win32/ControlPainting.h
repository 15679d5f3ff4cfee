#pragma once

#include "bindings/win32/ColourMapping.h"

#include <windows.h>

#include <cstddef>
#include <optional>

namespace trevalo::ui {
class Control;
}

namespace trevalo::win32 {

class ControlRegistry;
struct ControlWindow;
class FontMapping;

// Answers the host's painting messages in the model's colours: a control's
// WM_CTLCOLOR* from the colours last mirrored onto it, an owner-drawn
// list's WM_MEASUREITEM and WM_DRAWITEM and a control's NM_CUSTOMDRAW
// through its kind's adapter, and the background in the window's back
// colour. It keeps the brushes; which colours a control has is the
// binding's to mirror. Each call is true when it answered, with `result`
// as the answer.
class ControlPainting {
public:
    ControlPainting(HWND host, const ControlRegistry&, FontMapping&);

    // The colour the background is painted with, as the binding last
    // mirrored the window's.
    COLORREF& back() { return m_back; }

    bool colour(HDC, HWND from, LRESULT& result);
    bool customDraw(const NMHDR&, LRESULT& result);
    bool measureItem(MEASUREITEMSTRUCT&, int dpi, LRESULT& result);
    bool drawItem(const DRAWITEMSTRUCT&, int dpi, LRESULT& result);
    bool eraseBackground(HDC, LRESULT& result);
    // The desktop's colours changed: the brushes and the back colour are
    // worked out again, and the controls are told so they redraw their own
    // parts.
    void systemColoursChanged();

private:
    struct Adapted {
        const ui::Control& control;
        const ControlWindow& window;
    };
    // The control at `order` with its window, when its kind has an adapter
    // to answer for it.
    std::optional<Adapted> adapted(std::optional<std::size_t> order) const;

    HWND m_host;
    const ControlRegistry& m_registry;
    FontMapping& m_fonts;
    ColourMapping m_colours;
    COLORREF m_back = CLR_INVALID;
};

}
