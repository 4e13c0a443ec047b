#pragma once
#include "engine/assignment.h"

namespace rl {

// Fills memberCount, matchCount and schedule from the groupTable, dealing a
// map to every real match when maps are used. False on exhausted memory.
bool buildSchedules(AssignmentState& state, Host& host);

// The next match's map: drawn at random, or dealt in turn from mapOrder
// (shuffled at the first deal of an assignment). nullopt on exhausted memory.
std::optional<Pos> pickMap(AssignmentState& state, Host& host);

// The maps of the next match of `games` games, in game order. Dealt evenly,
// the deal runs on over every game; drawn, the series draws from the list
// without putting back until the list is used up. One game is pickMap's
// map, drawn the same way. nullopt on exhausted memory.
std::optional<std::vector<Pos>> pickSeriesMaps(AssignmentState& state, Host& host, int games);

}  // namespace rl
