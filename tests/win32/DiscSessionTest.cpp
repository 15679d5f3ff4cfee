// The acceptance session under Wine: trevalo.exe opens a test disc
// from its command line, and the whole session is done by keys alone on its
// real windows, the system's message boxes and folder picker included.
// run-disc-session.sh then plays the copy it wrote with libdvdnav.
//
//   trevalo_win32_disc_session [GoogleTest options] TREVALO.exe DISC COPY
//
// DISC is the folder of firstplay_menus, COPY a folder that does not exist
// yet, both paths of the build machine.

#include "win32/RunningTrevalo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace trevalo::testing {
namespace {

std::wstring program;
std::wstring disc;
std::wstring copy;

std::wstring wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

class Win32DiscSession : public ::testing::Test {
protected:
    std::wstring status(HWND window) { return RunningTrevalo::text(trevalo->control(window, "frmDisc", "lblStatus")); }
    bool statusHas(HWND window, const wchar_t* part) { return status(window).find(part) != std::wstring::npos; }
    // A message box titled `title`, answered with Enter on its focused button.
    void enterOnBox(const std::wstring& title)
    {
        HWND box = trevalo->waitForWindow(L"#32770", title);
        ASSERT_NE(box, nullptr) << "no box " << std::string(title.begin(), title.end());
        trevalo->press(box, VK_RETURN);
        EXPECT_TRUE(trevalo->waitUntilClosed(box));
    }
    // The disc's own chain waits at the VMGM menu: its second button.
    void chooseSecondButton(HWND window)
    {
        ASSERT_TRUE(RunningTrevalo::waitUntil([&] { return trevalo->focusedIn(window, "frmDisc") == "cboChoice"; }))
            << "the button list does not have the focus";
        trevalo->press(window, VK_DOWN);
        trevalo->press(window, VK_DOWN);
        trevalo->press(window, VK_RETURN);
    }

