#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/shuffle.h"
#include "engine/shuffle_internal.h"
#include "support.h"

namespace rl {
namespace {

using test::identity;

// Draws 5, 7, 2 then 9, 1, 4 over 0..3: each draw sees the array as the row
// before it left it. The same draws move 12-byte matches as whole blocks.
TEST(Shuffle, WorkedTableWithInjectedDraws) {
    ListHost host;
    std::vector<Pos> array = identity(4);
    const int draws[] = {5, 7, 2, 9, 1, 4};
    std::vector<std::vector<Pos>> rows;
    std::size_t next = 0;
    ASSERT_TRUE(sattoloPasses(host, array.data(), 4, sizeof(Pos), [&] {
        if (next > 0) rows.push_back(array);
        return draws[next++];
    }));
    rows.push_back(array);
    EXPECT_EQ(rows, (std::vector<std::vector<Pos>>{
                        {0, 1, 3, 2}, {0, 3, 1, 2}, {3, 0, 1, 2}, {2, 0, 1, 3}, {2, 1, 0, 3}, {1, 2, 0, 3}}));

    std::vector<Match> matches;
    for (Pos i = 0; i < 4; ++i) matches.push_back({i, static_cast<Pos>(100 + i), static_cast<Pos>(-i)});
    next = 0;
    ASSERT_TRUE(sattoloPasses(host, matches.data(), 4, sizeof(Match), [&] { return draws[next++]; }));
    EXPECT_EQ(test::show(matches, 4), "(1,101,-1) (2,102,-2) (0,100,0) (3,103,-3)");
}

// Every call reseeds from the clock, draws 2(n-1) times and yields an even
// permutation; over two elements the two passes cancel.
TEST(Shuffle, PropertiesOverRandomClocks) {
    std::mt19937 gen(17);
    for (int trial = 0; trial < 2000; ++trial) {
        const std::uint32_t clock = gen();
        const int n = 1 + trial % 128;
        AssignmentState state;
        ListHost host;
        host.clock = clock;
        state.random.seed(12345);
        auto order = identity(n);
        ASSERT_TRUE(shuffleElements(state, host, order.data(), n, sizeof(Pos)));
        EXPECT_EQ(order, test::shuffledAt(clock, n)) << "same clock, same order, whatever the state";
        Random expected;
        expected.seed(clock);
        for (int i = 0; i < 2 * (n - 1); ++i) expected.draw();
        EXPECT_EQ(state.random.state(), expected.state()) << "n=" << n;

        EXPECT_EQ(test::parity(order), 0) << "odd permutation, n=" << n << " clock " << clock;
        if (n == 2) {
            EXPECT_EQ(order, identity(2));
        }
        std::sort(order.begin(), order.end());
        ASSERT_EQ(order, identity(n)) << "not a permutation, clock " << clock;
    }
}

TEST(FillGroups, WorkedExamples) {
    const std::vector<Pos> ten = {7, 2, 9, 0, 4, 1, 8, 3, 6, 5};
    const std::vector<Pos> five = {3, 0, 4, 1, 2};
    const struct {
        std::vector<Pos> order;
        bool spread;
        GroupTable expected;
    } cases[] = {
        {ten, true, {{7, 0, 8, 5}, {2, 4, 3, -1}, {9, 1, 6, -1}}},
        {ten, false, {{7, 2, 9, 0}, {4, 1, 8, 3}, {6, 5, -1, -1}}},
        {five, true, {{3, 1, -1, -1}, {0, 2, -1, -1}, {4, -1, -1, -1}}},
        {five, false, {{3, 0, 4, 1}, {2, -1, -1, -1}, {-1, -1, -1, -1}}},
    };
    for (const auto& c : cases) {
        GroupTable table(3, std::vector<Pos>(4));
        layGroups(c.order, c.spread, table);
        EXPECT_EQ(table, c.expected) << (c.spread ? "spread" : "sequential") << " of " << c.order.size();
    }
}

}  // namespace
}  // namespace rl
