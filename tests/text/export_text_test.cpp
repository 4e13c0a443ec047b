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
              "< A >" + spaces(20) + "< B >" + spaces(20) + "\r\n" +
              "kim" + spaces(22) + "choi" + spaces(21) + "\r\n" +
              "lee" + spaces(22) + "jung" + spaces(21) + "\r\n" +
              "park" + spaces(21) + "-" + spaces(24) + "\r\n\r\n");
}

TEST(ExportTable, CellsCountBytesAndLongNamesStayWhole) {
    const std::string thirty = "abcdefghijklmnopqrstuvwxyz0123";  // 30 bytes
    Built b = buildAssignment({thirty, "가나다라마", "z"}, {}, false, {{0}, {1}, {2}}, {{}, {}, {}});
    EXPECT_EQ(exportTableText(b.state, b.host),
              cell("< A >", 25) + cell("< B >", 25) + cell("< C >", 25) + "\r\n" + thirty + "가나다라마" + spaces(15) +
                  "z" + spaces(24) + "\r\n\r\n");
}

// The five-member bracket of the worked example, as the export lays it out.
TEST(ExportGroup, FiveMemberTournamentWithoutAndWithMaps) {
    for (bool withMaps : {false, true}) {
        std::vector<std::string> maps;
        if (withMaps) maps = {"푸른 협곡", "Stone Gate"};
        const Pos m0 = withMaps ? 0 : kNone, m1 = withMaps ? 1 : kNone;
        Built b = buildAssignment({"a", "b", "c", "d", "e"}, maps, true, {{0, 1, 2, 3, 4, kNone}},
                                  {{{0, 1, m0}, {2, 3, m1}, {4, kNone, kNone}, {0, 2, m1}, {1, kNone, kNone}, {0, 1, m0}}});
        const std::string map0 = withMaps ? "<푸른 협곡>" : "", map1 = withMaps ? "<Stone Gate>" : "";
        const std::string bye = spaces(35) + "(부전승)\r\n";
        const std::string vs = cell("[vs]", 10);
        EXPECT_EQ(exportGroupText(b.state, b.host, 0),
                  "\r\n< A조 세부 대진 >\r\n" +
                  cell(" 1경기:", 10) + cell("a", 25) + vs + cell("b", 25) + map0 + "\r\n" +
                  cell(" 2경기:", 10) + cell("c", 25) + vs + cell("d", 25) + map1 + "\r\n" +
                  cell(" 3경기:", 10) + cell("e", 25) + bye +
                  cell(" 4경기:", 10) + cell("<1경기 승자>", 25) + vs + cell("<3경기 승자>", 25) + map1 + "\r\n" +
                  cell(" 5경기:", 10) + cell("<2경기 승자>", 25) + bye +
                  cell(" 6경기:", 10) + cell("<4경기 승자>", 25) + vs + cell("<5경기 승자>", 25) + map0 + "\r\n")
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
    std::vector<Pos> row = {0, 1, 2, 3, 4, 5, 6, 7};
    Built b = buildAssignment({"0", "1", "2", "3", "4", "5", "6", "7"}, {}, false, {row},
                              {testing::allPairs(row, 8, 0, 0)});
    const std::string text = exportGroupText(b.state, b.host, 0);
    const std::string tail = cell("3", 25) + "\r\n";
    EXPECT_NE(text.find("\r\n 9경기:   " + cell("1", 25) + cell("[vs]", 10) + tail), std::string::npos);
    EXPECT_NE(text.find("\r\n10경기:   " + cell("1", 25)), std::string::npos);
    EXPECT_NE(text.find("\r\n28경기:   "), std::string::npos);
    EXPECT_EQ(text.find("29경기"), std::string::npos);
}

TEST(ExportGroup, LongNamesAndMapsAreWrittenWhole) {
    const std::string thirty = "abcdefghijklmnopqrstuvwxyz0123";
    Built b = buildAssignment({thirty, "가나다라마"}, {"Map With A Long Name Indeed"}, false, {{0, 1}},
                              {{{0, 1, 0}}});
    EXPECT_EQ(exportGroupText(b.state, b.host, 0),
              "\r\n< A조 세부 대진 >\r\n 1경기:   " + thirty + cell("[vs]", 10) + "가나다라마" + spaces(15) +
                  "<Map With A Long Name Indeed>\r\n");
}

TEST(ExportFile, EmptyGroupGetsItsHeadingOnly) {
    Built b = buildAssignment({"a"}, {}, false, {{0}, {kNone}}, {{{0, kNone, kNone}}, {}});
    EXPECT_EQ(exportGroupText(b.state, b.host, 1), "\r\n< B조 세부 대진 >\r\n");
    const std::string file = exportFileText(b.state, b.host);
    EXPECT_EQ(file, cell("< A >", 25) + cell("< B >", 25) + "\r\n" + cell("a", 25) + cell("-", 25) + "\r\n\r\n" +
                        "\r\n< A조 세부 대진 >\r\n 1경기:   " + cell("a", 25) + spaces(35) + "(부전승)\r\n" +
                        "\r\n< B조 세부 대진 >\r\n");
}

TEST(ExportFile, IsTheTableThenEveryGroupInOrder) {
    Built b = buildAssignment({"kim", "lee", "park"}, {"m"}, false, {{0, 1}, {2, kNone}},
                              {{{0, 1, 0}}, {{2, kNone, kNone}}});
    const std::string file = exportFileText(b.state, b.host);
    EXPECT_EQ(file, exportTableText(b.state, b.host) + exportGroupText(b.state, b.host, 0) +
                        exportGroupText(b.state, b.host, 1));
    EXPECT_EQ(file.rfind("< A >", 0), 0u);  // no line end before the first label
    EXPECT_NE(file.find("\r\n\r\n\r\n< A조 세부 대진 >\r\n"), std::string::npos);
    const std::string end = " 1경기:   " + cell("park", 25) + spaces(35) + "(부전승)\r\n";
    EXPECT_EQ(file.substr(file.size() - end.size()), end);
}

}  // namespace
}  // namespace rl
