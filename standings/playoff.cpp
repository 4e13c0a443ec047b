#include "standings/playoff.h"

#include <algorithm>

#include "standings/bracket.h"

namespace rl {

namespace {

bool validSize(int perGroup) { return perGroup == 1 || perGroup == 2 || perGroup == 4; }

// Group places after the settled orders, best first, group by group.
std::vector<std::vector<Standing>> groupTables(const AssignmentState& state, const Results& results,
                                               const std::vector<SettledOrder>& settled) {
    std::vector<std::vector<Standing>> tables;
    for (int g = 0; g < bracket::groupCount(state); ++g) tables.push_back(settledStandings(state, results, g, settled));
    return tables;
}

// A withdrawn member never goes through: the next in the table goes in its
// place, and takes that place.
std::vector<Qualifier> qualifiersOf(const std::vector<std::vector<Standing>>& tables, int perGroup) {
    std::vector<std::vector<Pos>> through(tables.size());
    for (std::size_t g = 0; g < tables.size(); ++g) {
        for (const Standing& s : tables[g]) {
            if (!s.withdrawn) through[g].push_back(s.player);
        }
    }
    std::vector<Qualifier> out;
    for (int place = 1; place <= perGroup; ++place) {
        for (std::size_t g = 0; g < tables.size(); ++g) {
            if (through[g].size() >= static_cast<std::size_t>(place)) {
                out.push_back({through[g][static_cast<std::size_t>(place - 1)], static_cast<int>(g), place});
            }
        }
    }
    return out;
}

// The matches as laid out, before any result: the first round from the
// seating, then each round pairing the previous one's winners in order;
// the third-place match just before the final.
bracket::Resolved layOut(const std::vector<Qualifier>& players, const std::vector<std::pair<int, int>>& seats,
                         bool thirdPlace) {
    bracket::Resolved out;
    const auto seated = [&](int index) { return index < 0 ? kNone : players[static_cast<std::size_t>(index)].player; };
    for (const auto& [first, second] : seats) {
        MatchState m;
        m.number = static_cast<int>(out.matches.size()) + 1;
        m.round = 1;
        m.first = seated(first);
        m.second = seated(second);
        m.bye = second < 0;
        out.matches.push_back(m);
    }
    out.roundSizes.push_back(static_cast<int>(seats.size()));
    for (int previous = 1, size = static_cast<int>(seats.size()) / 2; size >= 1; size /= 2) {
        const int round = static_cast<int>(out.roundSizes.size()) + 1;
        if (size == 1 && thirdPlace) {
            MatchState third;
            third.number = static_cast<int>(out.matches.size()) + 1;
            third.round = round;
            third.firstFrom = previous;
            third.secondFrom = previous + 1;
            third.losersMeet = true;
            out.matches.push_back(third);
        }
        const int first = static_cast<int>(out.matches.size()) + 1;
        for (int k = 0; k < size; ++k) {
            MatchState m;
            m.number = first + k;
            m.round = round;
            m.firstFrom = previous + 2 * k;
            m.secondFrom = previous + 2 * k + 1;
            out.matches.push_back(m);
        }
        out.roundSizes.push_back(size);
        previous = first;
    }
    return out;
}

}  // namespace

PlayoffRefusal checkPlayoff(const AssignmentState& state, const Results& results, const Playoff& playoff) {
    PlayoffRefusal refusal;
    if (!validSize(playoff.perGroup)) {
        refusal.badSize = true;
        return refusal;
    }
    refusal.badLength = !validPlayoffLengths(playoff.bestOf);
    refusal.unfinished = unfinishedGroups(state, results);
    refusal.ties = tiesToSettle(state, results, playoff.perGroup, playoff.settled);
    refusal.players = static_cast<int>(qualifiersOf(groupTables(state, results, {}), playoff.perGroup).size());
    refusal.tooFew = refusal.players < 2;
    refusal.tooMany = refusal.players > kMaxPlayoffPlayers;
    refusal.thirdPlaceTooFew = playoff.thirdPlace && !refusal.tooFew && refusal.players < 4;
    if (!playoff.pairs.empty()) {
        // Who fills a seat waits for the settled orders; the seats do not.
        refusal.pairs = checkPairs(qualifiersOf(groupTables(state, results, {}), playoff.perGroup), playoff.pairs);
    }
    return refusal;
}

std::vector<PlayoffPair> rulePairs(const AssignmentState& state, const Results& results, int perGroup) {
    const std::vector<Qualifier> seats = qualifiersOf(groupTables(state, results, {}), perGroup);
    if (!validSize(perGroup) || seats.size() < 2 || seats.size() > static_cast<std::size_t>(kMaxPlayoffPlayers)) return {};
    return pairsOf(seats, seatPlayers(seats, perGroup));
}

PlayoffBracket playoffBracket(const AssignmentState& state, const Results& results, const Playoff& playoff,
                              std::uint32_t seed, Host& host) {
    PlayoffBracket out;
    if (!checkPlayoff(state, results, playoff).empty()) return out;
    out.players = qualifiersOf(groupTables(state, results, playoff.settled), playoff.perGroup);
    const auto seats = playoff.pairs.empty() ? seatPlayers(out.players, playoff.perGroup) : seatPairs(out.players, playoff.pairs);
    bracket::Resolved resolved = layOut(out.players, seats, playoff.thirdPlace);
    setPlayoffLengths(resolved.matches, static_cast<int>(resolved.roundSizes.size()), playoff, state.settings.bestOf);
    dealPlayoffMaps(resolved.matches, state, seed, host);
    bracket::play(resolved, playoff.results, kPlayoffGroup, playoff.results.withdrawals(), false);
    std::vector<Standing> members;
    for (const Qualifier& q : out.players) {
        members.push_back({q.player});
        members.back().withdrawn = playoff.results.withdrawals().has(q.player);
    }
    out.standings = bracket::knockOutTable(std::move(members), resolved);
    out.matches = std::move(resolved.matches);
    out.finalNumber = static_cast<int>(out.matches.size());
    out.thirdPlaceNumber = playoff.thirdPlace ? out.finalNumber - 1 : 0;
    return out;
}

std::vector<Standing> shownGroupTable(const AssignmentState& state, const Results& results, const Playoff& playoff,
                                      int group) {
    std::vector<Standing> table = settledStandings(state, results, group, playoff.settled);
    for (Standing& s : table) s.withdrawn = s.withdrawn || playoff.results.withdrawals().has(s.player);
    return table;
}

ResultProblem checkPlayoffResult(const PlayoffBracket& bracket, int number, Score score) {
    MatchState match;
    const ResultProblem problem = bracket::playable(bracket.matches, number, match);
    return problem != ResultProblem::None ? problem : bracket::scoreProblem(score, match.bestOf);
}

ResultProblem playoffScoreForWinner(const PlayoffBracket& bracket, Host& host, int number, std::string_view winner,
                                    Score& out, bool walkover) {
    MatchState match;
    const ResultProblem problem = bracket::playable(bracket.matches, number, match);
    if (problem != ResultProblem::None) return problem;
    return bracket::namedScore(match, host, winner, walkover, out);
}

std::vector<int> playoffDependents(const PlayoffBracket& bracket, const Playoff& playoff, int number) {
    return bracket::dependents(bracket.matches, playoff.results, {kPlayoffGroup, number});
}

}  // namespace rl
