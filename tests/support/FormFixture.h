#pragma once

#include "mainwindow/Form1.h"
#include "support/Expected.h"
#include "support/FakePlatform.h"
#include "ui/binding/UserEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace trevalo::testing {

// A main window as it comes up on doubles of its own: a state to compare a
// window under test with.
struct FreshWindow {
    FakeClipboard clipboard;
    FakeMessageBoxes messages;
    FakeModalWindows modals;
    Form1 form { clipboard, messages, modals };
};

// A main window on fake clipboard and message boxes, driven the way a user
// drives it: picking list items and clicking controls through the entry
// points both windows' bindings call, and only where a user can (a control
// that is disabled, hidden or behind a modal window fails the test).
class FormFixture : public ::testing::Test {
protected:
    FakeClipboard clipboard;
    FakeMessageBoxes messages;
    FakeModalWindows modals;
    Form1 form { clipboard, messages, modals };

    // Picks `item` from `list`; the item must be one of the list's.
    void pick(ui::ComboBox& list, std::string_view item)
    {
        auto index = list.indexOf(item);
        ASSERT_TRUE(index.has_value()) << list.name() << " has no item " << item;
        ASSERT_TRUE(list.usable()) << list.name() << " cannot be picked from: it is disabled or hidden";
        ui::userPicked(list, *index);
    }

    // Imports `trace` as the author does, expecting it accepted; the
    // import's message is taken off the record.
    void paste(const std::string& trace)
    {
        clipboard.contents = trace;
        click(form.cmdPaste);
        ASSERT_EQ(messages.shown.size(), 1u);
        ASSERT_EQ(messages.shown[0].title, "Import");
        messages.shown.clear();
    }

    void click(ui::Control& control)
    {
        ASSERT_TRUE(control.usable()) << control.name() << " cannot be clicked: it is disabled or hidden";
        ui::userClicked(control);
    }

    // Clicks Undo Import or Reset and gives `answer` to the clipboard
    // question both ask first, checking it is that question.
    void clickAndAnswer(ui::Control& control, ui::Answer answer)
    {
        messages.answers.push_back(answer);
        click(control);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].prompt, "Do you want to clear the clipboard? [Recommended]");
        EXPECT_EQ(messages.shown[0].title, "Warning");
        EXPECT_EQ(messages.shown[0].buttons, ui::Buttons::YesNoCancel);
        messages.shown.clear();
    }
};

}
