// The largest texts the input limits allow: 8 groups of 8 places, names and
// map names of 49 bytes, league with maps. Nothing may be cut.
#include <gtest/gtest.h>

#include "assignment_builder.h"
#include "text/export_text.h"
#include "text/result_view.h"

namespace rl {
namespace {

std::size_t occurrences(const std::string& text, const std::string& piece) {
    std::size_t n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

// 23 times "한", a syllable and a letter: 49 bytes, every name different.
std::string longName(int tag, char letter) {
    std::string name;
    for (int i = 0; i < 23; ++i) name += "한";
    return name + std::vector<std::string>{"가", "나", "다", "라", "마", "바", "사", "아", "자", "차"}[tag] + letter;
}

TEST(LargestTexts, HaveTheirExactLengthsAndKeepEveryNameWhole) {
    std::vector<std::string> participants, maps;
    GroupTable rows;
    std::vector<Schedule> matches;
    for (int g = 0; g < 8; ++g) {
        rows.emplace_back();
        for (int p = 0; p < 8; ++p) {
            rows.back().push_back(static_cast<Pos>(participants.size()));
            participants.push_back(longName(g, static_cast<char>('a' + p)));
        }
        matches.push_back(testing::allPairs(rows.back(), static_cast<Pos>(g), 10));
    }
    for (int m = 0; m < 10; ++m) maps.push_back(longName(m, 'M'));
    testing::Built b = testing::buildAssignment(participants, maps, false, rows, matches);
    ASSERT_EQ(participants[0].size(), 49u);

    const std::string table = buildResultView(b.state, b.host, 0).tableText;
    const std::string file = exportFileText(b.state, b.host);
    EXPECT_EQ(table.size(), 3256u);
    EXPECT_EQ(table.find("< A >\t< B >\t< C >\t< D >\t< E >\t< F >\t< G >\t< H >\t\r\n"), 0u);
    EXPECT_EQ(exportTableText(b.state, b.host).size(), 3356u);
    EXPECT_EQ(file.size(), 3356u + 8 * 4809u);
    for (const std::string& name : participants) {
        EXPECT_EQ(occurrences(table, name), 1u);
        EXPECT_EQ(occurrences(file, name), 1u + 7u);  // the table, and seven matches
    }
    for (int g = 0; g < 8; ++g) {
        const std::string schedule = buildResultView(b.state, b.host, g).scheduleText;
        const std::string chunk = exportGroupText(b.state, b.host, g);
        EXPECT_EQ(schedule.size(), 4646u) << g;
        EXPECT_EQ(buildResultView(b.state, b.host, g).tableText, table) << "the same whichever group is chosen";
        EXPECT_EQ(chunk.size(), 4809u) << g;
        for (const Match& m : matches[static_cast<std::size_t>(g)]) {
            const std::string map = "<" + maps[static_cast<std::size_t>(m.map)] + ">";
            EXPECT_GE(occurrences(schedule, map), 1u);
            EXPECT_GE(occurrences(chunk, map), 1u);
        }
    }
}

}  // namespace
}  // namespace rl
