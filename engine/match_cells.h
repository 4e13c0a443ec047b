#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "engine/assignment.h"
#include "engine/group_format.h"
#include "engine/pairing.h"

// The cells of a group's matches as each format lays them out: what the
// texts write, the standings play and the page draws.
namespace rl {

// Entries of a group of m members in the event's format (byes included).
inline std::int32_t matchCountFor(std::int32_t m, const Settings& settings) {
    return settings.format == GroupFormat::Dual ? dualMatchCount(m) : matchCountFor(m, settings.tournament());
}

inline std::size_t groupCountOf(const AssignmentState& state) { return state.groupTable.size(); }

// Number of matches of a group to read, never more than its schedule holds.
inline int shownMatchCount(const AssignmentState& state, std::size_t group) {
    if (group >= state.matchCount.size() || group >= state.schedule.size()) {
        return 0;
    }
    const int count = state.matchCount[group];
    const int capacity = static_cast<int>(state.schedule[group].size());
    return std::max(0, std::min(count, capacity));
}

// One cell of a match as the draw lays it out: a participant (`from` 0), or
// the winner, or for a loser's cell the loser, of the earlier match `from`.
struct Cell {
    Pos player = kNone;
    int from = 0;
    bool loser = false;
};

// The cell of a dual group's match that holds `value` (see buildSchedules).
inline Cell dualCell(const DualCell& shape, Pos value) {
    if (shape.from == 0 || value == kNone) return {value, 0, false};
    return {kNone, shape.from, shape.loser};
}

// Calls visit(k, match, first, second) for every match of the group in
// schedule order, with the match's two cells. In a knock-out the later
// rounds' cells are the winners of the previous round's matches, numbered on
// from round to round; in a dual group the cells follow kDualMatches.
template <class Visit>
void forEachMatch(const AssignmentState& state, std::size_t group, Visit visit) {
    const int count = shownMatchCount(state, group);
    const Schedule& schedule = state.schedule[group];
    if (!state.settings.tournament()) {
        for (int k = 0; k < count; ++k) {
            const Match& match = schedule[static_cast<std::size_t>(k)];
            visit(k, match, Cell{match.first}, Cell{match.second});
        }
        return;
    }
    if (state.settings.format == GroupFormat::Dual) {
        for (int k = 0; k < count && k < 5; ++k) {
            const Match& match = schedule[static_cast<std::size_t>(k)];
            const DualMatch& shape = kDualMatches[k];
            visit(k, match, dualCell(shape.first, match.first), dualCell(shape.second, match.second));
        }
        return;
    }
    const auto side = [](Pos value, int offset) {
        return offset == 0 || value == kNone ? Cell{value} : Cell{kNone, value + offset};
    };
    const int members = group < state.memberCount.size() ? state.memberCount[group] : 0;
    int roundSize = (members + 1) / 2;
    int offset = 0;
    int k = 0;
    while (k < count) {
        const int roundFirst = k + 1;
        for (int i = 0; i < roundSize && k < count; ++i, ++k) {
            const Match& match = schedule[static_cast<std::size_t>(k)];
            visit(k, match, side(match.first, offset), side(match.second, offset));
        }
        offset = roundFirst;
        roundSize = std::max(1, (roundSize + 1) / 2);
    }
}

}  // namespace rl
