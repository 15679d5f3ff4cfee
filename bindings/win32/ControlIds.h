#pragma once

#include <cstddef>

namespace trevalo::win32 {

// The Win32 control ID of a control is its place in the model's order
// (ui::MirrorTracker::controls()) past a base that keeps clear of the IDs
// the dialog manager reserves (IDOK, IDCANCEL, ...). Menu entries and
// accelerators use the same IDs, and a test driving the window finds each
// control by the same rule.
struct ControlIds {
    static constexpr int first = 100;

    static constexpr int forOrder(std::size_t order) { return first + int(order); }
    static constexpr bool isControl(int id, std::size_t count) { return id >= first && std::size_t(id - first) < count; }
    static constexpr std::size_t orderOf(int id) { return std::size_t(id - first); }
};

}
