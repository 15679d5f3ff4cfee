#pragma once

#include "mainwindow/Form1.h"
#include "random/UserAction.h"
#include "support/FakePlatform.h"

#include <array>
#include <cstddef>
#include <optional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::testing {

// Judges the main window after every action of a session, from the text
// forms of the blocks and the author's choices alone: it never asks the
// operations what a block should be. It remembers what it needs across
// actions (the blocks before the last import, a setting just switched on).
class SessionOracle {
public:
    SessionOracle(const Form1& form, const FakeClipboard& clipboard, const FakeMessageBoxes& messages);

    // Before the action is played, with its clipboard already in place.
    void before(const UserAction& action);
    // Every fault the action left behind; empty when there is none.
    std::vector<std::string> after(const UserAction& action);

    // What holds in every state the window can reach, whatever came before.
    std::vector<std::string> invariants() const;

private:
    using Faults = std::vector<std::string>;

    void checkBlocks(Faults&) const;
    void checkFirstPlay(Faults&) const;
    void checkCaptions(Faults&) const;
    void checkWindowState(Faults&) const;
    void checkPostSettings(Faults&) const;
    void checkMessages(const UserAction&, Faults&) const;
    void checkImport(Faults&);
    void checkUndo(const UserAction&, Faults&) const;
    void checkReset(const UserAction&, Faults&) const;
    void checkCopy(const UserAction&, Faults&) const;
    void checkSecondaryWindow(const UserAction&, Faults&) const;
    void checkRoundTrip(const UserAction&, Faults&);
    void checkPostSettingEdit(const UserAction&, Faults&) const;
    void checkCopyMarks(const UserAction&, Faults&);
    // The window as it was before the action, but for the lines of `except`.
    void checkUnchanged(std::string_view why, Faults&, std::initializer_list<const ui::Control*> except = {}) const;

    // Text3 while the dummy skip is on, Text2 otherwise: where the menu's
    // commands and the post settings live.
    const ui::TextBox& menuBlock() const;
    // The SetSTN the stream setting works on: the one it adopted or
    // inserted in front of the first stop command; nullptr for none.
    const std::string* streamSetting(const std::vector<std::string>& commands) const;
    // The sub-picture choice as the window shows it ("optOff 5", "optForce").
    std::string shownSubPicture() const;
    std::vector<std::string> newMessages() const;

    const Form1& m_form;
    const FakeClipboard& m_clipboard;
    const FakeMessageBoxes& m_messages;

    struct Snapshot {
        std::array<std::string, 3> blocks;
        std::string menu_block;
        bool dummy = false;
        int streams = 0;
        int highlight = 0;
        std::string kept_setstn;
        std::string kept_hl;
        std::string option;
        std::string clipboard;
        std::string dump;
        std::size_t shown = 0;
    };
    Snapshot m_before;
    std::optional<std::array<std::string, 3>> m_before_import;

    // A post setting switched on into a block that held no command of its
    // kind: switching it off at once must give that block back.
    struct SwitchedOn {
        std::string control;
        std::string block;
    };
    std::optional<SwitchedOn> m_switched_on;
    // The SetSTN commands of the menu block when the stream setting was
    // switched on, in order.
    std::vector<std::string> m_setstn_at_switch_on;
    // What each copy button last put on the clipboard since the last Reset.
    std::array<std::optional<std::string>, 3> m_copied;
};

}
