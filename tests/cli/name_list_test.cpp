#include "cli/name_list.h"

#include <gtest/gtest.h>

namespace rl::cli {
namespace {

std::string read(const std::string& input, std::size_t limit = kMaxParticipants) {
    const NameList list = parseNameList(input, limit, limit == kMaxMaps ? "maps" : "participants");
    std::string names;
    for (const std::string& name : list.names) names += (names.empty() ? "" : "|") + name;
    return list.ok() ? names : std::to_string(list.errorLine) + ": " + list.error + names;
}

// Inputs are UTF-8 (u8 literals); the names read, joined by "|", come out in
// code page 949 (plain literals, which the compiler turns into code page 949).
// A bad line stops the reading, and then no name is kept.
TEST(ParseNameList, NamesInFileOrderOrTheFirstBadLine) {
    std::string tooMany;
    for (int i = 0; i < 129; ++i) tooMany += "p" + std::to_string(i) + "\n\n";
    const std::pair<std::string, std::string> cases[] = {
        {u8"kim\nlee\npark", "kim|lee|park"},
        {u8"\xEF\xBB\xBF김철수\r\nMarlow\r\n", "김철수|Marlow"},  // a byte-order mark, CR LF
        {u8"\n\r\nkim\n\n\r\nlee\n\n", "kim|lee"},
        {u8"kim \nkim\nkim\t\n", "kim |kim|kim\t"},  // trailing blanks and duplicates stay
        {u8"×·\n", "×·"},
        {u8"가나다라마바사아자차카타파하가나다라마바사아자차x\n", "가나다라마바사아자차카타파하가나다라마바사아자차x"},
        {"", ""},
        {u8"\xEF\xBB\xBF", ""},
        {u8"kim\n\xF0\x9F\x98\x80\n", "2: the name has a character that code page 949 cannot hold"},
        {"kim\n\nle\xFF" "e\n", "3: the name is not valid UTF-8"},
        {u8"kim\n lee\n", "2: the name begins with white space"},
        {u8"kim\r\n\rlee\r\n", "2: the name begins with white space"},
        {std::string("ki\0m\n", 5), "1: the name contains a control character"},
        {"kim\rlee\n", "1: the name contains a control character"},
        {"kim\x7F\n", "1: the name contains a control character"},
        {u8"가나다라마바사아자차카타파하가나다라마바사아자차카\n", "1: the name takes 50 bytes in code page 949, more than 49"},
        {tooMany, "257: more than 128 participants"},
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(read(input), expected) << input;
    EXPECT_EQ(read("0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n", kMaxMaps), "0|1|2|3|4|5|6|7|8|9");
    EXPECT_EQ(read("0\n1\n2\n3\n4\n5\n6\n7\n8\n9\nten\n", kMaxMaps), "11: more than 10 maps");
}

// UTF-8 at its bounds: overlong forms, surrogates, past U+10FFFF and cut or
// stray bytes are not UTF-8; the first and last code of each length are, but
// code page 949 holds none of them.
TEST(ParseNameList, Utf8AtItsBounds) {
    for (const char* bad : {"\xC0\xAF", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", "\xED\xA0\x80", "\xED\xBF\xBF",
                            "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\x80", "a\xC2", "\xE2\x82", "\xE2\x82z"}) {
        EXPECT_EQ(read(bad), "1: the name is not valid UTF-8") << bad;
    }
    for (const char* unheld : {"\xC2\x80", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80", "\xF0\x90\x80\x80",
                               "\xF4\x8F\xBF\xBF"}) {
        EXPECT_EQ(read(unheld), "1: the name has a character that code page 949 cannot hold") << unheld;
    }
}

// NAME<TAB>POT<TAB>TAG: each column trimmed of blanks and tabs on both ends,
// one at a time; pots 1 to the largest group; the tag's own rules.
TEST(ParseNameList, PotAndTagColumns) {
    const auto columns = [](const std::string& input) {
        const NameList list = parseNameList(input, kMaxParticipants, "participants", Columns::Read);
        if (!list.ok()) {
            const bool empty = list.names.empty() && list.pots.empty() && list.tags.empty();
            return std::to_string(list.errorLine) + ": " + list.error + (empty ? "" : " (and columns kept)");
        }
        std::string shown;
        for (std::size_t i = 0; i < list.names.size(); ++i)
            shown += list.names[i] + "/" + std::to_string(list.pots[i]) + "/" + list.tags[i] + "|";
        return shown;
    };
    const std::pair<std::string, std::string> cases[] = {
        {"a\t1\tZerg\nb\t8\nc\n", "a/1/Zerg|b/8/|c/0/|"},
        {"a\t 1 \t Zerg \nb\t2 \tZ \n", "a/1/Zerg|b/2/Z|"},
        {"a\t1\t   Zerg   \n", "a/1/Zerg|"},
        {"a\t\t\n", "a/0/|"},
        {"a\t9\n", "1: the pot must be a number from 1 to 8, not '9'"},
        {"a\t0\n", "1: the pot must be a number from 1 to 8, not '0'"},
        {"a\t12\n", "1: the pot must be a number from 1 to 8, not '12'"},
        {"a\t1\tZerg\nb\t9\n", "2: the pot must be a number from 1 to 8, not '9'"},
        {"a\t1\tZ\x01g\n", "1: the tag contains a control character"},
        {"a\t1\t\xFF\n", "1: the tag is not valid UTF-8"},
        {"a\t1\t123456789012345678901\n", "1: the tag takes 21 bytes in code page 949, more than 20"},
        {"\t1\n", "1: the line has no name before its first tab"},
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(columns(input), expected) << input;
}

}  // namespace
}  // namespace rl::cli
