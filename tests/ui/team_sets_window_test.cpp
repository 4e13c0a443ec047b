// A team league's sets entered from the keys: the standings window's
// "고른 경기 세트 기록(&G)..." opens the chosen match's next set, each team's
// player is chosen from its roster, a set against the rules is refused in
// Korean, and the sets that decide the match give its result, its text in
// the standings window and "순위표.txt" as the command line writes it.
#include <variant>

#include "event/team_actions.h"
#include "event/team_text.h"
#include "resources/teams.h"
#include "tests/ui/harness.h"

namespace rl::ui::test {
namespace {

class TeamSetsWindowTest : public ProgramTest {
protected:
    HWND window() const { return FindWindowA("TeamSetsWnd", nullptr); }
    HWND at(int id) const { return GetDlgItem(window(), id); }
    void chooseByKeys(char letter, int steps) { ui::test::chooseByKeys(window(), letter, steps); }
    void enterSet(int first, int second, int winner) { enterTeamSet(window(), first, second, winner); }
    // Two teams in one group, their rosters pasted as the command line's
    // roster file, drawn with the given team match.
    void drawTeams(const char* format, const char* rosterFile) {
        for (const char* team : {"Owls", "Hawks"}) enter(IDC_PARTICIPANT_FIELD, team);
        setGroups(1, 2);
        nextDraw().teams = team::TeamLeague{std::get<team::TeamMatchFormat>(team::parseTeamMatchFormat(format)), {}, {}};
        pasteRosters(rosterFile);
        EXPECT_EQ(boxes.takeLog(), "");
        ASSERT_TRUE(openResult());
        nextDraw().teams.reset();
    }
    // The standings window with the group's first match chosen.
    HWND standingsOfFirstMatch() {
        SendMessageA(result(), WM_SYSCOMMAND, IDM_ENTER_RESULTS, 0);
        HWND table = FindWindowA(kStandingsClass, nullptr);
        SendDlgItemMessageA(table, IDC_MATCH_LIST, LB_SETCURSEL, 0, 0);
        SendMessageA(table, WM_COMMAND, MAKEWPARAM(IDC_MATCH_LIST, LBN_SELCHANGE), 0);
        return table;
    }
};

TEST_F(TeamSetsWindowTest, SetsEnteredFromTheKeysDecideTheMatchAndItsText) {
    click(IDC_MAPS_CHECK);
    for (const char* map : {"north", "south", "east"}) enter(IDC_MAP_FIELD, map);
    drawTeams("sets:3", "Owls\r\n\tkim\r\n\tlee\r\nHawks\r\n\tpark\r\n\tchoi\r\n");
    ASSERT_TRUE(theEvent().teams.has_value());
    EXPECT_EQ(team::formatText(theEvent().teams->format), "sets:3");
    const std::vector<std::vector<std::string>> pasted{{"kim", "lee"}, {"park", "choi"}};
    const auto& rosters = theEvent().teams->rosters;
    EXPECT_EQ(rosters, pasted);
    HWND table = standingsOfFirstMatch();
    ASSERT_TRUE(table);
    const Match match = assignment().schedule[0][0];
    const auto& firstRoster = rosters[static_cast<std::size_t>(match.first)];
    ASSERT_EQ(firstRoster.size(), 2u);

    altSpaceThen(table, 'g');
    ASSERT_TRUE(window());
    EXPECT_EQ(windowText(at(IDC_TEAM_SET_NUMBER)), "1세트");
    EXPECT_EQ(SendMessageA(at(IDC_TEAM_SET_MAP), CB_GETCURSEL, 0, 0), match.map);  // the dealt map first
    enterSet(1, 2, 0);  // no winner: the entry, named before the set
    ASSERT_TRUE(altKey(window(), 'r'));
    EXPECT_EQ(theEvent().teams->plays.at({0, 1}).entries, (std::vector<std::array<int, 2>>{{0, 1}}));
    EXPECT_EQ(windowText(at(IDC_TEAM_SET_NUMBER)), "1세트");
    EXPECT_EQ(SendMessageA(at(IDC_TEAM_SET_SECOND), CB_GETCURSEL, 0, 0), 2);  // shown as entered
    chooseByKeys('w', 1);
    ASSERT_TRUE(altKey(window(), 'r'));
    EXPECT_EQ(boxes.takeLog(), "");
    EXPECT_EQ(windowText(at(IDC_TEAM_SET_NUMBER)), "2세트");
    enterSet(1, 1, 1);  // the first team's player of set 1 again
    ASSERT_EQ(match.laterMaps.size(), 2u);
    EXPECT_EQ(SendMessageA(at(IDC_TEAM_SET_MAP), CB_GETCURSEL, 0, 0), match.laterMaps[0]);
    expectGolden("team-sets-window", controlDump(window(), {IDC_TEAM_SET_MAP}));  // the deal's maps change
    saveShot(window(), "team-sets");
    ASSERT_TRUE(altKey(window(), 'r'));
    EXPECT_EQ(boxes.takeLog(), told("2세트: Owls 팀의 kim은(는) 이 경기에서 이미 세트를 치렀습니다(에이스결정전에만 다시 나갈 수 있습니다)"));
    EXPECT_EQ(theEvent().teams->plays.at({0, 1}).sets.size(), 1u);
    chooseByKeys('a', 2);
    ASSERT_TRUE(altKey(window(), 'r'));  // 2:0 for the first team
    EXPECT_EQ(boxes.takeLog(), "");
    pump();
    EXPECT_FALSE(window());  // decided: no set is left to enter

    const Score* score = theEvent().results.find({0, 1});
    ASSERT_TRUE(score);
    EXPECT_EQ(*score, (Score{2, 0}));
    EXPECT_NE(windowText(GetDlgItem(table, IDC_STANDINGS_EDIT)).find(event::teamMatchText(theEvent(), {0, 1})),
              std::string::npos);
    saveShot(table, "team-sets-recorded");
}

// Winner stays from the keys: the last set's winner is already chosen for
// the next set, on whichever side won it; one who beats the whole other team
// ends the match with an all-kill, shown under it.
TEST_F(TeamSetsWindowTest, WinnerStaysKeepsTheWinnerChosenAndShowsTheAllKill) {
    drawTeams("winner:3", "Owls\r\n\tkim\r\n\tlee\r\n\tyoon\r\nHawks\r\n\tpark\r\n\tchoi\r\n\tjung\r\n");
    HWND table = standingsOfFirstMatch();
    ASSERT_TRUE(table);
    altSpaceThen(table, 'g');
    ASSERT_TRUE(window());
    const auto chosen = [&](int id) { return SendMessageA(at(id), CB_GETCURSEL, 0, 0); };
    const auto second = static_cast<std::size_t>(assignment().schedule[0][0].second);
    const std::string team = theEvent().participants[second];
    const std::vector<std::string> roster = theEvent().teams->rosters[second];
    enterSet(1, 1, 1);
    ASSERT_TRUE(altKey(window(), 'r'));
    EXPECT_EQ(chosen(IDC_TEAM_SET_FIRST), 1);  // the first team's winner stays
    EXPECT_EQ(chosen(IDC_TEAM_SET_SECOND), 0);
    chooseByKeys('b', 2);
    chooseByKeys('w', 2);
    ASSERT_TRUE(altKey(window(), 'r'));
    EXPECT_EQ(chosen(IDC_TEAM_SET_FIRST), 0);
    EXPECT_EQ(chosen(IDC_TEAM_SET_SECOND), 2);  // now the second team's
    for (int next : {2, 3}) {
        chooseByKeys('a', next);
        chooseByKeys('w', 2);
        ASSERT_TRUE(altKey(window(), 'r'));
    }
    EXPECT_EQ(boxes.takeLog(), "");
    pump();
    EXPECT_FALSE(window());
    const Score* score = theEvent().results.find({0, 1});
    ASSERT_TRUE(score);
    EXPECT_EQ(*score, (Score{1, 3}));
    const std::string shown = windowText(GetDlgItem(table, IDC_STANDINGS_EDIT));
    const std::string allKill = "올킬: " + roster[1] + " (" + team + ") 3승";
    EXPECT_NE(shown.find(allKill), std::string::npos) << readable(shown);
    saveShot(table, "team-winner-stays");
}

}  // namespace
}  // namespace rl::ui::test
