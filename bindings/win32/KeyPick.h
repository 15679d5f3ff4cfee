#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

namespace trevalo::ui {
class ComboBox;
class Control;
}

namespace trevalo::win32 {

// A pick made with keys on a closed list, held until it is complete: the
// keys have rested a while, the user left the list, or another event came
// first. It keeps the pick and its timer on the host; passing the pick on
// to the model is the binding's, when take() gives it.
class KeyPick {
public:
    // A pick made with keys on a closed list counts once the keys have
    // rested this long: long enough to type a two-digit number. Keys typed
    // closer together make one typed text (ui::TypeAhead).
    static constexpr unsigned pause_ms = 1000;

    struct Pick {
        ui::ComboBox* list;
        std::size_t index;
    };

    // `event_depth` counts the user events in progress, kept by the binding.
    KeyPick(HWND host, const int& event_depth);
    ~KeyPick();
    KeyPick(const KeyPick&) = delete;
    KeyPick& operator=(const KeyPick&) = delete;

    bool held() const { return m_pick.has_value(); }
    // A pick is held on a list other than `control`, which the user has
    // turned to.
    bool heldOnOther(const ui::Control&) const;
    // The pick the keys rest on now, in place of any held on the same list.
    void hold(ui::ComboBox&, std::size_t index);
    // A pick from the open drop-down replaces the one the keys made.
    void drop();
    // The user left or opened the list: the pick is complete once the
    // focus has settled where the user put it.
    void settle();
    // A message of the host that says the held pick is complete.
    bool isDue(UINT message, WPARAM) const;
    // The held pick, no longer held, when it can be passed on now; none
    // while user events are in progress, when it waits a little longer.
    std::optional<Pick> take();

private:
    HWND m_host;
    const int& m_event_depth;
    std::optional<Pick> m_pick;
};

}
