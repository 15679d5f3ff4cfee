#include "bindings/win32/ControlRegistry.h"

#include "bindings/win32/ControlIds.h"
#include "ui/binding/MirrorTracker.h"

namespace trevalo::win32 {

ControlRegistry::ControlRegistry(const ui::MirrorTracker& tracker)
    : m_tracker(tracker)
    , m_windows(tracker.controls().size())
{
}

ui::Control& ControlRegistry::control(std::size_t order) const
{
    return *m_tracker.controls()[order];
}

void ControlRegistry::add(HWND hwnd, std::size_t order)
{
    m_orders[hwnd] = order;
}

std::optional<std::size_t> ControlRegistry::orderOf(HWND hwnd) const
{
    auto it = m_orders.find(hwnd);
    if (it == m_orders.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::size_t> ControlRegistry::orderOfId(int id) const
{
    if (!ControlIds::isControl(id, m_windows.size()))
        return std::nullopt;
    return ControlIds::orderOf(id);
}

std::optional<std::size_t> ControlRegistry::orderOf(const ui::Control& control) const
{
    const std::size_t order = m_tracker.order(control);
    if (order >= m_windows.size() || m_tracker.controls()[order] != &control)
        return std::nullopt;
    return order;
}

ui::Control* ControlRegistry::controlFor(HWND hwnd) const
{
    const std::optional<std::size_t> order = orderOf(hwnd);
    return order ? m_tracker.controls()[*order] : nullptr;
}

ui::Control* ControlRegistry::controlForId(int id) const
{
    const std::optional<std::size_t> order = orderOfId(id);
    return order ? m_tracker.controls()[*order] : nullptr;
}

}
