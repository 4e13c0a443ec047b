#include "standings/playoff_seating.h"

#include <algorithm>
#include <tuple>

namespace rl {

namespace {

int bitReversed(int value, int places) {
    int out = 0;
    for (int b = 1; b < places; b *= 2, value /= 2) out = out * 2 + value % 2;
    return out;
}

// How far a seating misses the rule's first two aims: players facing their
// own group, and places that put together what the rule keeps apart.
using Broken = std::pair<int, int>;

// Every mix of group sizes up to 32 players is searched in at most a few
// hundred steps; a limit all the same, so that no input can keep it going.
constexpr long kSearchSteps = 100000;

// The first-round seating (see the header): each player in turn takes the
// rule's first choice. Where that leaves a group winner in the first round
// without the lowest place, the rule's later choices are tried in the same
// order for the first seating that gives every such winner one and breaks
// the first two aims no more than the first choices did.
class Seating {
public:
    Seating(const std::vector<Qualifier>& players, int perGroup)
        : players_(players), perGroup_(perGroup), size_(playoffBracketSize(static_cast<int>(players.size()))),
          matches_(static_cast<std::size_t>(size_ / 2)), byes_(size_ - static_cast<int>(players.size())),
          taken_(matches_, {-1, -1}), closed_(matches_, false), at_(players.size(), -1),
          fixed_(players.size(), -1) {
        int winners = 0;
        for (std::size_t i = 0; i < players.size(); ++i) {
            if (players[i].place == 1 && winners < static_cast<int>(matches_)) fixed_[i] = 2 * matchOfLine(winners++);
            lowest_ = std::max(lowest_, players[i].place);
        }
    }

    std::vector<std::pair<int, int>> seat() {
        seatFrom(0);
        const std::vector<std::pair<int, int>> firstChoices = taken_;
        if (!winnersMissLowest()) return taken_;
        searching_ = true;
        return searchFor(broken_) ? taken_ : firstChoices;
    }

private:
    int matchOfLine(int line) const { return bitReversed(line, static_cast<int>(matches_)); }
    int half(int cell) const { return cell * 2 / size_; }
    int quarter(int cell) const { return cell * 4 / size_; }
    const Qualifier& player(int i) const { return players_[static_cast<std::size_t>(i)]; }
    int& seatOf(int cell) { return cell % 2 ? taken_[static_cast<std::size_t>(cell / 2)].second
                                            : taken_[static_cast<std::size_t>(cell / 2)].first; }
    int opponentAt(int cell) const { return cell % 2 ? taken_[static_cast<std::size_t>(cell / 2)].first : -1; }

    // A seating breaking no more than `bound`, with every winner who plays
    // meeting the lowest place.
    bool searchFor(Broken bound) {
        std::fill(taken_.begin(), taken_.end(), std::make_pair(-1, -1));
        std::fill(closed_.begin(), closed_.end(), false);
        std::fill(at_.begin(), at_.end(), -1);
        broken_ = {0, 0};
        bound_ = bound;
        return seatFrom(0);
    }

    // Seats players i and on: the first choices only or, while searching,
    // each seating in turn that could still be the one sought. True once
    // one is found.
    bool seatFrom(int i) {
        if (i == static_cast<int>(players_.size())) return true;
        const bool bye = i < byes_;
        for (int cell : choices(i, bye)) {
            const Broken before = broken_;
            take(i, cell, bye);
            if (!searching_) return seatFrom(i + 1);
            if (++steps_ > kSearchSteps) return false;
            if (maySucceed(i, cell) && seatFrom(i + 1)) return true;
            untake(i, cell, bye);
            broken_ = before;
        }
        return false;
    }

    bool winnersMissLowest() const {
        return std::any_of(taken_.begin(), taken_.end(), [&](const std::pair<int, int>& m) {
            return m.second >= 0 && (winnerWithoutLowest(m.first, m.second) || winnerWithoutLowest(m.second, m.first));
        });
    }

    void take(int i, int cell, bool bye) {
        const int opponent = opponentAt(cell);
        broken_.first += opponent >= 0 && player(opponent).group == player(i).group;
        broken_.second += clashes(i, cell);
        seatOf(cell) = i;
        at_[static_cast<std::size_t>(i)] = cell;
        if (bye) closed_[static_cast<std::size_t>(cell / 2)] = true;
    }

    void untake(int i, int cell, bool bye) {
        seatOf(cell) = -1;
        at_[static_cast<std::size_t>(i)] = -1;
        if (bye) closed_[static_cast<std::size_t>(cell / 2)] = false;
    }

