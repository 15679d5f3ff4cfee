#pragma once

#include "ui/Control.h"
#include "qt/PixelScale.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>

class QAction;
class QMenuBar;
class QObject;
class QString;
class QWidget;

namespace trevalo::ui {
class MenuEntry;
class Window;
}

namespace trevalo::qt {

// Binds a window model to Qt widgets, generically by control kind: one widget
// per control under the host's client widget, one action per menu entry on the
// host's menu bar. User events (clicks, picks, a click on the window's
// background) go to the model's own setters and on_click, then mirror()
// copies the model back onto the widgets, and closes the window once the
// model has hidden it. It decides nothing
// about what an event means, and it owns neither the model nor the host; the
// widgets it makes belong to the client widget.
class WindowBinding {
public:
    // `menu_bar` may be null for a window without menu entries.
    WindowBinding(ui::Window& window, QWidget& client, QMenuBar* menu_bar);
    ~WindowBinding();
    WindowBinding(const WindowBinding&) = delete;
    WindowBinding& operator=(const WindowBinding&) = delete;

    // Copies every control changed since the last mirror onto its widget,
    // touching only properties that differ, with the widget's signals
    // blocked; moves the keyboard focus when the model's focus moved.
    void mirror();

    // Controls that cannot show yet (hidden, or placed wholly outside their
    // container) get their widget when they first can, or when asked for
    // here, whichever comes first.
    QWidget* widgetFor(const ui::Control&);
    QAction* actionFor(const ui::MenuEntry&) const;
    // The control a widget (or a part of one, such as a list's drop-down)
    // belongs to, or null.
    ui::Control* controlFor(const QWidget*) const;

    static bool hasMenuEntries(const ui::Window&);

    ui::Window& window() const { return m_window; }
    QWidget& client() const { return m_client; }
    const PixelScale& scale() const { return m_scale; }

private:
    class BackgroundClicks;

    struct Entry {
        QWidget* widget = nullptr;
        QAction* action = nullptr;
        // The control's place in the model's order, which the widgets'
        // stacking and Tab order follow whenever they are made.
        std::size_t order = 0;
        std::uint64_t mirrored_revision = 0;
        bool stale = true;
        bool stacked = false;
        ui::Stacking applied_stacking = ui::Stacking::Normal;
    };

    void create(ui::Control&);
    void ensureWidget(ui::Control&, Entry&);
    void settleLateWidget(const ui::Control&, Entry&);
    QWidget* parentWidgetFor(const ui::Control&);
    void connectEvents(ui::Control&, Entry&);
    void bindShortcut(ui::Control&);
    void forward(ui::Control&, const std::function<void()>& act);
    void userTyped(ui::Control&, const QString&);
    void userFocused(QWidget*);

    void mirrorEntry(ui::Control&, Entry&);
    void mirrorWindow();
    void mirrorControl(ui::Control&, Entry&);
    void mirrorAction(ui::Control&, Entry&);
    void mirrorCommon(ui::Control&, Entry&);
    void mirrorKind(ui::Control&, QWidget&);
    void mirrorFocus();
    void applyStacking(const ui::Control&, Entry&);

    ui::Window& m_window;
    QWidget& m_client;
    QMenuBar* m_menu_bar;
    PixelScale m_scale;
    // Owns every signal connection, so none outlives the binding.
    std::unique_ptr<QObject> m_context;
    std::unique_ptr<BackgroundClicks> m_background;
    std::unordered_map<const ui::Control*, Entry> m_entries;
    std::unordered_map<const QWidget*, ui::Control*> m_controls;
    const ui::Control* m_mirrored_focus = nullptr;
    // While the constructor builds the widgets, stacking waits until all exist.
    bool m_building = false;
};

}
