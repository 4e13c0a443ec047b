#include "team/format.h"

#include <gtest/gtest.h>

namespace rl::team {
namespace {

// What the option's value reads as: the format written back, or the refusal.
std::string read(std::string_view text) {
    const auto parsed = parseTeamMatchFormat(text);
    if (const auto* format = std::get_if<TeamMatchFormat>(&parsed)) return formatText(*format);
    return "refused: " + englishRefusal(std::get<Refusal>(parsed));
}

TEST(TeamMatchFormat, EveryValueReadsBackOrIsRefusedWithItsReason) {
    const std::pair<std::string_view, std::string> cases[] = {
        {"sets:3", "sets:3"},
        {"sets:9:ace", "sets:9:ace"},
        {"winner:2", "winner:2"},
        {"winner:5", "winner:5"},
        {"sets:1", "refused: a team match is 3 to 9 sets, not 1"},
        {"sets:11:ace", "refused: a team match is 3 to 9 sets, not 11"},
        {"sets:6", "refused: 6 sets: the number of sets must be odd, so that one team wins a majority"},
        {"sets:4:ace", "refused: 4 sets: the number of sets must be odd, so that one team wins a majority"},
        {"sets:5:aces", "refused: 'aces' after the number of sets: only 'ace' (the last set is the ace match) may follow"},
        {"sets:5:", "refused: '' after the number of sets: only 'ace' (the last set is the ace match) may follow"},
        {"winner:6", "refused: winner stays takes 2 to 5 wins, not 6"},
        {"winner:1", "refused: winner stays takes 2 to 5 wins, not 1"},
        {"winner:4:ace", "refused: '4:ace' is not a whole number"},
        {"sets:+5", "refused: '+5' is not a whole number"},
        {"sets:", "refused: '' is not a whole number"},
        {"sets:99999999999", "refused: '99999999999' is not a whole number"},
        {"Sets:5", "refused: 'Sets:5' is not a team match format: sets:N, sets:N:ace or winner:S"},
        {"", "refused: '' is not a team match format: sets:N, sets:N:ace or winner:S"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(read(text), expected) << text;
}

TEST(TeamMatchFormat, KoreanWordingNamesTheSameValues) {
    const auto parsed = parseTeamMatchFormat("sets:11");
    EXPECT_EQ(koreanRefusal(std::get<Refusal>(parsed)), u8"팀 경기는 3세트부터 9세트까지인데 11세트입니다");
}

}  // namespace
}  // namespace rl::team
