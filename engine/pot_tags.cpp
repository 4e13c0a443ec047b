// Tags mixed with pots. Shuffling every pot and testing the whole draw
// rarely passes when teams are large (a team of eight over eight pots and
// eight groups passes about once in 10^17), so the pots are drawn one after
// another, each only over the placements that keep its tagged players out
// of the groups their team already holds where the team must be apart.
// Drawing a placement uniformly among the V that remain, and then keeping
// it with chance V / B for a bound B that holds whatever came before, makes
// every arrangement that reaches the end equally likely: its chance is the
// product of 1/B, the same for all. The whole rule is then tested as in a
// shuffle. Before drawing, a search tells whether any arrangement exists,
// so that a request with none is refused at once.
#include <climits>
#include <cmath>
#include <utility>

#include "engine/seed_frame.h"

namespace rl::seeding {

namespace {

// Pots with more players are shuffled whole, their placements not counted.
constexpr std::size_t kMostCountedPlayers = 12;
constexpr std::uint64_t kMaxSearchSteps = 1u << 21;
constexpr std::uint32_t kMaxPotTries = 1u << 18;

// Tags that can keep the rule only apart, one player a group: no more
// players than groups, and every group has a place of each of their pots
// (or of none), so that two in a group always leave one that could take one.
std::vector<char> apartTags(const Frame& frame) {
    const auto tags = static_cast<std::size_t>(frame.tags);
    std::vector<int> players(tags, 0);
    std::vector<std::vector<char>> kinds(tags, std::vector<char>(frame.kinds.size(), 0));
    for (std::size_t k = 0; k < frame.kinds.size(); ++k) {
        for (int player : frame.kinds[k].players) {
            const int tag = frame.tagOf[static_cast<std::size_t>(player)];
            if (tag >= 0) ++players[static_cast<std::size_t>(tag)], kinds[static_cast<std::size_t>(tag)][k] = 1;
        }
    }
    std::vector<char> apart(tags, 0);
    for (std::size_t tag = 0; tag < tags; ++tag) {
        bool everywhere = players[tag] <= frame.groups;
        for (std::size_t k = 0; k < frame.kinds.size() && everywhere; ++k) {
            for (int g = 0; g < frame.groups && kinds[tag][k]; ++g) everywhere &= frame.groupHasKind(g, static_cast<int>(k));
        }
        apart[tag] = everywhere;
    }
    return apart;
}

std::uint64_t factorial(std::size_t n) {
    std::uint64_t value = 1;
    for (std::size_t i = 2; i <= n; ++i) value *= i;
    return value;
}

// The most placements a counted pot can have after any earlier pots: each
// player of an apart tag has lost at least the groups its earlier players
// hold among the pot's groups, and a 0/1 matrix with r_i ones in row i has
// at most the product of (r_i!)^(1/r_i) perfect matchings (Bregman).
std::vector<std::uint64_t> placementBounds(const Frame& frame, const std::vector<char>& apart) {
    std::vector<std::uint64_t> bounds(frame.kinds.size(), 0);
    std::vector<int> earlier(static_cast<std::size_t>(frame.tags), 0);
    for (std::size_t k = 1; k < frame.kinds.size(); ++k) {
        const std::vector<int>& players = frame.kinds[k].players;
        const int n = static_cast<int>(players.size());
        double logBound = 0;
        for (int player : players) {
            const int tag = frame.tagOf[static_cast<std::size_t>(player)];
            const int lost = tag >= 0 && apart[static_cast<std::size_t>(tag)]
                                 ? std::max(0, earlier[static_cast<std::size_t>(tag)] - (frame.groups - n))
                                 : 0;
            const int open = n - lost;
            if (open <= 0) return {};  // never placed: no arrangement
            logBound += std::lgamma(open + 1.0) / open;
        }
        for (int player : players) {
            const int tag = frame.tagOf[static_cast<std::size_t>(player)];
            if (tag >= 0) ++earlier[static_cast<std::size_t>(tag)];
        }
        const double bound = std::ceil(std::exp(logBound) * (1 + 1e-9));
        bounds[k] = std::min(factorial(players.size()), static_cast<std::uint64_t>(bound));
    }
    return bounds;
}

class PotDraw {
public:
    PotDraw(const Frame& frame, Random& random, Try& t)
        : frame_(frame), random_(random), t_(t), apart_(apartTags(frame)), bounds_(placementBounds(frame, apart_)) {}

    bool anyBound() const { return !bounds_.empty(); }

    // One try: false when a pot is not kept or the whole rule fails.
    bool once() {
        std::fill(t_.held.begin(), t_.held.end(), 0);
        for (std::size_t k = 1; k < frame_.kinds.size(); ++k) {
            if (frame_.kinds[k].players.size() > kMostCountedPlayers) {
                shuffleKind(frame_, k, random_, t_);
            } else if (!placeCounted(k)) {
                return false;
            }
        }
        shuffleKind(frame_, 0, random_, t_);
        return tagsSpread(frame_, t_);
    }

private:
    bool blocked(int player, int place) {
        const int tag = frame_.tagOf[static_cast<std::size_t>(player)];
        return tag >= 0 && apart_[static_cast<std::size_t>(tag)] &&
               t_.heldOf(frame_, tag, frame_.places[static_cast<std::size_t>(place)].group) > 0;
    }

