#include "event/team_standings.h"

#include <algorithm>

#include "engine/match_cells.h"
#include "engine/series.h"

namespace rl::event {

namespace {

int rosterSize(const team::TeamLeague& league, Pos team) {
    return team >= 0 && static_cast<std::size_t>(team) < league.rosters.size()
               ? static_cast<int>(league.rosters[static_cast<std::size_t>(team)].size())
               : 0;
}

// The sets up to the first the rules refuse: a stale set never counts.
std::vector<team::TeamSet> standingSets(const team::TeamMatchRules& rules, const std::vector<team::TeamSet>& sets) {
    std::vector<team::TeamSet> out;
    for (const team::TeamSet& s : sets) {
        if (team::checkSet(rules, out, static_cast<int>(out.size()) + 1, s)) break;
        out.push_back(s);
    }
    return out;
}

// The match's score from its sets once they decide it, as the result stores
// it; else the result as it stands, a walkover counting the sets needed to win.
void takeSets(TeamMatch& t) {
    MatchState& m = t.match;
    if (const auto score = team::decidedScore(t.rules, t.sets)) {
        m.score = score;
        m.winner = score->first > score->second ? m.first : m.second;
    } else if (m.score && m.score->walkover) {
        m.score = team::teamWalkover(t.rules.format, m.winner == m.first ? team::kFirst : team::kSecond);
    }
}

TeamMatch teamMatch(const team::TeamLeague& league, MatchKey key, const MatchState& m) {
    TeamMatch t{key, m, {league.format, {rosterSize(league, m.first), rosterSize(league, m.second)}}, {}, {}, {}};
    if (m.first == kNone || m.second == kNone) return t;
    if (const auto play = league.plays.find(key); play != league.plays.end()) {
        t.entries = play->second.entries;
        t.sets = standingSets(t.rules, play->second.sets);
    }
    takeSets(t);
    t.allKills = team::allKills(t.rules, t.sets);
    return t;
}

std::vector<TeamPlayerRecord> playerRecords(const team::TeamLeague& league, const std::vector<TeamMatch>& matches) {
    std::vector<TeamPlayerRecord> records;
    const auto tally = [&](Pos team, int player, bool won, Race opponent) {
        auto it = std::find_if(records.begin(), records.end(),
                               [&](const TeamPlayerRecord& r) { return r.team == team && r.player == player; });
        if (it == records.end()) it = records.insert(records.end(), {team, player, 0, 0, team::rosterRace(league, team, player)});
        (won ? it->won : it->lost) += 1;
        if (opponent != Race::None) {
            WonLost& against = it->against[static_cast<std::size_t>(opponent) - 1];
            (won ? against.won : against.lost) += 1;
        }
    };
    for (const TeamMatch& t : matches) {
        const Pos first = t.match.first, second = t.match.second;
        for (const team::TeamSet& s : t.sets) {
            tally(first, s.players[0], s.firstWon, team::rosterRace(league, second, s.players[1]));
            tally(second, s.players[1], !s.firstWon, team::rosterRace(league, first, s.players[0]));
        }
    }
    std::stable_sort(records.begin(), records.end(), [](const TeamPlayerRecord& a, const TeamPlayerRecord& b) {
        if (a.won != b.won) return a.won > b.won;
        if (a.lost != b.lost) return a.lost < b.lost;
        return std::pair(a.team, a.player) < std::pair(b.team, b.player);
    });
    return records;
}

std::vector<Race> rosterRacesPlayed(const team::TeamLeague& league) {
    std::vector<Race> races;
    for (int r = 1; r <= kRaceCount; ++r) {
        const auto plays = [&](const std::vector<Race>& roster) {
            return std::find(roster.begin(), roster.end(), static_cast<Race>(r)) != roster.end();
        };
        if (std::any_of(league.races.begin(), league.races.end(), plays)) races.push_back(static_cast<Race>(r));
    }
    return races;
}

}  // namespace

TeamStandings teamStandings(const Event& event) {
    TeamStandings out;
    if (!event.teams) return out;
    const team::TeamLeague& league = *event.teams;
    const AssignmentState& state = event.state;
    for (std::size_t g = 0; g < groupCountOf(state); ++g) {
        const int group = static_cast<int>(g);
        for (const MatchState& m : groupStandings(state, event.results, group).matches) {
            out.matches.push_back(teamMatch(league, {group, m.number}, m));
        }
        // The groups' standings count a match as its result stores it, which
        // is what its sets decide: so the table is theirs, settled orders and
        // the playoff's withdrawals shown as in a players' table.
        out.tables.push_back(shownGroupTable(state, event.results, event.playoff, group));
    }
    if (event.playoff.perGroup > 0) {
        ListHost host = hostFor(event);
        const PlayoffBracket bracket = playoffBracket(state, event.results, event.playoff, event.seed, host);
        for (const MatchState& m : bracket.matches) out.matches.push_back(teamMatch(league, {kPlayoffGroup, m.number}, m));
    }
    out.players = playerRecords(league, out.matches);
    out.races = rosterRacesPlayed(league);
    return out;
}

std::vector<Pos> setMaps(const TeamMatch& match) {
    std::vector<Pos> maps = gameMaps(match.match);
    for (std::size_t i = 0; i < match.sets.size() && i < maps.size(); ++i) {
        if (match.sets[i].map != kNone) maps[i] = match.sets[i].map;
    }
    return maps;
}

}  // namespace rl::event
