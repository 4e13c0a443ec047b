// A team league's sets and entries as the event takes them: the match's
// result follows its sets, and every set the rules refuse leaves the event
// as it was.
#include <gtest/gtest.h>

#include "cases.h"
#include "event/draw.h"
#include "event/team_actions.h"
#include "event/team_standings.h"
#include "team/format.h"

namespace rl::event {
namespace {

using team::Refused;
using team::TeamSet;

constexpr MatchKey kMatch{0, 1};

// Two teams in one league group: T1 (players a0..) against T2 (b0..).
Event teamEvent(const char* format, int first, int second, bool maps = true) {
    ListHost host = test::hostFrom(std::string("name T1 name T2 groups 1 size 2 clock 7") +
                                   (maps ? " map M1 map M2 map M3 with-maps" : ""));
    DrawChoices choices;
    choices.teams = team::TeamLeague{std::get<team::TeamMatchFormat>(team::parseTeamMatchFormat(format)), {{}, {}}, {}};
    for (int i = 0; i < first; ++i) choices.teams->rosters[0].push_back("a" + std::to_string(i));
    for (int i = 0; i < second; ++i) choices.teams->rosters[1].push_back("b" + std::to_string(i));
    DrawOutcome drawn = drawEvent(host, choices);
    EXPECT_EQ(drawn.outcome, AssignOutcome::Assigned);
    return drawn.event;
}

TeamSet set(int first, int second, bool firstWon) { return {{first, second}, firstWon, kNone}; }

std::optional<Score> result(const Event& event) {
    const Score* score = event.results.find(kMatch);
    return score ? std::optional<Score>(*score) : std::nullopt;
}

// Sets played in order; each must be taken.
void play(Event& event, const std::vector<TeamSet>& sets) {
    for (const TeamSet& s : sets) {
        const int number = static_cast<int>(event.teams->plays[kMatch].sets.size()) + 1;
        ASSERT_TRUE(recordTeamSet(event, kMatch, number, s).ok()) << "set " << number;
    }
}

TEST(TeamActions, TheDrawDealsAMapForEverySetAndTheSetsKeepThem) {
    Event event = teamEvent("winner:4", 4, 4);
    EXPECT_EQ(event.state.settings.bestOf, 7);
    ASSERT_EQ(event.teams->rosters[1].size(), 4u);
    const std::vector<Pos> dealt = gameMaps(event.state.schedule[0][0]);
    ASSERT_EQ(dealt.size(), 7u);
    play(event, {set(0, 0, true)});
    EXPECT_EQ(event.teams->plays[kMatch].sets[0].map, dealt[0]);
    TeamSet onAnother = set(0, 1, false);
    onAnother.map = 2;
    play(event, {onAnother});
    EXPECT_EQ(event.teams->plays[kMatch].sets[1].map, 2);
}

TEST(TeamActions, TheResultFollowsTheSetsOnceTheyDecideTheMatch) {
    Event ace = teamEvent("sets:5:ace", 4, 4);
    play(ace, {set(0, 0, true), set(1, 1, false), set(2, 2, true), set(3, 3, false)});
    EXPECT_FALSE(result(ace));
    play(ace, {set(0, 3, false)});  // the ace set takes players who played
    EXPECT_EQ(result(ace), (Score{2, 3}));

    Event early = teamEvent("sets:5:ace", 4, 4);
    play(early, {set(0, 0, true), set(1, 1, true), set(2, 2, true)});
    EXPECT_EQ(result(early), (Score{3, 0}));

    // b0 beats a0, a1, a2: an all-kill, and T1 has no player left, so T2
    // wins with the sets still needed.
    Event ranOut = teamEvent("winner:4", 3, 4);
    play(ranOut, {set(0, 0, false), set(1, 0, false), set(2, 0, false)});
    EXPECT_EQ(result(ranOut), (Score{0, 4}));
    EXPECT_EQ(team::allKills(teamRules(ranOut, groupStandings(ranOut.state, ranOut.results, 0).matches[0]),
                             ranOut.teams->plays[kMatch].sets).size(), 1u);

    EXPECT_TRUE(clearTeamMatch(ranOut, kMatch));
    EXPECT_FALSE(result(ranOut));
    EXPECT_TRUE(ranOut.teams->plays.empty());
    EXPECT_FALSE(clearTeamMatch(ranOut, kMatch));
}

// Two teams level on wins: the one that won their match (first by the
// players' order) stands below the one with the better sets, and the
// groups' standings that the playoff draws from agree with the team table.
TEST(TeamActions, TheGroupsStandingsRankTeamsByTheirSets) {
    ListHost host = test::hostFrom("name T1 name T2 name T3 name T4 groups 1 size 4 clock 7");
    DrawChoices choices;
    choices.teams = team::TeamLeague{team::TeamMatchFormat{team::MatchKind::Sets, 3, false}, {}, {}};
    for (int t = 0; t < 4; ++t) choices.teams->rosters.push_back({"p0", "p1", "p2"});
    Event event = drawEvent(host, choices).event;
    // T1 beats T2 and T3 2:1 and loses to T4 1:2; T2 beats T3 and T4 2:0; T3 beats T4 2:0.
    const auto setsFor = [](Pos winner, Pos loser) { return winner == 0 ? (loser == 3 ? 0 : 2) : 2; };
    const std::vector<std::pair<Pos, Pos>> wins = {{0, 1}, {0, 2}, {3, 0}, {1, 2}, {1, 3}, {2, 3}};
    const std::vector<MatchState> matches = groupStandings(event.state, event.results, 0).matches;
    for (std::size_t i = 0; i < matches.size(); ++i) {
        const MatchState& m = matches[i];
        const MatchKey key{0, static_cast<int>(i) + 1};
        for (const auto& [winner, loser] : wins) {
            if (!((m.first == winner && m.second == loser) || (m.first == loser && m.second == winner))) continue;
            const bool firstWins = m.first == winner;
            const int loserSets = winner == 0 || loser == 0 ? 1 : 0;
            std::vector<TeamSet> sets;
            for (int l = 0; l < loserSets; ++l) sets.push_back(set(static_cast<int>(sets.size()), static_cast<int>(sets.size()), !firstWins));
            for (int w = 0; w < setsFor(winner, loser); ++w) sets.push_back(set(static_cast<int>(sets.size()), static_cast<int>(sets.size()), firstWins));
            for (std::size_t n = 0; n < sets.size(); ++n) ASSERT_TRUE(recordTeamSet(event, key, static_cast<int>(n) + 1, sets[n]).ok());
        }
    }
    const std::vector<Standing> table = groupStandings(event.state, event.results, 0).standings;
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0].player, 1);
    EXPECT_EQ(table[1].player, 0);
    EXPECT_EQ(teamStandings(event).tables[0][0].player, table[0].player);
}

