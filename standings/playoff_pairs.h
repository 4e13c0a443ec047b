#pragma once
// The playoff's first round as the organiser pairs it, in place of the
// bracket rule's: a league that pairs its groups by a rule of its own, or by
// a draw at its ceremony. Pairs are written as people write them, group
// letter and place, "A1-D2" for a match and "A1" alone for a bye, one after
// the other from the top of the bracket: "A1-D2,B1-C2,C1-B2,D1-A2". Any
// arrangement stands, two of one group meeting included; only every player
// going through must be seated once, in a first round of the bracket's size.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "standings/playoff_seating.h"

namespace rl {

// A seat of the playoff: a group (from 0) and its place there (from 1).
struct PlayoffSeat {
    int group = 0;
    int place = 0;
    bool operator==(const PlayoffSeat& o) const { return group == o.group && place == o.place; }
};

// A first-round match; nothing second: a bye.
struct PlayoffPair {
    PlayoffSeat first;
    std::optional<PlayoffSeat> second;
    bool operator==(const PlayoffPair& o) const { return first == o.first && second == o.second; }
};

// Why pairs cannot seat the playoff's first round. Each kind is worded once,
// in both languages, in event/pairs_wording.cpp.
enum class PairsProblem { None, Malformed, NoSuchSeat, Twice, Missing, RoundSize };

struct PairsRefusal {
    PairsProblem problem = PairsProblem::None;
    std::string part;    // Malformed: the entry as written; NoSuchSeat, Twice: the seat; Missing: the seats left out
    std::string seats;   // NoSuchSeat: every seat the playoff has
    int players = 0;     // RoundSize: the players going through,
    int matches = 0;     // the first round's matches they make,
    int given = 0;       // and the entries the pairs give
    bool ok() const { return problem == PairsProblem::None; }
};

std::string seatText(PlayoffSeat seat);
// "A1-D2,B1-C2": the form parsePairs reads.
std::string pairText(const PlayoffPair& pair);
std::string pairsText(const std::vector<PlayoffPair>& pairs);

// One entry ("A1-D2" or "A1"), blanks around its parts allowed, the letter in
// either case; nothing when it has no such form.
std::optional<PlayoffPair> parsePair(std::string_view text);
// Entries separated by commas; Malformed names the first that is not one.
PairsRefusal parsePairs(std::string_view text, std::vector<PlayoffPair>& out);

// Whether the pairs seat each of `players` once in a first round of the
// bracket's size. Problems are found in the order of the kinds.
PairsRefusal checkPairs(const std::vector<Qualifier>& players, const std::vector<PlayoffPair>& pairs);

// The first round as the seats of `players` (see seatPlayers), after
// checkPairs found nothing.
std::vector<std::pair<int, int>> seatPairs(const std::vector<Qualifier>& players, const std::vector<PlayoffPair>& pairs);

// The seats of a seated first round, as pairs.
std::vector<PlayoffPair> pairsOf(const std::vector<Qualifier>& players, const std::vector<std::pair<int, int>>& seats);

}  // namespace rl
