#include "ui/binding/UserEvents.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/MenuEntry.h"
#include "ui/OptionButton.h"
#include "ui/TextBox.h"
#include "ui/Window.h"

namespace trevalo::ui {

void userClicked(Control& control)
{
    if (!control.usable())
        return;
    switch (control.kind()) {
    case ControlKind::CheckBox:
        static_cast<CheckBox&>(control).click();
        break;
    case ControlKind::OptionButton:
        static_cast<OptionButton&>(control).click();
        break;
    case ControlKind::Button:
        static_cast<Button&>(control).click();
        break;
    case ControlKind::MenuEntry:
        static_cast<MenuEntry&>(control).click();
        break;
    case ControlKind::Window:
        if (auto& window = static_cast<Window&>(control); window.on_click)
            window.on_click();
        break;
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::Picture:
        break;
    }
}

void userPicked(ComboBox& list, std::size_t index)
{
    if (list.usable())
        list.pick(index);
}

namespace {

Button* findButton(Window& window, bool (Button::*role)() const)
{
    for (Control* control : window.controls()) {
        if (control->kind() == ControlKind::Button && (static_cast<Button*>(control)->*role)())
            return static_cast<Button*>(control);
    }
    return nullptr;
}

}

Took userPressedEnter(Window& window, Control* focused)
{
    Control* button = focused && focused->kind() == ControlKind::Button ? focused : findButton(window, &Button::isDefault);
    if (!button || !button->usable())
        return Took::No;
    static_cast<Button*>(button)->click();
    return Took::Yes;
}

void userCancelled(Window& window)
{
    if (Button* cancel = findButton(window, &Button::isCancel)) {
        if (cancel->usable())
            cancel->click();
        return;
    }
    window.setVisible(false);
}

void userDroppedFolder(Window& window, const std::string& folder)
{
    if (window.on_drop_folder && window.usable())
        window.on_drop_folder(folder);
}

Typed userTyped(TextBox& box, std::string text)
{
    if (!box.usable() || box.locked())
        return Typed::Refused;
    box.setText(std::move(text));
    return Typed::Taken;
}

}
