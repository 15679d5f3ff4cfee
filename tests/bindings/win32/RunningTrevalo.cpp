#include "bindings/win32/RunningTrevalo.h"

#include "bindings/win32/ControlIds.h"
#include "mainwindow/Form1.h"
#include "support/FakePlatform.h"
#include "ui/binding/MirrorTracker.h"
#include "windows/Note.h"
#include "windows/frmAbout.h"
#include "windows/frmDisc.h"
#include "windows/frmLog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace trevalo::testing {

namespace {

constexpr DWORD patience_ms = 15000;
constexpr DWORD poll_ms = 20;

// The window models the program shows, made here only to learn their
// controls' IDs by name.
struct Models {
    FakeClipboard clipboard;
    FakeMessageBoxes messages;
    FakeModalWindows modals;
    Form1 main { clipboard, messages, modals };
    frmLog log { LogSource {}, clipboard };
    frmAbout about;
    Note note;
    // The disc window's controls are the same whatever its disc.
    disc::Disc no_disc;
    frmDisc disc { no_disc, main, nullptr };

    ui::Window* window(std::string_view form)
    {
        for (ui::Window* each : { &main.window(), &log.window(), &about.window(), &note.window(), &disc.window() }) {
            if (each->name() == form)
                return each;
        }
        return nullptr;
    }
};

Models& models()
{
    static Models made;
    return made;
}

int idOf(std::string_view form, std::string_view name)
{
    const ui::Window* window = models().window(form);
    const ui::Control* control = window ? window->find(name) : nullptr;
    if (!control) {
        ADD_FAILURE() << form << " has no control " << name;
        return 0;
    }
    return win32::ControlIds::forOrder(ui::MirrorTracker(*window).order(*control));
}

std::wstring classOf(HWND hwnd)
{
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, int(std::size(name)));
    return name;
}

struct Search {
    DWORD process;
    const wchar_t* window_class;
    const std::wstring* title;
    HWND found;
    // Only a window no other window owns (the main window, not the
    // secondary windows of the same class).
    bool unowned = false;
};

BOOL CALLBACK visit(HWND hwnd, LPARAM context)
{
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != search.process || !IsWindowVisible(hwnd) || classOf(hwnd) != search.window_class)
        return TRUE;
    if (search.title && RunningTrevalo::text(hwnd) != *search.title)
        return TRUE;
    if (search.unowned && GetWindow(hwnd, GW_OWNER))
        return TRUE;
    search.found = hwnd;
    return FALSE;
}

HWND findWindow(DWORD process, const wchar_t* window_class, const std::wstring* title, bool unowned = false)
{
    Search search { process, window_class, title, nullptr, unowned };
    EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A message box's prompt is its longest static text (the other statics, if
// any, hold its icon).
BOOL CALLBACK longestStatic(HWND hwnd, LPARAM context)
{
    auto& longest = *reinterpret_cast<std::wstring*>(context);
    if (classOf(hwnd) == L"Static") {
        std::wstring text = RunningTrevalo::text(hwnd);
        if (text.size() > longest.size())
            longest = std::move(text);
    }
    return TRUE;
}

}

std::wstring RunningTrevalo::windowsPath(std::wstring path)
{
    // Wine shows the build machine's files on drive Z:.
    if (!path.empty() && path[0] == L'/')
        path = L"Z:" + path;
    for (wchar_t& c : path) {
        if (c == L'/')
            c = L'\\';
    }
    return path;
}

RunningTrevalo::RunningTrevalo(const std::wstring& program, const std::vector<std::wstring>& arguments)
{
    m_clipboard_owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    std::wstring command = L"\"" + windowsPath(program) + L"\"";
    for (const std::wstring& argument : arguments)
        command += L" \"" + argument + L"\"";
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_process)) {
        ADD_FAILURE() << "cannot start the program: error " << GetLastError();
        return;
    }
    WaitForInputIdle(m_process.hProcess, patience_ms);
    for (DWORD waited = 0; !m_main && waited < patience_ms; waited += poll_ms) {
        m_main = findWindow(m_process.dwProcessId, L"TrevaloWindow", nullptr, true);
        if (!m_main)
            Sleep(poll_ms);
    }
    if (!m_main)
        ADD_FAILURE() << "the main window did not show";
}

