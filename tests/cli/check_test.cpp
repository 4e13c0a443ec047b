// --check: where two texts first differ, and how a line is shown.
#include "cli/check.h"

#include <gtest/gtest.h>

namespace rl::cli {
namespace {

TEST(Check, FirstDifferenceCountsLineEnds) {
    EXPECT_FALSE(firstDifference("a\r\nb\r\n", "a\r\nb\r\n"));
    const auto changed = firstDifference("a\nb\nc\n", "a\nB\nc\n");
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->number, 2);
    EXPECT_EQ(changed->expected, "b\n");
    EXPECT_EQ(changed->found, "B\n");
    const auto shorter = firstDifference("a\nb", "a\n");
    ASSERT_TRUE(shorter);
    EXPECT_EQ(shorter->number, 2);
    EXPECT_EQ(shorter->found, std::nullopt);
    EXPECT_EQ(firstDifference("a\r\n", "a\n")->number, 1);
}

// Only the line's own end is left off; every other control byte shows.
TEST(Check, ShownLinesEscapeWhatCannotBeSeen) {
    const std::pair<std::string, std::string> utf8Lines[] = {
        {"plain\r\n", "plain"},     {"a\rb\n", "a\\rb"},         {"a\nb", "a\\nb"},
        {"tab\tkept\n", "tab\tkept"}, {"\x01\x7F", "\\x01\\x7F"}, {u8"북쪽\n", u8"북쪽"},
        {"bad \xFF\n", "bad \\xFF"}, {"cr\r\r\n", "cr\\r"},
    };
    for (const auto& [line, shown] : utf8Lines) EXPECT_EQ(showLine(line, false), shown) << line;
    EXPECT_EQ(showLine(std::string_view("북쪽\r\n"), true), u8"북쪽");
    EXPECT_EQ(showLine(std::string_view("\x81\r\n"), true), "\\x81");
    EXPECT_EQ(showLine(std::nullopt, false), "(end of file)");
}

}  // namespace
}  // namespace rl::cli
