#include <string>

#include "event/team_standings.h"
#include "page/team_html.h"
#include "team/table.h"

// What the page shows of a team league, as its standings count it: the sets
// that stand, the entries and maps of those to come, the tables, the records.
namespace rl::page {

namespace {

// Converts names and remembers a failure, so that one check at the end
// refuses the whole page.
class Texts {
public:
    Texts(const event::Event& event, const ToUtf8& toUtf8) : event_(event), toUtf8_(toUtf8) {}

    std::string of(std::string_view cp949) {
        auto utf8 = toUtf8_(cp949);
        if (!utf8) failed_ = true;
        return utf8.value_or("");
    }
    std::string team(Pos team) {
        return team == kNone ? std::string() : of(event_.participants[static_cast<std::size_t>(team)]);
    }
    std::string player(Pos team, int index) {
        const std::vector<std::string>* roster = rosterOf(team);
        if (!roster || index < 0 || static_cast<std::size_t>(index) >= roster->size()) return {};
        return of((*roster)[static_cast<std::size_t>(index)]);
    }
    std::string map(Pos map) {
        return map == kNone || static_cast<std::size_t>(map) >= event_.maps.size()
                   ? std::string()
                   : of(event_.maps[static_cast<std::size_t>(map)]);
    }
    int rosterSize(Pos team) const {
        const std::vector<std::string>* roster = rosterOf(team);
        return roster ? static_cast<int>(roster->size()) : 0;
    }
    bool failed() const { return failed_; }

private:
    const std::vector<std::string>* rosterOf(Pos team) const {
        const auto& rosters = event_.teams->rosters;
        return team == kNone || static_cast<std::size_t>(team) >= rosters.size()
                   ? nullptr
                   : &rosters[static_cast<std::size_t>(team)];
    }

