#include "bindings/win32/RunningTrevalo.h"
#include "mainwindow/Form1.h"
#include "support/FakePlatform.h"
#include "support/KeyboardSession.h"
#include "ui/binding/HeldPick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace trevalo::testing {
namespace {

// The program to drive, given on the command line after GoogleTest's own
// options: tests/win32/run-session.sh passes it.
std::wstring program;

// A whole session on trevalo.exe's real controls, the way an author does it,
// with the blocks compared against the texts the author should see and the
// three copies read back from the Windows clipboard.
// A disabled control gets no mouse messages of its own, yet its tooltip
// still says what it is for and which key runs it.
TEST(Win32Session, TooltipsShowOverEnabledAndDisabledControls)
{
    RunningTrevalo trevalo(program);
    ASSERT_NE(trevalo.mainWindow(), nullptr);
    ASSERT_FALSE(trevalo.enabled("cmdCopy"));
    ASSERT_FALSE(trevalo.enabled("optOn"));
    EXPECT_EQ(trevalo.tooltipOver("cmdPaste"), L"Are all inputs correctly set? (Ctrl+I)");
    EXPECT_EQ(trevalo.tooltipOver("cmdCopy"), L"Copy to Clipboard (Ctrl+1)");
    EXPECT_EQ(trevalo.tooltipOver("optOn"), L"Use this for turning on subtitles");
    EXPECT_EQ(trevalo.close(), DWORD(0));
}

// A tooltip goes when the pointer leaves its control or the window, and
// when the focus moves on or leaves the window, as in the Qt window; the
// pointer on a list brings none.
TEST(Win32Session, TooltipsGoWhenThePointerOrTheFocusLeaves)
{
    RunningTrevalo trevalo(program);
    ASSERT_NE(trevalo.mainWindow(), nullptr);
    EXPECT_EQ(trevalo.pointAt("cboPGC", 1500), L"");
    EXPECT_NE(trevalo.pointAt("Text1", 10000), L"") << "a block's listing";
    trevalo.pointAt("CboMenu", 0);
    EXPECT_TRUE(trevalo.noTooltipWithin(1000)) << "the pointer left the block for a list";
    Sleep(1000);
    EXPECT_TRUE(trevalo.noTooltipWithin(0)) << "the pointer rests on the list";
    ASSERT_NE(trevalo.pointAt("Text2", 10000), L"");
    trevalo.pointerOff();
    EXPECT_TRUE(trevalo.noTooltipWithin(1000)) << "the pointer left the window";

    ASSERT_NE(trevalo.pointAt("Text2", 10000), L"");
    trevalo.tab();
    EXPECT_TRUE(trevalo.noTooltipWithin(1000)) << "Tab moved the focus";

    ASSERT_EQ(trevalo.pointAt("cmdPaste", 10000), L"Are all inputs correctly set? (Ctrl+I)");
    trevalo.focusElsewhere();
    EXPECT_TRUE(trevalo.noTooltipWithin(1000)) << "another window took the focus";
    trevalo.focusBack();
    trevalo.pointerOff();
    EXPECT_EQ(trevalo.close(), DWORD(0));
}

// A number typed on a list picks that number, as in the Qt window: on the
// closed list once the keys rest (or at Enter), with the focus staying; in
// the open drop-down the number is shown and Enter picks it.
TEST(Win32Session, ANumberTypedOnAListPicksThatNumber)
{
    RunningTrevalo trevalo(program);
    HWND main = trevalo.mainWindow();
    ASSERT_NE(main, nullptr);
    for (int i = 0; i < 30 && trevalo.focused() != "cboPGC"; ++i)
        trevalo.tab();
    ASSERT_EQ(trevalo.focused(), "cboPGC");
    auto waitForTarget = [&](const wchar_t* target) {
        for (int waited = 0; waited < 5000 && trevalo.text("Label8") != target; waited += 100)
            Sleep(100);
        return trevalo.text("Label8");
    };

    // On the keyboard, a key after the other.
    trevalo.type({ '1' });
    trevalo.type({ '2' });
    EXPECT_EQ(waitForTarget(L"VTSM 12 Root Menu"), L"VTSM 12 Root Menu");
    EXPECT_EQ(trevalo.shown("cboPGC"), L"12");
    EXPECT_EQ(trevalo.text("Text1"), L"{00 B1 00 0E 00 00 00 03} {30 06 00 01 0C 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(trevalo.focused(), "cboPGC");

    // Quickly, one digit twice, and Enter.
    trevalo.press(main, '2');
    trevalo.press(main, '2');
    trevalo.press(main, VK_RETURN);
    EXPECT_EQ(waitForTarget(L"VTSM 22 Root Menu"), L"VTSM 22 Root Menu");
    EXPECT_EQ(trevalo.shown("cboPGC"), L"22");
    EXPECT_EQ(trevalo.focused(), "cboPGC");

    HWND dropped = trevalo.openDropDown("cboPGC");
    ASSERT_TRUE(dropped && IsWindowVisible(dropped));
    trevalo.press(main, '4');
    trevalo.press(main, '2');
    trevalo.press(main, VK_RETURN);
    EXPECT_EQ(waitForTarget(L"VTSM 42 Root Menu"), L"VTSM 42 Root Menu");
    EXPECT_FALSE(IsWindowVisible(dropped));
    EXPECT_EQ(trevalo.text("Text1"), L"{00 B1 00 0E 00 00 00 03} {30 06 00 01 2A 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(trevalo.close(), DWORD(0));
}

// An open list lies below its box, as wide as the box at least with the
// scroll bar beside its items, and shows sixteen items at a time, not a
// column of all 99.
TEST(Win32Session, AnOpenListIsWideEnoughAndShowsSixteenItems)
{
    RunningTrevalo trevalo(program);
    ASSERT_NE(trevalo.mainWindow(), nullptr);
    const std::pair<const char*, int> lists[] = { { "cboPGC", 99 }, { "cboGPRM", 16 }, { "CboMenu", 5 }, { "cboSelect", 3 } };
    for (const auto& [list, count] : lists) {
        SCOPED_TRACE(list);
        HWND combo = trevalo.control(list);
        RECT box {};
        GetWindowRect(combo, &box);
        HWND dropped = trevalo.openDropDown(list);
        ASSERT_TRUE(dropped && IsWindowVisible(dropped));
        RECT outer {};
        RECT items {};
        GetWindowRect(dropped, &outer);
        GetClientRect(dropped, &items);
        const LRESULT item_height = SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
        ASSERT_GT(item_height, 0);
        EXPECT_EQ(items.bottom / item_height, std::min(count, 16));
        EXPECT_GE(items.right, box.right - box.left) << "the scroll bar takes from the items";
        EXPECT_EQ(outer.left, box.left);
        EXPECT_GE(outer.top, box.bottom - 1) << "it opens below its box";
        trevalo.closeDropDown(list);
        EXPECT_FALSE(IsWindowVisible(dropped));
    }
    EXPECT_EQ(trevalo.close(), DWORD(0));
}

// Ctrl+O, the key of an item in the Disc menu's drop-down, opens the
// system's folder picker; a folder that is no disc gets the reader's message
// and the window stays as it was. (Wine keeps menus within their process,
// so the menu's own state is held in the binding's own tests.)
TEST(Win32Session, CtrlOOpensTheFolderPickerAndAFolderThatIsNoDiscChangesNothing)
{
    RunningTrevalo trevalo(program);
    ASSERT_NE(trevalo.mainWindow(), nullptr);
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring empty = std::wstring(temp) + L"trevalo-no-disc-" + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(empty.c_str(), nullptr));
    const std::wstring before = trevalo.text("Text1");

    trevalo.type({ VK_CONTROL, 'O' });
    trevalo.pickFolder(L"Open a DVD-Video folder", empty);
    HWND box = trevalo.waitForWindow(L"#32770", L"Disc");
    ASSERT_NE(box, nullptr) << "no message for a folder that is no disc";
    trevalo.press(box, VK_RETURN);
    EXPECT_TRUE(trevalo.waitUntilClosed(box));
    EXPECT_EQ(trevalo.text("Text1"), before);
    RemoveDirectoryW(empty.c_str());
    EXPECT_EQ(trevalo.close(), DWORD(0));
}

// The keyboard session the model test and the Qt window replay too, with
// keys sent to trevalo.exe: after each step the same focus and the same
// picks as there. Posted keys are read after any message sent meanwhile, so
// each step waits until the window shows what it should (or the usual
// patience runs out); a held pick is seen held as long as the keys rest
// for less than the pause.
TEST(Win32Session, TheSharedKeyboardSessionGivesTheFocusAndPicksTheModelGives)
{
    using Key = SharedKeyboardSession::Key;
    RunningTrevalo trevalo(program);
    HWND main = trevalo.mainWindow();
    ASSERT_NE(main, nullptr);
    trevalo.setClipboard(std::wstring(SharedKeyboardSession::clipboard.begin(), SharedKeyboardSession::clipboard.end()));
    // Only to learn each control's kind by its name.
    FakeClipboard clipboard;
    FakeMessageBoxes messages;
    FakeModalWindows modals;
    const Form1 model { clipboard, messages, modals };

    auto narrow = [](const std::wstring& wide) {
        std::string text;
        for (wchar_t c : wide)
            text += c < 128 ? char(c) : '?';
        return text;
    };
    auto shows = [&](const std::string& name) -> std::string {
        if (name == "clipboard")
            return narrow(trevalo.clipboard());
        const ui::Control* control = model.window().find(name);
        if (!control)
            return "(no control " + name + ")";
        switch (control->kind()) {
        case ui::ControlKind::ComboBox:
            return narrow(trevalo.shown(name));
        case ui::ControlKind::CheckBox:
            return trevalo.checked(name) == BST_CHECKED ? "ticked" : "unticked";
        default:
            return narrow(trevalo.text(name));
        }
    };
    auto showsAll = [&](const SharedKeyboardSession::Step& step) {
        if (trevalo.focused() != step.focus)
            return false;
        return std::all_of(step.shows.begin(), step.shows.end(),
            [&](const SharedKeyboardSession::Shows& expected) { return shows(expected.control) == expected.text; });
    };
    auto check = [&](const SharedKeyboardSession::Step& step) {
        RunningTrevalo::waitUntil([&] { return showsAll(step); });
        EXPECT_EQ(trevalo.focused(), step.focus) << step.what;
        for (const SharedKeyboardSession::Shows& expected : step.shows)
            EXPECT_EQ(shows(expected.control), expected.text) << step.what << ": " << expected.control;
    };
    auto virtualKey = [](const std::string& keys) { return WORD(std::toupper(static_cast<unsigned char>(keys.at(0)))); };

    check(SharedKeyboardSession::start);
    for (const SharedKeyboardSession::Step& step : SharedKeyboardSession::steps()) {
        for (int i = 0; i < step.times; ++i) {
            switch (step.key) {
            case Key::Tab:
                trevalo.tab();
                break;
            case Key::Up:
                trevalo.press(main, VK_UP);
                break;
            case Key::Down:
                trevalo.press(main, VK_DOWN);
                break;
            case Key::Enter:
                trevalo.press(main, VK_RETURN);
                break;
            case Key::Type:
                for (char c : step.keys)
                    trevalo.press(main, WPARAM(std::toupper(static_cast<unsigned char>(c))));
                break;
            case Key::Alt:
                trevalo.type({ VK_MENU, virtualKey(step.keys) });
                break;
            case Key::Ctrl:
                if (step.answered) {
                    const auto box = trevalo.type({ VK_CONTROL, virtualKey(step.keys) }, IDOK);
                    EXPECT_TRUE(box.has_value()) << step.what << ": one message box";
                } else {
                    trevalo.type({ VK_CONTROL, virtualKey(step.keys) });
                }
                break;
            case Key::Rest:
                Sleep(ui::HeldPick::pause_ms + 300);
                trevalo.sync();
                break;
            }
        }
        check(step);
    }
    EXPECT_EQ(trevalo.close(), DWORD(0));
}

TEST(Win32Session, GuardTargetDummyImportSettingsCopiesLogUndoAndReset)
{
    RunningTrevalo trevalo(program);
    HWND main = trevalo.mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(RunningTrevalo::text(main), L"Trevalo v1.55 ");
    RECT client {};
    GetClientRect(main, &client);
    const UINT dpi = GetDpiForWindow(main);
    EXPECT_EQ(client.right, MulDiv(734, int(dpi), 96));
    EXPECT_EQ(client.bottom, MulDiv(562, int(dpi), 96));
    EXPECT_EQ(trevalo.text("Text1"), L"{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(trevalo.text("Text2"),
        L"{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_FALSE(trevalo.visible("Text3"));

    // Tab goes by the steps, past what cannot be seen or used.
    std::vector<std::string> tab_order;
    for (int i = 0; i < 30 && (tab_order.empty() || trevalo.focused() != tab_order.front()); ++i) {
        tab_order.push_back(trevalo.focused());
        trevalo.tab();
    }
    EXPECT_EQ(tab_order,
        (std::vector<std::string> { "cboGPRM", "chkNone", "cboSelect", "cboPGC", "CboMenu", "chkDummy", "chkLinkCN",
            "cmdPaste", "chkdisable", "Text1", "Text2" }));

    // Keys stepping through a closed list pick once, where they come to rest,
    // and leave the focus on the list for the next key.
    for (int i = 0; i < 30 && trevalo.focused() != "cboPGC"; ++i)
        trevalo.tab();
    trevalo.press(main, VK_DOWN);
    trevalo.press(main, VK_DOWN);
    for (int waited = 0; waited < 3000 && trevalo.text("Label8") != L"VTSM 3 Root Menu"; waited += 100)
        Sleep(100);
    EXPECT_EQ(trevalo.shown("cboPGC"), L"3");
    EXPECT_EQ(trevalo.text("Label8"), L"VTSM 3 Root Menu");
    EXPECT_EQ(trevalo.focused(), "cboPGC");

    // Tab from a list lets a held pick go first, so Tab reaches the caution
    // the chapter menu brings.
    trevalo.tab();
    ASSERT_EQ(trevalo.focused(), "CboMenu");
    trevalo.press(main, VK_END);
    trevalo.tab();
    EXPECT_EQ(trevalo.text("Label8"), L"VTSM 3 Chapter Menu");
    EXPECT_EQ(trevalo.focused(), "cmdNote");

    trevalo.pick("cboGPRM", L"3");
    trevalo.pick("cboPGC", L"3");
    trevalo.pick("CboMenu", L"Chapter Menu");
    EXPECT_EQ(trevalo.text("Text1"), L"{00 B1 00 03 00 00 00 03} {30 06 00 01 03 87 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(trevalo.text("Label8"), L"VTSM 3 Chapter Menu");
    ASSERT_TRUE(trevalo.visible("cmdNote"));

    // The caution is a modal window; Escape closes it through its OK button.
    HWND caution = trevalo.openWindow("cmdNote", L"Caution");
    ASSERT_NE(caution, nullptr);
    EXPECT_FALSE(IsWindowEnabled(main));
    EXPECT_EQ(GetWindow(caution, GW_OWNER), main);
    trevalo.press(caution, VK_ESCAPE);
    EXPECT_TRUE(trevalo.waitUntilClosed(caution));
    EXPECT_TRUE(IsWindowEnabled(main));

    trevalo.click("chkDummy");
    trevalo.pick("cboDummy", L"12");
    EXPECT_TRUE(trevalo.visible("Text3"));
    EXPECT_TRUE(trevalo.visible("cmdCopy3"));
    EXPECT_EQ(trevalo.text("Text2"), L"{00 B1 00 03 00 00 00 03} {20 04 00 00 00 00 00 0C} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(trevalo.text("Label15"), L"VTSM 3, LU , 12");

    trevalo.setClipboard(L"{71 00 00 05 00 07 00 00}\r\n{51 00 00 82 C5 00 00 00}");
    const auto imported = trevalo.click("cmdPaste", IDOK);
    ASSERT_TRUE(imported);
    EXPECT_EQ(imported->title, L"Import");
    EXPECT_EQ(imported->prompt,
        L"2 Commands from PgcEdit:\r\n\r\n{71 00 00 05 00 07 00 00}\r\n{51 00 00 82 C5 00 00 00}\r\n\r\n"
        L"Ensure that \"Automatically renumber GOTOs cmds upon insert/delete?\"\r\n is checked in PgcEdit's Options "
        L"before copying.");
    EXPECT_EQ(trevalo.text("Text3"),
        L"{00 B1 00 03 00 00 00 06} {71 00 00 03 00 01 00 00} {71 00 00 05 00 07 00 00} {51 00 00 82 C5 00 00 00} "
        L"{00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_FALSE(trevalo.visible("cmdPaste"));
    EXPECT_TRUE(trevalo.visible("cmdUndo"));
    EXPECT_FALSE(trevalo.enabled("cboSelect"));
    EXPECT_TRUE(trevalo.enabled("cmdCopy2"));

    trevalo.click("chkStreams");
    EXPECT_EQ(trevalo.checked("chkStreams"), BST_CHECKED);
    EXPECT_TRUE(trevalo.visible("txtDetect"));
    EXPECT_EQ(trevalo.shown("cboAudio"), L"2");
    trevalo.pick("cboAudio", L"4");
    trevalo.click("chkHighlight");
    EXPECT_EQ(trevalo.shown("cboButton"), L"1");
    trevalo.pick("cboButton", L"5");
    const std::wstring last_block = L"{00 B1 00 03 00 00 00 07} {71 00 00 03 00 01 00 00} {71 00 00 05 00 07 00 00} "
                                    L"{51 00 00 84 C5 00 00 00} {56 00 00 00 14 00 00 00} {00 02 00 00 00 00 00 00} "
                                    L"{00 00 00 00 00 00 00 00}";
    EXPECT_EQ(trevalo.text("Text3"), last_block);

    // With the paste instructions on, each copy says where the block goes.
    trevalo.click("chkdisable");
    EXPECT_EQ(trevalo.checked("chkdisable"), BST_UNCHECKED);
    // The first copy by its shortcut, from the keyboard.
    const auto first = trevalo.type({ VK_CONTROL, '1' }, IDOK);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->title, L"Paste Instructions");
    EXPECT_EQ(first->prompt, L"1. Select [******** pre commands:] label in First Play PGC.\r\n2. Ctrl + Shift + V (Paste After).");
    EXPECT_EQ(trevalo.clipboard(), L"{00 B1 00 03 00 00 00 03} {30 06 00 01 03 87 00 00} {00 00 00 00 00 00 00 00}");
    const auto second = trevalo.click("cmdCopy2", IDOK);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->prompt,
        L"1. Select [******** pre commands:] label in VTSM 3 Chapter Menu.\r\n2. Ctrl + Shift + V (Paste After).");
    EXPECT_EQ(trevalo.clipboard(), L"{00 B1 00 03 00 00 00 03} {20 04 00 00 00 00 00 0C} {00 00 00 00 00 00 00 00}");
    const auto third = trevalo.click("cmdCopy3", IDOK);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->prompt, L"1. Select [******** pre commands:] label in VTSM 3, LU , 12.\r\n2. Ctrl + Shift + V (Paste After).");
    EXPECT_EQ(trevalo.clipboard(), last_block);

    // The log is a modal window too; Enter closes it through its default button.
    HWND log = trevalo.openWindow("Log", L"Log");
    ASSERT_NE(log, nullptr);
    const std::wstring report = RunningTrevalo::text(trevalo.control(log, "frmLog", "txtLog"));
    const std::wstring heading = L"Trevalo v1.55 log (After import)\r\n";
    EXPECT_EQ(report.substr(0, heading.size()), heading);
    EXPECT_NE(report.find(L"[56 00 00 00 14 00 00 00]  5  (SetHL_BTN) Set Highlighted Button =(mov) 5120 (button 5)"),
        std::wstring::npos);
    trevalo.press(log, VK_RETURN);
    EXPECT_TRUE(trevalo.waitUntilClosed(log));

    EXPECT_TRUE(trevalo.visible("lblCopied1"));
    const auto undo = trevalo.click("cmdUndo", IDYES);
    ASSERT_TRUE(undo);
    EXPECT_EQ(undo->title, L"Warning");
    EXPECT_EQ(undo->prompt, L"Do you want to clear the clipboard? [Recommended]");
    EXPECT_EQ(trevalo.text("Text3"),
        L"{00 B1 00 03 00 00 00 04} {71 00 00 03 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_TRUE(trevalo.visible("cmdPaste"));
    EXPECT_FALSE(trevalo.visible("txtDetect"));
    EXPECT_EQ(trevalo.checked("chkStreams"), BST_UNCHECKED);
    EXPECT_TRUE(trevalo.enabled("cboSelect"));
    EXPECT_EQ(trevalo.clipboard(), L"");
    // No "Copied" mark stays beside a copy button Undo disabled.
    EXPECT_FALSE(trevalo.enabled("cmdCopy"));
    for (const char* mark : { "lblCopied1", "lblCopied2", "lblCopied3", "lblCopyNote" })
        EXPECT_FALSE(trevalo.visible(mark)) << mark;

    const auto reset = trevalo.choose("mnuReset", IDYES);
    ASSERT_TRUE(reset);
    EXPECT_EQ(reset->title, L"Warning");
    EXPECT_EQ(trevalo.text("Text1"), L"{00 B1 00 0E 00 00 00 03} {30 06 00 01 01 83 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(trevalo.text("Text2"),
        L"{00 B1 00 0E 00 00 00 04} {71 00 00 0E 00 01 00 00} {00 02 00 00 00 00 00 00} {00 00 00 00 00 00 00 00}");
    EXPECT_EQ(trevalo.shown("cboGPRM"), L"14");
    EXPECT_EQ(trevalo.text("Label8"), L"VTSM 1 Root Menu");
    EXPECT_FALSE(trevalo.visible("Text3"));

    // About closes on a click anywhere.
    HWND about = trevalo.openWindow("About", L"About ");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(RunningTrevalo::text(trevalo.control(about, "frmAbout", "lblVersion")), L"Version 1.55");
    trevalo.clickBackground(about);
    EXPECT_TRUE(trevalo.waitUntilClosed(about));

    EXPECT_EQ(trevalo.close(), DWORD(0));
}

}
}

int main(int argc, char** argv)
{
    // Pixels as the window has them, at any dpi.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s [GoogleTest options] TREVALO.exe\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    trevalo::testing::program.assign(path.begin(), path.end());
    return RUN_ALL_TESTS();
}
