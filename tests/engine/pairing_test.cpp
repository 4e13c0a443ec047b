#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "support.h"

namespace rl {
namespace {

TEST(MatchCount, TableForBothModes) {
    const int league[] = {0, 1, 1, 3, 6, 10, 15, 21, 28};
    const int tournament[] = {0, 1, 1, 3, 3, 6, 6, 7, 7};
    for (int m = 0; m <= 8; ++m) {
        EXPECT_EQ(matchCountFor(m, false), league[m]) << "m=" << m;
        EXPECT_EQ(matchCountFor(m, true), tournament[m]) << "m=" << m;
    }
}

TEST(Pairing, EveryWorkedList) {
    const std::pair<int, const char*> leagues[] = {
        {1, "(0,-1)"},
        {2, "(0,1)"},
        {3, "(0,1) (0,2) (1,2)"},
        {4, "(0,1) (2,3) (0,2) (0,3) (1,2) (1,3)"},
        {5, "(0,1) (2,3) (0,4) (1,2) (3,4) (0,2) (0,3) (1,3) (1,4) (2,4)"},
        {6, "(0,1) (2,3) (4,5) (0,2) (3,4) (0,5) (1,2) (3,5) (0,3) (0,4) (1,3) (1,4) (2,4) (1,5) (2,5)"},
        {7, "(0,1) (2,3) (4,5) (0,6) (1,2) (3,4) (5,6) (0,2) (3,5) (1,6) (2,4) (0,5) (1,3) (4,6) (0,3) "
            "(0,4) (1,4) (1,5) (2,5) (2,6) (3,6)"},
        {8, "(0,1) (2,3) (4,5) (6,7) (0,2) (3,4) (5,6) (0,7) (1,2) (3,5) (0,6) (1,3) (4,6) (1,7) (2,4) "
            "(5,7) (0,3) (4,7) (0,4) (0,5) (1,4) (1,5) (2,5) (1,6) (2,6) (2,7) (3,6) (3,7)"},
    };
    const std::pair<int, const char*> brackets[] = {
        {1, "(0,-1)"},
        {2, "(0,1)"},
        {3, "(0,1) (2,-1) (0,1)"},
        {4, "(0,1) (2,3) (0,1)"},
        {5, "(0,1) (2,3) (4,-1) (0,2) (1,-1) (0,1)"},
        {6, "(0,1) (2,3) (4,5) (0,1) (2,-1) (0,1)"},
        {7, "(0,1) (2,3) (4,5) (6,-1) (0,1) (2,3) (0,1)"},
        {8, "(0,1) (2,3) (4,5) (6,7) (0,1) (2,3) (0,1)"},
    };
    ListHost host;
    for (const auto& [m, expected] : leagues) {
        auto pairs = leaguePairs(host, m, matchCountFor(m, false));
        ASSERT_TRUE(pairs);
        EXPECT_EQ(test::show(*pairs), expected) << "league m=" << m;
    }
    for (const auto& [m, expected] : brackets) {
        auto pairs = bracketPairs(host, m, matchCountFor(m, true));
        ASSERT_TRUE(pairs);
        EXPECT_EQ(test::show(*pairs), expected) << "bracket m=" << m;
    }
}

// A league pairs everyone once, smaller first. A bracket's round 0 seats
// every member once; every later side is a distinct winner of the round
// before, a bye only last in its round.
TEST(Pairing, PropertiesUpToSixteen) {
    ListHost host;
    for (int m = 0; m <= 16; ++m) {
        auto league = leaguePairs(host, m, matchCountFor(m, false));
        ASSERT_TRUE(league);
        ASSERT_EQ(static_cast<int>(league->size()), matchCountFor(m, false));
        std::set<std::pair<int, int>> seen;
        for (const Pair& p : m > 1 ? *league : PairList{}) {
            EXPECT_TRUE(0 <= p.a && p.a < p.b && p.b < m) << "m=" << m << ": " << p.a << "," << p.b;
            EXPECT_TRUE(seen.insert({p.a, p.b}).second) << "m=" << m << " repeats " << p.a << "," << p.b;
        }
        EXPECT_EQ(static_cast<int>(seen.size()), m * (m - 1) / 2);

        const int count = matchCountFor(m, true);
        auto bracket = bracketPairs(host, m, count);
        ASSERT_TRUE(bracket);
        ASSERT_EQ(static_cast<int>(bracket->size()), count);
        int start = 0;
        for (int entrants = m, length = (m + 1) / 2; start < count; entrants = length, length = (length + 1) / 2) {
            std::multiset<int> sides;
            for (int k = start; k < start + length; ++k) {
                const Pair& p = (*bracket)[k];
                sides.insert(p.a);
                if (p.b != kNone) {
                    sides.insert(p.b);
                } else {
                    EXPECT_EQ(k, start + length - 1) << "m=" << m << ": a bye is its round's last entry";
                }
            }
            std::multiset<int> expected;
            for (int v = 0; v < entrants; ++v) expected.insert(v);
            EXPECT_EQ(sides, expected) << "m=" << m << " round at " << start;
            start += length;
        }
        EXPECT_EQ(start, count);
    }
    EXPECT_EQ(host.allocationFailuresReported, 0);
}

// The bracket's list is reported like every other allocation, and neither
// generator writes through a list it did not get.
TEST(Pairing, FailedListIsReported) {
    test::DisarmAllocationFailure disarm;
    for (bool tournament : {false, true}) {
        ListHost host;
        failAllocationsAfter(0);
        const int count = matchCountFor(5, tournament);
        auto pairs = tournament ? bracketPairs(host, 5, count) : leaguePairs(host, 5, count);
        EXPECT_FALSE(pairs);
        EXPECT_EQ(host.allocationFailuresReported, 1);
    }
}

}  // namespace
}  // namespace rl
