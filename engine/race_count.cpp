#include "engine/race_count.h"

#include <algorithm>
#include <cstdint>

#include "engine/race.h"
#include "engine/seeding.h"
#include "resources/seeding.h"

namespace rl::seeding {

namespace {

constexpr int kClasses = kRaceCount + 1;  // none, then T Z P R
constexpr std::uint64_t kMaxRaceCountWork = 1'000'000;
// Choices a search for any labelling may look at where the count is too large.
constexpr std::uint64_t kMaxRaceSearchWork = 2'000'000;
// Draws of a counted labelling tried for the tags, fewer as the players get
// more (each costs more, and a small request may need many); shuffles tried
// where the count would be too large.
constexpr std::uint32_t kRaceTagTryWork = 1u << 19;
constexpr std::uint32_t kLeastRaceTagTries = 1u << 12;
constexpr std::uint32_t kMaxRaceShuffles = 1u << 16;


std::uint64_t binomial(int n, int k) {
    std::uint64_t value = 1;
    for (int i = 1; i <= k; ++i) value = value * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    return value;
}

std::vector<int> groupSizes(const Frame& frame) {
    std::vector<int> sizes;
    for (const auto& own : frame.placesOf) sizes.push_back(static_cast<int>(own.size()));
    return sizes;
}

std::vector<int> playersOfRace(const Frame& frame) {
    std::vector<int> players(kRaceCount, 0);
    for (int race : frame.raceOf) {
        if (race >= 0) ++players[static_cast<std::size_t>(race)];
    }
    return players;
}

template <class T>
void shuffle(std::vector<T>& items, Random& random) {
    const std::size_t n = items.size();
    for (std::size_t i = 0; i < n; ++i) std::swap(items[i], items[i + uniformBelow(random, n - i)]);
}

void countTags(const Frame& frame, Try& t) {
    std::fill(t.held.begin(), t.held.end(), 0);
    for (std::size_t p = 0; p < t.at.size(); ++p) {
        const int tag = frame.tagOf[static_cast<std::size_t>(t.at[p])];
        if (tag >= 0) ++t.heldOf(frame, tag, frame.places[p].group);
    }
}

// A maximum flow over a few nodes (Ford and Fulkerson's augmenting paths).
class SmallFlow {
public:
    explicit SmallFlow(std::size_t nodes) : nodes_(nodes), room_(nodes * nodes, 0) {}

    void add(std::size_t from, std::size_t to, int room) { room_[from * nodes_ + to] += room; }

    int most(std::size_t source, std::size_t sink) {
        int flow = 0;
        for (;;) {
            std::vector<char> seen(nodes_, 0);
            const int more = push(source, sink, kUnbounded, seen);
            if (more == 0) return flow;
            flow += more;
        }
    }

    static constexpr int kUnbounded = 1 << 20;

private:
    int push(std::size_t at, std::size_t sink, int most, std::vector<char>& seen) {
        if (at == sink) return most;
        seen[at] = 1;
        for (std::size_t to = 0; to < nodes_; ++to) {
            int& room = room_[at * nodes_ + to];
            if (room == 0 || seen[to]) continue;
            if (const int pushed = push(to, sink, std::min(most, room), seen); pushed > 0) {
                room -= pushed, room_[to * nodes_ + at] += pushed;
                return pushed;
            }
        }
        return 0;
    }

