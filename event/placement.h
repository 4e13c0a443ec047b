#pragma once
// Groups placed by hand, as people write them: lines of GROUP<TAB>NAME, read
// like a name list (byte-order mark, LF or CR LF, blank and '#' lines
// skipped), each member taking its group's next place; or each registered
// participant given a group and a place in the window. Both are checked by
// the rules here and their faults worded from one table, in English (what
// rosterloom-cli prints) and in Korean (what the window program shows).
// Portable.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/placement.h"
#include "engine/race.h"

namespace rl::event {

enum class PlacementProblem {
    None, Malformed, NoSuchGroup, GroupFull, EmptyName, NameWhiteSpace, NameControl, NotUtf8, NotCp949,
    NameTooLong, NotRegistered, NoGroup, PlaceRange, PlaceTaken, PlaceSkipped, MalformedRace,
    UnknownRace,  // the last: see placement.cpp
};

struct PlacementFault {
    PlacementProblem problem = PlacementProblem::None;
    int line = 0;       // the text's line (from 1); 0: none
    std::string name;   // UTF-8, as written (an unknown race: the race)
    int group = 0;      // from 0
    int number = 0;     // a place (from 1), or the name's bytes
    int groups = 0;     // the groups there are
    int limit = 0;      // the group's places, or the most bytes a name may take

    bool ok() const { return problem == PlacementProblem::None; }
};

std::string englishPlacementFault(const PlacementFault& fault);
std::string koreanPlacementFault(const PlacementFault& fault);

// What the texts need from the platform: whether bytes are UTF-8, and the
// conversions to and from code page 949 (nothing when a text does not convert).
struct PlacementCodec {
    std::function<bool(std::string_view)> isUtf8;
    std::function<std::optional<std::string>(std::string_view)> fromUtf8;
    std::function<std::optional<std::string>(std::string_view)> toUtf8;
};

// A name by the name list's rules (UTF-8 in, its code page 949 bytes in
// `cp949`), or the fault: one of the name's kinds above.
PlacementFault checkListName(std::string_view utf8, const PlacementCodec& codec, std::string& cp949);
// The race a column names (UTF-8, race.h), or the fault UnknownRace.
PlacementFault checkListRace(std::string_view utf8, const PlacementCodec& codec, Race& race);

// The lines of a placement text (UTF-8). `placement` holds the names in the
// text's order and each group's members, as far as the first fault. With
// `races`, a line is GROUP<TAB>NAME<TAB>RACE, the race (race.h) empty or
// left out for none.
struct PlacementText {
    Placement placement;
    std::vector<int> lines;  // the line of each name
    std::vector<Race> races;  // with `races`: each name's
    PlacementFault fault;
};
PlacementText readPlacementText(std::string_view utf8, int groupCount, int groupSize, const PlacementCodec& codec,
                                bool races = false);

// A participant's group (from 0; -1: none) and place (from 1), as the window gives them.
struct PlaceMark {
    int group = -1;
    int place = 0;
};

// The group a letter names (A to H, either case, blanks around it), -1 for
// none (an empty text), or a fault.
PlacementFault groupOfLetter(std::string_view text, int groupCount, int& group);

// The marks a text's lines give the listed participants (CP949): each line
// the first participant of its name that no earlier line took, at its
// group's next place; the others keep no group.
PlacementFault marksFromText(const PlacementText& text, const std::vector<std::string>& participants,
                             const PlacementCodec& codec, std::vector<PlaceMark>& marks);

// The placement the marks make, or the first fault: a participant without
// a group, a place outside the group, two in one place, a place left empty
// before a taken one.
PlacementFault placementFromMarks(const std::vector<PlaceMark>& marks, const std::vector<std::string>& participants,
                                  int groupCount, int groupSize, const PlacementCodec& codec, Placement& out);

}  // namespace rl::event
