#pragma once
// How a team match is played: N sets with entries (the last of them an ace
// match, or not), or winner stays until one team has won S sets.
#include <string>
#include <string_view>
#include <variant>

#include "team/refusal.h"

namespace rl::team {

enum class MatchKind { Sets, WinnerStays };

constexpr int kMinSets = 3, kMaxSets = 9;
constexpr int kMinWins = 2, kMaxWins = 5;

struct TeamMatchFormat {
    MatchKind kind = MatchKind::Sets;
    int length = 5;    // sets: the N sets of the match; winner stays: the S wins it takes
    bool ace = false;  // sets only: set N is the ace match

    int setsToWin() const { return kind == MatchKind::Sets ? (length + 1) / 2 : length; }
    // The most sets a match can take: what its maps are dealt for.
    int mostSets() const { return kind == MatchKind::Sets ? length : 2 * length - 1; }
    bool operator==(const TeamMatchFormat& o) const { return kind == o.kind && length == o.length && ace == o.ace; }
};

// "sets:N", "sets:N:ace" or "winner:S", as --team-match takes it; the format
// or why the text is not one.
std::variant<TeamMatchFormat, Refusal> parseTeamMatchFormat(std::string_view text);
// The text that parseTeamMatchFormat reads back to the same format.
std::string formatText(const TeamMatchFormat& format);

}  // namespace rl::team