    std::size_t nodes_;
    std::vector<int> room_;
};

// Whether the players of the races in `races` (a bit each) can take places
// so that every group holds, of them together, at least the sum of their
// levels and at most that and the races that may take one more there. Exact
// for one race; for more a condition any arrangement meets. A flow from
// each kind's players to the groups its places are in, each group's bounds
// taken as demands (the usual way to give a flow lower bounds).
bool racesFit(const Frame& frame, const std::vector<RaceShare>& shares, unsigned races) {
    const std::size_t kinds = frame.kinds.size(), groups = static_cast<std::size_t>(frame.groups);
    const std::size_t source = 0, sink = 1, from = 2, to = 3, kind0 = 4, group0 = kind0 + kinds;
    SmallFlow flow(group0 + groups);
    int owed = 0;
    for (std::size_t k = 0; k < kinds; ++k) {
        int players = 0;
        for (int player : frame.kinds[k].players) {
            const int race = frame.raceOf[static_cast<std::size_t>(player)];
            players += race >= 0 && (races >> race & 1u);
        }
        flow.add(from, kind0 + k, players), flow.add(source, to, players), owed += players;
    }
    for (std::size_t g = 0; g < groups; ++g) {
        for (int place : frame.placesOf[g]) flow.add(kind0 + static_cast<std::size_t>(frame.kindOf[static_cast<std::size_t>(place)]), group0 + g, 1);
        int least = 0, more = 0;
        for (std::size_t race = 0; race < kRaceCount; ++race) {
            if (races >> race & 1u) least += shares[race].base[g], more += shares[race].oneMore[g];
        }
        flow.add(group0 + g, sink, more), flow.add(from, sink, least), flow.add(group0 + g, to, least), owed += least;
    }
    flow.add(sink, source, SmallFlow::kUnbounded);
    return flow.most(from, to) == owed;
}

}  // namespace

bool refusedUnspread(const Frame& frame, SeedRefusal& refusal) {
    const std::vector<int> sizes = groupSizes(frame), players = playersOfRace(frame);
    std::vector<RaceShare> shares;
    for (int n : players) shares.push_back(raceShare(sizes, n));
    for (std::size_t race = 0; race < kRaceCount; ++race) {
        if (players[race] > 0 && !racesFit(frame, shares, 1u << race)) {
            refusal.stringId = IDS_SEED_RACE_NOT_SPREAD, refusal.race = static_cast<Race>(race + 1), refusal.players = players[race];
            return true;
        }
    }
    for (unsigned races = 1; races < 1u << kRaceCount; ++races) {
        if (!racesFit(frame, shares, races)) {
            refusal.stringId = IDS_SEED_RACES_NOT_SPREAD;
            return true;
        }
    }
    return false;
}

RaceShare raceShare(const std::vector<int>& sizes, int players) {
    const auto filled = [&](int level) {
        int sum = 0;
        for (int size : sizes) sum += std::min(size, level);
        return sum;
    };
    const int largest = sizes.empty() ? 0 : *std::max_element(sizes.begin(), sizes.end());
    int level = 0;
    while (level < largest && filled(level + 1) <= players) ++level;
    RaceShare share;
    for (int size : sizes) share.base.push_back(std::min(size, level)), share.oneMore.push_back(size > level);
    share.extras = players - filled(level);
    return share;
}

bool racesSpread(const Frame& frame, const Try& t) {
    const std::vector<int> sizes = groupSizes(frame), players = playersOfRace(frame);
    std::vector<int> held(static_cast<std::size_t>(kRaceCount) * sizes.size(), 0);
    for (std::size_t p = 0; p < t.at.size(); ++p) {
        const int race = frame.raceOf[static_cast<std::size_t>(t.at[p])];
        if (race >= 0) ++held[static_cast<std::size_t>(race) * sizes.size() + static_cast<std::size_t>(frame.places[p].group)];
    }
    for (std::size_t race = 0; race < kRaceCount; ++race) {
        const RaceShare share = raceShare(sizes, players[race]);
        for (std::size_t g = 0; g < sizes.size(); ++g) {
            const int n = held[race * sizes.size() + g] - share.base[g];
            if (n < 0 || n > share.oneMore[g]) return false;
        }
    }
    return true;  // the extras then add up by themselves
}

RaceCounter::RaceCounter(const Frame& frame, std::uint64_t workLimit)
    : frame_(frame), workLimit_(workLimit), all_(static_cast<std::size_t>(frame.groups)), taking_(all_.size()),
      fitting_(static_cast<std::size_t>(frame.groups)), memo_(static_cast<std::size_t>(frame.groups) + 1),
      next_(static_cast<std::size_t>(frame.groups) + 1) {
    const std::vector<int> sizes = groupSizes(frame), players = playersOfRace(frame);
    for (int race = 0; race < kRaceCount; ++race) shares_.push_back(raceShare(sizes, players[static_cast<std::size_t>(race)]));
    slotKind_.resize(static_cast<std::size_t>(frame.groups)), slotAt_.resize(static_cast<std::size_t>(frame.groups));
    for (std::size_t g = 0; g < slotKind_.size(); ++g) {
        for (int place : frame.placesOf[g]) {
            const int kind = frame.kindOf[static_cast<std::size_t>(place)];
            const auto slot = std::find(slotKind_[g].begin(), slotKind_[g].end(), kind) - slotKind_[g].begin();
            if (slot == static_cast<std::ptrdiff_t>(slotKind_[g].size())) slotKind_[g].push_back(kind), slotAt_[g].emplace_back();
            slotAt_[g][static_cast<std::size_t>(slot)].push_back(place);
        }
    }
    for (std::size_t g = 0; g < slotAt_.size(); ++g) {
        int after = 0;
        placesAfter_.emplace_back(slotAt_[g].size(), 0);
        for (std::size_t slot = slotAt_[g].size(); slot-- > 0;) placesAfter_[g][slot] = after, after += static_cast<int>(slotAt_[g][slot].size());
    }
    // Only the kinds with players take a place in the state, to keep it short.
    for (const Kind& kind : frame.kinds) {
        compact_.push_back(kind.players.empty() ? -1 : classes_ / kClasses);
        if (!kind.players.empty()) classes_ += kClasses;
    }
    start_.assign(static_cast<std::size_t>(classes_) + kRaceCount, 0);
    for (std::size_t k = 0; k < frame.kinds.size(); ++k) {
        for (int player : frame.kinds[k].players) ++start_[classOf(static_cast<int>(k), frame.raceOf[static_cast<std::size_t>(player)])];
    }
    for (std::size_t race = 0; race < kRaceCount; ++race) start_[static_cast<std::size_t>(classes_) + race] = shares_[race].extras;
    // A state is keyed by its players left, class by class a digit below the
    // class's players at the start: fewer than 2^58 keys for the 64 places
    // a draw has at most (past 2^64 the count is given up).
    std::uint64_t keys = 1;
    for (std::size_t i = 0; i < static_cast<std::size_t>(classes_); ++i) {
        const auto digits = static_cast<std::uint64_t>(start_[i]) + 1;
        if (keys > UINT64_MAX / digits) work_ = workLimit_ + 1;
        stride_.push_back(keys), keys *= digits;
    }
    // Every state's choices are those of the start that it has the players
    // and extras for, in the same order; so they are listed once.
    for (std::size_t g = 0; g < slotKind_.size(); ++g) {
        std::vector<int> taken(slotKind_[g].size() * kClasses, 0), totals(kRaceCount, 0);
        const int first = slotKind_[g].empty() ? 0 : static_cast<int>(slotAt_[g][0].size());
        extend(g, 0, first, taken, totals, start_, 1, all_[g]);
        for (Choice& choice : all_[g]) {
            choice.keyTaken = keyOf(choice.delta);
            taking_[g].insert(taking_[g].end(), choice.delta.begin(), choice.delta.end());
        }
    }
}

std::uint64_t RaceCounter::keyOf(const std::vector<int>& players) const {
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < stride_.size(); ++i) key += static_cast<std::uint64_t>(players[i]) * stride_[i];
    return key;
}

