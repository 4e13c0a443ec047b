#include "text/result_view.h"

#include <gtest/gtest.h>

#include "assignment_builder.h"

namespace rl {
namespace {

using testing::buildAssignment;
using testing::Built;

// A tournament group of five: round one {a,b} {c,d} {e,bye}, round two
// {W1,W3} {W2,bye}, the final {W4,W5}.
Built fiveMemberBracket(std::vector<std::string> maps) {
    const bool withMaps = !maps.empty();
    const Pos m0 = withMaps ? 0 : kNone, m1 = withMaps ? 1 : kNone;
    return buildAssignment({"a", "b", "c", "d", "e"}, std::move(maps), true, {{0, 1, 2, 3, 4}},
                           {{{0, 1, m0}, {2, 3, m1}, {4, kNone, kNone}, {0, 2, m0}, {1, kNone, kNone}, {0, 1, m1}}});
}

TEST(ResultViewTable, TwoGroupsOfTwoWithAVacancy) {
    Built b = buildAssignment({"kim", "lee", "park"}, {}, false, {{0, 1}, {2, kNone}}, {{{0, 1, kNone}}, {{2, kNone, kNone}}});
    EXPECT_EQ(buildResultView(b.state, b.host, 0).tableText, "< A >\t< B >\t\r\nkim\tpark\r\nlee\t-");
}

TEST(ResultViewTable, SameWhicheverGroupIsChosenAndLettersRunToH) {
    GroupTable rows;
    std::vector<Schedule> matches;
    std::vector<std::string> names;
    for (Pos g = 0; g < 8; ++g) {
        names.push_back(std::string(1, static_cast<char>('p' + g)));
        rows.push_back({g});
        matches.push_back({{g, kNone, kNone}});
    }
    Built b = buildAssignment(names, {}, false, rows, matches);
    const std::string table = buildResultView(b.state, b.host, 0).tableText;
    EXPECT_EQ(table, "< A >\t< B >\t< C >\t< D >\t< E >\t< F >\t< G >\t< H >\t\r\np\tq\tr\ts\tt\tu\tv\tw");
    for (int g = 1; g < 8; ++g) EXPECT_EQ(buildResultView(b.state, b.host, g).tableText, table);
}

TEST(ResultViewSchedule, FiveMemberTournamentNumbersRunOnAcrossRounds) {
    Built b = fiveMemberBracket({});
    EXPECT_EQ(buildResultView(b.state, b.host, 0).scheduleText,
              " 1경기:\ta\t[vs]\tb\t\r\n"
              " 2경기:\tc\t[vs]\td\t\r\n"
              " 3경기:\te\t\t\t(부전승)\r\n"
              " 4경기:\t<1경기 승자>\t[vs]\t<3경기 승자>\t\r\n"
              " 5경기:\t<2경기 승자>\t\t\t(부전승)\r\n"
              " 6경기:\t<4경기 승자>\t[vs]\t<5경기 승자>\t");
}

TEST(ResultViewSchedule, FiveMemberTournamentWithMapsLeavesByesWithout) {
    Built b = fiveMemberBracket({"푸른 협곡", "Iron Delta"});
    EXPECT_EQ(buildResultView(b.state, b.host, 0).scheduleText,
              " 1경기:\ta\t[vs]\tb\t<푸른 협곡>\r\n"
              " 2경기:\tc\t[vs]\td\t<Iron Delta>\r\n"
              " 3경기:\te\t\t\t(부전승)\r\n"
              " 4경기:\t<1경기 승자>\t[vs]\t<3경기 승자>\t<푸른 협곡>\r\n"
              " 5경기:\t<2경기 승자>\t\t\t(부전승)\r\n"
              " 6경기:\t<4경기 승자>\t[vs]\t<5경기 승자>\t<Iron Delta>");
}

TEST(ResultViewSchedule, GroupOfOneIsABareByeInBothModes) {
    for (bool tournament : {false, true}) {
        Built b = buildAssignment({"홍길동"}, {"map"}, tournament, {{0, kNone}}, {{{0, kNone, kNone}}});
        EXPECT_EQ(buildResultView(b.state, b.host, 0).scheduleText, " 1경기:\t홍길동\t\t\t(부전승)") << tournament;
    }
}

TEST(ResultViewSchedule, TwoMemberTournamentIsOneNamedMatch) {
    Built b = buildAssignment({"x", "y"}, {"m"}, true, {{0, 1}}, {{{0, 1, 0}}});
    EXPECT_EQ(buildResultView(b.state, b.host, 0).scheduleText, " 1경기:\tx\t[vs]\ty\t<m>");
}

TEST(ResultViewSchedule, LeagueOfEightHas28LinesAndPadsSingleDigits) {
    std::vector<Pos> row = {0, 1, 2, 3, 4, 5, 6, 7};
    Built b = buildAssignment({"0", "1", "2", "3", "4", "5", "6", "7"}, {}, false, {row},
                              {testing::allPairs(row, 8, 0, 0)});
    const std::string text = buildResultView(b.state, b.host, 0).scheduleText;
    std::size_t lineEnds = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lineEnds;
    EXPECT_EQ(lineEnds, 27u);
    EXPECT_NE(text.find("\r\n 9경기:\t1\t[vs]\t3\t\r\n10경기:\t1\t[vs]\t4\t\r\n"), std::string::npos);
    const std::string last = "\r\n28경기:\t6\t[vs]\t7\t";
    ASSERT_GE(text.size(), last.size());
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
}

TEST(ResultViewSchedule, EmptyGroupHasNoLinesAndDashesInTheTable) {
    Built b = buildAssignment({"a", "b"}, {}, false, {{0, 1}, {kNone, kNone}}, {{{0, 1, kNone}}, {}});
    const ResultView view = buildResultView(b.state, b.host, 1);
    EXPECT_EQ(view.scheduleText, "");
    EXPECT_EQ(view.tableText, "< A >\t< B >\t\r\na\t-\r\nb\t-");
}

}  // namespace
}  // namespace rl
