#pragma once

#include "bindings/win32/ControlWindow.h"

#include <windows.h>

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

namespace trevalo::ui {
class Control;
class MirrorTracker;
}

namespace trevalo::win32 {

// What the binding made for each control of a window model, one place per
// control in the model's order (ui::MirrorTracker::controls()), and the
// ways back to a control from its window, a part of it or its control ID.
// It only records: the binding makes the windows and says whose they are.
class ControlRegistry {
public:
    explicit ControlRegistry(const ui::MirrorTracker&);
    ControlRegistry(const ControlRegistry&) = delete;
    ControlRegistry& operator=(const ControlRegistry&) = delete;

    std::size_t size() const { return m_windows.size(); }
    ui::Control& control(std::size_t order) const;
    ControlWindow& window(std::size_t order) { return m_windows[order]; }
    const ControlWindow& window(std::size_t order) const { return m_windows[order]; }
    // Every place, made or not, in the model's order.
    std::vector<ControlWindow>& windows() { return m_windows; }
    const std::vector<ControlWindow>& windows() const { return m_windows; }

    // `hwnd` is the window of the control at `order`, or a part of it that
    // sends its own messages (a list's drop-down).
    void add(HWND, std::size_t order);
    std::optional<std::size_t> orderOf(HWND) const;
    std::optional<std::size_t> orderOfId(int id) const;
    // None when the control is not one of the window's.
    std::optional<std::size_t> orderOf(const ui::Control&) const;
    ui::Control* controlFor(HWND) const;
    ui::Control* controlForId(int id) const;

private:
    const ui::MirrorTracker& m_tracker;
    std::vector<ControlWindow> m_windows;
    std::unordered_map<HWND, std::size_t> m_orders;
};

}
