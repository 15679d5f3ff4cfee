#pragma once

#include "ui/binding/TypeAhead.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QPointer>

#include <functional>
#include <optional>

namespace trevalo::qt {

// A choice list that tells apart what the user picks by stepping through it
// while it is closed (arrow keys, typed digits, the wheel) from a pick in
// the open drop-down, and says when the keys are done with it (Tab, the
// focus gone); holding a stepped pick until then is the binding core's
// (ui::HeldPick), as in the Windows window. Typed characters pick by
// ui::TypeAhead's rule, the Windows window's too, on the closed list and
// in the open drop-down alike.
//
// The drop-down opens below the list, as the Windows window's does, with
// up to sixteen items at a time, the items at least as wide as the list
// and the scroll bar beside them (styles such as Fusion would otherwise
// open a menu of every item, as tall as the screen).
class ComboBoxWidget final : public QComboBox {
public:
    enum class Picked { FromDropDown, ByStepping };

    static constexpr int visible_items = 16;

    explicit ComboBoxWidget(QWidget* parent);

    // Runs for every item the user picks or steps to, and when the keys
    // are done with the list, while `context` lives (the binding's).
    void onPick(QObject& context, std::function<void(int index, Picked)> picked, std::function<void()> keys_done);

    // The width the drop-down opens at: its items get the list's own width,
    // or their longest's if wider, with the frame and the scroll bar beside.
    int dropDownWidth() const;
    void showPopup() override;

protected:
    bool event(QEvent*) override;
    bool eventFilter(QObject*, QEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    void activatedAt(int index);
    void keysDone();
    // The item a typed text picks from the one shown, if any.
    std::optional<int> typedOn(const QString& text, int shown);

    QPointer<QObject> m_context;
    std::function<void(int, Picked)> m_on_pick;
    std::function<void()> m_on_keys_done;
    bool m_stepping = false;
    ui::TypeAhead m_type_ahead;
    QElapsedTimer m_clock;
};

}
