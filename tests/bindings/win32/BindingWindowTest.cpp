// The Win32 binding's windows in this process, on a virtual display under
// Wine: the menu bar's drop-downs, dropped folders, stepped work and the
// main window behind a modal one, driven with the messages Windows sends
// for the user's actions. The session test drives trevalo.exe from outside.

#include "mainwindow/Form1.h"
#include "bindings/qt/FakeFolderChooser.h"
#include "bindings/win32/ControlIds.h"
#include "bindings/win32/DialogHost.h"
#include "bindings/win32/MainWindowHost.h"
#include "bindings/win32/MessageLoop.h"
#include "bindings/win32/TextMapping.h"
#include "bindings/win32/Win32ModalWindows.h"
#include "bindings/win32/WindowBinding.h"
#include "support/FakePlatform.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/TextBox.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <functional>
#include <tuple>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::testing {
namespace {

using win32::TextMapping;

// Reads the window's messages until `done` holds, for at most `ms`; a
// thread timer wakes the loop so `done` is asked even when nothing comes.
bool pumpUntil(const std::function<bool()>& done, DWORD ms = 5000)
{
    const DWORD until = GetTickCount() + ms;
    const UINT_PTR wake = SetTimer(nullptr, 0, 20, nullptr);
    win32::MessageLoop::runUntil([&] { return done() || GetTickCount() > until; });
    KillTimer(nullptr, wake);
    return done();
}

// What the user does while a modal window's own loop runs: `act` is asked
// every few milliseconds from that loop until it says it is finished.
class WhileModal {
public:
    explicit WhileModal(std::function<bool()> act)
        : m_act(std::move(act))
    {
        s_current = this;
        m_timer = SetTimer(nullptr, 0, 20, &WhileModal::tick);
    }
    ~WhileModal()
    {
        KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_current && !s_current->m_finished && !s_current->m_acting) {
            s_current->m_acting = true;
            s_current->m_finished = s_current->m_act();
            s_current->m_acting = false;
        }
    }

    inline static WhileModal* s_current = nullptr;
    std::function<bool()> m_act;
    UINT_PTR m_timer = 0;
    bool m_finished = false;
    bool m_acting = false;
};

std::wstring menuText(HMENU menu, int position)
{
    wchar_t text[256] = {};
    GetMenuStringW(menu, UINT(position), text, int(std::size(text)), MF_BYPOSITION);
    return text;
}

