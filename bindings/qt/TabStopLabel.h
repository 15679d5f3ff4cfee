#pragma once

#include <QLabel>

namespace trevalo::qt {

// A label the keyboard reaches: a Tab stop that shows the focus with the
// style's focus frame and, while it has the focus, shows its tooltip, so a
// line whose details live in the tooltip (the checks' findings) reads
// without a mouse.
class TabStopLabel final : public QLabel {
public:
    explicit TabStopLabel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    void keyReleaseEvent(QKeyEvent*) override;

private:
    void showDetails();

    // Tab brought the focus: a tooltip shown now would go with the key's
    // release, so it shows then.
    bool m_show_on_release = false;
};

}
