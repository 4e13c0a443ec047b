#pragma once
// The seeded draw's fairness check, shared by its tests: draws over the
// seeds 1..N against every valid table of a small case; every one comes
// out, nothing else does, a chi-square test finds no bias, and a planted
// bias (one table drawn twice as often) is caught.
#include <gtest/gtest.h>

#include "tests/seed_rules.h"

namespace rl::test {

// The settings of a small case: its players, groups and places.
inline Settings shape(int players, int groups, int size, bool spread = true) {
    Settings s;
    s.participantCount = players, s.groupCount = groups, s.groupSize = size, s.spreadVacancies = spread;
    return s;
}

inline Settings knockOut(Settings s) {
    s.format = GroupFormat::Knockout;
    return s;
}

inline void expectFairDraws(const Settings& settings, const Seeding& seeding, std::size_t validCount,
                            std::uint32_t quickTries = kQuickSeedTries) {
    const std::vector<std::string> valid = validTables(settings, seeding);
    if (validCount) {
        ASSERT_EQ(valid.size(), validCount);
    }
    ASSERT_GT(valid.size(), 1u);
    std::map<std::string, int> seen;
    const int draws = 300 * static_cast<int>(valid.size());
    for (int seed = 1; seed <= draws; ++seed) {
        SeedRefusal refusal;
        ++seen[key(*seededGroups(settings, seeding, static_cast<std::uint32_t>(seed), refusal, quickTries))];
    }
    EXPECT_EQ(seen.size(), valid.size()) << "arrangements that never came out";
    EXPECT_TRUE(looksUniform(valid, seen, draws)) << valid.size();
    const int extra = draws / static_cast<int>(valid.size());
    seen[valid.front()] += extra;
    EXPECT_FALSE(looksUniform(valid, seen, draws + extra)) << valid.size();
}

}  // namespace rl::test