bool menuEnabled(HMENU menu, int position)
{
    return !(GetMenuState(menu, UINT(position), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
}

int idOf(const ui::Window& window, const ui::Control& control)
{
    const auto& controls = window.controls();
    for (std::size_t order = 0; order < controls.size(); ++order) {
        if (controls[order] == &control)
            return win32::ControlIds::forOrder(order);
    }
    ADD_FAILURE() << control.name() << " is not in its window";
    return 0;
}

// The real main window model on test doubles, in the Win32 binding.
class Win32Form1 {
public:
    Win32Form1() { form.setFolderChooser(&folders); }

    HMENU bar() const { return GetMenu(host.hwnd()); }
    HMENU discMenu() const { return GetSubMenu(bar(), 0); }

    FakeClipboard clipboard;
    FakeMessageBoxes messages;
    FakeModalWindows modals;
    FakeFolderChooser folders;
    Form1 form { clipboard, messages, modals };
    win32::MainWindowHost host { form.window() };
};

TEST(Win32Menus, AnEntryHoldingOthersIsADropDownOfThemWithTheirKeys)
{
    Win32Form1 main;
    ASSERT_NE(main.bar(), nullptr);
    ASSERT_EQ(GetMenuItemCount(main.bar()), 4);
    const std::wstring top[] = { L"Disc", L"&Reset", L"&Log", L"&About" };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(menuText(main.bar(), i), top[i]);
        // Only Disc holds entries; the others run when chosen.
        EXPECT_EQ(GetSubMenu(main.bar(), i) != nullptr, i == 0) << i;
    }
    EXPECT_EQ(GetMenuItemID(main.bar(), 1), UINT(idOf(main.form.window(), main.form.mnuReset)));

    HMENU disc = main.discMenu();
    ASSERT_NE(disc, nullptr);
    ASSERT_EQ(GetMenuItemCount(disc), 2);
    EXPECT_EQ(menuText(disc, 0), L"&Open disc...\tCtrl+O");
    EXPECT_EQ(menuText(disc, 1), L"Disc &window\tCtrl+D");
    EXPECT_EQ(GetMenuItemID(disc, 0), UINT(idOf(main.form.window(), main.form.mnuOpenDisc)));
    EXPECT_EQ(GetMenuItemID(disc, 1), UINT(idOf(main.form.window(), main.form.mnuDiscWindow)));
    EXPECT_TRUE(menuEnabled(disc, 0));
    EXPECT_FALSE(menuEnabled(disc, 1)) << "no disc is open yet";
}

TEST(Win32Menus, ItemsFollowTheModelsEnabledAndVisible)
{
    Win32Form1 main;
    Form1& form = main.form;
    const struct {
        ui::MenuEntry* entry;
        bool enabled;
        bool visible;
        std::vector<std::wstring> items;
        std::vector<bool> enabled_items;
    } states[] = {
        { &form.mnuDiscWindow, true, true, { L"&Open disc...\tCtrl+O", L"Disc &window\tCtrl+D" }, { true, true } },
        { &form.mnuDiscWindow, false, true, { L"&Open disc...\tCtrl+O", L"Disc &window\tCtrl+D" }, { true, false } },
        { &form.mnuOpenDisc, false, true, { L"&Open disc...\tCtrl+O", L"Disc &window\tCtrl+D" }, { false, false } },
        { &form.mnuOpenDisc, true, false, { L"Disc &window\tCtrl+D" }, { false } },
        { &form.mnuOpenDisc, true, true, { L"&Open disc...\tCtrl+O", L"Disc &window\tCtrl+D" }, { true, false } },
    };
    for (const auto& state : states) {
        SCOPED_TRACE(state.entry->name() + (state.enabled ? " enabled" : " disabled")
            + (state.visible ? " shown" : " hidden"));
        state.entry->setEnabled(state.enabled);
        state.entry->setVisible(state.visible);
        main.host.binding().mirror();
        HMENU disc = main.discMenu();
        ASSERT_NE(disc, nullptr);
        ASSERT_EQ(GetMenuItemCount(disc), int(state.items.size()));
        for (int i = 0; i < int(state.items.size()); ++i) {
            EXPECT_EQ(menuText(disc, i), state.items[std::size_t(i)]);
            EXPECT_EQ(menuEnabled(disc, i), state.enabled_items[std::size_t(i)]);
        }
    }
    form.mnuDisc.setEnabled(false);
    main.host.binding().mirror();
    EXPECT_FALSE(menuEnabled(main.bar(), 0)) << "the whole drop-down is off";
}

// Choosing Open disc (the item sends its ID, as its accelerator does) asks
// for a folder; one that is no disc gets the reader's message and changes
// nothing. While the item is disabled, its ID runs nothing.
TEST(Win32Menus, ChoosingOpenDiscAsksForAFolderAndOneThatIsNoDiscChangesNothing)
{
    Win32Form1 main;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::string before = main.form.window().dumpState();
    main.folders.answers.push_back(TextMapping::utf8(temp));
    const WPARAM open = MAKEWPARAM(idOf(main.form.window(), main.form.mnuOpenDisc), 0);
    SendMessageW(main.host.hwnd(), WM_COMMAND, open, 0);
    ASSERT_EQ(main.folders.asked.size(), 1u);
    EXPECT_EQ(main.folders.asked[0].title, "Open a DVD-Video folder");
    ASSERT_EQ(main.messages.shown.size(), 1u);
    EXPECT_EQ(main.messages.shown[0].title, "Disc");
    EXPECT_NE(main.messages.shown[0].prompt.find("The window is as it was."), std::string::npos);
    EXPECT_EQ(main.form.window().dumpState(), before);

    main.form.mnuOpenDisc.setEnabled(false);
    main.host.binding().mirror();
    SendMessageW(main.host.hwnd(), WM_COMMAND, open, 0);
    EXPECT_EQ(main.folders.asked.size(), 1u);
}

// Alt or F10 pressed and let go alone asks the window for its menu bar,
// whichever control the keys went to; with another key between, they were a
// combination (Alt+S ticks Set streams) and the bar stays.
TEST(Win32Menus, AltOrF10AloneBringTheKeyboardToTheMenuBar)
{
    Win32Form1 main;
    HWND list = main.host.binding().windowFor(main.form.cboGPRM);
    ASSERT_NE(list, nullptr);
    constexpr LPARAM repeat = LPARAM(1) << 30;
    const struct {
        const char* keys;
        std::vector<std::tuple<UINT, WPARAM, LPARAM>> messages;
        bool menu;
    } cases[] = {
        { "Alt", { { WM_SYSKEYDOWN, VK_MENU, 0 }, { WM_SYSKEYUP, VK_MENU, 0 } }, true },
        { "F10", { { WM_SYSKEYDOWN, VK_F10, 0 }, { WM_SYSKEYUP, VK_F10, 0 } }, true },
        { "Alt held", { { WM_SYSKEYDOWN, VK_MENU, 0 }, { WM_SYSKEYDOWN, VK_MENU, repeat }, { WM_SYSKEYUP, VK_MENU, 0 } }, true },
        { "Alt+S", { { WM_SYSKEYDOWN, VK_MENU, 0 }, { WM_SYSKEYDOWN, 'S', 0 }, { WM_SYSKEYUP, 'S', 0 }, { WM_SYSKEYUP, VK_MENU, 0 } },
            false },
        { "Alt+Down", { { WM_SYSKEYDOWN, VK_MENU, 0 }, { WM_SYSKEYDOWN, VK_DOWN, 0 }, { WM_SYSKEYUP, VK_MENU, 0 } }, false },
        { "a key, then Alt up", { { WM_KEYDOWN, 'A', 0 }, { WM_SYSKEYUP, VK_MENU, 0 } }, false },
        { "Tab", { { WM_KEYDOWN, VK_TAB, 0 }, { WM_KEYUP, VK_TAB, 0 } }, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        bool last_taken = false;
        for (const auto& [message, key, flags] : c.messages) {
            MSG msg { list, message, key, flags | 1, 0, {} };
            last_taken = main.host.binding().translateMenuKey(msg);
        }
        EXPECT_EQ(last_taken, c.menu) << "the last key up is the menu's";
        MSG posted {};
        const bool asked = PeekMessageW(&posted, main.host.hwnd(), WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE);
        EXPECT_EQ(asked && (posted.wParam & 0xFFF0) == SC_KEYMENU, c.menu);
    }
}

// Tab into a box selects its text, as the dialog manager does, but a long
// box (a PGC's details) keeps showing its beginning: the caret goes to the
// start of the selection, not its end.
TEST(Win32Focus, TabIntoALongBoxSelectsItsTextAndShowsItsStart)
{
    ui::Window window { "frmBox", "Box", 4000, 1500 };
    ui::Button cmdBefore { &window, "cmdBefore" };
    cmdBefore.setCaption("Before");
    cmdBefore.setPlace({ 120, 120, 1200, 375 });
    ui::TextBox txtDetails { &window, "txtDetails" };
    txtDetails.setLines(ui::Lines::Multi);
    txtDetails.setScrollBars(ui::ScrollBars::Vertical);
    txtDetails.setLocked(true);
    txtDetails.setPlace({ 120, 600, 3700, 600 });
    std::string text;
    for (int line = 1; line <= 60; ++line)
        text += "Line " + std::to_string(line) + "\r\n";
    txtDetails.setText(text);
    window.setFocusedControl(&cmdBefore);
    win32::MainWindowHost host(window);
    host.show(SW_SHOW);
    HWND box = host.binding().windowFor(txtDetails);
    ASSERT_TRUE(pumpUntil([&] { return GetFocus() == host.binding().windowFor(cmdBefore); }));
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
    PostMessageW(GetFocus(), WM_KEYUP, VK_TAB, 1 | (LPARAM(3) << 30));
    ASSERT_TRUE(pumpUntil([&] { return GetFocus() == box; }));
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, DWORD(GetWindowTextLengthW(box)));
    EXPECT_EQ(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "the box scrolled to its end";
}

// An operation that turns off the control the keyboard is on does not
// leave the window without one: the keyboard goes to the first control Tab
// reaches, and the model's focus with it, as in the Qt window.
TEST(Win32Focus, AControlTurnedOffUnderTheKeyboardPassesItToTheFirstTabStop)
{
    ui::Window window { "frmOff", "Off", 4000, 1500 };
    ui::Button cmdFirst { &window, "cmdFirst" };
    cmdFirst.setCaption("First");
    cmdFirst.setPlace({ 120, 120, 1200, 375 });
    ui::Button cmdOff { &window, "cmdOff" };
    cmdOff.setCaption("Off");
    cmdOff.setPlace({ 1500, 120, 1200, 375 });
    cmdOff.on_click = [&] { cmdOff.setEnabled(false); };
    window.setFocusedControl(&cmdOff);
    win32::MainWindowHost host(window);
    host.show(SW_SHOW);
    HWND off = host.binding().windowFor(cmdOff);
    ASSERT_TRUE(pumpUntil([&] { return GetFocus() == off; }));
    PostMessageW(off, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(off, WM_KEYUP, VK_RETURN, 1 | (LPARAM(3) << 30));
    ASSERT_TRUE(pumpUntil([&] { return !IsWindowEnabled(off); }));
    EXPECT_EQ(GetFocus(), host.binding().windowFor(cmdFirst));
    EXPECT_EQ(window.focusedControl(), &cmdFirst);
}

// A drop as the shell delivers it: an HDROP of wide paths.
HDROP dropOf(const std::vector<std::wstring>& paths)
{
    std::size_t chars = 1;
    for (const std::wstring& path : paths)
        chars += path.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    auto* out = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(files) + sizeof(DROPFILES));
    for (const std::wstring& path : paths) {
        std::copy(path.begin(), path.end(), out);
        out += path.size() + 1;
    }
    GlobalUnlock(memory);
    return HDROP(memory);
}

class Scratch {
public:
    Scratch()
    {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        root = std::wstring(temp) + L"trevalo-drops-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(root.c_str(), nullptr);
    }
    ~Scratch()
    {
        std::wstring from = root + L'\0';
        SHFILEOPSTRUCTW remove {};
        remove.wFunc = FO_DELETE;
        remove.pFrom = from.c_str();
        remove.fFlags = FOF_NO_UI;
        SHFileOperationW(&remove);
    }
    std::wstring folder(const std::wstring& name) const
    {
        const std::wstring path = root + L"\\" + name;
        CreateDirectoryW(path.c_str(), nullptr);
        return path;
    }
    std::wstring file(const std::wstring& name) const
    {
        const std::wstring path = root + L"\\" + name;
        CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        return path;
    }

    std::wstring root;
};

// A window model that takes dropped folders.
class DropWindow {
public:
    DropWindow()
    {
        window.on_drop_folder = [this](const std::string& folder) { dropped.push_back(folder); };
        host.emplace(window);
    }

    void drop(const std::vector<std::wstring>& paths)
    {
        SendMessageW(host->hwnd(), WM_DROPFILES, WPARAM(dropOf(paths)), 0);
    }

    ui::Window window { "frmDrop", "Drop", 3000, 1500 };
    ui::Button cmdOK { &window, "cmdOK" };
    std::vector<std::string> dropped;
    std::optional<win32::MainWindowHost> host;
};

TEST(Win32Drops, TheFirstDroppedItemGoesToTheModelWhenItIsAFolder)
{
    Scratch scratch;
    const std::wstring folder = scratch.folder(L"Disc \u00FC");
    const std::wstring other = scratch.folder(L"other");
    const std::wstring file = scratch.file(L"VIDEO_TS.IFO");
    const struct {
        const char* what;
        std::vector<std::wstring> paths;
        std::optional<std::wstring> taken;
    } cases[] = {
        { "a folder", { folder }, folder },
        { "two folders", { folder, other }, folder },
        { "a folder, then a file", { folder, file }, folder },
        { "a file, then a folder", { file, folder }, std::nullopt },
        { "a file", { file }, std::nullopt },
        { "a folder that is gone", { scratch.root + L"\\gone" }, std::nullopt },
        { "nothing", {}, std::nullopt },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DropWindow window;
        EXPECT_TRUE(GetWindowLongPtrW(window.host->hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
        window.drop(c.paths);
        if (c.taken)
            EXPECT_EQ(window.dropped, std::vector<std::string> { TextMapping::utf8(*c.taken) });
        else
            EXPECT_TRUE(window.dropped.empty());
    }
}

// A window without on_drop_folder does not take drops at all, and one whose
// model goes without it stops taking them.
TEST(Win32Drops, AWindowWithoutOnDropFolderTakesNone)
{
    Scratch scratch;
    DropWindow window;
    window.window.on_drop_folder = nullptr;
    window.window.setCaption("Drop no more");
    window.host->binding().mirror();
    EXPECT_FALSE(GetWindowLongPtrW(window.host->hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    window.drop({ scratch.folder(L"folder") });
    EXPECT_TRUE(window.dropped.empty());

    // On the main window a dropped folder opens as Open disc opens one.
    Win32Form1 main;
    EXPECT_TRUE(GetWindowLongPtrW(main.host.hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    SendMessageW(main.host.hwnd(), WM_DROPFILES, WPARAM(dropOf({ scratch.folder(L"no disc") })), 0);
    ASSERT_EQ(main.messages.shown.size(), 1u);
    EXPECT_NE(main.messages.shown[0].prompt.find("The window is as it was."), std::string::npos);
}

// A window with long work, as the disc window's copy has: Start sets work
// whose every step counts and shows the count; Cancel ends it, Close hides
// the window. Each step notes what the label's control showed as it began.
class WorkWindow {
public:
    WorkWindow()
    {
        lblCount.setCaption("0");
        lblCount.setPlace({ 120, 120, 1500, 255 });
        for (auto [button, caption, left] : { std::tuple { &cmdStart, "Start", 120 }, std::tuple { &cmdCancel, "Cancel", 1440 },
                 std::tuple { &cmdClose, "Close", 2760 } }) {
            button->setCaption(caption);
            button->setPlace({ left, 480, 1200, 375 });
        }
        cmdStart.on_click = [this] { window.setWork([this] { return step(); }); };
        cmdCancel.on_click = [this] {
            window.setWork(nullptr);
            cancelled_after = steps;
        };
        cmdClose.on_click = [this] { window.setVisible(false); };
    }

    bool step()
    {
        shown_at_step.push_back(shown ? shown() : std::wstring());
        ++steps;
        lblCount.setCaption(std::to_string(steps));
        if (during)
            during(steps);
        return steps_to_finish < 0 || steps < steps_to_finish;
    }

    void expectShownAfterEachStep() const
    {
        for (std::size_t i = 0; i < shown_at_step.size(); ++i)
            EXPECT_EQ(shown_at_step[i], std::to_wstring(i)) << "step " << i + 1;
    }

    void watch(win32::WindowBinding& binding)
    {
        shown = [this, &binding] { return TextMapping::windowText(binding.windowFor(lblCount)); };
    }

    ui::Window window { "frmWork", "Work", 4200, 1100 };
    ui::Label lblCount { &window, "lblCount" };
    ui::Button cmdStart { &window, "cmdStart" };
    ui::Button cmdCancel { &window, "cmdCancel" };
    ui::Button cmdClose { &window, "cmdClose" };
    int steps_to_finish = -1;
    int steps = 0;
    int cancelled_after = -1;
    std::vector<std::wstring> shown_at_step;
    std::function<std::wstring()> shown;
    std::function<void(int)> during;
};

// A click as the user makes it: queued, behind whatever runs now.
void postClick(HWND button)
{
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

TEST(Win32SteppedWork, InTheMainWindowItRunsBetweenEventsAndACancelClickReachesIt)
{
    WorkWindow work;
    win32::MainWindowHost host(work.window);
    host.show(SW_SHOW);
    win32::WindowBinding& binding = host.binding();
    work.watch(binding);

    // Work that ends by itself runs to its end with no further event.
    work.steps_to_finish = 5;
    SendMessageW(binding.windowFor(work.cmdStart), BM_CLICK, 0, 0);
    ASSERT_TRUE(pumpUntil([&] { return !work.window.hasWork(); })) << work.steps << " steps";
    EXPECT_EQ(work.steps, 5);
    work.expectShownAfterEachStep();
    EXPECT_EQ(TextMapping::windowText(binding.windowFor(work.lblCount)), L"5");

    // Work without an end: Cancel clicked during the third step.
    WorkWindow endless;
    win32::MainWindowHost endless_host(endless.window);
    endless_host.show(SW_SHOW);
    endless.watch(endless_host.binding());
    endless.during = [&](int step) {
        if (step == 3)
            postClick(endless_host.binding().windowFor(endless.cmdCancel));
    };
    SendMessageW(endless_host.binding().windowFor(endless.cmdStart), BM_CLICK, 0, 0);
    ASSERT_TRUE(pumpUntil([&] { return endless.cancelled_after >= 0; })) << endless.steps << " steps, no Cancel";
    EXPECT_EQ(endless.cancelled_after, 3) << "the click waited behind the work";
    pumpUntil([] { return false; }, 100);
    EXPECT_EQ(endless.steps, 3);
    endless.expectShownAfterEachStep();
}

// In a modal window the work runs from the modal loop; the main window
// behind, disabled meanwhile, shows at once what the window's actions and
// steps do to it.
TEST(Win32SteppedWork, InAModalWindowItRunsAndTheMainWindowBehindShowsItsChanges)
{
    ui::Window main { "frmMain", "Main", 3000, 1000 };
    ui::Label lblTarget { &main, "lblTarget" };
    lblTarget.setCaption("VTSM 1 Root Menu");
    lblTarget.setPlace({ 120, 120, 2500, 255 });
    win32::MainWindowHost main_host(main);
    main_host.show(SW_SHOW);
    auto shownBehind = [&] { return TextMapping::windowText(main_host.binding().windowFor(lblTarget)); };

    WorkWindow work;
    work.during = [&](int step) {
        lblTarget.setCaption("Step " + std::to_string(step));
        if (step == 3)
            postClick(GetDlgItem(GetActiveWindow(), idOf(work.window, work.cmdCancel)));
    };
    win32::Win32ModalWindows modals;
    modals.setOwner(main_host.hwnd());
    modals.while_open = [&] { main_host.binding().mirror(); };

    int stage = 0;
    std::wstring behind_after_step;
    bool main_disabled = false;
    WhileModal user([&] {
        win32::WindowHost* dialog = win32::WindowHost::of(GetActiveWindow());
        if (!dialog || dialog->hwnd() == main_host.hwnd())
            return false;
        win32::WindowBinding& binding = dialog->binding();
        switch (stage) {
        case 0:
            work.watch(binding);
            main_disabled = !IsWindowEnabled(main_host.hwnd());
            SendMessageW(binding.windowFor(work.cmdStart), BM_CLICK, 0, 0);
            ++stage;
            return false;
        case 1:
            if (work.cancelled_after < 0)
                return false;
            behind_after_step = shownBehind();
            SendMessageW(binding.windowFor(work.cmdClose), BM_CLICK, 0, 0);
            return true;
        }
        return true;
    });
    modals.showModal(work.window);
    EXPECT_TRUE(main_disabled);
    EXPECT_EQ(work.cancelled_after, 3);
    EXPECT_EQ(work.steps, 3);
    work.expectShownAfterEachStep();
    EXPECT_EQ(behind_after_step, L"Step 3") << "the main window showed the step while the window was open";
    EXPECT_TRUE(IsWindowEnabled(main_host.hwnd()));
}

}
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls { sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES };
    InitCommonControlsEx(&controls);
    const int result = RUN_ALL_TESTS();
    OleUninitialize();
    return result;
}
