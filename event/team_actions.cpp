#include "event/team_actions.h"

#include <algorithm>
#include <vector>

#include "engine/series.h"

namespace rl::event {
namespace {

using TeamRefused = team::Refused;

bool isPlayoff(MatchKey key) { return key.group == kPlayoffGroup; }

const std::vector<std::string>& rosterOf(const Event& event, Pos team) {
    static const std::vector<std::string> none;
    const auto& rosters = event.teams->rosters;
    return team >= 0 && static_cast<std::size_t>(team) < rosters.size() ? rosters[static_cast<std::size_t>(team)] : none;
}

const team::TeamMatchPlay& playOf(const Event& event, MatchKey key) {
    static const team::TeamMatchPlay none;
    const auto it = event.teams->plays.find(key);
    return it == event.teams->plays.end() ? none : it->second;
}

Pos teamOf(const MatchState& m, int side) { return side == team::kFirst ? m.first : m.second; }

std::string playerName(const Event& event, const MatchState& m, int side, int player) {
    const std::vector<std::string>& roster = rosterOf(event, teamOf(m, side));
    return player >= 0 && static_cast<std::size_t>(player) < roster.size() ? roster[static_cast<std::size_t>(player)]
                                                                           : std::to_string(player + 1);
}

TeamCheck refused(TeamRefused why, int number) {
    TeamCheck check;
    check.set = why;
    check.number = number;
    return check;
}

// A refusal that names the player at fault and the team.
TeamCheck refusedPlayer(const Event& event, const MatchState& m, TeamRefused why, int number, int side, int player) {
    TeamCheck check = refused(why, number);
    check.player = playerName(event, m, side, player);
    check.team = event.participants[static_cast<std::size_t>(teamOf(m, side))];
    return check;
}

// The match, or why it cannot take a set or an entry now.
TeamCheck matchProblem(const Event& event, MatchKey key, int number, MatchState& m) {
    if (!event.teams) return refused(TeamRefused::NotTeamEvent, number);
    TeamCheck check;
    if (!isPlayoff(key) && event.playoff.perGroup != 0) check.problem = ChangeProblem::GroupsLocked;
    const ResultProblem problem = matchNow(event, key, m);
    if (check.ok() && problem != ResultProblem::None) check.problem = ChangeProblem::Result, check.result = problem;
    return check;
}

// A result that stands beside sets that do not decide the match (a
// walkover, or a score given alone) decided it.
bool decidedOtherwise(const Event& event, const MatchState& m, const std::vector<team::TeamSet>& sets) {
    return m.score && !team::matchWinner(teamRules(event, m), sets);
}

TeamCheck setFault(const Event& event, const MatchState& m, const std::vector<team::TeamSet>& played, int number,
                   const team::TeamSet& set, const team::SetFault& fault) {
    if (!fault.side) {
        TeamCheck check = refused(fault.why, number);
        check.wanted = std::to_string(played.size() + 1);
        return check;
    }
    const int side = *fault.side;
    TeamCheck check = refusedPlayer(event, m, fault.why, number, side, set.players[side]);
    if (fault.why == TeamRefused::NotTheStayer) check.wanted = playerName(event, m, side, played.back().players[side]);
    return check;
}

// The entry named for the set, where one was; a player entered for another
// set of a sets match plays that one.
TeamCheck entryFault(const Event& event, const MatchState& m, const team::TeamMatchPlay& play, int number,
                     const team::TeamSet& set) {
    const team::TeamMatchFormat& format = event.teams->format;
    for (int side : {team::kFirst, team::kSecond}) {
        const bool again = format.kind == team::MatchKind::WinnerStays || team::isAceSet(format, number);
        for (std::size_t s = 0; s < play.entries.size() && !again; ++s) {
            if (static_cast<int>(s) + 1 != number && play.entries[s][static_cast<std::size_t>(side)] == set.players[side]) {
                return refusedPlayer(event, m, TeamRefused::PlayedTwice, number, side, set.players[side]);
            }
        }
    }
    if (number < 1 || static_cast<std::size_t>(number) > play.entries.size()) return {};
    for (int side : {team::kFirst, team::kSecond}) {
        const int entered = play.entries[static_cast<std::size_t>(number - 1)][static_cast<std::size_t>(side)];
        if (entered == team::kNoEntry || entered == set.players[side]) continue;
        TeamCheck check = refusedPlayer(event, m, TeamRefused::NotTheEntry, number, side, set.players[side]);
        check.wanted = playerName(event, m, side, entered);
        return check;
    }
    return {};
}

bool inMapList(const Event& event, Pos map) {
    return map == kNone || (event.state.settings.mapsEnabled && map >= 0 && map < static_cast<Pos>(event.maps.size()));
}

std::optional<Score> decidedScore(const Event& event, MatchKey key, const MatchState& m) {
    return team::decidedScore(teamRules(event, m), playOf(event, key).sets);
}

// Whether the player was entered for, or played, another set of the match
// that is not its ace set.
bool usedElsewhere(const team::TeamMatchFormat& format, const team::TeamMatchPlay& play, int number, int side,
                   int player) {
    for (std::size_t s = 0; s < play.entries.size(); ++s) {
        const int other = static_cast<int>(s) + 1;
        if (other != number && !team::isAceSet(format, other) && play.entries[s][static_cast<std::size_t>(side)] == player) {
            return true;
        }
    }
    return std::any_of(play.sets.begin(), play.sets.end(), [&](const team::TeamSet& s) { return s.players[side] == player; });
}

// Entries end with the last set that has one, so that an event keeps one form.
void trimEntries(Event& event, MatchKey key) {
    team::TeamMatchPlay& play = event.teams->plays[key];
    const std::array<int, 2> none{team::kNoEntry, team::kNoEntry};
    while (!play.entries.empty() && play.entries.back() == none) play.entries.pop_back();
    if (play.empty()) event.teams->plays.erase(key);
}

// An entry given for one team only keeps the other team's as entered
// before (none at first): each team's entry is known when that team names it.
int enteredBefore(const Event& event, MatchKey key, int number, int side) {
    const std::vector<std::array<int, 2>>& entries = playOf(event, key).entries;
    if (number < 1 || static_cast<std::size_t>(number) > entries.size()) return team::kNoEntry;
    return entries[static_cast<std::size_t>(number - 1)][static_cast<std::size_t>(side)];
}

int rosterIndex(const std::vector<std::string>& roster, std::string_view name) {
    for (std::size_t i = 0; i < roster.size(); ++i) {
        if (isNamed(roster[i], name)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

bool isTeamEvent(const Event& event) { return event.teams.has_value(); }

team::TeamMatchRules teamRules(const Event& event, const MatchState& match) {
    team::TeamMatchRules rules;
    rules.format = event.teams ? event.teams->format : team::TeamMatchFormat{};
    for (int side : {team::kFirst, team::kSecond}) {
        rules.rosters[side] = event.teams ? static_cast<int>(rosterOf(event, teamOf(match, side)).size()) : 0;
    }
    return rules;
}

TeamCheck checkTeamSet(const Event& event, MatchKey key, int number, const team::TeamSet& set) {
    MatchState m;
    if (TeamCheck check = matchProblem(event, key, number, m); !check.ok()) return check;
    const team::TeamMatchPlay& play = playOf(event, key);
    if (decidedOtherwise(event, m, play.sets)) return refused(TeamRefused::MatchDecided, number);
    if (const auto fault = team::checkSet(teamRules(event, m), play.sets, number, set)) {
        return setFault(event, m, play.sets, number, set, *fault);
    }
    if (TeamCheck check = entryFault(event, m, play, number, set); !check.ok()) return check;
    if (!inMapList(event, set.map)) {
        TeamCheck check = refused(TeamRefused::MapNotInList, number);
        check.wanted = std::to_string(set.map + 1);
        return check;
    }
    return {};
}

TeamCheck recordTeamSet(Event& event, MatchKey key, int number, const team::TeamSet& set) {
    TeamCheck check = checkTeamSet(event, key, number, set);
    if (!check.ok()) return check;
    MatchState m;
    matchNow(event, key, m);
    team::TeamSet played = set;
    const std::vector<Pos> dealt = gameMaps(m);
    if (played.map == kNone && static_cast<std::size_t>(number) <= dealt.size()) played.map = dealt[static_cast<std::size_t>(number - 1)];
    event.teams->plays[key].sets.push_back(played);
    if (const std::optional<Score> score = decidedScore(event, key, m)) recordResult(event, key, *score);
    return check;
}

TeamCheck checkEntry(const Event& event, MatchKey key, int number, std::array<int, 2> players) {
    MatchState m;
    if (TeamCheck check = matchProblem(event, key, number, m); !check.ok()) return check;
    const team::TeamMatchRules rules = teamRules(event, m);
    const team::TeamMatchPlay& play = playOf(event, key);
    if (number < 1 || number > rules.format.mostSets()) {
        TeamCheck check = refused(TeamRefused::NotNextSet, number);
        check.wanted = std::to_string(play.sets.size() + 1);
        return check;
    }
    if (static_cast<std::size_t>(number) <= play.sets.size()) return refused(TeamRefused::SetPlayed, number);
    if (m.score) return refused(TeamRefused::MatchDecided, number);
    const bool onTheSpot = rules.format.kind == team::MatchKind::WinnerStays ? number != 1 : team::isAceSet(rules.format, number);
    if (onTheSpot) return refused(TeamRefused::EntryOpen, number);
    for (int side : {team::kFirst, team::kSecond}) {
        const int p = players[static_cast<std::size_t>(side)];
        if (p == team::kNoEntry) continue;
        if (p < 0 || p >= rules.rosters[side]) return refusedPlayer(event, m, TeamRefused::NotOnRoster, number, side, p);
        if (usedElsewhere(rules.format, play, number, side, p)) return refusedPlayer(event, m, TeamRefused::PlayedTwice, number, side, p);
    }
    return {};
}

TeamCheck enterEntry(Event& event, MatchKey key, int number, std::array<int, 2> players) {
    TeamCheck check = checkEntry(event, key, number, players);
    if (!check.ok()) return check;
    std::vector<std::array<int, 2>>& entries = event.teams->plays[key].entries;
    if (entries.size() < static_cast<std::size_t>(number)) entries.resize(static_cast<std::size_t>(number), {team::kNoEntry, team::kNoEntry});
    entries[static_cast<std::size_t>(number - 1)] = players;
    trimEntries(event, key);
    return check;
}

bool clearTeamMatch(Event& event, MatchKey key) {
    if (!event.teams || (!isPlayoff(key) && event.playoff.perGroup != 0)) return false;
    std::vector<MatchKey> gone = laterResults(event, key);
    const bool had = event.teams->plays.erase(key) > 0;
    const bool result = clearResult(event, key);
    if (result) {
        for (MatchKey later : gone) event.teams->plays.erase(later);
    }
    return had || result;
}

TeamCheck recordGivenSet(Event& event, const GivenSet& given) {
    MatchState m;
    if (TeamCheck check = matchProblem(event, given.key, given.number, m); !check.ok()) return check;
    std::array<int, 2> players{};
    for (int side : {team::kFirst, team::kSecond}) {
        const std::string& name = given.players[static_cast<std::size_t>(side)];
        if (name.empty() && !given.winner) {
            players[static_cast<std::size_t>(side)] = enteredBefore(event, given.key, given.number, side);
            continue;
        }
        players[static_cast<std::size_t>(side)] = rosterIndex(rosterOf(event, teamOf(m, side)), name);
        if (players[static_cast<std::size_t>(side)] < 0) {
            TeamCheck check = refusedPlayer(event, m, TeamRefused::NotOnRoster, given.number, side, 0);
            check.player = name;
            return check;
        }
    }
    if (!given.winner) return enterEntry(event, given.key, given.number, players);
    team::TeamSet set{{players[0], players[1]}, isNamed(given.players[0], *given.winner), kNone};
    if (!set.firstWon && !isNamed(given.players[1], *given.winner)) {
        TeamCheck check = refused(TeamRefused::NotInSet, given.number);
        check.player = *given.winner;
        return check;
    }
    if (given.map) {
        const auto at = std::find_if(event.maps.begin(), event.maps.end(), [&](const std::string& map) { return isNamed(map, *given.map); });
        set.map = at == event.maps.end() ? static_cast<Pos>(event.maps.size()) : static_cast<Pos>(at - event.maps.begin());
        if (!inMapList(event, set.map)) {
            TeamCheck check = refused(TeamRefused::MapNotInList, given.number);
            check.wanted = *given.map;
            return check;
        }
    }
    return recordTeamSet(event, given.key, given.number, set);
}

std::optional<Score> setsResult(const Event& event, MatchKey key) {
    MatchState m;
    if (!event.teams || event.teams->plays.count(key) == 0) return std::nullopt;
    matchNow(event, key, m);
    return decidedScore(event, key, m);
}

void dropSetsNotCounting(Event& event, MatchKey key, Score score) {
    if (!event.teams || event.teams->plays.count(key) == 0 || playOf(event, key).sets.empty()) return;
    if (setsResult(event, key) == score) return;
    event.teams->plays[key].sets.clear();
    trimEntries(event, key);
}

team::Refusal teamRefusal(const TeamCheck& check, const std::function<std::string(std::string_view)>& toUtf8) {
    return {check.set.value_or(TeamRefused::MatchDecided),
            {std::to_string(check.number), toUtf8(check.player), toUtf8(check.team), toUtf8(check.wanted)}};
}

}  // namespace rl::event
