#pragma once
#include <string>
#include <string_view>

#include "standings/results.h"

namespace rl::cli {

struct ResultsFile {
    Results results;
    int errorLine = 0;  // 1-based; 0 when every line was taken
    std::string error;

    bool ok() const { return errorLine == 0; }
};

// Reads a UTF-8 results file for the assignment, one result a line:
// "GROUP MATCH SCORE", SCORE being "W:L" or the winner's name. A byte-order
// mark, blank lines and lines starting with '#' are skipped; lines may come
// in any order. On the first line refused, no result is kept.
ResultsFile readResultsFile(std::string_view bytes, const AssignmentState& state, Host& host);

}  // namespace rl::cli
