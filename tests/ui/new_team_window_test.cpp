// A team replaced before play in a team league: the withdrawal window's
// "교체(&R)" asks for the new team's players, a roster the rules refuse is
// told with its line and nothing changes, and the team that comes in plays
// its sets with its own players; the event writes and reads back the same
// and its draw still verifies.
#include <variant>

#include "event/event.h"
#include "event/team_actions.h"
#include "platform/front_end.h"
#include "resources/teams.h"
#include "tests/ui/harness.h"

namespace rl::ui::test {
namespace {

class NewTeamWindowTest : public ProgramTest {
protected:
    // Two teams of two drawn into one group, their rosters from the event's choices.
    bool drawTwoTeams() {
        for (const char* team : {"Owls", "Hawks"}) enter(IDC_PARTICIPANT_FIELD, team);
        setGroups(1, 2);
        const team::TeamMatchFormat format = std::get<team::TeamMatchFormat>(team::parseTeamMatchFormat("sets:3"));
        restoreRosters(team::TeamLeague{format, {{"kim", "lee"}, {"park", "choi"}}, {}});
        nextDraw().teams = team::TeamLeague{format, {}, {}};
        const bool drawn = openResult();
        nextDraw().teams.reset();
        return drawn && theEvent().teams.has_value();
    }
    HWND typeNewTeam(HWND withdrawal, const char* team, const char* players) {
        SetDlgItemTextA(withdrawal, IDC_REPLACE_NAME, team);
        click(IDC_REPLACE, withdrawal);
        HWND window = FindWindowA("NewTeamWnd", nullptr);
        if (window) SetDlgItemTextA(window, IDC_NEW_TEAM_PLAYERS, players);
        return window;
    }
};

TEST_F(NewTeamWindowTest, AReplacementInATeamLeagueBringsTheNewTeamsPlayers) {
    ASSERT_TRUE(drawTwoTeams());
    SendMessageA(result(), WM_SYSCOMMAND, IDM_ENTER_RESULTS, 0);
    HWND table = FindWindowA(kStandingsClass, nullptr);
    ASSERT_TRUE(table);
    altSpaceThen(table, 'k');
    HWND withdrawal = FindWindowA("WithdrawalWnd", nullptr);
    ASSERT_TRUE(withdrawal);
    SendDlgItemMessageA(withdrawal, IDC_WITHDRAW_LIST, LB_SETCURSEL, 1, 0);
    const Pos gone = assignment().groupTable[0][1];
    const std::string goneName = theEvent().participants[static_cast<std::size_t>(gone)];

    HWND window = typeNewTeam(withdrawal, "Ravens", "jung\r\nyoon\r\njung\r\n");
    ASSERT_TRUE(window);
    EXPECT_EQ(GetFocus(), GetDlgItem(window, IDC_NEW_TEAM_PLAYERS));
    EXPECT_EQ(windowText(GetDlgItem(window, IDC_NEW_TEAM_LABEL)), "Ravens 선수(&L): 한 줄에 한 명");
    saveShot(window, "new-team");
    click(IDC_NEW_TEAM_REPLACE, window);
    EXPECT_EQ(boxes.takeLog(), told("3번째 줄: 'jung' 선수가 이미 팀의 명단에 있습니다."));
    EXPECT_TRUE(theEvent().changes.empty());

    SetDlgItemTextA(window, IDC_NEW_TEAM_PLAYERS, "jung\r\nyoon\r\n");
    boxes.answerNextWith(IDYES);
    click(IDC_NEW_TEAM_REPLACE, window);
    const std::string question = goneName + " 팀 대신 Ravens 팀이 선수 2명으로 들어옵니다. 자리와 경기, 시드를 그대로 "
                                            "이어받고, 되돌릴 수 없습니다.\n교체합니까?";
    EXPECT_EQ(boxes.takeLog(), told(question.c_str(), " 6 7"));
    pump();
    EXPECT_FALSE(FindWindowA("NewTeamWnd", nullptr));
    ASSERT_EQ(theEvent().changes.size(), 1u);
    const auto added = static_cast<std::size_t>(theEvent().changes[0].other);
    ASSERT_EQ(theEvent().teams->rosters.size(), added + 1);
    EXPECT_EQ(theEvent().teams->rosters[added], (std::vector<std::string>{"jung", "yoon"}));
    EXPECT_EQ(listEntries(GetDlgItem(withdrawal, IDC_WITHDRAW_LIST))[1], "Ravens");
    EXPECT_EQ(windowText(GetDlgItem(withdrawal, IDC_REPLACE_NAME)), "");
    ASSERT_TRUE(dialogKey(withdrawal, GetDlgItem(withdrawal, IDC_WITHDRAW_LIST), VK_ESCAPE));

    // The new team's player plays its first set; the event keeps it all.
    const Match match = assignment().schedule[0][0];
    const team::TeamSet set{{0, 0}, match.first == static_cast<Pos>(added), kNone};
    EXPECT_TRUE(changeEvent(table, [&](event::Event& e) { return event::recordTeamSet(e, {0, 1}, 1, set).ok(); }));
    const event::FrontEnd frontEnd = platform::eventFrontEnd();
    const auto bytes = event::writeEvent(theEvent(), frontEnd);
    ASSERT_TRUE(bytes);
    const event::ReadOutcome read = event::readEvent(*bytes, frontEnd);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(event::writeEvent(*read.event, frontEnd), bytes);
    EXPECT_EQ(event::drawDifference(theEvent(), frontEnd).kind, event::Redraw::Same);
}

// Closed without taking the players, nothing changes.
TEST_F(NewTeamWindowTest, ClosedTheNewTeamsWindowChangesNothing) {
    ASSERT_TRUE(drawTwoTeams());
    SendMessageA(result(), WM_SYSCOMMAND, IDM_ENTER_RESULTS, 0);
    altSpaceThen(FindWindowA(kStandingsClass, nullptr), 'k');
    HWND withdrawal = FindWindowA("WithdrawalWnd", nullptr);
    ASSERT_TRUE(withdrawal);
    SendDlgItemMessageA(withdrawal, IDC_WITHDRAW_LIST, LB_SETCURSEL, 0, 0);
    HWND window = typeNewTeam(withdrawal, "Ravens", "");
    ASSERT_TRUE(window);
    click(IDC_NEW_TEAM_REPLACE, window);
    EXPECT_EQ(boxes.takeLog(), told("새 팀 'Ravens'의 선수를 입력하세요(한 줄에 한 명)."));
    ASSERT_TRUE(dialogKey(window, GetDlgItem(window, IDC_NEW_TEAM_PLAYERS), VK_ESCAPE));
    pump();
    EXPECT_FALSE(FindWindowA("NewTeamWnd", nullptr));
    EXPECT_TRUE(theEvent().changes.empty());
    EXPECT_TRUE(IsWindowEnabled(withdrawal));
}

}  // namespace
}  // namespace rl::ui::test
