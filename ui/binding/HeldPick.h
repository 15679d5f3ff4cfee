#pragma once

#include <cstddef>
#include <optional>

namespace trevalo::ui {

class ComboBox;
class Control;

// A pick made with keys on a closed list, held until the keys are done
// with it, so that typing "12" picks item 12 once (not 1, then 12) and an
// operation moving the focus to a focus sink after the first key cannot
// swallow the second. The pick is complete once the keys have rested for
// `pause_ms`, or when the binding says so (Enter, Tab, a shortcut, the
// focus leaving); it is not passed on while a user event is still in
// progress (an operation's message box is open inside it), and waits a
// little longer then. It only keeps the pick and starts the binding's
// timer; passing the pick on to the model is the caller's, when take()
// gives it.
class HeldPick {
public:
    // The toolkit's one-shot timer: once started it fires once after `ms`
    // (0: as soon as the toolkit has done with what it is doing), unless
    // stopped or started again first. When it fires, the binding asks
    // take().
    class Timer {
    public:
        virtual void start(unsigned ms) = 0;
        virtual void stop() = 0;

    protected:
        ~Timer() = default;
    };

    // How long the keys must rest before the pick counts, in either window:
    // long enough to type a two-digit number at an unhurried pace, where
    // the toolkits' own figures differ (Qt's keyboard interval is 400 ms by
    // default). Characters typed closer together make one typed text
    // (TypeAhead), so the same pause ends both.
    static constexpr unsigned pause_ms = 1000;
    // How soon a pick that had to wait for an event in progress is offered
    // again.
    static constexpr unsigned retry_ms = 100;

    struct Pick {
        ComboBox* list;
        std::size_t index;
    };

    // `event_depth` counts the user events in progress, kept by the caller.
    HeldPick(Timer&, const int& event_depth);

    bool held() const { return m_pick.has_value(); }
    // A pick is held on a list other than `control`, which the user has
    // turned to.
    bool heldOnOther(const Control&) const;
    // The pick the keys rest on now, in place of any held on the same list;
    // the pause starts again.
    void hold(ComboBox&, std::size_t index);
    // A pick from the open drop-down replaces the one the keys made.
    void drop();
    // The keys are done, but the toolkit is still moving the focus: the
    // pick is offered once it has settled.
    void settle();
    // The held pick, no longer held, when it can be passed on now; none
    // while user events are in progress, when it is offered again soon.
    std::optional<Pick> take();

private:
    Timer& m_timer;
    const int& m_event_depth;
    std::optional<Pick> m_pick;
};

}
