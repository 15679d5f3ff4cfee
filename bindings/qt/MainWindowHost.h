#pragma once

#include "bindings/qt/WindowBinding.h"

#include <QMainWindow>

#include <functional>
#include <memory>

namespace trevalo::ui {
class Window;
}

namespace trevalo::qt {

// The top-level window that shows a window model: the model's caption, a
// menu bar when the model has menu entries, and below it a client area of the
// model's client size, fixed, with a close button only. The widgets inside
// come from the generic binding; the host adds none of its own.
class MainWindowHost final : public QMainWindow {
public:
    explicit MainWindowHost(ui::Window& window, QWidget* parent = nullptr);
    ~MainWindowHost() override;

    WindowBinding& binding() { return *m_binding; }
    QWidget& client() { return *m_client; }

    // Runs when the user closes the window, before it goes.
    std::function<void()> on_close;

protected:
    void closeEvent(QCloseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void showEvent(QShowEvent*) override;

private:
    void centreOnScreen();

    QWidget* m_client;
    std::unique_ptr<WindowBinding> m_binding;
    bool m_centred = false;
};

}
