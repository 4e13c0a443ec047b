// The playoff's bracket rule: its properties for every size it is made
// for, and golden brackets that pin the rule down.
#include "standings/playoff.h"

#include <gtest/gtest.h>

#include "cases.h"

namespace rl {
namespace {

std::vector<Qualifier> fullGroups(int groups, int perGroup) {
    std::vector<Qualifier> players;
    for (int place = 1; place <= perGroup; ++place) {
        for (int g = 0; g < groups; ++g) players.push_back({static_cast<Pos>(g * perGroup + place - 1), g, place});
    }
    return players;
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
    int groups = 0, perGroup = 0;
    std::sscanf(line.c_str(), "groups %d K %d", &groups, &perGroup);
    const std::vector<Qualifier> q = fullGroups(groups, perGroup);
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

TEST(PlayoffBracket, GoldenBrackets) { test::expectGoldenCases("playoff-brackets.txt", bracketOf); }

}  // namespace
}  // namespace rl
