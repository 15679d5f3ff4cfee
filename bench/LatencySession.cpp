#include "bench/LatencySession.h"

#include "bench/ImportText.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QMenuBar>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace trevalo::bench {

namespace {

constexpr auto settle_limit = std::chrono::milliseconds(500);

}

LatencySession::LatencySession()
{
    m_host.show();
    m_watch.settle(settle_limit);
}

QWidget* LatencySession::widget(const ui::Control& control)
{
    return m_host.binding().widgetFor(control);
}

// What the drop-down does when the user chooses an item: it shows the item,
// then reports the choice.
void LatencySession::pick(ui::ComboBox& list, std::string_view item)
{
    auto* combo = static_cast<QComboBox*>(widget(list));
    const int index = combo->findText(QString::fromUtf8(item.data(), int(item.size())));
    if (index < 0) {
        std::fprintf(stderr, "%s has no item %.*s\n", list.name().c_str(), int(item.size()), item.data());
        std::exit(1);
    }
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void LatencySession::click(const ui::Control& control)
{
    auto* button = static_cast<QAbstractButton*>(widget(control));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void LatencySession::choose(const ui::MenuEntry& entry)
{
    QMenuBar* bar = m_host.menuBar();
    QAction* action = m_host.binding().actionFor(entry);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
}

void LatencySession::measure(const std::string& name, const std::function<void()>& act)
{
    m_watch.settle(std::chrono::milliseconds(0));
    m_watch.reset();
    const auto start = RepaintWatch::Clock::now();
    act();
    if (!m_watch.settle(settle_limit)) {
        std::fprintf(stderr, "%s repainted nothing\n", name.c_str());
        return;
    }
    Result& result = m_results[name];
    if (result.ms.empty())
        m_order.push_back(name);
    result.ms.push_back(std::chrono::duration<double, std::milli>(m_watch.lastRepaintEnd() - start).count());
    result.widgets.push_back(double(m_watch.painted().size()));
    std::string blocks;
    for (const ui::TextBox* block : { &m_form.Text1, &m_form.Text2, &m_form.Text3 }) {
        const QWidget* edit = widget(*block);
        for (const QWidget* painted : m_watch.painted()) {
            if (painted == edit || edit->isAncestorOf(painted)) {
                blocks += (blocks.empty() ? "" : "+") + block->name();
                break;
            }
        }
    }
    result.blocks = blocks.empty() ? "none" : blocks;
}

void LatencySession::round()
{
    Form1& f = m_form;
    measure("pick cboPGC", [&] { pick(f.cboPGC, "2"); });
    measure("pick cboGPRM", [&] { pick(f.cboGPRM, "3"); });
    measure("click chkDummy (on)", [&] { click(f.chkDummy); });
    measure("click chkDummy (off)", [&] { click(f.chkDummy); });
    measure("click chkNone (on)", [&] { click(f.chkNone); });
    measure("click chkNone (off)", [&] { click(f.chkNone); });
    m_platform.clipboard = importText(250);
    measure("click Import, 250 commands", [&] { click(f.cmdPaste); });
    measure("click chkStreams", [&] { click(f.chkStreams); });
    measure("pick cboAudio", [&] { pick(f.cboAudio, "4"); });
    measure("click chkHighlight", [&] { click(f.chkHighlight); });
    measure("pick cboButton", [&] { pick(f.cboButton, "3"); });
    measure("click Undo Import", [&] { click(f.cmdUndo); });
    m_platform.clipboard = importText(250);
    click(f.cmdPaste);
    measure("Reset from the imported state", [&] { choose(f.mnuReset); });
}

void LatencySession::forget()
{
    m_results.clear();
    m_order.clear();
}

}
