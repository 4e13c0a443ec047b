// The event file: what a draw writes reads back to the same event, and every
// fault a file can have is refused with one message naming its place.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>

#include "cases.h"
#include "event/event.h"
#include "platform/front_end.h"

namespace rl::event {
namespace {

FrontEnd cliFrontEnd() {
    return platform::eventFrontEnd();
}

Event drawn(const std::string& inputs, int resultsEvery = 1) {
    ListHost host = test::hostFrom(inputs);
    AssignmentState state;
    EXPECT_EQ(assign(state, host), AssignOutcome::Assigned) << inputs;
    Results results;
    for (int g = 0; g < state.settings.groupCount; ++g) {
        for (int n = 1; n <= state.matchCount[g]; ++n) {
            const Score score{(n * 7 + g) % 3, 3};
            if (n % resultsEvery == 0 && checkResult(state, results, {g, n}, score) == ResultProblem::None) {
                results.set({g, n}, score);
            }
        }
    }
    return eventFromDraw(state, results, host, host.clock, std::nullopt, "2026-12-07T19:30:00");
}

TEST(EventFile, WhatIsWrittenReadsBackToTheSameEvent) {
    for (const char* inputs : {"players 7 maps 2 with-maps groups 2 size 4 clock 2024",
                               "players 7 maps 2 with-maps groups 2 size 4 tournament clock 2024",
                               "players 64 maps 10 with-maps groups 8 size 8 clock 5",
                               "players 37 groups 8 size 8 sequential tournament clock 9",
                               "players 1 groups 1 size 1 clock 1",
                               "name Kim name Kim name Lee name Kim players 3 groups 2 size 4 tournament clock 4"}) {
        const Event event = drawn(inputs);
        const auto bytes = writeEvent(event, cliFrontEnd());
        ASSERT_TRUE(bytes) << inputs;
        const ReadOutcome read = readEvent(*bytes, cliFrontEnd());
        ASSERT_TRUE(read.ok()) << inputs << ": " << read.error;
        EXPECT_EQ(writeEvent(*read.event, cliFrontEnd()), bytes) << inputs;
        EXPECT_EQ(read.event->results.all().size(), event.results.all().size()) << inputs;
    }
}

// Participants of one name with their own pots and tags keep them, and
// their places, through a write and a read, whatever the seed put where.
TEST(EventFile, ParticipantsOfOneNameKeepTheirOwnPotsAndTags) {
    const Seeding seeding{{0, 1, 2, 0, 1, 0}, {"Zerg", "Terran", "", "Zerg", "", ""}};
    for (std::uint32_t seed = 1; seed <= 24; ++seed) {
        ListHost host = test::hostFrom("name X name X name X name X name A name B groups 3 size 2 clock " +
                                       std::to_string(seed));
        AssignmentState state;
        SeedRefusal refusal;
        ASSERT_EQ(assignSeeded(state, host, seeding, refusal), AssignOutcome::Assigned) << seed;
        Event event = eventFromDraw(state, {}, host, seed, std::nullopt, "2026-12-07T19:30:00");
        event.seeded = true;
        event.seeding = seeding;
        const auto bytes = writeEvent(event, cliFrontEnd());
        ASSERT_TRUE(bytes);
        const ReadOutcome read = readEvent(*bytes, cliFrontEnd());
        ASSERT_TRUE(read.ok()) << "seed " << seed << ": " << read.error;
        for (std::size_t g = 0; g < state.groupTable.size(); ++g) {
            for (std::size_t p = 0; p < state.groupTable[g].size(); ++p) {
                const Pos was = state.groupTable[g][p], is = read.event->state.groupTable[g][p];
                ASSERT_EQ(was == kNone, is == kNone) << seed;
                if (was == kNone) continue;
                EXPECT_EQ(seeding.pots[static_cast<std::size_t>(is)], seeding.pots[static_cast<std::size_t>(was)]) << seed;
                EXPECT_EQ(seeding.tags[static_cast<std::size_t>(is)], seeding.tags[static_cast<std::size_t>(was)]) << seed;
            }
        }
    }
}

// A verified draw is one whose every place and map its seed gives again;
// participants of one name are the same to anyone reading it.
TEST(EventFile, DrawDifferenceNamesTheFirstPlaceOrMap) {
    Event event = drawn("name Kim name Kim players 5 maps 3 with-maps random-maps groups 2 size 4 clock 11");
    EXPECT_EQ(drawDifference(event, cliFrontEnd()).kind, Redraw::Same);
    for (auto& row : event.state.groupTable) {
        for (Pos& p : row) p = p == 0 ? 1 : p == 1 ? 0 : p;
    }
    EXPECT_EQ(drawDifference(event, cliFrontEnd()).kind, Redraw::Same) << "swapping the two Kims changes nothing";

    Match& last = event.state.schedule[1][static_cast<std::size_t>(event.state.matchCount[1] - 1)];
    last.map = static_cast<Pos>((last.map + 1) % 3);
    const RedrawOutcome difference = drawDifference(event, cliFrontEnd());
    ASSERT_EQ(difference.kind, Redraw::Differs);
    EXPECT_NE(difference.detail.find("group B, match " + std::to_string(event.state.matchCount[1]) + " map: the file has"),
              std::string::npos) << difference.detail;

    std::swap(event.state.groupTable[0][0], event.state.groupTable[1][0]);
    EXPECT_EQ(drawDifference(event, cliFrontEnd()).detail.substr(0, 16), "group A, place 1");
}

// A seeded knock-out event drawn before pots took a seeded bracket's places
// is told as drawn by that earlier rule, not as a forgery; a league drawn
// either way is the same draw.
TEST(EventFile, AnEarlierSeededRuleIsToldApartFromAForgery) {
    for (const bool tournament : {true, false}) {
        ListHost host = test::hostFrom(std::string("players 8 groups 2 size 4 clock 5") + (tournament ? " tournament" : ""));
        const Seeding seeding{{1, 1, 2, 2, 0, 0, 0, 0}, {}};
        AssignmentState state;
        SeedRefusal refusal;
        ASSERT_EQ(assignSeeded(state, host, seeding, refusal, SeedRule::PotsInOrder), AssignOutcome::Assigned);
        Event event = eventFromDraw(state, Results(), host, host.clock, std::nullopt, "2026-12-07T19:30:00");
        event.seeded = true;
        event.seeding = seeding;
        EXPECT_EQ(drawDifference(event, cliFrontEnd()).kind, tournament ? Redraw::EarlierRule : Redraw::Same);
        std::swap(event.state.groupTable[0][0], event.state.groupTable[1][0]);
        EXPECT_EQ(drawDifference(event, cliFrontEnd()).kind, Redraw::Differs);
    }
}

// A case line: "readme" or "tournament" (the README's event files) with
// edits "POINTER=JSON" or "-POINTER" (taken away) between " ; "; or
// "raw TEXT" (\xNN escapes) or "repeat N TEXT" for bytes of any kind.
std::string fileOf(const std::string& line) {
    std::istringstream in(line);
    std::string kind;
    in >> kind;
    std::string rest;
    std::getline(in >> std::ws, rest);
    if (kind == "raw" || kind == "repeat") {
        std::size_t times = 1;
        if (kind == "repeat") {
            times = std::stoul(rest.substr(0, rest.find(' ')));
            rest = rest.substr(rest.find(' ') + 1);
        }
        std::string bytes;
        for (std::size_t i = 0; i < rest.size(); ++i) {
            const bool escape = rest.compare(i, 2, "\\x") == 0 && i + 3 < rest.size();
            bytes += escape ? static_cast<char>(std::stoi(rest.substr(i + 2, 2), nullptr, 16)) : rest[i];
            if (escape) i += 3;
        }
        std::string out;
        for (std::size_t i = 0; i < times; ++i) out += bytes;
        return out;
    }
    auto json = nlohmann::ordered_json::parse(test::readFile(ROSTERLOOM_TEST_DATA "/" + kind + "-event.json"));
    for (std::size_t at = 0; at < rest.size();) {
        const std::size_t end = std::min(rest.find(" ; ", at), rest.size());
        const std::string edit = rest.substr(at, end - at);
        at = end + 3;
        if (edit[0] == '-') {
            const nlohmann::json::json_pointer pointer(edit.substr(1));
            auto& parent = json.at(pointer.parent_pointer());
            if (parent.is_array()) parent.erase(std::stoul(pointer.back()));
            else parent.erase(pointer.back());
        } else {
            const std::size_t equals = edit.find('=');
            json[nlohmann::json::json_pointer(edit.substr(0, equals))] =
                nlohmann::ordered_json::parse(edit.substr(equals + 1));
        }
    }
    return json.dump(2);
}

// A tie settled before the playoff is part of the event: it reads back
// before the playoff is made and after; one that a changed result left
// settling nothing is not kept.
TEST(EventFile, SettledTiesReadBackBeforeAndAfterThePlayoff) {
    const ReadOutcome made = readEvent(fileOf("playoff"), cliFrontEnd());
    ASSERT_TRUE(made.ok()) << made.error;
    ASSERT_EQ(made.event->playoff.settled.size(), 1u);
    Event before = *made.event;
    before.playoff = Playoff{0, false, made.event->playoff.settled, {}, {}, {}};
    Event stale = before;
    stale.results.clear({stale.playoff.settled[0].group, 1});
    const Event* events[] = {&made.event.value(), &before, &stale};
    for (const Event* event : events) {
        const auto bytes = writeEvent(*event, cliFrontEnd());
        ASSERT_TRUE(bytes);
        const ReadOutcome read = readEvent(*bytes, cliFrontEnd());
        ASSERT_TRUE(read.ok()) << read.error;
        EXPECT_EQ(writeEvent(*read.event, cliFrontEnd()), bytes);
        const auto& settled = read.event->playoff.settled;
        EXPECT_EQ(settled.size(), event == &stale ? 0u : 1u);
        if (!settled.empty()) {
            EXPECT_EQ(settled[0].order, event->playoff.settled[0].order);
        }
    }
}

TEST(EventFile, RefusalsNameThePlace) {
    test::expectGoldenCases("event-refusals.txt", [](const std::string& line) {
        const ReadOutcome read = readEvent(fileOf(line), cliFrontEnd());
        EXPECT_EQ(read.ok(), read.error.empty()) << line;
        return read.ok() ? std::string("read\n") : "refused: " + read.error + "\n";
    });
}

// The playoff's own pairs are read and refused like its other choices; the
// rule's bracket written out as pairs is a paired playoff like any other.
TEST(EventFile, PlayoffPairsReadBackOrAreRefusedWithThePlace) {
    test::expectGoldenCases("event-pairs.txt", [](const std::string& line) {
        const ReadOutcome read = readEvent(fileOf(line), cliFrontEnd());
        if (read.ok()) return "read, pairs " + pairsText(read.event->playoff.pairs) + "\n";
        return "refused: " + read.error + "\n" + u8"거절: " + koreanRefusal(read) + "\n";
    });
}

std::vector<std::string> caseLines(const std::string& golden) {
    std::istringstream lines(test::readFile(ROSTERLOOM_TEST_DATA "/" + golden));
    std::vector<std::string> out;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("> ", 0) == 0) out.push_back(line);
    }
    return out;
}

