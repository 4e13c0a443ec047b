#pragma once
// What the seeded draw's ways of drawing share: the places and the players
// of one draw, one try's storage, and the tag rule read off a try.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/random.h"
#include "engine/seeding.h"

namespace rl::seeding {

struct Place {
    int group;
    int row;
};

// A player's kind is its pot, 0 for none: a kind's players fill its places.
struct Kind {
    std::vector<int> players;
    std::vector<int> places;  // indices into Frame::places
};

// What stays the same over every try of one draw.
struct Frame {
    int groups = 0;
    std::vector<Place> places;               // in deal order
    std::vector<Kind> kinds;                 // index: pot
    std::vector<int> kindOf;                 // per place
    std::vector<std::vector<int>> placesOf;  // per group
    std::vector<int> tagOf;                  // per participant; -1: none
    int tags = 0;
    std::vector<int> raceOf;                 // per participant, 0 to 3 (T Z P R); -1: none. Empty: not spread

    bool groupHasKind(int group, int kind) const {
        const auto& own = placesOf[static_cast<std::size_t>(group)];
        return std::any_of(own.begin(), own.end(), [&](int p) { return kindOf[static_cast<std::size_t>(p)] == kind; });
    }
};

// The frame of a seeded draw, or why it cannot be made: a pot or tag that
// cannot be used, pots that do not fit.
std::optional<SeedRefusal> makeFrame(const Settings& settings, const Seeding& seeding, Frame& frame);

// The storage of one try, kept over the tries.
struct Try {
    std::vector<int> at;                   // the player of each place
    std::vector<int> held;                 // per tag and group: its players there
    std::vector<std::vector<int>> orders;  // per kind: its players being shuffled

    int& heldOf(const Frame& frame, int tag, int group) {
        return held[static_cast<std::size_t>(tag) * static_cast<std::size_t>(frame.groups) +
                    static_cast<std::size_t>(group)];
    }
};

// 0 to n-1, every value equally likely: as many draws as n needs, the first
// the highest, all drawn again while they come past the last whole multiple
// of n. One draw up to 32768, two up to 2^30, as the draw has always taken.
std::uint64_t uniformBelow(Random& random, std::uint64_t n);

// Kind `k`'s players shuffled over its places, each kept in `t.held`.
void shuffleKind(const Frame& frame, std::size_t k, Random& random, Try& t);

// Whether the try keeps the tag rule: no group holds two of a tag while a
// group with none of it has a place of the pot (or of none) of one of them.
bool tagsSpread(const Frame& frame, const Try& t);

// Tags mixed with pots, where shuffling rarely passes: true with `t.at`
// filled, every arrangement that keeps the rules equally likely; false when
// none was found (`impossible` then says whether none exists).
bool drawTagsWithPots(const Frame& frame, Random& random, Try& t, bool& impossible);

}  // namespace rl::seeding
