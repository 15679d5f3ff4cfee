#include "bindings/qt/DialogHost.h"
#include "bindings/qt/MainWindowHost.h"
#include "bindings/qt/QtModalWindows.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Window.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace trevalo::testing {
namespace {

// A window model with long work, as the disc window's copy has: Start sets
// work whose every step counts and shows the count, Cancel ends it. Each
// step notes what the count's label showed when it began, and may act as
// the user meanwhile (`during`).
class WorkWindow {
public:
    explicit WorkWindow(int steps_to_finish = -1)
        : m_steps_to_finish(steps_to_finish)
    {
        lblCount.setCaption("0");
        lblCount.setPlace({ 120, 120, 1500, 255 });
        cmdStart.setCaption("Start");
        cmdStart.setPlace({ 120, 480, 1200, 375 });
        cmdCancel.setCaption("Cancel");
        cmdCancel.setPlace({ 1440, 480, 1200, 375 });
        cmdCancel.setEnabled(false);
        cmdStart.on_click = [this] {
            cmdStart.setEnabled(false);
            cmdCancel.setEnabled(true);
            window.setWork([this] { return step(); });
        };
        cmdCancel.on_click = [this] {
            window.setWork(nullptr);
            cancelled_after = steps;
            cmdCancel.setEnabled(false);
            cmdStart.setEnabled(true);
        };
    }

    bool step()
    {
        shown_at_step.push_back(shown ? shown() : std::string());
        ++steps;
        lblCount.setCaption(std::to_string(steps));
        if (during)
            during(steps);
        const bool more = m_steps_to_finish < 0 || steps < m_steps_to_finish;
        if (!more) {
            cmdCancel.setEnabled(false);
            cmdStart.setEnabled(true);
        }
        return more;
    }

    // Every step began with the label showing the count of the step before.
    void expectMirroredAfterEachStep() const
    {
        for (std::size_t i = 0; i < shown_at_step.size(); ++i)
            EXPECT_EQ(shown_at_step[i], std::to_string(i)) << "step " << i + 1;
    }

    ui::Window window { "frmWork", "Work", 3000, 1100 };
    ui::Label lblCount { &window, "lblCount" };
    ui::Button cmdStart { &window, "cmdStart" };
    ui::Button cmdCancel { &window, "cmdCancel" };
    int steps = 0;
    int cancelled_after = -1;
    std::vector<std::string> shown_at_step;
    std::function<std::string()> shown;
    std::function<void(int)> during;

private:
    int m_steps_to_finish;
};

// A click as the window system queues it: it waits its turn among the
// events, behind whatever is running.
void postClick(QWidget* widget)
{
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    QCoreApplication::postEvent(widget,
        new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(widget,
        new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

// The binding of whichever host shows the window: the main window's, or a
// modal dialog's opened through the real seam.
enum class Host { Main, Modal };

class SteppedWork : public ::testing::TestWithParam<Host> {
protected:
    // Shows the window in the host and runs `user` in it, then closes it.
    void inWindow(WorkWindow& work, const std::function<void(qt::WindowBinding&)>& user)
    {
        if (GetParam() == Host::Main) {
            qt::MainWindowHost host(work.window);
            host.show();
            user(host.binding());
            return;
        }
        qt::QtModalWindows modals;
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = dynamic_cast<qt::DialogHost*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            opened = true;
            user(dialog->binding());
            dialog->close();
        });
        modals.showModal(work.window);
        EXPECT_TRUE(opened);
    }

    static void start(qt::WindowBinding& binding, WorkWindow& work)
    {
        work.shown = [&binding, &work] {
            return qobject_cast<QLabel*>(binding.widgetFor(work.lblCount))->text().toStdString();
        };
        QTest::mouseClick(binding.widgetFor(work.cmdStart), Qt::LeftButton);
    }
};

// Started by a click, the work goes on with no further event, the window
// shown after every step, until it is done.
TEST_P(SteppedWork, RunsStepByStepUntilDoneShowingEachStep)
{
    WorkWindow work(6);
    inWindow(work, [&](qt::WindowBinding& binding) {
        start(binding, work);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !work.window.hasWork(); }, 5000)) << work.steps << " steps";
        EXPECT_EQ(work.steps, 6);
        work.expectMirroredAfterEachStep();
        EXPECT_EQ(qobject_cast<QLabel*>(binding.widgetFor(work.lblCount))->text(), "6");
        EXPECT_TRUE(binding.widgetFor(work.cmdStart)->isEnabled());
        // Nothing runs once the work is done.
        QTest::qWait(50);
        EXPECT_EQ(work.steps, 6);
    });
}

// Work with no end of its own: a click on Cancel, queued behind a step as
// the window system queues it, reaches the model before many more steps,
// and no step runs after it.
TEST_P(SteppedWork, ACancelClickedBetweenStepsReachesTheModel)
{
    WorkWindow work;
    inWindow(work, [&](qt::WindowBinding& binding) {
        QWidget* cancel = binding.widgetFor(work.cmdCancel);
        work.during = [&](int step) {
            if (step == 3) {
                ASSERT_TRUE(cancel->isEnabled()) << "Cancel shows it can be clicked";
                postClick(cancel);
            }
        };
        start(binding, work);
        ASSERT_TRUE(QTest::qWaitFor([&] { return work.cancelled_after >= 0; }, 5000))
            << "the click never came through; " << work.steps << " steps ran";
        EXPECT_LE(work.cancelled_after, 5) << "the click waited behind the work";
        QTest::qWait(50);
        EXPECT_EQ(work.steps, work.cancelled_after);
        EXPECT_FALSE(work.window.hasWork());
        work.expectMirroredAfterEachStep();
        EXPECT_FALSE(cancel->isEnabled());
    });
}

INSTANTIATE_TEST_SUITE_P(Hosts, SteppedWork, ::testing::Values(Host::Main, Host::Modal),
    [](const ::testing::TestParamInfo<Host>& info) { return info.param == Host::Main ? "MainWindow" : "ModalWindow"; });

}
}
