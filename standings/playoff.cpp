#include "standings/playoff.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "engine/schedule.h"
#include "engine/series.h"
#include "standings/bracket.h"
#include "text/pieces.h"

namespace rl {

namespace {

bool validSize(int perGroup) { return perGroup == 1 || perGroup == 2 || perGroup == 4; }

int groupCount(const AssignmentState& state) { return static_cast<int>(pieces::groupCountOf(state)); }

std::set<Pos> asSet(const std::vector<Pos>& members) { return {members.begin(), members.end()}; }

// Rows [begin, end) of a table share one rank.
struct Block {
    std::size_t begin = 0;
    std::size_t end = 0;
};

std::vector<Block> sharedRanks(const std::vector<Standing>& table) {
    std::vector<Block> blocks;
    for (std::size_t i = 0; i < table.size();) {
        std::size_t j = i + 1;
        while (j < table.size() && table[j].rank == table[i].rank) ++j;
        if (j - i > 1 && table[i].rank > 0) blocks.push_back({i, j});
        i = j;
    }
    return blocks;
}

// The place a shared rank decides: its rank among the members who have not
// withdrawn; 0 when only withdrawn members share it, who decide nothing.
int placeDecided(const std::vector<Standing>& table, Block block) {
    if (table[block.begin].withdrawn) return 0;
    const auto above = std::count_if(table.begin(), table.begin() + static_cast<long>(block.begin),
                                     [](const Standing& s) { return s.withdrawn; });
    return table[block.begin].rank - static_cast<int>(above);
}

bool decides(const std::vector<Standing>& table, Block block, int perGroup) {
    const int place = placeDecided(table, block);
    return place > 0 && place <= perGroup;
}

std::vector<Pos> playersOf(const std::vector<Standing>& table, Block block) {
    std::vector<Pos> out;
    for (std::size_t i = block.begin; i < block.end; ++i) out.push_back(table[i].player);
    return out;
}

const SettledOrder* orderFor(const std::vector<SettledOrder>& settled, int group, const std::vector<Pos>& members) {
    for (const SettledOrder& s : settled) {
        if (s.group == group && s.order.size() == members.size() && asSet(s.order) == asSet(members)) return &s;
    }
    return nullptr;
}

void applyOrder(std::vector<Standing>& table, Block block, const std::vector<Pos>& order) {
    std::vector<Standing> rows(table.begin() + static_cast<long>(block.begin), table.begin() + static_cast<long>(block.end));
    const int rank = table[block.begin].rank;
    for (std::size_t k = 0; k < order.size(); ++k) {
        Standing& row = table[block.begin + k];
        row = *std::find_if(rows.begin(), rows.end(), [&](const Standing& s) { return s.player == order[k]; });
        row.rank = rank + static_cast<int>(k);
        row.tied = false;
        row.settled = true;
    }
}

}  // namespace

std::vector<Standing> settledStandings(const AssignmentState& state, const Results& results, int group,
                                       const std::vector<SettledOrder>& settled) {
    std::vector<Standing> table = groupStandings(state, results, group).standings;
    for (const Block& block : sharedRanks(table)) {
        if (const SettledOrder* order = orderFor(settled, group, playersOf(table, block))) {
            applyOrder(table, block, order->order);
        }
    }
    return table;
}

std::vector<TieToSettle> tiesToSettle(const AssignmentState& state, const Results& results, int perGroup,
                                      const std::vector<SettledOrder>& settled) {
    std::vector<TieToSettle> ties;
    for (int g = 0; g < groupCount(state); ++g) {
        const std::vector<Standing> table = settledStandings(state, results, g, settled);
        for (const Block& block : sharedRanks(table)) {
            if (decides(table, block, perGroup)) ties.push_back({g, table[block.begin].rank, playersOf(table, block)});
        }
    }
    return ties;
}

SettleProblem checkSettle(const AssignmentState& state, const Results& results, int perGroup,
                          const SettledOrder& order) {
    if (order.group < 0 || order.group >= groupCount(state)) return SettleProblem::NoSuchGroup;
    const std::vector<Standing> table = groupStandings(state, results, order.group).standings;
    for (Pos p : order.order) {
        if (std::none_of(table.begin(), table.end(), [&](const Standing& s) { return s.player == p; })) {
            return SettleProblem::NotMembers;
        }
    }
    for (const Block& block : sharedRanks(table)) {
        const std::vector<Pos> members = playersOf(table, block);
        if (order.order.size() != members.size() || asSet(order.order) != asSet(members)) continue;
        return decides(table, block, perGroup) ? SettleProblem::None : SettleProblem::NoNeed;
    }
    return SettleProblem::NotATie;
}

std::vector<SettledOrder> ordersThatSettle(const AssignmentState& state, const Results& results, int perGroup,
                                           const std::vector<SettledOrder>& settled) {
    const int decides = perGroup == 0 ? kMaxPlayoffPlayers : perGroup;
    std::vector<SettledOrder> kept;
    for (const SettledOrder& order : settled) {
        if (checkSettle(state, results, decides, order) == SettleProblem::None) kept.push_back(order);
    }
    return kept;
}

std::vector<UnfinishedGroup> unfinishedGroups(const AssignmentState& state, const Results& results) {
    std::vector<UnfinishedGroup> out;
    for (int g = 0; g < groupCount(state); ++g) {
        const GroupStandings s = groupStandings(state, results, g);
        const auto left = std::count_if(s.matches.begin(), s.matches.end(),
                                        [](const MatchState& m) { return !m.bye && !m.score && !m.voided; });
        if (left > 0) out.push_back({g, static_cast<int>(left)});
    }
    return out;
}

namespace {

// Group places after the settled orders, best first, group by group.
std::vector<std::vector<Standing>> groupTables(const AssignmentState& state, const Results& results,
                                               const std::vector<SettledOrder>& settled) {
    std::vector<std::vector<Standing>> tables;
    for (int g = 0; g < groupCount(state); ++g) tables.push_back(settledStandings(state, results, g, settled));
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

int bracketSize(int players) {
    int size = 2;
    while (size < players) size *= 2;
    return size;
}

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
        : players_(players), perGroup_(perGroup), size_(bracketSize(static_cast<int>(players.size()))),
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

// Deals the playoff's maps from its own generator, leaving the draw's alone.
class SeededHost : public Host {
public:
    SeededHost(Host& host, std::uint32_t seed) : host_(host), seed_(seed) {}
    int listCount(ListKind list) override { return host_.listCount(list); }
    std::string_view listText(ListKind list, int index) override { return host_.listText(list, index); }
    int checkState(Option option) override { return host_.checkState(option); }
    std::string_view numberFieldText(NumberField field) override { return host_.numberFieldText(field); }
    void showMessage(int stringId) override { host_.showMessage(stringId); }
    void reportAllocationFailure() override { host_.reportAllocationFailure(); }
    std::uint32_t now() override { return seed_; }

private:
    Host& host_;
    std::uint32_t seed_;
};

void dealMaps(std::vector<MatchState>& matches, const AssignmentState& state, std::uint32_t seed, Host& host) {
    if (!state.settings.mapsEnabled) return;
    const std::uint32_t mixed = seed ^ kPlayoffSeedMix;
    SeededHost seeded(host, mixed);
    AssignmentState dealer;
    dealer.settings = state.settings;
    dealer.random.seed(mixed);
    for (MatchState& m : matches) {
        if (m.bye) continue;
        const auto maps = pickSeriesMaps(dealer, seeded, m.bestOf);
        if (!maps || maps->empty() || maps->front() == kNone) return;
        m.map = maps->front();
        m.laterMaps.assign(maps->begin() + 1, maps->end());
    }
}

// Every match's length by its round; the third-place match plays the
// semi-finals' length.
void setLengths(bracket::Resolved& resolved, const Playoff& playoff, int groupsBestOf) {
    const int rounds = static_cast<int>(resolved.roundSizes.size());
    for (MatchState& m : resolved.matches) {
        m.bestOf = playoffRoundLength(playoff, groupsBestOf, m.losersMeet ? 1 : rounds - m.round);
    }
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
    return refusal;
}

bool validPlayoffLengths(const std::vector<int>& bestOf) {
    return bestOf.size() <= kMaxPlayoffLengths && std::all_of(bestOf.begin(), bestOf.end(), validBestOf);
}

int playoffRoundLength(const Playoff& playoff, int groupsBestOf, int back) {
    if (playoff.bestOf.empty()) return groupsBestOf;
    const auto given = static_cast<int>(playoff.bestOf.size());
    return playoff.bestOf[static_cast<std::size_t>(std::max(given - 1 - std::max(back, 0), 0))];
}

std::vector<std::pair<int, int>> seatPlayers(const std::vector<Qualifier>& players, int perGroup) {
    return Seating(players, perGroup).seat();
}

PlayoffBracket playoffBracket(const AssignmentState& state, const Results& results, const Playoff& playoff,
                              std::uint32_t seed, Host& host) {
    PlayoffBracket out;
    if (!checkPlayoff(state, results, playoff).empty()) return out;
    out.players = qualifiersOf(groupTables(state, results, playoff.settled), playoff.perGroup);
    bracket::Resolved resolved = layOut(out.players, seatPlayers(out.players, playoff.perGroup), playoff.thirdPlace);
    setLengths(resolved, playoff, state.settings.bestOf);
    dealMaps(resolved.matches, state, seed, host);
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

std::vector<FinalStanding> finalStandings(const AssignmentState& state, const Results& results,
                                          const Playoff& playoff, const PlayoffBracket& bracket) {
    std::vector<FinalStanding> out;
    const auto qualifier = [&](Pos player) {
        return std::find_if(bracket.players.begin(), bracket.players.end(),
                            [&](const Qualifier& q) { return q.player == player; });
    };
    for (const Standing& s : bracket.standings) {
        const auto q = qualifier(s.player);
        out.push_back({s.player, s.rank, q->group, q->place, true, s.withdrawn});
    }
    std::vector<FinalStanding> others;
    for (int g = 0; g < groupCount(state); ++g) {
        for (const Standing& s : settledStandings(state, results, g, playoff.settled)) {
            if (qualifier(s.player) == bracket.players.end()) {
                const bool withdrawn = s.withdrawn || playoff.results.withdrawals().has(s.player);
                others.push_back({s.player, s.rank, g, s.rank, false, withdrawn});
            }
        }
    }
    std::stable_sort(others.begin(), others.end(),
                     [](const FinalStanding& a, const FinalStanding& b) { return a.groupPlace < b.groupPlace; });
    const int through = static_cast<int>(bracket.players.size());
    for (std::size_t i = 0; i < others.size(); ++i) {
        const bool level = i > 0 && others[i].groupPlace == others[i - 1].groupPlace;
        others[i].rank = level ? others[i - 1].rank : through + 1 + static_cast<int>(i);
        out.push_back(others[i]);
    }
    return out;
}

}  // namespace rl
