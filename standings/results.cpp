#include "standings/results.h"

#include "standings/bracket.h"

#include <algorithm>

#include "engine/series.h"

namespace rl {

namespace {

// The match that a result for `key` would belong to, or why there is none
// that can take one.
ResultProblem playableMatch(const AssignmentState& state, const Results& results, MatchKey key, MatchState& out) {
    if (!bracket::groupExists(state, key.group)) return ResultProblem::NoSuchGroup;
    return bracket::playable(bracket::resolve(state, results, key.group).matches, key.number, out);
}

}  // namespace

bool isNamed(std::string_view listed, std::string_view typed) {
    while (!listed.empty() && (listed.back() == ' ' || listed.back() == '\t')) listed.remove_suffix(1);
    return listed == typed;
}

const Score* Results::find(MatchKey key) const {
    const auto it = scores_.find(key);
    return it == scores_.end() ? nullptr : &it->second;
}

const std::vector<Game>& Results::games(MatchKey key) const {
    static const std::vector<Game> kNoGames;
    const auto it = games_.find(key);
    return it == games_.end() ? kNoGames : it->second;
}

void Results::setGames(MatchKey key, std::vector<Game> games) {
    if (games.empty()) games_.erase(key);
    else games_[key] = std::move(games);
}

Score gamesScore(const std::vector<Game>& games) {
    Score score;
    for (const Game& game : games) ++(game.firstWon ? score.first : score.second);
    return score;
}

bool gamesDecide(const std::vector<Game>& games, int bestOf) {
    const Score score = gamesScore(games);
    return std::max(score.first, score.second) >= gamesToWin(bestOf);
}

GameFault gamesFault(const std::vector<Game>& games, int bestOf, const Score* score) {
    Score counted;
    for (std::size_t i = 0; i < games.size(); ++i) {
        const int game = static_cast<int>(i) + 1;
        if (game > bestOf) return {ResultProblem::GamePastLength, game};
        if (std::max(counted.first, counted.second) >= gamesToWin(bestOf)) return {ResultProblem::GamesAfterDecided, game};
        ++(games[i].firstWon ? counted.first : counted.second);
    }
    const bool decided = std::max(counted.first, counted.second) >= gamesToWin(bestOf);
    if (score ? !(*score == counted) : decided) return {ResultProblem::GamesDisagree, 0};
    return {};
}

ResultProblem checkMatch(const AssignmentState& state, const Results& results, MatchKey key) {
    MatchState match;
    return playableMatch(state, results, key, match);
}

ResultProblem checkScore(Score score, int bestOf) { return bracket::scoreProblem(score, bestOf); }

ResultProblem checkResult(const AssignmentState& state, const Results& results, MatchKey key, Score score) {
    MatchState match;
    const ResultProblem problem = playableMatch(state, results, key, match);
    return problem != ResultProblem::None ? problem : checkScore(score, match.bestOf);
}

ResultProblem scoreForWinner(const AssignmentState& state, const Results& results, Host& host, MatchKey key,
                             std::string_view winner, Score& out, bool walkover) {
    MatchState match;
    const ResultProblem problem = playableMatch(state, results, key, match);
    if (problem != ResultProblem::None) return problem;
    return bracket::namedScore(match, host, winner, walkover, out);
}

std::vector<int> dependentResults(const AssignmentState& state, const Results& results, MatchKey key) {
    if (!bracket::groupExists(state, key.group)) return {};
    return bracket::dependents(bracket::resolve(state, results, key.group).matches, results, key);
}

}  // namespace rl
