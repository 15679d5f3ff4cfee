#pragma once

#include "ui/Control.h"

class QFont;
class QObject;
class QWidget;

namespace trevalo::ui {
class BindingEvents;
}

namespace trevalo::qt {

// Makes, connects and mirrors the widget of one kind of control, and says
// how the common properties apply to it. One adapter per kind; the binding
// asks of(kind) and never switches on kinds itself. Adapters decide nothing
// about what an event means: they report it to the binding core
// (ui::BindingEvents).
// Menu entries (actions, not widgets) and the window (the client widget the
// host made) have adapters of their own shape.
class KindAdapter {
public:
    // How a control paints the area behind it.
    enum class Panel {
        // Never: its widget draws itself whole (boxes, lists, buttons).
        None,
        // When its back colour differs from what would show through.
        WhenColoured,
        // Always: a frame hides whatever lies under it (a lowered focus sink).
        Always,
    };

    virtual ~KindAdapter() = default;

    // The control's widget, a child of `parent`, before any mirror.
    virtual QWidget* create(ui::Control&, QWidget& parent) const = 0;
    // Passes the widget's user signals on to the model; `context` owns the
    // connections.
    virtual void connect(ui::Control&, QWidget&, QObject& context, ui::BindingEvents&) const;
    // Copies the kind's own properties (text, value, items) onto the widget,
    // touching only what differs.
    virtual void mirror(const ui::Control&, QWidget&) const = 0;
    virtual void applyFont(QWidget&, const QFont&) const;
    virtual Panel panel() const { return Panel::None; }
    // Whether the children's look depends on this control's (a frame's
    // colour decides whether they paint their own background).
    virtual bool shapesChildren() const { return false; }

    // The adapter of a widget kind; null for menu entries and the window.
    static const KindAdapter* of(ui::ControlKind);
};

}