    // Pot k's players, in order, over its places: ways_[mask] counts the
    // placements of the players after the first popcount(mask) into the
    // places not in mask.
    bool placeCounted(std::size_t k) {
        const Kind& kind = frame_.kinds[k];
        const std::size_t n = kind.players.size(), full = (std::size_t{1} << n) - 1;
        std::vector<std::size_t> open(n, 0);
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = 0; j < n; ++j) {
                if (!blocked(kind.players[i], kind.places[j])) open[i] |= std::size_t{1} << j;
            }
        }
        ways_.assign(full + 1, 0);
        ways_[full] = 1;
        for (std::size_t mask = full; mask-- > 0;) {
            const auto i = static_cast<std::size_t>(__builtin_popcountll(mask));
            for (std::size_t free = open[i] & ~mask; free; free &= free - 1) ways_[mask] += ways_[mask | (free & -free)];
        }
        if (ways_[0] == 0 || uniformBelow(random_, bounds_[k]) >= ways_[0]) return false;
        std::size_t mask = 0;
        for (std::size_t i = 0; i < n; ++i) {
            std::uint64_t pick = uniformBelow(random_, ways_[mask]);
            std::size_t free = open[i] & ~mask;
            for (; pick >= ways_[mask | (free & -free)]; free &= free - 1) pick -= ways_[mask | (free & -free)];
            const std::size_t bit = free & -free;
            mask |= bit;
            const auto place = static_cast<std::size_t>(kind.places[static_cast<std::size_t>(__builtin_ctzll(bit))]);
            const int player = kind.players[i];
            t_.at[place] = player;
            const int tag = frame_.tagOf[static_cast<std::size_t>(player)];
            if (tag >= 0) ++t_.heldOf(frame_, tag, frame_.places[place].group);
        }
        return true;
    }

    const Frame& frame_;
    Random& random_;
    Try& t_;
    std::vector<char> apart_;
    std::vector<std::uint64_t> bounds_;
    std::vector<std::uint64_t> ways_;
};

// Whether any arrangement keeps the rules: players of one pot and tag are
// alike, so each takes a group no earlier than the one before it.
class Search {
public:
    Search(const Frame& frame, Try& t) : frame_(frame), t_(t), apart_(apartTags(frame)), taken_(frame.places.size(), 0) {
        for (std::size_t k = 0; k < frame.kinds.size(); ++k) {
            for (int player : frame.kinds[k].players) order_.push_back({static_cast<int>(k), player});
        }
        // The pots in order, then the players without one; alike ones together.
        const auto key = [&](const Entry& e) { return std::make_pair(e.kind == 0 ? INT_MAX : e.kind, tagOf(e)); };
        std::stable_sort(order_.begin(), order_.end(), [&](const Entry& a, const Entry& b) { return key(a) < key(b); });
        groupOf_.assign(order_.size(), 0);
    }

    // 1: found; 0: none exists; -1: given up.
    int run() {
        std::fill(t_.held.begin(), t_.held.end(), 0);
        const bool found = place(0);
        return found ? 1 : steps_ > kMaxSearchSteps ? -1 : 0;
    }

private:
    struct Entry {
        int kind;
        int player;
    };
    int tagOf(const Entry& e) const { return frame_.tagOf[static_cast<std::size_t>(e.player)]; }

    bool place(std::size_t i) {
        if (++steps_ > kMaxSearchSteps) return false;
        if (i == order_.size()) return tagsSpread(frame_, t_);
        const Entry& e = order_[i];
        const int tag = tagOf(e);
        const bool alike = i > 0 && order_[i - 1].kind == e.kind && tagOf(order_[i - 1]) == tag;
        for (int g = alike ? groupOf_[i - 1] : 0; g < frame_.groups; ++g) {
            if (tag >= 0 && apart_[static_cast<std::size_t>(tag)] && t_.heldOf(frame_, tag, g) > 0) continue;
            const int spot = freePlace(e.kind, g);
            if (spot < 0) continue;
            taken_[static_cast<std::size_t>(spot)] = 1, t_.at[static_cast<std::size_t>(spot)] = e.player;
            groupOf_[i] = g;
            if (tag >= 0) ++t_.heldOf(frame_, tag, g);
            if (place(i + 1)) return true;
            taken_[static_cast<std::size_t>(spot)] = 0;
            if (tag >= 0) --t_.heldOf(frame_, tag, g);
            if (steps_ > kMaxSearchSteps) return false;
        }
        return false;
    }

    int freePlace(int kind, int group) const {
        for (int p : frame_.placesOf[static_cast<std::size_t>(group)]) {
            if (frame_.kindOf[static_cast<std::size_t>(p)] == kind && !taken_[static_cast<std::size_t>(p)]) return p;
        }
        return -1;
    }

    const Frame& frame_;
    Try& t_;
    std::vector<char> apart_;
    std::vector<char> taken_;
    std::vector<Entry> order_;
    std::vector<int> groupOf_;
    std::uint64_t steps_ = 0;
};

}  // namespace

bool drawTagsWithPots(const Frame& frame, Random& random, Try& t, bool& impossible) {
    impossible = false;
    PotDraw draw(frame, random, t);
    if (!draw.anyBound() || Search(frame, t).run() == 0) {
        impossible = true;
        return false;
    }
    for (std::uint32_t tries = 0; tries < kMaxPotTries; ++tries) {
        if (draw.once()) return true;
    }
    return false;
}

}  // namespace rl::seeding
