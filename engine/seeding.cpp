#include "engine/seeding.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <new>

#include "engine/schedule.h"
#include "engine/shuffle.h"
#include "engine/shuffle_internal.h"
#include "engine/tag_count.h"
#include "resources/seeding.h"

namespace rl {

namespace {

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

    bool groupHasKind(int group, int kind) const {
        const auto& own = placesOf[static_cast<std::size_t>(group)];
        return std::any_of(own.begin(), own.end(), [&](int p) { return kindOf[static_cast<std::size_t>(p)] == kind; });
    }
};

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

// Pot by pot, each its run of the deal; a run that comes round to a group
// again refuses the draw.
std::optional<SeedRefusal> dealPots(const Settings& settings, Frame& frame) {
    std::size_t next = 0;
    for (std::size_t pot = 1; pot < frame.kinds.size(); ++pot) {
        Kind& kind = frame.kinds[pot];
        const int players = static_cast<int>(kind.players.size());
        if (players > settings.groupCount) {
            return SeedRefusal{IDS_SEED_POT_OVERFULL, 0, static_cast<int>(pot), players, settings.groupCount};
        }
        std::vector<char> taken(static_cast<std::size_t>(frame.groups), 0);
        for (int k = 0; k < players; ++k, ++next) {
            char& group = taken[static_cast<std::size_t>(frame.places[next].group)];
            if (group) return SeedRefusal{IDS_SEED_POT_NO_ROOM, 0, static_cast<int>(pot), players, 0};
            group = 1;
            kind.places.push_back(static_cast<int>(next));
        }
    }
    for (; next < frame.places.size(); ++next) frame.kinds[0].places.push_back(static_cast<int>(next));
    frame.kindOf.assign(frame.places.size(), 0);
    frame.placesOf.assign(static_cast<std::size_t>(frame.groups), {});
    for (std::size_t k = 0; k < frame.kinds.size(); ++k) {
        for (int place : frame.kinds[k].places) frame.kindOf[static_cast<std::size_t>(place)] = static_cast<int>(k);
    }
    for (std::size_t p = 0; p < frame.places.size(); ++p) {
        frame.placesOf[static_cast<std::size_t>(frame.places[p].group)].push_back(static_cast<int>(p));
    }
    return std::nullopt;
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

// 0 to n-1, every value equally likely: draws past the last whole multiple
// of n are drawn again.
int uniformBelow(Random& random, int n) {
    if (n <= 32768) {
        const int limit = 32768 - 32768 % n;
        int value = 0;
        do value = random.draw(); while (value >= limit);
        return value % n;
    }
    const int range = 1 << 30, limit = range - range % n;
    int value = 0;
    do value = random.draw() << 15 | random.draw(); while (value >= limit);
    return value % n;
}

// The storage of one try, kept over the tries.
struct Try {
    std::vector<int> at;                   // the player of each place
    std::vector<int> held;                 // per tag and group: its players there
    std::vector<std::vector<int>> orders;  // per kind: its players being shuffled
};

// Whether group `to`, holding none of `tag`, could take one of the two or
// more that group `from` holds: it has a place of one's pot (or of none).
bool couldTakeOne(const Frame& frame, const std::vector<int>& at, int tag, int from, int to) {
    for (int place : frame.placesOf[static_cast<std::size_t>(from)]) {
        const auto p = static_cast<std::size_t>(place);
        if (frame.tagOf[static_cast<std::size_t>(at[p])] == tag && frame.groupHasKind(to, frame.kindOf[p])) return true;
    }
    return false;
}

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

// One shuffle of every kind over its places; false when it breaks the tag
// rule.
bool tryShuffle(const Frame& frame, Random& random, Try& t) {
    const std::size_t groups = static_cast<std::size_t>(frame.groups);
    std::fill(t.held.begin(), t.held.end(), 0);
    for (std::size_t k = 0; k < frame.kinds.size(); ++k) {
        const Kind& kind = frame.kinds[k];
        std::vector<int>& players = t.orders[k];
        players.assign(kind.players.begin(), kind.players.end());
        const int n = static_cast<int>(players.size());
        for (int i = 0; i < n; ++i) {
            std::swap(players[static_cast<std::size_t>(i)], players[static_cast<std::size_t>(i + uniformBelow(random, n - i))]);
            const int player = players[static_cast<std::size_t>(i)];
            const auto place = static_cast<std::size_t>(kind.places[static_cast<std::size_t>(i)]);
            t.at[place] = player;
            const int tag = frame.tagOf[static_cast<std::size_t>(player)];
            if (tag >= 0) ++t.held[static_cast<std::size_t>(tag) * groups + static_cast<std::size_t>(frame.places[place].group)];
        }
    }
    return tagsSpread(frame, t);
}

void shuffle(std::vector<int>& items, Random& random) {
    const int n = static_cast<int>(items.size());
    for (int i = 0; i < n; ++i) std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(i + uniformBelow(random, n - i))]);
}

// Only when no tagged player has a pot: the counts of each tag in each group
// drawn in proportion to their arrangements (tag_count.h), then the players
// shuffled within them.
TagCountOutcome countedShuffle(const Frame& frame, Random& random, Try& t) {
    for (std::size_t k = 1; k < frame.kinds.size(); ++k) {
        for (int player : frame.kinds[k].players) {
            if (frame.tagOf[static_cast<std::size_t>(player)] >= 0) return TagCountOutcome::TooLarge;
        }
    }
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
           std::any_of(tags.begin(), tags.end(), [](const std::string& tag) { return !tag.empty(); });
}

