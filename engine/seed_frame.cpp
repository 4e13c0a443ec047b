#include "engine/seed_frame.h"

namespace rl::seeding {

std::uint64_t uniformBelow(Random& random, std::uint64_t n) {
    std::uint64_t range = 1u << 15;
    int draws = 1;
    while (range < n) range <<= 15, ++draws;
    const std::uint64_t limit = range - range % n;
    for (;;) {
        std::uint64_t value = 0;
        for (int d = 0; d < draws; ++d) value = value << 15 | static_cast<std::uint64_t>(random.draw());
        if (value < limit) return value % n;
    }
}

void shuffleKind(const Frame& frame, std::size_t k, Random& random, Try& t) {
    const Kind& kind = frame.kinds[k];
    std::vector<int>& players = t.orders[k];
    players.assign(kind.players.begin(), kind.players.end());
    const std::size_t n = players.size();
    for (std::size_t i = 0; i < n; ++i) {
        std::swap(players[i], players[i + uniformBelow(random, n - i)]);
        const int player = players[i];
        const auto place = static_cast<std::size_t>(kind.places[i]);
        t.at[place] = player;
        const int tag = frame.tagOf[static_cast<std::size_t>(player)];
        if (tag >= 0) ++t.heldOf(frame, tag, frame.places[place].group);
    }
}

namespace {

// Whether group `to`, holding none of `tag`, could take one of the two or
// more that group `from` holds: it has a place of one's pot (or of none).
bool couldTakeOne(const Frame& frame, const std::vector<int>& at, int tag, int from, int to) {
    for (int place : frame.placesOf[static_cast<std::size_t>(from)]) {
        const auto p = static_cast<std::size_t>(place);
        if (frame.tagOf[static_cast<std::size_t>(at[p])] == tag && frame.groupHasKind(to, frame.kindOf[p])) return true;
    }
    return false;
}

}  // namespace

bool tagsSpread(const Frame& frame, const Try& t) {
    const int groups = frame.groups;
    for (int tag = 0; tag < frame.tags; ++tag) {
        const int* held = &t.held[static_cast<std::size_t>(tag) * static_cast<std::size_t>(groups)];
        for (int from = 0; from < groups; ++from) {
            if (held[from] < 2) continue;
            for (int to = 0; to < groups; ++to) {
                if (held[to] == 0 && couldTakeOne(frame, t.at, tag, from, to)) return false;
            }
        }
    }
    return true;
}

}  // namespace rl::seeding
