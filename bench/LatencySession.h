#pragma once

#include "bench/QuietPlatform.h"
#include "bench/RepaintWatch.h"
#include "bindings/qt/MainWindowHost.h"
#include "mainwindow/Form1.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::bench {

// The real main window on the offscreen platform, driven through its widgets
// as a user drives it, with every action timed from the input to the end of
// the repaint it causes.
class LatencySession {
public:
    struct Result {
        std::vector<double> ms;
        std::vector<double> widgets;
        // The command blocks among the repainted widgets, "Text1+Text2".
        std::string blocks;
    };

    LatencySession();

    // One pass through a session: picks and clicks before an import, the
    // import of 250 commands, the post settings, Undo, and Reset from the
    // imported state. It ends where it started, so rounds can follow.
    void round();
    void forget();

    const std::vector<std::string>& order() const { return m_order; }
    const Result& result(const std::string& name) const { return m_results.at(name); }

private:
    QWidget* widget(const ui::Control& control);
    void pick(ui::ComboBox& list, std::string_view item);
    void click(const ui::Control& control);
    void choose(const ui::MenuEntry& entry);
    void measure(const std::string& name, const std::function<void()>& act);

    QuietPlatform m_platform;
    Form1 m_form { m_platform, m_platform, m_platform };
    qt::MainWindowHost m_host { m_form.window() };
    RepaintWatch m_watch { m_host };
    std::map<std::string, Result> m_results;
    std::vector<std::string> m_order;
};

}
