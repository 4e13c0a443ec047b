// The playoff's bracket rule: its properties for every size it is made
// for, and golden brackets that pin the rule down.
#include "standings/playoff.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "cases.h"
#include "engine/limits.h"

namespace rl {
namespace {

// The qualifiers in the rule's order, `through[g]` of them from group g.
std::vector<Qualifier> qualifiers(const std::vector<int>& through) {
    std::vector<Qualifier> players;
    for (int place = 1; place <= 4; ++place) {
        for (int g = 0; g < static_cast<int>(through.size()); ++g) {
            if (through[static_cast<std::size_t>(g)] >= place) players.push_back({static_cast<Pos>(g * 4 + place - 1), g, place});
        }
    }
    return players;
}

std::vector<Qualifier> fullGroups(int groups, int perGroup) { return qualifiers(std::vector<int>(static_cast<std::size_t>(groups), perGroup)); }

// Whether a group winner who plays in the first round meets another than the
// lowest place of all the players.
bool winnerMissesLowest(const std::vector<Qualifier>& q, const std::vector<std::pair<int, int>>& seats) {
    int lowest = 1;
    for (const Qualifier& p : q) lowest = std::max(lowest, p.place);
    for (const auto& [first, second] : seats) {
        if (second < 0) continue;
        const int a = q[static_cast<std::size_t>(first)].place, b = q[static_cast<std::size_t>(second)].place;
        if ((a == 1 && b != lowest) || (b == 1 && a != lowest)) return true;
    }
    return false;
}

// Which part of 2^parts of the bracket the first-round cell lies in.
int partOf(int cell, int cells, int parts) { return cell * parts / cells; }

TEST(PlayoffBracket, KeepsItsPropertiesForEverySize) {
    for (int perGroup : {1, 2, 4}) {
        for (int groups = 1; groups * perGroup <= kMaxPlayoffPlayers; ++groups) {
            const int players = groups * perGroup;
            if (players < 2) continue;
            SCOPED_TRACE("groups " + std::to_string(groups) + ", K " + std::to_string(perGroup));
            const std::vector<Qualifier> q = fullGroups(groups, perGroup);
            const auto seats = seatPlayers(q, perGroup);
            const int cells = static_cast<int>(seats.size()) * 2;
            ASSERT_GE(cells, players);
            ASSERT_LT(cells, 2 * players);
            EXPECT_FALSE(winnerMissesLowest(q, seats));
            std::vector<int> cellOf(q.size(), -1);
            for (int m = 0; m < cells / 2; ++m) {
                const auto [first, second] = seats[static_cast<std::size_t>(m)];
                ASSERT_GE(first, 0) << "match " << m << " is empty";
                cellOf[static_cast<std::size_t>(first)] = 2 * m;
                if (second < 0) {
                    EXPECT_LT(first, cells - players) << "byes go to the first players taken";
                    continue;
                }
                cellOf[static_cast<std::size_t>(second)] = 2 * m + 1;
                const Qualifier &a = q[static_cast<std::size_t>(first)], &b = q[static_cast<std::size_t>(second)];
                if (groups > 1) {
                    EXPECT_NE(a.group, b.group) << "match " << m;
                }
                if (cells == players && groups > 1) {
                    EXPECT_EQ(a.place + b.place, perGroup + 1) << "match " << m << ": a winner meets the lowest";
                }
            }
            for (std::size_t i = 0; i < q.size(); ++i) {
                ASSERT_GE(cellOf[i], 0) << "player " << i << " is not seated";
                for (std::size_t j = 0; j < i; ++j) {
                    if (q[i].group != q[j].group) continue;
                    const int parts = perGroup == 4 && q[i].place > 2 ? 4 : 2;
                    EXPECT_NE(partOf(cellOf[i], cells, parts), partOf(cellOf[j], cells, parts))
                        << q[j].place << " and " << q[i].place << " of group " << q[i].group;
                    if (perGroup == 4) {
                        EXPECT_NE(partOf(cellOf[i], cells, 4), partOf(cellOf[j], cells, 4));
                    }
                }
            }
        }
    }
}

std::string bracketOf(const std::string& line) {
    // "groups N K k", or "K k through 4 4 2": the players each group sends.
    int groups = 0, perGroup = 0, offset = 0;
    std::vector<Qualifier> q;
    if (std::sscanf(line.c_str(), "K %d through%n", &perGroup, &offset) == 1 && offset > 0) {
        std::istringstream sizes(line.substr(static_cast<std::size_t>(offset)));
        q = qualifiers(std::vector<int>(std::istream_iterator<int>(sizes), {}));
    } else {
        std::sscanf(line.c_str(), "groups %d K %d", &groups, &perGroup);
        q = fullGroups(groups, perGroup);
    }
    const auto name = [&](int i) {
        if (i < 0) return std::string("bye");
        const Qualifier& p = q[static_cast<std::size_t>(i)];
        return static_cast<char>('A' + p.group) + std::to_string(p.place);
    };
    std::string out;
    const auto seats = seatPlayers(q, perGroup);
    for (std::size_t m = 0; m < seats.size(); ++m) {
        out += (m > 0 && m == seats.size() / 2 ? " |" : "") + std::string(" ") + name(seats[m].first) + "-" +
               name(seats[m].second);
    }
    return out + "\n";
}

// Groups too small to send K through: the players a group sends differ, and
// a search finds what the first choices miss, the winners meeting the lowest
// place, without breaking the first two aims more than those choices do.
TEST(PlayoffBracket, WinnersMeetTheLowestPlaceWithGroupsOfMixedSizes) {
    const std::vector<std::vector<int>> sizes = {{4, 4, 4, 4, 4, 4, 1}, {1, 3, 3, 4, 4, 4, 4, 3},
                                                 {4, 3, 4, 3, 4, 3, 3, 1}, {4, 3, 4, 3, 4, 4, 2, 1},
                                                 {4, 4, 4, 4, 4, 4, 3}, {3, 4, 4, 4, 4, 4, 4, 4}};
    for (const std::vector<int>& through : sizes) {
        const std::vector<Qualifier> q = qualifiers(through);
        const auto seats = seatPlayers(q, 4);
        EXPECT_FALSE(winnerMissesLowest(q, seats)) << q.size() << " players";
    }
}

// The organiser's pairs: the rule's seating written out as pairs, as text
// and read back, seats the same bracket; any shuffle of its seats stands,
// and one seat moved onto another leaves a player out.
TEST(PlayoffPairs, TheRulesSeatingWrittenAsPairsSeatsItAgainAndAnyArrangementStands) {
    for (int perGroup : {1, 2, 4}) {
        for (int groups = 1; groups <= kMaxGroups; ++groups) {
            if (groups * perGroup < 2) continue;
            SCOPED_TRACE("groups " + std::to_string(groups) + ", K " + std::to_string(perGroup));
            const std::vector<Qualifier> q = fullGroups(groups, perGroup);
            const auto seats = seatPlayers(q, perGroup);
            std::vector<PlayoffPair> pairs, read;
            ASSERT_TRUE(parsePairs(pairsText(pairsOf(q, seats)), read).ok());
            ASSERT_TRUE(checkPairs(q, read).ok());
            EXPECT_EQ(seatPairs(q, read), seats);
            std::vector<std::pair<int, int>> turned = seats;
            for (auto& [first, second] : turned) {
                first = (first + groups) % static_cast<int>(q.size());
                if (second >= 0) second = (second + groups) % static_cast<int>(q.size());
            }
            pairs = pairsOf(q, turned);
            EXPECT_TRUE(checkPairs(q, pairs).ok()) << pairsText(pairs);
            EXPECT_EQ(seatPairs(q, pairs), turned);
            if (pairs.size() < 2) continue;
            pairs.back().first = pairs.front().first;
            EXPECT_EQ(checkPairs(q, pairs).problem, PairsProblem::Twice) << pairsText(pairs);
        }
    }
}

TEST(PlayoffBracket, GoldenBrackets) { test::expectGoldenCases("playoff-brackets.txt", bracketOf); }

}  // namespace
}  // namespace rl