RunningTrevalo::~RunningTrevalo()
{
    if (m_elsewhere)
        DestroyWindow(m_elsewhere);
    if (m_process.hProcess) {
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    if (m_clipboard_owner)
        DestroyWindow(m_clipboard_owner);
}

HWND RunningTrevalo::control(std::string_view name) const
{
    return control(m_main, "Form1", name);
}

HWND RunningTrevalo::control(HWND window, std::string_view form, std::string_view name) const
{
    HWND found = GetDlgItem(window, idOf(form, name));
    if (!found)
        ADD_FAILURE() << form << "." << name << " has no window";
    return found;
}

std::wstring RunningTrevalo::text(HWND hwnd)
{
    if (!hwnd)
        return {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, patience_ms, &length))
        return {};
    std::wstring text(std::size_t(length) + 1, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, WPARAM(text.size()), LPARAM(text.data()), SMTO_NORMAL, patience_ms, &got);
    text.resize(std::size_t(got));
    return text;
}

bool RunningTrevalo::visible(std::string_view name) const
{
    HWND hwnd = GetDlgItem(m_main, idOf("Form1", name));
    return hwnd && IsWindowVisible(hwnd);
}

bool RunningTrevalo::enabled(std::string_view name) const
{
    return IsWindowEnabled(control(name));
}

int RunningTrevalo::checked(std::string_view name) const
{
    return int(SendMessageW(control(name), BM_GETCHECK, 0, 0));
}

std::wstring RunningTrevalo::shown(std::string_view list) const
{
    HWND combo = control(list);
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index < 0)
        return {};
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, WPARAM(index), 0);
    std::wstring text(std::size_t(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, WPARAM(index), LPARAM(text.data()));
    text.resize(std::wcslen(text.c_str()));
    return text;
}

void RunningTrevalo::sync() const
{
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(m_main, WM_NULL, 0, 0, SMTO_NORMAL, patience_ms, &ignored))
        ADD_FAILURE() << "the program did not answer";
}

HWND RunningTrevalo::waitForWindow(const wchar_t* window_class, const std::wstring& title) const
{
    for (DWORD waited = 0; waited < patience_ms; waited += poll_ms) {
        if (HWND found = findWindow(m_process.dwProcessId, window_class, title.empty() ? nullptr : &title))
            return found;
        Sleep(poll_ms);
    }
    return nullptr;
}

// Once the window is gone, the code that opened it goes on until the
// program next reads its messages, which is when sync() returns: a box's
// own message loop may still read some while the box hides.
bool RunningTrevalo::waitUntilClosed(HWND window)
{
    for (DWORD waited = 0; waited < patience_ms; waited += poll_ms) {
        if (!IsWindow(window)) {
            sync();
            return true;
        }
        Sleep(poll_ms);
    }
    return false;
}

RunningTrevalo::Box RunningTrevalo::answerBox(int answer)
{
    HWND box = waitForWindow(L"#32770", L"");
    if (!box) {
        ADD_FAILURE() << "no message box showed";
        return {};
    }
    Box shown;
    shown.title = text(box);
    EnumChildWindows(box, longestStatic, reinterpret_cast<LPARAM>(&shown.prompt));
    HWND button = GetDlgItem(box, answer);
    if (!button) {
        ADD_FAILURE() << "the box has no button " << answer;
        PostMessageW(box, WM_CLOSE, 0, 0);
    } else {
        PostMessageW(button, BM_CLICK, 0, 0);
    }
    if (!waitUntilClosed(box))
        ADD_FAILURE() << "the box did not close";
    return shown;
}

std::optional<RunningTrevalo::Box> RunningTrevalo::click(std::string_view name, int answer)
{
    HWND button = control(name);
    if (!button)
        return std::nullopt;
    if (!answer) {
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, patience_ms, &ignored))
            ADD_FAILURE() << "clicking " << name << " did not return (a box nobody expected?)";
        return std::nullopt;
    }
    PostMessageW(button, BM_CLICK, 0, 0);
    return answerBox(answer);
}

void RunningTrevalo::pick(std::string_view list, const std::wstring& item)
{
    pick(m_main, "Form1", list, item);
}

void RunningTrevalo::pick(HWND window, std::string_view form, std::string_view list, const std::wstring& item)
{
    HWND combo = control(window, form, list);
    const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(item.c_str()));
    if (index < 0) {
        ADD_FAILURE() << list << " has no item " << std::string(item.begin(), item.end());
        return;
    }
    // What a mouse pick sends: the drop-down open, the item chosen, the
    // selection ended, the drop-down closed, the selection changed.
    const WPARAM id = WPARAM(GetDlgCtrlID(combo));
    DWORD_PTR ignored = 0;
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(combo, CB_SETCURSEL, WPARAM(index), 0);
    SendMessageTimeoutW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), LPARAM(combo), SMTO_NORMAL, patience_ms, &ignored);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    SendMessageTimeoutW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(combo), SMTO_NORMAL, patience_ms, &ignored);
}

void RunningTrevalo::click(HWND window, std::string_view form, std::string_view button)
{
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(control(window, form, button), BM_CLICK, 0, 0, SMTO_NORMAL, patience_ms, &ignored))
        ADD_FAILURE() << "clicking " << button << " did not return (a box nobody expected?)";
}

