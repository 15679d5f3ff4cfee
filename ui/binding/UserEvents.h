#pragma once

#include <cstddef>
#include <string>

namespace trevalo::ui {

class ComboBox;
class Control;
class TextBox;
class Window;

// The entry points a binding calls for what the user does to a widget. Each
// goes through the model's own setters and on_click, so a user's click and
// an operation's take one path, and each does nothing while the control is
// not usable (the toolkit may still deliver an event then, from a shortcut
// or a widget it has not yet disabled). After any of them the binding
// mirrors the model, which may have refused what the widget shows.

// A click on a check box, option button, button or menu entry, or on the
// window's own background (the window as the control).
void userClicked(Control&);
// A pick of item `index` of a list; an index past the items does nothing.
void userPicked(ComboBox&, std::size_t index);

// Enter in a window: clicks the focused button, or else the window's
// default button. Returns whether a button took it, so that a binding can
// leave the key to the focused control otherwise.
enum class Took { Yes, No };
Took userPressedEnter(Window&, Control* focused);
// Escape, or the close box, of a window: clicks its cancel button, or
// closes (hides) the window where it has none. The main window has no cancel
// button and ignores Escape; its close box ends the program.
void userCancelled(Window&);

// A folder dropped on a window, its path in UTF-8: goes to the window's
// on_drop_folder. A window without one, or one not usable (behind a modal
// window), takes no drop.
void userDroppedFolder(Window&, const std::string& folder);

enum class Typed { Taken, Refused };
// Text typed into a box, with the model's CR LF line breaks. A locked box
// refuses it.
Typed userTyped(TextBox&, std::string text);

}
