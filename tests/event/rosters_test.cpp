// The rosters as the window takes them: one team's players typed a line
// each, or a roster file pasted whole over the registered teams, by the
// roster file's rules and worded in Korean. (The file's own reading is
// tests/team/roster_file_test.cpp.)
#include <gtest/gtest.h>

#include "event/rosters.h"
#include "platform/encoding.h"

namespace rl::event {
namespace {

const PlacementCodec kCodec{platform::isValidUtf8, platform::utf8ToCp949, platform::cp949ToUtf8};

// The roster as "P1,P2 T" (CP949, a race's letter after its player), or
// "LINE: Korean fault" (UTF-8).
std::string typed(const std::string& utf8) {
    std::vector<std::string> roster{"kept"};
    std::vector<Race> races{Race::Zerg};
    const RosterFault f = readRosterLines(utf8, u8"올빼미", kCodec, roster, races);
    if (!f.ok()) return std::to_string(f.line) + ": " + koreanRosterFault(f) + (roster.size() == 1 ? "" : " (changed)");
    std::string out;
    for (std::size_t i = 0; i < roster.size(); ++i) {
        out += (i ? "," : "") + roster[i] + (races[i] == Race::None ? "" : " " + std::string(raceLetter(races[i])));
    }
    return out;
}

TEST(Rosters, TypedPlayersKeepTheRosterFileRules) {
    std::string full;
    for (int i = 0; i < 17; ++i) full += "p" + std::to_string(i) + "\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {u8"김철수\r\n\r\n# 후보\r\nMarlow\r\n", "김철수,Marlow"},
        {"", ""},
        {u8"kim\r\n lee\r\n", u8"2: 이름이 공백으로 시작합니다."},
        {u8"kim\nlee\nkim\n", u8"3: 'kim' 선수가 이미 팀의 명단에 있습니다."},
        {full, u8"17: '올빼미' 팀의 선수가 16명을 넘습니다."},
        {std::string(50, 'x') + "\n", u8"1: 이름이 코드 페이지 949로 50바이트라서 49바이트를 넘습니다."},
        {u8"kim\tt\r\nlee\t 저그 \r\npark\t\r\nchoi\n", "kim T,lee Z,park,choi"},
        {u8"kim\tT\nlee\tElf\n", u8"2: 'Elf'은(는) 종족이 아닙니다. 종족은 T, Z, P, R(테란, 저그, 프로토스, 랜덤) 중 하나로 쓰거나 비워 두세요."},
        {u8"kim\tT\tZ\n", u8"1: 선수 줄에는 선수와 탭 뒤의 종족만 씁니다. 칸이 더 있습니다."},
        {u8"kim\tT\nkim\tZ\n", u8"2: 'kim' 선수가 이미 팀의 명단에 있습니다."},
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(typed(input), expected) << input;
    EXPECT_FALSE(isRosterFile(u8"kim\n# \tnote\nlee\n"));
    EXPECT_TRUE(isRosterFile(u8"Owls\n\tkim\n"));
}

// Each pasted team takes the first registered team of its name not taken
// yet; the teams it leaves out keep their players, and a refusal changes none.
TEST(Rosters, APastedFileGivesTheRegisteredTeamsTheirPlayers) {
    const std::vector<std::string> teams{"Owls", "Hawks", "Owls"};
    std::vector<std::vector<std::string>> rosters{{"a"}, {"b"}};
    std::vector<std::vector<Race>> races{{Race::Zerg}, {Race::Terran}};
    const RosterText text = readRosterText(u8"Owls\n\tkim\nOwls\n\tlee\tP\n\tpark\n", kCodec);
    ASSERT_TRUE(text.fault.ok());
    ASSERT_TRUE(rostersFromText(text, teams, kCodec, rosters, races).ok());
    EXPECT_EQ(rosters, (std::vector<std::vector<std::string>>{{"kim"}, {"b"}, {"lee", "park"}}));
    EXPECT_EQ(races, (std::vector<std::vector<Race>>{{Race::None}, {Race::Terran}, {Race::Protoss, Race::None}}));
    EXPECT_EQ(koreanRosterFault(missingRoster(teams, {{"kim"}, {}, {"x"}}, kCodec)),
              u8"'Hawks' 팀의 선수 명단이 비어 있습니다.\n시스템 메뉴의 '팀 명단'에서 선수를 입력하세요.");
    EXPECT_TRUE(missingRoster(teams, rosters, kCodec).ok());

    const RosterText third = readRosterText(u8"Hawks\n\tchoi\nOwls\n\tx\nOwls\n\ty\nOwls\n\tz\n", kCodec);
    EXPECT_EQ(koreanRosterFault(rostersFromText(third, teams, kCodec, rosters, races)),
              u8"'Owls' 팀은 등록된 참가자가 아닙니다(또는 등록된 것보다 여러 번 나옵니다).");
    EXPECT_EQ(rosters[1], std::vector<std::string>{"b"});
    EXPECT_EQ(races[1], std::vector<Race>{Race::Terran});
    const RosterText bad = readRosterText(u8"Owls\n\tkim\nHawks\n", kCodec);
    EXPECT_EQ(std::to_string(bad.fault.line) + ": " + koreanRosterFault(bad.fault),
              u8"3: 'Hawks' 팀에 선수가 없습니다. 팀 줄 아래에 '<탭>선수' 줄을 쓰세요.");
    EXPECT_TRUE(bad.teams.empty());
}

}  // namespace
}  // namespace rl::event
