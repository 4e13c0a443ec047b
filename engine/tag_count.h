#pragma once
// The seeded draw's exact way out when shuffling again and again rarely
// spreads the tags (many players in few teams): when no tagged player has a
// pot, the arrangements are counted, and how many players of each tag each
// group takes is drawn in proportion to the arrangements that give it.
#include <cstdint>
#include <vector>

#include "engine/random.h"

namespace rl {

enum class TagCountOutcome { Drawn, Impossible, TooLarge };

struct TagCounts {
    TagCountOutcome outcome = TagCountOutcome::TooLarge;
    std::vector<std::vector<int>> taken;  // [tag][group]
};

// `room`: the places without pot of each group; `players`: each tag's
// players, none of them with a pot. A tag is spread when it never has two in
// a group while a group with room has none. Every arrangement of the
// players over the places counts once, so a draw of counts followed by a
// uniform shuffle within them is a uniform draw of the arrangements.
// TooLarge once the counting would look at more than `workLimit` choices.
TagCounts drawTagCounts(const std::vector<int>& room, const std::vector<int>& players, Random& random,
                        std::uint64_t workLimit);

}  // namespace rl