RaceCountOutcome RaceCounter::count() {
    const bool none = completions(0, start_, keyOf(start_)).zero();
    if (overLimit()) return RaceCountOutcome::TooLarge;
    return none ? RaceCountOutcome::Impossible : RaceCountOutcome::Counted;
}

// The extras left follow from the players left, so the key leaves them out.
const Count& RaceCounter::completions(std::size_t group, const std::vector<int>& left, std::uint64_t key) {
    static const Count one(1), none;
    if (group == slotKind_.size()) return one;  // every place taken, so every player placed
    if (const auto found = memo_[group].find(key); found != memo_[group].end()) return found->second;
    if (overLimit()) return none;  // the count is given up
    Count total;
    for (const Choice* choice : choices(group, left)) {
        total.addProduct(completionsAfter(group, left, key, *choice), static_cast<std::uint32_t>(choice->ways));
    }
    return memo_[group].emplace(key, std::move(total)).first->second;
}

// Most states are reached many times: the state after the choice is only
// made when it is not counted yet.
const Count& RaceCounter::completionsAfter(std::size_t group, const std::vector<int>& left, std::uint64_t key,
                                           const Choice& choice) {
    const std::uint64_t nextKey = key - choice.keyTaken;
    if (group + 1 < slotKind_.size()) {
        if (const auto found = memo_[group + 1].find(nextKey); found != memo_[group + 1].end()) return found->second;
    }
    std::vector<int>& next = next_[group];  // free again once the next group's count is made
    after(left, choice, next);
    return completions(group + 1, next, nextKey);
}

