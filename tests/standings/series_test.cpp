// Series over random events: every match has a map for each game, dealt or
// drawn by the rules, and a score stands exactly when it ends the series.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "engine/list_host.h"
#include "engine/series.h"
#include "standings/playoff.h"
#include "standings/standings.h"

namespace rl {
namespace {

constexpr int kLengths[] = {1, 3, 5, 7};

struct Drawn {
    ListHost host;
    AssignmentState state;
    Playoff playoff;
    std::vector<MatchState> matches;  // the groups' and the playoff's, every one
    std::size_t groupMatches = 0;     // the first ones, the draw's deal
};

// A random event, every group match played 2:0, and its playoff when it can be made.
Drawn drawRandom(Random& r) {
    Drawn d;
    const int groups = 1 + r.draw() % 4, size = 2 + r.draw() % 5;
    for (int i = 0, n = 2 + r.draw() % (groups * size - 1); i < n; ++i) d.host.participants.push_back("p" + std::to_string(i));
    for (int i = 0, n = 1 + r.draw() % 10; i < n; ++i) d.host.maps.push_back("m" + std::to_string(i));
    d.host.mapsEnabled = true, d.host.equalMaps = r.draw() % 2, d.host.tournament = r.draw() % 2;
    d.host.groupCountText = std::to_string(groups), d.host.groupSizeText = std::to_string(size);
    d.host.clock = static_cast<std::uint32_t>(r.draw());
    if (assign(d.state, d.host, {false, kLengths[r.draw() % 4]}) != AssignOutcome::Assigned) return d;
    Results results;
    for (int g = 0; g < groups; ++g) {
        for (MatchState& m : groupStandings(d.state, results, g).matches) d.matches.push_back(m);
        // Knock-outs learn their later players from earlier results.
        for (int n = 1; n <= d.state.matchCount[static_cast<std::size_t>(g)]; ++n) {
            const int wins = gamesToWin(d.state.settings.bestOf);
            if (checkResult(d.state, results, {g, n}, {wins, 0}) == ResultProblem::None) results.set({g, n}, {wins, 0});
        }
    }
    d.groupMatches = d.matches.size();
    d.playoff.perGroup = 1 << (r.draw() % 2);
    d.playoff.thirdPlace = r.draw() % 2;
    for (int i = 0, n = r.draw() % 4; i < n; ++i) d.playoff.bestOf.push_back(kLengths[r.draw() % 4]);
    for (const MatchState& m : playoffBracket(d.state, results, d.playoff, d.host.clock, d.host).matches) {
        d.matches.push_back(m);
    }
    return d;
}

bool hasRepeat(const std::vector<Pos>& maps) { return std::set<Pos>(maps.begin(), maps.end()).size() != maps.size(); }

TEST(Series, EveryGameHasItsMapByTheEventsRule) {
    Random r;
    r.seed(2025);
    int series = 0, playoffs = 0;
    for (int round = 0; round < 400; ++round) {
        const Drawn d = drawRandom(r);
        const int mapCount = static_cast<int>(d.host.maps.size());
        std::map<Pos, int> dealt;  // the groups' deal only: the playoff's is a stream of its own
        for (std::size_t i = 0; i < d.matches.size(); ++i) {
            const MatchState& m = d.matches[i];
            ASSERT_TRUE(validBestOf(m.bestOf));
            const std::vector<Pos> maps = gameMaps(m);
            if (m.bye) {
                EXPECT_TRUE(maps.empty());
                continue;
            }
            ASSERT_EQ(maps.size(), static_cast<std::size_t>(m.bestOf));
            for (Pos map : maps) ASSERT_TRUE(map >= 0 && map < mapCount);
            if (m.bestOf <= mapCount) {
                EXPECT_FALSE(hasRepeat(maps)) << "round " << round << ", match " << m.number;
            }
            playoffs += m.round > 0 && i >= d.groupMatches;
            if (i < d.groupMatches) for (Pos map : maps) ++dealt[map];
            series += m.bestOf > 1;
        }
        if (d.host.equalMaps && !dealt.empty()) {
            int fewest = dealt.size() == static_cast<std::size_t>(mapCount) ? dealt.begin()->second : 0, most = 0;
            for (const auto& [map, count] : dealt) fewest = std::min(fewest, count), most = std::max(most, count);
            EXPECT_LE(most - fewest, 1) << "round " << round;
        }
    }
    EXPECT_GT(series, 400);
    EXPECT_GT(playoffs, 100);
}

// Drawn maps start the list again only once each map has had its game.
TEST(Series, DrawnMapsRepeatOnlyAfterTheWholeList) {
    ListHost host;
    host.participants = {"a", "b", "c", "d"}, host.maps = {"m0", "m1", "m2"}, host.groupCountText = "1";
    host.mapsEnabled = true, host.equalMaps = false;
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        host.clock = seed;
        AssignmentState state;
        ASSERT_EQ(assign(state, host, {false, 7}), AssignOutcome::Assigned);
        for (const Match& match : state.schedule[0]) {
            const std::vector<Pos> maps = gameMaps(match);
            ASSERT_EQ(maps.size(), 7u);
            EXPECT_FALSE(hasRepeat({maps.begin(), maps.begin() + 3}) || hasRepeat({maps.begin() + 3, maps.begin() + 6}));
        }
    }
}

// A score stands when it ends the series: the winner has just the games to
// win it and the loser fewer; one game takes any W:L from 0 to 99, not equal.
TEST(Series, AScoreStandsWhenItEndsTheSeries) {
    struct Case {
        int bestOf, first, second;
        ResultProblem problem;
    };
    constexpr Case kCases[] = {
        {1, 1, 0, ResultProblem::None},     {1, 3, 99, ResultProblem::None},
        {1, 1, 1, ResultProblem::Tie},      {1, 100, 0, ResultProblem::ScoreOutOfRange},
        {1, 0, -1, ResultProblem::ScoreOutOfRange},
        {3, 2, 1, ResultProblem::None},     {3, 0, 2, ResultProblem::None},
        {3, 3, 0, ResultProblem::SeriesNotWon}, {3, 1, 0, ResultProblem::SeriesNotWon},
        {3, 2, 2, ResultProblem::Tie},      {5, 3, 2, ResultProblem::None},
        {5, 2, 1, ResultProblem::SeriesNotWon}, {7, 3, 4, ResultProblem::None},
        {7, 5, 0, ResultProblem::SeriesNotWon}, {7, 4, 4, ResultProblem::Tie},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(checkScore({c.first, c.second}, c.bestOf), c.problem) << c.bestOf << " " << c.first << ":" << c.second;
    }
}

}  // namespace
}  // namespace rl
