#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "event/actions.h"
#include "event/event.h"
#include "standings/playoff.h"

namespace rl::cli {

struct ResultsFile {
    Results results;
    Playoff playoff;    // with a playoff asked for: its choices, settled orders and results
    int errorLine = 0;  // 1-based; 0 when every line was taken
    std::string error;
    std::vector<std::string> refusal;  // why the playoff cannot be made, one reason a line
    // Earlier results taken away because a line changed who played them.
    std::vector<MatchKey> takenAway;
    // The event after the file's replacements and swaps: its participants,
    // pots, places and changes are what takeChanges gives an event.
    event::Event changed;

    bool ok() const { return errorLine == 0 && refusal.empty(); }
};

// What --playoff and the options beside it ask for; perGroup 0: no playoff.
using PlayoffChoice = event::PlayoffChoice;

// Reads a UTF-8 results file for the event, one result a line: "GROUP
// MATCH SCORE", SCORE being "W:L" or the winner's name. A byte-order mark,
// blank lines and lines starting with '#' are skipped; lines may come in any
// order. On the first line refused, no result is kept. Every line is
// applied through the event's own changes, as the window program applies
// what its user enters; the results file only reads and words them.
// A line replaces the earlier result of its match, and when it gives a
// knock-out match to the other player, the later results that player's wins
// led to are taken away unless a line gives them.
// A match may also be given game by game, "GROUP MATCH 세트 GAME WINNER" or
// "... WINNER @ MAP": games that decide it give its score (a score line beside
// them must be theirs), games that do not yet stand without one.
// Lines "교체 OLD NEW" and "맞교환 NAME1 NAME2" (either with "GROUP " before
// the word; a name of a swap may have its own "GROUP ") replace or swap
// players who have no result yet, as soon as they are read, in file order.
// A name may hold blanks: the line is cut where its parts name players and
// a new name; a line that cuts more than one way is refused, naming each.
// With a playoff chosen, the file also holds "GROUP 결정 NAME" lines, one a
// member of a shared rank, best first, and the playoff's results "P MATCH
// SCORE" or "본선 MATCH SCORE". The groups' results are taken first, then the
// settled orders; then the playoff is made (or refused, with every reason)
// and its results taken in match order. With the event's playoff made, its
// settled orders and the groups' results stand as they are, and its results
// are replaced like the groups'.
ResultsFile readResultsFile(std::string_view bytes, const event::Event& event, PlayoffChoice choice = {});
// The file's replacements and swaps, into the event it was read for.
void takeChanges(const ResultsFile& file, event::Event& event);
// The same for a draw alone, its names in the host's lists.
ResultsFile readResultsFile(std::string_view bytes, const AssignmentState& state, Host& host);

// The reasons a playoff is refused, as UTF-8 lines for a person.
std::vector<std::string> refusalLines(const PlayoffRefusal& refusal, const AssignmentState& state, Host& host,
                                      const Playoff& playoff);

}  // namespace rl::cli
