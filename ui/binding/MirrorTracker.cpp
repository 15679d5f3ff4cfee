#include "ui/binding/MirrorTracker.h"

#include "ui/Window.h"

namespace trevalo::ui {

MirrorTracker::MirrorTracker(const Window& window)
    : m_controls(window.controls())
    , m_records(window.controls().size())
    , m_window(window)
{
    for (std::size_t i = 0; i < m_controls.size(); ++i)
        m_order[m_controls[i]] = i;
}

std::size_t MirrorTracker::order(const Control& control) const
{
    auto it = m_order.find(&control);
    return it == m_order.end() ? 0 : it->second;
}

const MirrorTracker::Record& MirrorTracker::record(const Control& control) const
{
    return &control == &m_window ? m_window_record : m_records[order(control)];
}

MirrorTracker::Record& MirrorTracker::record(const Control& control)
{
    return &control == &m_window ? m_window_record : m_records[order(control)];
}

bool MirrorTracker::changed(const Control& control) const
{
    const Record& r = record(control);
    return r.stale || r.revision != control.revision();
}

void MirrorTracker::mirrored(const Control& control)
{
    Record& r = record(control);
    r.revision = control.revision();
    r.stale = false;
}

void MirrorTracker::markStale(const Control& control)
{
    record(control).stale = true;
}

bool MirrorTracker::outsideContainer(const Control& control)
{
    const Control* container = control.container();
    if (!container)
        return false;
    const Place& place = control.place();
    const Place& area = container->place();
    return !(place.left < area.width && place.top < area.height && place.right() > 0 && place.bottom() > 0);
}

namespace {

// The frames a control is in, innermost first; the window is none of them.
template<typename Visit>
void forEachFrame(const Control& control, Visit visit)
{
    for (const Control* frame = control.container(); frame && frame->container(); frame = frame->container())
        visit(*frame);
}

}

Place MirrorTracker::placeInWindow(const Control& control)
{
    Place place = control.place();
    forEachFrame(control, [&](const Control& frame) {
        place.left += frame.place().left;
        place.top += frame.place().top;
    });
    return place;
}

bool MirrorTracker::shownWithFrames(const Control& control)
{
    bool shown = control.visible();
    forEachFrame(control, [&](const Control& frame) { shown = shown && frame.visible(); });
    return shown;
}

bool MirrorTracker::enabledWithFrames(const Control& control)
{
    bool enabled = control.enabled();
    forEachFrame(control, [&](const Control& frame) { enabled = enabled && frame.enabled(); });
    return enabled;
}

bool MirrorTracker::canBeSeen(const Control& control)
{
    return control.stacking() != Stacking::Lowered && !outsideContainer(control);
}

bool MirrorTracker::showsNow(const Control& control)
{
    return control.kind() == ControlKind::MenuEntry || (control.visible() && !outsideContainer(control));
}

}
