#include "standings/standings.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "engine/group_format.h"
#include "engine/series.h"
#include "standings/bracket.h"

namespace rl {

namespace {

std::vector<Standing> membersOf(const AssignmentState& state, int group) {
    const auto& row = state.groupTable[static_cast<std::size_t>(group)];
    const int members = std::min<int>(state.memberCount[static_cast<std::size_t>(group)], static_cast<int>(row.size()));
    std::vector<Standing> out;
    for (int p = 0; p < members; ++p) out.push_back({row[static_cast<std::size_t>(p)]});
    return out;
}

Standing* find(std::vector<Standing>& rows, Pos player) {
    for (Standing& s : rows) {
        if (s.player == player) return &s;
    }
    return nullptr;
}

void tally(Standing& s, bool won, int mapsFor, int mapsAgainst) {
    ++s.played;
    (won ? s.wins : s.losses) += 1;
    s.mapsWon += mapsFor;
    s.mapsLost += mapsAgainst;
}

void count(std::vector<Standing>& rows, const std::vector<MatchState>& matches) {
    for (const MatchState& m : matches) {
        Standing* first = find(rows, m.first);
        Standing* second = find(rows, m.second);
        if (!m.score || m.voided || !first || !second) continue;
        tally(*first, m.winner == m.first, m.score->first, m.score->second);
        tally(*second, m.winner == m.second, m.score->second, m.score->first);
    }
}

// Players level on wins meet in a mini-league before their maps count; teams
// only once they are level on their sets too.
bool level(const Standing& a, const Standing& b, LeagueOrder order) {
    if (order == LeagueOrder::Players) return a.wins == b.wins;
    return std::tuple(a.wins, a.mapsWon - a.mapsLost, a.mapsWon) == std::tuple(b.wins, b.mapsWon - b.mapsLost, b.mapsWon);
}

// Wins in the matches played between members level with each other; the
// level set is taken whole, once.
std::vector<int> headToHeadWins(std::vector<Standing>& rows, const std::vector<MatchState>& matches, LeagueOrder order) {
    std::vector<int> h2h(rows.size(), 0);
    for (const MatchState& m : matches) {
        const Standing* first = find(rows, m.first);
        const Standing* second = find(rows, m.second);
        if (!m.score || m.voided || !first || !second || !level(*first, *second, order)) continue;
        h2h[static_cast<std::size_t>(find(rows, m.winner) - rows.data())] += 1;
    }
    return h2h;
}

// Lists the rows by their keys, row order among equals; a member is tied
// when another has an equal key.
template <class Key, class Better>
void sortBy(std::vector<Standing>& rows, std::vector<Key>& keys, Better better) {
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) { return better(keys[a], keys[b]); });
    std::vector<Standing> sortedRows;
    std::vector<Key> sortedKeys;
    for (std::size_t i : order) {
        sortedRows.push_back(rows[i]);
        sortedRows.back().tied = std::count(keys.begin(), keys.end(), keys[i]) > 1;
        sortedKeys.push_back(keys[i]);
    }
    rows = std::move(sortedRows);
    keys = std::move(sortedKeys);
}

// A withdrawn member stands below every member level with it, and under
// the void rule below every member still in.
void rankLeague(std::vector<Standing>& rows, const std::vector<MatchState>& matches, bool voids, LeagueOrder order) {
    const std::vector<int> h2h = headToHeadWins(rows, matches, order);
    std::vector<std::tuple<bool, int, int, int, int, bool>> keys;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Standing& s = rows[i];
        const int difference = s.mapsWon - s.mapsLost;
        if (order == LeagueOrder::Players) {
            keys.emplace_back(!(voids && s.withdrawn), s.wins, h2h[i], difference, s.mapsWon, !s.withdrawn);
        } else {
            keys.emplace_back(!(voids && s.withdrawn), s.wins, difference, s.mapsWon, h2h[i], !s.withdrawn);
        }
    }
    sortBy(rows, keys, [](const auto& a, const auto& b) { return a > b; });
    // Sorted best first, so the members above one that are not level with it
    // are those before the first of its level: ranks run 1, 2, 2, 4.
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].rank = i > 0 && keys[i] == keys[i - 1] ? rows[i - 1].rank : static_cast<int>(i) + 1;
    }
}

// Lists the rows by the places given, those still in (place 0) first. A
// withdrawn member shares the place the bracket gives it, after the others
// of that place.
void takePlaces(std::vector<Standing>& rows, std::vector<int>& places) {
    std::vector<std::pair<int, bool>> keys;
    for (std::size_t i = 0; i < rows.size(); ++i) keys.emplace_back(places[i], rows[i].withdrawn);
    sortBy(rows, keys, [](const auto& a, const auto& b) { return a < b; });
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int place = keys[i].first;
        const auto sharing = std::count_if(keys.begin(), keys.end(), [&](const auto& k) { return k.first == place; });
        rows[i].rank = place;
        rows[i].tied = place > 0 && sharing > 1;
    }
}

