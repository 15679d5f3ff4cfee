#include "support/KeyboardSession.h"

namespace trevalo::testing {

namespace {

// The blocks as the author sees them: First Play's with the guard register
// and the target's PGC and menu in it.
std::string firstPlay(const char* guard, const char* pgc, const char* menu)
{
    return std::string("{00 B1 00 ") + guard + " 00 00 00 03} {30 06 00 01 " + pgc + " " + menu
        + " 00 00} {00 00 00 00 00 00 00 00}";
}

}

const std::string SharedKeyboardSession::clipboard = "{71 00 00 05 00 07 00 00}";

const SharedKeyboardSession::Step SharedKeyboardSession::start = { "start", Key::Rest, {}, 0, false, "cboGPRM",
    { { "cboGPRM", "14" }, { "Text1", firstPlay("0E", "01", "83") } } };

const std::vector<SharedKeyboardSession::Step>& SharedKeyboardSession::steps()
{
    using enum Key;
    static const std::vector<Step> session = {
        { "arrows step the closed list, and hold the pick", Up, {}, 2, false, "cboGPRM",
            { { "cboGPRM", "12" }, { "Text1", firstPlay("0E", "01", "83") } } },
        { "Tab lets the pick go and moves on", Tab, {}, 1, false, "chkNone",
            { { "cboGPRM", "12" }, { "Text1", firstPlay("0C", "01", "83") } } },
        { "on to the PGC list", Tab, {}, 2, false, "cboPGC", { { "cboPGC", "1" } } },
        { "a two-digit number, held", Type, "12", 1, false, "cboPGC",
            { { "cboPGC", "12" }, { "Label8", "VTSM 1 Root Menu" } } },
        { "the pick goes once the keys rest, and the focus stays", Rest, {}, 1, false, "cboPGC",
            { { "cboPGC", "12" }, { "Label8", "VTSM 12 Root Menu" }, { "Text1", firstPlay("0C", "0C", "83") } } },
        { "a step, held", Down, {}, 1, false, "cboPGC", { { "cboPGC", "13" }, { "Label8", "VTSM 12 Root Menu" } } },
        { "Enter ends the held pick", Enter, {}, 1, false, "cboPGC",
            { { "cboPGC", "13" }, { "Label8", "VTSM 13 Root Menu" } } },
        { "another step, held", Down, {}, 1, false, "cboPGC", { { "cboPGC", "14" }, { "Label8", "VTSM 13 Root Menu" } } },
        // The box's own operation then sends the focus to the list's focus
        // sink, and the keyboard goes with it.
        { "a shortcut lets the held pick go before its own click", Alt, "D", 1, false, "cmdTemp",
            { { "cboPGC", "14" }, { "Label8", "VTSM 14 Root Menu" }, { "chkDummy", "ticked" } } },
        // The import turns off the frame the list's focus sink is in: the
        // keyboard goes on to the first control still in use, never
        // nowhere.
        { "the import by its key, which a message box confirms", Ctrl, "I", 1, true, "cmdUndo",
            { { "Text1", firstPlay("0C", "0E", "83") },
                { "Text3",
                    "{00 B1 00 0C 00 00 00 05} {71 00 00 0C 00 01 00 00} {71 00 00 05 00 07 00 00} "
                    "{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}" } } },
        { "Tab past the steps' boxes", Tab, {}, 1, false, "chkStreams" },
        { "Tab", Tab, {}, 1, false, "chkHighlight" },
        { "Tab", Tab, {}, 1, false, "chkdisable" },
        { "Tab to the first copy button", Tab, {}, 1, false, "cmdCopy" },
        { "Enter copies the first block, and the focus stays", Enter, {}, 1, false, "cmdCopy",
            { { "clipboard", firstPlay("0C", "0E", "83") } } },
    };
    return session;
}

}
