#include "ui/binding/HeldPick.h"

#include "ui/ComboBox.h"

namespace trevalo::ui {

HeldPick::HeldPick(Timer& timer, const int& event_depth)
    : m_timer(timer)
    , m_event_depth(event_depth)
{
}

bool HeldPick::heldOnOther(const Control& control) const
{
    return m_pick && m_pick->list != &control;
}

void HeldPick::hold(ComboBox& list, std::size_t index)
{
    m_pick = Pick { &list, index };
    m_timer.start(pause_ms);
}

void HeldPick::drop()
{
    m_pick.reset();
    m_timer.stop();
}

void HeldPick::settle()
{
    if (m_pick)
        m_timer.start(0);
}

// A message box or modal window an operation opens runs the toolkit's
// event loop inside the event, where the pick must wait.
std::optional<HeldPick::Pick> HeldPick::take()
{
    if (!m_pick)
        return std::nullopt;
    if (m_event_depth > 0) {
        m_timer.start(retry_ms);
        return std::nullopt;
    }
    m_timer.stop();
    const Pick pick = *m_pick;
    m_pick.reset();
    return pick;
}

}
