#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <utility>

#include "engine/list_host.h"
#include "engine/pairing.h"
#include "support.h"

namespace rl {
namespace {

// "(0,1) (2,-1)" -> pairs
PairList parsePairs(const std::string& text) {
    PairList out;
    std::istringstream in(text);
    char open, comma, close;
    int a, b;
    while (in >> open >> a >> comma >> b >> close) {
        out.push_back({static_cast<Pos>(a), static_cast<Pos>(b)});
    }
    return out;
}

std::string show(const PairList& pairs) {
    std::string out;
    for (const Pair& p : pairs) {
        out += (out.empty() ? "(" : " (") + std::to_string(p.a) + "," + std::to_string(p.b) + ")";
    }
    return out;
}

// Round lengths of a bracket: ceil(m/2), then halving up to the final.
std::vector<int> roundLengths(int m) {
    std::vector<int> lengths;
    int x = m;
    do {
        x = (x + 1) / 2;
        lengths.push_back(x);
    } while (x > 1);
    return lengths;
}

TEST(MatchCount, TableForBothModes) {
    const int league[] = {0, 1, 1, 3, 6, 10, 15, 21, 28};
    const int tournament[] = {0, 1, 1, 3, 3, 6, 6, 7, 7};
    for (int m = 0; m <= 8; ++m) {
        EXPECT_EQ(matchCountFor(m, false), league[m]) << "m=" << m;
        EXPECT_EQ(matchCountFor(m, true), tournament[m]) << "m=" << m;
    }
}

TEST(LeaguePairs, EveryListAsTabled) {
    const std::pair<int, const char*> lists[] = {
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
    ListHost host;
    for (const auto& [m, expected] : lists) {
        auto pairs = leaguePairs(host, m, matchCountFor(m, false));
        ASSERT_TRUE(pairs);
        EXPECT_EQ(show(*pairs), show(parsePairs(expected))) << "m=" << m;
    }
}

TEST(LeaguePairs, EachPairOnceSmallerFirst) {
    ListHost host;
    for (int m = 2; m <= 8; ++m) {
        auto pairs = leaguePairs(host, m, matchCountFor(m, false));
        ASSERT_TRUE(pairs);
        std::set<std::pair<int, int>> seen;
        for (const Pair& p : *pairs) {
            EXPECT_LT(p.a, p.b) << "m=" << m;
            EXPECT_GE(p.a, 0);
            EXPECT_LT(p.b, m);
            EXPECT_TRUE(seen.insert({p.a, p.b}).second) << "m=" << m << " repeats " << p.a << "," << p.b;
        }
        EXPECT_EQ(static_cast<int>(seen.size()), m * (m - 1) / 2);
    }
}

TEST(BracketPairs, EveryWorkedBracket) {
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
    for (const auto& [m, expected] : brackets) {
        auto pairs = bracketPairs(host, m, matchCountFor(m, true));
        ASSERT_TRUE(pairs);
        EXPECT_EQ(show(*pairs), show(parsePairs(expected))) << "m=" << m;
    }
}

// Round 0 seats every member once; every later side is a distinct winner of
// the round before, up to sizes where the held-out rule still holds.
TEST(BracketPairs, LaterRoundsReferToThePreviousRound) {
    ListHost host;
    for (int m = 1; m <= 16; ++m) {
        const int count = matchCountFor(m, true);
        auto pairs = bracketPairs(host, m, count);
        ASSERT_TRUE(pairs);
        ASSERT_EQ(static_cast<int>(pairs->size()), count);
        int start = 0;
        int previous = m;  // entrants of the round
        for (int length : roundLengths(m)) {
            std::multiset<int> sides;
            for (int k = start; k < start + length; ++k) {
                const Pair& p = (*pairs)[k];
                sides.insert(p.a);
                if (p.b != kNone) {
                    sides.insert(p.b);
                } else {
                    EXPECT_EQ(k, start + length - 1) << "m=" << m << ": a bye is its round's last entry";
                }
            }
            EXPECT_EQ(static_cast<int>(sides.size()), previous) << "m=" << m;
            for (int v = 0; v < previous; ++v) {
                EXPECT_EQ(sides.count(v), 1u) << "m=" << m << " round at " << start << " side " << v;
            }
            start += length;
            previous = length;
        }
        EXPECT_EQ(start, count);
    }
}

TEST(Pairing, EmptyGroupWritesNothing) {
    ListHost host;
    auto league = leaguePairs(host, 0, 0);
    auto bracket = bracketPairs(host, 0, 0);
    ASSERT_TRUE(league && bracket);
    EXPECT_TRUE(league->empty());
    EXPECT_TRUE(bracket->empty());
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
