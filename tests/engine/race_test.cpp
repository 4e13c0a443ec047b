// Races in the draw: the race column's one rule, the spread-races draw
// against a search of every arrangement, its fairness against the exact
// count, and that races change nothing unless the draw asks for them.
#include <gtest/gtest.h>

#include <random>

#include "engine/list_host.h"
#include "engine/race.h"
#include "engine/race_count.h"
#include "engine/seed_entry.h"
#include "resources/seeding.h"
#include "tests/seed_fairness.h"
#include "tests/seed_rules.h"

namespace rl {
namespace {

using test::knockOut;
using test::shape;

constexpr Race N = Race::None, T = Race::Terran, Z = Race::Zerg, P = Race::Protoss, R = Race::Random;

Seeding spreading(std::vector<int> pots, std::vector<std::string> tags, std::vector<Race> races) {
    return {std::move(pots), std::move(tags), std::move(races), true};
}

TEST(RaceColumn, LettersInEitherCaseAndTheKoreanNames) {
    const std::pair<const char*, std::optional<Race>> cases[] = {
        {"T", T}, {"t", T}, {" z ", Z}, {"P", P}, {"r", R}, {"테란", T}, {"저그", Z}, {" 프로토스\t", P},
        {"랜덤", R}, {"", N}, {"  ", N}, {"X", std::nullopt}, {"TZ", std::nullopt}, {"Terran", std::nullopt},
        {"테", std::nullopt}, {"\xC5", std::nullopt},
    };
    for (const auto& [text, race] : cases) EXPECT_EQ(parseRace(text), race) << text;
    for (Race race : {T, Z, P, R}) {
        EXPECT_EQ(parseRace(raceName(race)), race);
        EXPECT_EQ(parseRace(raceLetter(race)), race);
    }
    EXPECT_EQ(raceEntryProblem(" Q "), "the race must be T, Z, P or R, or its name in Korean, not 'Q'");
    EXPECT_EQ(seedRefusalText(raceEntryRefusal(4)).rfind("4번째 참가자의 종족은", 0), 0u);
    SeedRefusal race{IDS_SEED_RACE_NOT_SPREAD};
    race.race = P, race.players = 3;
    EXPECT_EQ(seedRefusalText(race).rfind("프로토스 3명을", 0), 0u);
}

// Small random requests with races, pots and tags: drawn exactly when a
// search of every arrangement finds one that keeps all three rules, and the
// draw then keeps them. Without spreading the vacancies the deal alone says
// which groups a pot goes to, so the search, which knows no deal, is given
// pots only with spreading.
TEST(SpreadRaces, DrawnExactlyWhenAnArrangementExists) {
    std::mt19937 random(41);
    int drawn = 0, refused = 0;
    for (int round = 0; round < 2500; ++round) {
        const int groups = 1 + random() % 3, size = 1 + random() % 3;
        const int players = std::min(7, 1 + static_cast<int>(random() % static_cast<unsigned>(groups * size)));
        ListHost host;
        host.groupCountText = std::to_string(groups), host.groupSizeText = std::to_string(size);
        host.spreadVacancies = random() % 2 != 0, host.tournament = random() % 2, host.clock = random();
        Seeding seeding;
        seeding.spreadRaces = true;
        for (int i = 0; i < players; ++i) {
            host.participants.push_back("p" + std::to_string(i));
            const bool potted = host.spreadVacancies && random() % 2;
            seeding.pots.push_back(potted ? static_cast<int>(random() % static_cast<unsigned>(size + 1)) : 0);
            const bool tagged = host.spreadVacancies && random() % 3 == 0;
            seeding.tags.push_back(tagged ? std::string(1, static_cast<char>('A' + random() % 2)) : "");
            seeding.races.push_back(static_cast<Race>(random() % 3 + 1));  // fewer races: more refusals
        }
        AssignmentState plain, seeded;
        SeedRefusal refusal;
        ASSERT_EQ(assign(plain, host), AssignOutcome::Assigned);
        const bool exists = test::anyArrangement(plain.memberCount, seeding, players, host.spreadVacancies);
        const bool made = assignSeeded(seeded, host, seeding, refusal) == AssignOutcome::Assigned;
        ASSERT_EQ(made, exists) << round << " refusal " << refusal.stringId;
        if (!made) {
            ++refused;
            EXPECT_NE(seedRefusalText(refusal), "") << round;
            continue;
        }
        ++drawn;
        ASSERT_EQ(test::brokenRule(seeded.groupTable, seeding, host.tournament, host.spreadVacancies), "") << round;
    }
    EXPECT_GT(drawn, 500);
    EXPECT_GT(refused, 30);
}

// Three pots and more, where the count would be given up: the flows and the
// search that then decide alone tell, on small random requests with three
// pots, exactly whether a search of every arrangement finds one. The flows
// never refuse one that exists; the last two requests pass them and only
// the search refuses them (in the first, A holds pot 1's zerg, B and C pot
// 2's protoss, so B takes pot 3's zerg and C the zerg without pot, leaving A
// both terrans).
TEST(SpreadRaces, FlowsAndSearchTellWhetherAnArrangementExists) {
    struct Request {
        int groups, size;
        std::vector<int> pots;
        std::vector<Race> races;
    };
    std::mt19937 random(53);
    std::vector<Request> requests;
    for (int round = 0; round < 1500; ++round) {
        Request r{2 + static_cast<int>(random() % 2), 3 + static_cast<int>(random() % 2), {}, {}};
        const int players = std::min(8, 4 + static_cast<int>(random() % static_cast<unsigned>(r.groups * r.size - 3)));
        for (int i = 0; i < players; ++i) {
            r.pots.push_back(i < 3 * r.groups && random() % 4 ? 1 + i % 3 : 0);
            r.races.push_back(static_cast<Race>(random() % 3 + 1));
        }
        requests.push_back(std::move(r));
    }
    requests.push_back({3, 3, {3, 0, 2, 0, 3, 1, 2}, {Z, T, P, Z, T, Z, P}});
    requests.push_back({3, 4, {3, 1, 0, 2, 1, 4, 2}, {T, P, R, P, R, Z, R}});
    int exist = 0, byFlows = 0, bySearch = 0;
    for (std::size_t round = 0; round < requests.size(); ++round) {
        const Request& r = requests[round];
        ListHost host;
        host.groupCountText = std::to_string(r.groups), host.groupSizeText = std::to_string(r.size);
        for (std::size_t i = 0; i < r.pots.size(); ++i) host.participants.push_back("p" + std::to_string(i));
        const Seeding seeding = spreading(r.pots, {}, r.races);
        AssignmentState plain;
        ASSERT_EQ(assign(plain, host), AssignOutcome::Assigned);
        seeding::Frame frame;
        if (seeding::makeFrame(plain.settings, seeding, frame)) continue;
        const bool exists = test::anyArrangement(plain.memberCount, seeding, static_cast<int>(r.pots.size()), true);
        SeedRefusal refusal;
        const bool refused = seeding::refusedUnspread(frame, refusal);
        const seeding::RaceCountOutcome found = seeding::RaceCounter(frame, 1u << 20).search();
        ASSERT_NE(found, seeding::RaceCountOutcome::TooLarge) << round;
        ASSERT_EQ(found == seeding::RaceCountOutcome::Counted, exists) << round;
        ASSERT_FALSE(exists && refused) << round;
        if (round + 2 >= requests.size()) {
            ASSERT_FALSE(exists || refused) << round;
        }
        exist += exists, byFlows += refused, bySearch += !exists && !refused;
    }
    EXPECT_GT(exist, 300);
    EXPECT_GT(byFlows, 50);
    EXPECT_GE(bySearch, 2);
}

// Random requests up to the limits: every race spread, the pots and tags
// kept, the groups as full as a plain draw's; and the same request without
// the choice is the draw it always was, whatever the races.
TEST(SpreadRaces, RulesHoldForRandomRequests) {
    std::mt19937 random(7);
    int drawn = 0;
    for (int round = 0; round < 400; ++round) {
        const int groups = 1 + random() % 8, size = 1 + random() % 8, players = 1 + random() % (groups * size);
        ListHost host;
        host.groupCountText = std::to_string(groups), host.groupSizeText = std::to_string(size);
        host.spreadVacancies = random() % 6 != 0, host.tournament = random() % 2, host.clock = random();
        Seeding seeding;
        const int pots = static_cast<int>(random() % 3), tags = 1 + random() % 12;
        for (int i = 0; i < players; ++i) {
            host.participants.push_back("p" + std::to_string(i));
            seeding.pots.push_back(i < pots * groups ? i / groups + 1 : 0);
            seeding.tags.push_back(random() % 4 == 0 ? std::string(1, static_cast<char>('A' + random() % tags)) : "");
            seeding.races.push_back(static_cast<Race>(random() % 5));
        }
        AssignmentState plain, unasked, without, spread;
        ASSERT_EQ(assign(plain, host), AssignOutcome::Assigned);
        SeedRefusal refusal;
        Seeding raceless = seeding;
        raceless.races.clear();
        assignSeeded(unasked, host, seeding, refusal);
        assignSeeded(without, host, raceless, refusal);
        ASSERT_EQ(unasked.groupTable, without.groupTable) << round;
        seeding.spreadRaces = true;
        if (assignSeeded(spread, host, seeding, refusal) != AssignOutcome::Assigned) continue;
        ++drawn;
        ASSERT_EQ(test::brokenRule(spread.groupTable, seeding, host.tournament, host.spreadVacancies), "") << round;
        ASSERT_EQ(spread.memberCount, plain.memberCount);
    }
    EXPECT_GT(drawn, 300);
}

// Every valid table of small cases comes out, nothing else, equally often
// (chi-square, p = 0.001), and a planted bias is caught.
TEST(SpreadRaces, EveryValidArrangementEquallyOften) {
    struct Case {
        Settings settings;
        Seeding seeding;
        std::size_t validCount;
    };
    const Case cases[] = {
        {shape(6, 2, 3), spreading({}, {}, {T, T, Z, Z, P, P}), 8 * 6 * 6},
        {shape(6, 3, 2), spreading({1, 1, 1, 0, 0, 0}, {}, {T, Z, T, Z, P, R}), 0},
        // Groups of 3 and 1 without spreading: the lone place must take a terran.
        {shape(4, 2, 3, false), spreading({}, {}, {T, T, T, Z}), 18},
        {shape(7, 3, 3), spreading({1, 1, 1, 0, 0, 0, 0}, {"", "A", "", "A", "", "B", "B"}, {T, T, Z, Z, P, N, R}), 0},
        {knockOut(shape(8, 2, 4)), spreading({1, 1, 0, 0, 0, 0, 0, 0}, {}, {T, Z, T, Z, P, P, R, N}), 0},
    };
    for (const Case& c : cases) test::expectFairDraws(c.settings, c.seeding, c.validCount);
}

TEST(SpreadRaces, RefusalsNameWhatCannotBePlaced) {
    struct Case {
        Settings settings;
        Seeding seeding;
        SeedRefusal expected;
    };
    // 59 in groups of 8 without spreading: H's three places are the pots'
    // and must each take a terran (24, three a group); pot 1 has none.
    Seeding threePots = spreading({}, {}, {});
    for (int i = 0; i < 59; ++i) {
        threePots.pots.push_back(i < 24 ? i / 8 + 1 : 0);
        threePots.races.push_back(i >= 8 && i <= 54 && i % 2 == 0 ? T : static_cast<Race>(2 + i % 3));
    }
    const Case cases[] = {
        {shape(59, 8, 8, false), threePots, {IDS_SEED_RACE_NOT_SPREAD, 0, 0, 24, 0, T}},
        // Groups of 3 and 1: group B's one place is pot 1's, so the two
        // terrans without pot both go to A.
        {shape(4, 2, 3, false), spreading({1, 1, 0, 0}, {}, {N, N, T, T}), {IDS_SEED_RACE_NOT_SPREAD, 0, 0, 2, 0, T}},
        // Groups of 3 and 1: the lone place cannot take a terran and a zerg.
        {shape(4, 2, 3, false), spreading({}, {}, {T, T, Z, Z}), {IDS_SEED_RACES_NOT_SPREAD}},
    };
    for (const Case& c : cases) {
        SeedRefusal r;
        EXPECT_FALSE(seededGroups(c.settings, c.seeding, 5, r));
        EXPECT_EQ(test::fieldsOf(r), test::fieldsOf(c.expected));
    }
}

}  // namespace
}  // namespace rl
