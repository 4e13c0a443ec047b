#pragma once
// A team: a participant of its own kind, with the players it may send.
#include <cstddef>
#include <string>
#include <vector>

#include "engine/race.h"

namespace rl::team {

constexpr std::size_t kMaxRoster = 16;

struct Team {
    std::string name;                 // code page 949, by the participants' rules
    std::vector<std::string> roster;  // code page 949, each name once; 1 to kMaxRoster
    std::vector<Race> races;          // each player's, in roster order (Race::None: not given)
};

}  // namespace rl::team
