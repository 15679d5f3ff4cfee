// The acceptance session in the Qt window: a whole disc session by
// keyboard alone on an authored test disc, with the real message boxes and
// the disc window as a real modal dialog; libdvdnav then plays the copy the
// session wrote.

#include "bindings/qt/FakeFolderChooser.h"

#include "bindings/qt/DialogHost.h"
#include "bindings/qt/MainWindowHost.h"
#include "bindings/qt/QtMessageBoxes.h"
#include "bindings/qt/QtModalWindows.h"
#include "dvdnav/DvdnavRun.h"
#include "mainwindow/Form1.h"
#include "support/FakePlatform.h"
#include "windows/frmDisc.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::testing {
namespace {

// An author at the keyboard: each step waits until what it needs shows
// (a window, a control with the focus, a state of the model), then presses
// its keys. The keys go out from the event loop as the keyboard's do, so a
// key that opens a modal window (which runs a loop of its own until it
// closes) leaves the author free to go on working in it.
class Keyboardist {
public:
    struct Step {
        std::string what;
        std::function<bool()> ready;
        std::function<void()> keys;
    };

    void then(std::string what, std::function<bool()> ready, std::function<void()> keys)
    {
        m_steps.push_back({ std::move(what), std::move(ready), std::move(keys) });
    }

    // Works through the steps; false (naming the step) when one waited in
    // vain.
    bool work(int ms)
    {
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (m_busy || m_next >= m_steps.size() || !m_steps[m_next].ready())
                return;
            m_busy = true;
            const std::function<void()> keys = m_steps[m_next++].keys;
            QMetaObject::invokeMethod(
                qApp,
                [this, keys] {
                    m_busy = false;
                    keys();
                },
                Qt::QueuedConnection);
        });
        timer.start(10);
        const bool done = QTest::qWaitFor([this] { return m_next >= m_steps.size() && !m_busy; }, ms);
        if (!done)
            ADD_FAILURE() << "waited in vain for: " << (m_next < m_steps.size() ? m_steps[m_next].what : "the last keys");
        return done;
    }

private:
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    bool m_busy = false;
};

// When a modal window closes, the window system gives the keyboard back to
// the window under it; the offscreen platform leaves that to the program.
void activateTopWindow()
{
    if (QApplication::activeWindow())
        return;
    QWidget* top = QApplication::activeModalWidget();
    if (!top) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && qobject_cast<QMainWindow*>(window))
                top = window;
        }
    }
    if (top) {
        QApplication::setActiveWindow(top);
        QTest::qWaitForWindowActive(top, 1000);
    }
}

// A key as the keyboard delivers it: to the open drop-down or menu, else
// to the widget with the focus in the active window.
void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    activateTopWindow();
    QWidget* target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    ASSERT_NE(target, nullptr) << "no window has the keyboard";
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

// Alt alone, pressed and let go, puts the keyboard on the menu bar.
void altAlone()
{
    activateTopWindow();
    QWidget* target = QApplication::focusWidget();
    QTest::keyPress(target, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Alt, Qt::NoModifier);
}

class DiscSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.setFolderChooser(&folders);
        messages.on_before_show = [this] { host.binding().mirror(); };
        modals.on_before_show = [this] { host.binding().mirror(); };
        modals.while_open = [this] { host.binding().mirror(); };
        host.show();
        QApplication::setActiveWindow(&host);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    }

    // The disc window while it is the modal window on top.
    qt::DialogHost* discWindow() const
    {
        auto* dialog = dynamic_cast<qt::DialogHost*>(QApplication::activeModalWidget());
        return dialog && dialog->binding().window().name() == "frmDisc" ? dialog : nullptr;
    }
    ui::Control* inDisc(std::string_view name) const { return discWindow()->binding().window().find(name); }
    bool discFocusOn(std::string_view name) const
    {
        qt::DialogHost* dialog = discWindow();
        return dialog && QApplication::focusWidget() == dialog->binding().widgetFor(*inDisc(name));
    }
    std::string discStatus() const { return discWindow() ? inDisc("lblStatus")->displayText() : std::string(); }
    // Tab on in the disc window until `name` has the focus.
    void tabInDiscTo(std::string_view name)
    {
        for (int i = 0; i < 40 && !discFocusOn(name); ++i)
            key(Qt::Key_Tab);
        EXPECT_TRUE(discFocusOn(name)) << "Tab never reaches " << name;
    }
    bool mainFocusOn(const ui::Control& control) const
    {
        return QApplication::activeModalWidget() == nullptr
            && QApplication::focusWidget() == const_cast<qt::MainWindowHost&>(host).binding().widgetFor(control);
    }
    void tabInMainTo(const ui::Control& control)
    {
        for (int i = 0; i < 120 && !mainFocusOn(control); ++i)
            key(Qt::Key_Tab);
        EXPECT_TRUE(mainFocusOn(control)) << "Tab never reaches " << control.name();
    }
    QMessageBox* messageBox(std::string_view title) const
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        return box && box->windowTitle().toStdString() == title ? box : nullptr;
    }

    FakeClipboard clipboard;
    qt::QtMessageBoxes messages;
    qt::QtModalWindows modals;
    FakeFolderChooser folders;
    Form1 form { clipboard, messages, modals };
    qt::MainWindowHost host { form.window() };
    Keyboardist author;
};

// The registers on a line of trevalo_dvdnav_play's output, and the line
// without them.
struct Played {
    std::string line;
    std::string registers;
};

std::optional<Played> firstLineIn(const DvdnavRun& run, const std::string& start)
{
    for (const std::string& line : run.lines) {
        if (line.rfind(start, 0) != 0)
            continue;
        const std::size_t at = line.find(" gprm=");
        if (at == std::string::npos)
            return Played { line, {} };
        return Played { line.substr(0, at), line.substr(at + 6) };
    }
    return std::nullopt;
}

