#include "engine/tag_count.h"

#include "engine/big_count.h"

#include <algorithm>
#include <map>
#include <string>

namespace rl {

namespace {

std::uint32_t binomial(int n, int k) {
    std::uint64_t value = 1;
    for (int i = 1; i <= k; ++i) value = value * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    return static_cast<std::uint32_t>(value);
}

struct Choice {
    std::vector<int> taken;  // per group
    std::uint64_t ways;      // the places it can take within the groups: at most 70^8
};

// Counts, tag by tag, the arrangements that spread every tag, for the room
// each group has left. Which group has which room does not change the count,
// so it is kept once per sorted room.
class Counter {
public:
    Counter(const std::vector<int>& players, std::uint64_t workLimit)
        : players_(players), memo_(players.size()), workLimit_(workLimit) {}

    bool tooLarge() const { return work_ > workLimit_; }
    // The draw walks states the count has seen: no limit then.
    void stopCounting() { workLimit_ = UINT64_MAX; }

    Count count(std::size_t tag, const std::vector<int>& room) {
        if (tag == players_.size()) return Count(1);
        std::vector<int> key = room;
        std::sort(key.begin(), key.end());
        const std::string text(key.begin(), key.end());
        if (const auto found = memo_[tag].find(text); found != memo_[tag].end()) return found->second;
        if (tooLarge()) return Count(1);  // the count is given up
        Count total;
        for (const Choice& choice : choices(tag, room)) total.add(follow(choice, tag, room));
        return memo_[tag][text] = total;
    }

    // The arrangements that take `choice` for `tag` and spread the rest.
    Count follow(const Choice& choice, std::size_t tag, const std::vector<int>& room) {
        std::vector<int> left = room;
        for (std::size_t g = 0; g < left.size(); ++g) left[g] -= choice.taken[g];
        return count(tag + 1, left).times(choice.ways);
    }

    // Every way `tag` can be spread over the room: at most one a group when
    // its players are no more than the groups with room, else one or more in
    // every group with room.
    std::vector<Choice> choices(std::size_t tag, const std::vector<int>& room) {
        std::vector<Choice> out;
        const int players = players_[tag];
        const bool apart = players <= static_cast<int>(room.size());
        std::vector<int> taken(room.size(), 0);
        extend(out, room, taken, 0, players, apart, 1);
        work_ += out.size();
        return out;
    }

private:
    void extend(std::vector<Choice>& out, const std::vector<int>& room, std::vector<int>& taken, std::size_t g,
                int left, bool apart, std::uint64_t ways) {
        if (work_ + out.size() > workLimit_) {
            work_ = workLimit_ + 1;
            return;
        }
        if (g == room.size()) {
            if (left == 0) out.push_back({taken, ways});
            return;
        }
        const int least = apart ? 0 : 1, most = std::min(apart ? 1 : left, room[g]);
        for (int n = least; n <= most && n <= left; ++n) {
            taken[g] = n;
            extend(out, room, taken, g + 1, left - n, apart, ways * binomial(room[g], n));
        }
        taken[g] = 0;
    }

    const std::vector<int>& players_;
    std::vector<std::map<std::string, Count>> memo_;
    std::uint64_t workLimit_;
    std::uint64_t work_ = 0;
};

}  // namespace

TagCounts drawTagCounts(const std::vector<int>& room, const std::vector<int>& players, Random& random,
                        std::uint64_t workLimit) {
    TagCounts result;
    // Groups without room take none of these players and spread none.
    std::vector<std::size_t> roomy;
    std::vector<int> left;
    for (std::size_t g = 0; g < room.size(); ++g) {
        if (room[g] > 0) roomy.push_back(g), left.push_back(room[g]);
    }
    if (std::any_of(left.begin(), left.end(), [](int r) { return r > 8; })) return result;  // past 70^8
    Counter counter(players, workLimit);
    if (counter.count(0, left).zero()) {
        result.outcome = counter.tooLarge() ? TagCountOutcome::TooLarge : TagCountOutcome::Impossible;
        return result;
    }
    if (counter.tooLarge()) return result;
    counter.stopCounting();
    // Tag by tag, each choice as likely as the arrangements that follow it.
    result.taken.assign(players.size(), std::vector<int>(room.size(), 0));
    for (std::size_t tag = 0; tag < players.size(); ++tag) {
        Count pick = counter.count(tag, left).uniformBelow(random);
        for (const Choice& choice : counter.choices(tag, left)) {
            const Count ways = counter.follow(choice, tag, left);
            if (pick.less(ways)) {
                for (std::size_t g = 0; g < left.size(); ++g) {
                    result.taken[tag][roomy[g]] = choice.taken[g];
                    left[g] -= choice.taken[g];
                }
                break;
            }
            pick.subtract(ways);
        }
    }
    result.outcome = TagCountOutcome::Drawn;
    return result;
}

}  // namespace rl