std::string seedRefusalText(const SeedRefusal& r) {
    char text[512] = {};
    switch (r.stringId) {
    case IDS_SEED_POT_RANGE: std::snprintf(text, sizeof text, STR_SEED_POT_RANGE, r.participant, r.pot, r.limit); break;
    case IDS_SEED_TAG_TOO_LONG: std::snprintf(text, sizeof text, STR_SEED_TAG_TOO_LONG, r.participant, r.limit); break;
    case IDS_SEED_POT_OVERFULL: std::snprintf(text, sizeof text, STR_SEED_POT_OVERFULL, r.pot, r.players, r.limit); break;
    case IDS_SEED_POT_NO_ROOM: std::snprintf(text, sizeof text, STR_SEED_POT_NO_ROOM, r.pot, r.players); break;
    case IDS_SEED_TAGS_NOT_SPREAD: return STR_SEED_TAGS_NOT_SPREAD;
    default: break;
    }
    return text;
}

std::optional<GroupTable> seededGroups(const Settings& settings, const Seeding& seeding, std::uint32_t seed,
                                       SeedRefusal& refusal, std::uint32_t quickTries) {
    refusal = {};
    if (auto bad = badEntry(settings, seeding)) {
        refusal = *bad;
        return std::nullopt;
    }
    Frame frame;
    frame.groups = settings.groupCount;
    frame.places = dealtPlaces(settings);
    frame.kinds.resize(static_cast<std::size_t>(settings.groupSize) + 1);
    frame.tagOf.assign(static_cast<std::size_t>(settings.participantCount), -1);
    for (int i = 0; i < settings.participantCount; ++i) {
        frame.kinds[static_cast<std::size_t>(potOf(seeding, static_cast<std::size_t>(i)))].players.push_back(i);
    }
    if (auto bad = dealPots(settings, frame)) {
        refusal = *bad;
        return std::nullopt;
    }
    collectTags(seeding, frame);

    Random random;
    random.seed(seed ^ kPotStreamKey);
    Try t{std::vector<int>(frame.places.size()),
          std::vector<int>(static_cast<std::size_t>(frame.tags) * static_cast<std::size_t>(frame.groups)),
          std::vector<std::vector<int>>(frame.kinds.size())};
    const auto table = [&] {
        GroupTable out(static_cast<std::size_t>(settings.groupCount),
                       std::vector<Pos>(static_cast<std::size_t>(settings.groupSize), kNone));
        for (std::size_t p = 0; p < t.at.size(); ++p) out[frame.places[p].group][frame.places[p].row] = static_cast<Pos>(t.at[p]);
        return out;
    };
    // Shuffles first: most draws pass in a few. Failing that, the exact
    // count where it can be made, else shuffles up to the limit. Each way
    // gives every arrangement that keeps the rules alike, so the draw does.
    std::uint32_t tries = 0;
    for (; tries < quickTries; ++tries) {
        if (tryShuffle(frame, random, t)) return table();
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

// Passes every call on and keeps the first time it tells: the seed of the
// plain shuffle, which the seeded draw takes as its own.
class ClockWitness : public Host {
public:
    explicit ClockWitness(Host& inner) : inner_(inner) {}
    std::optional<std::uint32_t> firstTime;

    int listCount(ListKind list) override { return inner_.listCount(list); }
    std::string_view listText(ListKind list, int index) override { return inner_.listText(list, index); }
    int checkState(Option option) override { return inner_.checkState(option); }
    std::string_view numberFieldText(NumberField field) override { return inner_.numberFieldText(field); }
    void showMessage(int stringId) override { inner_.showMessage(stringId); }
    void reportAllocationFailure() override { inner_.reportAllocationFailure(); }
    std::uint32_t now() override {
        const std::uint32_t time = inner_.now();
        if (!firstTime) firstTime = time;
        return time;
    }

private:
    Host& inner_;
};

}  // namespace

AssignOutcome assignSeeded(AssignmentState& state, Host& host, const Seeding& seeding, SeedRefusal& refusal) {
    refusal = {};
    if (!seeding.any()) return assign(state, host);
    releaseAssignment(state, kReleaseOnCancel);
    if (!captureSettings(state, host)) return AssignOutcome::Rejected;
    try {
        // The plain shuffle runs as in a plain draw, so that the generator
        // deals the maps as it would for these groups.
        ClockWitness witness(host);
        if (fillGroups(state, witness)) {
            auto table = seededGroups(state.settings, seeding, witness.firstTime.value_or(0), refusal);
            if (!table) {
                releaseAssignment(state, kReleaseOnCancel);
                return AssignOutcome::Rejected;
            }
            state.groupTable = std::move(*table);
            if (buildSchedules(state, host)) return AssignOutcome::Assigned;
        }
    } catch (const std::bad_alloc&) {
        host.reportAllocationFailure();
    }
    releaseAssignment(state, kReleaseOnCancel);
    return AssignOutcome::OutOfMemory;
}

}  // namespace rl
