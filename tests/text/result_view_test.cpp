#include "text/result_view.h"

#include <gtest/gtest.h>

#include "assignment_builder.h"

namespace rl {
namespace {

using testing::buildAssignment;
using testing::Built;

TEST(ResultViewSchedule, FiveMemberTournamentWithoutAndWithMaps) {
    for (bool withMaps : {false, true}) {
        Built b = testing::fiveMemberBracket(withMaps);
        const std::string map0 = withMaps ? "<푸른 협곡>" : "", map1 = withMaps ? "<Iron Delta>" : "";
        EXPECT_EQ(buildResultView(b.state, b.host, 0).scheduleText,
                  " 1경기:\ta\t[vs]\tb\t" + map0 + "\r\n 2경기:\tc\t[vs]\td\t" + map1 +
                      "\r\n 3경기:\te\t\t\t(부전승)\r\n 4경기:\t<1경기 승자>\t[vs]\t<3경기 승자>\t" + map1 +
                      "\r\n 5경기:\t<2경기 승자>\t\t\t(부전승)\r\n 6경기:\t<4경기 승자>\t[vs]\t<5경기 승자>\t" + map0)
            << "maps " << withMaps;
    }
}

TEST(ResultViewSchedule, GroupOfOneIsABareByeInBothModes) {
    for (bool tournament : {false, true}) {
        Built b = buildAssignment({"홍길동"}, {"map"}, tournament, {{0, kNone}}, {{{0, kNone, kNone}}});
        EXPECT_EQ(buildResultView(b.state, b.host, 0).scheduleText, " 1경기:\t홍길동\t\t\t(부전승)") << tournament;
    }
}

TEST(ResultViewSchedule, LeagueOfEightRunsFromOneDigitToTwo) {
    Built b = testing::leagueOfEight();
    const std::string text = buildResultView(b.state, b.host, 0).scheduleText;
    EXPECT_NE(text.find("\r\n 9경기:\t1\t[vs]\t3\t\r\n10경기:\t1\t[vs]\t4\t\r\n"), std::string::npos);
    const std::string last = "\r\n28경기:\t6\t[vs]\t7\t";
    ASSERT_GE(text.size(), last.size());
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
}

TEST(ResultView, EmptyGroupHasNoLinesAndAColumnOfDashesInTheTable) {
    Built b = buildAssignment({"a", "b"}, {}, false, {{0, 1}, {kNone, kNone}}, {{{0, 1, kNone}}, {}});
    const ResultView view = buildResultView(b.state, b.host, 1);
    EXPECT_EQ(view.scheduleText, "");
    EXPECT_EQ(view.tableText, "< A >\t< B >\t\r\na\t-\r\nb\t-");
}

}  // namespace
}  // namespace rl