// Walkovers and withdrawals give a team the sets needed to win, to none.
TEST(TeamActions, WalkoversCountTheSetsNeededToWin) {
    for (const char* format : {"sets:7", "winner:3", "sets:9:ace", "winner:5"}) {
        Event event = teamEvent(format, 5, 5);
        ASSERT_TRUE(giveWalkover(event, kMatch, 1).ok()) << format;
        EXPECT_EQ(result(event), team::teamWalkover(event.teams->format, team::kSecond)) << format;
        Event withdrawn = teamEvent(format, 5, 5);
        ASSERT_TRUE(withdraw(withdrawn, 0));
        const MatchState m = groupStandings(withdrawn.state, withdrawn.results, 0).matches[0];
        EXPECT_EQ(m.score, team::teamWalkover(withdrawn.teams->format, team::kSecond)) << format;
    }
}

struct Refusing {
    const char* format;
    std::vector<TeamSet> played;
    int number;
    TeamSet next;
    Refused why;
};

TEST(TeamActions, EverySetTheRulesRefuseLeavesTheEventAsItWas) {
    const Refusing cases[] = {
        {"sets:5", {}, 1, set(4, 0, true), Refused::NotOnRoster},
        {"sets:5", {set(0, 0, true)}, 2, set(0, 1, true), Refused::PlayedTwice},
        {"sets:3", {set(0, 0, true), set(1, 1, true)}, 3, set(2, 2, true), Refused::MatchDecided},
        {"sets:5:ace", {set(0, 0, true), set(1, 1, true), set(2, 2, false), set(3, 3, true)}, 5, set(0, 0, true),
         Refused::MatchDecided},
        {"sets:3:ace", {set(0, 0, true)}, 3, set(0, 0, true), Refused::AceNotLevel},
        {"sets:5", {set(0, 0, true)}, 3, set(1, 1, true), Refused::NotNextSet},
        {"winner:3", {set(0, 0, true)}, 2, set(1, 1, true), Refused::NotTheStayer},
        {"winner:3", {set(0, 0, true), set(0, 1, false)}, 3, set(0, 1, true), Refused::BeatenAgain},
        {"winner:4", {set(0, 0, true), set(0, 1, true), set(0, 2, true)}, 4, set(0, 3, true), Refused::OutOfPlayers},
    };
    for (const Refusing& c : cases) {
        Event event = teamEvent(c.format, 4, c.why == Refused::OutOfPlayers ? 3 : 4);
        play(event, c.played);
        const Event before = event;
        const TeamCheck check = recordTeamSet(event, kMatch, c.number, c.next);
        ASSERT_TRUE(check.set) << c.format << " set " << c.number;
        EXPECT_EQ(*check.set, c.why) << c.format << " set " << c.number;
        EXPECT_EQ(event.teams, before.teams);
        EXPECT_EQ(event.results.all(), before.results.all());
    }
}

