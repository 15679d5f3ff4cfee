#include "bench/TimeCollector.h"

namespace trevalo::bench {

void TimeCollector::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
            continue;
        m_seconds[run.run_name.function_name].push_back(run.real_accumulated_time / double(run.iterations));
    }
}

const std::vector<double>& TimeCollector::seconds(const std::string& name) const
{
    static const std::vector<double> none;
    auto it = m_seconds.find(name);
    return it == m_seconds.end() ? none : it->second;
}

}
