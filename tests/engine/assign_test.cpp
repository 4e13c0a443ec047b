// The engine through its one entry point, assign: what it reads from the
// window, the group table the clock's shuffle gives, and every schedule.
#include <gtest/gtest.h>

#include <algorithm>

#include "cases.h"
#include "engine/assignment.h"

namespace rl {
namespace {

bool isEmpty(const AssignmentState& state) {
    return state.groupTable.empty() && state.schedule.empty() && state.matchCount.empty() &&
           state.memberCount.empty() && !state.mapOrder;
}

std::string settingsLine(const Settings& s) {
    return "settings: " + std::to_string(s.participantCount) + " players, " + std::to_string(s.mapCount) +
           " maps, " + std::to_string(s.groupCount) + " groups of " + std::to_string(s.groupSize) +
           (s.mapsEnabled ? "; maps" : "; no maps") + (s.equalMaps ? ", equal" : ", random") +
           (s.tournament() ? ", tournament" : ", league") + (s.spreadVacancies ? ", spread\n" : ", sequential\n");
}

// "B(3) 4 1 8 - | (0,1)@2 (2,-) (0,1)@0 .": the group's members, its row, and
// every entry of its schedule up to the capacity ("." past the matches, where
// the entry must stay zero). League sides and a bracket's first round are
// places in the row, later rounds matches of the round before; "@" the map.
std::string groupLine(const AssignmentState& state, std::size_t g) {
    const std::vector<Pos>& row = state.groupTable[g];
    std::string out = std::string(1, static_cast<char>('A' + g)) + "(" + std::to_string(state.memberCount[g]) + ")";
    for (Pos p : row) out += p == kNone ? " -" : " " + std::to_string(p);
    out += " |";
    const int firstRound = state.settings.tournament() ? (state.memberCount[g] + 1) / 2 : state.matchCount[g];
    for (int k = 0; k < static_cast<int>(state.schedule[g].size()); ++k) {
        const Match& m = state.schedule[g][static_cast<std::size_t>(k)];
        if (k >= state.matchCount[g] && m.first == 0 && m.second == 0 && m.map == 0) {
            out += " .";
            continue;
        }
        auto side = [&](Pos v) {
            const auto at = std::find(row.begin(), row.end(), v);
            if (v == kNone) return std::string("-");
            if (k >= firstRound) return std::to_string(v);
            return at == row.end() ? "?" + std::to_string(v) : std::to_string(at - row.begin());
        };
        out += " (" + side(m.first) + "," + side(m.second) + ")";
        if (m.map != kNone) out += "@" + std::to_string(m.map);
    }
    return out + "\n";
}

// One state for every case, as in the window: a refusal must leave it empty.
TEST(Assign, GoldenCases) {
    AssignmentState state;
    test::expectGoldenCases("assignments.txt", [&](const std::string& inputs) {
        ListHost host = test::hostFrom(inputs);
        const AssignOutcome outcome = assign(state, host);
        std::string out = settingsLine(state.settings);
        for (int message : host.shownMessages) out += "message " + std::to_string(message) + "\n";
        if (outcome != AssignOutcome::Assigned) return out + (isEmpty(state) ? "nothing assigned\n" : "left over!\n");
        for (std::size_t g = 0; g < state.groupTable.size(); ++g) out += groupLine(state, g);
        return out;
    });
}

// Failing each allocation of a full assign in turn: reported once, the
// outcome says so, and nothing of the assignment is left.
TEST(Assign, AllocationFailureAtEveryIndex) {
    for (const char* shape : {"", "tournament sequential", "tournament random-maps", "random-maps sequential"}) {
        int failures = 0;
        for (int index = 0;; ++index) {
            ASSERT_LT(index, 100) << shape;
            ListHost host = test::hostFrom(std::string("players 10 maps 4 with-maps groups 3 size 4 ") + shape);
            AssignmentState state;
            failAllocationsAfter(index);
            const AssignOutcome outcome = assign(state, host);
            failAllocationsAfter(-1);
            if (host.allocationFailuresReported == 0) {
                EXPECT_EQ(outcome, AssignOutcome::Assigned);
                break;
            }
            EXPECT_EQ(host.allocationFailuresReported, 1) << shape << " at " << index;
            EXPECT_EQ(outcome, AssignOutcome::OutOfMemory) << shape << " at " << index;
            EXPECT_TRUE(isEmpty(state)) << shape << " at " << index;
            ++failures;
        }
        // order, shuffle buffer, table and rows, schedules, counts, pair lists
        EXPECT_GE(failures, 2 + 1 + 3 + 1 + 3 + 2 + 3) << shape;
    }
}

// A place the lists do not reach reads as a vacancy, never past the list.
TEST(Assign, AnIndexPastTheListNamesNothing) {
    ListHost host = test::hostFrom("players 2");
    EXPECT_EQ(nameOf(host, ListKind::Participants, 1), host.participants[1]);
    for (int index : {-1, 2}) EXPECT_EQ(nameOf(host, ListKind::Participants, index), "-");
}

}  // namespace
}  // namespace rl
