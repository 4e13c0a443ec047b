// The event file: what a draw writes reads back to the same event, and every
// fault a file can have is refused with one message naming its place.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

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

// A verified draw is one whose every place and map its seed gives again;
// participants of one name are the same to anyone reading it.
TEST(EventFile, DrawDifferenceNamesTheFirstPlaceOrMap) {
    Event event = drawn("name Kim name Kim players 5 maps 3 with-maps random-maps groups 2 size 4 clock 11");
    EXPECT_EQ(drawDifference(event, cliFrontEnd()), std::nullopt);
    for (auto& row : event.state.groupTable) {
        for (Pos& p : row) p = p == 0 ? 1 : p == 1 ? 0 : p;
    }
    EXPECT_EQ(drawDifference(event, cliFrontEnd()), std::nullopt) << "swapping the two Kims changes nothing";

    Match& last = event.state.schedule[1][static_cast<std::size_t>(event.state.matchCount[1] - 1)];
    last.map = static_cast<Pos>((last.map + 1) % 3);
    const auto difference = drawDifference(event, cliFrontEnd());
    ASSERT_TRUE(difference);
    EXPECT_NE(difference->find("group B, match " + std::to_string(event.state.matchCount[1]) + " map: the file has"),
              std::string::npos) << *difference;

    std::swap(event.state.groupTable[0][0], event.state.groupTable[1][0]);
    EXPECT_EQ(drawDifference(event, cliFrontEnd()).value_or("").substr(0, 16), "group A, place 1");
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

TEST(EventFile, RefusalsNameThePlace) {
    test::expectGoldenCases("event-refusals.txt", [](const std::string& line) {
        const ReadOutcome read = readEvent(fileOf(line), cliFrontEnd());
        EXPECT_EQ(read.ok(), read.error.empty()) << line;
        return read.ok() ? std::string("read\n") : "refused: " + read.error + "\n";
    });
}

}  // namespace
}  // namespace rl::event
