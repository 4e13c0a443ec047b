// One whole assignment at the input limits and every text it produces: what
// the user waits for between pressing assign and reading the result.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/list_host.h"
#include "page/page.h"
#include "standings/standings_text.h"
#include "text/export_text.h"
#include "text/result_view.h"

namespace {

rl::ListHost fullHost(bool tournament) {
    rl::ListHost host;
    for (int i = 0; i < 64; ++i) host.participants.push_back("player" + std::to_string(i));
    for (int i = 0; i < 10; ++i) host.maps.push_back("map" + std::to_string(i));
    host.mapsEnabled = true;
    host.equalMaps = true;
    host.tournament = tournament;
    host.groupCountText = "8";
    host.groupSizeText = "8";
    host.clock = 1141430400;
    return host;
}

void assignAndRender(benchmark::State& run, bool tournament) {
    rl::ListHost host = fullHost(tournament);
    rl::AssignmentState state;
    std::size_t bytes = 0;
    for (auto _ : run) {
        if (rl::assign(state, host) != rl::AssignOutcome::Assigned) {
            run.SkipWithError("assignment failed");
            return;
        }
        for (int g = 0; g < state.settings.groupCount; ++g) {
            rl::ResultView view = rl::buildResultView(state, host, g);
            bytes += view.tableText.size() + view.scheduleText.size();
        }
        bytes += rl::exportFileText(state, host).size();
        rl::releaseAssignment(state);
    }
    benchmark::DoNotOptimize(bytes);
}

void BM_LeagueAssignment(benchmark::State& run) { assignAndRender(run, false); }
void BM_TournamentAssignment(benchmark::State& run) { assignAndRender(run, true); }

// A whole league event played out, 8 groups of 8 and all 224 results in:
// what a results file costs on top of the draw, tables and text included.
void BM_LeagueStandings(benchmark::State& run) {
    rl::ListHost host = fullHost(false);
    rl::AssignmentState state;
    if (rl::assign(state, host) != rl::AssignOutcome::Assigned) {
        run.SkipWithError("assignment failed");
        return;
    }
    rl::Results results;
    for (int g = 0; g < state.settings.groupCount; ++g) {
        for (int n = 1; n <= state.matchCount[g]; ++n) results.set({g, n}, n % 2 ? rl::Score{2, 0} : rl::Score{1, 2});
    }
    std::size_t bytes = 0;
    for (auto _ : run) {
        for (int g = 0; g < state.settings.groupCount; ++g) bytes += rl::groupStandings(state, results, g).standings.size();
        bytes += rl::standingsText(state, results, host).size();
    }
    benchmark::DoNotOptimize(bytes);
}

// The web page of the same evening: every group's schedule and table, from
// the names to the last byte of the document.
void BM_LeaguePage(benchmark::State& run) {
    rl::ListHost host = fullHost(false);
    rl::AssignmentState state;
    if (rl::assign(state, host) != rl::AssignOutcome::Assigned) {
        run.SkipWithError("assignment failed");
        return;
    }
    rl::Results results;
    for (int g = 0; g < state.settings.groupCount; ++g) {
        for (int n = 1; n <= state.matchCount[g]; ++n) results.set({g, n}, n % 2 ? rl::Score{2, 0} : rl::Score{1, 2});
    }
    const rl::page::Header header{"", "2026-12-07T19:30:00", host.clock, std::nullopt, std::string(64, 'f'), ""};
    const auto same = [](std::string_view text) { return std::optional<std::string>(text); };
    std::size_t bytes = 0;
    for (auto _ : run) {
        bytes = rl::page::renderPage(*rl::page::pageViewOf(state, results, host, header, same)).size();
        benchmark::DoNotOptimize(bytes);
    }
    run.counters["bytes"] = static_cast<double>(bytes);
}

BENCHMARK(BM_LeagueAssignment)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TournamentAssignment)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LeagueStandings)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LeaguePage)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
