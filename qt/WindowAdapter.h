#pragma once

#include <memory>

class QObject;
class QWidget;

namespace trevalo::ui {
class Window;
}

namespace trevalo::qt {

class BindingEvents;

// The window itself: its caption on the top-level widget, its font and
// background on the client widget the host made, and clicks on the
// client's own background (where no control lies) going to the model.
class WindowAdapter {
public:
    // Watches the client for background clicks while the returned object lives.
    static std::unique_ptr<QObject> connect(ui::Window&, QWidget& client, BindingEvents&);
    static void mirror(const ui::Window&, QWidget& client);
};

}
