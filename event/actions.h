#pragma once
// The changes a program makes to an event after its draw. The window program
// keeps its event as one value and changes it only through these, then saves
// it; the tests walk random sequences of them. Each change leaves an event
// that the event file writes and reads back as it is. Portable.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "event/event.h"
#include "standings/race_stats.h"

namespace rl::event {

// Whether a match of the groups or of the playoff (group kPlayoffGroup) can
// take `score` now. While the playoff stands, the groups' results it was
// made from are fixed: GroupsLocked.
enum class ChangeProblem { None, GroupsLocked, NoPlayoff, Result };
struct ResultCheck {
    ChangeProblem problem = ChangeProblem::None;
    ResultProblem result = ResultProblem::None;  // with ChangeProblem::Result
    int game = 0;  // the game (from 1) a problem of games is in; 0: the match's
    bool ok() const { return problem == ChangeProblem::None; }
};
// A match of N games takes W:L only when the winner has (N + 1) / 2 and the
// loser fewer (ResultProblem::SeriesNotWon otherwise).
ResultCheck checkEventResult(const Event& event, MatchKey key, Score score);
// The match as the results leave it, or why it cannot be played now
// (NoSuchGroup, NoSuchMatch, Bye, PlayersNotKnown, Withdrawn); its players
// are filled in even then, where the match has them.
ResultProblem matchNow(const Event& event, MatchKey key, MatchState& m);
// Games the match is played over (1, 3, 5 or 7): what its score boxes take.
int matchLength(const Event& event, MatchKey key);

// The later results whose players come from the match's winner: what
// clearing the match, or giving it another winner, takes away.
std::vector<MatchKey> laterResults(const Event& event, MatchKey key);
// Whether `score` would give the match another winner than its result has.
bool changesWinner(const Event& event, MatchKey key, Score score);

// Enters the result (after checkEventResult); a new winner takes the later
// results with it. A group's settled orders that no longer settle a tie go.
void recordResult(Event& event, MatchKey key, Score score);

// The games of a match as played, the first game first, and what they give:
// once they decide the match their score is its result (a new winner takes
// the later results with it, as recordResult does); while they do not, it
// has none. A game's map kNone is the one dealt for it. checkEventGames
// refuses as checkEventResult does, and a game past the match's length,
// after it was decided (GamesAfterDecided) or on a map not in the list.
ResultCheck checkEventGames(const Event& event, MatchKey key, const std::vector<Game>& games);
void recordGames(Event& event, MatchKey key, std::vector<Game> games);

// A game as an evening's record gives it: its winner's name and its map.
struct GivenGame {
    std::optional<std::string> winner;  // CP949; nothing: a name no player can bear
    Pos map = kNone;                    // kNone: the map dealt for it
};

// A result as an evening's record gives it: the maps won, or the winner's
// name with or without a walkover; and the games, which may give it alone.
struct GivenResult {
    MatchKey key;
    std::optional<Score> score;
    std::optional<std::string> winner;  // CP949; nothing: a name no player can bear
    bool walkover = false;              // the winner goes on without playing
    std::vector<GivenGame> games{};
    bool scoreGiven = true;  // false: the games alone give the result
};

// Checks and records a result the way a record of the whole evening gives
// it (the results file). Its withdrawals come first, so that their
// walkovers fill the brackets; a result it gives for a match of a player
// who withdrew in the same record was played before the withdrawal and
// stands, unless a player had withdrawn before (`before`: the event as the
// record found it). A result that repeats one the event has is taken even
// while the playoff holds the groups. `takenAway`: the later results that a
// new winner took with it.
ResultCheck recordGiven(Event& event, const GivenResult& given, const Event& before,
                        std::vector<MatchKey>& takenAway);

// The result and the later ones that depended on it; false (nothing
// changed) when there was none, or the playoff holds the groups' results.
bool clearResult(Event& event, MatchKey key);

// Puts members sharing a rank in the given order, in place of an earlier
// order of the same members; false (nothing changed) when it settles no tie.
bool settleTie(Event& event, const SettledOrder& order);

// Gives the match to `winner`, one of its players, without it being played;
// replaces its result like recordResult. NotAPlayer when `winner` does not
// play it; the rest as checkEventResult.
ResultCheck giveWalkover(Event& event, MatchKey key, Pos winner);

// The player leaves the event: every match of theirs without a result is a
// walkover for the opponent from now on, once the opponent is known (under
// the void rule a league's matches of theirs count for nothing instead).
// After the playoff is made only its matches change. False (nothing
// changed) for a player not drawn or already withdrawn.
bool withdraw(Event& event, Pos player);
// The walkovers the withdrawal made go, with the later results that came
// from them; the results entered since stand. False when the player has not
// withdrawn, or withdrew before a playoff that still stands.
bool takeBackWithdrawal(Event& event, Pos player);
bool isWithdrawn(const Event& event, Pos player);
// Every withdrawn player, before and after the playoff, in entry order.
std::vector<Pos> withdrawnPlayers(const Event& event);
// The rule is chosen before the first withdrawal: false (nothing changed)
// once there is one.
bool setWithdrawalRule(Event& event, WithdrawalRule rule);
WithdrawalRule withdrawalRule(const Event& event);

// What the organiser chooses for the playoff, as the playoff window and the
// command line's options give it.
struct PlayoffChoice {
    int perGroup = 0;  // K; 0: no playoff
    bool thirdPlace = false;
    std::vector<int> bestOf;         // its rounds' lengths, the final's last (see Playoff); empty: the groups'
    std::vector<PlayoffPair> pairs;  // its first round from the top; empty: the bracket rule's
};

// Makes the playoff from the groups, keeping the settled orders that decide
// something for its size; the refusal (empty when made).
PlayoffRefusal makePlayoff(Event& event, const PlayoffChoice& choice);
// The playoff, its results and every settled order go; a withdrawal made
// after it stays, as a withdrawal from the groups.
void undoPlayoff(Event& event);

// Every result, the playoff's included, and every withdrawal: what an
// evening has entered.
int resultCount(const Event& event);

// Why a replacement or a swap before play cannot be made (see
// changeProblemText for the wording). The last three are for a record that
// names the players by text.
enum class ChangeRefusal {
    None,
    HasResult,       // a match of the player's has a result
    Withdrawn,       // the player has withdrawn
    PlayoffMade,     // the groups are fixed while the playoff stands
    SamePlayer,      // a swap of a player with himself
    NameTaken,       // the new name is a participant's already
    NameEmpty,       // the new name breaks the list rules: ...
    NameWhiteSpace,
    NameControl,
    NameNotCp949,
    NameTooLong,
    TooManyChanges,  // kMaxChanges made already
    NotAPlayer,      // no drawn player bears the name
    TwoNamed,        // two drawn players bear it
    Ambiguous,       // the record's line can be read more than one way
    GroupPlayed,     // a move: a group it changes has a result or a withdrawal
    NoVacancy,       // a move: the group has no empty place
    AlreadyLast,     // a move to the own group's empty place, from the place before it
    TooFewLeft,      // a move would leave the group with fewer than two players
    DualGroup,       // a dual tournament's groups keep their places' pairs
    NoRoster,        // a team league's new team comes without its players
};

// The drawn players (in group and place order) named `cp949` as typed, in
// group `group` or anywhere (-1).
std::vector<Pos> playersNamed(const Event& event, int group, std::string_view cp949);
// Whether the player may leave their place now: drawn, no result, not
// withdrawn, no playoff.
ChangeRefusal checkMovable(const Event& event, Pos player);
// Whether `cp949` may join the event as a new player (the list rules, a
// name no participant bears).
ChangeRefusal checkNewName(const Event& event, std::string_view cp949);
// `by` (CP949) takes the player's place, matches and pot, and is a
// participant from now on, of its own race; nothing changes unless None.
// In a team league the new team brings its roster (1 to team::kMaxRoster
// players, CP949, as event/rosters.h reads them); a players' event has none.
ChangeRefusal checkReplacement(const Event& event, Pos player, std::string_view by);
ChangeRefusal replacePlayer(Event& event, Pos player, const std::string& by, Race race = Race::None,
                            std::vector<std::string> roster = {});
// The two players trade places; nothing changes unless None.
ChangeRefusal checkSwap(const Event& event, Pos first, Pos second);
ChangeRefusal swapPlayers(Event& event, Pos first, Pos second);
// The player moves to the first empty place of `group` (his own too); both
// groups' matches are made again (see moveMatches), which only groups
// without a result or a withdrawal take. Nothing changes unless None.
ChangeRefusal checkMove(const Event& event, Pos player, int group);
// The group a move's refusal speaks of: the one the player would leave, or
// the one he would join.
int refusedMoveGroup(const Event& event, Pos player, int group, ChangeRefusal refusal);
ChangeRefusal movePlayer(Event& event, Pos player, int group);
// Group (from 0) and place (from 0) of a drawn player; {-1, -1} for none.
std::pair<int, int> placeOfPlayer(const GroupTable& table, Pos player);

// What the standings window writes as "순위표.txt" and what rosterloom-cli
// writes for the event once anything is entered: the export, every group's
// table (settled members marked) and the playoff once made; for a team
// league, teamStandingsFileText's. CP949.
std::string eventStandingsText(const Event& event);

// How each map plays for each race and each player's record against each
// race (race_stats.h); nothing for an event whose participants have no race,
// whose every output stays as it was.
std::optional<RaceStats> eventRaceStats(const Event& event);
// "< 맵별 종족 전적 >", what the standings text ends with when the event has
// races and maps; empty otherwise. CP949.
std::string eventRaceStatsText(const Event& event);

}  // namespace rl::event
