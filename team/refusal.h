#pragma once
// Why a team match's format or one of its sets was refused, as data; each
// front end words it in its people's language from one table.
#include <string>
#include <vector>

namespace rl::team {

enum class Refused {
    // the format's text
    UnknownFormat, NotANumber, SetsOutOfRange, SetsEven, AceWord, WinsOutOfRange,
    // the next set of a match
    NotNextSet, NotOnRoster, PlayedTwice, MatchDecided, AceNotLevel, NotTheStayer, BeatenAgain, OutOfPlayers,
    // a set or an entry as an event takes it
    NotTeamEvent, NotInSet, MapNotInList, SetPlayed, EntryOpen, NotTheEntry,  // the last
};

struct Refusal {
    Refused why = Refused::UnknownFormat;
    std::vector<std::string> values;  // UTF-8, as the message shows them
};

// English (what rosterloom-cli prints) and Korean (what the window program
// shows), both UTF-8.
std::string englishRefusal(const Refusal& refusal);
std::string koreanRefusal(const Refusal& refusal);

}  // namespace rl::team
