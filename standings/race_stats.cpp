#include "standings/race_stats.h"

#include <string>

#include "text/pieces.h"

namespace rl {

namespace {

void addGames(std::vector<CountedGame>& out, const MatchState& m) {
    if (m.bye || m.first == kNone || m.second == kNone || (m.score && m.score->walkover)) return;
    const auto counted = [&](bool firstWon, Pos map) {
        out.push_back({firstWon ? m.first : m.second, firstWon ? m.second : m.first, map});
    };
    const std::vector<Pos> maps = playedMaps(m);
    const auto mapOf = [&](std::size_t game) { return game < maps.size() ? maps[game] : kNone; };
    for (std::size_t i = 0; i < m.games.size(); ++i) counted(m.games[i].firstWon, mapOf(i));
    if (m.games.empty() && m.score && m.bestOf == 1) counted(m.winner == m.first, mapOf(0));
}

Race raceAt(const std::vector<Race>& races, Pos p) {
    return static_cast<std::size_t>(p) < races.size() ? races[static_cast<std::size_t>(p)] : Race::None;
}

constexpr std::size_t index(Race race) { return static_cast<std::size_t>(race) - 1; }

void addWin(RaceWins& wins, Race winner, Race loser) {
    if (winner != Race::None && loser != Race::None) ++wins[index(winner)][index(loser)];
}

void addRecord(PlayerRecord& record, bool won, Race opponent, Pos map) {
    const auto add = [won](WonLost& w) { ++(won ? w.won : w.lost); };
    add(record.total);
    if (opponent != Race::None) add(record.against[index(opponent)]);
    if (map != kNone && static_cast<std::size_t>(map) < record.maps.size()) add(record.maps[static_cast<std::size_t>(map)]);
}

std::string number(int value) { return std::to_string(value); }

// Cell widths in bytes, as the standings' name and count cells.
constexpr std::size_t kMapCell = 25;
constexpr std::size_t kGamesCell = 6;
constexpr const char* kMatchupGap = "   ";

void appendRow(std::string& out, std::string_view map, std::string_view games) {
    const std::size_t start = out.size();
    out += map;
    pieces::padCell(out, start, kMapCell);
    if (games.size() < kGamesCell) out.append(kGamesCell - games.size(), ' ');
    out += games;
}

void appendMatchup(std::string& out, const RaceWins& wins, Matchup m) {
    const std::string text = matchupText(wins, m);
    if (text.empty()) return;
    out += kMatchupGap;
    out += text;
}

}  // namespace

std::vector<CountedGame> countedGames(const AssignmentState& state, const Results& results, const Playoff& playoff,
                                      std::uint32_t seed, Host& host) {
    std::vector<CountedGame> out;
    for (int g = 0; g < static_cast<int>(state.groupTable.size()); ++g) {
        for (const MatchState& m : groupStandings(state, results, g).matches) addGames(out, m);
    }
    if (playoff.perGroup != 0) {
        for (const MatchState& m : playoffBracket(state, results, playoff, seed, host).matches) addGames(out, m);
    }
    return out;
}

RaceStats raceStats(const std::vector<CountedGame>& games, const std::vector<Race>& races, std::size_t participants,
                    std::size_t maps) {
    RaceStats stats;
    stats.maps.resize(maps);
    stats.players.resize(participants);
    for (PlayerRecord& p : stats.players) p.maps.resize(maps);
    for (const CountedGame& game : games) {
        const Race winner = raceAt(races, game.winner), loser = raceAt(races, game.loser);
        addWin(stats.races, winner, loser);
        if (game.map != kNone && static_cast<std::size_t>(game.map) < maps) {
            MapRecord& map = stats.maps[static_cast<std::size_t>(game.map)];
            ++map.games;
            addWin(map.wins, winner, loser);
        }
        const auto record = [&](Pos p) -> PlayerRecord* {
            return static_cast<std::size_t>(p) < participants ? &stats.players[static_cast<std::size_t>(p)] : nullptr;
        };
        if (PlayerRecord* w = record(game.winner)) addRecord(*w, true, loser, game.map);
        if (PlayerRecord* l = record(game.loser)) addRecord(*l, false, winner, game.map);
    }
    return stats;
}

std::string matchupText(const RaceWins& wins, Matchup m) {
    const int games = gamesOf(wins, m);
    if (games == 0) return {};
    if (m.mirror()) return matchupName(m) + " " + number(games) + "경기";
    const int first = winsOf(wins, m.first, m.second);
    return std::string(raceLetter(m.first)) + " " + number(first) + " : " + number(games - first) + " " +
           std::string(raceLetter(m.second)) + " (" + number(percentOf(first, games)) + "%)";
}

std::string matchupName(Matchup m) {
    return std::string(raceLetter(m.first)) + "v" + std::string(raceLetter(m.second));
}

int winsOf(const RaceWins& wins, Race winner, Race loser) { return wins[index(winner)][index(loser)]; }

int gamesOf(const RaceWins& wins, Matchup m) {
    return winsOf(wins, m.first, m.second) + (m.mirror() ? 0 : winsOf(wins, m.second, m.first));
}

int percentOf(int wins, int games) { return games > 0 ? (200 * wins + games) / (2 * games) : 0; }

std::string raceStatsText(const RaceStats& stats, Host& host) {
    std::string out = "\r\n< 맵별 종족 전적 >\r\n";
    appendRow(out, "맵", "경기");
    out += "\r\n";
    for (std::size_t i = 0; i < stats.maps.size(); ++i) {
        const MapRecord& map = stats.maps[i];
        appendRow(out, nameOf(host, ListKind::Maps, static_cast<int>(i)), number(map.games));
        for (const Matchup& m : kMatchups) appendMatchup(out, map.wins, m);
        out += "\r\n";
    }
    return out;
}

}  // namespace rl
