#pragma once
// Why the organiser's pairs cannot seat the playoff's first round, worded for
// people: one row for each kind, in English (what rosterloom-cli prints) and
// in Korean (what the playoff window shows), both UTF-8. Portable.
#include <string>

#include "standings/playoff_pairs.h"

namespace rl::event {

std::string englishPairs(const PairsRefusal& refusal);
std::string koreanPairs(const PairsRefusal& refusal);

}  // namespace rl::event
