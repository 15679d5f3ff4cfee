#pragma once

#include "ui/Control.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::ui {

// The root of a window model: its caption, client size and keyboard focus,
// and the registry of every control inside it, so tests and bindings can walk
// or look up controls by name. It does not own its controls.
class Window final : public Control {
public:
    Window(std::string name, std::string caption, int client_width, int client_height);

    const std::string& caption() const { return displayText(); }
    void setCaption(std::string caption) { setDisplayText(std::move(caption)); }
    int clientWidth() const { return m_client_width; }
    int clientHeight() const { return m_client_height; }

    // Every control of the window but the window itself, in creation order.
    const std::vector<Control*>& controls() const { return m_controls; }
    Control* find(std::string_view name) const;

    Control* focusedControl() const { return m_focus; }
    void setFocusedControl(Control*);

    // A click on the window's own background, outside every control.
    std::function<void()> on_click;

    // A folder the user dropped on the window, its path in UTF-8. A window
    // without it takes no drops.
    std::function<void(const std::string&)> on_drop_folder;

    // Long work (copying a disc) runs in steps between the user's events,
    // so the window stays responsive and can offer Cancel: the binding runs
    // runWork() whenever hasWork(), mirroring the window after each step,
    // until a step says it is done. Setting new work replaces old.
    void setWork(std::function<bool()> step);
    bool hasWork() const { return static_cast<bool>(m_work); }
    // One step; false (and no work left) once the work is done.
    bool runWork();

    // The whole window as text, one line per control sorted by name, then the
    // focus; tests compare it whole.
    std::string dumpState() const;

private:
    friend class Control;
    void enrol(Control& control) { m_controls.push_back(&control); }

    int m_client_width;
    int m_client_height;
    std::vector<Control*> m_controls;
    Control* m_focus = nullptr;
    std::function<bool()> m_work;
    unsigned m_work_generation = 0;
};

}
