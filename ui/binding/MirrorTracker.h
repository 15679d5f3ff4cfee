#pragma once

#include "ui/Control.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace trevalo::ui {

class Window;

// What every binding needs to mirror a window model onto its toolkit: the
// controls in the model's order (which stacking and Tab order follow),
// which of them changed since they were last mirrored, and which can show
// at all. It knows no toolkit and keeps no widgets; a binding asks it and
// tells it what it has mirrored.
class MirrorTracker {
public:
    explicit MirrorTracker(const Window&);

    // Every control of the window but the window itself, in model order.
    const std::vector<Control*>& controls() const { return m_controls; }
    std::size_t order(const Control&) const;

    // Changed since mirrored(), or marked stale since.
    bool changed(const Control&) const;
    void mirrored(const Control&);
    // The toolkit changed the control's widget on its own (ticked a box,
    // showed a picked item): the next mirror shows the model again.
    void markStale(const Control&);

    // One mirror's walk over the controls, in model order, with each
    // control's place in that order: one without its widget yet
    // (`has_widget` false) is made once it shows now (showsNow), when
    // widgets nobody can see yet would cost start-up time for nothing; one
    // with its widget is shown again when it changed since last mirrored.
    // The window itself is the binding's.
    template <typename HasWidget, typename Make, typename Show>
    void walk(HasWidget has_widget, Make make, Show show) const
    {
        for (std::size_t order = 0; order < m_controls.size(); ++order) {
            Control& control = *m_controls[order];
            if (!has_widget(control, order)) {
                if (showsNow(control))
                    make(control, order);
            } else if (changed(control)) {
                show(control, order);
            }
        }
    }

    // Whether the control's widget is needed for the window as it shows
    // now: a widget nobody can see yet costs start-up time for nothing.
    // Menu entries always need theirs, as the menu bar lists them.
    static bool showsNow(const Control&);
    // Whether any part of the control can ever show: not lowered under
    // another control, and not placed wholly outside its container.
    static bool canBeSeen(const Control&);
    static bool outsideContainer(const Control&);

    // Where the control lies in its window's client area, and whether it
    // shows and can be used there, through the frames it is in: what a
    // binding that lays every control flat on the window works out, where
    // one that nests widgets in frames gets it from its toolkit.
    static Place placeInWindow(const Control&);
    static bool shownWithFrames(const Control&);
    static bool enabledWithFrames(const Control&);

private:
    struct Record {
        std::uint64_t revision = 0;
        bool stale = true;
    };
    const Record& record(const Control&) const;
    Record& record(const Control&);

    const std::vector<Control*>& m_controls;
    std::unordered_map<const Control*, std::size_t> m_order;
    std::vector<Record> m_records;
    // The window itself is mirrored like a control but is not among them.
    const Control& m_window;
    Record m_window_record;
};

}
