// The largest texts the input limits allow: 8 groups of 8 places, names and
// map names of 49 bytes, league with maps. Nothing may be cut.
#include <gtest/gtest.h>

#include "assignment_builder.h"
#include "text/export_text.h"
#include "text/result_view.h"

namespace rl {
namespace {

using testing::Built;

std::size_t occurrences(const std::string& text, const std::string& piece) {
    std::size_t n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

// 24 Hangul syllables and one letter: 49 bytes, every name different.
std::string longName(int tag, char letter) {
    static const char* const syllables[] = {"가", "나", "다", "라", "마", "바", "사", "아", "자", "차"};
    std::string name;
    for (int i = 0; i < 23; ++i) name += "한";
    name += syllables[tag % 10];
    name += letter;
    return name;
}

Built largestAssignment() {
    std::vector<std::string> participants, maps;
    GroupTable rows;
    std::vector<Schedule> matches;
    for (int g = 0; g < 8; ++g) {
        std::vector<Pos> row;
        for (int p = 0; p < 8; ++p) {
            row.push_back(static_cast<Pos>(participants.size()));
            participants.push_back(longName(g, static_cast<char>('a' + p)));
        }
        matches.push_back(testing::allPairs(row, 8, static_cast<Pos>(g), 10));
        rows.push_back(row);
    }
    for (int m = 0; m < 10; ++m) maps.push_back(longName(m, 'M'));
    return testing::buildAssignment(participants, maps, false, rows, matches);
}

TEST(LargestTexts, HaveTheirExactLengths) {
    Built b = largestAssignment();
    ASSERT_EQ(b.host.participants[0].size(), 49u);
    ASSERT_EQ(b.host.maps[9].size(), 49u);

    EXPECT_EQ(buildResultView(b.state, b.host, 0).tableText.size(), 3256u);
    EXPECT_EQ(exportTableText(b.state, b.host).size(), 3356u);
    for (int g = 0; g < 8; ++g) {
        EXPECT_EQ(buildResultView(b.state, b.host, g).scheduleText.size(), 4646u) << g;
        EXPECT_EQ(exportGroupText(b.state, b.host, g).size(), 4809u) << g;
    }
    EXPECT_EQ(exportFileText(b.state, b.host).size(), 3356u + 8 * 4809u);
}

TEST(LargestTexts, KeepEveryNameWhole) {
    Built b = largestAssignment();
    const std::string file = exportFileText(b.state, b.host);
    const std::string table = buildResultView(b.state, b.host, 0).tableText;
    for (const std::string& name : b.host.participants) {
        EXPECT_EQ(occurrences(table, name), 1u);
        EXPECT_EQ(occurrences(file, name), 1u + 7u);  // the table, and seven matches
    }
    for (int g = 0; g < 8; ++g) {
        const std::string schedule = buildResultView(b.state, b.host, g).scheduleText;
        const std::string chunk = exportGroupText(b.state, b.host, g);
        for (const Match& m : b.state.schedule[static_cast<std::size_t>(g)]) {
            const std::string map = "<" + b.host.maps[static_cast<std::size_t>(m.map)] + ">";
            EXPECT_GE(occurrences(schedule, map), 1u);
            EXPECT_GE(occurrences(chunk, map), 1u);
        }
        EXPECT_EQ(occurrences(chunk, "\r\n"), 2u + 28u);
    }
}

}  // namespace
}  // namespace rl