std::optional<RunningTrevalo::Box> RunningTrevalo::choose(std::string_view entry, int answer)
{
    const WPARAM command = MAKEWPARAM(idOf("Form1", entry), 0);
    if (!answer) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(m_main, WM_COMMAND, command, 0, SMTO_NORMAL, patience_ms, &ignored);
        return std::nullopt;
    }
    PostMessageW(m_main, WM_COMMAND, command, 0);
    return answerBox(answer);
}

HWND RunningTrevalo::openWindow(std::string_view open, const std::wstring& title)
{
    const ui::Control* control = models().main.window().find(open);
    if (control && control->kind() == ui::ControlKind::MenuEntry)
        PostMessageW(m_main, WM_COMMAND, MAKEWPARAM(idOf("Form1", open), 0), 0);
    else
        PostMessageW(this->control(open), BM_CLICK, 0, 0);
    HWND window = waitForWindow(L"TrevaloWindow", title);
    if (!window)
        ADD_FAILURE() << "no window " << std::string(title.begin(), title.end()) << " opened";
    return window;
}

void RunningTrevalo::press(HWND window, WPARAM key)
{
    GUITHREADINFO gui {};
    gui.cbSize = sizeof gui;
    HWND target = window;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui) && gui.hwndFocus)
        target = gui.hwndFocus;
    const UINT scan = MapVirtualKeyW(UINT(key), MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, key, LPARAM(1 | (scan << 16)));
    PostMessageW(target, WM_KEYUP, key, LPARAM(1 | (scan << 16) | (3u << 30)));
}

std::string RunningTrevalo::focused() const
{
    GUITHREADINFO gui {};
    gui.cbSize = sizeof gui;
    if (!GetGUIThreadInfo(m_process.dwThreadId, &gui) || !gui.hwndFocus || GetParent(gui.hwndFocus) != m_main)
        return {};
    const std::size_t order = win32::ControlIds::orderOf(GetDlgCtrlID(gui.hwndFocus));
    const std::vector<ui::Control*>& controls = models().main.window().controls();
    return order < controls.size() ? controls[order]->name() : std::string();
}

// A posted key is read after any message sent meanwhile, so sync() cannot
// tell when it has been handled; the focus moving can.
void RunningTrevalo::tab()
{
    const std::string before = focused();
    press(m_main, VK_TAB);
    for (DWORD waited = 0; waited < patience_ms && focused() == before; waited += poll_ms)
        Sleep(poll_ms);
}

std::optional<RunningTrevalo::Box> RunningTrevalo::type(std::initializer_list<WORD> keys, int answer)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT input {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
    if (answer)
        return answerBox(answer);
    Sleep(100);
    sync();
    return std::nullopt;
}

void RunningTrevalo::clickBackground(HWND window)
{
    const LPARAM at = MAKELPARAM(4, 4);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(window, WM_LBUTTONUP, 0, at);
}

std::wstring RunningTrevalo::tooltipOver(std::string_view name)
{
    const std::wstring tip = pointAt(name, patience_ms);
    pointerOff();
    if (!noTooltipWithin(patience_ms))
        ADD_FAILURE() << "the tooltip of " << name << " stayed";
    return tip;
}

HWND RunningTrevalo::tooltipShowing() const
{
    return findWindow(m_process.dwProcessId, L"tooltips_class32", nullptr);
}

