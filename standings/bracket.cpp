#include "standings/bracket.h"

#include "text/pieces.h"

namespace rl::bracket {

namespace {

// The cells as the draw made them: participants in a league and in a first
// round, references to earlier matches after that.
Resolved layOut(const AssignmentState& state, int group) {
    Resolved out;
    const bool knockOut = state.settings.tournament;
    int lastOffset = -1;
    pieces::forEachMatch(state, static_cast<std::size_t>(group), [&](int k, const Match& match, int offset) {
        MatchState m;
        m.number = k + 1;
        m.bye = match.second == kNone;
        m.map = m.bye ? kNone : match.map;
        if (knockOut) {
            if (offset != lastOffset) {
                lastOffset = offset;
                out.roundSizes.push_back(0);
            }
            ++out.roundSizes.back();
            m.round = static_cast<int>(out.roundSizes.size());
        }
        if (offset == 0) {
            m.first = match.first;
            m.second = match.second;
        } else {
            m.firstFrom = match.first + offset;
            m.secondFrom = m.bye ? 0 : match.second + offset;
        }
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

}  // namespace

bool groupExists(const AssignmentState& state, int group) {
    return group >= 0 && static_cast<std::size_t>(group) < pieces::groupCountOf(state) &&
           static_cast<std::size_t>(group) < state.schedule.size() &&
           static_cast<std::size_t>(group) < state.memberCount.size();
}

ResultProblem scoreProblem(Score score) {
    const auto inRange = [](int maps) { return maps >= 0 && maps <= kMaxMapsWon; };
    if (!inRange(score.first) || !inRange(score.second)) return ResultProblem::ScoreOutOfRange;
    if (score.first == score.second) return ResultProblem::Tie;
    return ResultProblem::None;
}

Resolved resolve(const AssignmentState& state, const Results& results, int group) {
    Resolved out = layOut(state, group);
    for (MatchState& m : out.matches) {
        if (m.firstFrom) m.first = winnerOf(out.matches, m.firstFrom, m.number);
        if (m.secondFrom) m.second = winnerOf(out.matches, m.secondFrom, m.number);
        if (m.bye) {
            m.winner = m.first;
            continue;
        }
        const Score* score = results.find({group, m.number});
        if (score && m.first != kNone && m.second != kNone && scoreProblem(*score) == ResultProblem::None) {
            m.score = *score;
            m.winner = score->first > score->second ? m.first : m.second;
        }
    }
    return out;
}

}  // namespace rl::bracket
