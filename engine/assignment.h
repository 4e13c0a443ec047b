#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/group_format.h"
#include "engine/host.h"
#include "engine/random.h"

namespace rl {

// Participant positions, map indices and match positions; -1 is "none".
using Pos = std::int16_t;
constexpr Pos kNone = -1;

struct Settings {
    bool mapsEnabled = false;
    bool equalMaps = false;
    GroupFormat format = GroupFormat::League;
    bool spreadVacancies = false;
    std::int32_t participantCount = 0;
    std::int32_t mapCount = 0;
    std::int32_t groupCount = 0;
    std::int32_t groupSize = 0;
    std::int32_t bestOf = 1;  // games a group match is played over: 1, 3, 5 or 7
    // A team league's groups rank teams: match wins, then the sets, and only
    // then the matches between those level (players meet in those first).
    bool ranksTeams = false;

    // The "토너먼트" button as captured: a knock-out of either kind.
    bool tournament() const { return isKnockOut(format); }
};

// What a draw takes beyond the designed window's controls: whoever draws
// chooses it, and the draw keeps it in its settings.
struct DrawFormat {
    bool dual = false;        // every group a dual tournament (see groupFormat)
    std::int32_t bestOf = 1;  // games a group match is played over
};

// The format the settings were drawn with, for drawing again as before.
DrawFormat drawFormatOf(const Settings& settings);

struct Match {
    Pos first = 0;
    Pos second = 0;  // kNone: a bye
    Pos map = 0;     // kNone: no map; game 1's map in a series
    std::vector<Pos> laterMaps;  // games 2 to N of a series, in game order
};

// groupCount rows of groupSize places: members first, then kNone.
using GroupTable = std::vector<std::vector<Pos>>;
// One group's matches; its size is the capacity matchCountFor(groupSize),
// entries 0 to matchCount-1 are filled, the rest stay zero.
using Schedule = std::vector<Match>;

// The one current assignment. Empty: every array is empty and mapOrder is
// absent. Assigned: groupTable, schedule, memberCount and matchCount hold
// groupCount entries each.
struct AssignmentState {
    Settings settings;
    GroupTable groupTable;
    std::vector<Pos> memberCount;
    std::vector<Pos> matchCount;
    std::vector<Schedule> schedule;
    std::optional<std::vector<Pos>> mapOrder;
    std::int32_t mapCursor = 0;
    Random random;

    bool assigned() const { return !groupTable.empty(); }
};

enum class AssignOutcome { Assigned, Rejected, OutOfMemory };

// Reads the settings through the host, takes the format as chosen and
// validates them; on failure shows message 2, 3 or 4 (or the group format's
// size; the first failing test wins) and returns false.
bool captureSettings(AssignmentState& state, Host& host, const DrawFormat& format);

// Zero-filled storage for `count` elements, or false after the host has
// reported the failure; `out` is then left empty.
template <class T>
bool allocateZeroed(Host& host, std::vector<T>& out, std::int32_t count);

// Exhausted memory cannot be provoked on demand, so tests arm this: after
// `successes` more successful allocations the next one fails. -1 disarms.
void failAllocationsAfter(int successes);

// The name of entry `index` of a list, or "-" for a negative index. Valid
// until the next call on the same host.
std::string_view nameOf(Host& host, ListKind list, int index);

// Frees every array of the assignment; the state is Empty afterwards. At
// the program's end the window program frees its help text beside it.
void releaseAssignment(AssignmentState& state);

// The whole assign step: capture, fill, build. On OutOfMemory nothing of a
// half-built assignment is left: the state is Empty.
AssignOutcome assign(AssignmentState& state, Host& host, const DrawFormat& format = {});

}  // namespace rl
