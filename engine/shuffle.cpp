#include "engine/shuffle.h"

#include <cstring>
#include <numeric>

#include "engine/shuffle_internal.h"

namespace rl {

namespace {

// One pass: every position from the last down to 1 trades places with a
// strictly lower one, which makes the whole array a single cycle.
void sattoloPass(unsigned char* bytes, std::int32_t n, std::size_t size, unsigned char* held,
                 const DrawSource& draw) {
    for (std::int32_t i = n - 1; i >= 1; --i) {
        const std::int32_t r = draw() % i;
        unsigned char* upper = bytes + static_cast<std::size_t>(i) * size;
        unsigned char* lower = bytes + static_cast<std::size_t>(r) * size;
        std::memcpy(held, upper, size);
        std::memcpy(upper, lower, size);
        std::memcpy(lower, held, size);
    }
}

}  // namespace

bool sattoloPasses(Host& host, void* array, std::int32_t n, std::int32_t size, const DrawSource& draw) {
    std::vector<unsigned char> held;
    if (!allocateZeroed(host, held, size)) {
        return false;
    }
    if (size == 0) {
        return true;  // nothing to move
    }
    auto* bytes = static_cast<unsigned char*>(array);
    const auto elementSize = static_cast<std::size_t>(size);
    sattoloPass(bytes, n, elementSize, held.data(), draw);
    sattoloPass(bytes, n, elementSize, held.data(), draw);
    return true;
}

bool shuffleElements(AssignmentState& state, Host& host, void* array, std::int32_t n, std::int32_t size) {
    state.random.seed(host.now());
    return sattoloPasses(host, array, n, size, [&state] { return state.random.draw(); });
}

void layGroups(const std::vector<Pos>& order, bool spreadVacancies, GroupTable& table) {
    const std::size_t groups = table.size();
    const std::size_t places = groups == 0 ? 0 : table.front().size();
    std::size_t k = 0;
    auto place = [&](std::size_t g, std::size_t s) {
        table[g][s] = k < order.size() ? order[k] : kNone;
        ++k;
    };
    if (spreadVacancies) {
        for (std::size_t s = 0; s < places; ++s) {
            for (std::size_t g = 0; g < groups; ++g) {
                place(g, s);
            }
        }
    } else {
        for (std::size_t g = 0; g < groups; ++g) {
            for (std::size_t s = 0; s < places; ++s) {
                place(g, s);
            }
        }
    }
}

bool fillGroups(AssignmentState& state, Host& host) {
    const Settings& settings = state.settings;
    std::vector<Pos> order;
    if (!allocateZeroed(host, order, settings.participantCount)) {
        return false;
    }
    std::iota(order.begin(), order.end(), Pos{0});
    if (!shuffleElements(state, host, order.data(), settings.participantCount, sizeof(Pos))) {
        return false;
    }

    GroupTable table;
    if (!allocateZeroed(host, table, settings.groupCount)) {
        return false;
    }
    for (auto& row : table) {
        if (!allocateZeroed(host, row, settings.groupSize)) {
            return false;
        }
    }
    layGroups(order, settings.spreadVacancies, table);
    state.groupTable = std::move(table);
    return true;
}

}  // namespace rl
