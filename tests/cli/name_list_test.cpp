#include "cli/name_list.h"

#include <gtest/gtest.h>

#include "cli/encoding.h"

namespace rl::cli {
namespace {

// Inputs are UTF-8 (u8 literals); names come out in code page 949 (plain
// literals, which the compiler turns into code page 949).
struct GoodList {
    const char* what;
    std::string input;
    std::vector<std::string> names;
};

TEST(ParseNameList, TakesNamesAsWrittenInFileOrder) {
    const GoodList cases[] = {
        {"LF", u8"kim\nlee\npark", {"kim", "lee", "park"}},
        {"CR LF", u8"kim\r\nlee\r\n", {"kim", "lee"}},
        {"byte-order mark", u8"\xEF\xBB\xBF김철수\n", {"김철수"}},
        {"empty lines", u8"\n\r\nkim\n\n\r\nlee\n\n", {"kim", "lee"}},
        {"trailing blanks and duplicates", u8"kim \nkim\nkim\t\n", {"kim ", "kim", "kim\t"}},
        {"Hangul and Latin", u8"이영희\nMarlow\n", {"이영희", "Marlow"}},
        {"24 syllables and a letter is 49 bytes", u8"가나다라마바사아자차카타파하가나다라마바사아자차x\n",
         {"가나다라마바사아자차카타파하가나다라마바사아자차x"}},
        {"nothing", "", {}},
        {"only a mark", u8"\xEF\xBB\xBF", {}},
    };
    for (const auto& c : cases) {
        const NameList list = parseNameList(c.input, kMaxParticipants, "participants");
        EXPECT_TRUE(list.ok()) << c.what << ": " << list.error;
        EXPECT_EQ(list.names, c.names) << c.what;
    }
}

struct BadList {
    std::string input;
    int line;
    std::string error;
};

TEST(ParseNameList, StopsAtTheFirstBadLineAndNamesIt) {
    std::string tooMany;
    for (int i = 0; i < 129; ++i) tooMany += "p" + std::to_string(i) + "\n\n";
    const BadList cases[] = {
        {u8"kim\n\xF0\x9F\x98\x80\n", 2, "the name has a character that code page 949 cannot hold"},
        {"kim\n\nle\xFF" "e\n", 3, "the name is not valid UTF-8"},
        {"\xC0\xAF\n", 1, "the name is not valid UTF-8"},  // an overlong "/"
        {u8"kim\n lee\n", 2, "the name begins with white space"},
        {u8"\tkim\n", 1, "the name begins with white space"},
        {u8"kim\r\n\rlee\r\n", 2, "the name begins with white space"},
        {std::string("ki\0m\n", 5), 1, "the name contains a control character"},
        {"kim\rlee\n", 1, "the name contains a control character"},
        {"kim\x1Blee\n", 1, "the name contains a control character"},
        {u8"가나다라마바사아자차카타파하가나다라마바사아자차카\n", 1,
         "the name takes 50 bytes in code page 949, more than 49"},
        {tooMany, 257, "more than 128 participants"},
    };
    for (const auto& c : cases) {
        const NameList list = parseNameList(c.input, kMaxParticipants, "participants");
        EXPECT_EQ(list.errorLine, c.line) << c.error;
        EXPECT_EQ(list.error, c.error);
        EXPECT_TRUE(list.names.empty());
    }
}

TEST(ParseNameList, MapListHasItsOwnLimit) {
    std::string maps;
    for (int i = 0; i < 10; ++i) maps += "map" + std::to_string(i) + "\n";
    EXPECT_EQ(parseNameList(maps, kMaxMaps, "maps").names.size(), 10u);
    const NameList eleven = parseNameList(maps + "one more\n", kMaxMaps, "maps");
    EXPECT_EQ(eleven.errorLine, 11);
    EXPECT_EQ(eleven.error, "more than 10 maps");
}

TEST(Encoding, ConvertsBothWaysAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(utf8ToCp949(u8"경기 승자"), std::optional<std::string>("경기 승자"));
    EXPECT_EQ(cp949ToUtf8("조배정결과.txt"), std::optional<std::string>(u8"조배정결과.txt"));
    EXPECT_EQ(utf8ToCp949(""), std::optional<std::string>(""));
    EXPECT_FALSE(utf8ToCp949(u8"\xF0\x9F\x98\x80"));
    EXPECT_FALSE(utf8ToCp949("\xED\xA0\x80"));  // a surrogate
    EXPECT_FALSE(cp949ToUtf8("\xB0"));          // a lead byte alone
}

TEST(Encoding, Utf8Validation) {
    EXPECT_TRUE(isValidUtf8(u8"a가\xF0\x9F\x98\x80"));
    for (const char* bad : {"\x80", "\xC2", "\xE0\x80\x80", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\xE2\x82"}) {
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
    }
}

}  // namespace
}  // namespace rl::cli
