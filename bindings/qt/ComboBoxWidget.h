#pragma once

#include "ui/binding/TypeAhead.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>

namespace trevalo::qt {

// A choice list that holds back what the user picks by stepping through it
// while it is closed (arrow keys, typed digits, the wheel): typing "12"
// picks item 12 once, not 1 and then 12, and an operation moving the focus
// to a focus sink after the first key cannot swallow the second. The held
// pick goes on when the stepping pauses, on Enter, before a shortcut and
// when the focus leaves; a pick from the open drop-down goes at once.
// Typed characters pick by ui::TypeAhead's rule, the Windows window's too,
// on the closed list and in the open drop-down alike.
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

    // Runs for every pick the user makes, with the item finally chosen,
    // while `context` lives (the binding's: a pick held when its window
    // goes away goes nowhere).
    void onPick(QObject& context, std::function<void(int index, Picked)> handler);

    bool holdsPick() const { return m_held.has_value(); }

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
    void release();
    void pick(int index, Picked);
    // The item a typed text picks from the one shown, if any.
    std::optional<int> typedOn(const QString& text, int shown);

    QPointer<QObject> m_context;
    std::function<void(int, Picked)> m_on_pick;
    bool m_stepping = false;
    std::optional<int> m_held;
    QTimer m_pause;
    ui::TypeAhead m_type_ahead;
    QElapsedTimer m_clock;
};

}
