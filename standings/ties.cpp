#include "standings/ties.h"

#include <algorithm>
#include <set>

#include "standings/bracket.h"
#include "standings/playoff.h"

namespace rl {

namespace {

std::set<Pos> asSet(const std::vector<Pos>& members) { return {members.begin(), members.end()}; }

// Rows [begin, end) of a table share one rank, and are all withdrawn or
// none: a withdrawn member of a knock-out shares its place with those
// still in, after them, and settles nothing among them.
struct Block {
    std::size_t begin = 0;
    std::size_t end = 0;
};

std::vector<Block> sharedRanks(const std::vector<Standing>& table) {
    std::vector<Block> blocks;
    for (std::size_t i = 0; i < table.size();) {
        std::size_t j = i + 1;
        while (j < table.size() && table[j].rank == table[i].rank && table[j].withdrawn == table[i].withdrawn) ++j;
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
    for (int g = 0; g < bracket::groupCount(state); ++g) {
        const std::vector<Standing> table = settledStandings(state, results, g, settled);
        for (const Block& block : sharedRanks(table)) {
            if (decides(table, block, perGroup)) ties.push_back({g, table[block.begin].rank, playersOf(table, block)});
        }
    }
    return ties;
}

SettleProblem checkSettle(const AssignmentState& state, const Results& results, int perGroup,
                          const SettledOrder& order) {
    if (order.group < 0 || order.group >= bracket::groupCount(state)) return SettleProblem::NoSuchGroup;
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
    for (int g = 0; g < bracket::groupCount(state); ++g) {
        const GroupStandings s = groupStandings(state, results, g);
        const auto left = std::count_if(s.matches.begin(), s.matches.end(),
                                        [](const MatchState& m) { return !m.bye && !m.score && !m.voided; });
        if (left > 0) out.push_back({g, static_cast<int>(left)});
    }
    return out;
}

}  // namespace rl
