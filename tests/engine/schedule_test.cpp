#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "engine/list_host.h"
#include "engine/pairing.h"
#include "engine/schedule.h"
#include "engine/shuffle.h"
#include "support.h"

namespace rl {
namespace {

std::vector<Pos> mapsOf(const AssignmentState& state, int group) {
    std::vector<Pos> maps;
    for (int k = 0; k < state.matchCount[group]; ++k) {
        maps.push_back(state.schedule[group][k].map);
    }
    return maps;
}

// Settings with the given mode and equal maps over `mapCount` maps.
AssignmentState stateWith(bool tournament, int mapCount, GroupTable table) {
    AssignmentState state;
    Settings& s = state.settings;
    s.mapsEnabled = true;
    s.equalMaps = true;
    s.tournament = tournament;
    s.mapCount = mapCount;
    s.groupCount = static_cast<int>(table.size());
    s.groupSize = static_cast<int>(table.front().size());
    state.groupTable = std::move(table);
    return state;
}

// Order 2, 0, 3, 1 is odd, so no shuffle yields it: it is handed over as if
// already dealt up to its last entry.
void giveOrder(AssignmentState& state, std::vector<Pos> order) {
    state.mapCursor = static_cast<int>(order.size()) - 1;
    state.mapOrder = std::move(order);
}

TEST(EqualMaps, CursorRunsOnAcrossGroups) {
    ListHost host;
    auto state = stateWith(false, 4, {{0, 1, 2}, {3, 4, 5}});
    giveOrder(state, {2, 0, 3, 1});
    ASSERT_TRUE(buildSchedules(state, host));
    EXPECT_EQ(mapsOf(state, 0), (std::vector<Pos>{2, 0, 3}));
    EXPECT_EQ(mapsOf(state, 1), (std::vector<Pos>{1, 2, 0}));
}

TEST(EqualMaps, FiveMemberTournamentGroup) {
    ListHost host;
    auto state = stateWith(true, 4, {{7, 3, 9, 1, 4}});
    giveOrder(state, {2, 0, 3, 1});
    ASSERT_TRUE(buildSchedules(state, host));
    ASSERT_EQ(state.memberCount[0], 5);
    ASSERT_EQ(state.matchCount[0], 6);
    const Schedule expected = {
        {7, 3, 2}, {9, 1, 0}, {4, kNone, kNone}, {0, 2, 3}, {1, kNone, kNone}, {0, 1, 1},
    };
    for (int k = 0; k < 6; ++k) {
        const Match& m = state.schedule[0][k];
        EXPECT_EQ(m.first, expected[k].first) << "match " << k + 1;
        EXPECT_EQ(m.second, expected[k].second) << "match " << k + 1;
        EXPECT_EQ(m.map, expected[k].map) << "match " << k + 1;
    }
}

// The first deal shuffles 0..mapCount-1 from the clock and deals its first entry.
TEST(EqualMaps, FirstDealShufflesTheOrder) {
    ListHost host;
    host.clock = 987654;
    auto state = stateWith(false, 7, {{0, 1, 2, 3}});
    ASSERT_TRUE(buildSchedules(state, host));

    std::vector<Pos> order(7);
    std::iota(order.begin(), order.end(), Pos{0});
    AssignmentState reference;
    ASSERT_TRUE(shuffleElements(reference, host, order.data(), 7, sizeof(Pos)));
    ASSERT_TRUE(state.mapOrder);
    EXPECT_EQ(*state.mapOrder, order);
    EXPECT_EQ(mapsOf(state, 0), std::vector<Pos>(order.begin(), order.begin() + 6));
    EXPECT_EQ(state.mapCursor, 5);
}

// Random maps continue the generator's sequence, one draw per real match.
TEST(RandomMaps, DrawsInMatchOrderSkippingByes) {
    ListHost host;
    auto state = stateWith(true, 3, {{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9}});
    state.settings.equalMaps = false;
    state.random.seed(31337);
    ASSERT_TRUE(buildSchedules(state, host));

    Random expected;
    expected.seed(31337);
    for (int g = 0; g < 2; ++g) {
        for (int k = 0; k < state.matchCount[g]; ++k) {
            const Match& m = state.schedule[g][k];
            EXPECT_EQ(m.map, m.second == kNone ? kNone : expected.draw() % 3) << g << "/" << k;
        }
    }
    EXPECT_EQ(state.random.state(), expected.state());
    EXPECT_FALSE(state.mapOrder);
}

struct SmallGroupCase {
    bool tournament;
    std::vector<Pos> row;
    std::vector<Match> expected;
};

TEST(Schedules, EmptyAndSingleMemberGroups) {
    const SmallGroupCase cases[] = {
        {false, {-1, -1, -1}, {}},
        {true, {-1, -1, -1}, {}},
        {false, {6, -1, -1}, {{6, kNone, kNone}}},
        {true, {6, -1, -1}, {{6, kNone, kNone}}},
    };
    for (const auto& c : cases) {
        ListHost host;
        auto state = stateWith(c.tournament, 2, {c.row});
        ASSERT_TRUE(buildSchedules(state, host));
        ASSERT_EQ(state.matchCount[0], static_cast<Pos>(c.expected.size()));
        for (std::size_t k = 0; k < c.expected.size(); ++k) {
            EXPECT_EQ(state.schedule[0][k].first, c.expected[k].first);
            EXPECT_EQ(state.schedule[0][k].second, c.expected[k].second);
            EXPECT_EQ(state.schedule[0][k].map, c.expected[k].map);
        }
        EXPECT_FALSE(state.mapOrder) << "no map dealt, no order shuffled";
    }
}

// Full assignments over many inputs: counts, translations, capacity and maps.
TEST(Schedules, PropertiesOverRandomAssignments) {
    std::mt19937 gen(555);
    for (int trial = 0; trial < 3000; ++trial) {
        ListHost host;
        host.clock = gen();
        host.groupCountText = std::to_string(1 + gen() % 8);
        host.groupSizeText = std::to_string(1 + gen() % 8);
        const int places = std::stoi(host.groupCountText) * std::stoi(host.groupSizeText);
        host.participants = test::names("p", 1 + static_cast<int>(gen() % places));
        host.maps = test::names("m", 1 + static_cast<int>(gen() % 10));
        host.tournament = gen() % 2;
        host.spreadVacancies = gen() % 2;
        host.mapsEnabled = gen() % 3 != 0;
        host.equalMaps = gen() % 2;

        AssignmentState state;
        ASSERT_EQ(assign(state, host), AssignOutcome::Assigned);
        const Settings& s = state.settings;
        const int capacity = matchCountFor(s.groupSize, s.tournament);
        std::vector<int> dealt(host.maps.size(), 0);
        int deals = 0;
        for (int g = 0; g < s.groupCount; ++g) {
            const auto& row = state.groupTable[g];
            const int members = static_cast<int>(std::find(row.begin(), row.end(), kNone) - row.begin());
            ASSERT_EQ(state.memberCount[g], members);
            ASSERT_EQ(state.matchCount[g], matchCountFor(members, s.tournament));
            ASSERT_EQ(static_cast<int>(state.schedule[g].size()), capacity);
            const int firstRound = s.tournament ? (members + 1) / 2 : state.matchCount[g];
            for (int k = 0; k < capacity; ++k) {
                const Match& m = state.schedule[g][k];
                if (k >= state.matchCount[g]) {
                    EXPECT_TRUE(m.first == 0 && m.second == 0 && m.map == 0) << "capacity stays zero";
                    continue;
                }
                if (k < firstRound) {
                    EXPECT_NE(std::find(row.begin(), row.begin() + members, m.first), row.begin() + members);
                }
                if (m.second == kNone || !s.mapsEnabled) {
                    EXPECT_EQ(m.map, kNone);
                } else {
                    ASSERT_GE(m.map, 0);
                    ASSERT_LT(m.map, s.mapCount);
                    ++dealt[m.map];
                    ++deals;
                }
            }
        }
        if (s.mapsEnabled && s.equalMaps) {
            const int n = s.mapCount;
            for (int d : dealt) {
                EXPECT_TRUE(d == deals / n || d == (deals + n - 1) / n) << d << " of " << deals;
            }
        }
    }
}

}  // namespace
}  // namespace rl
