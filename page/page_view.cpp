#include "page/page.h"

#include <array>

#include "engine/group_format.h"
#include "engine/series.h"
#include "standings/final_standings.h"

namespace rl::page {

namespace {

// Converts names and remembers a failure, so that one check at the end
// refuses the whole page.
class Names {
public:
    Names(Host& host, const ToUtf8& toUtf8, const std::vector<Race>& races)
        : host_(host), toUtf8_(toUtf8), races_(races) {}

    std::string of(ListKind list, Pos index) {
        if (index == kNone) return {};
        auto utf8 = toUtf8_(nameOf(host_, list, index));
        if (!utf8) failed_ = true;
        return utf8.value_or("");
    }
    std::string text(std::string_view cp949) {
        auto utf8 = toUtf8_(cp949);
        if (!utf8) failed_ = true;
        return utf8.value_or("");
    }
    Race race(Pos player) const {
        const auto i = static_cast<std::size_t>(player);
        return player != kNone && i < races_.size() ? races_[i] : Race::None;
    }
    bool failed() const { return failed_; }

private:
    Host& host_;
    const ToUtf8& toUtf8_;
    const std::vector<Race>& races_;
    bool failed_ = false;
};

std::string letter(int group) { return std::string(1, static_cast<char>('A' + group)); }

MatchView matchView(const MatchState& m, Names& names) {
    MatchView v;
    v.number = m.number;
    v.round = m.round;
    v.first.name = names.of(ListKind::Participants, m.first);
    v.first.race = names.race(m.first);
    v.first.from = m.firstFrom;
    v.first.loser = m.firstIsLoser();
    v.second.name = names.of(ListKind::Participants, m.second);
    v.second.race = names.race(m.second);
    v.second.from = m.secondFrom;
    v.second.loser = m.secondIsLoser();
    v.bye = m.bye;
    const std::vector<Pos> maps = playedMaps(m);
    v.map = names.of(ListKind::Maps, maps.empty() ? kNone : maps.front());
    v.bestOf = m.bestOf;
    if (m.bestOf > 1) {
        for (Pos map : maps) v.maps.push_back(names.of(ListKind::Maps, map));
    }
    for (const Game& game : m.games) v.gameWinners.push_back(names.of(ListKind::Participants, game.firstWon ? m.first : m.second));
    v.score = m.score;
    if (!m.bye && m.winner != kNone) v.winner = m.winner == m.first ? 1 : 2;
    return v;
}

RowView rowView(const Standing& s, Names& names) {
    return {s.rank, names.of(ListKind::Participants, s.player), standingNote(s), s.played, s.wins, s.losses, s.mapsWon, s.mapsLost,
            names.race(s.player), {}, {}};
}

// How many of `players` play each race, by Race (None's count unused).
std::array<int, kRaceCount + 1> countRaces(const std::vector<Pos>& players, const Names& names) {
    std::array<int, kRaceCount + 1> counts{};
    for (Pos p : players) {
        const int race = static_cast<int>(names.race(p));
        if (race > 0 && race <= kRaceCount) ++counts[static_cast<std::size_t>(race)];
    }
    return counts;
}

// "테란 2, 저그 1, 프로토스 1": the races in their order, those nobody plays left out.
std::string raceCounts(const std::vector<Pos>& players, Names& names) {
    const auto counts = countRaces(players, names);
    std::string text;
    for (int r = 1; r <= kRaceCount; ++r) {
        if (!counts[static_cast<std::size_t>(r)]) continue;
        if (!text.empty()) text += ", ";
        text += names.text(raceName(static_cast<Race>(r))) + " " + std::to_string(counts[static_cast<std::size_t>(r)]);
    }
    return text;
}

// Each member's race, once anyone in the group has one.
void addRaces(SectionView& section, const std::vector<Pos>& members, Names& names) {
    section.raceCounts = raceCounts(members, names);
    if (section.raceCounts.empty()) return;
    for (Pos p : members) section.races.push_back(names.race(p));
}

SectionView groupSection(const AssignmentState& state, const Results& results, int group, const Playoff* playoff,
                         const Seeding* seeding, Names& names) {
    SectionView section;
    section.key = std::string(1, static_cast<char>('a' + group));
    section.heading = letter(group) + u8"조";
    section.format = state.settings.format;
    std::vector<Pos> members;
    for (Pos p : state.groupTable[static_cast<std::size_t>(group)]) {
        if (p == kNone) continue;
        members.push_back(p);
        section.members.push_back(names.of(ListKind::Participants, p));
        if (!seeding) continue;
        const auto i = static_cast<std::size_t>(p);
        section.marks.push_back({i < seeding->pots.size() ? seeding->pots[i] : 0,
                                 i < seeding->tags.size() ? names.text(seeding->tags[i]) : ""});
    }
    addRaces(section, members, names);
    const GroupStandings standings = groupStandings(state, results, group);
    for (const MatchState& m : standings.matches) {
        section.matches.push_back(matchView(m, names));
        if (const char* stage = stageName(state.settings.format, m.number)) {
            section.matches.back().stage = names.text(stage);
        }
    }
    const auto table = playoff ? shownGroupTable(state, results, *playoff, group) : standings.standings;
    for (const Standing& s : table) section.table.push_back(rowView(s, names));
    return section;
}

// "A1": the group and place a playoff player of the first round came from.
std::string tagOf(const PlayoffBracket& bracket, Pos player) {
    for (const Qualifier& q : bracket.players) {
        if (player != kNone && q.player == player) return letter(q.group) + std::to_string(q.place);
    }
    return {};
}

// The playoff's cells tell where their players came from; a third-place
// match's cells are the losers of the semi-finals.
SectionView playoffSection(const PlayoffBracket& bracket, Names& names) {
    SectionView section;
    section.key = "p";
    section.heading = u8"본선";
    section.format = GroupFormat::Knockout;
    section.finalNumber = bracket.finalNumber;
    section.thirdPlaceNumber = bracket.thirdPlaceNumber;
    for (const MatchState& m : bracket.matches) {
        MatchView v = matchView(m, names);
        v.first.loser = v.second.loser = m.number == bracket.thirdPlaceNumber;
        v.first.tag = tagOf(bracket, m.firstFrom ? kNone : m.first);
        v.second.tag = tagOf(bracket, m.secondFrom ? kNone : m.second);
        section.matches.push_back(std::move(v));
    }
    for (const Standing& s : bracket.standings) section.table.push_back(rowView(s, names));
    std::vector<Pos> players;
    for (const Qualifier& q : bracket.players) players.push_back(q.player);
    section.raceCounts = raceCounts(players, names);
    return section;
}

MapRacesView mapRaces(std::string map, int games, const RaceWins& wins, Names& names) {
    MapRacesView v{std::move(map), games, {}};
    for (const Matchup& m : kMatchups) {
        const std::string text = matchupText(wins, m);
        if (!text.empty()) v.matchups.push_back(names.text(text));
    }
    return v;
}

RaceStatsView raceStatsView(const RaceStats& stats, const std::vector<Pos>& drawn, Names& names) {
    RaceStatsView v;
    for (std::size_t i = 0; i < stats.maps.size(); ++i) {
        v.maps.push_back(mapRaces(names.of(ListKind::Maps, static_cast<Pos>(i)), stats.maps[i].games,
                                  stats.maps[i].wins, names));
    }
    int games = 0;
    for (const PlayerRecord& p : stats.players) games += p.total.won;
    v.total = mapRaces("", games, stats.races, names);
    const auto counts = countRaces(drawn, names);
    for (int r = 1; r <= kRaceCount; ++r) {
        if (counts[static_cast<std::size_t>(r)]) v.races.push_back(static_cast<Race>(r));
    }
    return v;
}

// A player's games against each race of the columns.
std::vector<WonLost> againstRaces(const RaceStats& stats, Pos player, const std::vector<Race>& columns) {
    std::vector<WonLost> against;
    const auto p = static_cast<std::size_t>(player);
    for (Race race : columns) {
        against.push_back(p < stats.players.size() ? stats.players[p].against[static_cast<std::size_t>(race) - 1]
                                                   : WonLost{});
    }
    return against;
}

void addPlayoff(PageView& view, const AssignmentState& state, const Results& results, Host& host,
                const Playoff& playoff, const RaceStats* stats, Names& names) {
    const PlayoffBracket bracket = playoffBracket(state, results, playoff, view.header.seed, host);
    if (bracket.matches.empty()) return;
    view.playoff = playoffSection(bracket, names);
    for (const FinalStanding& s : finalStandings(state, results, playoff, bracket)) {
        RowView row;
        row.rank = s.rank;
        row.name = names.of(ListKind::Participants, s.player);
        row.race = names.race(s.player);
        row.note = letter(s.group) + u8"조 " + std::to_string(s.groupPlace) + u8"위" + (s.withdrawn ? u8" (기권)" : "");
        if (stats && view.raceStats) row.against = againstRaces(*stats, s.player, view.raceStats->races);
        view.finalStandings.push_back(std::move(row));
    }
}

}  // namespace

std::string standingNote(const Standing& s) {
    return std::string(s.settled ? u8"(결정)" : "") + (s.settled && s.withdrawn ? " " : "") + (s.withdrawn ? u8"(기권)" : "");
}

std::optional<PageView> pageViewOf(const AssignmentState& state, const Results& results, Host& host,
                                   const Header& header, const ToUtf8& toUtf8, const Playoff* playoff,
                                   const Seeding* seeding, const std::vector<Race>& races, const RaceStats* stats) {
    Names names(host, toUtf8, races);
    PageView view;
    view.header = header;
    view.settings = state.settings;
    view.participantCount = state.settings.participantCount;
    std::vector<Pos> drawn;
    for (std::size_t g = 0; g < state.groupTable.size(); ++g) {
        view.groups.push_back(groupSection(state, results, static_cast<int>(g), playoff, seeding, names));
        for (Pos p : state.groupTable[g]) drawn.push_back(p);
    }
    view.raceCounts = raceCounts(drawn, names);
    if (stats && !view.raceCounts.empty()) view.raceStats = raceStatsView(*stats, drawn, names);
    if (playoff) addPlayoff(view, state, results, host, *playoff, stats, names);
    if (names.failed()) return std::nullopt;
    return view;
}

}  // namespace rl::page
