#pragma once
// The steps every draw shares once its settings are captured, so that a
// plain, a seeded and a placed draw fail and report alike.
#include <new>

#include "engine/assignment.h"
#include "engine/schedule.h"
#include "engine/shuffle.h"

namespace rl {

// Fills the groups from `filler` (the host, or one that watches its clock),
// lets `lay` set the groups as the draw wants them (false: refused, the state
// released), then builds the schedules. An allocation failure is reported
// and releases the state.
template <class Lay>
AssignOutcome fillLayAndSchedule(AssignmentState& state, Host& host, Host& filler, Lay lay) {
    try {
        if (fillGroups(state, filler)) {
            if (!lay()) {
                releaseAssignment(state);
                return AssignOutcome::Rejected;
            }
            if (buildSchedules(state, host)) return AssignOutcome::Assigned;
        }
    } catch (const std::bad_alloc&) {
        // Storage that does not go through allocateZeroed fails the same way.
        host.reportAllocationFailure();
    }
    releaseAssignment(state);
    return AssignOutcome::OutOfMemory;
}

}  // namespace rl