    std::optional<RunningTrevalo> trevalo;
};

TEST_F(Win32DiscSession, AWholeDiscSessionByKeyboardWritesACopy)
{
    trevalo.emplace(program, std::vector<std::wstring> { RunningTrevalo::windowsPath(disc) });
    HWND main = trevalo->mainWindow();
    ASSERT_NE(main, nullptr);

    // The folder on the command line opens as a disc, its window on top.
    HWND window = trevalo->waitForWindow(L"TrevaloWindow", L"Disc");
    ASSERT_NE(window, nullptr) << "the disc window did not open";
    EXPECT_FALSE(IsWindowEnabled(main));
    EXPECT_NE(RunningTrevalo::text(trevalo->control(window, "frmDisc", "lblFolder")).find(L"firstplay_menus"), std::wstring::npos);
    // Step 1 first, in the main window: the disc uses GPRM 14, so the guard
    // is 4.
    trevalo->press(window, VK_ESCAPE);
    ASSERT_TRUE(trevalo->waitUntilClosed(window));
    ASSERT_TRUE(RunningTrevalo::waitUntil([&] { return trevalo->focused() == "cboGPRM"; }));
    trevalo->press(main, '4');
    trevalo->tab();
    EXPECT_TRUE(RunningTrevalo::waitUntil([&] { return trevalo->shown("cboGPRM") == L"4"; }));

    // The disc window again by its key; the target from the PGC list.
    trevalo->type({ VK_CONTROL, 'D' });
    window = trevalo->waitForWindow(L"TrevaloWindow", L"Disc");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(trevalo->tabTo(window, "frmDisc", "cboPgc"));
    trevalo->press(window, VK_END);
    ASSERT_TRUE(trevalo->tabTo(window, "frmDisc", "cmdUseTarget"));
    trevalo->press(window, VK_RETURN);
    ASSERT_TRUE(RunningTrevalo::waitUntil([&] { return statusHas(window, L"target is now Title 2"); }))
        << std::string(status(window).begin(), status(window).end());

    // Trace and import, with the button the disc's own way takes.
    ASSERT_TRUE(trevalo->tabTo(window, "frmDisc", "cmdTrace"));
    trevalo->press(window, VK_RETURN);
    chooseSecondButton(window);
    enterOnBox(L"Import");
    ASSERT_TRUE(RunningTrevalo::waitUntil([&] { return statusHas(window, L"and imported"); }));
    trevalo->press(window, VK_ESCAPE);
    ASSERT_TRUE(trevalo->waitUntilClosed(window));
    EXPECT_TRUE(trevalo->visible("cmdUndo")) << "imported";
    EXPECT_EQ(trevalo->shown("cboSelect"), L"Title");
    EXPECT_EQ(trevalo->shown("cboPGC"), L"2");

    // Step 5 in the main window: audio 0 instead of the chain's 1.
    trevalo->type({ VK_MENU, 'S' });
    ASSERT_TRUE(RunningTrevalo::waitUntil([&] { return trevalo->checked("chkStreams") == BST_CHECKED; }));
    for (int i = 0; i < 40 && trevalo->focused() != "cboAudio"; ++i)
        trevalo->tab();
    ASSERT_EQ(trevalo->focused(), "cboAudio");
    trevalo->press(main, '0');
    trevalo->tab();
    EXPECT_TRUE(RunningTrevalo::waitUntil([&] { return trevalo->shown("cboAudio") == L"0"; }));

    // The disc window from the menu bar: Alt alone (the focus is on a
    // list), then Down opens Disc, and W its Disc window. A window opened afresh has no button choices, which
    // verify and the copy's replay need: the trace gives them again, and
    // its import is refused, with a message, as one is in place.
    trevalo->type({ VK_MENU });
    trevalo->type({ VK_DOWN });
    trevalo->type({ 'W' });
    window = trevalo->waitForWindow(L"TrevaloWindow", L"Disc");
    ASSERT_NE(window, nullptr) << "the Disc menu did not open the disc window";
    ASSERT_TRUE(trevalo->tabTo(window, "frmDisc", "cmdTrace"));
    trevalo->press(window, VK_RETURN);
    chooseSecondButton(window);
    enterOnBox(L"Import");
    ASSERT_TRUE(RunningTrevalo::waitUntil([&] { return statusHas(window, L"did not import"); }));

    ASSERT_TRUE(trevalo->tabTo(window, "frmDisc", "cmdVerify"));
    trevalo->press(window, VK_RETURN);
    ASSERT_TRUE(RunningTrevalo::waitUntil([&] { return statusHas(window, L"Verified"); }))
        << std::string(status(window).begin(), status(window).end());

    // The copy, into a new folder chosen in the system's picker (which
    // picks folders that exist: the empty one made for it).
    ASSERT_TRUE(CreateDirectoryW(RunningTrevalo::windowsPath(copy).c_str(), nullptr));
    ASSERT_TRUE(trevalo->tabTo(window, "frmDisc", "cmdWrite"));
    trevalo->press(window, VK_RETURN);
    trevalo->pickFolder(L"Write the patched copy into a new or empty folder", copy);
    ASSERT_TRUE(RunningTrevalo::waitUntil([&] { return statusHas(window, L"Written to"); }))
        << std::string(status(window).begin(), status(window).end());
    EXPECT_TRUE(statusHas(window, L"matches the disc's own chain"));
    trevalo->press(window, VK_ESCAPE);
    ASSERT_TRUE(trevalo->waitUntilClosed(window));
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_EQ(trevalo->close(), DWORD(0));
}

}
}

int main(int argc, char** argv)
{
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s [GoogleTest options] TREVALO.exe DISC COPY\n", argv[0]);
        return 2;
    }
    trevalo::testing::program = trevalo::testing::wide(argv[1]);
    trevalo::testing::disc = trevalo::testing::wide(argv[2]);
    trevalo::testing::copy = trevalo::testing::wide(argv[3]);
    return RUN_ALL_TESTS();
}
