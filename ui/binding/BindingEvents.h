#pragma once

#include <cstddef>
#include <string>

namespace trevalo::ui {

class ComboBox;
class Control;
class TextBox;

// What a binding's adapters hear from their toolkit, told in the model's
// words: every adapter of either binding passes what the user did to a
// widget on through these, and the binding core (BindingCore) takes it to
// the model and has the window shown again. An adapter decides nothing
// about what an event means; it only says which event it saw.
class BindingEvents {
public:
    // A click on a check box, option button, button or menu entry, a
    // control's shortcut, or a click on the window's own background (the
    // window as the control).
    virtual void clicked(Control&) = 0;
    // The text of a box as the user left it, with the model's CR LF line
    // breaks.
    virtual void typed(TextBox&, std::string text) = 0;
    // A pick from a list's open drop-down, by mouse or keys: it goes now.
    virtual void picked(ComboBox&, std::size_t index) = 0;
    // A closed list the user steps through with keys or types into: only
    // the item it rests on is picked, once the keys are done with it.
    virtual void pickedByKey(ComboBox&, std::size_t index) = 0;
    // The keys are done with the list (Tab, the focus gone): a held pick
    // goes now.
    virtual void keysDone() = 0;
    // The user left or opened the list while the toolkit still moves the
    // focus: a held pick goes once the focus has settled.
    virtual void leftList() = 0;
    // A folder dropped on the window, its path in UTF-8.
    virtual void droppedFolder(const std::string& folder) = 0;
    // The toolkit changed the control's widget on its own, and the model
    // heard nothing (a drop-down closed without a pick): show the model.
    virtual void changedOnItsOwn(Control&) = 0;

protected:
    ~BindingEvents() = default;
};

}
