#pragma once

#include <QComboBox>
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
class ComboBoxWidget final : public QComboBox {
public:
    enum class Picked { FromDropDown, ByStepping };

    explicit ComboBoxWidget(QWidget* parent);

    // Runs for every pick the user makes, with the item finally chosen,
    // while `context` lives (the binding's: a pick held when its window
    // goes away goes nowhere).
    void onPick(QObject& context, std::function<void(int index, Picked)> handler);

    bool holdsPick() const { return m_held.has_value(); }

protected:
    bool event(QEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    void activatedAt(int index);
    void release();
    void pick(int index, Picked);

    QPointer<QObject> m_context;
    std::function<void(int, Picked)> m_on_pick;
    bool m_stepping = false;
    std::optional<int> m_held;
    QTimer m_pause;
};

}
