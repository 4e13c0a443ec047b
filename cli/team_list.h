#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "team/team.h"

namespace rl::cli {

struct TeamList {
    std::vector<team::Team> teams;  // in file order
    int errorLine = 0;              // 1-based; 0 when the list is good
    std::string error;

    bool ok() const { return errorLine == 0; }
};

// Reads a UTF-8 roster file as a name list is read (a leading byte-order
// mark, LF or CR LF): a line with no tab names a team, the lines
// <TAB>PLAYER under it are its roster, each player's race given after one
// more tab where known (<TAB>PLAYER<TAB>RACE). Lines of blanks only and lines
// beginning with '#' are skipped. Names keep the participants' rules; a
// team has 1 to team::kMaxRoster players, each once. The first bad line
// stops the reading, and then no team is kept.
TeamList parseTeamList(std::string_view bytes);

}  // namespace rl::cli
