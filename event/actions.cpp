#include "event/actions.h"

#include <algorithm>

#include "standings/standings_text.h"

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

}  // namespace

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
    if (changesWinner(event, key, score))
        for (MatchKey later : laterResults(event, key)) resultsOf(event, key).clear(later);
    resultsOf(event, key).set(key, score);
    if (!isPlayoff(key)) dropStaleOrders(event);
}

bool clearResult(Event& event, MatchKey key) {
    if (!resultsOf(event, key).find(key) || (!isPlayoff(key) && playoffMade(event))) return false;
    for (MatchKey later : laterResults(event, key)) resultsOf(event, key).clear(later);
    resultsOf(event, key).clear(key);
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

PlayoffRefusal makePlayoff(Event& event, int perGroup, bool thirdPlace, std::vector<int> bestOf) {
    Playoff chosen;
    chosen.perGroup = perGroup;
    chosen.thirdPlace = thirdPlace;
    chosen.bestOf = std::move(bestOf);
    chosen.settled = ordersThatSettle(event.state, event.results, perGroup, event.playoff.settled);
    PlayoffRefusal refusal = checkPlayoff(event.state, event.results, chosen);
    if (refusal.empty()) event.playoff = std::move(chosen);
    return refusal;
}

void undoPlayoff(Event& event) { event.playoff = Playoff(); }

int resultCount(const Event& event) {
    return static_cast<int>(event.results.all().size() + event.playoff.results.all().size());
}

std::string eventStandingsText(const Event& event) {
    ListHost host = hostFor(event);
    return standingsFileText(event.state, event.results, host, event.playoff, event.seed);
}

}  // namespace rl::event