std::vector<std::string> split(const std::string& text, char by)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == by)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// Open the disc, use Title 2 as the target, trace the disc's own chain to it
// with one button choice at the VMGM menu, import, set the audio stream,
// verify and write a patched copy: every step by keys. The feature then
// starts straight from insert on the copy, with the registers the disc's own
// chain leaves there.
TEST_F(DiscSession, AWholeDiscSessionByKeyboardWritesACopyThatStartsInTheTarget)
{
    const std::string disc = std::string(TREVALO_TEST_DISCS_DIR) + "/firstplay_menus";
    QTemporaryDir scratch;
    const std::string copy = QDir(scratch.path()).filePath(QStringLiteral("patched")).toStdString();
    folders.answers = { disc, copy };

    // Step 1: the disc uses GPRM 14 (dvdauthor's own), so the guard is 4.
    author.then("the guard register list", [&] { return mainFocusOn(form.cboGPRM); }, [&] {
        key(Qt::Key_4);
        key(Qt::Key_Tab);
    });
    author.then("Open disc", [&] { return form.cboGPRM.text() == "4"; }, [&] { key(Qt::Key_O, Qt::ControlModifier); });
    // The disc window: the target from the PGC list.
    author.then("the disc window", [&] { return discWindow() && QApplication::focusWidget(); }, [&] {
        tabInDiscTo("cboPgc");
        key(Qt::Key_End);
        key(Qt::Key_Tab);
    });
    author.then("Use as target", [&] { return discFocusOn("cmdUseTarget"); }, [&] {
        EXPECT_EQ(inDisc("cboPgc")->displayText(), "VTS 1 PGC 2: Title 2");
        key(Qt::Key_Space);
    });
    author.then("Trace and import", [&] { return discStatus().find("target is now Title 2") != std::string::npos; }, [&] {
        EXPECT_EQ(form.cboSelect.text(), "Title");
        EXPECT_EQ(form.cboPGC.text(), "2");
        tabInDiscTo("cmdTrace");
        key(Qt::Key_Return);
    });
    // The VMGM menu waits: its second button goes to the feature.
    author.then("the button choice", [&] { return discFocusOn("cboChoice"); }, [&] {
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        key(Qt::Key_Return);
    });
    author.then("the import's message", [&] { return messageBox("Import") != nullptr; }, [&] {
        EXPECT_TRUE(form.cmdUndo.visible()) << "imported behind the message";
        key(Qt::Key_Return);
    });
    author.then("closing the disc window", [&] { return discStatus().find("imported") != std::string::npos; }, [&] {
        key(Qt::Key_Escape);
    });
    // Step 5 in the main window: the streams, audio 0 instead of the
    // chain's 1.
    author.then("Set streams", [&] { return !discWindow() && QApplication::activeModalWidget() == nullptr; }, [&] {
        key(Qt::Key_S, Qt::AltModifier);
    });
    author.then("the audio list", [&] { return form.chkStreams.value() == ui::Checked; }, [&] {
        tabInMainTo(form.cboAudio);
        key(Qt::Key_0);
        key(Qt::Key_Tab);
    });
    // The disc window again, from the Disc menu.
    author.then("the Disc menu", [&] { return form.cboAudio.text() == "0"; }, [&] {
        altAlone();
        key(Qt::Key_Down);
    });
    author.then("Disc window", [&] { return QApplication::activePopupWidget() != nullptr; }, [&] { key(Qt::Key_W); });
    // The button choices are the disc window's own: a window opened afresh
    // has none, and the replay cannot reach the target without them. The
    // trace gives them again; the import it brings is refused, with a
    // message, as one is already in place.
    author.then("the disc window again", [&] { return discWindow() && QApplication::focusWidget(); }, [&] {
        tabInDiscTo("cmdTrace");
        key(Qt::Key_Return);
    });
    author.then("the button choice again", [&] { return discFocusOn("cboChoice"); }, [&] {
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        key(Qt::Key_Return);
    });
    author.then("the refused import", [&] { return messageBox("Import") != nullptr; }, [&] { key(Qt::Key_Return); });
    author.then("Verify", [&] { return discStatus().find("did not import") != std::string::npos; }, [&] {
        tabInDiscTo("cmdVerify");
        key(Qt::Key_Return);
    });
    author.then("Write patched copy", [&] { return discStatus().find("Verified") != std::string::npos; }, [&] {
        tabInDiscTo("cmdWrite");
        key(Qt::Key_Return);
    });
    author.then("the written copy", [&] { return discStatus().find("Written to") != std::string::npos; }, [&] {
        EXPECT_NE(discStatus().find("matches the disc's own chain"), std::string::npos) << discStatus();
        key(Qt::Key_Escape);
    });
    ASSERT_TRUE(author.work(120000)) << discStatus();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_EQ(folders.asked.size(), 2u);
    EXPECT_EQ(folders.asked[0].title, "Open a DVD-Video folder");
    EXPECT_TRUE(form.findings().empty()) << form.findings().front().title;

    // The original plays to the feature by the same choice; the copy starts
    // there from insert.
    const DvdnavRun original = playWithDvdnav(disc, { "--registers", "--buttons", "2" });
    const DvdnavRun patched = playWithDvdnav(copy, { "--registers", "--max-events", "3" });
    ASSERT_EQ(original.status, 0);
    ASSERT_EQ(patched.status, 0);
    const std::optional<Played> chain = firstLineIn(original, "CELL VTS vts=1 tt=2 ");
    ASSERT_TRUE(chain) << "the original never reached the feature";
    ASSERT_FALSE(patched.lines.empty());
    const std::optional<Played> started = firstLineIn(patched, "CELL ");
    ASSERT_TRUE(started);
    EXPECT_EQ(started->line.substr(0, std::string("CELL VTS vts=1 tt=2 ").size()), "CELL VTS vts=1 tt=2 ")
        << "the copy starts in " << started->line;
    // The registers are the chain's but for the guard, which the block sets;
    // the audio stream is the one chosen in step 5.
    std::vector<std::string> expected = split(chain->registers, ',');
    ASSERT_EQ(expected.size(), 16u);
    expected[4] = "1";
    EXPECT_EQ(split(started->registers, ','), expected) << started->registers << " against " << chain->registers;
    EXPECT_NE(started->line.find(" audio=0 "), std::string::npos) << started->line;
    EXPECT_NE(chain->line.find(" audio=1 "), std::string::npos) << chain->line;
}

}
}
