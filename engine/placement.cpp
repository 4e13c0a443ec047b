#include "engine/placement.h"

#include <algorithm>

#include "engine/draw_steps.h"
#include "resources/placement.h"

namespace rl {

bool placementFits(const Placement& placement, const Settings& settings, Host& host) {
    const int count = host.listCount(ListKind::Participants);
    if (static_cast<std::size_t>(count) != placement.participants.size()) return false;
    for (int i = 0; i < count; ++i) {
        if (host.listText(ListKind::Participants, i) != placement.participants[static_cast<std::size_t>(i)]) return false;
    }
    if (placement.groups.size() > static_cast<std::size_t>(settings.groupCount)) return false;
    std::vector<bool> placed(static_cast<std::size_t>(count), false);
    std::size_t members = 0;
    for (const std::vector<Pos>& row : placement.groups) {
        if (row.size() > static_cast<std::size_t>(settings.groupSize)) return false;
        for (Pos p : row) {
            if (p < 0 || p >= count || placed[static_cast<std::size_t>(p)]) return false;
            placed[static_cast<std::size_t>(p)] = true;
        }
        members += row.size();
    }
    return members == static_cast<std::size_t>(count);
}

AssignOutcome assignPlaced(AssignmentState& state, Host& host, const Placement& placement, const DrawFormat& format) {
    releaseAssignment(state);
    if (!captureSettings(state, host, format)) return AssignOutcome::Rejected;
    if (!placementFits(placement, state.settings, host)) {
        releaseAssignment(state);
        host.showMessage(IDS_PLACEMENT_STALE);
        return AssignOutcome::Rejected;
    }
    return fillLayAndSchedule(state, host, host, [&] {
        for (std::size_t g = 0; g < state.groupTable.size(); ++g) {
            std::vector<Pos>& row = state.groupTable[g];
            std::fill(row.begin(), row.end(), kNone);
            if (g < placement.groups.size()) std::copy(placement.groups[g].begin(), placement.groups[g].end(), row.begin());
        }
        return true;
    });
}

}  // namespace rl