    const event::Event& event_;
    const ToUtf8& toUtf8_;
    bool failed_ = false;
};

// "5세트제 · 에이스결정전", "승자연전 4선승".
std::string formatLabel(const team::TeamMatchFormat& f) {
    if (f.kind == team::MatchKind::WinnerStays) return u8"승자연전 " + std::to_string(f.length) + u8"선승";
    return std::to_string(f.length) + u8"세트제" + (f.ace ? u8" · 에이스결정전" : "");
}

std::string mapOf(const std::vector<Pos>& maps, std::size_t set, Texts& texts) {
    return texts.map(set < maps.size() ? maps[set] : kNone);
}

void addPlayed(TeamMatchView& view, const event::TeamMatch& t, const std::vector<Pos>& maps, Texts& texts) {
    const MatchState& m = t.match;
    Score after;
    for (std::size_t i = 0; i < t.sets.size(); ++i) {
        const team::TeamSet& set = t.sets[i];
        (set.firstWon ? after.first : after.second) += 1;
        const int number = static_cast<int>(i) + 1;
        view.sets.push_back({number, {texts.player(m.first, set.players[0]), texts.player(m.second, set.players[1])},
                             set.firstWon ? 1 : 2, after, mapOf(maps, i, texts),
                             team::isAceSet(t.rules.format, number)});
    }
}

// The sets still to come of a match not decided: under sets every one of
// them, with the entries named for it; under winner stays only those whose
// entries were named.
void addComing(TeamMatchView& view, const event::TeamMatch& t, const std::vector<Pos>& maps, Texts& texts) {
    const team::TeamMatchFormat& format = t.rules.format;
    const bool sets = format.kind == team::MatchKind::Sets;
    const std::size_t last = sets ? static_cast<std::size_t>(format.length) : t.entries.size();
    for (std::size_t i = t.sets.size(); i < last; ++i) {
        const std::array<int, 2> entry = i < t.entries.size() ? t.entries[i]
                                                               : std::array<int, 2>{team::kNoEntry, team::kNoEntry};
        if (!sets && entry[0] == team::kNoEntry && entry[1] == team::kNoEntry) continue;
        const int number = static_cast<int>(i) + 1;
        view.sets.push_back({number, {texts.player(t.match.first, entry[0]), texts.player(t.match.second, entry[1])},
                             0, {}, mapOf(maps, i, texts), team::isAceSet(format, number)});
    }
}

TeamMatchView teamMatch(const event::TeamMatch& t, Texts& texts) {
    const MatchState& m = t.match;
    TeamMatchView view;
    view.number = m.number;
    if (m.bye || m.first == kNone || m.second == kNone) return view;
    const std::vector<Pos> maps = event::setMaps(t);
    addPlayed(view, t, maps, texts);
    if (!m.score) addComing(view, t, maps, texts);
    for (const team::AllKill& k : t.allKills) {
        const Pos team = k.side == team::kFirst ? m.first : m.second;
        view.allKills.push_back({texts.player(team, k.player), texts.team(team), k.wins});
    }
    return view;
}

SectionView* sectionOf(PageView& view, MatchKey key) {
    if (key.group == kPlayoffGroup) return view.playoff ? &*view.playoff : nullptr;
    return key.group >= 0 && static_cast<std::size_t>(key.group) < view.groups.size()
               ? &view.groups[static_cast<std::size_t>(key.group)]
               : nullptr;
}

// A league group's every match, a bracket's those with anything entered;
// the match's own row counts the sets that stand, as the team table does.
void addMatch(PageView& view, const event::TeamMatch& t, Texts& texts) {
    SectionView* section = sectionOf(view, t.key);
    if (!section) return;
    if (!section->knockOut() || !t.entries.empty() || !t.sets.empty()) section->teamMatches.push_back(teamMatch(t, texts));
    // Its sets' maps are under it: the match itself is no series of games.
    for (MatchView& m : section->matches) {
        if (m.number != t.match.number) continue;
        m.bestOf = 1;
        m.map.clear();
        m.maps.clear();
        if (m.bye || !t.match.score) continue;
        m.score = t.match.score;
        m.winner = t.match.winner == t.match.first ? 1 : 2;
    }
}

void addTable(SectionView& section, const std::vector<Standing>& rows, Texts& texts) {
    section.teamTable = true;
    section.table.clear();
    for (const Standing& s : rows) {
        RowView row;
        row.rank = s.rank;
        row.name = texts.team(s.player);
        row.note = standingNote(s);
        row.played = s.played;
        row.wins = s.wins;
        row.losses = s.losses;
        row.mapsWon = s.mapsWon;
        row.mapsLost = s.mapsLost;
        row.record = texts.of(team::tableRowText(s));
        section.table.push_back(std::move(row));
    }
}

// Each member's players, in roster order.
void addRosters(PageView& view, const event::Event& event, Texts& texts) {
    for (std::size_t g = 0; g < view.groups.size() && g < event.state.groupTable.size(); ++g) {
        for (Pos team : event.state.groupTable[g]) {
            if (team == kNone) continue;
            std::vector<std::string>& players = view.groups[g].rosters.emplace_back();
            for (int i = 0; i < texts.rosterSize(team); ++i) players.push_back(texts.player(team, i));
        }
    }
}

// Players level in sets won and lost share their place.
void addRecords(PageView& view, const event::TeamStandings& standings, Texts& texts) {
    const std::vector<event::TeamPlayerRecord>& records = standings.players;
    view.recordRaces = standings.races;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const event::TeamPlayerRecord& r = records[i];
        const bool level = i > 0 && records[i - 1].won == r.won && records[i - 1].lost == r.lost;
        const int rank = level ? view.playerRecords.back().rank : static_cast<int>(i) + 1;
        PlayerRecordView& row = view.playerRecords.emplace_back();
        row = {rank, texts.player(r.team, r.player), texts.team(r.team), r.won, r.lost, r.race, {}};
        for (Race race : standings.races) row.against.push_back(r.against[static_cast<std::size_t>(race) - 1]);
    }
}

}  // namespace

bool addTeams(PageView& view, const event::Event& event, const ToUtf8& toUtf8) {
    Texts texts(event, toUtf8);
    view.teamFormat = formatLabel(event.teams->format);
    const event::TeamStandings standings = event::teamStandings(event);
    addRosters(view, event, texts);
    for (const event::TeamMatch& t : standings.matches) addMatch(view, t, texts);
    for (std::size_t g = 0; g < view.groups.size() && g < standings.tables.size(); ++g) {
        if (!view.groups[g].knockOut()) addTable(view.groups[g], standings.tables[g], texts);
    }
    addRecords(view, standings, texts);
    return !texts.failed();
}

}  // namespace rl::page
