#include "bindings/qt/BoundForm1.h"

#include "bindings/qt/FolderDrops.h"
#include "ui/TextBox.h"
#include "ui/Window.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWindow>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace trevalo::testing {
namespace {

// A drag over a window and, where the window takes it, the drop, as the
// window system delivers them: to the top-level QWindow, at a point over
// one of its widgets. Returns whether the drag was taken.
bool dragAndDrop(QWidget& top, const QMimeData& data, QPoint at)
{
    QWindow* window = top.windowHandle();
    EXPECT_NE(window, nullptr);
    if (!window)
        return false;
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    if (!enter.isAccepted()) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(window, &leave);
        return false;
    }
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
    EXPECT_TRUE(drop.isAccepted());
    // The model hears of it once the drop is over.
    QCoreApplication::processEvents();
    return true;
}

// A window model that takes dropped folders, with a locked multi-line box
// (a widget that would take a drop as text) over most of it.
class DropWindow {
public:
    DropWindow()
    {
        box.setLines(ui::Lines::Multi);
        box.setLocked(true);
        box.setPlace({ 120, 120, 3000, 1500 });
        window.on_drop_folder = [this](const std::string& folder) { dropped.push_back(folder); };
        host.emplace(window);
        host->show();
    }

    QPoint overTheBox() { return host->binding().widgetFor(box)->geometry().center() + host->client().pos(); }

    ui::Window window { "frmDrop", "Drop", 3300, 1800 };
    ui::TextBox box { &window, "txtBox" };
    std::vector<std::string> dropped;
    std::optional<qt::MainWindowHost> host;
};

std::string native(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdString();
}

// Only the first dropped item counts, and only when it is a local folder.
TEST(FolderDrops, TheFirstDroppedItemGoesToTheModelWhenItIsALocalFolder)
{
    QTemporaryDir scratch;
    const QString folder = scratch.filePath(QStringLiteral("Disc ü"));
    const QString other = scratch.filePath(QStringLiteral("other"));
    const QString file = scratch.filePath(QStringLiteral("VIDEO_TS.IFO"));
    QDir().mkpath(folder);
    QDir().mkpath(other);
    QFile(file).open(QIODevice::WriteOnly);
    const auto local = [](const QString& path) { return QUrl::fromLocalFile(path); };
    const struct {
        const char* what;
        QList<QUrl> urls;
        std::optional<QString> taken;
    } cases[] = {
        { "a folder", { local(folder) }, folder },
        { "two folders", { local(folder), local(other) }, folder },
        { "a folder, then a file", { local(folder), local(file) }, folder },
        { "a file, then a folder", { local(file), local(folder) }, std::nullopt },
        { "a file", { local(file) }, std::nullopt },
        { "a folder that is gone", { local(scratch.filePath(QStringLiteral("gone"))) }, std::nullopt },
        { "a web address", { QUrl(QStringLiteral("https://example.org/VIDEO_TS/")) }, std::nullopt },
        { "no address", {}, std::nullopt },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DropWindow drop;
        QMimeData data;
        data.setUrls(c.urls);
        data.setText(QStringLiteral("text a box could take"));
        EXPECT_EQ(qt::FolderDrops::droppedFolder(&data), c.taken ? std::optional(native(*c.taken)) : std::nullopt);
        const bool taken = dragAndDrop(*drop.host, data, drop.overTheBox());
        EXPECT_EQ(taken, c.taken.has_value());
        if (c.taken)
            EXPECT_EQ(drop.dropped, std::vector<std::string> { native(*c.taken) });
        else
            EXPECT_TRUE(drop.dropped.empty());
        EXPECT_EQ(drop.box.text(), "") << "the box took the drop as text";
    }
}

// A window without on_drop_folder, or one that cannot be used, takes no
// folder; the drag goes on to the widgets as it would.
TEST(FolderDrops, AWindowThatTakesNoDropsOrIsDisabledLetsTheDragGoBy)
{
    QTemporaryDir scratch;
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(scratch.path()) });
    {
        DropWindow drop;
        drop.window.on_drop_folder = nullptr;
        EXPECT_FALSE(dragAndDrop(*drop.host, data, drop.overTheBox()));
    }
    {
        DropWindow drop;
        drop.window.setEnabled(false);
        drop.host->binding().mirror();
        EXPECT_FALSE(dragAndDrop(*drop.host, data, drop.overTheBox()));
        EXPECT_TRUE(drop.dropped.empty());
    }
}

// On the main window a dropped folder opens as Open disc opens one: a
// folder that is no disc gets the reader's message and changes nothing.
TEST(FolderDrops, AFolderDroppedOnTheMainWindowOpensAsADisc)
{
    BoundForm1 bound;
    QApplication::setActiveWindow(&bound.host);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&bound.host));
    QTemporaryDir scratch;
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(scratch.path()) });
    const std::string before = bound.form.window().dumpState();
    QWidget* block = bound.widgetFor(bound.form.Text1);
    ASSERT_TRUE(dragAndDrop(bound.host, data, block->mapTo(&bound.host, block->rect().center())));
    ASSERT_EQ(bound.messages.shown.size(), 1u);
    EXPECT_EQ(bound.messages.shown[0].title, "Disc");
    EXPECT_NE(bound.messages.shown[0].prompt.find("The window is as it was."), std::string::npos);
    EXPECT_EQ(bound.form.window().dumpState(), before);
}

}
}