RaceCountOutcome RaceCounter::search() {
    if (reaches(0, start_, keyOf(start_))) return RaceCountOutcome::Counted;
    return overLimit() ? RaceCountOutcome::TooLarge : RaceCountOutcome::Impossible;
}

// Depth first, the first labelling found ending it; a state from which none
// finishes is kept (as a count of none), so that it is gone through once.
bool RaceCounter::reaches(std::size_t group, const std::vector<int>& left, std::uint64_t key) {
    if (group == slotKind_.size()) return true;
    if (memo_[group].count(key) || overLimit()) return false;
    std::vector<int>& next = next_[group];
    for (const Choice* choice : choices(group, left)) {
        after(left, *choice, next);
        if (reaches(group + 1, next, key - choice->keyTaken)) return true;
    }
    if (!overLimit()) memo_[group].emplace(key, Count());
    return false;
}

const std::vector<const RaceCounter::Choice*>& RaceCounter::choices(std::size_t group, const std::vector<int>& left) {
    std::vector<const Choice*>& out = fitting_[group];  // free again once the group's choices are gone through
    out.clear();
    const std::size_t width = left.size();
    const int* taking = taking_[group].data();
    for (const Choice& choice : all_[group]) {
        std::size_t i = 0;
        while (i < width && taking[i] <= left[i]) ++i;
        if (i == width) out.push_back(&choice);
        taking += width;
    }
    work_ += out.size() + 1;
    return out;
}

// Slot by slot (a kind with places in the group), race by race, how many of
// the slot's places take the race; each race kept within its level.
void RaceCounter::extend(std::size_t group, std::size_t at, int placesLeft, std::vector<int>& taken,
                         std::vector<int>& totals, const std::vector<int>& left, std::uint64_t ways,
                         std::vector<Choice>& out) {
    const std::size_t slot = at / kClasses, extrasAt = static_cast<std::size_t>(classes_);
    if (slot == slotKind_[group].size()) {
        for (std::size_t race = 0; race < kRaceCount; ++race) {
            if (totals[race] < shares_[race].base[group]) return;
        }
        std::vector<int> delta(static_cast<std::size_t>(classes_) + kRaceCount, 0);
        for (std::size_t slot = 0; slot < slotKind_[group].size(); ++slot) {
            for (int race = -1; race < kRaceCount; ++race) delta[classOf(slotKind_[group][slot], race)] += taken[slot * kClasses + static_cast<std::size_t>(race + 1)];
        }
        for (std::size_t race = 0; race < kRaceCount; ++race) delta[static_cast<std::size_t>(classes_) + race] = totals[race] > shares_[race].base[group];
        out.push_back({taken, std::move(delta), ways});
        return;
    }
    const int race = static_cast<int>(at % kClasses) - 1;
    const std::size_t cls = classOf(slotKind_[group][slot], race);
    const bool last = race == kRaceCount - 1;
    int most = std::min(placesLeft, left[cls]), least = last ? placesLeft : 0;
    if (race >= 0) {
        const auto r = static_cast<std::size_t>(race);
        const bool more = shares_[r].oneMore[group] && left[extrasAt + r] > 0;
        most = std::min(most, shares_[r].base[group] + more - totals[r]);
        // What the later slots' places cannot make up must be taken here.
        least = std::max(least, shares_[r].base[group] - totals[r] - placesAfter_[group][slot]);
    }
    for (int n = least; n <= most; ++n) {
        taken[slot * kClasses + static_cast<std::size_t>(race + 1)] = n;
        if (race >= 0) totals[static_cast<std::size_t>(race)] += n;
        const bool nextSlot = last && slot + 1 < slotKind_[group].size();
        const int nextLeft = nextSlot ? static_cast<int>(slotAt_[group][slot + 1].size()) : placesLeft - n;
        extend(group, at + 1, nextLeft, taken, totals, left, ways * binomial(placesLeft, n), out);
        if (race >= 0) totals[static_cast<std::size_t>(race)] -= n;
    }
    taken[slot * kClasses + static_cast<std::size_t>(race + 1)] = 0;
}

