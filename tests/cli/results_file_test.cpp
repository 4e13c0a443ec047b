#include "cli/results_file.h"

#include <gtest/gtest.h>

#include "text/assignment_builder.h"

namespace rl::cli {
namespace {

// Group A: the five-member bracket (1: a v b, 2: c v d, 3: e bye, 4: W1 v W3,
// 5: W2 bye, 6: W4 v W5); group B: two members who bear the same name.
testing::Built draw() {
    testing::Built b = testing::fiveMemberBracket(false);
    b.host.participants.insert(b.host.participants.end(), {"twin", "twin"});
    b.state.groupTable.push_back({5, 6, kNone, kNone, kNone, kNone});
    b.state.memberCount.push_back(2);
    b.state.matchCount.push_back(1);
    b.state.schedule.push_back(b.state.schedule[0]);
    b.state.schedule[1][0] = {5, 6, kNone};
    b.state.settings.groupCount = 2;
    return b;
}

TEST(ReadResultsFile, TakesEveryFormInAnyOrder) {
    testing::Built b = draw();
    const ResultsFile file = readResultsFile(u8"\xEF\xBB\xBF# evening one\r\n\r\n  A 4 1:2\nA 1 a\r\n"
                                             u8"b 1 0:3\n\t# done\nA 2 2 : 1\n",
                                             b.state, b.host);
    ASSERT_TRUE(file.ok()) << file.errorLine << ": " << file.error;
    const std::map<MatchKey, Score> expected = {
        {{0, 1}, {1, 0}}, {{0, 2}, {2, 1}}, {{0, 4}, {1, 2}}, {{1, 1}, {0, 3}}};
    EXPECT_EQ(file.results.all(), expected);
}

TEST(ReadResultsFile, RefusesEveryBadLineKind) {
    const struct {
        std::string text;
        int line;
        std::string error;
    } cases[] = {
        {"A 1 2:0\nC 1 2:0\n", 2, "there is no group C in the draw (A to B)"},
        {"a 7 2:0", 1, "group A has no match 7 (its matches are 1 to 6)"},
        {"A 0 2:0", 1, "group A has no match 0 (its matches are 1 to 6)"},
        {"A 3 2:0", 1, "match 3 of group A is a bye: it has no result"},
        {"A 2 1:0\nA 4 2:0", 2, "the players of match 4 of group A are not both known yet"},
        {"A 6 2:0\nA 1 2:0\nA 4 2:0", 1, "the players of match 6 of group A are not both known yet"},
        {"A 1 2:2", 1, "a tie: one player must win more maps than the other"},
        {"A 1 100:0", 1, "maps won must be whole numbers from 0 to 99"},
        {u8"A 1 김철수", 1, u8"'김철수' is neither player of match 1 of group A"},
        {u8"A 1 \U0001F600", 1, u8"'\U0001F600' is neither player of match 1 of group A"},
        {"B 1 twin", 1, "both players of match 1 of group B are named 'twin': give the score"},
        {"A 1 a\n\nA 1 2:0", 3, "a second result for match 1 of group A (the first is on line 1)"},
        {"A one 2:0", 1, "expected GROUP MATCH SCORE, such as 'A 1 2:0' or 'A 1 Quill'"},
        {"A 1", 1, "expected GROUP MATCH SCORE, such as 'A 1 2:0' or 'A 1 Quill'"},
        {"AB 1 2:0", 1, "expected GROUP MATCH SCORE, such as 'A 1 2:0' or 'A 1 Quill'"},
        {"A 1 2:0\nA 2 \xFF\n", 2, "the line is not valid UTF-8"},
    };
    for (const auto& c : cases) {
        testing::Built b = draw();
        const ResultsFile file = readResultsFile(c.text, b.state, b.host);
        EXPECT_EQ(std::make_pair(file.errorLine, file.error), std::make_pair(c.line, c.error)) << c.text;
        EXPECT_TRUE(file.results.all().empty());
    }
}

}  // namespace
}  // namespace rl::cli
