#pragma once
// Groups placed by hand instead of drawn: who plays in which group and in
// which place is the organiser's, the rest (the pairs, the maps) is as for
// a draw of the same lists, settings and seed.
#include <string>
#include <vector>

#include "engine/assignment.h"

namespace rl {

struct Placement {
    // The participant list the placement was made for (CP949): a list that
    // changed since has to be placed again.
    std::vector<std::string> participants;
    // Each group's members in place order, by their position in that list;
    // the places after them, and groups past the rows, stay vacant.
    std::vector<std::vector<Pos>> groups;
};

// Whether the placement can stand with the captured settings: the list it
// was made for, no more groups or members than the settings have places,
// every participant placed once.
bool placementFits(const Placement& placement, const Settings& settings, Host& host);

// The whole assign step with the groups as placed. The participants are
// shuffled as a draw would shuffle them, then laid as placed, so that the
// seed deals the maps as it would for a draw. A placement that does not fit
// shows IDS_PLACEMENT_STALE and is Rejected.
AssignOutcome assignPlaced(AssignmentState& state, Host& host, const Placement& placement,
                           const DrawFormat& format = {});

}  // namespace rl
