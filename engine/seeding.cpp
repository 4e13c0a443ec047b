#include "engine/seeding.h"

#include <algorithm>
#include <map>
#include <new>

#include "engine/draw_steps.h"
#include "engine/forwarding_host.h"
#include "engine/pairing.h"
#include "engine/race_count.h"
#include "engine/schedule.h"
#include "engine/seed_frame.h"
#include "engine/shuffle.h"
#include "engine/shuffle_internal.h"
#include "engine/tag_count.h"
#include "resources/seeding.h"

namespace rl {

using seeding::Frame;
using seeding::Kind;
using seeding::Place;
using seeding::Try;
using seeding::uniformBelow;

namespace {

int potOf(const Seeding& s, std::size_t i) { return i < s.pots.size() ? s.pots[i] : 0; }
const std::string& tagOf(const Seeding& s, std::size_t i) {
    static const std::string none;
    return i < s.tags.size() ? s.tags[i] : none;
}

std::optional<SeedRefusal> badEntry(const Settings& settings, const Seeding& seeding) {
    for (int i = 0; i < settings.participantCount; ++i) {
        const int pot = potOf(seeding, static_cast<std::size_t>(i));
        if (pot < 0 || pot > settings.groupSize) {
            return SeedRefusal{IDS_SEED_POT_RANGE, i + 1, pot, 0, settings.groupSize};
        }
        if (tagOf(seeding, static_cast<std::size_t>(i)).size() > kMaxTagBytes) {
            return SeedRefusal{IDS_SEED_TAG_TOO_LONG, i + 1, 0, 0, static_cast<int>(kMaxTagBytes)};
        }
    }
    return std::nullopt;
}

// Every place the spread setting fills, dealt row by row over the groups.
std::vector<Place> dealtPlaces(const Settings& settings) {
    GroupTable shape(static_cast<std::size_t>(settings.groupCount),
                     std::vector<Pos>(static_cast<std::size_t>(settings.groupSize)));
    layGroups(std::vector<Pos>(static_cast<std::size_t>(settings.participantCount), Pos{0}),
              settings.spreadVacancies, shape);
    std::vector<Place> places;
    for (int row = 0; row < settings.groupSize; ++row) {
        for (int g = 0; g < settings.groupCount; ++g) {
            if (shape[g][row] != kNone) places.push_back({g, row});
        }
    }
    return places;
}

// Whether every pot can still be given its groups: `need` per pot, one
// player a group, never in a group `barred` for that pot, within each
// group's `room`. A matching that may move earlier choices (Kuhn's).
class PotFit {
public:
    PotFit(std::vector<int> need, std::vector<std::vector<char>> barred, std::vector<int> room)
        : need_(std::move(need)), barred_(std::move(barred)), room_(std::move(room)),
          uses_(need_.size(), std::vector<char>(room_.size(), 0)), load_(room_.size(), 0) {}

    bool fits() {
        for (std::size_t pot = 0; pot < need_.size(); ++pot) {
            for (int n = 0; n < need_[pot]; ++n) {
                std::vector<char> seen(room_.size(), 0);
                if (!augment(pot, seen)) return false;
            }
        }
        return true;
    }

private:
    bool augment(std::size_t pot, std::vector<char>& seen) {
        for (std::size_t g = 0; g < room_.size(); ++g) {
            if (barred_[pot][g] || uses_[pot][g] || seen[g]) continue;
            seen[g] = 1;
            if (load_[g] < room_[g]) {
                uses_[pot][g] = 1, ++load_[g];
                return true;
            }
            for (std::size_t other = 0; other < need_.size(); ++other) {
                if (uses_[other][g] && augment(other, seen)) {
                    uses_[other][g] = 0, uses_[pot][g] = 1;
                    return true;
                }
            }
        }
        return false;
    }

