#include <gtest/gtest.h>

#include "cli/team_list.h"

namespace rl::cli {
namespace {

// Teams as "TEAM: P1,P2; ..." in code page 949, or "LINE: error".
std::string read(const std::string& input) {
    const TeamList list = parseTeamList(input);
    if (!list.ok()) return std::to_string(list.errorLine) + ": " + list.error + (list.teams.empty() ? "" : " (kept)");
    std::string out;
    for (const team::Team& t : list.teams) {
        out += (out.empty() ? "" : "; ") + t.name + ":";
        for (std::size_t i = 0; i < t.roster.size(); ++i) out += (i ? "," : " ") + t.roster[i];
    }
    return out;
}

// Inputs UTF-8 (u8 literals), names out in code page 949 (plain literals).
TEST(ParseTeamList, RostersUnderTheirTeamsOrTheFirstBadLine) {
    std::string full = "big\n", many;
    for (int i = 0; i < 17; ++i) full += "\tp" + std::to_string(i) + "\n";
    for (int i = 0; i < 129; ++i) many += "t" + std::to_string(i) + "\n\tp\n";
    const std::pair<std::string, std::string> cases[] = {
        {u8"\xEF\xBB\xBF# 2024 시즌\r\n에이스팀\r\n\t김철수\r\n\tMarlow\r\n\r\n  \r\nOwls\n\tlee\n", "에이스팀: 김철수,Marlow; Owls: lee"},
        {u8"A\n# a note\n\tkim\n\t\t\nB\n\tkim\n", "A: kim; B: kim"},  // a player on two teams
        {"", ""},
        {u8"\tkim\nA\n", "1: a player's line (it begins with a tab) comes before any team's line"},
        {u8"A\n\tkim\nB\nC\n\tlee\n", "3: the team B has no players (lines <TAB>PLAYER under it)"},
        {u8"A\n\tkim\n\nB\n\n", "4: the team B has no players (lines <TAB>PLAYER under it)"},
        {u8"A\tkim\n", "1: a team's line has no tab; a player's line begins with one"},
        {u8"A\n\tkim\n\t lee\n", "3: the name begins with white space"},
        {u8"A\n\tkim\n\tkim\n", "3: the player kim is on the team's roster already"},
        {u8"A\n\tk\xFFm\n", "2: the name is not valid UTF-8"},
        {u8" A\n\tkim\n", "1: the name begins with white space"},
        {full, "18: the team big has more than 16 players"},
        {many, "257: more than 128 teams"},
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(read(input), expected) << input;
}

}  // namespace
}  // namespace rl::cli
