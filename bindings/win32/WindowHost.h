#pragma once

#include <windows.h>

#include <memory>

namespace trevalo::ui {
class Window;
}

namespace trevalo::win32 {

class WindowBinding;

// A top-level window for a window model: made with the model's client size
// at the window's dpi (the menu bar, when the model has entries, comes on
// top of it), kept at that size, re-laid when it moves to a screen of
// another dpi, with its controls from the generic binding. The kinds of
// host differ in where they open and in what the close box and Escape do.
class WindowHost {
public:
    virtual ~WindowHost();
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    HWND hwnd() const { return m_hwnd; }
    WindowBinding& binding() { return *m_binding; }
    ui::Window& window() const { return m_window; }

    // The host of a top-level window of ours, or null.
    static WindowHost* of(HWND);
    // Before a message of this window is dispatched: Alt or F10 alone for
    // the menu bar, the window's shortcuts, Tab, a character typed on a
    // list, then the dialog keys (arrows, Enter, Escape, Alt+letter). True
    // when one of them took it.
    bool preTranslate(MSG&);

protected:
    WindowHost(ui::Window&, DWORD style, DWORD ex_style);
    // Makes the window and its controls; the derived host calls it once it
    // is itself complete.
    void open(HWND owner);

    // Where the window opens, given its outer size, in screen pixels.
    virtual POINT placement(SIZE outer) const = 0;
    virtual void closeBoxClicked() = 0;
    virtual void escapePressed() = 0;
    virtual void modelHid() = 0;
    virtual void destroyed() { }

private:
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT, WPARAM, LPARAM);
    // Sizes the window so its client area is the model's at `dpi`, at `at`.
    void fit(int dpi, POINT at);
    SIZE outerSize(int dpi) const;
    void setIcons(int dpi);

    ui::Window& m_window;
    DWORD m_style;
    DWORD m_ex_style;
    HWND m_hwnd = nullptr;
    std::unique_ptr<WindowBinding> m_binding;
};

}
