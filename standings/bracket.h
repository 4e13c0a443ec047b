#pragma once
// What results.cpp and standings.cpp share: a group's matches with the
// players that the results have made known so far.
#include <vector>

#include "standings/standings.h"

namespace rl::bracket {

struct Resolved {
    std::vector<MatchState> matches;
    std::vector<int> roundSizes;  // entries of each knock-out round, byes included
};

bool groupExists(const AssignmentState& state, int group);

// Every match of the group in number order, each cell filled from the
// winners of earlier matches, counting only results that may stand.
Resolved resolve(const AssignmentState& state, const Results& results, int group);

// Range, then tie: what a score alone may be refused for.
ResultProblem scoreProblem(Score score);

}  // namespace rl::bracket
