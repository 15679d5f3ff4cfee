// The window's headers come first: ui/Button.h calls quoted() unqualified
// on a std::string, which <filesystem> (through the disc model) would let
// std::quoted take over.
#include "support/FormFixture.h"

#include "WindowBlocks.h"
#include "ui/binding/UserEvents.h"

#include <stdexcept>

namespace trevalo::testing {

namespace {

void pick(ui::ComboBox& list, const std::string& item)
{
    const std::optional<std::size_t> index = list.indexOf(item);
    if (!index)
        throw std::invalid_argument(list.name() + " has no item " + item);
    ui::userPicked(list, *index);
}

core::MenuId menuId(const std::string& menu)
{
    if (menu == "Sub-Picture Menu")
        return core::MenuId::SubPicture;
    if (menu == "Audio Menu")
        return core::MenuId::Audio;
    if (menu == "Angle Menu")
        return core::MenuId::Angle;
    if (menu == "Chapter Menu")
        return core::MenuId::Chapter;
    return core::MenuId::Root;
}

// Sets the window up and imports; false with the message when refused.
bool importInto(FreshWindow& window, const WindowChoice& choice, const std::string& imported, std::string& error)
{
    Form1& form = window.form;
    pick(form.cboSelect, choice.domain);
    pick(form.cboPGC, choice.number);
    if (choice.domain == "VTSM")
        pick(form.CboMenu, choice.menu);
    if (!choice.dummy.empty()) {
        ui::userClicked(form.chkDummy);
        pick(form.cboDummy, choice.dummy);
    }
    if (choice.guard.empty())
        ui::userClicked(form.chkNone);
    else
        pick(form.cboGPRM, choice.guard);
    window.clipboard.contents = imported;
    window.messages.shown.clear();
    ui::userClicked(form.cmdPaste);
    if (window.messages.shown.size() != 1 || window.messages.shown[0].title != "Import") {
        error = window.messages.shown.empty() ? "no message" : window.messages.shown[0].prompt;
        return false;
    }
    if (!choice.audio.empty()) {
        ui::userClicked(form.chkStreams);
        pick(form.cboAudio, choice.audio);
    }
    if (!choice.button.empty()) {
        ui::userClicked(form.chkHighlight);
        pick(form.cboButton, choice.button);
    }
    return true;
}

}

Composed compose(const WindowChoice& choice, const std::string& imported)
{
    Composed composed;
    FreshWindow window;
    importInto(window, choice, imported, composed.import_error);
    const Form1& form = window.form;
    composed.blocks = { form.Text1.text(), form.Text2.text(), form.Text3.text() };
    const int number = std::stoi(choice.number);
    if (choice.domain == "VTSM")
        composed.target = { vm::TargetKind::TitleSetMenu, number, menuId(choice.menu),
            choice.dummy.empty() ? 0 : std::stoi(choice.dummy) };
    else if (choice.domain == "VMGM")
        composed.target = { vm::TargetKind::ManagerPgc, number, core::MenuId::None, 0 };
    else
        composed.target = { vm::TargetKind::Title, number, core::MenuId::None, 0 };
    composed.deliberate.guard_register = choice.guard.empty() ? -1 : std::stoi(choice.guard);
    composed.deliberate.streams = !choice.audio.empty();
    composed.deliberate.button = !choice.button.empty();
    return composed;
}

std::string windowAfterImport(const WindowChoice& choice, const std::string& imported)
{
    FreshWindow window;
    std::string error;
    if (!importInto(window, choice, imported, error))
        return "refused: " + error;
    return window.form.window().dumpState();
}

}
