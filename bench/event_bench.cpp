// The largest event file: 8 groups of 8 (64 of the 128 participants a list
// may hold fit in them), 10 maps, every match played, every name as long as
// the entry fields allow. Writing is what every autosave costs; reading is
// what opening the file costs.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/front_end.h"
#include "platform/sha256.h"
#include "event/event.h"

namespace {

constexpr const char* kSeedText = "the spring cup";

// 49 bytes in code page 949, the longest name there is.
std::string longName(char tag, int i) {
    return std::string("가나다라마바사아자차카타파하가나다라마바사아자") + tag + static_cast<char>('0' + i / 10) +
           static_cast<char>('0' + i % 10);
}

rl::event::Event largestEvent(bool tournament) {
    rl::ListHost host;
    for (int i = 0; i < 64; ++i) host.participants.push_back(longName('p', i));
    for (int i = 0; i < 10; ++i) host.maps.push_back(longName('m', i));
    host.mapsEnabled = true;
    host.tournament = tournament;
    host.groupCountText = "8";
    host.groupSizeText = "8";
    host.clock = rl::platform::seedFromText(kSeedText).value_or(0);
    rl::AssignmentState state;
    rl::assign(state, host);
    rl::Results results;
    for (int g = 0; g < state.settings.groupCount; ++g) {
        for (int n = 1; n <= state.matchCount[g]; ++n) {
            const rl::Score score = n % 2 ? rl::Score{2, 0} : rl::Score{1, 2};
            if (rl::checkResult(state, results, {g, n}, score) == rl::ResultProblem::None) results.set({g, n}, score);
        }
    }
    return rl::event::eventFromDraw(state, results, host, host.clock, std::string(kSeedText),
                                    "2026-12-07T19:30:00");
}

void writeLargest(benchmark::State& run, bool tournament) {
    const rl::event::FrontEnd frontEnd = rl::platform::eventFrontEnd();
    const rl::event::Event event = largestEvent(tournament);
    std::size_t bytes = 0;
    for (auto _ : run) bytes = rl::event::writeEvent(event, frontEnd).value_or("").size();
    run.counters["file_bytes"] = static_cast<double>(bytes);
}

void readLargest(benchmark::State& run, bool tournament) {
    const rl::event::FrontEnd frontEnd = rl::platform::eventFrontEnd();
    const std::string file = rl::event::writeEvent(largestEvent(tournament), frontEnd).value_or("");
    for (auto _ : run) {
        const rl::event::ReadOutcome read = rl::event::readEvent(file, frontEnd);
        if (!read.ok()) {
            run.SkipWithError(read.error.c_str());
            return;
        }
        benchmark::DoNotOptimize(read.event->results.all().size());
    }
    run.counters["file_bytes"] = static_cast<double>(file.size());
}

void BM_WriteLargestLeagueEvent(benchmark::State& run) { writeLargest(run, false); }
void BM_ReadLargestLeagueEvent(benchmark::State& run) { readLargest(run, false); }
void BM_WriteLargestTournamentEvent(benchmark::State& run) { writeLargest(run, true); }
void BM_ReadLargestTournamentEvent(benchmark::State& run) { readLargest(run, true); }

BENCHMARK(BM_WriteLargestLeagueEvent)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLargestLeagueEvent)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteLargestTournamentEvent)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLargestTournamentEvent)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

}  // namespace
