#include "mainwindow/Form1.h"
#include "ui/qt/MainWindowHost.h"
#include "ui/qt/QtClipboard.h"
#include "ui/qt/QtMessageBoxes.h"
#include "ui/qt/QtModalWindows.h"
#include "ui/qt/WindowIcon.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Fusion paints with the palette, so the model's colours show as set.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("Trevalo"));
    QApplication::setApplicationVersion(QStringLiteral(TREVALO_VERSION));
    QApplication::setWindowIcon(trevalo::ui::qt::WindowIcon::icon());

    trevalo::ui::qt::QtClipboard clipboard;
    trevalo::ui::qt::QtMessageBoxes messages;
    trevalo::ui::qt::QtModalWindows modals;
    trevalo::Form1 form(clipboard, messages, modals);

    trevalo::ui::qt::MainWindowHost host(form.window());
    // An operation may open a box or a window half-way; show its work so far.
    auto catch_up = [&host] { host.binding().mirror(); };
    messages.on_before_show = catch_up;
    modals.on_before_show = catch_up;
    host.on_close = [&form] { form.Form_Unload(); };
    host.show();
    return app.exec();
}
