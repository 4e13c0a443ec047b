#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "engine/list_host.h"
#include "engine/shuffle.h"
#include "engine/shuffle_internal.h"
#include "support.h"

namespace rl {
namespace {

std::vector<Pos> identity(int n) {
    std::vector<Pos> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), Pos{0});
    return order;
}

std::vector<Pos> shuffledAt(std::uint32_t clock, int n) {
    AssignmentState state;
    ListHost host;
    host.clock = clock;
    auto order = identity(n);
    EXPECT_TRUE(shuffleElements(state, host, order.data(), n, sizeof(Pos)));
    return order;
}

// Draws 5, 7, 2 then 9, 1, 4 over 0..3: each draw sees the array as the row
// before it left it.
TEST(Shuffle, WorkedTableWithInjectedDraws) {
    ListHost host;
    std::vector<Pos> array = {0, 1, 2, 3};
    const int draws[] = {5, 7, 2, 9, 1, 4};
    std::vector<std::vector<Pos>> rows;
    std::size_t next = 0;
    auto draw = [&] {
        if (next > 0) {
            rows.push_back(array);
        }
        return draws[next++];
    };
    ASSERT_TRUE(sattoloPasses(host, array.data(), 4, sizeof(Pos), draw));
    rows.push_back(array);

    const std::vector<std::vector<Pos>> expected = {
        {0, 1, 3, 2}, {0, 3, 1, 2}, {3, 0, 1, 2}, {2, 0, 1, 3}, {2, 1, 0, 3}, {1, 2, 0, 3},
    };
    EXPECT_EQ(next, 6u);
    EXPECT_EQ(rows, expected);
}

// Elements move as whole blocks of their size.
TEST(Shuffle, MovesWholeBlocks) {
    ListHost host;
    std::vector<Match> matches;
    for (Pos i = 0; i < 5; ++i) {
        matches.push_back({i, static_cast<Pos>(100 + i), static_cast<Pos>(-i)});
    }
    std::vector<Pos> positions = identity(5);
    const int draws[] = {11, 4, 9, 30, 2, 5, 7, 1};
    std::size_t a = 0, b = 0;
    ASSERT_TRUE(sattoloPasses(host, matches.data(), 5, sizeof(Match), [&] { return draws[a++]; }));
    ASSERT_TRUE(sattoloPasses(host, positions.data(), 5, sizeof(Pos), [&] { return draws[b++]; }));
    for (std::size_t i = 0; i < 5; ++i) {
        const Pos p = positions[i];
        EXPECT_EQ(matches[i].first, p);
        EXPECT_EQ(matches[i].second, 100 + p);
        EXPECT_EQ(matches[i].map, -p);
    }
}

// The generator is seeded from the clock at every call and drawn 2(n-1) times.
TEST(Shuffle, SeedsFromTheClockEveryCall) {
    std::mt19937 gen(17);
    for (int trial = 0; trial < 200; ++trial) {
        const std::uint32_t clock = gen();
        const int n = 1 + static_cast<int>(gen() % 128);

        AssignmentState state;
        ListHost host;
        host.clock = clock;
        state.random.seed(12345);
        auto first = identity(n);
        auto second = identity(n);
        ASSERT_TRUE(shuffleElements(state, host, first.data(), n, sizeof(Pos)));
        ASSERT_TRUE(shuffleElements(state, host, second.data(), n, sizeof(Pos)));
        EXPECT_EQ(first, second);

        Random expected;
        expected.seed(clock);
        for (int i = 0; i < 2 * (n - 1); ++i) {
            expected.draw();
        }
        EXPECT_EQ(state.random.state(), expected.state()) << "n=" << n;
    }
}

TEST(Shuffle, PermutationProperties) {
    std::mt19937 gen(4242);
    for (int trial = 0; trial < 2000; ++trial) {
        const std::uint32_t clock = gen();
        const int n = 1 + trial % 128;
        auto order = shuffledAt(clock, n);
        auto sorted = order;
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(sorted, identity(n)) << "not a permutation, clock " << clock;
        EXPECT_EQ(test::parity(order), 0) << "odd permutation, n=" << n << " clock " << clock;
    }
}

