// Event to paint: the real main window on the offscreen platform, driven
// through its widgets, timed from the input to the end of the repaint the
// input causes (bench/LatencySession.h). Each row also says how many widgets
// that repaint touched and which command blocks among them, as the binding
// should repaint a block only when its text changed.
//
//   trevalo_latency_bench [ROUNDS]

#include "bench/LatencySession.h"
#include "bench/TableRow.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdlib>

namespace {

constexpr int default_rounds = 15;
constexpr double frame_ms = 16;

}

int main(int argc, char** argv)
{
    using namespace trevalo::bench;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qt_argc = 1;
    QApplication app(qt_argc, argv);
    // As main() has it.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : default_rounds;

    LatencySession session;
    // The first round loads fonts and lays out the widgets that start
    // hidden; it is not counted.
    session.round();
    session.forget();
    for (int r = 0; r < rounds; ++r)
        session.round();

    for (const std::string& name : session.order()) {
        const LatencySession::Result& result = session.result(name);
        const Spread spread = spreadOf(result.ms);
        printRow("latency, offscreen", name, spread, "ms",
            "repaints " + figure(spreadOf(result.widgets).median) + " widgets, blocks: " + result.blocks, "",
            "< 16 ms (max)", spread.max < frame_ms ? "yes" : "NO");
    }
    return 0;
}
