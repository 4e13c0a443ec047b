#pragma once
// Assignments built by hand, so that the texts are tested on exactly the
// tables and schedules the worked examples describe.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "engine/assignment.h"
#include "engine/list_host.h"
#include "engine/pairing.h"

namespace rl::testing {

struct Built {
    ListHost host;
    AssignmentState state;
};

// rows: the group table (kNone for vacancies, at the end of a row);
// matches: each group's schedule entries in order, padded with zero entries
// to a full group's capacity as the engine leaves them.
inline Built buildAssignment(std::vector<std::string> participants, std::vector<std::string> maps,
                             bool tournament, GroupTable rows, std::vector<Schedule> matches) {
    Built b;
    b.host.participants = std::move(participants);
    b.host.maps = std::move(maps);
    const auto size = static_cast<std::int32_t>(rows.empty() ? 0 : rows[0].size());
    Settings& settings = b.state.settings;
    settings.mapsEnabled = !b.host.maps.empty();
    settings.tournament = tournament;
    settings.participantCount = static_cast<std::int32_t>(b.host.participants.size());
    settings.mapCount = static_cast<std::int32_t>(b.host.maps.size());
    settings.groupCount = static_cast<std::int32_t>(rows.size());
    settings.groupSize = size;
    for (std::size_t g = 0; g < rows.size(); ++g) {
        const auto members = std::find(rows[g].begin(), rows[g].end(), kNone) - rows[g].begin();
        b.state.memberCount.push_back(static_cast<Pos>(members));
        b.state.matchCount.push_back(static_cast<Pos>(matches[g].size()));
        matches[g].resize(static_cast<std::size_t>(matchCountFor(size, tournament)));
    }
    b.state.schedule = std::move(matches);
    b.state.groupTable = std::move(rows);
    return b;
}

// Every pair of the row, smaller position first; maps dealt in turn from firstMap.
inline Schedule allPairs(const std::vector<Pos>& row, Pos firstMap, Pos mapCount) {
    Schedule s;
    for (std::size_t a = 0; a < row.size(); ++a) {
        for (std::size_t b = a + 1; b < row.size(); ++b) {
            s.push_back({row[a], row[b], mapCount > 0 ? static_cast<Pos>((firstMap + s.size()) % mapCount) : kNone});
        }
    }
    return s;
}

// A tournament group of five with a vacancy: round one {a,b} {c,d} {e,bye},
// round two {W1,W3} {W2,bye}, the final {W4,W5}.
inline Built fiveMemberBracket(bool withMaps) {
    const Pos m0 = withMaps ? 0 : kNone, m1 = withMaps ? 1 : kNone;
    std::vector<std::string> maps = {"푸른 협곡", "Iron Delta"};
    if (!withMaps) maps.clear();
    return buildAssignment({"a", "b", "c", "d", "e"}, maps, true, {{0, 1, 2, 3, 4, kNone}},
                           {{{0, 1, m0}, {2, 3, m1}, {4, kNone, kNone}, {0, 2, m1}, {1, kNone, kNone}, {0, 1, m0}}});
}

// A league of eight named "0".."7": 28 matches, so numbers of two digits.
inline Built leagueOfEight() {
    const std::vector<Pos> row = {0, 1, 2, 3, 4, 5, 6, 7};
    return buildAssignment({"0", "1", "2", "3", "4", "5", "6", "7"}, {}, false, {row}, {allPairs(row, 0, 0)});
}

inline std::string spaces(std::size_t n) { return std::string(n, ' '); }

}  // namespace rl::testing
