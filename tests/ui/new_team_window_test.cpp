// A team replaced before play in a team league: the withdrawal window's
// "교체(&R)" asks for the new team's players, players the rosters' rules
// refuse are told (with their line) and nothing changes, and the team that
// comes in has its own roster.
#include <variant>

#include "resources/teams.h"
#include "tests/ui/harness.h"

namespace rl::ui::test {
namespace {

class NewTeamWindowTest : public ProgramTest {};

TEST_F(NewTeamWindowTest, AReplacementInATeamLeagueBringsTheNewTeamsPlayers) {
    for (const char* team : {"Owls", "Hawks"}) enter(IDC_PARTICIPANT_FIELD, team);
    setGroups(1, 2);
    const team::TeamMatchFormat format = std::get<team::TeamMatchFormat>(team::parseTeamMatchFormat("sets:3"));
    restoreRosters(team::TeamLeague{format, {{"kim", "lee"}, {"park", "choi"}}, {}});
    nextDraw().teams = team::TeamLeague{format, {}, {}};
    ASSERT_TRUE(openResult());
    nextDraw().teams.reset();
    SendMessageA(result(), WM_SYSCOMMAND, IDM_ENTER_RESULTS, 0);
    altSpaceThen(FindWindowA(kStandingsClass, nullptr), 'k');
    HWND withdrawal = FindWindowA("WithdrawalWnd", nullptr);
    ASSERT_TRUE(withdrawal);
    SendDlgItemMessageA(withdrawal, IDC_WITHDRAW_LIST, LB_SETCURSEL, 1, 0);
    const std::string gone = theEvent().participants[static_cast<std::size_t>(assignment().groupTable[0][1])];
    SetDlgItemTextA(withdrawal, IDC_REPLACE_NAME, "Ravens");
    click(IDC_REPLACE, withdrawal);
    HWND window = FindWindowA("NewTeamWnd", nullptr);
    ASSERT_TRUE(window);
    EXPECT_EQ(GetFocus(), GetDlgItem(window, IDC_NEW_TEAM_PLAYERS));
    EXPECT_EQ(windowText(GetDlgItem(window, IDC_NEW_TEAM_LABEL)), "Ravens 선수(&L): 한 줄에 한 명");
    const auto take = [&](const char* players) {
        SetDlgItemTextA(window, IDC_NEW_TEAM_PLAYERS, players);
        click(IDC_NEW_TEAM_REPLACE, window);
        return boxes.takeLog();
    };
    EXPECT_EQ(take(""), told("새 팀 'Ravens'의 선수를 입력하세요(한 줄에 한 명)."));
    SetDlgItemTextA(window, IDC_NEW_TEAM_PLAYERS, "jung\r\nyoon\r\njung\r\n");
    saveShot(window, "new-team");
    EXPECT_EQ(take("jung\r\nyoon\r\njung\r\n"), told("3번째 줄: 'jung' 선수가 이미 팀의 명단에 있습니다."));
    EXPECT_TRUE(theEvent().changes.empty());

    boxes.answerNextWith(IDYES);
    const std::string question = gone + " 팀 대신 Ravens 팀이 선수 2명으로 들어옵니다. 자리와 경기, 시드를 그대로 "
                                        "이어받고, 되돌릴 수 없습니다.\n교체합니까?";
    EXPECT_EQ(take("jung\r\nyoon\r\n"), told(question.c_str(), " 6 7"));
    pump();
    EXPECT_FALSE(FindWindowA("NewTeamWnd", nullptr));
    ASSERT_EQ(theEvent().changes.size(), 1u);
    const auto& rosters = theEvent().teams->rosters;
    ASSERT_EQ(rosters.size(), 3u);
    EXPECT_EQ(rosters[2], (std::vector<std::string>{"jung", "yoon"}));
    EXPECT_EQ(listEntries(GetDlgItem(withdrawal, IDC_WITHDRAW_LIST))[1], "Ravens");
    EXPECT_TRUE(IsWindowEnabled(withdrawal));
}

}  // namespace
}  // namespace rl::ui::test
