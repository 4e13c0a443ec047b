#include "standings/final_standings.h"

#include <algorithm>

#include "standings/bracket.h"

namespace rl {

std::vector<FinalStanding> finalStandings(const AssignmentState& state, const Results& results,
                                          const Playoff& playoff, const PlayoffBracket& bracket) {
    std::vector<FinalStanding> out;
    const auto qualifier = [&](Pos player) {
        return std::find_if(bracket.players.begin(), bracket.players.end(),
                            [&](const Qualifier& q) { return q.player == player; });
    };
    for (const Standing& s : bracket.standings) {
        const auto q = qualifier(s.player);
        out.push_back({s.player, s.rank, q->group, q->place, true, s.withdrawn});
    }
    std::vector<FinalStanding> others;
    for (int g = 0; g < bracket::groupCount(state); ++g) {
        for (const Standing& s : settledStandings(state, results, g, playoff.settled)) {
            if (qualifier(s.player) == bracket.players.end()) {
                const bool withdrawn = s.withdrawn || playoff.results.withdrawals().has(s.player);
                others.push_back({s.player, s.rank, g, s.rank, false, withdrawn});
            }
        }
    }
    std::stable_sort(others.begin(), others.end(),
                     [](const FinalStanding& a, const FinalStanding& b) { return a.groupPlace < b.groupPlace; });
    const int through = static_cast<int>(bracket.players.size());
    for (std::size_t i = 0; i < others.size(); ++i) {
        const bool level = i > 0 && others[i].groupPlace == others[i - 1].groupPlace;
        others[i].rank = level ? others[i - 1].rank : through + 1 + static_cast<int>(i);
        out.push_back(others[i]);
    }
    return out;
}

}  // namespace rl
