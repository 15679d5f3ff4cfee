#pragma once

// Every benchmark program prints its results as rows of one table, tab
// separated, which bench/run.sh aligns under a single header. Keeping the
// programs to this one format is what lets `make bench` print one table.

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace trevalo::bench {

struct Spread {
    double min = 0;
    double median = 0;
    double max = 0;
};

inline Spread spreadOf(std::vector<double> values)
{
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return { values.front(), median, values.back() };
}

// The spread of one figure of every sample, as a start-up bench keeps several.
template<typename Sample>
Spread spreadOf(const std::vector<Sample>& samples, double Sample::*field)
{
    std::vector<double> values;
    for (const Sample& sample : samples)
        values.push_back(sample.*field);
    return spreadOf(std::move(values));
}

// Three significant figures, so microseconds and megabytes read alike.
inline std::string figure(double value)
{
    char text[32];
    if (value >= 100)
        std::snprintf(text, sizeof text, "%.0f", value);
    else if (value >= 10)
        std::snprintf(text, sizeof text, "%.1f", value);
    else if (value >= 1)
        std::snprintf(text, sizeof text, "%.2f", value);
    else
        std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

// group | measurement | min | median | max | unit | compared with | ratio | target | met
inline void printRow(const std::string& group, const std::string& measurement, const Spread& spread,
    const std::string& unit, const std::string& compared, const std::string& ratio, const std::string& target,
    const std::string& met)
{
    std::printf("%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", group.c_str(), measurement.c_str(),
        figure(spread.min).c_str(), figure(spread.median).c_str(), figure(spread.max).c_str(), unit.c_str(),
        compared.empty() ? "-" : compared.c_str(), ratio.empty() ? "-" : ratio.c_str(),
        target.empty() ? "-" : target.c_str(), met.empty() ? "-" : met.c_str());
    std::fflush(stdout);
}

}
