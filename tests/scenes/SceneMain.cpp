// Puts the main window (and, for some scenes, a secondary window) on screen
// in a state worth a screenshot: `trevalo_scene imported`, or under a dark
// palette `TREVALO_SCENE_PALETTE=dark trevalo_scene imported`. The state is
// reached through the model's own operations, as a user would reach it.
// The guide-* scenes are the steps of the README's worked session. The
// disc scenes show the disc window over the main window, on a disc folder
// given after the scene's name: `trevalo_scene disc build/tests/discs/firstplay_menus`
// (traced to Title 2 and imported), `disc-choice` (the trace waiting for a
// button at the disc's menu).

#include "bindings/qt/DarkPalette.h"
#include "bindings/qt/DialogHost.h"
#include "bindings/qt/MainWindowHost.h"
#include "mainwindow/Form1.h"
#include "support/FakePlatform.h"
#include "windows/frmAbout.h"
#include "windows/frmDisc.h"
#include "windows/frmLog.h"

#include <QApplication>
#include <QComboBox>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <string>

using namespace trevalo;

namespace {

void pick(ui::ComboBox& list, const char* item)
{
    list.pick(*list.indexOf(item));
}

void importTrace(Form1& form, testing::FakeClipboard& clipboard)
{
    pick(form.cboPGC, "3");
    pick(form.CboMenu, "Chapter Menu");
    clipboard.contents = "{71 00 00 05 00 07 00 00}\r\n{71 00 00 08 30 39 00 00}\r\n{51 00 00 82 C5 00 00 00}";
    form.cmdPaste.click();
    form.chkStreams.click();
    form.chkHighlight.click();
    pick(form.cboButton, "4");
}

// The README's worked session: the disc is to start in the chapter menu of
// title set 2, a blank PGC that links on to PGC 4, with GPRM 11 free.
void guideTarget(Form1& form)
{
    pick(form.cboGPRM, "11");
    pick(form.cboPGC, "2");
    pick(form.CboMenu, "Chapter Menu");
    form.chkDummy.click();
    pick(form.cboDummy, "4");
}

// PgcEdit's "Copy changed registers as commands" at the breakpoint: two
// registers, the audio and sub-picture streams and the highlighted button.
constexpr const char* guide_trace = "{71 00 00 00 00 01 00 00}\r\n{71 00 00 03 00 02 00 00}\r\n"
                                    "{51 00 00 81 80 00 00 00}\r\n{56 00 00 00 0C 00 00 00}";

void guideImported(Form1& form, testing::FakeClipboard& clipboard)
{
    guideTarget(form);
    clipboard.contents = guide_trace;
    form.cmdPaste.click();
    form.chkStreams.click();
    form.chkHighlight.click();
}

// The disc window on the disc's feature: picked from the PGC list, used as
// the target, traced with the disc's menu waiting for a button, and, unless
// the scene stops there, the button chosen and the registers imported.
enum class Trace { WaitingForButton, Imported };

void traceToTheFeature(Form1& form, frmDisc& disc, Trace trace)
{
    pick(form.cboGPRM, "4");
    for (std::size_t i = 0; i < disc.cboPgc.items().size(); ++i) {
        if (disc.cboPgc.items()[i].find("Title 2") != std::string::npos)
            disc.cboPgc.pick(i);
    }
    disc.cmdUseTarget.click();
    disc.cmdTrace.click();
    if (trace == Trace::Imported && disc.cboChoice.items().size() > 1)
        disc.cboChoice.pick(1);
}

// A trace that sets the guard register and highlights a button no menu
// has: the notice line names the worse finding and counts the other.
void importGuardTrace(Form1& form, testing::FakeClipboard& clipboard)
{
    pick(form.cboPGC, "3");
    pick(form.CboMenu, "Chapter Menu");
    clipboard.contents = "{71 00 00 05 00 07 00 00}\r\n{71 00 00 0E 00 01 00 00}\r\n{56 00 00 00 94 00 00 00}";
    form.cmdPaste.click();
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // TREVALO_SCENE_PALETTE=dark shows the window as a desktop in dark mode
    // would; after the style, which brings its own palette.
    if (qEnvironmentVariable("TREVALO_SCENE_PALETTE") == QStringLiteral("dark"))
        QApplication::setPalette(testing::DarkPalette::palette());
    QApplication::setApplicationName(QStringLiteral("Trevalo"));
    const std::string scene = argc > 1 ? argv[1] : "startup";

    testing::FakeClipboard clipboard;
    testing::FakeMessageBoxes messages;
    testing::FakeModalWindows modals;
    Form1 form(clipboard, messages, modals);
    if (scene == "imported" || scene == "log") {
        importTrace(form, clipboard);
    } else if (scene == "dummy") {
        form.chkDummy.click();
        form.chkLinkCN.click();
        form.chkNone.click();
    } else if (scene == "copied") {
        pick(form.cboPGC, "12");
        pick(form.CboMenu, "Sub-Picture Menu");
        form.chkDummy.click();
        clipboard.contents = "{71 00 00 05 00 07 00 00}";
        form.cmdPaste.click();
        for (ui::Button* copy : { &form.cmdCopy, &form.cmdCopy2, &form.cmdCopy3 })
            copy->click();
    } else if (scene == "finding") {
        importGuardTrace(form, clipboard);
    } else if (scene == "guide-target") {
        guideTarget(form);
    } else if (scene == "guide-imported") {
        guideImported(form, clipboard);
    } else if (scene == "guide-copied") {
        guideImported(form, clipboard);
        for (ui::Button* copy : { &form.cmdCopy, &form.cmdCopy2, &form.cmdCopy3 })
            copy->click();
    } else if (scene == "disc" || scene == "disc-choice") {
        if (argc < 3 || !form.openDisc(argv[2])) {
            std::fprintf(stderr, "%s: give a disc folder after the scene's name\n", scene.c_str());
            return 2;
        }
    } else if (scene != "startup" && scene != "about") {
        std::fprintf(stderr, "scenes: startup, imported, dummy, copied, log, about, finding, "
                             "guide-target, guide-imported, guide-copied, disc FOLDER, disc-choice FOLDER\n");
        return 2;
    }

    qt::MainWindowHost host(form.window());
    host.show();

    std::unique_ptr<frmLog> log;
    std::unique_ptr<frmAbout> about;
    std::unique_ptr<frmDisc> disc;
    std::unique_ptr<qt::DialogHost> dialog;
    if (scene == "disc" || scene == "disc-choice") {
        disc = std::make_unique<frmDisc>(*form.disc(), form, nullptr);
        traceToTheFeature(form, *disc, scene == "disc" ? Trace::Imported : Trace::WaitingForButton);
        host.binding().mirror();
        dialog = std::make_unique<qt::DialogHost>(disc->window(), &host);
    } else if (scene == "log") {
        log = std::make_unique<frmLog>(form.logSource(), clipboard);
        dialog = std::make_unique<qt::DialogHost>(log->window(), &host);
    } else if (scene == "about") {
        about = std::make_unique<frmAbout>();
        dialog = std::make_unique<qt::DialogHost>(about->window(), &host);
    }
    if (dialog)
        QTimer::singleShot(0, dialog.get(), [&] { dialog->show(); });
    // `trevalo_scene startup cboPGC` opens that list's drop-down.
    if (argc > 2 && !disc) {
        if (const ui::Control* list = form.window().find(argv[2])) {
            if (auto* combo = qobject_cast<QComboBox*>(host.binding().widgetFor(*list)))
                QTimer::singleShot(300, combo, [combo] { combo->showPopup(); });
        }
    }
    return app.exec();
}
