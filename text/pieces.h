#pragma once
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/assignment.h"

// Pieces shared by the result window's texts and the export file's text.
// Everything appends to one growing string: no name is ever cut.
namespace rl::pieces {

// Longest name the entry fields take; only used to size reservations.
constexpr std::size_t kLongName = 49;

// Fills the cell that began at `cellStart` with spaces up to `width` bytes.
// A cell that is already as long or longer stays as it is.
inline void padCell(std::string& out, std::size_t cellStart, std::size_t width) {
    const std::size_t used = out.size() - cellStart;
    if (used < width) {
        out.append(width - used, ' ');
    }
}

// "%2d경기:"
void appendMatchNumber(std::string& out, int number);
// "<%d경기 승자>"
void appendWinnerOf(std::string& out, int number);

// "3전 2선승": how long a best-of-N match is, as the texts and the page say.
std::string seriesLengthText(int bestOf);

// What follows a match's players: its map "<map>" for one game; for a
// series "(3전 2선승)" and each game's map in game order,
// "(3전 2선승) <map 1> <map 2> <map 3>". `maps` is empty where no map is shown.
void appendMatchMaps(std::string& out, Host& host, int bestOf, const std::vector<Pos>& maps);

// Every game's map where the texts name maps (a map the draw left out is
// named as a vacancy is); nothing where they do not.
std::vector<Pos> shownMaps(const AssignmentState& state, const Match& match);

// One side of a match. With offset 0 the value is a participant and its
// name is written; in a later bracket round it is a match position in the
// previous round, written as the winner of match value + offset.
void appendSide(std::string& out, Host& host, Pos value, int offset);

// The place p of group g, or a vacancy past the end of a short row.
inline Pos placeOf(const AssignmentState& state, std::size_t g, std::size_t p) {
    const auto& row = state.groupTable[g];
    return p < row.size() ? row[p] : kNone;
}

inline std::size_t groupCountOf(const AssignmentState& state) { return state.groupTable.size(); }
inline std::size_t groupSizeOf(const AssignmentState& state) {
    return static_cast<std::size_t>(std::max(state.settings.groupSize, 0));
}

// Number of matches to show for a group, never more than its schedule holds.
int shownMatchCount(const AssignmentState& state, std::size_t group);

// Calls visit(k, match, offset) for every match of the group in schedule
// order. The offset is 0 where sides are participants (a league, the first
// round of a bracket) and otherwise the number of the previous round's first
// match, so that numbers run on from round to round.
template <class Visit>
void forEachMatch(const AssignmentState& state, std::size_t group, Visit visit) {
    const int count = shownMatchCount(state, group);
    const Schedule& schedule = state.schedule[group];
    if (!state.settings.tournament) {
        for (int k = 0; k < count; ++k) {
            visit(k, schedule[static_cast<std::size_t>(k)], 0);
        }
        return;
    }
    const int members = group < state.memberCount.size() ? state.memberCount[group] : 0;
    int roundSize = (members + 1) / 2;
    int offset = 0;
    int k = 0;
    while (k < count) {
        const int roundFirst = k + 1;
        for (int i = 0; i < roundSize && k < count; ++i, ++k) {
            visit(k, schedule[static_cast<std::size_t>(k)], offset);
        }
        offset = roundFirst;
        roundSize = std::max(1, (roundSize + 1) / 2);
    }
}

}  // namespace rl::pieces
