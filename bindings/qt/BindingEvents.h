#pragma once

namespace trevalo::ui {
class Control;
}

namespace trevalo::qt {

// What an adapter tells the binding once it has passed a user event on to
// the model (through ui/UserEvents.h).
class BindingEvents {
public:
    // Show the model again, on this control's widget too: the toolkit has
    // changed the widget on its own, and the model may have refused it.
    virtual void handled(ui::Control&) = 0;
    // As handled(), but the keyboard focus stays where the user has it,
    // wherever the event's operation put the model's focus.
    virtual void handledKeepingFocus(ui::Control&) = 0;
    // The model took the widget's own text; there is nothing to show back.
    virtual void taken(ui::Control&) = 0;

protected:
    ~BindingEvents() = default;
};

}
