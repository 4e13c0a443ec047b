// A team league's standings: over random leagues and sets, every group's
// table sums (match wins to losses, sets won to sets lost) and the players'
// records count every set once; the texts' golden cases are hand-made.
#include "event/team_standings.h"

#include <gtest/gtest.h>

#include <random>

#include "cases.h"
#include "event/draw.h"

namespace rl::event {
namespace {

// A players' event drawn from the host, its participants then made teams of
// `rosterSize` players each (named "<team>-<n>").
Event teamEvent(ListHost host, const team::TeamMatchFormat& format, int rosterSize, WithdrawalRule rule = {}) {
    DrawChoices choices;
    choices.format.bestOf = format.kind == team::MatchKind::Sets ? format.length : 2 * format.length - 1;
    choices.withdrawalRule = rule;
    DrawOutcome drawn = drawEvent(host, choices);
    EXPECT_EQ(drawn.outcome, AssignOutcome::Assigned);
    Event event = std::move(drawn.event);
    team::TeamLeague league{format, {}, {}};
    for (const std::string& name : event.participants) {
        league.rosters.emplace_back();
        for (int n = 1; n <= rosterSize; ++n) league.rosters.back().push_back(name + "-" + std::to_string(n));
    }
    event.teams = league;
    event.state.settings.ranksTeams = true;
    return event;
}

// Sets the rules accept, drawn at random until the match is decided, and
// the result they count to.
void playRandomly(Event& event, MatchKey key, const MatchState& m, std::mt19937& random) {
    const team::TeamLeague& league = *event.teams;
    const team::TeamMatchRules rules{league.format,
                                     {static_cast<int>(league.rosters[static_cast<std::size_t>(m.first)].size()),
                                      static_cast<int>(league.rosters[static_cast<std::size_t>(m.second)].size())}};
    std::vector<team::TeamSet> sets;
    for (int tries = 0; tries < 500 && !team::matchWinner(rules, sets); ++tries) {
        const team::TeamSet next{{static_cast<int>(random() % rules.rosters[0]), static_cast<int>(random() % rules.rosters[1])},
                                 random() % 2 == 0};
        if (!team::checkSet(rules, sets, static_cast<int>(sets.size()) + 1, next)) sets.push_back(next);
    }
    ASSERT_TRUE(team::matchWinner(rules, sets));
    event.teams->plays[key].sets = sets;
    event.results.set(key, team::setsScore(sets));
}

TEST(TeamStandings, RandomLeaguesTablesSumAndRecordsCountEverySet) {
    static const team::TeamMatchFormat kFormats[] = {
        {team::MatchKind::Sets, 5, false}, {team::MatchKind::Sets, 7, true}, {team::MatchKind::WinnerStays, 4, false},
        {team::MatchKind::WinnerStays, 2, false}, {team::MatchKind::Sets, 3, true}};
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        const team::TeamMatchFormat format = kFormats[seed % std::size(kFormats)];
        const int teams = 3 + static_cast<int>(random() % 6), groups = teams > 4 ? 2 : 1;
        // A sets match needs a player for every set; winner stays may run out.
        const int roster = (format.kind == team::MatchKind::Sets ? format.length : 1) + static_cast<int>(random() % 4);
        Event event = teamEvent(test::hostFrom("players " + std::to_string(teams) + " groups " + std::to_string(groups) +
                                               " size 4 clock " + std::to_string(seed)),
                                format, roster);
        int setsPlayed = 0, walkovers = 0;
        for (int g = 0; g < groups; ++g) {
            for (const MatchState& m : groupStandings(event.state, event.results, g).matches) {
                if (m.bye || random() % 5 == 0) continue;
                if (random() % 6 == 0) {
                    event.results.set({g, m.number}, walkoverFor(true, m.bestOf));
                    ++walkovers;
                    continue;
                }
                playRandomly(event, {g, m.number}, m, random);
                setsPlayed += static_cast<int>(event.teams->plays[{g, m.number}].sets.size());
            }
        }
        const TeamStandings standings = teamStandings(event);
        ASSERT_EQ(standings.tables.size(), static_cast<std::size_t>(groups));
        for (const std::vector<Standing>& table : standings.tables) {
            int wins = 0, losses = 0, won = 0, lost = 0;
            for (const Standing& row : table) {
                EXPECT_EQ(row.played, row.wins + row.losses);
                wins += row.wins, losses += row.losses, won += row.mapsWon, lost += row.mapsLost;
            }
            EXPECT_EQ(wins, losses) << "seed " << seed;
            EXPECT_EQ(won, lost) << "seed " << seed;
            for (std::size_t i = 1; i < table.size(); ++i) EXPECT_GE(table[i - 1].wins, table[i].wins) << "seed " << seed;
        }
        int recordWins = 0, recordLosses = 0;
        for (std::size_t i = 0; i < standings.players.size(); ++i) {
            recordWins += standings.players[i].won, recordLosses += standings.players[i].lost;
            if (i > 0) {
                EXPECT_GE(standings.players[i - 1].won, standings.players[i].won);
            }
        }
        EXPECT_EQ(recordWins, setsPlayed) << "seed " << seed;
        EXPECT_EQ(recordLosses, setsPlayed) << "seed " << seed;
        int walkoversCounted = 0;
        for (const TeamMatch& t : standings.matches) {
            if (!t.match.score || !t.match.score->walkover) continue;
            ++walkoversCounted;
            EXPECT_EQ(std::max(t.match.score->first, t.match.score->second), format.setsToWin());
        }
        EXPECT_EQ(walkoversCounted, walkovers) << "seed " << seed;
    }
}

}  // namespace
}  // namespace rl::event
