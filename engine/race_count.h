#pragma once
// The spread-races draw (its rule is in seeding.h). The places are labelled
// with races group by group, every labelling as likely as any other: the
// labellings that finish from each state are counted first, and each
// group's choice is drawn in proportion to them. The players of each pot
// and race are then shuffled over the places labelled for them, and the tag
// rule tested on the whole; a draw that breaks it is made again (rejection,
// which keeps the draw uniform over the arrangements that pass).
//
// A labelling gives each place a race (or none) so that every pot's places
// (and the places without pot) take its players' races, and every group
// holds each race at the race's level. Each labelling is realised by the
// same number of arrangements, so a uniform labelling followed by uniform
// shuffles is a uniform arrangement.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/big_count.h"
#include "engine/seed_frame.h"

namespace rl {
struct SeedRefusal;
}

namespace rl::seeding {

// Where a race stands in each group at its level: min(size, L), and whether
// the group may take one more (its size is larger than L); `extras` groups
// take one more.
struct RaceShare {
    std::vector<int> base;
    std::vector<char> oneMore;
    int extras = 0;
};

RaceShare raceShare(const std::vector<int>& sizes, int players);

// Whether the try holds every race of `frame.raceOf` at its level.
bool racesSpread(const Frame& frame, const Try& t);

// The whole spread-races draw over `frame` (its raceOf filled): true with
// `t.at` and `t.held` filled, else false with `refusal` saying what cannot
// be placed.
bool drawSpreadRaces(const Frame& frame, Random& random, Try& t, SeedRefusal& refusal);

enum class RaceCountOutcome { Counted, Impossible, TooLarge };

class RaceCounter {
public:
    RaceCounter(const Frame& frame, std::uint64_t workLimit);

    RaceCountOutcome count();
    // After Counted: one labelling drawn and realised in `t` (tags unchecked).
    void draw(Random& random, Try& t);

private:
    struct Choice {
        std::vector<int> taken;  // per slot of the group and race: places so labelled
        std::uint64_t ways;      // the labellings of the group's places that give it
    };

    Count completions(std::size_t group, const std::vector<int>& left);
    std::vector<Choice> choices(std::size_t group, const std::vector<int>& left);
    void extend(std::size_t group, std::size_t at, int placesLeft, std::vector<int>& taken, std::vector<int>& totals,
                const std::vector<int>& left, std::uint64_t ways, std::vector<Choice>& out);
    std::vector<int> after(const std::vector<int>& left, std::size_t group, const Choice& choice) const;
    bool overLimit() const { return work_ > workLimit_; }

    const Frame& frame_;
    std::uint64_t workLimit_;
    std::uint64_t work_ = 0;
    std::vector<RaceShare> shares_;                      // per race
    std::vector<std::vector<int>> slotKind_;             // per group: the kinds with places there
    std::vector<std::vector<std::vector<int>>> slotAt_;  // per group and slot: those places
    std::vector<int> start_;  // players per kind and race (-1 first), then extras per race
    std::vector<std::unordered_map<std::string, Count>> memo_;  // per group
};

}  // namespace rl::seeding
