#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/schedule.h"
#include "engine/shuffle_internal.h"
#include "support.h"

namespace rl {
namespace {

// Settings with the given mode and equal maps over `mapCount` maps.
AssignmentState stateWith(bool tournament, int mapCount, GroupTable table) {
    AssignmentState state;
    state.settings.mapsEnabled = true;
    state.settings.equalMaps = true;
    state.settings.tournament = tournament;
    state.settings.mapCount = mapCount;
    state.settings.groupCount = static_cast<int>(table.size());
    state.settings.groupSize = static_cast<int>(table.front().size());
    state.groupTable = std::move(table);
    return state;
}

std::string built(AssignmentState& state, int group) {
    ListHost host;
    EXPECT_TRUE(buildSchedules(state, host));
    return test::show(state.schedule[group], state.matchCount[group]);
}

// Order 2, 0, 3, 1 is odd, so no shuffle yields it: it is handed over as if
// already dealt up to its last entry.
TEST(EqualMaps, GivenOrderAcrossGroupsAndInATournamentGroupOfFive) {
    auto league = stateWith(false, 4, {{0, 1, 2}, {3, 4, 5}});
    auto bracket = stateWith(true, 4, {{7, 3, 9, 1, 4}});
    for (AssignmentState* state : {&league, &bracket}) {
        state->mapOrder = std::vector<Pos>{2, 0, 3, 1};
        state->mapCursor = 3;
    }
    EXPECT_EQ(built(league, 0), "(0,1,2) (0,2,0) (1,2,3)");
    EXPECT_EQ(test::show(league.schedule[1], 3), "(3,4,1) (3,5,2) (4,5,0)");
    EXPECT_EQ(built(bracket, 0), "(7,3,2) (9,1,0) (4,-1,-1) (0,2,3) (1,-1,-1) (0,1,1)");
    EXPECT_EQ(bracket.memberCount[0], 5);
}

// The first deal shuffles 0..mapCount-1 from the clock and deals its first entry.
TEST(EqualMaps, FirstDealShufflesTheOrder) {
    ListHost host;
    host.clock = 987654;
    auto state = stateWith(false, 7, {{0, 1, 2, 3}});
    ASSERT_TRUE(buildSchedules(state, host));
    const auto order = test::shuffledAt(host.clock, 7);
    EXPECT_EQ(state.mapOrder, order);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(state.schedule[0][k].map, order[k]) << k;
    EXPECT_EQ(state.mapCursor, 5);
}

// Random maps continue the generator's sequence, one draw per real match.
TEST(RandomMaps, DrawsInMatchOrderSkippingByes) {
    auto state = stateWith(true, 3, {{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9}});
    state.settings.equalMaps = false;
    state.random.seed(31337);
    built(state, 0);
    Random expected;
    expected.seed(31337);
    for (int g = 0; g < 2; ++g) {
        for (int k = 0; k < state.matchCount[g]; ++k) {
            const Match& m = state.schedule[g][k];
            EXPECT_EQ(m.map, m.second == kNone ? kNone : expected.draw() % 3) << g << "/" << k;
        }
    }
    EXPECT_EQ(state.random.state(), expected.state());
    EXPECT_FALSE(state.mapOrder);
}

// Full assignments over many inputs: the table is the clock's shuffle laid
// out as members then vacancies; counts, translations, capacity and maps.
TEST(Assign, PropertiesOverRandomInputs) {
    std::mt19937 gen(555);
    for (int trial = 0; trial < 3000; ++trial) {
        const int groups = 1 + gen() % 8, places = 1 + gen() % 8;
        const int participants = 1 + gen() % (groups * places), maps = 1 + gen() % 10;
        ListHost host = test::hostWith(participants, maps, gen() % 3 != 0, std::to_string(groups).c_str(),
                                       std::to_string(places).c_str());
        host.clock = gen();
        host.tournament = gen() % 2;
        host.spreadVacancies = gen() % 2;
        host.equalMaps = gen() % 2;
        AssignmentState state;
        ASSERT_EQ(assign(state, host), AssignOutcome::Assigned);
        const Settings& s = state.settings;
        GroupTable expected(groups, std::vector<Pos>(places));
        layGroups(test::shuffledAt(host.clock, s.participantCount), s.spreadVacancies, expected);
        ASSERT_EQ(state.groupTable, expected);

        const int capacity = matchCountFor(s.groupSize, s.tournament);
        std::vector<int> dealt(host.maps.size(), 0), seen(s.participantCount, 0);
        int deals = 0;
        for (int g = 0; g < s.groupCount; ++g) {
            const auto& row = state.groupTable[g];
            const auto firstVacancy = std::find(row.begin(), row.end(), kNone);
            const int members = static_cast<int>(firstVacancy - row.begin());
            ASSERT_TRUE(std::all_of(firstVacancy, row.end(), [](Pos p) { return p == kNone; }));
            for (auto it = row.begin(); it != firstVacancy; ++it) ++seen.at(*it);
            if (g > 0 && s.spreadVacancies) {  // larger groups first, differing by at most one
                EXPECT_LE(members, state.memberCount[g - 1]);
                EXPECT_LE(state.memberCount[0] - members, 1);
            } else if (g > 0) {  // a group starts only when the one before is full
                EXPECT_TRUE(members == 0 || state.memberCount[g - 1] == places);
            }
            ASSERT_EQ(state.memberCount[g], members);
            ASSERT_EQ(state.matchCount[g], matchCountFor(members, s.tournament));
            ASSERT_EQ(static_cast<int>(state.schedule[g].size()), capacity);
            const int firstRound = s.tournament ? (members + 1) / 2 : state.matchCount[g];
            for (int k = 0; k < capacity; ++k) {
                const Match& m = state.schedule[g][k];
                if (k >= state.matchCount[g]) {
                    EXPECT_TRUE(m.first == 0 && m.second == 0 && m.map == 0) << "capacity stays zero";
                    continue;
                }
                if (k < firstRound) {
                    EXPECT_NE(std::find(row.begin(), firstVacancy, m.first), firstVacancy);
                }
                if (m.second == kNone || !s.mapsEnabled) {
                    EXPECT_EQ(m.map, kNone);
                } else {
                    ASSERT_TRUE(m.map >= 0 && m.map < s.mapCount) << m.map;
                    ++dealt[m.map];
                    ++deals;
                }
            }
        }
        EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), s.participantCount) << "everyone placed once";
        EXPECT_TRUE(deals > 0 || !state.mapOrder) << "no map dealt, no order shuffled";
        for (int d : dealt) {
            if (!s.mapsEnabled || !s.equalMaps) break;
            EXPECT_TRUE(d == deals / s.mapCount || d == (deals + s.mapCount - 1) / s.mapCount) << d << " of " << deals;
        }
    }
}

}  // namespace
}  // namespace rl