std::wstring RunningTrevalo::pointAt(std::string_view name, DWORD ms)
{
    RECT rect {};
    GetWindowRect(control(name), &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    for (DWORD waited = 0; waited < ms; waited += poll_ms) {
        if (HWND tooltip = tooltipShowing())
            return text(tooltip);
        Sleep(poll_ms);
    }
    return {};
}

void RunningTrevalo::pointerOff()
{
    RECT main {};
    GetWindowRect(m_main, &main);
    SetCursorPos(main.right + 40, main.bottom + 40);
}

bool RunningTrevalo::noTooltipWithin(DWORD ms) const
{
    for (DWORD waited = 0; waited < ms; waited += poll_ms) {
        if (!tooltipShowing())
            return true;
        Sleep(poll_ms);
    }
    return !tooltipShowing();
}

// The window belongs to the driver's thread, which reads its messages only
// here, while it waits for the program to lose the focus.
void RunningTrevalo::focusElsewhere()
{
    RECT main {};
    GetWindowRect(m_main, &main);
    m_elsewhere = CreateWindowExW(0, L"STATIC", L"Elsewhere", WS_POPUP | WS_BORDER | WS_VISIBLE, main.right + 10,
        main.top, 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(m_elsewhere);
    for (DWORD waited = 0; waited < patience_ms && GetForegroundWindow() != m_elsewhere; waited += poll_ms) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(poll_ms);
    }
    if (GetForegroundWindow() != m_elsewhere)
        ADD_FAILURE() << "the program kept the focus";
    sync();
}

void RunningTrevalo::focusBack()
{
    if (m_elsewhere)
        DestroyWindow(m_elsewhere);
    m_elsewhere = nullptr;
    SetForegroundWindow(m_main);
    for (DWORD waited = 0; waited < patience_ms && GetForegroundWindow() != m_main; waited += poll_ms)
        Sleep(poll_ms);
    sync();
}

// The drop-down is a window of its own (GetComboBoxInfo, a message with a
// pointer, does not cross to another process).
HWND RunningTrevalo::openDropDown(std::string_view list)
{
    HWND combo = control(list);
    if (!combo)
        return nullptr;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(combo, CB_SHOWDROPDOWN, TRUE, 0, SMTO_NORMAL, patience_ms, &ignored);
    HWND dropped = waitForWindow(L"ComboLBox", L"");
    if (!dropped)
        ADD_FAILURE() << list << " did not open";
    return dropped;
}

void RunningTrevalo::closeDropDown(std::string_view list)
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(control(list), CB_SHOWDROPDOWN, FALSE, 0, SMTO_NORMAL, patience_ms, &ignored);
    sync();
}

std::wstring RunningTrevalo::clipboard()
{
    std::wstring text;
    for (int attempt = 0; attempt < 50 && !OpenClipboard(m_clipboard_owner); ++attempt)
        Sleep(poll_ms);
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = wide;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void RunningTrevalo::setClipboard(const std::wstring& text)
{
    for (int attempt = 0; attempt < 50 && !OpenClipboard(m_clipboard_owner); ++attempt)
        Sleep(poll_ms);
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(data), text.c_str(), bytes);
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
}

std::optional<DWORD> RunningTrevalo::close()
{
    PostMessageW(m_main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(m_process.hProcess, patience_ms) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

bool RunningTrevalo::waitUntil(const std::function<bool()>& done)
{
    for (DWORD waited = 0; waited < patience_ms; waited += poll_ms) {
        if (done())
            return true;
        Sleep(poll_ms);
    }
    return done();
}

std::string RunningTrevalo::focusedIn(HWND window, std::string_view form) const
{
    GUITHREADINFO gui {};
    gui.cbSize = sizeof gui;
    if (!GetGUIThreadInfo(m_process.dwThreadId, &gui) || !gui.hwndFocus || GetParent(gui.hwndFocus) != window)
        return {};
    const std::size_t order = win32::ControlIds::orderOf(GetDlgCtrlID(gui.hwndFocus));
    const ui::Window* model = models().window(form);
    if (!model)
        return {};
    const std::vector<ui::Control*>& controls = model->controls();
    return order < controls.size() ? controls[order]->name() : std::string();
}

bool RunningTrevalo::tabTo(HWND window, std::string_view form, std::string_view name)
{
    for (int i = 0; i < 40 && focusedIn(window, form) != name; ++i) {
        const std::string before = focusedIn(window, form);
        press(window, VK_TAB);
        waitUntil([&] { return focusedIn(window, form) != before; });
    }
    return focusedIn(window, form) == name;
}

namespace {

BOOL CALLBACK firstEdit(HWND hwnd, LPARAM context)
{
    auto& found = *reinterpret_cast<HWND*>(context);
    if (classOf(hwnd) == L"Edit" && IsWindowVisible(hwnd)) {
        found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}

void RunningTrevalo::pickFolder(const std::wstring& title, const std::wstring& folder)
{
    HWND picker = waitForWindow(L"#32770", title);
    if (!picker) {
        ADD_FAILURE() << "no folder picker showed";
        return;
    }
    HWND name = nullptr;
    waitUntil([&] {
        EnumChildWindows(picker, firstEdit, reinterpret_cast<LPARAM>(&name));
        return name != nullptr;
    });
    if (!name) {
        ADD_FAILURE() << "the folder picker has no box for a name";
        return;
    }
    const std::wstring path = windowsPath(folder);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(name, WM_SETTEXT, 0, LPARAM(path.c_str()), SMTO_NORMAL, patience_ms, &ignored);
    const UINT scan = MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC);
    PostMessageW(name, WM_KEYDOWN, VK_RETURN, LPARAM(1 | (scan << 16)));
    PostMessageW(name, WM_KEYUP, VK_RETURN, LPARAM(1 | (scan << 16) | (3u << 30)));
    if (!waitUntilClosed(picker))
        ADD_FAILURE() << "the folder picker did not close";
}

}