    // Places that keep apart what the rule keeps apart, broken.
    int clashes(int i, int cell) const {
        int count = 0;
        for (std::size_t j = 0; j < at_.size(); ++j) {
            const int other = at_[j];
            if (other < 0 || players_[j].group != player(i).group) continue;
            const bool topTwo = std::max(players_[j].place, player(i).place) <= 2;
            if (perGroup_ == 2 && half(other) == half(cell)) ++count;
            if (perGroup_ == 4 && quarter(other) == quarter(cell)) ++count;
            if (perGroup_ == 4 && topTwo && half(other) == half(cell)) ++count;
        }
        return count;
    }

    bool wantsOwnMatch(int i) const { return player(i).place == 1 || (perGroup_ == 4 && player(i).place == 2); }

    std::tuple<int, int, int, int> cost(int i, int cell) const {
        const int opponent = opponentAt(cell);
        const bool ownGroup = opponent >= 0 && player(opponent).group == player(i).group;
        const bool rightPlace = opponent >= 0 ? player(opponent).place == perGroup_ + 1 - player(i).place
                                              : wantsOwnMatch(i);
        const int order = opponent >= 0 ? opponent : static_cast<int>(players_.size()) + lineOf(cell / 2);
        return {ownGroup, clashes(i, cell), !rightPlace, order};
    }

    int lineOf(int match) const { return bitReversed(match, static_cast<int>(matches_)); }

    // The free places, best first. A bye's player opens a match of its own;
    // anyone else may also face a player already seated.
    std::vector<int> choices(int i, bool bye) const {
        if (fixed_[static_cast<std::size_t>(i)] >= 0) return {fixed_[static_cast<std::size_t>(i)]};
        std::vector<std::pair<std::tuple<int, int, int, int>, int>> ranked;
        for (int m = 0; m < static_cast<int>(matches_); ++m) {
            const auto& seats = taken_[static_cast<std::size_t>(m)];
            if (closed_[static_cast<std::size_t>(m)] || seats.second >= 0) continue;
            if (seats.first < 0) ranked.push_back({cost(i, 2 * m), 2 * m});
            else if (!bye) ranked.push_back({cost(i, 2 * m + 1), 2 * m + 1});
        }
        std::sort(ranked.begin(), ranked.end());
        std::vector<int> cells;
        for (const auto& choice : ranked) cells.push_back(choice.second);
        return cells;
    }

    bool winnerWithoutLowest(int i, int opponent) const {
        return player(i).place == 1 && player(opponent).place != lowest_;
    }

    // Whether the seating so far, with player i at `cell`, can still be the
    // one sought: nothing broken beyond the bound, the match just made one
    // the winners' aim allows, and an opponent of the lowest place left for
    // every winner still waiting.
    bool maySucceed(int i, int cell) const {
        if (broken_ > bound_) return false;
        const int opponent = opponentAt(cell);
        if (opponent >= 0 && (winnerWithoutLowest(i, opponent) || winnerWithoutLowest(opponent, i))) return false;
        int waiting = 0;
        for (std::size_t m = 0; m < matches_; ++m) {
            const int first = taken_[m].first;
            if (closed_[m] || first < 0 || taken_[m].second >= 0 || player(first).place != 1) continue;
            if (!lowestLeftFor(i, static_cast<int>(2 * m + 1))) return false;
            ++waiting;
        }
        for (int j = i + 1; j < static_cast<int>(players_.size()); ++j) {
            waiting += j >= byes_ && player(j).place == 1;
            waiting -= player(j).place == lowest_;
        }
        return waiting <= 0;
    }

    // A player of the lowest place after player i who could face the winner
    // at `cell` within the bound.
    bool lowestLeftFor(int i, int cell) const {
        const Qualifier& winner = player(opponentAt(cell));
        for (int j = i + 1; j < static_cast<int>(players_.size()); ++j) {
            if (player(j).place != lowest_) continue;
            const Broken after{broken_.first + (player(j).group == winner.group), broken_.second + clashes(j, cell)};
            if (after <= bound_) return true;
        }
        return false;
    }

    const std::vector<Qualifier>& players_;
    int perGroup_;
    int size_;
    std::size_t matches_;
    int byes_;
    int lowest_ = 1;
    std::vector<std::pair<int, int>> taken_;
    std::vector<bool> closed_;
    std::vector<int> at_;
    std::vector<int> fixed_;  // the winners' places, from their bit-reversed lines
    Broken broken_{0, 0};
    Broken bound_{0, 0};
    bool searching_ = false;
    long steps_ = 0;
};

}  // namespace

int playoffBracketSize(int players) {
    int size = 2;
    while (size < players) size *= 2;
    return size;
}

std::vector<std::pair<int, int>> seatPlayers(const std::vector<Qualifier>& players, int perGroup) {
    return Seating(players, perGroup).seat();
}

}  // namespace rl