TEST(TeamActions, EntriesAreNamedBeforeTheirSetsAndHoldThem) {
    Event event = teamEvent("sets:5:ace", 4, 4);
    ASSERT_TRUE(enterEntry(event, kMatch, 2, {1, team::kNoEntry}).ok());
    EXPECT_EQ(recordTeamSet(event, kMatch, 1, set(1, 0, true)).set, Refused::PlayedTwice);
    play(event, {set(0, 0, true)});
    EXPECT_EQ(recordTeamSet(event, kMatch, 2, set(2, 1, true)).set, Refused::NotTheEntry);
    EXPECT_EQ(enterEntry(event, kMatch, 1, {2, 2}).set, Refused::SetPlayed);
    EXPECT_EQ(enterEntry(event, kMatch, 5, {2, 2}).set, Refused::EntryOpen);
    EXPECT_EQ(enterEntry(event, kMatch, 3, {1, 2}).set, Refused::PlayedTwice);
    EXPECT_EQ(enterEntry(event, kMatch, 3, {team::kNoEntry, 9}).set, Refused::NotOnRoster);
    // An entry taken back leaves no trace of it.
    ASSERT_TRUE(enterEntry(event, kMatch, 2, {team::kNoEntry, team::kNoEntry}).ok());
    EXPECT_TRUE(event.teams->plays[kMatch].entries.empty());
    Event winner = teamEvent("winner:3", 3, 3);
    EXPECT_TRUE(enterEntry(winner, kMatch, 1, {2, 0}).ok());
    EXPECT_EQ(enterEntry(winner, kMatch, 2, {1, 1}).set, Refused::EntryOpen);
}

// A record's set by names: the roster, the winner among the set's players,
// a map of the list.
TEST(TeamActions, ASetGivenByNamesIsRefusedWithWhatItNames) {
    Event event = teamEvent("sets:5", 4, 4);
    EXPECT_EQ(recordGivenSet(event, {kMatch, 1, {"a0", "b9"}, "a0"}).player, "b9");
    EXPECT_EQ(recordGivenSet(event, {kMatch, 1, {"a0", "b1"}, "a1"}).set, Refused::NotInSet);
    EXPECT_EQ(recordGivenSet(event, {kMatch, 1, {"a0", "b1"}, "b1", "M9"}).set, Refused::MapNotInList);
    ASSERT_TRUE(recordGivenSet(event, {kMatch, 1, {"a0", "b1"}, "b1", "M3"}).ok());
    EXPECT_EQ(event.teams->plays[kMatch].sets[0], (TeamSet{{0, 1}, false, 2}));
    const TeamCheck twice = recordGivenSet(event, {kMatch, 2, {"a0", "b2"}, "b2"});
    const auto same = [](std::string_view s) { return std::string(s); };
    EXPECT_EQ(team::englishRefusal(teamRefusal(twice, same)),
              "set 2: a0 of T1 has played a set of this match already (only the ace set takes a player again)");
    Event players = teamEvent("sets:5", 4, 4);
    players.teams.reset();
    EXPECT_EQ(recordGivenSet(players, {kMatch, 1, {"a0", "b1"}, "b1"}).set, Refused::NotTeamEvent);
}

}  // namespace
}  // namespace rl::event
