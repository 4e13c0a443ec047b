#pragma once
// Members of a group level on its table, and the orders an organiser gives
// them where their places decide who goes through to the playoff.
#include <vector>

#include "standings/standings.h"

namespace rl {

// The order an organiser gave to members of a group sharing a rank.
struct SettledOrder {
    int group = 0;
    std::vector<Pos> order;  // best first
};

// Members that share a rank deciding who goes through or where.
struct TieToSettle {
    int group = 0;
    int rank = 0;
    std::vector<Pos> members;  // in table order
};

struct UnfinishedGroup {
    int group = 0;
    int matchesLeft = 0;
};

// Whether an order may settle a tie: the members of one shared rank of the
// group that decides something, each once.
enum class SettleProblem { None, NoSuchGroup, NotMembers, NotATie, NoNeed };

// The group's table with the settled orders applied: settled members get
// places one after another in their given order and are marked settled.
std::vector<Standing> settledStandings(const AssignmentState& state, const Results& results, int group,
                                       const std::vector<SettledOrder>& settled);
// The ties among the first `perGroup` places of every group still to settle.
std::vector<TieToSettle> tiesToSettle(const AssignmentState& state, const Results& results, int perGroup,
                                      const std::vector<SettledOrder>& settled);
SettleProblem checkSettle(const AssignmentState& state, const Results& results, int perGroup,
                          const SettledOrder& order);
// The orders that still settle a tie deciding something for `perGroup`;
// before the playoff (perGroup 0) any shared rank may be settled. An order
// left behind by a changed result settles nothing and is not kept.
std::vector<SettledOrder> ordersThatSettle(const AssignmentState& state, const Results& results, int perGroup,
                                           const std::vector<SettledOrder>& settled);
std::vector<UnfinishedGroup> unfinishedGroups(const AssignmentState& state, const Results& results);

}  // namespace rl
