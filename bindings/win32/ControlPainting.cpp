#include "bindings/win32/ControlPainting.h"

#include "bindings/win32/ControlRegistry.h"
#include "bindings/win32/KindAdapter.h"

#include <commctrl.h>

namespace trevalo::win32 {

ControlPainting::ControlPainting(HWND host, const ControlRegistry& registry, FontMapping& fonts)
    : m_host(host)
    , m_registry(registry)
    , m_fonts(fonts)
{
}

bool ControlPainting::colour(HDC dc, HWND from, LRESULT& result)
{
    const std::optional<std::size_t> order = m_registry.orderOf(from);
    if (!order)
        return false;
    const ControlWindow& window = m_registry.window(*order);
    SetTextColor(dc, window.fore);
    SetBkColor(dc, window.back);
    result = LRESULT(m_colours.brushFor(window.back));
    return true;
}

std::optional<ControlPainting::Adapted> ControlPainting::adapted(std::optional<std::size_t> order) const
{
    if (!order || !m_registry.window(*order).adapter)
        return std::nullopt;
    return Adapted { m_registry.control(*order), m_registry.window(*order) };
}

bool ControlPainting::customDraw(const NMHDR& header, LRESULT& result)
{
    if (header.code != NM_CUSTOMDRAW)
        return false;
    const std::optional<Adapted> found = adapted(m_registry.orderOf(header.hwndFrom));
    return found
        && found->window.adapter->customDraw(found->control, found->window,
            reinterpret_cast<const NMCUSTOMDRAW&>(header), m_colours, result);
}

bool ControlPainting::measureItem(MEASUREITEMSTRUCT& measure, int dpi, LRESULT& result)
{
    const std::optional<Adapted> found = adapted(m_registry.orderOfId(int(measure.CtlID)));
    if (!found)
        return false;
    found->window.adapter->measureItem(found->control, found->window, measure, m_fonts, dpi);
    result = TRUE;
    return true;
}

bool ControlPainting::drawItem(const DRAWITEMSTRUCT& draw, int dpi, LRESULT& result)
{
    const std::optional<Adapted> found = adapted(m_registry.orderOfId(int(draw.CtlID)));
    if (!found)
        return false;
    found->window.adapter->drawItem(found->control, found->window, draw, m_colours, dpi);
    result = TRUE;
    return true;
}

bool ControlPainting::eraseBackground(HDC dc, LRESULT& result)
{
    RECT area;
    GetClientRect(m_host, &area);
    FillRect(dc, &area, m_colours.brushFor(m_back));
    result = 1;
    return true;
}

void ControlPainting::systemColoursChanged()
{
    m_colours.forget();
    for (const ControlWindow& window : m_registry.windows()) {
        if (window.hwnd)
            SendMessageW(window.hwnd, WM_SYSCOLORCHANGE, 0, 0);
    }
    m_back = CLR_INVALID;
}

}