void RaceCounter::after(const std::vector<int>& left, const Choice& choice, std::vector<int>& next) const {
    next.resize(left.size());
    for (std::size_t i = 0; i < left.size(); ++i) next[i] = left[i] - choice.delta[i];
}

void RaceCounter::draw(Random& random, Try& t) {
    std::vector<std::vector<int>> placesOfClass(static_cast<std::size_t>(classes_));
    std::vector<int> left = start_;
    std::uint64_t key = keyOf(start_);
    for (std::size_t g = 0; g < slotKind_.size(); ++g) {
        Count pick = completions(g, left, key).uniformBelow(random);
        for (const Choice* each : choices(g, left)) {
            const Choice& choice = *each;
            const Count ways = completionsAfter(g, left, key, choice).times(choice.ways);
            if (!pick.less(ways)) {
                pick.subtract(ways);
                continue;
            }
            // The group's places of each slot labelled in a uniform order.
            for (std::size_t slot = 0; slot < slotKind_[g].size(); ++slot) {
                std::vector<int> labels;
                for (int race = -1; race < kRaceCount; ++race) {
                    labels.insert(labels.end(), static_cast<std::size_t>(choice.taken[slot * kClasses + static_cast<std::size_t>(race + 1)]), race);
                }
                shuffle(labels, random);
                for (std::size_t i = 0; i < labels.size(); ++i) {
                    placesOfClass[classOf(slotKind_[g][slot], labels[i])].push_back(slotAt_[g][slot][i]);
                }
            }
            std::vector<int> next;
            after(left, choice, next);
            left = std::move(next), key -= choice.keyTaken;
            break;
        }
    }
    for (std::size_t k = 0; k < frame_.kinds.size(); ++k) {
        for (int race = -1; race < kRaceCount && compact_[k] >= 0; ++race) {
            std::vector<int> players;
            for (int player : frame_.kinds[k].players) {
                if (frame_.raceOf[static_cast<std::size_t>(player)] == race) players.push_back(player);
            }
            shuffle(players, random);
            const std::vector<int>& places = placesOfClass[classOf(static_cast<int>(k), race)];
            for (std::size_t i = 0; i < players.size(); ++i) t.at[static_cast<std::size_t>(places[i])] = players[i];
        }
    }
    countTags(frame_, t);
}

bool drawSpreadRaces(const Frame& frame, Random& random, Try& t, SeedRefusal& refusal) {
    if (refusedUnspread(frame, refusal)) return false;
    RaceCounter counter(frame, kMaxRaceCountWork);
    switch (counter.count()) {
    case RaceCountOutcome::Counted:
        for (std::uint32_t tries = 0, most = std::max(kLeastRaceTagTries, kRaceTagTryWork / static_cast<std::uint32_t>(t.at.size() + 1));
             tries < most; ++tries) {
            counter.draw(random, t);
            if (tagsSpread(frame, t)) return true;
        }
        refusal.stringId = IDS_SEED_RACES_AND_TAGS;
        return false;
    case RaceCountOutcome::Impossible: refusal.stringId = IDS_SEED_RACES_NOT_SPREAD; return false;
    case RaceCountOutcome::TooLarge:
        if (RaceCounter(frame, kMaxRaceSearchWork).search() == RaceCountOutcome::Impossible) {
            refusal.stringId = IDS_SEED_RACES_NOT_SPREAD;
            return false;
        }
        break;
    }
    // Too many states to count: whole shuffles, kept when every rule holds.
    for (std::uint32_t tries = 0; tries < kMaxRaceShuffles; ++tries) {
        std::fill(t.held.begin(), t.held.end(), 0);
        for (std::size_t k = 0; k < frame.kinds.size(); ++k) shuffleKind(frame, k, random, t);
        if (racesSpread(frame, t) && tagsSpread(frame, t)) return true;
    }
    refusal.stringId = IDS_SEED_RACES_TOO_MANY_POTS;
    return false;
}

}  // namespace rl::seeding
