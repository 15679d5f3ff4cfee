#include "ui/qt/QtModalWindows.h"

#include "ui/qt/DialogHost.h"

#include <QApplication>

namespace trevalo::ui::qt {

void QtModalWindows::showModal(Window& window)
{
    if (on_before_show)
        on_before_show();
    DialogHost dialog(window, QApplication::activeWindow());
    dialog.exec();
}

}
