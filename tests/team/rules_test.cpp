#include "team/rules.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace rl::team {
namespace {

TeamSet set(int first, int second, bool firstWon) { return {{first, second}, firstWon}; }

std::optional<Refused> fault(const TeamMatchRules& rules, const std::vector<TeamSet>& played, const TeamSet& next,
                             int number = 0) {
    const auto f = checkSet(rules, played, number ? number : static_cast<int>(played.size()) + 1, next);
    return f ? std::optional(f->why) : std::nullopt;
}

// Plays the sets one by one, each of them accepted.
std::vector<TeamSet> played(const TeamMatchRules& rules, const std::vector<TeamSet>& sets) {
    std::vector<TeamSet> out;
    for (const TeamSet& s : sets) {
        EXPECT_EQ(fault(rules, out, s), std::nullopt) << "set " << out.size() + 1;
        out.push_back(s);
    }
    return out;
}

TEST(TeamMatchRules, SetsWithAnAceDecidedInTheAceOrBeforeIt) {
    const TeamMatchRules rules{{MatchKind::Sets, 5, true}, {6, 6}};
    const auto level = played(rules, {set(0, 0, true), set(1, 1, false), set(2, 2, false), set(3, 3, true)});
    EXPECT_EQ(fault(rules, level, set(0, 0, true), 6), Refused::NotNextSet);
    EXPECT_EQ(fault(rules, level, set(2, 6, true)), Refused::NotOnRoster);
    const auto ace = played(rules, {level[0], level[1], level[2], level[3], set(1, 3, true)});  // played before
    EXPECT_EQ(setsScore(ace), (Score{3, 2, false}));
    EXPECT_EQ(matchWinner(rules, ace), kFirst);
    EXPECT_EQ(fault(rules, ace, set(4, 4, true)), Refused::MatchDecided);
    EXPECT_TRUE(allKills(rules, ace).empty());

    const auto early = played(rules, {set(0, 0, false), set(1, 1, false), set(2, 2, false)});
    EXPECT_EQ(matchWinner(rules, early), kSecond);
    EXPECT_EQ(fault(rules, early, set(3, 3, true)), Refused::MatchDecided);
    const auto ahead = played(rules, {set(0, 0, false), set(1, 1, true), set(2, 2, false)});
    EXPECT_EQ(fault(rules, ahead, set(3, 3, true), 5), Refused::AceNotLevel);
    EXPECT_EQ(fault(rules, ahead, set(3, 1, true)), Refused::PlayedTwice);
    EXPECT_EQ(teamWalkover(rules.format, kSecond), (Score{0, 3, true}));
}

TEST(TeamMatchRules, WinnerStaysWithAnAllKillAndLostByRunningOutOfPlayers) {
    const TeamMatchRules four{{MatchKind::WinnerStays, 4, false}, {5, 5}};
    // The second team's first player is beaten; its second then wins four in a row.
    const auto allKill = played(four, {set(0, 0, true), set(0, 1, false), set(1, 1, false), set(2, 1, false),
                                       set(3, 1, false)});
    EXPECT_EQ(matchWinner(four, allKill), kSecond);
    ASSERT_EQ(allKills(four, allKill).size(), 1u);
    EXPECT_EQ(allKills(four, allKill)[0].player, 1);
    EXPECT_EQ(allKills(four, allKill)[0].wins, 4);
    EXPECT_EQ(fault(four, allKill, set(4, 1, true)), Refused::MatchDecided);
    EXPECT_EQ(teamWalkover(four.format, kFirst), (Score{4, 0, true}));

    const TeamMatchRules three{{MatchKind::WinnerStays, 4, false}, {3, 5}};
    const auto out = played(three, {set(0, 0, true), set(0, 1, false), set(1, 1, true), set(1, 2, true),
                                    set(1, 3, false), set(2, 3, false)});
    EXPECT_EQ(fault(three, out, set(2, 3, true)), Refused::OutOfPlayers);
    EXPECT_EQ(matchWinner(three, out), kSecond);  // two sets won, but the first team is out
    EXPECT_TRUE(allKills(three, out).empty());
    EXPECT_EQ(fault(three, {out[0]}, set(1, 1, true)), Refused::NotTheStayer);
    EXPECT_EQ(fault(three, {out[0], out[1]}, set(0, 1, true)), Refused::BeatenAgain);
    // Beating all three players of a smaller team is an all-kill too.
    const auto whole = played(three, {set(0, 0, false), set(1, 0, false), set(2, 0, false)});
    ASSERT_EQ(allKills(three, whole).size(), 1u);
    EXPECT_EQ(allKills(three, whole)[0].side, kSecond);
}

// The state a sequence of sets leaves, read without the rules under test.
struct Walk {
    TeamMatchRules rules;
    std::vector<TeamSet> sets;
    std::set<int> lost[2];  // players who lost a set
    std::set<int> sent[2];  // players who played a set other than the ace
    int wins[2] = {0, 0};

