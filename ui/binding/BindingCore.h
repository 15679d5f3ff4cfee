#pragma once

#include "ui/binding/BindingEvents.h"
#include "ui/binding/HeldPick.h"
#include "ui/binding/UserEvents.h"

namespace trevalo::ui {

class MirrorTracker;
class Window;

// What both bindings decide alike, without a toolkit: it takes each user
// event its adapters report (BindingEvents) to the model's entry points
// (UserEvents), counted in the event depth while it runs, and then has the
// binding show the model again; it holds a pick made with keys until the
// keys are done with it (HeldPick); and it keeps the one focus rule of
// both windows. The rule: the keyboard focus goes where the model's focus
// goes, and where the user puts the keyboard focus the model's goes too,
// but a pick made with keys leaves the keyboard where the user has it, as
// the next key must reach what the user is choosing with: the model's
// focus then follows the keyboard, wherever the pick's operation put it
// (a list's focus sink). The binding supplies what only its toolkit can:
// the mirror itself, where the keyboard focus is, and a timer. It owns
// neither the model nor the binding.
class BindingCore final : public BindingEvents {
public:
    // What the core needs from its toolkit's binding.
    class Toolkit {
    public:
        // Copies every control changed since the last mirror onto its
        // widget, and moves the keyboard focus to focusToShow()'s control.
        virtual void mirror() = 0;
        // The control of this window that has the toolkit's keyboard
        // focus, or null.
        virtual Control* keyboardFocus() const = 0;

    protected:
        ~Toolkit() = default;
    };

    BindingCore(Window&, MirrorTracker&, Toolkit&, HeldPick::Timer&);
    BindingCore(const BindingCore&) = delete;
    BindingCore& operator=(const BindingCore&) = delete;

    void clicked(Control&) override;
    void typed(TextBox&, std::string text) override;
    void picked(ComboBox&, std::size_t index) override;
    void pickedByKey(ComboBox&, std::size_t index) override;
    void keysDone() override { passHeldPick(); }
    void leftList() override { m_held.settle(); }
    void droppedFolder(const std::string& folder) override;
    void changedOnItsOwn(Control&) override;

    // Enter in the window: ends a pick made with keys, or else presses the
    // focused button or the window's default one. Took::No leaves the key
    // to the focused control.
    Took pressedEnter();
    // Escape or the close box: the window's cancel.
    void cancelled();
    // The binding's timer fired.
    void timerFired() { passHeldPick(); }
    // The user put the keyboard focus on a control of this window.
    void userFocused(Control&);

    // The control the keyboard focus is to move to now (the model's focus
    // moved since last shown), or null to leave it where it is.
    Control* focusToShow();

    bool inEvent() const { return m_depth > 0; }
    bool holdsPick() const { return m_held.held(); }

    // One step of the model's long work, unless a user event is still in
    // progress (a message box of it is open); true when one ran.
    bool runWork();

private:
    // Passes a held pick on to the model, if it is complete.
    void passHeldPick();
    // A pick held on another list goes before the user's next event.
    void turnedTo(const Control&);
    // Runs a user event's model call counted in the depth, then shows the
    // model again, on `shown` too: the toolkit may have changed its widget
    // on its own, and the model may have refused that.
    template <typename Event>
    void passOn(Control& shown, Event);

    Window& m_window;
    MirrorTracker& m_tracker;
    Toolkit& m_toolkit;
    int m_depth = 0;
    HeldPick m_held;
    const Control* m_shown_focus = nullptr;
};

}
