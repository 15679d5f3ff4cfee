// The acceptance session under Wine: trevalo.exe opens a test disc
// from its command line, and the whole session is done by keys alone on its
// real windows, the system's message boxes and folder picker included.
// run-disc-session.sh then plays the copy it wrote with libdvdnav.
//
//   trevalo_win32_disc_session [GoogleTest options] TREVALO.exe DISC COPY
//
// DISC is the folder of firstplay_menus, COPY a folder that does not exist
// yet, both paths of the build machine.

#include "bindings/win32/RunningTrevalo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

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

// trevalo.exe run as a console program would run it, its standard output
// and error redirected to pipes: what it wrote, byte for byte, and its exit
// status.
struct Ran {
    DWORD status = 0;
    std::string out;
    std::string err;
};

std::string drain(HANDLE pipe)
{
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    return text;
}

Ran run(const std::vector<std::wstring>& arguments)
{
    std::wstring command = L"\"" + RunningTrevalo::windowsPath(program) + L"\"";
    for (const std::wstring& argument : arguments)
        command += L" \"" + argument + L"\"";
    SECURITY_ATTRIBUTES inherit { sizeof inherit, nullptr, TRUE };
    HANDLE out_read = nullptr, out_write = nullptr, err_read = nullptr, err_write = nullptr;
    CreatePipe(&out_read, &out_write, &inherit, 0);
    CreatePipe(&err_read, &err_write, &inherit, 0);
    SetHandleInformation(out_read, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(err_read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out_write;
    startup.hStdError = err_write;
    PROCESS_INFORMATION process {};
    Ran ran;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        ADD_FAILURE() << "cannot start trevalo.exe: error " << GetLastError();
        return ran;
    }
    CloseHandle(out_write);
    CloseHandle(err_write);
    // The error output is small; read it after the output has ended.
    ran.out = drain(out_read);
    ran.err = drain(err_read);
    if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "trevalo.exe did not end";
        TerminateProcess(process.hProcess, 1);
    }
    GetExitCodeProcess(process.hProcess, &ran.status);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(out_read);
    CloseHandle(err_read);
    return ran;
}

// The disc copied into a folder whose name is not ASCII.
std::wstring copyOfDisc(const std::wstring& name)
{
    const std::wstring from = RunningTrevalo::windowsPath(disc) + L"\\VIDEO_TS\\";
    const std::wstring to = RunningTrevalo::windowsPath(copy) + L"-" + name;
    CreateDirectoryW(to.c_str(), nullptr);
    CreateDirectoryW((to + L"\\VIDEO_TS").c_str(), nullptr);
    WIN32_FIND_DATAW found {};
    HANDLE search = FindFirstFileW((from + L"*").c_str(), &found);
    while (search != INVALID_HANDLE_VALUE) {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            CopyFileW((from + found.cFileName).c_str(), (to + L"\\VIDEO_TS\\" + found.cFileName).c_str(), FALSE);
        if (!FindNextFileW(search, &found)) {
            FindClose(search);
            break;
        }
    }
    return to;
}

// trevalo.exe answers its command line as the Linux program does, on the
// console or into a file or pipe: help, the version, a refusal, and the
// command line without a window, whose text is UTF-8 whatever the names.
TEST(Win32CommandLine, AnswersOnItsOutputAndRunsTheDiscWithoutAWindow)
{
    const Ran help = run({ L"--help" });
    EXPECT_EQ(help.status, 0u);
    EXPECT_EQ(help.out.rfind("Usage: trevalo.exe [options] [folder]\n", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("  --disc PATH "), std::string::npos);
    EXPECT_EQ(run({ L"--version" }).out, "Trevalo " TREVALO_VERSION "\n");

    const Ran refused = run({ L"--no-such-option" });
    EXPECT_EQ(refused.status, 1u);
    EXPECT_EQ(refused.err, "trevalo: Unknown option 'no-such-option'.\nTry 'trevalo --help' for more information.\n");
    EXPECT_EQ(refused.out, "");

    const Ran incomplete = run({ L"--disc", RunningTrevalo::windowsPath(disc) });
    EXPECT_EQ(incomplete.status, 2u);
    EXPECT_NE(incomplete.err.find("Try 'trevalo --help'"), std::string::npos) << incomplete.err;

    const std::wstring folder = copyOfDisc(L"\u00E9t\u00E9 \u2192 \u65E5\u672C");
    const Ran session = run({ L"--disc", folder, L"--target", L"Title 2", L"--guard", L"auto", L"--buttons", L"2" });
    EXPECT_EQ(session.status, 0u) << session.err;
    EXPECT_NE(session.out.find("{00 B1 00 04 00 00 00 03} {30 02 00 00 00 02 00 00} {00 00 00 00 00 00 00 00}"),
        std::string::npos)
        << session.out;
    EXPECT_NE(session.out.find("Replay: The replay matches the disc's own chain."), std::string::npos);
    EXPECT_NE(session.out.find("\xC3\xA9t\xC3\xA9 \xE2\x86\x92 \xE6\x97\xA5\xE6\x9C\xAC"), std::string::npos)
        << "the folder's name in UTF-8: " << session.out.substr(0, session.out.find('\n'));
}

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
