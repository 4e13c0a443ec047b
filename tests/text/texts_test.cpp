// The result window's two texts and the export file, byte for byte, for
// assignments made the way the window makes them.
#include <gtest/gtest.h>

#include "cases.h"
#include "engine/assignment.h"
#include "platform/encoding.h"
#include "text/export_text.h"
#include "text/result_view.h"

namespace rl {
namespace {

// The text in UTF-8, a tab shown as "⇥" and the end of a line (CR LF) as "¶",
// so that trailing blanks stay visible and no editor can change them.
std::string shown(const std::string& text) {
    const std::optional<std::string> utf8 = platform::cp949ToUtf8(text);
    if (!utf8) return "(not code page 949)\n";
    std::string out;
    for (std::size_t i = 0; i < utf8->size(); ++i) {
        const char c = (*utf8)[i];
        if (utf8->compare(i, 2, "\r\n") == 0) out += u8"¶\n", ++i;
        else if (c == '\t' || c == '\r' || c == '\n') out += c == '\t' ? u8"⇥" : c == '\r' ? u8"␍" : u8"␊";
        else out += c;
    }
    return out.empty() || out.back() == '\n' ? out : out + "\n";
}

std::string toCp949(const std::string& utf8) { return platform::utf8ToCp949(utf8).value_or("(not code page 949)"); }

TEST(Texts, GoldenCases) {
    test::expectGoldenCases("texts.txt", [](const std::string& inputs) {
        ListHost host = test::hostFrom(inputs, toCp949);
        AssignmentState state;
        if (assign(state, host, test::formatFrom(inputs)) != AssignOutcome::Assigned) return std::string("not assigned\n");
        std::string out = "result table:\n" + shown(buildResultView(state, host, 0).tableText), chunks;
        for (int g = 0; g < state.settings.groupCount; ++g) {
            out += "result schedule " + std::string(1, static_cast<char>('A' + g)) + ":\n";
            out += shown(buildResultView(state, host, g).scheduleText);
            chunks += exportGroupText(state, host, g);
        }
        EXPECT_EQ(exportFileText(state, host), exportTableText(state, host) + chunks) << "the file is its chunks";
        return out + "export file:\n" + shown(exportFileText(state, host));
    });
}

std::size_t occurrences(const std::string& text, const std::string& piece) {
    std::size_t n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

// The largest texts the input limits allow: 8 groups of 8, names and map
// names of 49 bytes, league with maps. Nothing may be cut.
TEST(Texts, LargestHaveTheirExactLengthsAndKeepEveryNameWhole) {
    ListHost host = test::hostFrom("with-maps groups 8 size 8");
    // 23 times "한", a syllable and a letter: 49 bytes, every name different.
    auto longName = [](int tag, char letter) {
        std::string name;
        for (int i = 0; i < 23; ++i) name += "한";
        return name + std::string("가나다라마바사아자차").substr(2 * tag, 2) + letter;
    };
    for (int p = 0; p < 64; ++p) host.participants.push_back(longName(p / 8, static_cast<char>('a' + p % 8)));
    for (int m = 0; m < 10; ++m) host.maps.push_back(longName(m, 'M'));
    AssignmentState state;
    ASSERT_EQ(assign(state, host), AssignOutcome::Assigned);
    ASSERT_EQ(host.participants[0].size(), 49u);

    const std::string table = buildResultView(state, host, 0).tableText, file = exportFileText(state, host);
    EXPECT_EQ(table.size(), 3256u);
    EXPECT_EQ(exportTableText(state, host).size(), 3356u);
    EXPECT_EQ(file.size(), 3356u + 8 * 4809u);
    for (int g = 0; g < 8; ++g) EXPECT_EQ(buildResultView(state, host, g).scheduleText.size(), 4646u) << g;
    for (const std::string& name : host.participants) {
        EXPECT_EQ(occurrences(table, name), 1u);
        EXPECT_EQ(occurrences(file, name), 1u + 7u);  // the table, and seven matches
    }
    for (const std::string& map : host.maps) EXPECT_GE(occurrences(file, "<" + map + ">"), 1u);
}

}  // namespace
}  // namespace rl
