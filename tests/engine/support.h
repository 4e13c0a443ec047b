#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/assignment.h"
#include "engine/list_host.h"
#include "engine/pairing.h"
#include "engine/shuffle.h"

namespace rl::test {

inline std::vector<std::string> names(const std::string& prefix, int count) {
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) out.push_back(prefix + std::to_string(i));
    return out;
}

inline ListHost hostWith(int participants, int maps, bool mapsEnabled, const char* groups, const char* places) {
    ListHost host;
    host.participants = names("p", participants);
    host.maps = names("m", maps);
    host.mapsEnabled = mapsEnabled;
    host.groupCountText = groups;
    host.groupSizeText = places;
    return host;
}

// "(0,1) (2,-1)": pairs, or the first `count` matches as (first,second,map).
inline std::string show(const PairList& pairs) {
    std::string out;
    for (const Pair& p : pairs) {
        out += (out.empty() ? "(" : " (") + std::to_string(p.a) + "," + std::to_string(p.b) + ")";
    }
    return out;
}
inline std::string show(const Schedule& matches, int count) {
    std::string out;
    for (int k = 0; k < count; ++k) {
        const Match& m = matches.at(static_cast<std::size_t>(k));
        out += (out.empty() ? "(" : " (") + std::to_string(m.first) + "," + std::to_string(m.second) + "," +
               std::to_string(m.map) + ")";
    }
    return out;
}

inline std::vector<Pos> identity(int n) {
    std::vector<Pos> order;
    for (int i = 0; i < n; ++i) order.push_back(static_cast<Pos>(i));
    return order;
}

// The order a shuffle of 0..n-1 gives at `clock`.
inline std::vector<Pos> shuffledAt(std::uint32_t clock, int n) {
    AssignmentState state;
    ListHost host;
    host.clock = clock;
    auto order = identity(n);
    EXPECT_TRUE(shuffleElements(state, host, order.data(), n, sizeof(Pos)));
    return order;
}

// Number of inversions modulo 2: 0 for an even permutation of 0..n-1.
inline int parity(const std::vector<Pos>& order) {
    int inversions = 0;
    for (std::size_t i = 0; i < order.size(); ++i)
        for (std::size_t j = i + 1; j < order.size(); ++j) inversions += order[i] > order[j];
    return inversions % 2;
}

// Leaves the allocation failure disarmed whatever a test did.
struct DisarmAllocationFailure {
    ~DisarmAllocationFailure() { failAllocationsAfter(-1); }
};

}  // namespace rl::test
