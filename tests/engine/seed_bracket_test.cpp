// Where the seeds sit in a knock-out group, whether a request is drawn
// exactly when an arrangement exists, and the one rule for a typed pot and
// tag.
#include <gtest/gtest.h>

#include <random>

#include "engine/big_count.h"
#include "engine/list_host.h"
#include "engine/pairing.h"
#include "engine/seed_entry.h"
#include "engine/seed_frame.h"
#include "resources/seeding.h"
#include "tests/seed_rules.h"

namespace rl {
namespace {

// The round (0: the first) in which places a and b of a bracket of m can
// first meet, read off the pairings alone.
int meetingRound(int m, int a, int b) {
    const PairList pairs = bracketPairList(m);
    std::vector<std::vector<int>> holds;  // the places each match of the last round holds
    std::size_t next = 0;
    for (int entrants = m, round = 0;; entrants = (entrants + 1) / 2, ++round) {
        std::vector<std::vector<int>> now;
        for (int k = 0; k < (entrants + 1) / 2; ++k, ++next) {
            const Pair& p = pairs[next];
            std::vector<int> in = round ? holds[static_cast<std::size_t>(p.a)] : std::vector<int>{p.a};
            if (p.b != kNone) {
                const auto& other = round ? holds[static_cast<std::size_t>(p.b)] : std::vector<int>{p.b};
                in.insert(in.end(), other.begin(), other.end());
            }
            if (std::count(in.begin(), in.end(), a) && std::count(in.begin(), in.end(), b)) return round;
            now.push_back(in);
        }
        holds = now;
    }
}

int roundsOf(int m) {
    int r = 1;
    while ((1 << r) < m) ++r;
    return r;
}

int placeOfSeed(const std::vector<int>& order, int seed) {
    return static_cast<int>(std::find(order.begin(), order.end(), seed) - order.begin());
}

TEST(SeededBracket, TopSeedsMeetLateAndTheFirstRoundKeepsSeedsApart) {
    EXPECT_EQ(bracketSeedOrder(8), std::vector<int>({1, 8, 4, 5, 2, 7, 3, 6}));
    EXPECT_EQ(bracketSeedOrder(4), std::vector<int>({1, 4, 2, 3}));
    for (int m = 2; m <= 16; ++m) {
        const std::vector<int> order = bracketSeedOrder(m);
        std::vector<int> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        for (int s = 1; s <= m; ++s) ASSERT_EQ(sorted[static_cast<std::size_t>(s - 1)], s) << m;
        EXPECT_EQ(meetingRound(m, placeOfSeed(order, 1), placeOfSeed(order, 2)), roundsOf(m) - 1) << m;
        // As many seeds as first-round matches never meet in it.
        for (int s = 1; s <= (m + 1) / 2; ++s) {
            for (int t = s + 1; t <= (m + 1) / 2; ++t) {
                EXPECT_GT(meetingRound(m, placeOfSeed(order, s), placeOfSeed(order, t)), 0) << m << ' ' << s << ' ' << t;
            }
        }
    }
}

// Small random requests: drawn exactly when a search of every arrangement
// finds one; the draw keeps the rules, and a knock-out group keeps its two
// strongest pots apart until the final. Without spreading, pots alone.
TEST(SeededBracket, DrawnExactlyWhenAnArrangementExists) {
    std::mt19937 random(23);
    int drawn = 0, refused = 0;
    for (int round = 0; round < 1500; ++round) {
        const int groups = 1 + random() % 3, size = 1 + random() % 3;
        const int players = std::min(7, 1 + static_cast<int>(random() % static_cast<unsigned>(groups * size)));
        ListHost host;
        host.groupCountText = std::to_string(groups), host.groupSizeText = std::to_string(size);
        host.spreadVacancies = random() % 3 != 0, host.tournament = random() % 2, host.clock = random();
        Seeding seeding;
        for (int i = 0; i < players; ++i) {
            host.participants.push_back("p" + std::to_string(i));
            seeding.pots.push_back(static_cast<int>(random() % static_cast<unsigned>(size + 1)));
            const bool tagged = host.spreadVacancies && random() % 3;
            seeding.tags.push_back(tagged ? std::string(1, static_cast<char>('A' + random() % 3)) : "");
        }
        AssignmentState plain, seeded;
        SeedRefusal refusal;
        ASSERT_EQ(assign(plain, host), AssignOutcome::Assigned);
        const bool exists = test::anyArrangement(plain.memberCount, seeding, players, host.spreadVacancies);
        const bool made = assignSeeded(seeded, host, seeding, refusal) == AssignOutcome::Assigned;
        ASSERT_EQ(made, exists) << round << " refusal " << refusal.stringId;
        if (!made) {
            ++refused;
            continue;
        }
        ++drawn;
        ASSERT_EQ(test::brokenRule(seeded.groupTable, seeding, host.tournament, host.spreadVacancies), "") << round;
        for (std::size_t g = 0; g < seeded.groupTable.size() && host.tournament; ++g) {
            const auto& row = seeded.groupTable[g];
            const int m = seeded.memberCount[g];
            std::vector<std::pair<int, int>> potted;  // pot, place
            for (int p = 0; p < m; ++p) {
                if (const int pot = test::potOf(seeding, row[static_cast<std::size_t>(p)])) potted.push_back({pot, p});
            }
            std::sort(potted.begin(), potted.end());
            if (potted.size() >= 2) {
                EXPECT_EQ(meetingRound(m, potted[0].second, potted[1].second), roundsOf(m) - 1) << round;
            }
        }
    }
    EXPECT_GT(drawn, 500);
    EXPECT_GT(refused, 50);
}

// A frame from each group's places (the kind of each) and each kind's
// players (the tag of each, -1 for none).
seeding::Frame frameOf(const std::vector<std::vector<int>>& groupKinds, const std::vector<std::vector<int>>& kindTags) {
    seeding::Frame f;
    f.groups = static_cast<int>(groupKinds.size()), f.kinds.resize(kindTags.size()), f.placesOf.resize(groupKinds.size());
    for (std::size_t g = 0; g < groupKinds.size(); ++g) {
        for (int kind : groupKinds[g]) {
            const int place = static_cast<int>(f.places.size());
            f.places.push_back({static_cast<int>(g), static_cast<int>(f.placesOf[g].size())});
            f.kindOf.push_back(kind), f.placesOf[g].push_back(place);
            f.kinds[static_cast<std::size_t>(kind)].places.push_back(place);
        }
    }
    for (std::size_t k = 0; k < kindTags.size(); ++k) {
        for (int tag : kindTags[k]) {
            f.kinds[k].players.push_back(static_cast<int>(f.tagOf.size())), f.tagOf.push_back(tag);
            f.tags = std::max(f.tags, tag + 1);
        }
    }
    return f;
}

// Whether any placement, each kind's players permuted over its places,
// keeps the rules; `t` is left holding the last one tried.
bool anyPlacement(const seeding::Frame& f, seeding::Try& t) {
    std::vector<std::vector<int>> orders;
    for (const seeding::Kind& kind : f.kinds) orders.push_back(kind.players);
    for (;;) {
        std::fill(t.held.begin(), t.held.end(), 0);
        for (std::size_t j = 0; j < f.kinds.size(); ++j) {
            for (std::size_t i = 0; i < orders[j].size(); ++i) {
                const auto place = static_cast<std::size_t>(f.kinds[j].places[i]);
                const int player = orders[j][i], tag = f.tagOf[static_cast<std::size_t>(player)];
                t.at[place] = player;
                if (tag >= 0) ++t.heldOf(f, tag, f.places[place].group);
            }
        }
        if (seeding::tagsSpread(f, t)) return true;
        std::size_t k = 0;
        while (k < orders.size() && !std::next_permutation(orders[k].begin(), orders[k].end())) ++k;
        if (k == orders.size()) return false;
    }
}

seeding::Try tryFor(const seeding::Frame& f) {
    return {std::vector<int>(f.places.size()), std::vector<int>(static_cast<std::size_t>(f.tags * f.groups)),
            std::vector<std::vector<int>>(f.kinds.size())};
}

// Random small frames: the draw of tags with pots says there is no
// arrangement exactly when no placement keeps the rules, whatever an
// earlier try left behind, and draws one whenever there is.
TEST(SeededBracket, TagsWithPotsToldImpossibleExactly) {
    std::mt19937 random(1);
    int impossible = 0;
    for (int round = 0; round < 1000; ++round) {
        std::vector<std::vector<int>> groupKinds(2 + random() % 2), kindTags(1 + random() % 3);
        const auto tags = static_cast<unsigned>(1 + random() % 3);
        for (auto& kinds : groupKinds) {
            for (int row = 0, rows = 1 + static_cast<int>(random() % 4); row < rows; ++row) {
                const auto kind = random() % kindTags.size();
                kinds.push_back(static_cast<int>(kind)), kindTags[kind].push_back(static_cast<int>(random() % (tags + 1)) - 1);
            }
        }
        const seeding::Frame f = frameOf(groupKinds, kindTags);
        seeding::Try t = tryFor(f);
        const bool exists = anyPlacement(f, t);
        Random draw;
        draw.seed(static_cast<std::uint32_t>(round));
        bool told = false;
        ASSERT_EQ(seeding::drawTagsWithPots(f, draw, t, told), exists) << round;
        ASSERT_EQ(told, !exists) << round;
        impossible += told;
    }
    EXPECT_GT(impossible, 15);
    // Too many placements to try every one, and none keeps the rules: told
    // at once because the search keeps every team apart as it goes.
    const seeding::Frame f = frameOf({{0, 1, 1, 0, 0, 1}, {1, 1, 0, 0, 1, 1}, {1, 0, 0, 1, 1, 0}, {0, 1, 0}, {1, 0}},
                                     {{1, 2, 3, 2, 0, 0, 1, 2, 1, -1, 2}, {3, 1, -1, 0, -1, 0, 1, 3, 0, 1, -1, 2}});
    seeding::Try t = tryFor(f);
    Random draw;
    bool told = false;
    EXPECT_FALSE(seeding::drawTagsWithPots(f, draw, t, told));
    EXPECT_TRUE(told);
}

// The hard requests: teams as large as the groups are many, with pots, and
// pots in uneven groups without spreading.
TEST(SeededBracket, HardRequestsAreDrawn) {
    Settings s;
    s.participantCount = 64, s.groupCount = 8, s.groupSize = 8, s.spreadVacancies = true;
    Seeding teams;
    for (int i = 0; i < 64; ++i) teams.pots.push_back(i / 8 + 1), teams.tags.push_back(std::to_string(i * 5 % 8));
    SeedRefusal refusal;
    const auto table = seededGroups(s, teams, 7, refusal);
    ASSERT_TRUE(table);
    EXPECT_EQ(test::brokenRule(*table, teams), "");
    // A seed draws these groups in every version: an event is checked by drawing it again.
    std::string rows;
    for (const auto& group : *table) {
        for (Pos p : group) rows += std::to_string(p) + ' ';
        rows += '|';
    }
    EXPECT_EQ(rows, "1 15 18 30 36 45 48 59 |5 11 22 24 39 41 50 60 |6 10 23 27 32 44 53 57 |2 12 17 31 37 40 51 62 |"
                    "0 13 19 28 33 42 54 63 |4 14 21 25 34 43 55 56 |3 9 16 29 38 47 52 58 |7 8 20 26 35 46 49 61 |");

    Settings uneven;
    uneven.participantCount = 6, uneven.groupCount = 2, uneven.groupSize = 4;
    EXPECT_TRUE(seededGroups(uneven, {{1, 1, 2, 3, 4, 4}, {}}, 1, refusal)) << refusal.stringId;
    // Pots alone: the pots shorter than the list leave the rest without one.
    uneven.spreadVacancies = true;
    const auto shortPots = seededGroups(uneven, {{2}, {}}, 1, refusal);
    ASSERT_TRUE(shortPots);
    EXPECT_EQ((*shortPots)[0][0], 0);
}

TEST(SeededBracket, TheEarlierRuleKeepsPotsInOrderInKnockOutGroups) {
    Settings s;
    s.participantCount = 8, s.groupCount = 2, s.groupSize = 4, s.spreadVacancies = true;
    s.format = GroupFormat::Knockout;
    const Seeding seeding{{1, 1, 2, 2, 0, 0, 0, 0}, {}};
    SeedRefusal refusal;
    const auto now = *seededGroups(s, seeding, 5, refusal);
    const auto before = *seededGroups(s, seeding, 5, refusal, kQuickSeedTries, SeedRule::PotsInOrder);
    for (std::size_t g = 0; g < 2; ++g) {
        EXPECT_EQ(test::potOf(seeding, before[g][0]), 1);
        EXPECT_EQ(test::potOf(seeding, before[g][1]), 2);
        const std::vector<int> order = bracketSeedOrder(4);
        for (std::size_t p = 0; p < 4; ++p) EXPECT_EQ(now[g][p], before[g][static_cast<std::size_t>(order[p] - 1)]);
    }
    s.format = GroupFormat::League;
    EXPECT_EQ(*seededGroups(s, seeding, 5, refusal), *seededGroups(s, seeding, 5, refusal, kQuickSeedTries, SeedRule::PotsInOrder));
}

TEST(SeededBracket, RandomNumbersTakeAsFewDrawsAsTheyNeed) {
    for (std::uint64_t n : {2u, 32768u, 32769u}) {
        Random random, copy;
        random.seed(9), copy.seed(9);
        const std::uint64_t value = seeding::uniformBelow(random, n);
        EXPECT_LT(value, n);
        int draws = 0;
        while (copy.state() != random.state()) copy.draw(), ++draws;
        EXPECT_EQ(draws, n <= 32768 ? 1 : 2) << n;  // seed 9 draws nothing past the limits
    }
    // A count whose top word uses all 32 bits still reaches its upper half.
    const Count bound(0xFFFFFFFFu), half(0x80000000u);
    Random random;
    int upper = 0;
    for (int i = 0; i < 64; ++i) {
        const Count value = bound.uniformBelow(random);
        EXPECT_TRUE(value.less(bound));
        upper += !value.less(half);
    }
    EXPECT_GT(upper, 16);
}

TEST(SeedEntry, OneRuleForTheWindowAndTheList) {
    struct Case {
        const char* pot;
        std::string tag;
        const char* cli;
        SeedRefusal window;  // for row 3
    };
    const Case cases[] = {
        {" 3 ", " Zerg ", "", {}},
        {"", "", "", {}},
        {"9", "", "the pot must be a number from 1 to 8, not '9'", {IDS_SEED_POT_RANGE, 3, 9, 0, 8}},
        {"12", "", "the pot must be a number from 1 to 8, not '12'", {IDS_SEED_POT_RANGE, 3, 12, 0, 8}},
        {"0", "", "the pot must be a number from 1 to 8, not '0'", {IDS_SEED_POT_RANGE, 3, 0, 0, 8}},
        {"x", "", "the pot must be a number from 1 to 8, not 'x'", {IDS_SEED_POT_NOT_NUMBER, 3, 0, 0, 8}},
        {"01", "", "the pot must be a number from 1 to 8, not '01'", {IDS_SEED_POT_NOT_NUMBER, 3, 0, 0, 8}},
        {"1", std::string(21, 'x'), "the tag takes 21 bytes in code page 949, more than 20",
         {IDS_SEED_TAG_TOO_LONG, 3, 0, 0, 20}},
        {"1", std::string(20, 'x'), "", {}},
        {"1", "a\nb", "the tag contains a control character", {IDS_SEED_TAG_CONTROL, 3, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const SeedEntryCheck check = checkSeedEntry(c.pot, c.tag, 8);
        EXPECT_EQ(seedEntryProblem(check, 8), c.cli) << c.pot;
        EXPECT_EQ(test::fieldsOf(seedEntryRefusal(check, 3, 8)), test::fieldsOf(c.window)) << c.pot;
    }
    EXPECT_EQ(checkSeedEntry(" 3 ", " Zerg ", 8).tag, "Zerg");
    EXPECT_EQ(seedEntryRefusalText(checkSeedEntry("9", "", 4), 3, 4), seedRefusalText({IDS_SEED_POT_RANGE, 3, 9, 0, 4}));
}

}  // namespace
}  // namespace rl
