// A team league from the keys: the teams registered as participants, their
// players typed in the rosters window (Alt+Space T) or pasted there as the
// command line's roster file, the team match chosen in the format window
// (Alt+Space F, then Alt+T), and the draw takes both.
#include <variant>

#include "resources/teams.h"
#include "team/format.h"
#include "tests/ui/harness.h"

namespace rl::ui::test {
namespace {

class RosterWindowTest : public ProgramTest {
protected:
    HWND window() const { return owned("RosterWnd"); }
    HWND at(int id) const { return GetDlgItem(window(), id); }
    // Typed into the players' field over what it showed.
    void type(const char* text) {
        SendMessageA(at(IDC_ROSTER_PLAYERS), EM_SETSEL, 0, -1);
        SendMessageA(at(IDC_ROSTER_PLAYERS), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    }
    std::string rows() const {
        std::string text;
        for (const std::string& row : listEntries(at(IDC_ROSTER_LIST))) text += readable(row) + "\n";
        return text;
    }
};

TEST_F(RosterWindowTest, RostersTypedAndPastedAndATeamMatchChosenFeedTheDraw) {
    for (const char* team : {"Owls", "Hawks", "올빼미", "Eagles"}) enter(IDC_PARTICIPANT_FIELD, team);
    setGroups(1, 4);
    altSpaceThen(main(), 't');
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(GetFocus(), at(IDC_ROSTER_LIST));
    ASSERT_TRUE(dialogKey(window(), at(IDC_ROSTER_LIST), VK_TAB));
    EXPECT_EQ(GetFocus(), at(IDC_ROSTER_PLAYERS));
    type("kim\r\nlee\r\n");
    ASSERT_TRUE(altKey(window(), 'a'));  // "적용(&A)": Hawks is next
    EXPECT_EQ(SendMessageA(at(IDC_ROSTER_LIST), LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(GetFocus(), at(IDC_ROSTER_PLAYERS));
    type("park\r\npark\r\n");
    ASSERT_TRUE(dialogKey(window(), at(IDC_ROSTER_LIST), VK_DOWN));  // what was typed is checked before moving on
    EXPECT_EQ(boxes.takeLog(), told("2번째 줄: 'park' 선수가 이미 팀의 명단에 있습니다."));
    EXPECT_EQ(SendMessageA(at(IDC_ROSTER_LIST), LB_GETCURSEL, 0, 0), 1);
    type("park\r\nchoi");
    ASSERT_TRUE(dialogKey(window(), at(IDC_ROSTER_LIST), VK_DOWN));
    EXPECT_EQ(boxes.takeLog(), "");
    ASSERT_TRUE(dialogKey(window(), at(IDC_ROSTER_LIST), VK_ESCAPE));
    pump();
    EXPECT_EQ(window(), nullptr);

    altSpaceThen(main(), 'f');
    HWND format = FindWindowA("FormatWnd", nullptr);
    ASSERT_TRUE(format);
    ASSERT_TRUE(altKey(format, 't'));
    EXPECT_EQ(GetFocus(), GetDlgItem(format, IDC_TEAM_MATCH));
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(dialogKey(format, GetFocus(), VK_DOWN));  // 3, 3 + ace, 5, 5 + ace
    expectGolden("format-window", controlDump(format));
    saveShot(format, "format");
    ASSERT_TRUE(dialogKey(format, GetFocus(), VK_ESCAPE));
    pump();
    ASSERT_TRUE(nextDraw().teams.has_value());
    EXPECT_EQ(team::formatText(nextDraw().teams->format), "sets:5:ace");

    click(IDC_ASSIGN);
    EXPECT_EQ(boxes.takeLog(), told("'올빼미' 팀의 선수 명단이 비어 있습니다.\n시스템 메뉴의 '팀 명단'에서 선수를 입력하세요."));
    EXPECT_EQ(result(), nullptr);
    // The rest pasted as a roster file: a team not registered is refused first.
    altSpaceThen(main(), 't');
    type("");
    putOnClipboard("Kites\r\n\tx\r\n");
    SendMessageA(at(IDC_ROSTER_PLAYERS), WM_PASTE, 0, 0);
    click(IDC_ROSTER_APPLY, window());
    EXPECT_EQ(boxes.takeLog(), told("'Kites' 팀은 등록된 참가자가 아닙니다(또는 등록된 것보다 여러 번 나옵니다)."));
    type("");
    putOnClipboard("# 나머지\r\n올빼미\r\n\t홍길동\r\nEagles\r\n\tx\r\n\ty\r\n");
    SendMessageA(at(IDC_ROSTER_PLAYERS), WM_PASTE, 0, 0);
    click(IDC_ROSTER_APPLY, window());
    EXPECT_EQ(boxes.takeLog(), "");
    expectGolden("roster-window", controlDump(window()) + rows());
    saveShot(window(), "rosters");
    click(IDC_ROSTER_CLOSE, window());

    const std::vector<std::vector<std::string>> rosters{{"kim", "lee"}, {"park", "choi"}, {"홍길동"}, {"x", "y"}};
    EXPECT_EQ(currentRosters(), rosters);
    ASSERT_TRUE(openResult());
}

// A player's race after a tab, typed or pasted as a roster file, is read as
// the command line reads it, shown again with its player, and drawn with him.
TEST_F(RosterWindowTest, RacesTypedOrPastedGoWithTheirPlayersIntoTheDraw) {
    for (const char* team : {"Owls", "Hawks"}) enter(IDC_PARTICIPANT_FIELD, team);
    setGroups(1, 2);
    nextDraw().teams = team::TeamLeague{std::get<team::TeamMatchFormat>(team::parseTeamMatchFormat("sets:3")), {}, {}};
    altSpaceThen(main(), 't');
    ASSERT_NE(window(), nullptr);
    ASSERT_TRUE(dialogKey(window(), at(IDC_ROSTER_LIST), VK_TAB));
    type("kim\tT\r\nlee\r\n");
    ASSERT_TRUE(altKey(window(), 'a'));
    EXPECT_EQ(SendMessageA(at(IDC_ROSTER_LIST), LB_GETCURSEL, 0, 0), 1);
    type("");
    putOnClipboard("Hawks\r\n\tpark\t저그\r\n\tchoi\tp\r\n");
    SendMessageA(at(IDC_ROSTER_PLAYERS), WM_PASTE, 0, 0);
    click(IDC_ROSTER_APPLY, window());
    EXPECT_EQ(boxes.takeLog(), "");
    EXPECT_EQ(windowText(at(IDC_ROSTER_PLAYERS)), "park\tZ\r\nchoi\tP\r\n");
    saveShot(window(), "rosters-races");
    ASSERT_TRUE(dialogKey(window(), at(IDC_ROSTER_LIST), VK_UP));
    EXPECT_EQ(windowText(at(IDC_ROSTER_PLAYERS)), "kim\tT\r\nlee\r\n");
    click(IDC_ROSTER_CLOSE, window());
    ASSERT_TRUE(openResult());
    nextDraw().teams.reset();
    ASSERT_TRUE(theEvent().teams.has_value());
    const std::vector<std::vector<Race>> races{{Race::Terran, Race::None}, {Race::Zerg, Race::Protoss}};
    EXPECT_EQ(theEvent().teams->races, races);
}

}  // namespace
}  // namespace rl::ui::test
