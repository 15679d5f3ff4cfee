#pragma once

#include <cstddef>

namespace trevalo::ui {
class ComboBox;
class Control;
}

namespace trevalo::win32 {

// What an adapter tells the binding once it has passed a user event on to
// the model (through ui/UserEvents.h), and the list picks the binding
// itself passes on, as it decides when a pick made with keys is complete.
class BindingEvents {
public:
    // Show the model again, on this control too: Win32 may have changed the
    // control on its own, and the model may have refused it.
    virtual void handled(ui::Control&) = 0;
    // The model took the control's own text; there is nothing to show back.
    virtual void taken(ui::Control&) = 0;
    // A pick from a list's open drop-down, by mouse or keys: it goes now.
    virtual void picked(ui::ComboBox&, std::size_t index) = 0;
    // A closed list the user steps through with arrow keys or types into:
    // only the item it rests on is picked, once the user has stopped.
    virtual void pickedByKey(ui::ComboBox&, std::size_t index) = 0;
    // The user left or opened the list: a pick made with keys is complete.
    virtual void settleKeyPick() = 0;

protected:
    ~BindingEvents() = default;
};

}