    std::vector<int> need_;
    std::vector<std::vector<char>> barred_;
    std::vector<int> room_;
    std::vector<std::vector<char>> uses_;
    std::vector<int> load_;
};

// Pot by pot, each takes the first places of the deal that keep it one a
// group and leave room for the pots after it. Where the plain run of the
// deal fits, that is the run; where it would come round to a group again
// (uneven groups without spreading), the pot skips what it must.
std::optional<SeedRefusal> dealPots(const Settings& settings, Frame& frame) {
    const std::size_t groups = static_cast<std::size_t>(frame.groups), pots = frame.kinds.size();
    std::vector<int> need(pots, 0), room(groups, 0);
    for (const Place& place : frame.places) ++room[static_cast<std::size_t>(place.group)];
    for (std::size_t pot = 1; pot < pots; ++pot) {
        const int players = static_cast<int>(frame.kinds[pot].players.size());
        if (players > settings.groupCount) {
            return SeedRefusal{IDS_SEED_POT_OVERFULL, 0, static_cast<int>(pot), players, settings.groupCount};
        }
        need[pot] = players;
        std::vector<int> upTo(need.begin(), need.begin() + static_cast<std::ptrdiff_t>(pot) + 1);
        if (!PotFit(upTo, std::vector<std::vector<char>>(pot + 1, std::vector<char>(groups, 0)), room).fits()) {
            return SeedRefusal{IDS_SEED_POT_NO_ROOM, 0, static_cast<int>(pot), players, 0};
        }
    }
    std::vector<std::vector<char>> barred(pots, std::vector<char>(groups, 0));  // the groups each pot has
    std::vector<char> taken(frame.places.size(), 0);
    for (std::size_t pot = 1; pot < pots; ++pot) {
        for (std::size_t p = 0; p < frame.places.size() && need[pot] > 0; ++p) {
            const auto g = static_cast<std::size_t>(frame.places[p].group);
            if (taken[p] || barred[pot][g]) continue;
            --need[pot], --room[g], barred[pot][g] = 1;
            if (PotFit(need, barred, room).fits()) {
                taken[p] = 1;
            } else {
                ++need[pot], ++room[g], barred[pot][g] = 0;
            }
        }
    }
    // Within a group the pots take its first places in pot order, as the
    // plain run of the deal gives them.
    std::vector<std::size_t> nextOf(groups, 0);
    frame.placesOf.assign(groups, {});
    for (std::size_t p = 0; p < frame.places.size(); ++p) {
        frame.placesOf[static_cast<std::size_t>(frame.places[p].group)].push_back(static_cast<int>(p));
    }
    frame.kindOf.assign(frame.places.size(), 0);
    for (std::size_t pot = 1; pot < pots; ++pot) {
        for (std::size_t g = 0; g < groups; ++g) {
            if (barred[pot][g]) frame.kindOf[static_cast<std::size_t>(frame.placesOf[g][nextOf[g]++])] = static_cast<int>(pot);
        }
    }
    for (std::size_t p = 0; p < frame.places.size(); ++p) {
        frame.kinds[static_cast<std::size_t>(frame.kindOf[p])].places.push_back(static_cast<int>(p));
    }
    return std::nullopt;
}

Race raceOf(const Seeding& s, std::size_t i) { return i < s.races.size() ? s.races[i] : Race::None; }

bool anyRace(const Seeding& s) {
    return std::any_of(s.races.begin(), s.races.end(), [](Race race) { return race != Race::None; });
}

// Only when the draw spreads the races: otherwise raceOf stays empty and
// the draw never looks at them.
void collectRaces(const Seeding& seeding, Frame& frame) {
    if (!seeding.spreadRaces || !anyRace(seeding)) return;
    for (std::size_t i = 0; i < frame.tagOf.size(); ++i) frame.raceOf.push_back(static_cast<int>(raceOf(seeding, i)) - 1);
}

void collectTags(const Seeding& seeding, Frame& frame) {
    std::map<std::string, int> index;
    for (std::size_t i = 0; i < frame.tagOf.size(); ++i) {
        const std::string& tag = tagOf(seeding, i);
        if (tag.empty()) continue;
        frame.tagOf[i] = index.emplace(tag, static_cast<int>(index.size())).first->second;
    }
    frame.tags = static_cast<int>(index.size());
}

// One shuffle of every kind over its places; false when it breaks the tag
// rule.
bool tryShuffle(const Frame& frame, Random& random, Try& t) {
    std::fill(t.held.begin(), t.held.end(), 0);
    for (std::size_t k = 0; k < frame.kinds.size(); ++k) seeding::shuffleKind(frame, k, random, t);
    return seeding::tagsSpread(frame, t);
}

void shuffle(std::vector<int>& items, Random& random) {
    const int n = static_cast<int>(items.size());
    for (int i = 0; i < n; ++i) std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(i + uniformBelow(random, n - i))]);
}

// Only when no tagged player has a pot: the counts of each tag in each group
// drawn in proportion to their arrangements (tag_count.h), then the players
// shuffled within them.
bool anyTaggedPot(const Frame& frame) {
    for (std::size_t k = 1; k < frame.kinds.size(); ++k) {
        for (int player : frame.kinds[k].players) {
            if (frame.tagOf[static_cast<std::size_t>(player)] >= 0) return true;
        }
    }
    return false;
}

