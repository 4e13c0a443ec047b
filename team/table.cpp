#include "team/table.h"

namespace rl::team {

std::vector<Standing> teamTable(int teams, const std::vector<TeamMatchOutcome>& outcomes) {
    std::vector<Standing> rows;
    for (Pos t = 0; t < teams; ++t) rows.push_back({t});
    std::vector<MatchState> matches;
    for (const TeamMatchOutcome& o : outcomes) {
        MatchState m;
        m.number = static_cast<int>(matches.size()) + 1;
        m.first = o.first;
        m.second = o.second;
        m.score = o.sets;
        m.winner = o.sets.first > o.sets.second ? o.first : o.second;
        matches.push_back(m);
    }
    return leagueTable(std::move(rows), matches, false, LeagueOrder::Teams);
}

std::string tableRowText(const Standing& row) {
    const int difference = row.mapsWon - row.mapsLost;
    return std::to_string(row.wins) + "승 " + std::to_string(row.losses) + "패 " + (difference > 0 ? "+" : "") +
           std::to_string(difference) + " (" + std::to_string(row.mapsWon) + "승 " + std::to_string(row.mapsLost) + "패)";
}

}  // namespace rl::team
