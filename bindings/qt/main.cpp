#include "cli/DiscCommandLine.h"
#include "bindings/qt/FontWarmup.h"
#include "bindings/qt/MainWindowHost.h"
#include "bindings/qt/QtClipboard.h"
#include "bindings/qt/QtFolderChooser.h"
#include "bindings/qt/QtMessageBoxes.h"
#include "bindings/qt/QtModalWindows.h"
#include "bindings/qt/WindowIcon.h"
#include "mainwindow/Form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QStringList>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <future>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The window's command line asks for help or the version, or names one
// folder to open as a disc once the window shows. The command line without
// a window (--disc, cli/) lists its options in the description, as they
// are parsed there, not here.
void describe(QCommandLineParser& parser)
{
    // Qt's own options are single-dash words (-platform); so are ours when
    // written that way (-version), and "-no-such-option" is one unknown
    // option, not the letters n, o, ... h (which would ask for help).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral(
            "Composes the DVD navigation commands that make a disc start in a chosen menu or title, for PgcEdit.\n\n")
        + QString::fromStdString(trevalo::cli::discCommandLineHelp()).trimmed());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("folder"),
        QStringLiteral("A DVD-Video folder (VIDEO_TS or the folder holding it) to open as a disc once the window shows."),
        QStringLiteral("[folder]"));
}

// The program's name as the answers and messages give it.
QString program_name(char** argv)
{
    return QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
}

// Every option --help lists (-h, --help, --help-all, -v, --version) is
// answered before the window's QApplication exists: that one needs a
// display, and asking a program what it is should not (over ssh, in a
// script, on a build machine). Qt's own options such as -platform are still
// in argv here and parse as unknown; they must not stop the answer, so the
// parse's verdict is ignored and only the questions are looked at. Does not
// return when one of them is asked.
void answer_questions(QCommandLineParser& parser, int& argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.parse(arguments);
    const bool help = parser.isSet(QStringLiteral("help"));
    const bool help_all = parser.isSet(QStringLiteral("help-all"));
    const bool version = parser.isSet(QStringLiteral("version"));
    if (help_all && !help && !version) {
        // Qt's GUI and widget options are listed by the application object
        // that takes them, so one is made, on the offscreen platform, which
        // needs no display whatever the environment names.
        static char platform_option[] = "-platform";
        static char offscreen[] = "offscreen";
        char* offscreen_argv[] = { argv[0], platform_option, offscreen, nullptr };
        int offscreen_argc = 3;
        QApplication app(offscreen_argc, offscreen_argv);
        parser.process(QStringList { arguments.value(0), QStringLiteral("--help-all") });
    }
    if (!help && !version)
        return;
    // The answers name the program from the application object's arguments.
    QCoreApplication core(argc, argv);
    if (version)
        parser.showVersion();
    parser.showHelp();
}

// An unknown option ends the program with Qt's own message and status 1
// before the window's QApplication exists, which without a display would
// abort instead. Qt's GUI options are known here too, with their values,
// so that they reach the QApplication untouched.
void refuse_unknown_options(int argc, char** argv)
{
    QCommandLineParser qt_options;
    describe(qt_options);
    for (const char* name : { "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
             "qwindowgeometry", "geometry", "qwindowicon", "qwindowtitle", "title", "display", "style",
             "stylesheet", "session", "name", "dialogs", "fontengine" })
        qt_options.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char* name : { "reverse", "widgetcount", "nograb", "dograb", "sync" })
        qt_options.addOption(QCommandLineOption(QString::fromLatin1(name)));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString error;
    if (!qt_options.parse(arguments))
        error = qt_options.errorText();
    else if (qt_options.positionalArguments().size() > 1)
        error = QStringLiteral("One folder at most: ") + qt_options.positionalArguments().join(QStringLiteral(", "));
    else
        return;
    const QString name = program_name(argv);
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", qPrintable(name), qPrintable(error),
        qPrintable(name));
    std::exit(1);
}

// The command line without a window runs before anything of Qt's, so it
// needs no display; its status is the program's.
void run_disc_command_line(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!trevalo::cli::isDiscCommandLine(args))
        return;
    const int status = trevalo::cli::runDiscCommandLine(args, std::cout, std::cerr);
    std::cout.flush();
    std::exit(status);
}
}

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Trevalo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TREVALO_VERSION));
    run_disc_command_line(argc, argv);
    QCommandLineParser parser;
    describe(parser);
    answer_questions(parser, argc, argv);
    refuse_unknown_options(argc, argv);

    // Runs beside the application object's set-up; only the window needs
    // fonts.
    trevalo::qt::FontWarmup fonts;
    QApplication app(argc, argv);
    // QApplication has taken Qt's own options out of argv; an option left
    // over is unknown, and like other Qt programs Trevalo says so and stops.
    parser.process(app);
    // Fusion paints with the palette, so the model's colours show as set.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // X11 sends every offered size of the icon to the window manager when
    // the window first shows; they are drawn on a second thread while the
    // window is built. Elsewhere a size is drawn when it is first shown.
    std::future<QList<QImage>> icon_sizes;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        icon_sizes = std::async(std::launch::async, &trevalo::qt::WindowIcon::drawOffered);
    else
        QApplication::setWindowIcon(trevalo::qt::WindowIcon::icon());
    // Lets Wayland desktops tie the window to trevalo.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("trevalo"));

    trevalo::qt::QtClipboard clipboard;
    trevalo::qt::QtMessageBoxes messages;
    trevalo::qt::QtModalWindows modals;
    trevalo::qt::QtFolderChooser folders;
    trevalo::Form1 form(clipboard, messages, modals);
    form.setFolderChooser(&folders);

    fonts.wait();
    trevalo::qt::MainWindowHost host(form.window());
    // An operation may open a box or a window half-way; show its work so far.
    auto catch_up = [&host] { host.binding().mirror(); };
    messages.on_before_show = catch_up;
    modals.on_before_show = catch_up;
    folders.on_before_show = catch_up;
    // What a modal window's actions do to the main window shows behind it.
    modals.while_open = catch_up;
    host.on_close = [&form] { form.Form_Unload(); };
    if (icon_sizes.valid()) {
        const QIcon icon = trevalo::qt::WindowIcon::icon(icon_sizes.get());
        QApplication::setWindowIcon(icon);
        host.setWindowIcon(icon);
    }
    host.show();
    // Desktops give a new window the keyboard; without a window manager
    // (a virtual display) it is asked for, so the focus shows there too.
    host.activateWindow();
    // A folder on the command line opens as Open disc opens one, once the
    // window shows, so its message or the disc window comes over it.
    if (const QStringList folders_given = parser.positionalArguments(); !folders_given.isEmpty()) {
        const std::string folder = QDir::toNativeSeparators(QFileInfo(folders_given.constFirst()).absoluteFilePath()).toStdString();
        QMetaObject::invokeMethod(
            &host,
            [&form, &host, folder] {
                form.openDisc(folder);
                host.binding().mirror();
            },
            Qt::QueuedConnection);
    }
    return app.exec();
}
