#pragma once

#include <functional>
#include <memory>

class QObject;
class QWidget;

namespace trevalo::ui {
class BindingEvents;
class Window;
}

namespace trevalo::qt {

// The window itself: its caption on the top-level widget, its font and
// background on the client widget the host made, and clicks on the
// client's own background (where no control lies) going to the model.
class WindowAdapter {
public:
    // Watches the client for background clicks while the returned object
    // lives; a click on a child that `passes_clicks` counts as one too.
    static std::unique_ptr<QObject> connect(ui::Window&, QWidget& client, ui::BindingEvents&,
        std::function<bool(const QWidget*)> passes_clicks);
    static void mirror(const ui::Window&, QWidget& client);
};

}
