#include <string>

#include "page/team_html.h"
#include "standings/standings.h"
#include "team/rules.h"

// What the page shows of a team league, from the event's team league: the
// sets as entered, the maps dealt to the sets not played yet.
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

// The map dealt to set `index` (from 0), as a series deals its games'.
Pos dealtMap(const MatchState& m, std::size_t index) {
    if (index == 0) return m.map;
    return index <= m.laterMaps.size() ? m.laterMaps[index - 1] : kNone;
}

void addPlayed(TeamMatchView& view, const MatchState& m, const std::vector<team::TeamSet>& sets,
               const team::TeamMatchFormat& format, Texts& texts) {
    Score after;
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const team::TeamSet& set = sets[i];
        (set.firstWon ? after.first : after.second) += 1;
        const int number = static_cast<int>(i) + 1;
        view.sets.push_back({number, {texts.player(m.first, set.players[0]), texts.player(m.second, set.players[1])},
                             set.firstWon ? 1 : 2, after, texts.map(set.map != kNone ? set.map : dealtMap(m, i)),
                             team::isAceSet(format, number)});
    }
}

// The sets still to come of a match not decided: under sets every one of
// them, with the entries named for it; under winner stays only those whose
// entries were named.
void addComing(TeamMatchView& view, const MatchState& m, const team::TeamMatchPlay& play,
               const team::TeamMatchFormat& format, Texts& texts) {
    const bool sets = format.kind == team::MatchKind::Sets;
    const std::size_t last = sets ? static_cast<std::size_t>(format.length) : play.entries.size();
    for (std::size_t i = play.sets.size(); i < last; ++i) {
        const std::array<int, 2> entry = i < play.entries.size() ? play.entries[i]
                                                                  : std::array<int, 2>{team::kNoEntry, team::kNoEntry};
        if (!sets && entry[0] == team::kNoEntry && entry[1] == team::kNoEntry) continue;
        const int number = static_cast<int>(i) + 1;
        view.sets.push_back({number, {texts.player(m.first, entry[0]), texts.player(m.second, entry[1])}, 0, {},
                             texts.map(dealtMap(m, i)), team::isAceSet(format, number)});
    }
}

TeamMatchView teamMatch(const MatchState& m, const team::TeamMatchPlay& play, const team::TeamMatchFormat& format,
                        Texts& texts) {
    TeamMatchView view;
    view.number = m.number;
    if (m.bye || m.first == kNone || m.second == kNone) return view;
    const team::TeamMatchRules rules{format, {texts.rosterSize(m.first), texts.rosterSize(m.second)}};
    addPlayed(view, m, play.sets, format, texts);
    if (!m.score && !team::matchWinner(rules, play.sets)) addComing(view, m, play, format, texts);
    for (const team::AllKill& k : team::allKills(rules, play.sets)) {
        const Pos team = k.side == team::kFirst ? m.first : m.second;
        view.allKills.push_back({texts.player(team, k.player), texts.team(team), k.wins});
    }
    return view;
}

// A league group's every match, a bracket's those with anything entered.
void addSets(SectionView& section, const std::vector<MatchState>& matches, int group, const event::Event& event,
             Texts& texts) {
    const team::TeamLeague& teams = *event.teams;
    for (const MatchState& m : matches) {
        const auto play = teams.plays.find({group, m.number});
        static const team::TeamMatchPlay kNothing;
        if (section.knockOut() && play == teams.plays.end()) continue;
        section.teamMatches.push_back(teamMatch(m, play == teams.plays.end() ? kNothing : play->second,
                                                teams.format, texts));
    }
}

}  // namespace

bool addTeams(PageView& view, const event::Event& event, Host& host, const ToUtf8& toUtf8) {
    Texts texts(event, toUtf8);
    view.teamFormat = formatLabel(event.teams->format);
    for (std::size_t g = 0; g < view.groups.size(); ++g) {
        const int group = static_cast<int>(g);
        addSets(view.groups[g], groupStandings(event.state, event.results, group).matches, group, event, texts);
    }
    if (view.playoff) {
        const PlayoffBracket bracket = playoffBracket(event.state, event.results, event.playoff, event.seed, host);
        addSets(*view.playoff, bracket.matches, kPlayoffGroup, event, texts);
    }
    return !texts.failed();
}

}  // namespace rl::page
