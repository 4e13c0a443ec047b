// The system's conversions and hash, the same on both halves.
#include <gtest/gtest.h>

#include "engine/random.h"
#include "platform/encoding.h"
#include "platform/sha256.h"

namespace rl::platform {
namespace {

// Long enough that the converted text outgrows any first guess at its size.
TEST(Encoding, LongTextsGoBothWaysWhole) {
    std::string utf8, cp949;
    for (int i = 0; i < 3000; ++i) {
        utf8 += i % 7 ? u8"가힣" : u8"x\r\n";
        cp949 += i % 7 ? "가힣" : "x\r\n";
    }
    EXPECT_EQ(utf8ToCp949(utf8), cp949);
    EXPECT_EQ(cp949ToUtf8(cp949), utf8);
    EXPECT_EQ(utf8ToCp949(""), "");
    EXPECT_EQ(cp949ToUtf8("\x81"), std::nullopt);  // a lead byte cut off
    EXPECT_EQ(utf8ToCp949(u8"가\U0001F600"), std::nullopt);
}

// What code page 949 lacks, and what is not UTF-8, shows as '?'.
TEST(Encoding, ShownTextKeepsWhatConverts) {
    EXPECT_EQ(utf8ToCp949Shown(u8"북쪽 Fox"), "북쪽 Fox");
    EXPECT_EQ(utf8ToCp949Shown(u8"가\U0001F600나"), "가?나");
    EXPECT_EQ(utf8ToCp949Shown("a\xFF" "b\xC0\xAF"), "a?b??");
}

// The published example: the seed is the digest's first four bytes, big-endian.
TEST(Sha256, SeedFromTextIsTheDigestsFirstFourBytes) {
    const auto digest = sha256("abc");
    ASSERT_TRUE(digest);
    EXPECT_EQ(digest->substr(0, 8), "\xBA\x78\x16\xBF\x8F\x01\xCF\xEA");
    EXPECT_EQ(seedFromText("abc"), 0xBA7816BFu);
    EXPECT_EQ(seedFromDigest("\x01\x02\x03"), 0u);
}

}  // namespace
}  // namespace rl::platform
