#pragma once
// Assignments built by hand, so that the texts are tested on exactly the
// tables and schedules the worked examples describe.
#include <string>
#include <utility>
#include <vector>

#include "engine/assignment.h"
#include "engine/list_host.h"

namespace rl::testing {

struct Built {
    ListHost host;
    AssignmentState state;
};

inline std::int32_t fullGroupMatches(std::int32_t m, bool tournament) {
    if (m == 1) return 1;
    if (!tournament) return m * (m - 1) / 2;
    std::int32_t sum = 0;
    for (std::int32_t x = m; x > 1;) {
        x = (x + 1) / 2;
        sum += x;
    }
    return sum;
}

// rows: the group table (kNone for vacancies, at the end of a row);
// matches: each group's schedule entries in order. Schedules are padded with
// zero entries to a full group's capacity, as the engine leaves them.
inline Built buildAssignment(std::vector<std::string> participants, std::vector<std::string> maps,
                             bool tournament, GroupTable rows, std::vector<Schedule> matches) {
    Built b;
    b.host.participants = std::move(participants);
    b.host.maps = std::move(maps);
    Settings& s = b.state.settings;
    s.tournament = tournament;
    s.mapsEnabled = !b.host.maps.empty();
    s.participantCount = static_cast<std::int32_t>(b.host.participants.size());
    s.mapCount = static_cast<std::int32_t>(b.host.maps.size());
    s.groupCount = static_cast<std::int32_t>(rows.size());
    s.groupSize = rows.empty() ? 0 : static_cast<std::int32_t>(rows[0].size());
    for (std::size_t g = 0; g < rows.size(); ++g) {
        Pos members = 0;
        while (members < s.groupSize && rows[g][static_cast<std::size_t>(members)] != kNone) ++members;
        b.state.memberCount.push_back(members);
        Schedule schedule = matches[g];
        b.state.matchCount.push_back(static_cast<Pos>(schedule.size()));
        schedule.resize(static_cast<std::size_t>(fullGroupMatches(s.groupSize, tournament)));
        b.state.schedule.push_back(std::move(schedule));
    }
    b.state.groupTable = std::move(rows);
    return b;
}

// Every pair of an m-member group, smaller position first.
inline Schedule allPairs(const std::vector<Pos>& row, Pos members, Pos firstMap, Pos mapCount) {
    Schedule s;
    for (Pos a = 0; a < members; ++a) {
        for (Pos b = a + 1; b < members; ++b) {
            const Pos map = mapCount > 0 ? static_cast<Pos>((firstMap + s.size()) % mapCount) : kNone;
            s.push_back({row[static_cast<std::size_t>(a)], row[static_cast<std::size_t>(b)], map});
        }
    }
    return s;
}

inline std::string spaces(std::size_t n) { return std::string(n, ' '); }

}  // namespace rl::testing