TagCountOutcome countedShuffle(const Frame& frame, Random& random, Try& t) {
    const auto groups = static_cast<std::size_t>(frame.groups);
    std::vector<std::vector<int>> placesIn(groups), playersIn(groups), tagged(static_cast<std::size_t>(frame.tags));
    std::vector<int> untagged, room(groups, 0), sizes;
    for (int place : frame.kinds[0].places) placesIn[static_cast<std::size_t>(frame.places[static_cast<std::size_t>(place)].group)].push_back(place);
    for (std::size_t g = 0; g < groups; ++g) room[g] = static_cast<int>(placesIn[g].size());
    for (int player : frame.kinds[0].players) {
        const int tag = frame.tagOf[static_cast<std::size_t>(player)];
        (tag < 0 ? untagged : tagged[static_cast<std::size_t>(tag)]).push_back(player);
    }
    for (const auto& players : tagged) sizes.push_back(static_cast<int>(players.size()));
    const TagCounts counts = drawTagCounts(room, sizes, random, kMaxTagCountWork);
    if (counts.outcome != TagCountOutcome::Drawn) return counts.outcome;
    for (std::size_t k = 1; k < frame.kinds.size(); ++k) {
        std::vector<int> players = frame.kinds[k].players;
        shuffle(players, random);
        for (std::size_t i = 0; i < players.size(); ++i) t.at[static_cast<std::size_t>(frame.kinds[k].places[i])] = players[i];
    }
    for (std::size_t tag = 0; tag < tagged.size(); ++tag) {
        shuffle(tagged[tag], random);
        std::size_t next = 0;
        for (std::size_t g = 0; g < groups; ++g) {
            for (int n = 0; n < counts.taken[tag][g]; ++n) playersIn[g].push_back(tagged[tag][next++]);
        }
    }
    shuffle(untagged, random);
    std::size_t next = 0;
    for (std::size_t g = 0; g < groups; ++g) {
        while (playersIn[g].size() < placesIn[g].size()) playersIn[g].push_back(untagged[next++]);
        shuffle(playersIn[g], random);
        for (std::size_t i = 0; i < placesIn[g].size(); ++i) t.at[static_cast<std::size_t>(placesIn[g][i])] = playersIn[g][i];
    }
    return TagCountOutcome::Drawn;
}

}  // namespace

bool Seeding::any() const {
    return std::any_of(pots.begin(), pots.end(), [](int pot) { return pot != 0; }) ||
           std::any_of(tags.begin(), tags.end(), [](const std::string& tag) { return !tag.empty(); }) ||
           (spreadRaces && anyRace(*this));
}

std::vector<int> bracketSeedOrder(int members) {
    if (members <= 0) return {};
    // Each match's places as they would sit in a full bracket of 2^rounds,
    // a bye's missing half as -1; the round's matches follow the last's.
    const PairList pairs = bracketPairList(members);
    std::vector<std::vector<int>> spans;
    std::size_t next = 0;
    for (int entrants = members, first = 1; first || entrants > 1; entrants = (entrants + 1) / 2, first = 0) {
        std::vector<std::vector<int>> round;
        for (int m = 0; m < (entrants + 1) / 2; ++m, ++next) {
            const Pair& pair = pairs[next];
            std::vector<int> a = first ? std::vector<int>{pair.a} : spans[static_cast<std::size_t>(pair.a)];
            const std::size_t half = a.size();
            if (pair.b == kNone) a.resize(2 * half, -1);
            else if (first) a.push_back(pair.b);
            else a.insert(a.end(), spans[static_cast<std::size_t>(pair.b)].begin(), spans[static_cast<std::size_t>(pair.b)].end());
            round.push_back(std::move(a));
        }
        spans = std::move(round);
    }
    const std::vector<int>& full = spans.front();
    // The full bracket's seeds: each of the last order's seeds s meets
    // size + 1 - s.
    std::vector<int> seedAt{1};
    while (seedAt.size() < full.size()) {
        const int size = 2 * static_cast<int>(seedAt.size());
        std::vector<int> twice;
        for (int s : seedAt) twice.push_back(s), twice.push_back(size + 1 - s);
        seedAt = std::move(twice);
    }
    std::vector<int> places;  // the real places, strongest seat first
    for (std::size_t v = 0; v < full.size(); ++v) {
        if (full[v] >= 0) places.push_back(static_cast<int>(v));
    }
    std::sort(places.begin(), places.end(), [&](int x, int y) { return seedAt[static_cast<std::size_t>(x)] < seedAt[static_cast<std::size_t>(y)]; });
    std::vector<int> order(static_cast<std::size_t>(members));
    for (std::size_t rank = 0; rank < places.size(); ++rank) order[static_cast<std::size_t>(full[static_cast<std::size_t>(places[rank])])] = static_cast<int>(rank) + 1;
    return order;
}

namespace {

// A knock-out group's players, pots first in pot order as drawn, moved to
// the places of the seeded bracket.
void seatBracket(GroupTable& table) {
    for (auto& row : table) {
        const auto members = static_cast<int>(std::find(row.begin(), row.end(), kNone) - row.begin());
        const std::vector<Pos> drawn(row.begin(), row.begin() + members);
        const std::vector<int> order = bracketSeedOrder(members);
        for (std::size_t p = 0; p < order.size(); ++p) row[p] = drawn[static_cast<std::size_t>(order[p] - 1)];
    }
}

}  // namespace

