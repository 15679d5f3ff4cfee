#pragma once

#include "bindings/qt/WindowBinding.h"

#include <QDialog>

#include <memory>

namespace trevalo::ui {
class Window;
}

namespace trevalo::qt {

// A secondary window shown as a modal dialog: the model's caption, its client
// size fixed, a close button only, a menu bar when the model has entries.
// Its controls come from the generic binding; it closes when the model hides
// its window or the user closes it. Escape and the close box go to the
// model's cancel button (or close a window without one), Enter to the
// focused or else the default button.
class DialogHost final : public QDialog {
public:
    explicit DialogHost(ui::Window& window, QWidget* parent = nullptr);
    ~DialogHost() override;

    WindowBinding& binding() { return *m_binding; }
    QWidget& client() { return *m_client; }

protected:
    void showEvent(QShowEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    QWidget* m_client;
    std::unique_ptr<WindowBinding> m_binding;
};

}
