#pragma once
#include <cstdint>

#include "engine/assignment.h"

namespace rl {

// Seeds the generator from host.now(), then runs two Sattolo passes over the
// n elements of `size` bytes each (2 * (n-1) draws). Returns false only when
// its one-element buffer could not be allocated (reported through the host).
bool shuffleElements(AssignmentState& state, Host& host, void* array, std::int32_t n, std::int32_t size);

// Shuffles participant positions into a new groupTable, spread column by
// column or filled group by group. False on exhausted memory.
bool fillGroups(AssignmentState& state, Host& host);

}  // namespace rl
