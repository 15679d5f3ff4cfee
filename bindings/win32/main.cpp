#include "cli/DiscCommandLine.h"
#include "bindings/win32/CommandLine.h"
#include "bindings/win32/ConsoleOutput.h"
#include "bindings/win32/MainWindowHost.h"
#include "bindings/win32/MessageLoop.h"
#include "bindings/win32/TextMapping.h"
#include "bindings/win32/Win32Clipboard.h"
#include "bindings/win32/Win32FolderChooser.h"
#include "bindings/win32/Win32MessageBoxes.h"
#include "bindings/win32/Win32ModalWindows.h"
#include "bindings/win32/WindowBinding.h"
#include "mainwindow/Form1.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

using trevalo::win32::CommandLine;
using trevalo::win32::ConsoleOutput;
using trevalo::win32::TextMapping;

// The arguments after the program's name, in UTF-8.
std::vector<std::string> arguments()
{
    std::vector<std::string> args;
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i)
            args.push_back(TextMapping::utf8(wide[i]));
        LocalFree(wide);
    }
    return args;
}

// An answer on the command line goes to the console the program was
// started from, or to a file it was redirected to; started from neither
// (a shortcut with arguments), it shows in a message box instead.
int answer(const std::string& text, int status)
{
    ConsoleOutput::attach();
    ConsoleOutput out(status == 0 ? ConsoleOutput::Stream::Output : ConsoleOutput::Stream::Error);
    out.stream() << text;
    out.stream().flush();
    if (!out.reaches())
        MessageBoxW(nullptr, TextMapping::wide(text).c_str(), L"Trevalo", status == 0 ? MB_OK : MB_OK | MB_ICONERROR);
    return status;
}

int runDiscCommandLine(const std::vector<std::string>& args)
{
    ConsoleOutput::attach();
    ConsoleOutput out(ConsoleOutput::Stream::Output);
    ConsoleOutput err(ConsoleOutput::Stream::Error);
    const int status = trevalo::cli::runDiscCommandLine(args, out.stream(), err.stream());
    out.stream().flush();
    err.stream().flush();
    if (!out.reaches())
        MessageBoxW(nullptr, TextMapping::wide(out.written() + err.written()).c_str(), L"Trevalo", MB_OK);
    return status;
}

// The folder as the disc reader takes it: absolute, in UTF-8.
std::string absoluteFolder(const std::string& folder)
{
    const std::wstring given = TextMapping::wide(folder);
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(given.c_str(), DWORD(full.size()), full.data(), nullptr);
    if (length > full.size()) {
        full.resize(length);
        length = GetFullPathNameW(given.c_str(), DWORD(full.size()), full.data(), nullptr);
    }
    if (length == 0)
        return folder;
    full.resize(length);
    return TextMapping::utf8(full);
}

// The folder picker is a COM object shown on this thread, which runs the
// windows' message loop: an apartment of its own.
class ComApartment {
public:
    ComApartment() { m_initialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)); }
    ~ComApartment()
    {
        if (m_initialised)
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool m_initialised = false;
};

}

// The command line is read as the Linux program reads it: --help,
// --version, --disc (without a window) or a folder to open. The manifest
// asks for comctl32 6 (visual styles) and for per-monitor dpi awareness.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show)
{
    const std::vector<std::string> args = arguments();
    const CommandLine::Asked asked = CommandLine::read(args);
    switch (asked.action) {
    case CommandLine::Action::Help:
        return answer(CommandLine::help(), 0);
    case CommandLine::Action::Version:
        return answer(CommandLine::version(), 0);
    case CommandLine::Action::Refused:
        return answer("trevalo: " + asked.refusal + "\nTry 'trevalo --help' for more information.\n", 1);
    case CommandLine::Action::Disc:
        return runDiscCommandLine(args);
    case CommandLine::Action::Window:
        break;
    }

    ComApartment com;
    INITCOMMONCONTROLSEX controls { sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES };
    InitCommonControlsEx(&controls);

    trevalo::win32::Win32Clipboard clipboard;
    trevalo::win32::Win32MessageBoxes messages;
    trevalo::win32::Win32ModalWindows modals;
    trevalo::win32::Win32FolderChooser folders;
    trevalo::Form1 form(clipboard, messages, modals);
    form.setFolderChooser(&folders);

    trevalo::win32::MainWindowHost host(form.window());
    if (!host.hwnd())
        return 1;
    // An operation may open a box or a window half-way; show its work so far.
    auto catch_up = [&host] { host.binding().mirror(); };
    messages.on_before_show = catch_up;
    modals.on_before_show = catch_up;
    folders.on_before_show = catch_up;
    // What a modal window's actions do to the main window shows behind it.
    modals.while_open = catch_up;
    messages.setOwner(host.hwnd());
    modals.setOwner(host.hwnd());
    folders.setOwner(host.hwnd());
    host.on_close = [&form] { form.Form_Unload(); };
    host.show(show);
    // A folder on the command line opens as Open disc opens one, over the
    // window now shown: its message or the disc window comes over it.
    if (!asked.folder.empty()) {
        form.openDisc(absoluteFolder(asked.folder));
        host.binding().mirror();
    }
    return trevalo::win32::MessageLoop::run();
}
