// The seeded draw: its rules checked from the group table alone, its
// fairness against the exact count of the arrangements that keep them, and
// its refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

#include "engine/list_host.h"
#include "engine/seeding.h"
#include "resources/seeding.h"
#include "tests/seed_fairness.h"
#include "tests/seed_rules.h"

namespace rl {
namespace {

using test::knockOut;
using test::shape;

// Draws over the seeds 1..N against the exact count: every valid table comes
// out, nothing else does, and a chi-square test (p = 0.001, Wilson-Hilferty)
// finds no bias. The seeds are fixed, so the test is repeatable. Cases with
// no quick tries go straight to the exact count of tag_count.h.
TEST(SeededDraw, EveryValidArrangementEquallyOften) {
    struct Case {
        Settings settings;
        Seeding seeding;
        std::size_t validCount;
        std::uint32_t quickTries = kQuickSeedTries;
    };
    const Case cases[] = {
        {shape(6, 3, 2), {{1, 1, 1, 2, 2, 2}, {"T", "T", "U", "T", "U", "U"}}, 12},
        {shape(5, 2, 3), {{0, 0, 0, 0, 0}, {"T", "T", "T", "U", "U"}}, 72},
        {shape(7, 3, 3, false), {{1, 1, 2, 2, 0, 0, 0}, {"T", "", "T", "U", "T", "U", ""}}, 8},
        {shape(6, 2, 3), {{1, 1, 0, 0, 0, 0}, {"Z", "P", "Z", "Z", "P", "T"}}, 24},
        {shape(5, 2, 3), {{0, 0, 0, 0, 0}, {"T", "T", "T", "U", "U"}}, 72, 0},
        {shape(7, 3, 3), {{1, 1, 1, 0, 0, 0, 0}, {"", "", "", "Z", "Z", "P", "P"}}, 96, 0},
        // Groups of 2, 1 and 1: a pair apart has twice the ways with group A.
        {shape(4, 3, 2), {{0, 0, 0, 0}, {"T", "T", "", ""}}, 20, 0},
        // Tags with pots drawn pot by pot at once, and knock-out groups.
        {shape(6, 3, 2), {{1, 1, 1, 2, 2, 2}, {"T", "T", "U", "T", "U", "U"}}, 12, 0},
        {shape(7, 2, 4), {{1, 1, 2, 2, 3, 0, 0}, {"T", "U", "U", "T", "T", "", "U"}}, 0, 0},
        {knockOut(shape(8, 2, 4)), {{1, 1, 2, 2, 0, 0, 0, 0}, {}}, 96},
        {knockOut(shape(7, 2, 4)), {{1, 1, 2, 0, 0, 0, 0}, {"T", "", "T", "T", "U", "U", ""}}, 0},
    };
    for (const Case& c : cases) test::expectFairDraws(c.settings, c.seeding, c.validCount, c.quickTries);
}

// Random pots and tags through the whole assign step: the rules hold, the
// groups are as full as a plain draw's, and the maps come as a plain draw
// deals them.
TEST(SeededDraw, RulesHoldForRandomPotsAndTags) {
    std::mt19937 random(19);
    int drawn = 0;
    for (int round = 0; round < 3000; ++round) {
        const int groups = 1 + random() % 8, size = 1 + random() % 8, players = 1 + random() % (groups * size);
        ListHost host;
        host.groupCountText = std::to_string(groups), host.groupSizeText = std::to_string(size);
        host.spreadVacancies = random() % 8 != 0, host.tournament = random() % 2;
        host.mapsEnabled = true, host.equalMaps = random() % 2, host.maps = {"m0", "m1", "m2"};
        host.clock = random();
        Seeding seeding;
        const int pots = 1 + random() % size, tags = 1 + random() % 6;
        for (int i = 0; i < players; ++i) {
            host.participants.push_back("p" + std::to_string(i));
            seeding.pots.push_back(static_cast<int>(random() % (pots + 1)));
            seeding.tags.push_back(random() % 3 ? std::string(1, static_cast<char>('A' + random() % tags)) : "");
        }
        AssignmentState plain, seeded;
        SeedRefusal refusal;
        ASSERT_EQ(assign(plain, host), AssignOutcome::Assigned);
        if (assignSeeded(seeded, host, seeding, refusal) != AssignOutcome::Assigned) {
            ASSERT_TRUE(refusal.stringId == IDS_SEED_POT_OVERFULL || refusal.stringId == IDS_SEED_POT_NO_ROOM ||
                        refusal.stringId == IDS_SEED_TAGS_NOT_SPREAD);
            continue;
        }
        ++drawn;
        ASSERT_EQ(test::brokenRule(seeded.groupTable, seeding, host.tournament, host.spreadVacancies), "") << round;
        ASSERT_EQ(seeded.memberCount, plain.memberCount);
        for (int g = 0; g < groups; ++g) {
            for (int m = 0; m < seeded.matchCount[g]; ++m) ASSERT_EQ(seeded.schedule[g][m].map, plain.schedule[g][m].map);
        }
    }
    EXPECT_GT(drawn, 1500);
}

TEST(SeededDraw, WithoutPotsOrTagsIsThePlainDraw) {
    ListHost host;
    for (int i = 0; i < 13; ++i) host.participants.push_back("p" + std::to_string(i));
    host.clock = 2024;
    AssignmentState plain, seeded;
    SeedRefusal refusal;
    assign(plain, host);
    assignSeeded(seeded, host, {std::vector<int>(13, 0), std::vector<std::string>(13)}, refusal);
    EXPECT_EQ(seeded.groupTable, plain.groupTable);
    EXPECT_EQ(seeded.random.state(), plain.random.state());
}

TEST(SeededDraw, RefusalsNameWhatCannotBeKept) {
    struct Case {
        Settings settings;
        Seeding seeding;
        SeedRefusal expected;
    };
    const Case cases[] = {
        {shape(3, 2, 2), {{0, 3, 1}, {}}, {IDS_SEED_POT_RANGE, 2, 3, 0, 2}},
        {shape(3, 2, 2), {{0, 0, 0}, {"", "", std::string(21, 'x')}}, {IDS_SEED_TAG_TOO_LONG, 3, 0, 0, 20}},
        {shape(4, 2, 2), {{1, 2, 1, 1}, {}}, {IDS_SEED_POT_OVERFULL, 0, 1, 3, 2}},
        // Groups of 3, 3 and 1: pot 2's run of the deal comes back to group A.
        {shape(7, 3, 3, false), {{1, 1, 1, 2, 2, 2, 0}, {}}, {IDS_SEED_POT_NO_ROOM, 0, 2, 3, 0}},
        // Groups of 3 and 1 cannot take two of T and two of U apart.
        {shape(4, 2, 3, false), {{0, 0, 0, 0}, {"T", "T", "U", "U"}}, {IDS_SEED_TAGS_NOT_SPREAD, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SeedRefusal r;
        EXPECT_FALSE(seededGroups(c.settings, c.seeding, 5, r));
        EXPECT_EQ(test::fieldsOf(r), test::fieldsOf(c.expected));
    }
}

}  // namespace
}  // namespace rl
