#pragma once

#include "bindings/qt/HeldPickTimer.h"
#include "bindings/qt/PixelScale.h"
#include "ui/Control.h"
#include "ui/binding/BindingCore.h"
#include "ui/binding/MirrorTracker.h"

#include <functional>
#include <memory>
#include <unordered_map>

class QAction;
class QMenuBar;
class QObject;
class QTimer;
class QWidget;

namespace trevalo::ui {
class MenuEntry;
class Window;
}

namespace trevalo::qt {

class FolderDrops;
class KindAdapter;

// Binds a window model to Qt widgets: one widget per control under the
// host's client widget, one action per menu entry on the host's menu bar
// (or in the drop-down of the entry holding it), each made, connected and
// mirrored by its kind's adapter. User events go to the model's entry
// points through the binding core (ui::BindingCore, which also holds a pick
// made with keys and keeps the focus rule), then mirror() copies the model
// back onto the widgets and closes the window once the model has hidden
// it. The binding itself keeps the registry, makes widgets lazily, stacks
// them, moves the focus where the core says, walks the controls, takes
// folders dropped on the window (FolderDrops) and runs the model's stepped
// work between events; it decides nothing about what an event means, and
// owns neither the model nor the host (the widgets it makes belong to the
// client widget).
class WindowBinding final : private ui::BindingCore::Toolkit {
public:
    // `menu_bar` may be null for a window without menu entries.
    WindowBinding(ui::Window& window, QWidget& client, QMenuBar* menu_bar);
    ~WindowBinding();
    WindowBinding(const WindowBinding&) = delete;
    WindowBinding& operator=(const WindowBinding&) = delete;

    // Copies every control changed since the last mirror onto its widget,
    // touching only properties that differ, with the widget's signals
    // blocked; moves the keyboard focus when the model's focus moved.
    void mirror() override;

    // Controls that cannot show yet (hidden, or placed wholly outside their
    // container) get their widget when they first can, or when asked for
    // here, whichever comes first.
    QWidget* widgetFor(const ui::Control&);
    QAction* actionFor(const ui::MenuEntry&) const;
    // The control a widget (or a part of one, such as a list's drop-down)
    // belongs to, or null.
    ui::Control* controlFor(const QWidget*) const;

    // Enter and Escape in the window, passed on through the binding core;
    // false when Enter found neither a held pick nor a button to press.
    bool userPressedEnter();
    void userCancelled();

    static bool hasMenuEntries(const ui::Window&);

    // Runs after every mirror (an event handled here, a step of the work):
    // a window whose operations change another one, as a modal window's
    // change the main window behind it, has that one shown at once.
    std::function<void()> on_mirrored;

    ui::Window& window() const { return m_window; }
    QWidget& client() const { return m_client; }
    const PixelScale& scale() const { return m_scale; }

private:
    struct Entry {
        QWidget* widget = nullptr;
        QAction* action = nullptr;
        const KindAdapter* adapter = nullptr;
        bool stacked = false;
        ui::Stacking applied_stacking = ui::Stacking::Normal;
    };

    ui::Control* keyboardFocus() const override;

    void ensureWidget(ui::Control&, Entry&);
    void create(ui::Control&, Entry&);
    void settleLateWidget(const ui::Control&, Entry&);
    QWidget* parentWidgetFor(const ui::Control&);
    void bindShortcut(ui::Control&);
    void userFocused(QWidget*);

    void mirrorEntry(ui::Control&, Entry&);
    void mirrorFocus();
    void applyStacking(const ui::Control&, Entry&);
    QWidget* menuHolding(const ui::Control&);

    // The model's long work, a step at a time from the event loop, with the
    // user's events between the steps.
    void scheduleWork();
    void workStep();

    ui::Window& m_window;
    QWidget& m_client;
    QMenuBar* m_menu_bar;
    PixelScale m_scale;
    ui::MirrorTracker m_tracker;
    // Owns every signal connection, so none outlives the binding.
    std::unique_ptr<QObject> m_context;
    HeldPickTimer m_pick_timer;
    ui::BindingCore m_core;
    std::unique_ptr<QObject> m_background;
    std::unique_ptr<FolderDrops> m_drops;
    std::unique_ptr<QTimer> m_work_timer;
    std::unordered_map<const ui::Control*, Entry> m_entries;
    std::unordered_map<const QWidget*, ui::Control*> m_controls;
    // While the constructor builds the widgets, stacking waits until all exist.
    bool m_building = false;
};

}
