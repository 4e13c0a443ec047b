#pragma once
// Why a result cannot stand, worded for people: one table of every kind of
// problem, in English (what rosterloom-cli prints) and in Korean (what the
// window program shows). Portable.
#include <string>

#include "event/actions.h"
#include "standings/results.h"

namespace rl::event {

// What a problem's wording names about its result.
struct ProblemPlace {
    MatchKey key;          // the group (or kPlayoffGroup) and the match
    std::string winner;    // UTF-8: the winner's name as given
    int bestOf = 1;        // the match's length
    int groups = 0;        // the groups drawn
    int matches = 0;       // the matches of the group, or of the playoff
    int game = 0;          // the game (from 1) a problem of games names
    std::string map{};     // UTF-8: a game's map as given
};

std::string englishProblem(ResultProblem problem, const ProblemPlace& place);
std::string koreanProblem(ResultProblem problem, const ProblemPlace& place);

// What a refused replacement or swap names, UTF-8: the player to move (or
// the first of a swap), the new name (or the second of a swap), where they
// were looked for ("" for the whole draw), the ways an ambiguous line reads,
// and the line's form with the group given.
struct ChangePlace {
    std::string name;
    std::string other;
    int group = -1;
    std::string ways;
    std::string example;
};

std::string englishChangeProblem(ChangeRefusal refusal, const ChangePlace& place);
std::string koreanChangeProblem(ChangeRefusal refusal, const ChangePlace& place);

}  // namespace rl::event
