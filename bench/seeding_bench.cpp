// The seeded draw at the input limits: 64 players in 8 groups of 8, each
// with a pot or not, in teams or races. Each iteration is a new seed, since
// how many shuffles a draw needs depends on it.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/race.h"
#include "engine/seeding.h"

namespace {

// Player i is in pot i / 8 + 1 when pots are used, and in team i % teams
// (a race when teams are few), so that a team has players in many pots.
rl::Seeding seeding(bool pots, int teams) {
    rl::Seeding s;
    for (int i = 0; i < 64; ++i) {
        s.pots.push_back(pots ? i / 8 + 1 : 0);
        s.tags.push_back("t" + std::to_string((i * 5) % teams));
    }
    return s;
}

void drawEach(benchmark::State& run, const rl::Seeding& s) {
    rl::Settings settings;
    settings.participantCount = 64, settings.groupCount = 8, settings.groupSize = 8, settings.spreadVacancies = true;
    std::uint32_t seed = 1;
    for (auto _ : run) {
        rl::SeedRefusal refusal;
        if (!rl::seededGroups(settings, s, seed++, refusal)) {
            run.SkipWithError("refused");
            return;
        }
    }
}

void seededDraw(benchmark::State& run, bool pots, int teams) { drawEach(run, seeding(pots, teams)); }

// Races spread with pots and teams: every player a race (T Z P in turn,
// every fifth one random), the first `potted` in pots of eight, in `teams`
// teams (none: no tags).
void spreadRaces(benchmark::State& run, int potted, int teams) {
    rl::Seeding s;
    s.spreadRaces = true;
    for (int i = 0; i < 64; ++i) {
        s.pots.push_back(i < potted ? i / 8 + 1 : 0);
        s.tags.push_back(teams ? "t" + std::to_string((i * 5) % teams) : "");
        s.races.push_back(static_cast<rl::Race>(i % 5 == 4 ? 4 : 1 + i % 3));
    }
    drawEach(run, s);
}

// A request with three pots and races and no arrangement, refused: 59
// players in groups of eight without spreading, so that H's three places are
// the pots' and must all take a terran (24 terrans, three a group), and pot
// 1 has none; the other races are spread over every pot.
void BM_SpreadRacesRefusedThreePots(benchmark::State& run) {
    rl::Settings settings;
    settings.participantCount = 59, settings.groupCount = 8, settings.groupSize = 8, settings.spreadVacancies = false;
    rl::Seeding s;
    s.spreadRaces = true;
    for (int i = 0; i < 59; ++i) {
        s.pots.push_back(i < 24 ? i / 8 + 1 : 0);
        s.races.push_back(i >= 8 && i <= 54 && i % 2 == 0 ? rl::Race::Terran : static_cast<rl::Race>(2 + i % 3));
    }
    std::uint32_t seed = 1;
    for (auto _ : run) {
        rl::SeedRefusal refusal;
        if (rl::seededGroups(settings, s, seed++, refusal)) {
            run.SkipWithError("drawn");
            return;
        }
    }
}

void BM_SeededRaces(benchmark::State& run) { seededDraw(run, true, 3); }
void BM_SpreadRacesOnePotPairs(benchmark::State& run) { spreadRaces(run, 8, 32); }
void BM_SpreadRacesTwoPotsPairs(benchmark::State& run) { spreadRaces(run, 16, 32); }
void BM_SeededTeamsOfFour(benchmark::State& run) { seededDraw(run, true, 16); }
void BM_SeededTeamsOfFourNoPots(benchmark::State& run) { seededDraw(run, false, 16); }
void BM_SeededTeamsOfFive(benchmark::State& run) { seededDraw(run, true, 13); }
void BM_SeededTeamsOfFiveNoPots(benchmark::State& run) { seededDraw(run, false, 13); }
void BM_SeededTeamsOfEight(benchmark::State& run) { seededDraw(run, true, 8); }
void BM_SeededTeamsOfEightNoPots(benchmark::State& run) { seededDraw(run, false, 8); }

BENCHMARK(BM_SeededRaces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpreadRacesOnePotPairs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpreadRacesTwoPotsPairs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpreadRacesRefusedThreePots)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeededTeamsOfFour)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeededTeamsOfFourNoPots)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeededTeamsOfFive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeededTeamsOfFiveNoPots)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeededTeamsOfEight)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeededTeamsOfEightNoPots)->Unit(benchmark::kMillisecond);

}  // namespace
