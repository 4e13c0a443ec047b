#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "standings/results.h"

namespace rl::cli {

struct ResultsFile {
    Results results;
    int errorLine = 0;  // 1-based; 0 when every line was taken
    std::string error;
    // Earlier results taken away because a line changed who played them.
    std::vector<MatchKey> takenAway;

    bool ok() const { return errorLine == 0; }
};

// Reads a UTF-8 results file for the assignment, one result a line:
// "GROUP MATCH SCORE", SCORE being "W:L" or the winner's name. A byte-order
// mark, blank lines and lines starting with '#' are skipped; lines may come
// in any order. On the first line refused, no result is kept.
// The results start from `earlier`: a line replaces the earlier result of its
// match, and when it gives a knock-out match to the other player, the later
// results that player's wins led to are taken away unless a line gives them.
ResultsFile readResultsFile(std::string_view bytes, const AssignmentState& state, Host& host,
                            const Results& earlier = {});

}  // namespace rl::cli
