#include "cli/name_list.h"

#include <gtest/gtest.h>

#include "cli/encoding.h"

namespace rl::cli {
namespace {

// Inputs are UTF-8 (u8 literals); names come out in code page 949 (plain
// literals, which the compiler turns into code page 949).
TEST(ParseNameList, TakesNamesAsWrittenInFileOrder) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {u8"kim\nlee\npark", {"kim", "lee", "park"}},
        {u8"\xEF\xBB\xBF김철수\r\nMarlow\r\n", {"김철수", "Marlow"}},  // a byte-order mark, CR LF
        {u8"\n\r\nkim\n\n\r\nlee\n\n", {"kim", "lee"}},
        {u8"kim \nkim\nkim\t\n", {"kim ", "kim", "kim\t"}},  // trailing blanks and duplicates stay
        {u8"가나다라마바사아자차카타파하가나다라마바사아자차x\n", {"가나다라마바사아자차카타파하가나다라마바사아자차x"}},
        {"", {}},
        {u8"\xEF\xBB\xBF", {}},
    };
    for (const auto& [input, names] : cases) {
        const NameList list = parseNameList(input, kMaxParticipants, "participants");
        EXPECT_TRUE(list.ok()) << input << ": " << list.error;
        EXPECT_EQ(list.names, names) << input;
    }
}

TEST(ParseNameList, StopsAtTheFirstBadLineAndNamesIt) {
    std::string tooMany, maps;
    for (int i = 0; i < 129; ++i) tooMany += "p" + std::to_string(i) + "\n\n";
    for (int i = 0; i < 10; ++i) maps += "map" + std::to_string(i) + "\n";
    const struct {
        std::string input;
        std::size_t limit;
        int line;
        std::string error;
    } cases[] = {
        {u8"kim\n\xF0\x9F\x98\x80\n", kMaxParticipants, 2, "the name has a character that code page 949 cannot hold"},
        {"kim\n\nle\xFF" "e\n", kMaxParticipants, 3, "the name is not valid UTF-8"},
        {"\xC0\xAF\n", kMaxParticipants, 1, "the name is not valid UTF-8"},  // an overlong "/"
        {u8"kim\n lee\n", kMaxParticipants, 2, "the name begins with white space"},
        {u8"kim\r\n\rlee\r\n", kMaxParticipants, 2, "the name begins with white space"},
        {std::string("ki\0m\n", 5), kMaxParticipants, 1, "the name contains a control character"},
        {"kim\rlee\n", kMaxParticipants, 1, "the name contains a control character"},
        {u8"가나다라마바사아자차카타파하가나다라마바사아자차카\n", kMaxParticipants, 1,
         "the name takes 50 bytes in code page 949, more than 49"},
        {tooMany, kMaxParticipants, 257, "more than 128 participants"},
        {maps + "one more\n", kMaxMaps, 11, "more than 10 maps"},
    };
    for (const auto& c : cases) {
        const NameList list = parseNameList(c.input, c.limit, c.limit == kMaxMaps ? "maps" : "participants");
        EXPECT_EQ(list.errorLine, c.line) << c.error;
        EXPECT_EQ(list.error, c.error);
        EXPECT_TRUE(list.names.empty());
    }
    EXPECT_EQ(parseNameList(maps, kMaxMaps, "maps").names.size(), 10u);
}

// Both ways are used on whole files by the program tests; here, what does not fit.
TEST(Encoding, RefusesWhatDoesNotFit) {
    EXPECT_FALSE(utf8ToCp949(u8"\xF0\x9F\x98\x80"));
    EXPECT_FALSE(utf8ToCp949("\xED\xA0\x80"));  // a surrogate
    EXPECT_FALSE(cp949ToUtf8("\xB0"));          // a lead byte alone
    EXPECT_TRUE(isValidUtf8(u8"a가\xF0\x9F\x98\x80"));
    for (const char* bad : {"\x80", "\xC2", "\xE0\x80\x80", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\xE2\x82"}) {
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
    }
}

}  // namespace
}  // namespace rl::cli
