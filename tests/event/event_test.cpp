// The event file: what a draw writes reads back to the same event, and every
// fault a file can have is refused with one message naming its place.
#include <gtest/gtest.h>

#include "cases.h"
#include "cli/encoding.h"
#include "cli/seed_text.h"
#include "event/event.h"

namespace rl::event {
namespace {

FrontEnd cliFrontEnd() {
    return {cli::cp949ToUtf8, cli::utf8ToCp949, [](std::string_view bytes) -> std::optional<std::string> {
                const auto digest = cli::sha256(bytes);
                if (!digest) return std::nullopt;
                return std::string(digest->begin(), digest->end());
            }};
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
                               "players 1 groups 1 size 1 clock 1"}) {
        const Event event = drawn(inputs);
        const auto bytes = writeEvent(event, cliFrontEnd());
        ASSERT_TRUE(bytes) << inputs;
        const ReadOutcome read = readEvent(*bytes, cliFrontEnd());
        ASSERT_TRUE(read.ok()) << inputs << ": " << read.error;
        EXPECT_EQ(writeEvent(*read.event, cliFrontEnd()), bytes) << inputs;
        EXPECT_EQ(read.event->results.all().size(), event.results.all().size()) << inputs;
    }
}

}  // namespace
}  // namespace rl::event
