#include "team/rules.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace rl::team {

namespace {

Side other(Side side) { return side == kFirst ? kSecond : kFirst; }

int winsOf(const Score& score, Side side) { return side == kFirst ? score.first : score.second; }

// Under winner stays a player plays until beaten, so the players a team has
// sent and lost with are the ones it may not send again.
std::set<int> beaten(const std::vector<TeamSet>& sets, Side side) {
    std::set<int> out;
    for (const TeamSet& s : sets) {
        if (s.winner() != side) out.insert(s.players[side]);
    }
    return out;
}

bool playedBefore(const std::vector<TeamSet>& sets, Side side, int player) {
    return std::any_of(sets.begin(), sets.end(), [&](const TeamSet& s) { return s.players[side] == player; });
}

std::optional<SetFault> playerFault(const TeamMatchRules& rules, const std::vector<TeamSet>& played, int number,
                                    const TeamSet& next) {
    for (Side side : {kFirst, kSecond}) {
        if (next.players[side] < 0 || next.players[side] >= rules.rosters[side]) return SetFault{Refused::NotOnRoster, side};
    }
    if (rules.format.kind == MatchKind::Sets) {
        if (isAceSet(rules.format, number)) return std::nullopt;
        for (Side side : {kFirst, kSecond}) {
            if (playedBefore(played, side, next.players[side])) return SetFault{Refused::PlayedTwice, side};
        }
        return std::nullopt;
    }
    if (played.empty()) return std::nullopt;
    const TeamSet& last = played.back();
    const Side stays = last.winner();
    if (next.players[stays] != last.players[stays]) return SetFault{Refused::NotTheStayer, stays};
    if (beaten(played, other(stays)).count(next.players[other(stays)])) {
        return SetFault{Refused::BeatenAgain, other(stays)};
    }
    return std::nullopt;
}

}  // namespace

bool isAceSet(const TeamMatchFormat& format, int number) {
    return format.kind == MatchKind::Sets && format.ace && number == format.length;
}

Score setsScore(const std::vector<TeamSet>& sets) {
    Score score;
    for (const TeamSet& s : sets) (s.firstWon ? score.first : score.second) += 1;
    return score;
}

std::optional<Side> ranOut(const TeamMatchRules& rules, const std::vector<TeamSet>& sets) {
    if (rules.format.kind != MatchKind::WinnerStays) return std::nullopt;
    for (Side side : {kFirst, kSecond}) {
        if (static_cast<int>(beaten(sets, side).size()) >= rules.rosters[side]) return side;
    }
    return std::nullopt;
}

std::optional<Side> matchWinner(const TeamMatchRules& rules, const std::vector<TeamSet>& sets) {
    const Score score = setsScore(sets);
    for (Side side : {kFirst, kSecond}) {
        if (winsOf(score, side) >= rules.format.setsToWin()) return side;
    }
    if (const std::optional<Side> out = ranOut(rules, sets)) return other(*out);
    return std::nullopt;
}

std::optional<Score> decidedScore(const TeamMatchRules& rules, const std::vector<TeamSet>& sets) {
    const std::optional<Side> winner = matchWinner(rules, sets);
    if (!winner) return std::nullopt;
    Score score = setsScore(sets);
    int& won = *winner == kFirst ? score.first : score.second;
    won = std::max(won, rules.format.setsToWin());
    return score;
}

std::optional<SetFault> checkSet(const TeamMatchRules& rules, const std::vector<TeamSet>& played, int number,
                                 const TeamSet& next) {
    if (const std::optional<Side> out = ranOut(rules, played)) return SetFault{Refused::OutOfPlayers, *out};
    if (matchWinner(rules, played)) return SetFault{Refused::MatchDecided, std::nullopt};
    const Score score = setsScore(played);
    if (isAceSet(rules.format, number) && score.first != score.second) return SetFault{Refused::AceNotLevel, std::nullopt};
    if (number != static_cast<int>(played.size()) + 1) return SetFault{Refused::NotNextSet, std::nullopt};
    return playerFault(rules, played, number, next);
}

// A player's wins under winner stays are one run: it stays on until beaten
// and is never sent again.
std::vector<AllKill> allKills(const TeamMatchRules& rules, const std::vector<TeamSet>& sets) {
    std::vector<AllKill> out;
    if (rules.format.kind != MatchKind::WinnerStays) return out;
    std::map<std::pair<int, int>, int> wins;
    for (const TeamSet& s : sets) {
        const Side side = s.winner();
        const int count = ++wins[{side, s.players[side]}];
        if (count == std::min(rules.format.length, rules.rosters[other(side)])) out.push_back({side, s.players[side], count});
    }
    return out;
}

Score teamWalkover(const TeamMatchFormat& format, Side goesOn) {
    const int sets = format.setsToWin();
    return goesOn == kFirst ? Score{sets, 0, true} : Score{0, sets, true};
}

}  // namespace rl::team
