// Whatever the window program does to its event, the file it writes opens
// again as the same event, and rosterloom-cli gives the window's text for it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "cases.h"
#include "platform/front_end.h"
#include "cli/run.h"
#include "event/actions.h"
#include "event/team_actions.h"
#include "event_walk.h"
#include "text/export_text.h"

namespace rl::event {
namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// rosterloom-cli --event on the file, its text as written to a file.
std::string cliText(const std::string& eventBytes) {
    // ctest runs the tests side by side, and other build trees run them: a
    // folder of this tree's and this test's own.
    const auto tree = std::hash<std::string>()(std::filesystem::current_path().string());
    const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
    const auto folder = std::filesystem::temp_directory_path() / ("rosterloom-event-walk-" + std::to_string(tree) + "-" + test);
    std::filesystem::create_directories(folder);
    const auto file = folder / "event.json";
    const auto out = folder / "text.txt";
    std::ofstream(file, std::ios::binary) << eventBytes;
    EXPECT_EQ(cli::runCli({"--event", file.string(), "--output", out.string()}), 0);
    return readFile(out);
}

bool anythingEntered(const Event& event) {
    return resultCount(event) > 0 || !event.playoff.settled.empty() || event.playoff.perGroup != 0;
}

void expectKeptWhole(const Event& event, const std::string& history) {
    const FrontEnd frontEnd = platform::eventFrontEnd();
    const auto bytes = writeEvent(event, frontEnd);
    ASSERT_TRUE(bytes) << history;
    const ReadOutcome read = readEvent(*bytes, frontEnd);
    ASSERT_TRUE(read.ok()) << read.error << "\nafter:\n" << history << *bytes;
    EXPECT_EQ(writeEvent(*read.event, frontEnd), bytes) << history;
    // Replacements and swaps leave the draw as drawn to be checked.
    if (!event.changes.empty()) {
        EXPECT_EQ(drawDifference(event, frontEnd).kind, event.placedByHand ? Redraw::PlacedByHand : Redraw::Same) << history;
    }
    ListHost host = hostFor(event);
    const std::string expected = anythingEntered(event) ? eventStandingsText(event) : exportFileText(event.state, host);
    EXPECT_EQ(cliText(*bytes), expected) << history;
}

TEST(EventChanges, EveryStateTheWindowReachesIsWrittenAndReadBackWhole) {
    std::mt19937 generator(20261208);
    const test::Pick pick = [&](unsigned n) { return static_cast<unsigned>(generator() % n); };
    int walks = 0, changed = 0, paired = 0, raced = 0, spread = 0, moved = 0;
    while (walks < 60) {
        std::optional<Event> event = test::randomEvent(pick);
        if (!event) continue;
        ++walks;
        raced += anyRaceGiven(*event, event->participants.size());
        spread += event->seeding.spreadRaces && anyRaceGiven(*event, event->participants.size());
        std::string history = "a draw of " + std::to_string(event->participants.size()) + "\n";
        expectKeptWhole(*event, history);
        for (int step = 0; step < 40 && !testing::Test::HasFailure(); ++step) {
            const std::string change = test::randomChange(*event, pick);
            paired += change.find(" paired ") != std::string::npos && change.find("(refused)") == std::string::npos;
            moved += change.rfind("move ", 0) == 0 && change.find("(refused)") == std::string::npos;
            history += change + "\n";
            EXPECT_EQ(change.rfind("FAULT", 0), std::string::npos) << history;
            expectKeptWhole(*event, history);
        }
        if (testing::Test::HasFailure()) return;
        changed += !event->changes.empty();
    }
    EXPECT_GT(changed, 10) << "walks with a replacement or a swap";
    EXPECT_GT(paired, 0) << "no walk reached a playoff of the organiser's own pairs";
    EXPECT_GT(raced, 5) << "walks of an event with races";
    EXPECT_GT(spread, 0) << "walks of a draw that spread races";
    EXPECT_GT(moved, 1) << "walks with a move to an empty place";
}

// The same for team leagues, their sets and entries among the changes.
TEST(EventChanges, EveryStateOfATeamLeagueIsWrittenAndReadBackWhole) {
    std::mt19937 generator(20261209);
    const test::Pick pick = [&](unsigned n) { return static_cast<unsigned>(generator() % n); };
    int walks = 0, sets = 0, decided = 0, entries = 0, raced = 0, oneSided = 0, newTeams = 0, newTeamsPlayed = 0;
    while (walks < 30 && !testing::Test::HasFailure()) {
        std::optional<Event> event = test::randomEvent(pick, true);
        if (!event) continue;
        ++walks;
        raced += team::anyRosterRace(*event->teams);
        std::string history = "a team league of " + std::to_string(event->participants.size()) + "\n";
        expectKeptWhole(*event, history);
        for (int step = 0; step < 40 && !testing::Test::HasFailure(); ++step) {
            const std::string change = test::randomChange(*event, pick);
            const bool taken = change.find("(refused)") == std::string::npos;
            sets += change.rfind("set ", 0) == 0 && taken;
            entries += change.rfind("entry ", 0) == 0 && taken;
            oneSided += change.rfind("entry ", 0) == 0 && change.find(" one side") != std::string::npos && taken;
            newTeams += change.rfind("replace ", 0) == 0 && change.find(" with ") != std::string::npos && taken;
            history += change + "\n";
            expectKeptWhole(*event, history);
            for (const auto& [key, play] : event->teams->plays) {
                decided += setsResult(*event, key).has_value();
                MatchState m;
                matchNow(*event, key, m);
                newTeamsPlayed += !play.sets.empty() && std::max(m.first, m.second) >= static_cast<Pos>(inputCount(*event));
            }
        }
    }
    EXPECT_GT(sets, 30) << "sets taken";
    EXPECT_GT(entries, 5) << "entries taken";
    EXPECT_GT(oneSided, 2) << "entries of one team alone";
    EXPECT_GT(newTeamsPlayed, 0) << "sets of a team a replacement brought in (of " << newTeams << " such teams)";
    EXPECT_GT(decided, 5) << "team matches their sets decided";
    EXPECT_GT(raced, 3) << "team leagues with races";
}

// Walkovers and withdrawals keep every table sound, and a withdrawal taken
// back at once leaves the event as it was (an order it broke aside).
TEST(EventChanges, WithdrawalsKeepTheTablesSoundAndTakeBackWhole) {
    const FrontEnd frontEnd = platform::eventFrontEnd();
    std::mt19937 generator(20261209);
    const test::Pick pick = [&](unsigned n) { return static_cast<unsigned>(generator() % n); };
    int withdrawals = 0, walks = 0;
    while (walks < 150) {
        std::optional<Event> event = test::randomEvent(pick);
        if (!event) continue;
        ++walks;
        std::string history;
        for (int step = 0; step < 40; ++step) {
            history += (pick(3) ? test::randomChange(*event, pick) : test::randomWithdrawal(*event, pick)) + "\n";
            const std::string fault = test::withdrawalFault(*event);
            ASSERT_EQ(fault, "") << history;
            Event withdrawn = *event;
            const Pos player = test::randomPlayer(*event, pick);
            if (!event->playoff.settled.empty() || !withdraw(withdrawn, player)) continue;
            ++withdrawals;
            ASSERT_EQ(test::withdrawalFault(withdrawn), "") << history << "withdraw " << player;
            ASSERT_TRUE(takeBackWithdrawal(withdrawn, player));
            ASSERT_EQ(writeEvent(withdrawn, frontEnd), writeEvent(*event, frontEnd)) << history << "take back " << player;
        }
    }
    EXPECT_GT(withdrawals, 1000);
}

// Of two players of one match who both withdraw, the later goes on: the
// match was already theirs when the other left.
TEST(EventChanges, TheLaterOfTwoToWithdrawGoesOn) {
    ListHost host = test::hostFrom("players 2 groups 1 size 2 clock 1");
    AssignmentState state;
    ASSERT_EQ(assign(state, host), AssignOutcome::Assigned);
    const Match& match = state.schedule[0][0];
    for (const auto& [earlier, later] : {std::pair(match.first, match.second), std::pair(match.second, match.first)}) {
        Event event = eventFromDraw(state, Results(), host, host.clock, std::nullopt, "2026-12-08T19:30:00");
        ASSERT_TRUE(withdraw(event, earlier));
        ASSERT_TRUE(withdraw(event, later));
        EXPECT_EQ(groupStandings(event.state, event.results, 0).matches[0].winner, later);
    }
}

// An order settled before the playoff is part of the event; a result that
// breaks its tie lets it go, and undoing the playoff takes every order.
TEST(EventChanges, SettledOrdersFollowTheResults) {
    ListHost host = test::hostFrom("players 4 groups 1 size 4 clock 3");
    AssignmentState state;
    ASSERT_EQ(assign(state, host), AssignOutcome::Assigned);
    Event event = eventFromDraw(state, Results(), host, host.clock, std::nullopt, "2026-12-08T19:30:00");
    const auto ties = tiesToSettle(event.state, event.results, kMaxPlayoffPlayers, {});
    ASSERT_EQ(ties.size(), 1u);
    std::vector<Pos> reversed(ties[0].members.rbegin(), ties[0].members.rend());
    ASSERT_TRUE(settleTie(event, {0, reversed}));
    EXPECT_FALSE(settleTie(event, {0, {reversed[0]}}));
    ASSERT_TRUE(settleTie(event, {0, ties[0].members}));
    ASSERT_EQ(event.playoff.settled.size(), 1u);
    EXPECT_EQ(event.playoff.settled[0].order, ties[0].members);

    ASSERT_TRUE(checkEventResult(event, {0, 1}, {2, 0}).ok());
    recordResult(event, {0, 1}, {2, 0});
    EXPECT_TRUE(event.playoff.settled.empty());
    EXPECT_EQ(resultCount(event), 1);
    EXPECT_TRUE(clearResult(event, {0, 1}));
    EXPECT_FALSE(clearResult(event, {0, 1}));
}

// The playoff fixes the groups' results it was made from; its own results
// count among the evening's.
TEST(EventChanges, ThePlayoffLocksTheGroupsAndCountsItsResults) {
    ListHost host = test::hostFrom("players 4 groups 2 size 2 clock 8");
    AssignmentState state;
    ASSERT_EQ(assign(state, host), AssignOutcome::Assigned);
    Event event = eventFromDraw(state, Results(), host, host.clock, std::nullopt, "2026-12-08T19:30:00");
    EXPECT_EQ(checkEventResult(event, {kPlayoffGroup, 1}, {1, 0}).problem, ChangeProblem::NoPlayoff);
    EXPECT_FALSE(makePlayoff(event, {1, false, {}, {}}).empty());
    for (int g = 0; g < 2; ++g) recordResult(event, {g, 1}, {1, 0});
    ASSERT_TRUE(makePlayoff(event, {1, false, {}, {}}).empty());
    EXPECT_EQ(checkEventResult(event, {0, 1}, {0, 1}).problem, ChangeProblem::GroupsLocked);
    EXPECT_FALSE(clearResult(event, {0, 1}));
    const ResultCheck tie = checkEventResult(event, {kPlayoffGroup, 1}, {1, 1});
    EXPECT_EQ(tie.problem, ChangeProblem::Result);
    EXPECT_EQ(tie.result, ResultProblem::Tie);
    recordResult(event, {kPlayoffGroup, 1}, {0, 2});
    EXPECT_EQ(resultCount(event), 3);
    undoPlayoff(event);
    EXPECT_EQ(resultCount(event), 2);
    EXPECT_EQ(event.playoff.perGroup, 0);
}

// A knock-out's games: games that give the match another winner take the
// later results with them, games under way take its result away, and a score
// entered alone keeps only games that count to it.
TEST(EventChanges, GamesGiveTheScoreAndTakeWhatFollowedFromIt) {
    ListHost host = test::hostFrom("players 4 maps 3 groups 1 size 4 with-maps tournament clock 5");
    AssignmentState state;
    ASSERT_EQ(assign(state, host, {false, 3}), AssignOutcome::Assigned);
    Event event = eventFromDraw(state, Results(), host, host.clock, std::nullopt, "2026-12-08T19:30:00");
    for (int match : {1, 2, 3}) recordResult(event, {0, match}, {2, 0});
    const std::vector<Game> upset{{false, 2}, {false, kNone}};
    ASSERT_TRUE(checkEventGames(event, {0, 1}, upset).ok());
    recordGames(event, {0, 1}, upset);
    EXPECT_EQ(*event.results.find({0, 1}), (Score{0, 2}));
    EXPECT_EQ(event.results.games({0, 1})[1].map, event.state.schedule[0][0].laterMaps[0]);  // as dealt
    EXPECT_EQ(event.results.find({0, 3}), nullptr);
    recordGames(event, {0, 1}, {{true, 1}});
    EXPECT_EQ(event.results.find({0, 1}), nullptr);
    EXPECT_EQ(resultCount(event), 2);
    const ResultCheck after = checkEventGames(event, {0, 1}, {{true, 0}, {true, 0}, {false, 0}});
    EXPECT_EQ(after.result, ResultProblem::GamesAfterDecided);
    EXPECT_EQ(after.game, 3);
    EXPECT_EQ(checkEventGames(event, {0, 1}, {{true, 3}}).result, ResultProblem::MapNotInList);
    EXPECT_EQ(checkEventGames(event, {0, 3}, {{true, 0}}).result, ResultProblem::PlayersNotKnown);
    recordGames(event, {0, 1}, {{true, 1}, {false, 1}, {true, 1}});
    recordResult(event, {0, 1}, {2, 1});
    EXPECT_EQ(event.results.games({0, 1}).size(), 3u);
    recordResult(event, {0, 1}, {2, 0});
    EXPECT_TRUE(event.results.games({0, 1}).empty());
}

}  // namespace
}  // namespace rl::event
