#include "event/actions.h"

#include <algorithm>
#include <map>
#include <optional>

#include "engine/series.h"
#include "engine/limits.h"
#include "event/team_text.h"
#include "standings/bracket.h"
#include "standings/standings_text.h"
#include "event/team_actions.h"
#include "team/team.h"

namespace rl::event {
namespace {

bool isPlayoff(MatchKey key) { return key.group == kPlayoffGroup; }
bool playoffMade(const Event& event) { return event.playoff.perGroup != 0; }

PlayoffBracket bracketOf(const Event& event) {
    ListHost host = hostFor(event);
    return playoffBracket(event.state, event.results, event.playoff, event.seed, host);
}

Results& resultsOf(Event& event, MatchKey key) { return isPlayoff(key) ? event.playoff.results : event.results; }
const Results& resultsOf(const Event& event, MatchKey key) {
    return isPlayoff(key) ? event.playoff.results : event.results;
}

bool firstWins(const Score& s) { return s.first > s.second; }

std::vector<Pos> sorted(std::vector<Pos> members) {
    std::sort(members.begin(), members.end());
    return members;
}

// Before the playoff any shared rank may be settled; once it is made, only
// one that decides who goes through or where.
int settlingDepth(const Event& event) {
    return playoffMade(event) ? event.playoff.perGroup : kMaxPlayoffPlayers;
}

// A result can break the tie an order settled; such an order goes, so that
// nothing kept refers to a tie that is no more.
void dropStaleOrders(Event& event) {
    event.playoff.settled =
        ordersThatSettle(event.state, event.results, event.playoff.perGroup, event.playoff.settled);
}

// Whether the player has a place in the draw.
bool drawn(const Event& event, Pos player) {
    for (const auto& row : event.state.groupTable) {
        if (std::find(row.begin(), row.end(), player) != row.end()) return player != kNone;
    }
    return false;
}

// The match as the results leave it; nothing when there is no such match.
std::optional<MatchState> matchOf(const Event& event, MatchKey key) {
    const std::vector<MatchState> matches =
        isPlayoff(key) ? bracketOf(event).matches : groupStandings(event.state, event.results, key.group).matches;
    if (key.number < 1 || key.number > static_cast<int>(matches.size())) return std::nullopt;
    return matches[static_cast<std::size_t>(key.number - 1)];
}

// Every match of the groups, or of the playoff once made, as the results leave it.
std::map<MatchKey, MatchState> everyMatch(const Event& event) {
    std::map<MatchKey, MatchState> out;
    if (playoffMade(event)) {
        for (const MatchState& m : bracketOf(event).matches) out[{kPlayoffGroup, m.number}] = m;
        return out;
    }
    for (int g = 0; g < static_cast<int>(event.state.groupTable.size()); ++g) {
        for (const MatchState& m : groupStandings(event.state, event.results, g).matches) out[{g, m.number}] = m;
    }
    return out;
}

// The walkovers of `event` that `without` gives to nobody or to another:
// what taking a withdrawal back reopens.
std::vector<MatchKey> walkoversGone(const Event& event, const Event& without) {
    const std::map<MatchKey, MatchState> now = everyMatch(event), then = everyMatch(without);
    std::vector<MatchKey> keys;
    for (const auto& [key, m] : now) {
        if (m.withdrawal && then.at(key).winner != m.winner) keys.push_back(key);
    }
    return keys;
}

const Withdrawals& withdrawalsOf(const Event& event, MatchKey key) {
    return resultsOf(event, key).withdrawals();
}

// The score a given result means, or why it cannot stand now.
ResultProblem givenProblem(const Event& event, const GivenResult& given, Score& score) {
    const MatchKey key = given.key;
    if (given.score) {
        score = *given.score;
        return isPlayoff(key) ? checkPlayoffResult(bracketOf(event), key.number, score)
                              : checkResult(event.state, event.results, key, score);
    }
    ListHost host = hostFor(event);
    if (isPlayoff(key)) {
        return playoffScoreForWinner(bracketOf(event), host, key.number, given.winner.value_or("\n"), score,
                                     given.walkover);
    }
    if (!given.winner) {
        const ResultProblem problem = checkMatch(event.state, event.results, key);
        return problem == ResultProblem::None ? ResultProblem::NotAPlayer : problem;
    }
    return scoreForWinner(event.state, event.results, host, key, *given.winner, score, given.walkover);
}

// A withdrawn player's walkover that the record says was played first.
ResultProblem playedBeforeWithdrawal(const Event& event, const GivenResult& given, const Event& before,
                                     Score& score) {
    const MatchState m = *matchOf(event, given.key);
    const Withdrawals& earlier = withdrawalsOf(before, given.key);
    if (earlier.has(m.first) || earlier.has(m.second)) return ResultProblem::Withdrawn;
    if (given.score) return checkScore(score, m.bestOf);
    ListHost host = hostFor(event);
    return bracket::namedScore(m, host, given.winner.value_or("\n"), given.walkover, score);
}

// The match as the results leave it, or why it cannot take games now (its
// players are filled in even then, where the match has them).
ResultProblem playableNow(const Event& event, MatchKey key, MatchState& m) {
    if (!isPlayoff(key) && !bracket::groupExists(event.state, key.group)) return ResultProblem::NoSuchGroup;
    const std::vector<MatchState> matches =
        isPlayoff(key) ? bracketOf(event).matches : groupStandings(event.state, event.results, key.group).matches;
    return bracket::playable(matches, key.number, m);
}

bool inMapList(const Event& event, Pos map) {
    return map == kNone || (event.state.settings.mapsEnabled && map >= 0 && map < static_cast<Pos>(event.maps.size()));
}

// Why the games cannot stand in the match beside `score`; without one,
// beside what they count to once they decide it.
ResultCheck gamesCheck(const Event& event, const MatchState& m, const std::vector<Game>& games, const Score* score) {
    for (std::size_t i = 0; i < games.size(); ++i) {
        if (!inMapList(event, games[i].map)) return {ChangeProblem::Result, ResultProblem::MapNotInList, static_cast<int>(i) + 1};
    }
    const Score counted = gamesScore(games);
    const GameFault fault =
        gamesFault(games, m.bestOf, score ? score : gamesDecide(games, m.bestOf) ? &counted : nullptr);
    if (fault.problem != ResultProblem::None) return {ChangeProblem::Result, fault.problem, fault.game};
    return {};
}

// A game given without its map was played on the one dealt for it.
std::vector<Game> withDealtMaps(std::vector<Game> games, const MatchState& m) {
    const std::vector<Pos> dealt = gameMaps(m);
    for (std::size_t i = 0; i < games.size() && i < dealt.size(); ++i) {
        if (games[i].map == kNone) games[i].map = dealt[i];
    }
    return games;
}

// The score a record's line gives beside its games: a walkover was not played.
ResultProblem lineScore(const MatchState& m, const GivenResult& given, Host& host, Score& score) {
    if (given.walkover) return ResultProblem::GamesDisagree;
    if (given.score) {
        score = *given.score;
        return checkScore(score, m.bestOf);
    }
    return bracket::namedScore(m, host, given.winner.value_or("\n"), false, score);
}

// A later match's result goes.
void clearLater(Event& event, MatchKey key, MatchKey later) { resultsOf(event, key).clear(later); }

// What was entered of the sets of the matches that the match's winner or
// loser leads to, whose teams are not theirs any more: it goes with them.
void dropLaterPlays(Event& event, MatchKey key) {
    if (!event.teams) return;
    const std::vector<MatchState> matches =
        isPlayoff(key) ? bracketOf(event).matches : groupStandings(event.state, event.results, key.group).matches;
    std::vector<int> fed{key.number};
    for (const MatchState& m : matches) {
        if (m.number <= key.number) continue;
        if (std::count(fed.begin(), fed.end(), m.firstFrom) == 0 && std::count(fed.begin(), fed.end(), m.secondFrom) == 0) continue;
        fed.push_back(m.number);
        event.teams->plays.erase({key.group, m.number});
    }
}

Withdrawals& withdrawalsNow(Event& event) {
    return playoffMade(event) ? event.playoff.results.withdrawals() : event.results.withdrawals();
}

}  // namespace

ResultProblem matchNow(const Event& event, MatchKey key, MatchState& m) {
    if (isPlayoff(key) && !playoffMade(event)) return ResultProblem::NoSuchMatch;
    return playableNow(event, key, m);
}

ResultCheck checkEventResult(const Event& event, MatchKey key, Score score) {
    ResultProblem problem;
    if (isPlayoff(key)) {
        if (!playoffMade(event)) return {ChangeProblem::NoPlayoff};
        problem = checkPlayoffResult(bracketOf(event), key.number, score);
    } else {
        if (playoffMade(event)) return {ChangeProblem::GroupsLocked};
        problem = checkResult(event.state, event.results, key, score);
    }
    if (problem != ResultProblem::None) return {ChangeProblem::Result, problem};
    return {};
}

int matchLength(const Event& event, MatchKey key) {
    if (!isPlayoff(key)) return event.state.settings.bestOf;
    const PlayoffBracket bracket = bracketOf(event);
    const bool known = key.number >= 1 && key.number <= static_cast<int>(bracket.matches.size());
    return known ? bracket.matches[static_cast<std::size_t>(key.number - 1)].bestOf : 1;
}

std::vector<MatchKey> laterResults(const Event& event, MatchKey key) {
    const std::vector<int> numbers = isPlayoff(key) ? playoffDependents(bracketOf(event), event.playoff, key.number)
                                                    : dependentResults(event.state, event.results, key);
    std::vector<MatchKey> keys;
    for (int number : numbers) keys.push_back({key.group, number});
    return keys;
}

bool changesWinner(const Event& event, MatchKey key, Score score) {
    const Score* before = resultsOf(event, key).find(key);
    return before && firstWins(*before) != firstWins(score);
}

void recordResult(Event& event, MatchKey key, Score score) {
    // Games that do not count to the score were not the match's games.
    if (!(gamesScore(resultsOf(event, key).games(key)) == score)) resultsOf(event, key).setGames(key, {});
    dropSetsNotCounting(event, key, score);
    if (changesWinner(event, key, score)) {
        for (MatchKey later : laterResults(event, key)) clearLater(event, key, later);
        dropLaterPlays(event, key);
    }
    resultsOf(event, key).set(key, score);
    if (!isPlayoff(key)) dropStaleOrders(event);
}

ResultCheck checkEventGames(const Event& event, MatchKey key, const std::vector<Game>& games) {
    if (isPlayoff(key) && !playoffMade(event)) return {ChangeProblem::NoPlayoff};
    if (!isPlayoff(key) && playoffMade(event)) return {ChangeProblem::GroupsLocked};
    MatchState m;
    const ResultProblem problem = playableNow(event, key, m);
    if (problem != ResultProblem::None) return {ChangeProblem::Result, problem};
    return gamesCheck(event, m, games, nullptr);
}

// No games leave the score as it is; games that do not decide the match yet
// take its result away.
void recordGames(Event& event, MatchKey key, std::vector<Game> games) {
    MatchState m;
    playableNow(event, key, m);
    games = withDealtMaps(std::move(games), m);
    if (gamesDecide(games, m.bestOf)) recordResult(event, key, gamesScore(games));
    else if (!games.empty()) clearResult(event, key);
    resultsOf(event, key).setGames(key, std::move(games));
}

namespace {

// A record's games, each winner by name; a player who withdrew in the same
// record played them first.
ResultCheck recordGivenGames(Event& event, const GivenResult& given, const Event& before,
                             std::vector<MatchKey>& takenAway) {
    const MatchKey key = given.key;
    MatchState m;
    ResultProblem problem = playableNow(event, key, m);
    const Withdrawals& earlier = withdrawalsOf(before, key);
    if (problem == ResultProblem::Withdrawn && !earlier.has(m.first) && !earlier.has(m.second)) problem = ResultProblem::None;
    if (problem != ResultProblem::None) return {ChangeProblem::Result, problem};
    ListHost host = hostFor(event);
    std::vector<Game> games;
    for (std::size_t i = 0; i < given.games.size(); ++i) {
        bool first = false;
        const GivenGame& g = given.games[i];
        problem = g.winner ? bracket::namedWinner(m, host, *g.winner, first) : ResultProblem::NotAPlayer;
        if (problem != ResultProblem::None) return {ChangeProblem::Result, problem, static_cast<int>(i) + 1};
        games.push_back({first, g.map});
    }
    games = withDealtMaps(std::move(games), m);
    Score score;
    if (given.scoreGiven && (problem = lineScore(m, given, host, score)) != ResultProblem::None) {
        return {ChangeProblem::Result, problem};
    }
    if (ResultCheck check = gamesCheck(event, m, games, given.scoreGiven ? &score : nullptr); !check.ok()) return check;
    const Results& results = resultsOf(event, key);
    if (!isPlayoff(key) && playoffMade(event)) {
        const Score* kept = results.find(key);
        const bool same = results.games(key) == games && (gamesDecide(games, m.bestOf) ? kept && *kept == gamesScore(games) : !kept);
        return same ? ResultCheck{} : ResultCheck{ChangeProblem::GroupsLocked};
    }
    const bool decided = gamesDecide(games, m.bestOf);
    const bool taken = decided ? changesWinner(event, key, gamesScore(games)) : results.find(key) != nullptr;
    takenAway = taken ? laterResults(event, key) : std::vector<MatchKey>{};
    recordGames(event, key, std::move(games));
    return {};
}

}  // namespace

ResultCheck recordGiven(Event& event, const GivenResult& given, const Event& before,
                        std::vector<MatchKey>& takenAway) {
    if (!given.games.empty()) return recordGivenGames(event, given, before, takenAway);
    const MatchKey key = given.key;
    Score score;
    ResultProblem problem = givenProblem(event, given, score);
    if (problem == ResultProblem::Withdrawn) problem = playedBeforeWithdrawal(event, given, before, score);
    if (problem != ResultProblem::None) return {ChangeProblem::Result, problem};
    if (given.walkover) score = walkoverFor(firstWins(score), matchLength(event, key));
    if (!isPlayoff(key) && playoffMade(event)) {
        const Score* kept = event.results.find(key);
        return kept && *kept == score ? ResultCheck{} : ResultCheck{ChangeProblem::GroupsLocked};
    }
    takenAway = changesWinner(event, key, score) ? laterResults(event, key) : std::vector<MatchKey>{};
    recordResult(event, key, score);
    return {};
}

bool clearResult(Event& event, MatchKey key) {
    const Results& results = resultsOf(event, key);
    if ((!results.find(key) && results.games(key).empty()) || (!isPlayoff(key) && playoffMade(event))) return false;
    for (MatchKey later : laterResults(event, key)) clearLater(event, key, later);
    dropLaterPlays(event, key);
    resultsOf(event, key).clear(key);
    // A team match's sets go with the result they gave, as a series' games do.
    if (event.teams) event.teams->plays.erase(key);
    if (!isPlayoff(key)) dropStaleOrders(event);
    return true;
}

bool settleTie(Event& event, const SettledOrder& order) {
    if (checkSettle(event.state, event.results, settlingDepth(event), order) != SettleProblem::None) return false;
    auto& orders = event.playoff.settled;
    const std::vector<Pos> members = sorted(order.order);
    orders.erase(std::remove_if(orders.begin(), orders.end(),
                                [&](const SettledOrder& o) {
                                    return o.group == order.group && sorted(o.order) == members;
                                }),
                 orders.end());
    orders.push_back(order);
    return true;
}

PlayoffRefusal makePlayoff(Event& event, const PlayoffChoice& choice) {
    Playoff chosen;
    chosen.perGroup = choice.perGroup;
    chosen.thirdPlace = choice.thirdPlace;
    chosen.bestOf = choice.bestOf;
    chosen.pairs = choice.pairs;
    chosen.settled = ordersThatSettle(event.state, event.results, choice.perGroup, event.playoff.settled);
    PlayoffRefusal refusal = checkPlayoff(event.state, event.results, chosen);
    if (refusal.empty()) event.playoff = std::move(chosen);
    return refusal;
}

ResultCheck giveWalkover(Event& event, MatchKey key, Pos winner) {
    const std::optional<MatchState> match = matchOf(event, key);
    const bool plays = match && winner != kNone && (match->first == winner || match->second == winner);
    const Score score = walkoverFor(match && match->first == winner, matchLength(event, key));
    ResultCheck check = checkEventResult(event, key, score);
    if (check.ok() && !plays) check = {ChangeProblem::Result, ResultProblem::NotAPlayer};
    if (check.ok()) recordResult(event, key, score);
    return check;
}

bool withdraw(Event& event, Pos player) {
    if (!drawn(event, player) || isWithdrawn(event, player)) return false;
    withdrawalsNow(event).players.push_back(player);
    if (!playoffMade(event)) dropStaleOrders(event);
    return true;
}

bool takeBackWithdrawal(Event& event, Pos player) {
    std::vector<Pos>& players = withdrawalsNow(event).players;
    const auto at = std::find(players.begin(), players.end(), player);
    if (at == players.end()) return false;
    Event without = event;
    std::vector<Pos>& others = withdrawalsNow(without).players;
    others.erase(others.begin() + (at - players.begin()));
    std::vector<MatchKey> later;
    for (MatchKey key : walkoversGone(event, without)) {
        for (MatchKey after : laterResults(event, key)) later.push_back(after);
        dropLaterPlays(without, key);
    }
    for (MatchKey key : later) clearLater(without, key, key);
    event = std::move(without);
    if (!playoffMade(event)) dropStaleOrders(event);
    return true;
}

bool isWithdrawn(const Event& event, Pos player) {
    return event.results.withdrawals().has(player) || event.playoff.results.withdrawals().has(player);
}

std::vector<Pos> withdrawnPlayers(const Event& event) {
    std::vector<Pos> all = event.results.withdrawals().players;
    for (Pos p : event.playoff.results.withdrawals().players) all.push_back(p);
    return all;
}

bool setWithdrawalRule(Event& event, WithdrawalRule rule) {
    if (!withdrawnPlayers(event).empty()) return false;
    event.results.withdrawals().rule = rule;
    return true;
}

WithdrawalRule withdrawalRule(const Event& event) { return event.results.withdrawals().rule; }

void undoPlayoff(Event& event) {
    const std::vector<Pos> after = event.playoff.results.withdrawals().players;
    event.playoff = Playoff();
    for (Pos p : after) event.results.withdrawals().players.push_back(p);
    dropStaleOrders(event);
}

std::vector<Pos> playersNamed(const Event& event, int group, std::string_view cp949) {
    std::vector<Pos> found;
    for (std::size_t g = 0; g < event.state.groupTable.size(); ++g) {
        if (group >= 0 && static_cast<int>(g) != group) continue;
        for (Pos p : event.state.groupTable[g]) {
            if (p != kNone && isNamed(event.participants[static_cast<std::size_t>(p)], cp949)) found.push_back(p);
        }
    }
    return found;
}

std::pair<int, int> placeOfPlayer(const GroupTable& table, Pos player) {
    for (std::size_t g = 0; g < table.size(); ++g) {
        const auto& row = table[g];
        const auto at = std::find(row.begin(), row.end(), player);
        if (player != kNone && at != row.end()) return {static_cast<int>(g), static_cast<int>(at - row.begin())};
    }
    return {-1, -1};
}

ChangeRefusal checkMovable(const Event& event, Pos player) {
    if (!drawn(event, player)) return ChangeRefusal::NotAPlayer;
    if (playoffMade(event)) return ChangeRefusal::PlayoffMade;
    if (isWithdrawn(event, player)) return ChangeRefusal::Withdrawn;
    for (const auto& [key, m] : everyMatch(event)) {
        const bool sets = event.teams && event.teams->plays.count(key);
        if ((m.score || sets) && (m.first == player || m.second == player)) return ChangeRefusal::HasResult;
    }
    if (event.changes.size() >= kMaxChanges) return ChangeRefusal::TooManyChanges;
    return ChangeRefusal::None;
}

ChangeRefusal checkNewName(const Event& event, std::string_view cp949) {
    switch (nameProblem(cp949)) {
    case TextProblem::None: break;
    case TextProblem::Empty: return ChangeRefusal::NameEmpty;
    case TextProblem::BeginsWithWhiteSpace: return ChangeRefusal::NameWhiteSpace;
    case TextProblem::ControlCharacter: return ChangeRefusal::NameControl;
    case TextProblem::TooLong: return ChangeRefusal::NameTooLong;
    }
    const bool taken = std::any_of(event.participants.begin(), event.participants.end(),
                                   [&](const std::string& name) { return isNamed(name, cp949); });
    return taken ? ChangeRefusal::NameTaken : ChangeRefusal::None;
}

ChangeRefusal checkReplacement(const Event& event, Pos player, std::string_view by) {
    const ChangeRefusal movable = checkMovable(event, player);
    return movable != ChangeRefusal::None ? movable : checkNewName(event, by);
}

namespace {

// The new team's players join the rosters, which are the participants'.
void takeNewRoster(Event& event, std::vector<std::string> roster) {
    if (!event.teams) return;
    auto& rosters = event.teams->rosters;
    rosters.resize(event.participants.size() - 1);
    rosters.push_back(std::move(roster));
}

}  // namespace

ChangeRefusal replacePlayer(Event& event, Pos player, const std::string& by, Race race, std::vector<std::string> roster) {
    const ChangeRefusal refusal = checkReplacement(event, player, by);
    if (refusal != ChangeRefusal::None) return refusal;
    if (event.teams && (roster.empty() || roster.size() > team::kMaxRoster)) return ChangeRefusal::NoRoster;
    const auto added = static_cast<Pos>(event.participants.size());
    event.participants.push_back(by);
    takeNewRoster(event, std::move(roster));
    // The new player comes in the old one's pot; a tag kept players apart in the draw only.
    Seeding& seeding = event.seeding;
    if (seeding.pots.size() == event.participants.size() - 1) {
        const int pot = seeding.pots[static_cast<std::size_t>(player)];
        seeding.pots.push_back(pot);
        seeding.tags.resize(seeding.pots.size());
    }
    if (race != Race::None) {
        seeding.races.resize(event.participants.size() - 1);
        seeding.races.push_back(race);
    }
    event.changes.push_back({ChangeKind::Replacement, player, added});
    applyChange(event.state.groupTable, event.changes.back());
    pairAgain(event.state);
    dropStaleOrders(event);
    return ChangeRefusal::None;
}

ChangeRefusal checkSwap(const Event& event, Pos first, Pos second) {
    for (Pos p : {first, second}) {
        if (const ChangeRefusal refusal = checkMovable(event, p); refusal != ChangeRefusal::None) return refusal;
    }
    return first == second ? ChangeRefusal::SamePlayer : ChangeRefusal::None;
}

ChangeRefusal swapPlayers(Event& event, Pos first, Pos second) {
    const ChangeRefusal refusal = checkSwap(event, first, second);
    if (refusal != ChangeRefusal::None) return refusal;
    event.changes.push_back({ChangeKind::Swap, first, second});
    applyChange(event.state.groupTable, event.changes.back());
    pairAgain(event.state);
    dropStaleOrders(event);
    return ChangeRefusal::None;
}

namespace {

bool groupPlayed(const Event& event, int group) {
    for (const MatchState& m : groupStandings(event.state, event.results, group).matches) {
        if (m.score || m.voided || !m.games.empty()) return true;
        if (event.teams && event.teams->plays.count({group, m.number})) return true;
    }
    const auto& row = event.state.groupTable[static_cast<std::size_t>(group)];
    return std::any_of(row.begin(), row.end(), [&](Pos p) { return p != kNone && isWithdrawn(event, p); });
}

int membersIn(const Event& event, int group) {
    const auto& row = event.state.groupTable[static_cast<std::size_t>(group)];
    return static_cast<int>(std::count_if(row.begin(), row.end(), [](Pos p) { return p != kNone; }));
}

}  // namespace

ChangeRefusal checkMove(const Event& event, Pos player, int group) {
    if (const ChangeRefusal refusal = checkMovable(event, player); refusal != ChangeRefusal::None) return refusal;
    const auto [from, place] = placeOfPlayer(event.state.groupTable, player);
    if (event.state.settings.format == GroupFormat::Dual) return ChangeRefusal::DualGroup;
    if (group < 0 || group >= static_cast<int>(event.state.groupTable.size())) return ChangeRefusal::NoVacancy;
    if (groupPlayed(event, from) || groupPlayed(event, group)) return ChangeRefusal::GroupPlayed;
    if (membersIn(event, group) == event.state.settings.groupSize) return ChangeRefusal::NoVacancy;
    if (from == group && place + 1 == membersIn(event, group)) return ChangeRefusal::AlreadyLast;
    if (from != group && membersIn(event, from) <= 2) return ChangeRefusal::TooFewLeft;
    return ChangeRefusal::None;
}

int refusedMoveGroup(const Event& event, Pos player, int group, ChangeRefusal refusal) {
    const int from = placeOfPlayer(event.state.groupTable, player).first;
    const bool left = refusal == ChangeRefusal::TooFewLeft || (refusal == ChangeRefusal::GroupPlayed && groupPlayed(event, from));
    return left ? from : group;
}

ChangeRefusal movePlayer(Event& event, Pos player, int group) {
    const ChangeRefusal refusal = checkMove(event, player, group);
    if (refusal != ChangeRefusal::None) return refusal;
    const auto [from, place] = placeOfPlayer(event.state.groupTable, player);
    Change change{ChangeKind::Move, player, kNone, from, place, group};
    const AssignmentState before = event.state;
    applyChange(event.state.groupTable, change);
    change.maps = moveMatches(event.state, before, {from, group}, {});
    event.changes.push_back(std::move(change));
    dropStaleOrders(event);
    return ChangeRefusal::None;
}

int resultCount(const Event& event) {
    // A series under way has games and no result yet.
    const auto underWay = [](const Results& results) {
        return std::count_if(results.allGames().begin(), results.allGames().end(),
                             [&](const auto& g) { return !results.find(g.first); });
    };
    return static_cast<int>(event.results.all().size() + event.playoff.results.all().size() + underWay(event.results) +
                            underWay(event.playoff.results) + withdrawnPlayers(event).size());
}

std::string eventStandingsText(const Event& event) {
    if (event.teams) return teamStandingsFileText(event);
    ListHost host = hostFor(event);
    return standingsFileText(event.state, event.results, host, event.playoff, event.seed) + eventRaceStatsText(event);
}

std::optional<RaceStats> eventRaceStats(const Event& event) {
    if (!anyRaceGiven(event, event.participants.size())) return std::nullopt;
    ListHost host = hostFor(event);
    return raceStats(countedGames(event.state, event.results, event.playoff, event.seed, host), event.seeding.races,
                     event.participants.size(), event.state.settings.mapsEnabled ? event.maps.size() : 0);
}

std::string eventRaceStatsText(const Event& event) {
    const auto stats = eventRaceStats(event);
    if (!stats || stats->maps.empty()) return {};
    ListHost host = hostFor(event);
    return raceStatsText(*stats, host);
}

}  // namespace rl::event
