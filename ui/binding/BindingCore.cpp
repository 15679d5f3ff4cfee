#include "ui/binding/BindingCore.h"

#include "ui/ComboBox.h"
#include "ui/ScopedDepth.h"
#include "ui/TextBox.h"
#include "ui/Window.h"
#include "ui/binding/MirrorTracker.h"

namespace trevalo::ui {

BindingCore::BindingCore(Window& window, MirrorTracker& tracker, Toolkit& toolkit, HeldPick::Timer& timer)
    : m_window(window)
    , m_tracker(tracker)
    , m_toolkit(toolkit)
    , m_held(timer, m_depth)
{
}

template <typename Event>
void BindingCore::passOn(Control& shown, Event event)
{
    {
        ScopedDepth counted(m_depth);
        event();
    }
    m_tracker.markStale(shown);
    m_toolkit.mirror();
}

void BindingCore::turnedTo(const Control& control)
{
    if (m_held.heldOnOther(control))
        passHeldPick();
}

void BindingCore::clicked(Control& control)
{
    // A shortcut or a click acts on the pick the keys made.
    passHeldPick();
    passOn(control, [&] { userClicked(control); });
}

void BindingCore::typed(TextBox& box, std::string text)
{
    turnedTo(box);
    Typed taken;
    {
        ScopedDepth counted(m_depth);
        taken = userTyped(box, std::move(text));
    }
    // The widget shows what the model took; there is nothing to show back.
    if (taken == Typed::Taken) {
        m_tracker.mirrored(box);
        return;
    }
    m_tracker.markStale(box);
    m_toolkit.mirror();
}

void BindingCore::picked(ComboBox& list, std::size_t index)
{
    turnedTo(list);
    m_held.drop();
    passOn(list, [&] { userPicked(list, index); });
}

void BindingCore::pickedByKey(ComboBox& list, std::size_t index)
{
    turnedTo(list);
    m_held.hold(list, index);
}

void BindingCore::passHeldPick()
{
    const std::optional<HeldPick::Pick> pick = m_held.take();
    if (!pick)
        return;
    {
        ScopedDepth counted(m_depth);
        userPicked(*pick->list, pick->index);
    }
    m_tracker.markStale(*pick->list);
    // The keyboard stays with the user, wherever the operation put the
    // model's focus, which follows the keyboard instead.
    if (Control* keyboard = m_toolkit.keyboardFocus())
        m_window.setFocusedControl(keyboard);
    m_shown_focus = m_window.focusedControl();
    m_toolkit.mirror();
}

void BindingCore::droppedFolder(const std::string& folder)
{
    passHeldPick();
    passOn(m_window, [&] { userDroppedFolder(m_window, folder); });
}

void BindingCore::changedOnItsOwn(Control& control)
{
    m_tracker.markStale(control);
    m_toolkit.mirror();
}

Took BindingCore::pressedEnter()
{
    if (m_held.held()) {
        passHeldPick();
        return Took::Yes;
    }
    Control* focused = m_toolkit.keyboardFocus();
    Took took;
    {
        ScopedDepth counted(m_depth);
        took = userPressedEnter(m_window, focused ? focused : m_window.focusedControl());
    }
    if (took == Took::Yes) {
        m_tracker.markStale(focused ? *focused : m_window);
        m_toolkit.mirror();
    }
    return took;
}

void BindingCore::cancelled()
{
    passHeldPick();
    passOn(m_window, [&] { userCancelled(m_window); });
}

void BindingCore::userFocused(Control& control)
{
    // Otherwise an operation moving the focus back to where the model last
    // had it would look like no move at all.
    m_shown_focus = &control;
    m_window.setFocusedControl(&control);
}

Control* BindingCore::focusToShow()
{
    Control* focus = m_window.focusedControl();
    if (focus == m_shown_focus)
        return nullptr;
    m_shown_focus = focus;
    return focus;
}

bool BindingCore::runWork()
{
    if (inEvent() || !m_window.hasWork())
        return false;
    {
        ScopedDepth counted(m_depth);
        m_window.runWork();
    }
    m_toolkit.mirror();
    return true;
}

}
