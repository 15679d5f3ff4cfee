#include "bindings/qt/QtModalWindows.h"

#include "bindings/qt/DialogHost.h"

#include <QApplication>

namespace trevalo::qt {

using namespace ui;

void QtModalWindows::showModal(Window& window)
{
    if (on_before_show)
        on_before_show();
    DialogHost dialog(window, QApplication::activeWindow());
    dialog.binding().on_mirrored = while_open;
    dialog.exec();
}

}
