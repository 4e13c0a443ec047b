#pragma once
// A match's length: a best-of-N match (a series) is won by the first to win
// (N + 1) / 2 games, every game on its own map.
#include <vector>

#include "engine/assignment.h"

namespace rl {

constexpr int kMaxBestOf = 7;

constexpr bool validBestOf(int games) { return games == 1 || games == 3 || games == 5 || games == 7; }
constexpr int gamesToWin(int bestOf) { return (bestOf + 1) / 2; }

// Every game's map in game order (game 1's, then the later games'); empty
// for a match without a map.
template <class AnyMatch>
std::vector<Pos> gameMaps(const AnyMatch& match) {
    if (match.map == kNone) return {};
    std::vector<Pos> maps{match.map};
    maps.insert(maps.end(), match.laterMaps.begin(), match.laterMaps.end());
    return maps;
}

}  // namespace rl
