#pragma once
#include <string>

#include "standings/standings.h"

namespace rl {

// The standings of one group as it follows the export: a blank line, the
// heading "< A조 순위 >", for a knock-out its matches with the players and
// scores known so far and a blank line, then the table of ranks. CP949,
// CR LF, widths in bytes like the export.
std::string standingsGroupText(const AssignmentState& state, const Results& results, Host& host, int group);
// Every group's standings, A first.
std::string standingsText(const AssignmentState& state, const Results& results, Host& host);
// The export file followed by every group's standings: what a results file
// adds to the event's text.
std::string standingsFileText(const AssignmentState& state, const Results& results, Host& host);

}  // namespace rl
