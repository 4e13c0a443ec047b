#include "standings/bracket.h"

#include <algorithm>
#include <set>

#include "engine/match_cells.h"
#include "engine/series.h"

namespace rl::bracket {

namespace {

// The cells as the draw made them: participants in a league and in a first
// round, references to earlier matches after that.
Resolved layOut(const AssignmentState& state, int group) {
    Resolved out;
    const bool knockOut = state.settings.tournament();
    forEachMatch(state, static_cast<std::size_t>(group), [&](int k, const Match& match, const Cell& first,
                                                             const Cell& second) {
        MatchState m;
        m.number = k + 1;
        m.bye = match.second == kNone;
        m.map = m.bye ? kNone : match.map;
        if (!m.bye) m.laterMaps = match.laterMaps;
        m.bestOf = state.settings.bestOf;
        if (knockOut) {
            // A match is a round after the match its first cell comes from.
            m.round = first.from == 0 ? 1 : out.matches[static_cast<std::size_t>(first.from - 1)].round + 1;
            if (out.roundSizes.size() < static_cast<std::size_t>(m.round)) out.roundSizes.push_back(0);
            ++out.roundSizes[static_cast<std::size_t>(m.round - 1)];
        }
        m.first = first.player;
        m.second = second.player;
        m.firstFrom = first.from;
        m.secondFrom = second.from;
        m.firstLoser = first.loser;
        m.secondLoser = second.loser;
        out.matches.push_back(m);
    });
    return out;
}

// The winner of an earlier match; a reference that does not point back
// (which a sound draw never has) stays unknown for good.
Pos winnerOf(const std::vector<MatchState>& matches, int from, int number) {
    if (from < 1 || from >= number) return kNone;
    return matches[static_cast<std::size_t>(from - 1)].winner;
}

// The loser of an earlier match once it has a result; a bye has none.
Pos loserOf(const std::vector<MatchState>& matches, int from, int number) {
    if (from < 1 || from >= number) return kNone;
    const MatchState& m = matches[static_cast<std::size_t>(from - 1)];
    if (!m.score) return kNone;
    return m.winner == m.first ? m.second : m.first;
}

}  // namespace

bool groupExists(const AssignmentState& state, int group) {
    return group >= 0 && static_cast<std::size_t>(group) < groupCountOf(state) &&
           static_cast<std::size_t>(group) < state.schedule.size() &&
           static_cast<std::size_t>(group) < state.memberCount.size();
}

int groupCount(const AssignmentState& state) { return static_cast<int>(groupCountOf(state)); }

ResultProblem scoreProblem(Score score, int bestOf) {
    if (score.walkover) {
        return score == walkoverFor(true, bestOf) || score == walkoverFor(false, bestOf) ? ResultProblem::None
                                                                                         : ResultProblem::ScoreOutOfRange;
    }
    const auto inRange = [](int maps) { return maps >= 0 && maps <= kMaxMapsWon; };
    if (!inRange(score.first) || !inRange(score.second)) return ResultProblem::ScoreOutOfRange;
    if (score.first == score.second) return ResultProblem::Tie;
    // Not a tie, so the loser has fewer once the winner has exactly enough.
    if (bestOf > 1 && std::max(score.first, score.second) != gamesToWin(bestOf)) return ResultProblem::SeriesNotWon;
    return ResultProblem::None;
}

namespace {

void takeWithdrawal(MatchState& m, const Withdrawals& withdrawals, bool league) {
    const bool firstOut = withdrawals.has(m.first), secondOut = withdrawals.has(m.second);
    if (!firstOut && !secondOut) return;
    if (league && withdrawals.voids()) {
        m.voided = true;
        return;
    }
    if (m.score) return;
    m.winner = !firstOut ? m.first : !secondOut ? m.second : withdrawals.later(m.first, m.second);
    m.score = walkoverFor(m.winner == m.first, m.bestOf);
    m.withdrawal = true;
}

}  // namespace

void play(Resolved& bracket, const Results& results, int group, const Withdrawals& withdrawals, bool league) {
    for (MatchState& m : bracket.matches) {
        if (m.firstFrom) m.first = m.firstIsLoser() ? loserOf(bracket.matches, m.firstFrom, m.number)
                                                    : winnerOf(bracket.matches, m.firstFrom, m.number);
        if (m.secondFrom) m.second = m.secondIsLoser() ? loserOf(bracket.matches, m.secondFrom, m.number)
                                                       : winnerOf(bracket.matches, m.secondFrom, m.number);
        if (m.bye) {
            m.winner = m.first;
            continue;
        }
        const Score* score = results.find({group, m.number});
        if (score && m.first != kNone && m.second != kNone && scoreProblem(*score, m.bestOf) == ResultProblem::None) {
            m.score = *score;
            m.winner = score->first > score->second ? m.first : m.second;
        }
        if (m.first != kNone && m.second != kNone) takeWithdrawal(m, withdrawals, league);
        // Games stand beside the score shown; a withdrawal's walkover leaves a series under way as it was.
        const std::vector<Game>& games = results.games({group, m.number});
        const Score* shown = m.score && !m.withdrawal ? &*m.score : nullptr;
        if (m.first != kNone && m.second != kNone && gamesFault(games, m.bestOf, shown).problem == ResultProblem::None)
            m.games = games;
    }
}

Resolved resolve(const AssignmentState& state, const Results& results, int group) {
    Resolved out = layOut(state, group);
    const bool league = !state.settings.tournament();
    play(out, results, group, results.withdrawals(), league);
    return out;
}

ResultProblem namedScore(const MatchState& match, Host& host, std::string_view winner, bool walkover, Score& out) {
    if (const ResultProblem problem = winnerNameProblem(match.bestOf, walkover); problem != ResultProblem::None) {
        return problem;
    }
    bool first = false;
    const ResultProblem problem = namedWinner(match, host, winner, first);
    if (problem == ResultProblem::None) out = first ? Score{1, 0} : Score{0, 1};
    return problem;
}

ResultProblem namedWinner(const MatchState& match, Host& host, std::string_view winner, bool& first) {
    // nameOf's view lasts only until the next lookup: compare one at a time.
    const bool isFirst = isNamed(nameOf(host, ListKind::Participants, match.first), winner);
    const bool isSecond = isNamed(nameOf(host, ListKind::Participants, match.second), winner);
    if (isFirst && isSecond) return ResultProblem::BothPlayers;
    if (!isFirst && !isSecond) return ResultProblem::NotAPlayer;
    first = isFirst;
    return ResultProblem::None;
}

ResultProblem playable(const std::vector<MatchState>& matches, int number, MatchState& out) {
    if (number < 1 || number > static_cast<int>(matches.size())) return ResultProblem::NoSuchMatch;
    out = matches[static_cast<std::size_t>(number - 1)];
    if (out.bye) return ResultProblem::Bye;
    if (out.first == kNone || out.second == kNone) return ResultProblem::PlayersNotKnown;
    if (out.withdrawal || out.voided) return ResultProblem::Withdrawn;
    return ResultProblem::None;
}

std::vector<int> dependents(const std::vector<MatchState>& matches, const Results& results, MatchKey key) {
    std::vector<int> found;
    std::set<int> fed = {key.number};
    for (const MatchState& m : matches) {
        if (m.number <= key.number || !(fed.count(m.firstFrom) || fed.count(m.secondFrom))) continue;
        fed.insert(m.number);
        const MatchKey later{key.group, m.number};
        if (results.find(later) || !results.games(later).empty()) found.push_back(m.number);
    }
    return found;
}

}  // namespace rl::bracket
