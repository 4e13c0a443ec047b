#include "team/table.h"

#include <gtest/gtest.h>

#include <random>

#include "team/rules.h"

namespace rl::team {
namespace {

TeamMatchOutcome outcome(Pos first, Pos second, int a, int b, bool walkover = false) { return {first, second, {a, b, walkover}}; }

// Four teams of a sets:5 league: 0 beat 1, but 1 is ahead on sets'
// difference; 2 and 3 are level on wins, difference and sets won, and 3
// beat 2.
TEST(TeamTable, RanksByWinsThenSetsThenTheMatchesBetweenThem) {
    const std::vector<TeamMatchOutcome> league = {
        outcome(0, 1, 3, 2), outcome(0, 2, 2, 3), outcome(0, 3, 3, 2), outcome(1, 2, 3, 0),
        outcome(1, 3, 3, 0, true), outcome(2, 3, 2, 3),
    };
    std::string shown;
    for (const Standing& row : teamTable(4, league)) {
        shown += std::to_string(row.rank) + (row.tied ? "= " : " ") + std::to_string(row.player) + " " +
                 tableRowText(row) + "\n";
    }
    EXPECT_EQ(shown,
              "1 1 2승 1패 +5 (8승 3패)\n"
              "2 0 2승 1패 +1 (8승 7패)\n"
              "3 3 1승 2패 -3 (5승 8패)\n"
              "4 2 1승 2패 -3 (5승 8패)\n");
    EXPECT_EQ(tableRowText({0, 1, false, false, false, 16, 11, 5, 41, 22}), "11승 5패 +19 (41승 22패)");
}

// A random league's outcomes: the table holds every team once, its wins,
// losses and sets sum to the matches', ranks follow the keys and teams
// level on every count but the matches between them share a rank only
// when those matches leave them level too.
TEST(TeamTable, RandomLeaguesSum) {
    std::mt19937 rng(33);
    for (int league = 0; league < 300; ++league) {
        const int teams = 2 + static_cast<int>(rng() % 7);
        const TeamMatchFormat format{MatchKind::Sets, 3 + 2 * static_cast<int>(rng() % 3), false};
        std::vector<TeamMatchOutcome> outcomes;
        int sets = 0;
        for (Pos a = 0; a < teams; ++a) {
            for (Pos b = a + 1; b < teams; ++b) {
                if (rng() % 5 == 0) continue;  // not played yet
                const bool firstWon = rng() % 2;
                Score score = teamWalkover(format, firstWon ? kFirst : kSecond);
                if (rng() % 6) {
                    score.walkover = false;
                    (firstWon ? score.second : score.first) = static_cast<int>(rng() % format.setsToWin());
                }
                sets += score.first + score.second;
                outcomes.push_back({a, b, score});
            }
        }
        const std::vector<Standing> table = teamTable(teams, outcomes);
        ASSERT_EQ(table.size(), static_cast<std::size_t>(teams));
        int wins = 0, losses = 0, won = 0, lost = 0, played = 0;
        for (std::size_t i = 0; i < table.size(); ++i) {
            const Standing& r = table[i];
            wins += r.wins, losses += r.losses, won += r.mapsWon, lost += r.mapsLost, played += r.played;
            EXPECT_EQ(r.played, r.wins + r.losses);
            if (i == 0) continue;
            const Standing& above = table[i - 1];
            const auto key = [](const Standing& s) { return std::tuple(s.wins, s.mapsWon - s.mapsLost, s.mapsWon); };
            EXPECT_GE(key(above), key(r));
            if (r.rank == above.rank) {
                EXPECT_TRUE(r.tied && above.tied);
                EXPECT_EQ(key(r), key(above));
            } else {
                EXPECT_EQ(r.rank, static_cast<int>(i) + 1);  // ranks run 1, 2, 2, 4
            }
        }
        EXPECT_EQ(wins, static_cast<int>(outcomes.size()));
        EXPECT_EQ(losses, wins);
        EXPECT_EQ(won, sets);
        EXPECT_EQ(won, lost);
        EXPECT_EQ(played, 2 * wins);
    }
}

}  // namespace
}  // namespace rl::team
