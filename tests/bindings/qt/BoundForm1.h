#pragma once

#include "bindings/qt/MainWindowHost.h"
#include "mainwindow/Form1.h"
#include "support/FakePlatform.h"

#include <QWidget>

namespace trevalo::testing {

// The real main window model on test doubles, bound to Qt and shown
// (offscreen), as main() puts it on screen.
class BoundForm1 {
public:
    BoundForm1()
    {
        host.show();
    }

    qt::WindowBinding& binding() { return host.binding(); }
    QWidget* widgetFor(const ui::Control& control) { return host.binding().widgetFor(control); }

    FakeClipboard clipboard;
    FakeMessageBoxes messages;
    FakeModalWindows modals;
    Form1 form { clipboard, messages, modals };
    qt::MainWindowHost host { form.window() };
};

}
