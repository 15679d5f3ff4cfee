#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::testing {

// trevalo.exe started as a process of its own and driven from outside with
// the messages a user's actions produce: BM_CLICK on buttons, a pick from a
// list's open drop-down, menu commands, keys posted to the focused control,
// clicks on a window's background. Controls are found by the model's name,
// through the control ID the binding gives each (its place in the model's
// order), which this driver learns from the same window models. Message
// boxes are found as the #32770 windows the program opens and answered by
// their buttons. Every wait gives up after a while and says what it waited
// for, so a hang fails the test instead of stopping it.
class RunningTrevalo {
public:
    // The program with its command line's arguments (a folder, say, which
    // may be a path of the build machine's: Wine shows those on Z:).
    explicit RunningTrevalo(const std::wstring& program, const std::vector<std::wstring>& arguments = {});
    ~RunningTrevalo();
    RunningTrevalo(const RunningTrevalo&) = delete;
    RunningTrevalo& operator=(const RunningTrevalo&) = delete;

    HWND mainWindow() const { return m_main; }
    // The main window's control, or a secondary window's by its model's
    // name (frmLog, frmAbout, Note, frmDisc).
    HWND control(std::string_view name) const;
    HWND control(HWND window, std::string_view form, std::string_view name) const;

    static std::wstring text(HWND);
    std::wstring text(std::string_view name) const { return text(control(name)); }
    bool visible(std::string_view name) const;
    bool enabled(std::string_view name) const;
    int checked(std::string_view name) const;
    // The text a closed list shows.
    std::wstring shown(std::string_view list) const;

    struct Box {
        std::wstring title;
        std::wstring prompt;
    };
    // Clicks a button and waits until the program has handled it. With
    // `answer` (IDOK, IDYES, IDNO, IDCANCEL), the click opens a message box
    // that is answered with that button; what it said is returned.
    std::optional<Box> click(std::string_view button, int answer = 0);
    // Picks `item` from a list the way the mouse does: the drop-down opens,
    // the item is chosen, the drop-down closes.
    void pick(std::string_view list, const std::wstring& item);
    // The same in a secondary window (a `form`).
    void pick(HWND window, std::string_view form, std::string_view list, const std::wstring& item);
    // Clicks a button of a secondary window; returns once it was handled.
    void click(HWND window, std::string_view form, std::string_view button);
    // Chooses a menu entry; like click().
    std::optional<Box> choose(std::string_view entry, int answer = 0);
    // Opens a secondary window with `open` (a menu entry or a button of the
    // main window) and waits until it shows; the main window is disabled
    // meanwhile.
    HWND openWindow(std::string_view open, const std::wstring& title);
    // A key the user presses in a window, as its focused control gets it.
    void press(HWND window, WPARAM key);
    // The model's name of the main window's control that has the focus
    // (empty for none of them).
    std::string focused() const;
    // Tab in the main window; returns once the focus has moved.
    void tab();
    // Keys typed on the keyboard (SendInput), modifiers first, released in
    // reverse order; they go to the window that is active. With `answer`,
    // they open a message box that is answered with that button.
    std::optional<Box> type(std::initializer_list<WORD> keys, int answer = 0);
    void clickBackground(HWND window);
    // Puts the pointer on the middle of a control of the main window and
    // returns the tooltip the program shows for it (empty if none shows);
    // the pointer then leaves the window and the tooltip goes.
    std::wstring tooltipOver(std::string_view name);
    // Puts the pointer on the middle of a control of the main window and
    // returns the tooltip the program shows then, waiting `ms` at most
    // (empty if none shows). The pointer stays.
    std::wstring pointAt(std::string_view name, DWORD ms);
    // Moves the pointer off the main window, to the bottom right of it.
    void pointerOff();
    // Whether no tooltip of the program shows, once it has had `ms` to go.
    bool noTooltipWithin(DWORD ms) const;
    // A window of the driver's own takes the keyboard focus from the
    // program, as another program's would; the window goes with
    // focusBack(), which gives the main window the focus again.
    void focusElsewhere();
    void focusBack();

    // A list's drop-down, opened as the mouse opens it; closeDropDown()
    // closes it again without a pick.
    HWND openDropDown(std::string_view list);
    void closeDropDown(std::string_view list);
    // Waits until a window the program opened has gone.
    bool waitUntilClosed(HWND window);

    std::wstring clipboard();
    void setClipboard(const std::wstring& text);

    // Closes the main window with its close box; the program's exit code.
    std::optional<DWORD> close();

    // Returns once the program has handled what it was sent before.
    void sync() const;

    // A window of the program by its class and title, once it shows.
    HWND waitForWindow(const wchar_t* window_class, const std::wstring& title) const;
    // Waits until `done` holds; false after the usual patience.
    static bool waitUntil(const std::function<bool()>& done);
    // The model's name of the control of `window` (a `form`) that has the
    // keyboard focus, or empty.
    std::string focusedIn(HWND window, std::string_view form) const;
    // Tab in `window` until `name` has the focus; false if it never does.
    bool tabTo(HWND window, std::string_view form, std::string_view name);
    // In the system's folder picker titled `title`: types the folder's
    // path and presses Enter, as the user does.
    void pickFolder(const std::wstring& title, const std::wstring& folder);

    // A path of the build machine as the program sees it under Wine.
    static std::wstring windowsPath(std::wstring path);

private:
    Box answerBox(int answer);

    HWND tooltipShowing() const;

    PROCESS_INFORMATION m_process {};
    HWND m_main = nullptr;
    HWND m_clipboard_owner = nullptr;
    HWND m_elsewhere = nullptr;
};

}