TEST(Shuffle, SmallArrays) {
    std::mt19937 gen(99);
    const std::vector<std::vector<Pos>> rotations = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}};
    for (int trial = 0; trial < 500; ++trial) {
        const std::uint32_t clock = gen();
        EXPECT_EQ(shuffledAt(clock, 1), identity(1));
        EXPECT_EQ(shuffledAt(clock, 2), identity(2)) << "two passes over two elements cancel";
        auto three = shuffledAt(clock, 3);
        EXPECT_NE(std::find(rotations.begin(), rotations.end(), three), rotations.end());
    }
}

struct FillCase {
    std::vector<Pos> order;
    bool spread;
    GroupTable expected;
};

TEST(FillGroups, WorkedExamples) {
    const std::vector<Pos> ten = {7, 2, 9, 0, 4, 1, 8, 3, 6, 5};
    const std::vector<Pos> five = {3, 0, 4, 1, 2};
    const FillCase cases[] = {
        {ten, true, {{7, 0, 8, 5}, {2, 4, 3, -1}, {9, 1, 6, -1}}},
        {ten, false, {{7, 2, 9, 0}, {4, 1, 8, 3}, {6, 5, -1, -1}}},
        {five, true, {{3, 1, -1, -1}, {0, 2, -1, -1}, {4, -1, -1, -1}}},
        {five, false, {{3, 0, 4, 1}, {2, -1, -1, -1}, {-1, -1, -1, -1}}},
    };
    for (const FillCase& c : cases) {
        GroupTable table(3, std::vector<Pos>(4));
        layGroups(c.order, c.spread, table);
        EXPECT_EQ(table, c.expected) << (c.spread ? "spread" : "sequential") << " of " << c.order.size();
    }
}

// fillGroups lays out exactly the order that the clock's shuffle gives.
TEST(FillGroups, LaysOutTheShuffledOrder) {
    std::mt19937 gen(7);
    for (int trial = 0; trial < 300; ++trial) {
        AssignmentState state;
        ListHost host;
        host.clock = gen();
        Settings& s = state.settings;
        s.groupCount = 1 + static_cast<int>(gen() % 8);
        s.groupSize = 1 + static_cast<int>(gen() % 8);
        s.participantCount = 1 + static_cast<int>(gen() % (s.groupCount * s.groupSize));
        s.spreadVacancies = gen() % 2;
        ASSERT_TRUE(fillGroups(state, host));

        GroupTable expected(s.groupCount, std::vector<Pos>(s.groupSize));
        layGroups(shuffledAt(host.clock, s.participantCount), s.spreadVacancies, expected);
        EXPECT_EQ(state.groupTable, expected);
    }
}

TEST(FillGroups, RowsAreMembersThenVacancies) {
    std::mt19937 gen(2024);
    for (int trial = 0; trial < 2000; ++trial) {
        const int groups = 1 + trial % 8;
        const int places = 1 + (trial / 8) % 8;
        const int participants = 1 + static_cast<int>(gen() % (groups * places));
        const bool spread = trial % 2;
        GroupTable table(groups, std::vector<Pos>(places));
        layGroups(shuffledAt(gen(), participants), spread, table);

        std::vector<int> members;
        std::vector<int> seen(participants, 0);
        for (const auto& row : table) {
            auto firstVacancy = std::find(row.begin(), row.end(), kNone);
            ASSERT_TRUE(std::all_of(firstVacancy, row.end(), [](Pos p) { return p == kNone; }));
            members.push_back(static_cast<int>(firstVacancy - row.begin()));
            for (auto it = row.begin(); it != firstVacancy; ++it) {
                ++seen.at(*it);
            }
        }
        EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; }));
        for (int g = 1; g < groups; ++g) {
            if (spread) {  // larger groups first, differing by at most one
                EXPECT_LE(members[g], members[g - 1]);
                EXPECT_LE(members[0] - members[g], 1);
            } else {  // a group starts only when the one before is full
                EXPECT_TRUE(members[g] == 0 || members[g - 1] == places);
            }
        }
    }
}

TEST(FillGroups, SingleParticipantTakesFirstPlace) {
    for (bool spread : {false, true}) {
        AssignmentState state;
        ListHost host;
        state.settings = {false, false, false, spread, 1, 0, 3, 4};
        ASSERT_TRUE(fillGroups(state, host));
        EXPECT_EQ(state.groupTable[0][0], 0);
        EXPECT_EQ(state.groupTable[0][1], kNone);
        EXPECT_EQ(state.groupTable[1][0], kNone);
    }
}

}  // namespace
}  // namespace rl