namespace seeding {

std::optional<SeedRefusal> makeFrame(const Settings& settings, const Seeding& seeding, Frame& frame) {
    if (auto bad = badEntry(settings, seeding)) return bad;
    frame.groups = settings.groupCount;
    frame.places = dealtPlaces(settings);
    frame.kinds.resize(static_cast<std::size_t>(settings.groupSize) + 1);
    frame.tagOf.assign(static_cast<std::size_t>(settings.participantCount), -1);
    for (int i = 0; i < settings.participantCount; ++i) {
        frame.kinds[static_cast<std::size_t>(potOf(seeding, static_cast<std::size_t>(i)))].players.push_back(i);
    }
    if (auto bad = dealPots(settings, frame)) return bad;
    collectTags(seeding, frame);
    collectRaces(seeding, frame);
    return std::nullopt;
}

}  // namespace seeding

std::optional<GroupTable> seededGroups(const Settings& settings, const Seeding& seeding, std::uint32_t seed,
                                       SeedRefusal& refusal, std::uint32_t quickTries, SeedRule rule) {
    refusal = {};
    Frame frame;
    if (auto bad = seeding::makeFrame(settings, seeding, frame)) {
        refusal = *bad;
        return std::nullopt;
    }

    Random random;
    random.seed(seed ^ kPotStreamKey);
    Try t{std::vector<int>(frame.places.size()),
          std::vector<int>(static_cast<std::size_t>(frame.tags) * static_cast<std::size_t>(frame.groups)),
          std::vector<std::vector<int>>(frame.kinds.size())};
    const auto table = [&] {
        GroupTable out(static_cast<std::size_t>(settings.groupCount),
                       std::vector<Pos>(static_cast<std::size_t>(settings.groupSize), kNone));
        for (std::size_t p = 0; p < t.at.size(); ++p) out[frame.places[p].group][frame.places[p].row] = static_cast<Pos>(t.at[p]);
        if (settings.tournament() && rule == SeedRule::BracketPlaces) seatBracket(out);
        return out;
    };
    if (!frame.raceOf.empty()) {
        if (seeding::drawSpreadRaces(frame, random, t, refusal)) return table();
        return std::nullopt;
    }
    // Shuffles first: most draws pass in a few. Failing that, the exact
    // count where it can be made, else shuffles up to the limit. Each way
    // gives every arrangement that keeps the rules alike, so the draw does.
    std::uint32_t tries = 0;
    for (; tries < quickTries; ++tries) {
        if (tryShuffle(frame, random, t)) return table();
    }
    if (anyTaggedPot(frame)) {
        bool impossible = false;
        if (seeding::drawTagsWithPots(frame, random, t, impossible)) return table();
        refusal.stringId = IDS_SEED_TAGS_NOT_SPREAD;
        return std::nullopt;
    }
    switch (countedShuffle(frame, random, t)) {
    case TagCountOutcome::Drawn: return table();
    case TagCountOutcome::Impossible: refusal.stringId = IDS_SEED_TAGS_NOT_SPREAD; return std::nullopt;
    case TagCountOutcome::TooLarge: break;
    }
    for (; tries < kMaxSeedTries; ++tries) {
        if (tryShuffle(frame, random, t)) return table();
    }
    refusal.stringId = IDS_SEED_TAGS_NOT_SPREAD;
    return std::nullopt;
}

namespace {

// Keeps the first time the clock tells: the seed of the plain shuffle,
// which the seeded draw takes as its own.
class ClockWitness : public ForwardingHost {
public:
    using ForwardingHost::ForwardingHost;
    std::optional<std::uint32_t> firstTime;

    std::uint32_t now() override {
        const std::uint32_t time = ForwardingHost::now();
        if (!firstTime) firstTime = time;
        return time;
    }
};

}  // namespace

AssignOutcome assignSeeded(AssignmentState& state, Host& host, const Seeding& seeding, SeedRefusal& refusal,
                           SeedRule rule, const DrawFormat& format) {
    refusal = {};
    if (!seeding.any()) return assign(state, host, format);
    releaseAssignment(state);
    if (!captureSettings(state, host, format)) return AssignOutcome::Rejected;
    // The plain shuffle runs as in a plain draw, so that the generator
    // deals the maps as it would for these groups.
    ClockWitness witness(host);
    return fillLayAndSchedule(state, host, witness, [&] {
        auto table = seededGroups(state.settings, seeding, witness.firstTime.value_or(0), refusal, kQuickSeedTries, rule);
        if (!table) return false;
        state.groupTable = std::move(*table);
        return true;
    });
}

}  // namespace rl
