#pragma once
// The teams' rosters as people write them: a roster file (a line with no tab
// names a team, the <TAB>PLAYER lines under it are its roster), or one
// team's players one a line as the window takes them. A player may carry a
// race after a tab as the participants' race column does (<TAB>PLAYER<TAB>T
// in the file, PLAYER<TAB>T typed), read by parseRace. Both keep the same
// rules (names by the participants' rules, 1 to team::kMaxRoster players,
// each once) and word their faults from one table, in English (what
// rosterloom-cli prints) and in Korean (what the window program shows).
// Portable.
#include <string>
#include <string_view>
#include <vector>

#include "event/placement.h"
#include "team/team.h"

namespace rl::event {

enum class RosterProblem {
    None, Name, TeamLineTab, PlayerFirst, PlayerTwice, RosterFull, NoPlayers, TooManyTeams, NotRegistered,
    Race, PlayerColumns,
    NoRoster,  // the last: see rosters.cpp
};

struct RosterFault {
    RosterProblem problem = RosterProblem::None;
    int line = 0;         // the text's line (from 1); 0: none
    std::string team;     // UTF-8
    std::string player;   // UTF-8
    PlacementFault name;  // with RosterProblem::Name or Race: the name's or the race's own fault

    bool ok() const { return problem == RosterProblem::None; }
};

std::string englishRosterFault(const RosterFault& fault);
std::string koreanRosterFault(const RosterFault& fault);

// A roster file's teams (CP949) in its order, or the first bad line's
// fault and no team. Lines of blanks only and lines beginning with '#' are
// skipped; a byte-order mark and CR LF are taken as a name list takes them.
struct RosterText {
    std::vector<team::Team> teams;
    RosterFault fault;
};
RosterText readRosterText(std::string_view utf8, const PlacementCodec& codec);

// One team's players, one a line (UTF-8), into `roster` (CP949) and their
// races into `races`, skipping the lines a roster file skips; an empty text
// is no roster. `team` (UTF-8) names the team in the messages.
RosterFault readRosterLines(std::string_view utf8, const std::string& team, const PlacementCodec& codec,
                            std::vector<std::string>& roster, std::vector<Race>& races);

// One team's players as the window shows them to be typed again: a line a
// player, the race after a tab where one is given (CP949, CR LF).
std::string rosterLines(const std::vector<std::string>& roster, const std::vector<Race>& races);

// Whether a text is a roster file rather than one team's players: it has a
// player's line, one beginning with a tab.
bool isRosterFile(std::string_view utf8);

// The rosters and their races a file's teams give the registered
// participants (CP949, in list order): each team the first participant of
// its name that no earlier team took. The participants it does not name
// keep theirs.
RosterFault rostersFromText(const RosterText& text, const std::vector<std::string>& participants,
                            const PlacementCodec& codec, std::vector<std::vector<std::string>>& rosters,
                            std::vector<std::vector<Race>>& races);

// The first participant without a roster, for a team league's draw.
RosterFault missingRoster(const std::vector<std::string>& participants,
                          const std::vector<std::vector<std::string>>& rosters, const PlacementCodec& codec);

}  // namespace rl::event
