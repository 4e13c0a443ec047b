#pragma once
// A dual group's table checked from its matches and standings alone, apart
// from the engine's own reasoning: for the tests and the fuzz target.
#include <algorithm>
#include <string>

#include "standings/standings.h"

namespace rl::test {

// "" when the table keeps the format's promises, else the promise broken.
// A group is complete when every match that is not a bye has a result.
inline std::string brokenDualRule(const GroupStandings& g) {
    const int members = static_cast<int>(g.standings.size());
    const bool complete = std::all_of(g.matches.begin(), g.matches.end(),
                                      [](const MatchState& m) { return m.bye || m.score.has_value(); });
    std::string seen(static_cast<std::size_t>(members) + 1, '.');
    for (const Standing& s : g.standings) {
        if (s.tied) return "a tie in a dual group";
        if (s.rank < 0 || s.rank > members) return "a place past the members";
        if (s.rank > 0 && seen[static_cast<std::size_t>(s.rank)] == 'x') return "a place given twice";
        if (s.rank > 0) seen[static_cast<std::size_t>(s.rank)] = 'x';
        if (complete && s.rank == 0) return "a member of a complete group without a place";
        if (members == 4 && complete && s.played < 2) return "a member of a full group played fewer than two";
        if (members == 4 && s.rank == 1 && (s.wins != 2 || s.losses != 0)) return "the 1st did not win twice";
        if (members == 4 && s.rank == 4 && (s.losses != 2 || s.wins != 0)) return "the 4th did not lose twice";
        if (s.losses >= 2 && s.rank == 0) return "a member out twice still in";
    }
    return {};
}

}  // namespace rl::test
