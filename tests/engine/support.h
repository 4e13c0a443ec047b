#pragma once
#include <string>
#include <vector>

#include "engine/assignment.h"
#include "engine/list_host.h"

namespace rl::test {

inline std::vector<std::string> names(const std::string& prefix, int count) {
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) {
        out.push_back(prefix + std::to_string(i));
    }
    return out;
}

// Number of inversions modulo 2: 0 for an even permutation of 0..n-1.
inline int parity(const std::vector<Pos>& order) {
    int inversions = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        for (std::size_t j = i + 1; j < order.size(); ++j) {
            inversions += order[i] > order[j];
        }
    }
    return inversions % 2;
}

// Leaves the allocation failure disarmed whatever a test did.
struct DisarmAllocationFailure {
    ~DisarmAllocationFailure() { failAllocationsAfter(-1); }
};

}  // namespace rl::test