// A loser's place is one more than the players of the next round, which is
// the number of entries of the round it lost in; the final's winner is 1st.
// Members still in keep place 0, which also lists them first.
void placeKnockOut(std::vector<Standing>& rows, const bracket::Resolved& bracket) {
    std::vector<int> places(rows.size(), 0);
    const auto place = [&](Pos player, int value) {
        if (const Standing* s = find(rows, player)) places[static_cast<std::size_t>(s - rows.data())] = value;
    };
    std::set<int> playOn;  // matches whose losers meet again
    for (const MatchState& m : bracket.matches) {
        if (m.losersMeet) playOn.insert({m.firstFrom, m.secondFrom});
    }
    for (const MatchState& m : bracket.matches) {
        if (!m.score) continue;
        const Pos loser = m.winner == m.first ? m.second : m.first;
        if (m.losersMeet) {
            place(m.winner, 3);
            place(loser, 4);
        } else if (!playOn.count(m.number)) {
            place(loser, 1 + bracket.roundSizes.at(static_cast<std::size_t>(m.round - 1)));
        }
    }
    if (!bracket.matches.empty()) place(bracket.matches.back().winner, 1);
    takePlaces(rows, places);
}

// A dual group's places come from fixed matches (kDualPlaces); two members
// play the opening match alone, and a lone member is 1st without a match.
void placeDual(std::vector<Standing>& rows, const std::vector<MatchState>& matches) {
    std::vector<int> places(rows.size(), 0);
    const auto place = [&](Pos player, int value) {
        if (const Standing* s = find(rows, player)) places[static_cast<std::size_t>(s - rows.data())] = value;
    };
    static constexpr DualPlace kPairPlaces[] = {{1, false}, {1, true}};
    const bool pair = matches.size() == 1;
    for (int p = 0; p < (pair ? 2 : 4); ++p) {
        const DualPlace& from = pair ? kPairPlaces[p] : kDualPlaces[p];
        if (static_cast<std::size_t>(from.match) > matches.size()) continue;
        const MatchState& m = matches[static_cast<std::size_t>(from.match - 1)];
        if (m.score) place(from.loser ? (m.winner == m.first ? m.second : m.first) : m.winner, p + 1);
    }
    if (matches.empty() && rows.size() == 1) places[0] = 1;
    takePlaces(rows, places);
}

}  // namespace

std::vector<Standing> leagueTable(std::vector<Standing> members, const std::vector<MatchState>& matches, bool voids,
                                  LeagueOrder order) {
    count(members, matches);
    rankLeague(members, matches, voids, order);
    return members;
}

std::vector<Standing> bracket::knockOutTable(std::vector<Standing> members, const Resolved& bracket) {
    count(members, bracket.matches);
    placeKnockOut(members, bracket);
    return members;
}

GroupStandings groupStandings(const AssignmentState& state, const Results& results, int group) {
    GroupStandings out;
    if (!bracket::groupExists(state, group)) return out;
    const bracket::Resolved resolved = bracket::resolve(state, results, group);
    out.matches = resolved.matches;
    out.standings = membersOf(state, group);
    for (Standing& s : out.standings) s.withdrawn = results.withdrawals().has(s.player);
    if (state.settings.format == GroupFormat::Dual) {
        count(out.standings, out.matches);
        placeDual(out.standings, out.matches);
    } else if (state.settings.tournament()) {
        out.standings = bracket::knockOutTable(std::move(out.standings), resolved);
    } else {
        out.standings = leagueTable(std::move(out.standings), out.matches, results.withdrawals().voids(),
                                    state.settings.ranksTeams ? LeagueOrder::Teams : LeagueOrder::Players);
    }
    return out;
}

}  // namespace rl

namespace rl {

std::vector<Pos> playedMaps(const MatchState& match) {
    std::vector<Pos> maps = gameMaps(match);
    for (std::size_t i = 0; i < match.games.size() && i < maps.size(); ++i) {
        if (match.games[i].map != kNone) maps[i] = match.games[i].map;
    }
    return maps;
}

AssignmentState withPlayedMaps(const AssignmentState& state, const Results& results) {
    AssignmentState played = state;
    for (int g = 0; g < bracket::groupCount(state); ++g) {
        for (const MatchState& m : groupStandings(state, results, g).matches) {
            const std::vector<Pos> maps = playedMaps(m);
            if (m.games.empty() || maps.empty()) continue;
            Match& match = played.schedule[static_cast<std::size_t>(g)][static_cast<std::size_t>(m.number - 1)];
            match.map = maps.front();
            match.laterMaps.assign(maps.begin() + 1, maps.end());
        }
    }
    return played;
}

}  // namespace rl
