#include "ui/Window.h"

#include <algorithm>

namespace trevalo::ui {

Window::Window(std::string name, std::string caption, int client_width, int client_height)
    : Control(nullptr, std::move(name), ControlKind::Window)
    , m_client_width(client_width)
    , m_client_height(client_height)
{
    setDisplayText(std::move(caption));
    setPlace({ 0, 0, client_width, client_height });
}

Control* Window::find(std::string_view name) const
{
    for (Control* control : m_controls) {
        if (control->name() == name)
            return control;
    }
    return nullptr;
}

void Window::setFocusedControl(Control* control)
{
    if (m_focus == control)
        return;
    m_focus = control;
    touch();
}

void Window::setWork(std::function<bool()> step)
{
    m_work = std::move(step);
    ++m_work_generation;
    touch();
}

bool Window::runWork()
{
    if (!m_work)
        return false;
    // A step may set new work of its own, which then stays.
    const unsigned generation = m_work_generation;
    std::function<bool()> step = m_work;
    if (!step() && generation == m_work_generation)
        m_work = nullptr;
    touch();
    return static_cast<bool>(m_work);
}

std::string Window::dumpState() const
{
    std::vector<const Control*> sorted(m_controls.begin(), m_controls.end());
    sorted.push_back(this);
    std::sort(sorted.begin(), sorted.end(), [](const Control* a, const Control* b) { return a->name() < b->name(); });
    std::string dump;
    for (const Control* control : sorted) {
        dump += control->describe();
        dump += '\n';
    }
    dump += "focus " + (m_focus ? m_focus->name() : std::string("(none)")) + '\n';
    return dump;
}

}
