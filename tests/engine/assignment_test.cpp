#include <gtest/gtest.h>

#include <cstdlib>

#include "resources/strings.h"
#include "support.h"

namespace rl {
namespace {

using test::hostWith;

bool isEmpty(const AssignmentState& state) {
    return state.groupTable.empty() && state.schedule.empty() && state.matchCount.empty() &&
           state.memberCount.empty() && !state.mapOrder && !state.assigned();
}

// The first failing check wins; number fields read like decimal conversion.
TEST(CaptureSettings, ValidationOrderAndNumberFields) {
    const struct {
        int participants, maps;
        bool mapsEnabled;
        const char *groups, *places;
        int message, groupCount;  // message 0: accepted
    } cases[] = {
        {0, 0, true, "1", "1", IDS_NO_PARTICIPANTS, 1},         // 2 before 3 and 4
        {13, 0, true, "3", "4", IDS_TOO_MANY_PARTICIPANTS, 3},  // 3 before 4
        {12, 0, true, "3", "4", IDS_NO_MAPS, 3},                // a full table is accepted
        {12, 0, false, "3", "4", 0, 3},                         // maps off: the map list is not read
        {64, 10, true, "8", "8", 0, 8},
        {1, 0, false, "abc", "4", IDS_TOO_MANY_PARTICIPANTS, 0},  // no digits counts as 0
        {6, 0, false, "-2", "-3", IDS_TOO_MANY_PARTICIPANTS, -2},  // no negative places
        {1, 0, false, "1", " +8x", 0, 1}, {1, 0, false, " \t 7", "1", 0, 7},
        {1, 0, false, "+3", "1", 0, 3}, {1, 0, false, "5x", "1", 0, 5},
        {1, 0, false, "x5", "1", IDS_TOO_MANY_PARTICIPANTS, 0}, {1, 0, false, "", "1", IDS_TOO_MANY_PARTICIPANTS, 0},
        {1, 0, false, "- 5", "1", IDS_TOO_MANY_PARTICIPANTS, 0}, {1, 0, false, "0008", "1", 0, 8},
        {1, 0, false, "99999999999999", "1", 0, 2147483647},
        {1, 0, false, "-99999999999999", "1", IDS_TOO_MANY_PARTICIPANTS, -2147483647 - 1},
        {1, 0, false, "                                                6", "1", 0, 6},  // the first 49 characters
        {1, 0, false, "                                                 6", "1", IDS_TOO_MANY_PARTICIPANTS, 0},
    };
    for (const auto& c : cases) {
        auto host = hostWith(c.participants, c.maps, c.mapsEnabled, c.groups, c.places);
        AssignmentState state;
        EXPECT_EQ(captureSettings(state, host), c.message == 0) << c.participants << " in " << c.groups;
        EXPECT_EQ(host.shownMessages, c.message ? std::vector<int>{c.message} : std::vector<int>{}) << c.participants;
        EXPECT_EQ(state.settings.groupCount, c.groupCount) << '"' << c.groups << '"';
        EXPECT_EQ(state.settings.groupSize, std::atoi(c.places)) << '"' << c.places << '"';
    }
}

// Only a checked box (state 1) sets a flag; indeterminate (2) does not.
class CheckStateHost : public ListHost {
public:
    int state = 1;
    int checkState(Option) override { return state; }
};

TEST(CaptureSettings, FlagsAndCounts) {
    for (int checkState : {0, 1, 2}) {
        CheckStateHost host;
        static_cast<ListHost&>(host) = hostWith(5, 3, false, "4", "4");
        host.state = checkState;
        AssignmentState state;
        state.settings.mapCount = 77;
        state.mapOrder = std::vector<Pos>{0};
        EXPECT_TRUE(captureSettings(state, host));
        const bool on = checkState == 1;
        const Settings& s = state.settings;
        EXPECT_EQ(std::vector<bool>({s.mapsEnabled, s.equalMaps, s.tournament, s.spreadVacancies}),
                  std::vector<bool>(4, on));
        EXPECT_EQ(s.participantCount, 5);
        EXPECT_EQ(s.mapCount, on ? 3 : 77) << "kept while maps are off";
        EXPECT_FALSE(state.mapOrder) << "every capture forgets the map order";
    }
}

TEST(NameOf, EntriesAndVacancies) {
    ListHost host;
    host.participants = {"alpha", "\xB0\xA1"};
    host.maps = {"Salt Flats"};
    EXPECT_EQ(std::vector<std::string_view>({nameOf(host, ListKind::Participants, 1), nameOf(host, ListKind::Maps, 0),
                                        nameOf(host, ListKind::Participants, -1), nameOf(host, ListKind::Maps, 1)}),
              std::vector<std::string_view>({"\xB0\xA1", "Salt Flats", "-", "-"}));
}

// Release in either state, and a rejected assign, leave nothing behind.
TEST(Release, EmptiesEitherState) {
    for (int flags : {kReleaseOnCancel, kReleaseOnExit}) {
        AssignmentState state;
        releaseAssignment(state, flags);
        EXPECT_TRUE(isEmpty(state));
        auto host = hostWith(10, 4, true, "3", "4");
        host.tournament = true;
        ASSERT_EQ(assign(state, host), AssignOutcome::Assigned);
        ASSERT_TRUE(state.assigned() && state.mapOrder);
        releaseAssignment(state, flags);
        EXPECT_TRUE(isEmpty(state));
        ASSERT_EQ(assign(state, host), AssignOutcome::Assigned);
        host.participants.clear();
        EXPECT_EQ(assign(state, host), AssignOutcome::Rejected);
        EXPECT_TRUE(isEmpty(state));
        EXPECT_EQ(host.shownMessages, std::vector<int>{IDS_NO_PARTICIPANTS});
    }
}

// The overview's example: ten in three tournament groups of four places.
TEST(Assign, OverviewExample) {
    auto host = hostWith(10, 4, true, "3", "4");
    host.tournament = true;
    AssignmentState state;
    ASSERT_EQ(assign(state, host), AssignOutcome::Assigned);
    EXPECT_EQ(state.memberCount, (std::vector<Pos>{4, 3, 3}));
    EXPECT_EQ(state.matchCount, (std::vector<Pos>{3, 3, 3}));
    EXPECT_EQ(std::make_pair(state.schedule[0][2].first, state.schedule[0][2].second), std::make_pair(Pos{0}, Pos{1}));
    EXPECT_EQ(state.schedule[1][1].second, kNone);
}

// Failing each allocation of a full assign in turn: reported once, the
// outcome says so, and nothing of the assignment is left.
TEST(Assign, AllocationFailureAtEveryIndex) {
    test::DisarmAllocationFailure disarm;
    const bool shapes[][3] = {{false, true, true}, {true, true, false}, {true, false, true}, {false, false, false}};
    for (const auto& [tournament, equalMaps, spread] : shapes) {
        int failures = 0;
        for (int index = 0;; ++index) {
            auto host = hostWith(10, 4, true, "3", "4");
            host.tournament = tournament;
            host.equalMaps = equalMaps;
            host.spreadVacancies = spread;
            AssignmentState state;
            failAllocationsAfter(index);
            const AssignOutcome outcome = assign(state, host);
            failAllocationsAfter(-1);
            if (host.allocationFailuresReported == 0) {
                EXPECT_EQ(outcome, AssignOutcome::Assigned);
                break;
            }
            ASSERT_LT(index, 100);
            EXPECT_EQ(host.allocationFailuresReported, 1) << "index " << index;
            EXPECT_EQ(outcome, AssignOutcome::OutOfMemory) << "index " << index;
            EXPECT_TRUE(isEmpty(state)) << "index " << index;
            ++failures;
        }
        // order, shuffle buffer, table and rows, schedules, counts, pair lists
        EXPECT_GE(failures, 2 + 1 + 3 + 1 + 3 + 2 + 3);
    }
}

}  // namespace
}  // namespace rl
