#pragma once
// The seeded draw: pots that spread the strongest players over the groups,
// and tags (a team, a club, a race) whose players are kept apart.
//
// The places are dealt like cards, row by row over the groups A, B, C...
// (the first place of every group, then the second...), within the group
// sizes that the spread setting gives. The players of pot 1 take the first
// places of that deal, pot 2 the next ones, and so on; so no group holds two
// of one pot, and every pot goes to the groups its places fall in. Where a
// pot's run would come round to a group again (uneven groups), it skips the
// places it must so that every pot still finds its groups. Within a group
// the pots come first, in pot order; in a knock-out group they then move to
// the places of a seeded bracket (bracketSeedOrder). Players without a pot
// fill the places left. Within those rules every arrangement that also
// spreads the tags is equally likely: each pot's players, and the players
// without a pot, are shuffled over their places, and a shuffle that breaks
// the tag rule is drawn again (rejection, which keeps the choice uniform
// over the arrangements that pass); where that rarely passes, the exact
// ways of tag_count.h and seed_frame.h take over.
//
// A tag is spread when no group holds two of it while another group that
// has none could take one of them: has a place of the pot of one of them, or
// a place without pot where one of them has none.
//
// Races are spread only when the draw asks for it (Seeding::spreadRaces);
// otherwise they change nothing. A race is spread when, for every two groups
// g and h, g holds at most one player of it more than h, unless h's places
// all hold players of that race. The group sizes are those the spread
// setting gives (the vacancies stay where it puts them), so a smaller group
// is never made to take more of a race than it has places. Said otherwise,
// for each race there is a level L such that every group of size s holds
// min(s, L) or min(s, L + 1) of it: with n players, L is the largest level
// whose min(s, L) over the groups sum to at most n, and the players left
// over go one each to groups larger than L. A request where the races
// cannot all be spread so while the pots and tags keep their rules is
// refused, naming a race that cannot be spread within the pots when there
// is one (race_count.h).
//
// The pot draw has a generator of its own, the same generator as the plain
// draw, seeded with the draw's seed XOR kPotStreamKey; the plain stream runs
// exactly as in a plain draw, so the maps are dealt as they would be for the
// same groups.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/assignment.h"
#include "engine/limits.h"
#include "engine/race.h"

namespace rl {

constexpr std::uint32_t kPotStreamKey = 0x504F5453;  // "POTS"
// Shuffles tried before the exact ways are taken; choices the count of
// tags without pots may look at; shuffles in all before such a draw whose
// count is too large is given up.
constexpr std::uint32_t kQuickSeedTries = 1u << 12;
constexpr std::uint64_t kMaxTagCountWork = 4'000'000;
constexpr std::uint32_t kMaxSeedTries = 1u << 22;

// How the pots sit within a knock-out group. Events drawn before the seeded
// bracket took the pots in pot order from the group's first place; they
// redraw the same only by that rule. Leagues are alike under both.
enum class SeedRule { PotsInOrder, BracketPlaces };
constexpr SeedRule kCurrentSeedRule = SeedRule::BracketPlaces;

// The seed (1: the strongest) whose player takes each of the places of a
// knock-out group of `members`, read off the bracket that pairing.h builds:
// the first two meet only in the final, and in the first round each seed
// meets the farthest one. 8 places: 1 8 4 5 2 7 3 6; 4 places: 1 4 2 3
// (match 1: seeds 1 and 4, match 2: seeds 2 and 3).
std::vector<int> bracketSeedOrder(int members);

// Each participant's pot (0: none, else 1 to the group size), tag (code
// page 949; empty: none) and race, in list order. Entries past any vector:
// none. The races change the draw only with spreadRaces.
struct Seeding {
    std::vector<int> pots;
    std::vector<std::string> tags;
    std::vector<Race> races{};
    bool spreadRaces = false;

    bool any() const;
};

// Why a seeded draw was refused: a string-table message (IDS_SEED_*) and
// the numbers it names.
struct SeedRefusal {
    int stringId = 0;
    int participant = 0;  // 1-based, for a pot or tag that cannot be used
    int pot = 0;
    int players = 0;      // the pot's players
    int limit = 0;        // the groups, the group size or the tag's byte limit
    Race race = Race::None;  // a race that cannot be spread
};

// The message of a refusal, code page 949, with its numbers filled in;
// empty for an id that no refusal of a draw has.
std::string seedRefusalText(const SeedRefusal& refusal);
// The same for a refusal of the settings, which names no number.
std::string drawRefusalText(int stringId);

// The groups of a seeded draw for `settings` (already captured and valid),
// or the reason it cannot be made. `seed` is the draw's seed (the clock).
// Tests lower `quickTries` to reach the exact count at once.
std::optional<GroupTable> seededGroups(const Settings& settings, const Seeding& seeding, std::uint32_t seed,
                                       SeedRefusal& refusal, std::uint32_t quickTries = kQuickSeedTries,
                                       SeedRule rule = kCurrentSeedRule);

// The whole assign step with the seeded draw. Without any pot or tag it is
// exactly assign(). A refusal of the pots or tags leaves the state Empty and
// fills `refusal`; the settings' own refusals show their message as assign does.
AssignOutcome assignSeeded(AssignmentState& state, Host& host, const Seeding& seeding, SeedRefusal& refusal,
                           SeedRule rule = kCurrentSeedRule, const DrawFormat& format = {});

}  // namespace rl
