#pragma once
// The changes a team league makes to its event after the draw: the entries
// named before a set, the sets played, and clearing a match's sets. A team
// match's result stands in the event's results like a player's match, once
// its sets decide it, so the tables, brackets and the playoff count it as
// they count any other. Portable.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "event/actions.h"
#include "team/league.h"
#include "team/refusal.h"

namespace rl::event {

bool isTeamEvent(const Event& event);

// The rules of a team match: the league's format and the rosters of the
// two teams that play it (as the match now has them).
team::TeamMatchRules teamRules(const Event& event, const MatchState& match);

// Why a set or an entry is refused: the match cannot be played now (a
// problem of the event, as checkEventResult has them), or a rule of the
// sets (`set`, with the set's number, the player and team at fault and what
// the rule wanted there, CP949, for the wording).
struct TeamCheck {
    ChangeProblem problem = ChangeProblem::None;
    ResultProblem result = ResultProblem::None;
    std::optional<team::Refused> set;
    int number = 0;
    std::string player{}, team{}, wanted{};

    bool ok() const { return problem == ChangeProblem::None && !set; }
};

// Whether the set, numbered from 1, may be the match's next: the set rules
// (team::checkSet), the entries named for it, and a map of the list.
TeamCheck checkTeamSet(const Event& event, MatchKey key, int number, const team::TeamSet& set);
// Adds the set; once the sets decide the match their score is its result
// (a team that ran out of players loses by the sets still needed, as a
// walkover counts them).
TeamCheck recordTeamSet(Event& event, MatchKey key, int number, const team::TeamSet& set);

// Each team's player named for the set before it is played (roster indices,
// team::kNoEntry for a team that names none). Only the sets of a sets match
// but its ace set, and winner stays' first set, take entries; a player is
// entered for one set of a match.
TeamCheck checkEntry(const Event& event, MatchKey key, int number, std::array<int, 2> players);
TeamCheck enterEntry(Event& event, MatchKey key, int number, std::array<int, 2> players);

// The match's sets and entries go, and the result they gave with the later
// results that came from it; false when it had none.
bool clearTeamMatch(Event& event, MatchKey key);

// A set or an entry as an evening's record gives it: by the players' names
// (CP949), the winner's, and the map's as played. An entry may leave one
// name empty: that team's entry stays as it was (named again, a team's
// entry is the later one).
struct GivenSet {
    MatchKey key;
    int number = 0;
    std::array<std::string, 2> players;
    std::optional<std::string> winner{};  // nothing: an entry
    std::optional<std::string> map{};
};
TeamCheck recordGivenSet(Event& event, const GivenSet& given);

// The result the match's sets give, once they decide it.
std::optional<Score> setsResult(const Event& event, MatchKey key);
// A result the sets do not give was not played in them: the sets go (the
// entries stay). For recordResult.
void dropSetsNotCounting(Event& event, MatchKey key, Score score);

// The refusal of a set's rule in words: values converted by `toUtf8`.
team::Refusal teamRefusal(const TeamCheck& check, const std::function<std::string(std::string_view)>& toUtf8);

}  // namespace rl::event
