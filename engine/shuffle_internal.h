#pragma once
// The two halves of the group filling, apart, so that tests can drive the
// shuffle with chosen draws and the laying-out with a chosen order.
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/assignment.h"

namespace rl {

using DrawSource = std::function<int()>;

// The two Sattolo passes of shuffleElements over whatever `draw` yields.
bool sattoloPasses(Host& host, void* array, std::int32_t n, std::int32_t size, const DrawSource& draw);

// Lays `order` into the already shaped `table`: column by column when
// spreading vacancies, else group by group; places past the order get kNone.
void layGroups(const std::vector<Pos>& order, bool spreadVacancies, GroupTable& table);

}  // namespace rl
