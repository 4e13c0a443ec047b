#include "text/export_text.h"

#include <gtest/gtest.h>

#include "assignment_builder.h"

namespace rl {
namespace {

using testing::buildAssignment;
using testing::Built;
using testing::spaces;

// A text left-justified in `width` bytes; longer texts stay whole.
std::string cell(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : text + spaces(width - text.size());
}

TEST(ExportTable, TwoGroupsOfThreeWithTheVacancyLastInB) {
    Built b = buildAssignment({"kim", "lee", "park", "choi", "jung"}, {}, false, {{0, 1, 2}, {3, 4, kNone}},
                              {{}, {}});
    EXPECT_EQ(exportTableText(b.state, b.host),
              "< A >" + spaces(20) + "< B >" + spaces(20) + "\r\n" + "kim" + spaces(22) + "choi" + spaces(21) +
                  "\r\n" + "lee" + spaces(22) + "jung" + spaces(21) + "\r\n" + "park" + spaces(21) + "-" +
                  spaces(24) + "\r\n\r\n");
}

TEST(ExportTable, CellsCountBytesAndLongNamesStayWhole) {
    const std::string thirty = "abcdefghijklmnopqrstuvwxyz0123";
    Built b = buildAssignment({thirty, "가나다라마", "z"}, {}, false, {{0}, {1}, {2}}, {{}, {}, {}});
    EXPECT_EQ(exportTableText(b.state, b.host), cell("< A >", 25) + cell("< B >", 25) + cell("< C >", 25) + "\r\n" +
                                                     thirty + "가나다라마" + spaces(15) + "z" + spaces(24) + "\r\n\r\n");
}

TEST(ExportGroup, FiveMemberTournamentWithoutAndWithMaps) {
    for (bool withMaps : {false, true}) {
        Built b = testing::fiveMemberBracket(withMaps);
        const std::string map0 = withMaps ? "<푸른 협곡>" : "", map1 = withMaps ? "<Iron Delta>" : "";
        const std::string bye = spaces(35) + "(부전승)\r\n", vs = cell("[vs]", 10);
        auto number = [](int k) { return cell(" " + std::to_string(k) + "경기:", 10); };
        EXPECT_EQ(exportGroupText(b.state, b.host, 0),
                  "\r\n< A조 세부 대진 >\r\n" + number(1) + cell("a", 25) + vs + cell("b", 25) + map0 + "\r\n" +
                      number(2) + cell("c", 25) + vs + cell("d", 25) + map1 + "\r\n" + number(3) + cell("e", 25) +
                      bye + number(4) + cell("<1경기 승자>", 25) + vs + cell("<3경기 승자>", 25) + map1 + "\r\n" +
                      number(5) + cell("<2경기 승자>", 25) + bye + number(6) + cell("<4경기 승자>", 25) + vs +
                      cell("<5경기 승자>", 25) + map0 + "\r\n")
            << "maps " << withMaps;
    }
}

TEST(ExportGroup, GroupOfOneIsItsNameThen35SpacesAndTheByeMark) {
    for (bool tournament : {false, true}) {
        Built b = buildAssignment({"solo"}, {"m"}, tournament, {{0, kNone}}, {{{0, kNone, kNone}}});
        EXPECT_EQ(exportGroupText(b.state, b.host, 0),
                  "\r\n< A조 세부 대진 >\r\n 1경기:   solo" + spaces(21) + spaces(35) + "(부전승)\r\n")
            << "tournament " << tournament;
    }
}

TEST(ExportGroup, NumberCellKeepsTenBytesForOneAndTwoDigits) {
    Built b = testing::leagueOfEight();
    const std::string text = exportGroupText(b.state, b.host, 0);
    EXPECT_NE(text.find("\r\n 9경기:   " + cell("1", 25) + cell("[vs]", 10) + cell("3", 25) + "\r\n10경기:   " +
                        cell("1", 25)),
              std::string::npos);
    const std::string last = "\r\n28경기:   " + cell("6", 25) + cell("[vs]", 10) + cell("7", 25) + "\r\n";
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
}

// The file is the table, then every group in order; an empty group is its heading only.
TEST(ExportFile, FromStartToEndWithAnEmptyGroup) {
    Built b = buildAssignment({"a"}, {}, false, {{0}, {kNone}}, {{{0, kNone, kNone}}, {}});
    EXPECT_EQ(exportGroupText(b.state, b.host, 1), "\r\n< B조 세부 대진 >\r\n");
    EXPECT_EQ(exportFileText(b.state, b.host),
              cell("< A >", 25) + cell("< B >", 25) + "\r\n" + cell("a", 25) + cell("-", 25) + "\r\n\r\n" +
                  "\r\n< A조 세부 대진 >\r\n 1경기:   " + cell("a", 25) + spaces(35) + "(부전승)\r\n" +
                  "\r\n< B조 세부 대진 >\r\n");
}

}  // namespace
}  // namespace rl
