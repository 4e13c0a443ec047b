#pragma once
// A participant's race: what a race column may hold is T, Z, P or R in
// either case, or the Korean names 테란, 저그, 프로토스, 랜덤 (code page 949),
// blanks at its ends dropped; an empty column is no race, anything else
// names none and is refused (seed_entry.h words it). Random (R) is a race of
// its own: its players are counted and spread apart from the others.
#include <optional>
#include <string_view>

namespace rl {

// In the order the races are always listed: T, Z, P, R.
enum class Race : int { None = 0, Terran, Zerg, Protoss, Random };
constexpr int kRaceCount = 4;  // the races besides None

// The race a column names (None for a blank one), or nothing for text that
// names none.
std::optional<Race> parseRace(std::string_view text);

// "T", "Z", "P", "R"; empty for None.
std::string_view raceLetter(Race race);
// 테란, 저그, 프로토스, 랜덤 in code page 949; empty for None.
std::string_view raceName(Race race);

}  // namespace rl