// The window shows the same refusals in Korean: each with its place as it
// stands and, the file's own values aside, no English word.
TEST(EventFile, RefusalsInKoreanNameThePlace) {
    EXPECT_EQ(caseLines("event-refusals-ko.txt"), caseLines("event-refusals.txt"));
    test::expectGoldenCases("event-refusals-ko.txt", [](const std::string& line) {
        const ReadOutcome read = readEvent(fileOf(line), cliFrontEnd());
        if (read.ok()) return std::string("read\n");
        std::string korean = koreanRefusal(read);
        EXPECT_EQ(korean.rfind(read.refusal.place, 0), 0u) << korean;
        std::string words = korean.substr(read.refusal.place.size());
        for (const std::string& value : read.refusal.values) {
            for (std::size_t at; !value.empty() && (at = words.find(value)) != std::string::npos;) words.erase(at, value.size());
        }
        EXPECT_FALSE(std::regex_search(words, std::regex("[A-Za-z][a-z]|[a-z][A-Za-z]"))) << korean;
        return u8"거절: " + korean + "\n";
    });
}

// Groups placed by hand: the places are the file's, checked by their own
// rules; both languages word each refusal.
TEST(EventFile, PlacedGroupsAreRefusedByTheirOwnRules) {
    test::expectGoldenCases("placement-event-refusals.txt", [](const std::string& line) {
        const ReadOutcome read = readEvent(fileOf(line), cliFrontEnd());
        if (read.ok()) return std::string("read\n");
        return "refused: " + read.error + "\n" + u8"거절: " + koreanRefusal(read) + "\n";
    });
}

// A race is one letter of the writer's or null, one for each participant
// drawn from, a replacement's with its change; both languages word each refusal.
TEST(EventFile, RacesAreReadOrRefusedWithThePlace) {
    test::expectGoldenCases("race-event-refusals.txt", [](const std::string& line) {
        const ReadOutcome read = readEvent(fileOf(line), cliFrontEnd());
        if (read.ok()) return std::string("read\n");
        return "refused: " + read.error + "\n" + u8"거절: " + koreanRefusal(read) + "\n";
    });
}

}  // namespace
}  // namespace rl::event