    bool over() const {
        const int need = rules.format.setsToWin();
        if (wins[0] >= need || wins[1] >= need) return true;
        if (rules.format.kind != MatchKind::WinnerStays) return false;
        return static_cast<int>(lost[0].size()) == rules.rosters[0] || static_cast<int>(lost[1].size()) == rules.rosters[1];
    }
    void add(const TeamSet& s, bool ace) {
        for (int side : {0, 1}) {
            if (!ace) sent[side].insert(s.players[side]);
        }
        lost[s.firstWon ? 1 : 0].insert(s.players[s.firstWon ? 1 : 0]);
        ++wins[s.firstWon ? 0 : 1];
        sets.push_back(s);
    }
};

TeamMatchRules randomRules(std::mt19937& rng) {
    const bool winnerStays = rng() % 2;
    TeamMatchRules rules;
    rules.format = winnerStays ? TeamMatchFormat{MatchKind::WinnerStays, 2 + static_cast<int>(rng() % 4), false}
                               : TeamMatchFormat{MatchKind::Sets, 3 + 2 * static_cast<int>(rng() % 4), rng() % 2 == 0};
    for (int& r : rules.rosters) r = 1 + static_cast<int>(rng() % 10);
    return rules;
}

// Random sets proposed one after another: every set accepted keeps the
// rules as the walk reads them, every set refused breaks the rule it names,
// and the match's winner and score agree with the walk at every step.
TEST(TeamMatchRules, RandomSetsAreAcceptedExactlyWhenTheRulesAllowThem) {
    std::mt19937 rng(20261209);
    int accepted = 0;
    std::set<Refused> seen;
    for (int match = 0; match < 400; ++match) {
        Walk walk;
        walk.rules = randomRules(rng);
        const TeamMatchFormat& f = walk.rules.format;
        for (int step = 0; step < 60; ++step) {
            TeamSet next = set(static_cast<int>(rng() % (walk.rules.rosters[0] + 1)),
                               static_cast<int>(rng() % (walk.rules.rosters[1] + 1)), rng() % 2 == 0);
            if (rng() % 3 && !walk.sets.empty() && f.kind == MatchKind::WinnerStays) {
                const Side stays = walk.sets.back().winner();
                next.players[stays] = walk.sets.back().players[stays];  // mostly the right stayer
            }
            const int number = rng() % 8 ? static_cast<int>(walk.sets.size()) + 1 : 1 + static_cast<int>(rng() % 10);
            const auto got = checkSet(walk.rules, walk.sets, number, next);
            const bool ace = isAceSet(f, number);
            const bool levelNow = walk.wins[0] == walk.wins[1];
            bool onRoster = true, fresh = true, stayer = true, unbeaten = true;
            for (Side side : {kFirst, kSecond}) {
                onRoster = onRoster && next.players[side] < walk.rules.rosters[side];
                fresh = fresh && (ace || !walk.sent[side].count(next.players[side]));
            }
            if (f.kind == MatchKind::WinnerStays && !walk.sets.empty()) {
                const Side stays = walk.sets.back().winner(), other = stays == kFirst ? kSecond : kFirst;
                stayer = next.players[stays] == walk.sets.back().players[stays];
                unbeaten = !walk.lost[other].count(next.players[other]);
                fresh = true;
            }
            const bool allowed = !walk.over() && (!ace || levelNow) && number == static_cast<int>(walk.sets.size()) + 1 &&
                                 onRoster && fresh && stayer && unbeaten;
            ASSERT_EQ(!got, allowed) << "match " << match << " set " << number;
            if (got) {
                seen.insert(got->why);
                if (walk.over()) {
                    EXPECT_TRUE(got->why == Refused::MatchDecided || got->why == Refused::OutOfPlayers);
                }
                continue;
            }
            walk.add(next, ace);
            ++accepted;
            EXPECT_EQ(setsScore(walk.sets), (Score{walk.wins[0], walk.wins[1], false}));
            EXPECT_EQ(matchWinner(walk.rules, walk.sets).has_value(), walk.over());
        }
        if (f.kind == MatchKind::WinnerStays) {
            EXPECT_LE(walk.sets.size(), static_cast<std::size_t>(std::min(2 * f.length - 1,
                                                                          walk.rules.rosters[0] + walk.rules.rosters[1] - 1)));
        }
        for (const AllKill& k : allKills(walk.rules, walk.sets)) EXPECT_EQ(matchWinner(walk.rules, walk.sets), k.side);
    }
    EXPECT_GT(accepted, 1000);
    EXPECT_EQ(seen.size(), 8u);  // every kind of set refusal came up
}

}  // namespace
}  // namespace rl::team
