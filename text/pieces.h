#pragma once
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/assignment.h"
#include "engine/match_cells.h"

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

// The text, then spaces up to `width` bytes: a cell of a table's row.
inline void appendLeft(std::string& out, std::string_view text, std::size_t width) {
    const std::size_t start = out.size();
    out += text;
    padCell(out, start, width);
}

// Spaces, then the text, to `width` bytes: a counted column.
inline void appendRight(std::string& out, std::string_view text, std::size_t width) {
    if (text.size() < width) out.append(width - text.size(), ' ');
    out += text;
}

// Ends a table's line; the blanks that filled its last cell serve nothing there.
inline void endLine(std::string& out, std::size_t lineStart) {
    while (out.size() > lineStart && out.back() == ' ') out.pop_back();
    out += "\r\n";
}

// "%2d경기:"
void appendMatchNumber(std::string& out, int number);
// "<%d경기 승자>"
void appendWinnerOf(std::string& out, int number);
// "<%d경기 패자>"
void appendLoserOf(std::string& out, int number);

// The cell's participant's name, or the match its player comes from.
void appendSide(std::string& out, Host& host, const Cell& cell);

// "(승자전)" and the like after a match that stageName names; nothing elsewhere.
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

inline std::size_t groupSizeOf(const AssignmentState& state) {
    return static_cast<std::size_t>(std::max(state.settings.groupSize, 0));
}

}  // namespace rl::pieces
