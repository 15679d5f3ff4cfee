// The model's event operations, timed on the start-up blocks and on the
// largest blocks an import allows, plus Import, the command listing, the log
// and a whole session. Prints rows of the shared table (bench/TableRow.h).
//
// Every operation is driven as a user drives it (a pick, a click) and timed
// by hand around that one event, so an untimed setup can put the window
// back where the event needs it (Undo needs an import, an option a
// different option) without being counted.

#include "bench/ImportText.h"
#include "bench/ModelRig.h"
#include "bench/TableRow.h"
#include "bench/TimeCollector.h"
#include "core/Block.h"
#include "core/CommandListing.h"
#include "windows/frmLog.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace trevalo::bench {
namespace {

using Clock = std::chrono::steady_clock;
using Step = std::function<void(ModelRig&, long iteration)>;

struct Operation {
    std::string name;
    Step setup; // untimed, may be empty
    Step act;
};

constexpr double microseconds = 1e6;
constexpr double op_limit_us = 20;

// Picks the given items in turn, one per iteration, so every pick changes
// something. Indices are looked up once: the lookup is not the user's work.
Operation pickEach(std::string name, ui::ComboBox Form1::*list, std::vector<std::string_view> items)
{
    static ModelRig catalogue(ModelRig::Blocks::StartUp);
    std::vector<std::size_t> indices;
    for (std::string_view item : items)
        indices.push_back(ModelRig::indexOf(catalogue.form.*list, item));
    return { std::move(name), {}, [list, indices](ModelRig& rig, long i) { (rig.form.*list).pick(indices[i % indices.size()]); } };
}

template<typename Clickable>
Operation click(std::string name, Clickable Form1::*control, Step setup = {})
{
    return { std::move(name), std::move(setup), [control](ModelRig& rig, long) { (rig.form.*control).click(); } };
}

// An option button only runs its operation when it becomes selected.
Operation option(std::string name, ui::OptionButton Form1::*target, ui::OptionButton Form1::*other)
{
    return click(std::move(name), target, [other](ModelRig& rig, long) { (rig.form.*other).click(); });
}

// Undo needs an import to undo; a small one on the start-up rig.
void importUnlessImported(ModelRig& rig, int count)
{
    if (!rig.imported())
        rig.import(count);
}

Step undoSetup(ModelRig::Blocks blocks);
Step resetSetup(ModelRig::Blocks blocks);

std::vector<Operation> eventOperations(ModelRig::Blocks blocks)
{
    return {
        pickEach("cboGPRM pick", &Form1::cboGPRM, { "13", "14" }),
        pickEach("cboValue pick", &Form1::cboValue, { "11111", "12345" }),
        click("chkNone click", &Form1::chkNone),
        pickEach("cboSelect pick", &Form1::cboSelect, { "VMGM", "Title", "VTSM" }),
        pickEach("CboMenu pick", &Form1::CboMenu, { "Chapter Menu", "Root Menu" }),
        pickEach("cboPGC pick", &Form1::cboPGC, { "2", "1" }),
        click("chkDummy click", &Form1::chkDummy),
        pickEach("cboDummy pick", &Form1::cboDummy, { "5", "6" }),
        click("chkLinkCN click", &Form1::chkLinkCN),
        pickEach("cboLinkCN pick", &Form1::cboLinkCN, { "2", "1" }),
        click("cmdCopy click", &Form1::cmdCopy),
        click("cmdCopy2 click", &Form1::cmdCopy2),
        click("cmdCopy3 click", &Form1::cmdCopy3),
        click("Command1 click", &Form1::Command1),
        click("chkStreams click", &Form1::chkStreams),
        pickEach("cboAudio pick", &Form1::cboAudio, { "2", "nc" }),
        pickEach("cboSubs pick", &Form1::cboSubs, { "5", "nc" }),
        pickEach("cboAngle pick", &Form1::cboAngle, { "1", "nc" }),
        option("optOn click", &Form1::optOn, &Form1::optOff),
        option("optOff click", &Form1::optOff, &Form1::optOn),
        option("optNotSet click", &Form1::optNotSet, &Form1::optOff),
        option("optForce click", &Form1::optForce, &Form1::optOff),
        click("chkHighlight click", &Form1::chkHighlight),
        pickEach("cboButton pick", &Form1::cboButton, { "3", "1" }),
        // Undo from the start-up blocks is Undo of a one-command import;
        // from the largest, of the import that made them.
        click("cmdUndo click", &Form1::cmdUndo, undoSetup(blocks)),
        // Reset from the start-up state, and from the imported largest.
        click("mnuReset click", &Form1::mnuReset, resetSetup(blocks)),
        click("Log click", &Form1::Log),
        click("About click", &Form1::About),
        click("cmdNote click", &Form1::cmdNote),
    };
}

Step undoSetup(ModelRig::Blocks blocks)
{
    const int count = blocks == ModelRig::Blocks::Largest ? ModelRig::largest_import : 1;
    return [count](ModelRig& rig, long) { importUnlessImported(rig, count); };
}

Step resetSetup(ModelRig::Blocks blocks)
{
    if (blocks == ModelRig::Blocks::StartUp)
        return {};
    return [](ModelRig& rig, long) { importUnlessImported(rig, ModelRig::largest_import); };
}

const char* label(ModelRig::Blocks blocks)
{
    return blocks == ModelRig::Blocks::StartUp ? "start-up" : "largest";
}

std::string benchName(const std::string& operation, ModelRig::Blocks blocks)
{
    return operation + " @" + label(blocks);
}

// Runs setup untimed and act timed, once per iteration.
void timeSteps(benchmark::State& state, ModelRig& rig, const Step& setup, const Step& act)
{
    long i = 0;
    for (auto _ : state) {
        if (setup)
            setup(rig, i);
        const auto start = Clock::now();
        act(rig, i);
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        ++i;
    }
    benchmark::DoNotOptimize(rig.platform.prompt_characters);
}

void registerEventOperations()
{
    for (ModelRig::Blocks blocks : { ModelRig::Blocks::StartUp, ModelRig::Blocks::Largest }) {
        for (const Operation& op : eventOperations(blocks)) {
            benchmark::RegisterBenchmark(benchName(op.name, blocks).c_str(), [op, blocks](benchmark::State& state) {
                ModelRig rig(blocks);
                timeSteps(state, rig, op.setup, op.act);
            })->UseManualTime();
        }
    }
}

std::string importName(int count)
{
    return "Import " + std::to_string(count) + " commands";
}

constexpr int import_sizes[] = { 1, 40, 250 };

void registerImports()
{
    for (int count : import_sizes) {
        benchmark::RegisterBenchmark(importName(count).c_str(), [count](benchmark::State& state) {
            ModelRig rig(ModelRig::Blocks::StartUp);
            const std::string text = importText(count);
            const Step setup = [&text](ModelRig& r, long) {
                if (r.imported())
                    r.form.cmdUndo.click();
                r.platform.clipboard = text;
            };
            timeSteps(state, rig, setup, [](ModelRig& r, long) { r.form.cmdPaste.click(); });
        })->UseManualTime();
    }
}

void registerListingAndLog()
{
    for (ModelRig::Blocks blocks : { ModelRig::Blocks::StartUp, ModelRig::Blocks::Largest }) {
        benchmark::RegisterBenchmark(benchName("DecodeCommands", blocks).c_str(), [blocks](benchmark::State& state) {
            ModelRig rig(blocks);
            timeSteps(state, rig, {}, [](ModelRig& r, long) {
                std::string listing = core::DecodeCommands(r.form.Text2.text(), r.form.CboMenu.text());
                benchmark::DoNotOptimize(listing.data());
            });
        })->UseManualTime();
        benchmark::RegisterBenchmark(benchName("frmLog BuildLog", blocks).c_str(), [blocks](benchmark::State& state) {
            ModelRig rig(blocks);
            frmLog log(rig.form.logSource(), rig.platform);
            timeSteps(state, rig, {}, [&log](ModelRig&, long) { log.BuildLog(); });
        })->UseManualTime();
    }
}

// Guard, target, import, streams, highlight, copy, log, undo, reset: what an
// author does in one sitting, ending where it started so it can repeat.
void registerSession()
{
    benchmark::RegisterBenchmark("whole session", [](benchmark::State& state) {
        ModelRig rig(ModelRig::Blocks::StartUp);
        Form1& f = rig.form;
        const std::string text = importText(40);
        auto index = [](const ui::ComboBox& list, std::string_view item) { return ModelRig::indexOf(list, item); };
        const std::size_t gprm3 = index(f.cboGPRM, "3"), vtsm = index(f.cboSelect, "VTSM"), pgc3 = index(f.cboPGC, "3");
        const std::size_t chapter = index(f.CboMenu, "Chapter Menu"), audio4 = index(f.cboAudio, "4");
        const std::size_t subs5 = index(f.cboSubs, "5"), angle2 = index(f.cboAngle, "2"), button3 = index(f.cboButton, "3");
        timeSteps(state, rig, [&text](ModelRig& r, long) { r.platform.clipboard = text; }, [&](ModelRig&, long) {
            f.cboGPRM.pick(gprm3);
            f.cboSelect.pick(vtsm);
            f.cboPGC.pick(pgc3);
            f.CboMenu.pick(chapter);
            f.cmdPaste.click();
            f.chkStreams.click();
            f.cboAudio.pick(audio4);
            f.optOn.click();
            f.cboSubs.pick(subs5);
            f.cboAngle.pick(angle2);
            f.chkHighlight.click();
            f.cboButton.pick(button3);
            f.cmdCopy.click();
            f.cmdCopy2.click();
            f.Log.click();
            f.cmdUndo.click();
            f.mnuReset.click();
        });
    })->UseManualTime();
}

double lengthRatio()
{
    ModelRig start(ModelRig::Blocks::StartUp);
    ModelRig largest(ModelRig::Blocks::Largest);
    return double(largest.form.Text2.text().size()) / double(start.form.Text2.text().size());
}

void printTable(const TimeCollector& times)
{
    const double length_ratio = lengthRatio();
    const std::string ratio_target = "< " + figure(op_limit_us) + " us, ratio < " + figure(length_ratio);
    auto us = [&](const std::string& name) {
        std::vector<double> values = times.seconds(name);
        for (double& v : values)
            v *= microseconds;
        return values;
    };
    auto compare = [&](const std::string& group, const std::string& measurement, const std::string& large_name,
                       const std::string& small_name, const std::string& small_label, double limit_ratio,
                       const std::string& target) {
        const std::vector<double> large = us(large_name);
        const std::vector<double> small = us(small_name);
        if (large.empty() || small.empty())
            return;
        const Spread l = spreadOf(large);
        const Spread s = spreadOf(small);
        const double ratio = l.median / s.median;
        const bool met = l.median < op_limit_us && ratio < limit_ratio;
        printRow(group, measurement, l, "us", small_label + " " + figure(s.median), figure(ratio), target, met ? "yes" : "NO");
    };

    for (const Operation& op : eventOperations(ModelRig::Blocks::Largest))
        compare("model, largest blocks", op.name, benchName(op.name, ModelRig::Blocks::Largest),
            benchName(op.name, ModelRig::Blocks::StartUp), "start-up", length_ratio, ratio_target);
    for (const char* name : { "DecodeCommands", "frmLog BuildLog" })
        compare("model, largest blocks", name, benchName(name, ModelRig::Blocks::Largest),
            benchName(name, ModelRig::Blocks::StartUp), "start-up", length_ratio, ratio_target);

    const double one = double(importText(1).size());
    for (int count : import_sizes) {
        const double clip_ratio = double(importText(count).size()) / one;
        if (count == 1) {
            const std::vector<double> values = us(importName(count));
            if (!values.empty()) {
                const Spread s = spreadOf(values);
                printRow("model, import", importName(count), s, "us", "", "", "< 20 us", s.median < op_limit_us ? "yes" : "NO");
            }
            continue;
        }
        compare("model, import", importName(count), importName(count), importName(1), "1 command", clip_ratio,
            "< 20 us, ratio < " + figure(clip_ratio));
    }

    const std::vector<double> session = us("whole session");
    if (!session.empty())
        printRow("model, session", "guard..reset, import 40", spreadOf(session), "us", "", "", "", "");
}

}
}

int main(int argc, char** argv)
{
    using namespace trevalo::bench;
    // Defaults that keep `make bench` to a few minutes; any --benchmark_*
    // flag given on the command line wins.
    std::vector<char*> args(argv, argv + argc);
    static char repetitions[] = "--benchmark_repetitions=7";
    static char min_time[] = "--benchmark_min_time=0.03";
    // The repetitions of all benchmarks are shuffled together, so a slow
    // spell of a shared machine spreads over every row instead of landing
    // on one, and a start-up-block row and its largest-block row see the
    // same machine.
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    auto given = [&](const char* flag) {
        for (int i = 1; i < argc; ++i) {
            if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0)
                return true;
        }
        return false;
    };
    if (!given("--benchmark_repetitions"))
        args.push_back(repetitions);
    if (!given("--benchmark_min_time"))
        args.push_back(min_time);
    if (!given("--benchmark_enable_random_interleaving"))
        args.push_back(interleave);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());

    registerEventOperations();
    registerImports();
    registerListingAndLog();
    registerSession();

    TimeCollector times;
    benchmark::RunSpecifiedBenchmarks(&times);
    benchmark::Shutdown();
    printTable(times);
    return 0;
}
