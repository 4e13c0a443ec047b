#pragma once
#include <string>

#include "standings/playoff.h"

namespace rl {

// " 1위", "12위"; " -" for no place yet.
std::string rankText(int rank);
// A match's score as the tables show it, "2:1", "[vs]" before it is played;
// a walkover names the side that goes on, "부전승:-".
std::string scoreText(const MatchState& m);

// The standings of one group as it follows the export: a blank line, the
// heading "< A조 순위 >", for a knock-out its matches with the players and
// scores known so far and a blank line, then the table of ranks. CP949,
// CR LF, widths in bytes like the export.
// Beside a playoff, settled members show their settled place and "(결정)",
// and those who withdrew after it "(기권)".
std::string standingsGroupText(const AssignmentState& state, const Results& results, Host& host, int group,
                               const Playoff& playoff = {});
// Every group's standings, A first.
std::string standingsText(const AssignmentState& state, const Results& results, Host& host);
// The export file followed by every group's standings: what a results file
// adds to the event's text.
std::string standingsFileText(const AssignmentState& state, const Results& results, Host& host);
// "< 본선 >": the playoff's matches with the players known so far, their
// maps and scores, and its table; then "< 최종 순위 >", every player's
// final rank with its group and place there.
std::string playoffText(const AssignmentState& state, const Results& results, const Playoff& playoff,
                        const PlayoffBracket& bracket, Host& host);
// The file with a playoff: settled and withdrawn members marked in their groups' tables,
// and the playoff's text after them once it can be made.
std::string standingsFileText(const AssignmentState& state, const Results& results, Host& host,
                              const Playoff& playoff, std::uint32_t seed);

}  // namespace rl
