#pragma once
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/assignment.h"
#include "engine/pairing.h"

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
// "<%d경기 패자>"
void appendLoserOf(std::string& out, int number);

// One cell of a match as the draw lays it out: a participant (`from` 0), or
// the winner, or for a loser's cell the loser, of the earlier match `from`.
struct Cell {
    Pos player = kNone;
    int from = 0;
    bool loser = false;
};

// The cell's participant's name, or the match its player comes from.
void appendSide(std::string& out, Host& host, const Cell& cell);

// "(승자전)" and the like after a dual group's later matches; nothing elsewhere.
void appendStage(std::string& out, const Settings& settings, int number);

// "3전 2선승": how long a best-of-N match is, as the texts and the page say.
std::string seriesLengthText(int bestOf);

// What follows a match's players: its map "<map>" for one game; for a
// series "(3전 2선승)" and each game's map in game order,
// "(3전 2선승) <map 1> <map 2> <map 3>". `maps` is empty where no map is shown.
void appendMatchMaps(std::string& out, Host& host, int bestOf, const std::vector<Pos>& maps);

// Every game's map where the texts name maps (a map the draw left out is
// named as a vacancy is); nothing where they do not.
std::vector<Pos> shownMaps(const AssignmentState& state, const Match& match);


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
    if (!state.settings.tournament) {
        for (int k = 0; k < count; ++k) {
            const Match& match = schedule[static_cast<std::size_t>(k)];
            visit(k, match, Cell{match.first}, Cell{match.second});
        }
        return;
    }
    if (state.settings.dual) {
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

}  // namespace rl::pieces
