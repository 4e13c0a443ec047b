#include "event/team_text.h"

#include "event/team_standings.h"
#include "standings/final_standings.h"
#include "standings/standings_text.h"
#include "team/table.h"
#include "text/export_text.h"
#include "text/pieces.h"

namespace rl::event {

namespace {

// The cells of the players' standings, so that both read alike.
constexpr std::size_t kNumberCell = 10;
constexpr std::size_t kNameCell = 25;
constexpr std::size_t kScoreCell = 10;
constexpr std::size_t kCountCell = 6;

using pieces::appendLeft;
using pieces::appendRight;
using pieces::endLine;

struct Names {
    Host& host;
    const team::TeamLeague& league;

    std::string team(Pos t) const { return std::string(nameOf(host, ListKind::Participants, t)); }
    std::string player(Pos t, int p) const {
        if (p == team::kNoEntry) return "(미정)";
        if (t < 0 || static_cast<std::size_t>(t) >= league.rosters.size()) return "?";
        const auto& roster = league.rosters[static_cast<std::size_t>(t)];
        return p >= 0 && static_cast<std::size_t>(p) < roster.size() ? roster[static_cast<std::size_t>(p)] : "?";
    }
};

void appendSetLine(std::string& out, const Names& names, const TeamMatch& t, int number, const int players[2],
                   const team::TeamSet* played, const std::vector<Pos>& maps) {
    const std::size_t start = out.size();
    appendLeft(out, "  " + std::to_string(number) + "세트", kNumberCell);
    appendLeft(out, names.player(t.match.first, players[0]), kNameCell);
    appendLeft(out, !played ? "[vs]" : played->firstWon ? "1:0" : "0:1", kScoreCell);
    appendLeft(out, names.player(t.match.second, players[1]), kNameCell);
    const std::size_t index = static_cast<std::size_t>(number - 1);
    if (index < maps.size()) pieces::appendMatchMaps(out, names.host, 1, {maps[index]});
    if (team::isAceSet(t.rules.format, number)) out += " 에이스결정전";
    endLine(out, start);
}

// The sets played, then the entries named for the sets after them.
void appendTeamMatch(std::string& out, const Names& names, const TeamMatch& t, std::string_view stage = {}) {
    const MatchState& m = t.match;
    std::size_t start = out.size();
    pieces::appendMatchNumber(out, m.number);
    pieces::padCell(out, start, kNumberCell);
    const auto side = [&](Pos team, int from, bool loser) {
        const std::size_t cell = out.size();
        pieces::appendSide(out, names.host, team == kNone && from > 0 ? Cell{kNone, from, loser} : Cell{team});
        pieces::padCell(out, cell, kNameCell);
    };
    side(m.first, m.firstFrom, m.firstIsLoser());
    if (m.bye) {
        out.append(kScoreCell + kNameCell, ' ');
        out += "(부전승)";
    } else {
        appendLeft(out, scoreText(m), kScoreCell);
        side(m.second, m.secondFrom, m.secondIsLoser());
    }
    if (!stage.empty()) {
        pieces::padCell(out, start, kNumberCell + 2 * kNameCell + kScoreCell);
        out += stage;
    }
    endLine(out, start);
    const std::vector<Pos> maps = setMaps(t);
    std::size_t number = 1;
    for (; number <= t.sets.size(); ++number) {
        const team::TeamSet& s = t.sets[number - 1];
        appendSetLine(out, names, t, static_cast<int>(number), s.players, &s, maps);
    }
    for (; !m.score && number <= t.entries.size(); ++number) {
        const auto& entry = t.entries[number - 1];
        if (entry[0] == team::kNoEntry && entry[1] == team::kNoEntry) continue;
        appendSetLine(out, names, t, static_cast<int>(number), entry.data(), nullptr, maps);
    }
    for (const team::AllKill& kill : t.allKills) {
        start = out.size();
        out.append(kNumberCell, ' ');
        const Pos team = kill.side == team::kFirst ? m.first : m.second;
        out += "올킬: " + names.player(team, kill.player) + " (" + names.team(team) + ") " + std::to_string(kill.wins) +
               "승";
        endLine(out, start);
    }
}

void appendTableLine(std::string& out, const Names& names, const Standing& s) {
    const std::size_t start = out.size();
    appendLeft(out, rankText(s.rank), kNumberCell);
    const std::string marks = std::string(s.settled ? " (결정)" : "") + (s.withdrawn ? " (기권)" : "");
    appendLeft(out, names.team(s.player) + marks, kNameCell);
    out += team::tableRowText(s);
    endLine(out, start);
}

void appendTable(std::string& out, const Names& names, const TeamStandings& standings, int group) {
    out += "\r\n< " + std::string(1, static_cast<char>('A' + group)) + "조 순위 >\r\n";
    const std::size_t start = out.size();
    appendLeft(out, "순위", kNumberCell);
    appendLeft(out, "팀", kNameCell);
    out += "전적 (세트)";
    endLine(out, start);
    for (const Standing& s : standings.tables.at(static_cast<std::size_t>(group))) appendTableLine(out, names, s);
}

void appendGroup(std::string& out, const Names& names, const TeamStandings& standings, const Settings& settings,
                 int group) {
    const std::string letter(1, static_cast<char>('A' + group));
    out += "\r\n< " + letter + "조 팀 경기 >\r\n";
    for (const TeamMatch& t : standings.matches) {
        if (t.key.group != group) continue;
        std::string stage;
        pieces::appendStage(stage, settings, t.key.number);
        appendTeamMatch(out, names, t, stage);
    }
    appendTable(out, names, standings, group);
}

void appendPlayoff(std::string& out, const Names& names, const Event& event, const TeamStandings& standings) {
    const PlayoffBracket bracket =
        playoffBracket(event.state, event.results, event.playoff, event.seed, names.host);
    if (bracket.matches.empty()) return;
    out += "\r\n< 본선 >\r\n";
    for (const TeamMatch& t : standings.matches) {
        if (t.key.group != kPlayoffGroup) continue;
        const char* stage = t.key.number == bracket.finalNumber        ? "(결승)"
                            : t.key.number == bracket.thirdPlaceNumber ? "(3·4위전)"
                                                                       : "";
        appendTeamMatch(out, names, t, stage);
    }
    out += "\r\n< 최종 순위 >\r\n";
    std::size_t start = out.size();
    appendLeft(out, "순위", kNumberCell);
    appendLeft(out, "팀", kNameCell);
    out += "조 순위";
    endLine(out, start);
    for (const FinalStanding& s : finalStandings(event.state, event.results, event.playoff, bracket)) {
        start = out.size();
        appendLeft(out, rankText(s.rank), kNumberCell);
        appendLeft(out, names.team(s.player) + (s.withdrawn ? " (기권)" : ""), kNameCell);
        out += std::string(1, static_cast<char>('A' + s.group)) + "조 " + std::to_string(s.groupPlace) + "위";
        endLine(out, start);
    }
}

// With races, each player's race before the sets, and after them the sets
// against each race played, read as the page reads them: "3-1", "-" for none.
void appendRaceHeads(std::string& out, const std::vector<Race>& races) {
    for (Race race : races) appendRight(out, std::string(raceLetter(race)) + "전", kCountCell);
}

void appendRaceCells(std::string& out, const TeamPlayerRecord& r, const std::vector<Race>& races) {
    for (Race race : races) {
        const WonLost& w = r.against[static_cast<std::size_t>(race) - 1];
        appendRight(out, w.won + w.lost ? std::to_string(w.won) + "-" + std::to_string(w.lost) : "-", kCountCell);
    }
}

// Players level on wins and losses share their rank.
void appendPlayers(std::string& out, const Names& names, const std::vector<TeamPlayerRecord>& players,
                   const std::vector<Race>& races) {
    if (players.empty()) return;
    out += "\r\n< 개인 다승 >\r\n";
    std::size_t start = out.size();
    appendLeft(out, "순위", kNumberCell);
    appendLeft(out, "이름", kNameCell);
    appendLeft(out, "팀", kNameCell);
    if (!races.empty()) appendRight(out, "종족", kCountCell);
    appendRight(out, "승", kCountCell);
    appendRight(out, "패", kCountCell);
    appendRaceHeads(out, races);
    endLine(out, start);
    int rank = 0;
    for (std::size_t i = 0; i < players.size(); ++i) {
        const TeamPlayerRecord& r = players[i];
        if (i == 0 || r.won != players[i - 1].won || r.lost != players[i - 1].lost) rank = static_cast<int>(i) + 1;
        start = out.size();
        appendLeft(out, rankText(rank), kNumberCell);
        appendLeft(out, names.player(r.team, r.player), kNameCell);
        appendLeft(out, names.team(r.team), kNameCell);
        if (!races.empty()) appendRight(out, r.race == Race::None ? "-" : raceLetter(r.race), kCountCell);
        appendRight(out, std::to_string(r.won), kCountCell);
        appendRight(out, std::to_string(r.lost), kCountCell);
        appendRaceCells(out, r, races);
        endLine(out, start);
    }
}

}  // namespace

std::string teamMatchText(const Event& event, MatchKey key) {
    if (!event.teams) return {};
    ListHost host = hostFor(event);
    const Names names{host, *event.teams};
    std::string out;
    for (const TeamMatch& t : teamStandings(event).matches) {
        if (t.key == key) appendTeamMatch(out, names, t);
    }
    return out;
}

std::string teamTableText(const Event& event, int group) {
    const TeamStandings standings = teamStandings(event);
    if (!event.teams || group < 0 || static_cast<std::size_t>(group) >= standings.tables.size()) return {};
    ListHost host = hostFor(event);
    std::string out;
    appendTable(out, {host, *event.teams}, standings, group);
    return out;
}

std::string teamStandingsFileText(const Event& event) {
    if (!event.teams) return {};
    ListHost host = hostFor(event);
    const Names names{host, *event.teams};
    const TeamStandings standings = teamStandings(event);
    std::string out = exportFileText(event.state, host);
    for (std::size_t g = 0; g < standings.tables.size(); ++g) {
        appendGroup(out, names, standings, event.state.settings, static_cast<int>(g));
    }
    appendPlayoff(out, names, event, standings);
    appendPlayers(out, names, standings.players, standings.races);
    return out;
}

}  // namespace rl::event
