#pragma once
#include <string>

#include "engine/assignment.h"

namespace rl {

// The export file is chunk 0 (the group table) followed by one chunk per group.
std::string exportTableText(const AssignmentState& state, Host& host);
std::string exportGroupText(const AssignmentState& state, Host& host, int group);
// The whole file: the table chunk and every group's chunk, in order.
std::string exportFileText(const AssignmentState& state, Host& host);

}  // namespace rl
