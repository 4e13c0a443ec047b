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
//
// The count's states are the players each pot and race has left; they stay
// few while most players have no pot (one or two pots of eight among 64
// players: a few thousand). Past kMaxRaceCountWork choices the count is
// given up for whole shuffles, which rarely keep every race spread, and a
// draw not found so is refused as too many pots. Before counting, a flow
// for each set of races refuses a request they cannot be spread in at once;
// where the count is given up, a search for any one labelling, which most
// requests end within milliseconds, refuses one that has none before the
// shuffles. Teams that must be apart
// are kept by rejection alone, so many of them (every player in a team of
// four) are rarely drawn before the tries run out.
#include <cstdint>
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

// Refuses a request where some race, or some races together, cannot be
// spread whatever way the others go, naming the first race that cannot be
// spread within the pots even alone: a flow for each set of races, a few
// microseconds. Exact for each race alone, a condition for more; where the
// count is too large, a search (RaceCounter::search) tells the rest.
bool refusedUnspread(const Frame& frame, SeedRefusal& refusal);

// The whole spread-races draw over `frame` (its raceOf filled): true with
// `t.at` and `t.held` filled, else false with `refusal` saying what cannot
// be placed.
bool drawSpreadRaces(const Frame& frame, Random& random, Try& t, SeedRefusal& refusal);

enum class RaceCountOutcome { Counted, Impossible, TooLarge };

class RaceCounter {
public:
    RaceCounter(const Frame& frame, std::uint64_t workLimit);

    RaceCountOutcome count();
    // Whether any labelling exists, without counting them: Counted when one
    // does (this counter then draws nothing), TooLarge past the work limit.
    RaceCountOutcome search();
    // After Counted: one labelling drawn and realised in `t` (tags unchecked).
    void draw(Random& random, Try& t);

private:
    struct Choice {
        std::vector<int> taken;  // per slot of the group and race: places so labelled
        std::vector<int> delta;  // what it takes from the state: players per class, extras per race
        std::uint64_t ways;      // the labellings of the group's places that give it: at most 8!
        std::uint64_t keyTaken = 0;  // what it takes from the state's key
    };

    std::uint64_t keyOf(const std::vector<int>& players) const;
    const Count& completions(std::size_t group, const std::vector<int>& left, std::uint64_t key);
    const Count& completionsAfter(std::size_t group, const std::vector<int>& left, std::uint64_t key, const Choice& choice);
    bool reaches(std::size_t group, const std::vector<int>& left, std::uint64_t key);
    const std::vector<const Choice*>& choices(std::size_t group, const std::vector<int>& left);
    void extend(std::size_t group, std::size_t at, int placesLeft, std::vector<int>& taken, std::vector<int>& totals,
                const std::vector<int>& left, std::uint64_t ways, std::vector<Choice>& out);
    void after(const std::vector<int>& left, const Choice& choice, std::vector<int>& next) const;
    bool overLimit() const { return work_ > workLimit_; }
    std::size_t classOf(int kind, int race) const {
        return static_cast<std::size_t>(compact_[static_cast<std::size_t>(kind)] * 5 + race + 1);
    }

    const Frame& frame_;
    std::uint64_t workLimit_;
    std::uint64_t work_ = 0;
    std::vector<RaceShare> shares_;                      // per race
    std::vector<std::vector<int>> slotKind_;             // per group: the kinds with places there
    std::vector<std::vector<std::vector<int>>> slotAt_;  // per group and slot: those places
    std::vector<std::vector<int>> placesAfter_;          // per group and slot: the later slots' places
    std::vector<int> compact_;  // per kind: its place among the kinds with players; -1: none
    int classes_ = 0;           // kinds with players, times the races and none
    std::vector<int> start_;    // players per kind and race (none first), then extras per race
    std::vector<std::vector<Choice>> all_;                // per group: the choices of the start
    std::vector<std::vector<int>> taking_;                // per group: their deltas one after another
    std::vector<std::vector<const Choice*>> fitting_;     // per group: those of the state counted
    std::vector<std::uint64_t> stride_;                             // per class: its digit's place in a key
    std::vector<std::unordered_map<std::uint64_t, Count>> memo_;  // per group
    std::vector<std::vector<int>> next_;                        // per group: the state after a choice
};

}  // namespace rl::seeding
