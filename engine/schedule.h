#pragma once
#include "engine/assignment.h"

namespace rl {

// Fills memberCount, matchCount and schedule from the groupTable, dealing a
// map to every real match when maps are used. False on exhausted memory.
bool buildSchedules(AssignmentState& state, Host& host);

// The next match's map: drawn at random, or dealt in turn from mapOrder
// (shuffled at the first deal of an assignment). nullopt on exhausted memory.
std::optional<Pos> pickMap(AssignmentState& state, Host& host);

}  // namespace rl
