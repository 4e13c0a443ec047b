#pragma once
#include <string>

#include "engine/assignment.h"

namespace rl {

// The result window's two texts: every group side by side, and the matches
// of the chosen group. Tab-separated cells, CR LF between lines.
struct ResultView {
    std::string tableText;
    std::string scheduleText;
};

ResultView buildResultView(const AssignmentState& state, Host& host, int group);

}  // namespace rl
