// The playoff through the real windows: a whole event from the draw to the
// champion, typed as a person would, refused while groups are unfinished and
// while a tie is unsettled, and the standings file compared byte for byte
// with what rosterloom-cli writes for the same event.
#include "resources/strings.h"
#include "tests/ui/harness.h"

namespace rl::ui::test {
namespace {

constexpr std::uint32_t kClock = 1700000000;

class PlayoffWindowTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        setClockForTesting(kClock);
        addParticipants(10);
        setGroups(3, 4);
        click(IDC_MAPS_CHECK);
        for (const char* map : {"north", "south", "east", "west"}) enter(IDC_MAP_FIELD, map);
        ASSERT_TRUE(openResult());
        SendMessageA(result(), WM_SYSCOMMAND, IDM_ENTER_RESULTS, 0);
        standings = FindWindowA(kStandingsClass, nullptr);
        ASSERT_NE(standings, nullptr);
    }
    void TearDown() override {
        setClockForTesting(std::nullopt);
        DeleteFileA(desktopFile("순위표.txt").c_str());
        ProgramTest::TearDown();
    }
    void pick(HWND window, int id, UINT message, int code, int index) {
        SendMessageA(GetDlgItem(window, id), message, static_cast<WPARAM>(index), 0);
        notify(window, id, code);
    }
    // One step as the transcript writes it: "A3 2:1" records match 3 of
    // group A (P: the playoff), "g1" chooses the second entry of the group
    // chooser, "menu B" and "menu D" are the system menu's playoff and tie
    // items, "third", "make", "cancel" act in the playoff window, "row1",
    // "up", "settle" in the tie window, "write" writes the standings file,
    // "y" and "n" answer the next question.
    void act(const std::string& step) {
        HWND playoffWindow = FindWindowA("PlayoffWnd", nullptr), tieWindow = FindWindowA("SettleWnd", nullptr);
        if (step == "menu B" || step == "menu D")
            SendMessageA(standings, WM_SYSCOMMAND, step == "menu B" ? IDM_PLAYOFF : IDM_SETTLE_TIE, 0);
        else if (step == "third") click(IDC_THIRD_PLACE, playoffWindow);
        else if (step == "make") click(IDC_MAKE_PLAYOFF, playoffWindow);
        else if (step == "cancel") click(IDC_CLOSE_PLAYOFF, playoffWindow);
        else if (step == "up") click(IDC_TIE_UP, tieWindow);
        else if (step == "settle") click(IDC_SETTLE, tieWindow);
        else if (step == "write") click(IDC_WRITE_STANDINGS, standings);
        else if (step == "enter" || step == "escape") dialogKey(playoffWindow ? playoffWindow : tieWindow, step == "enter" ? VK_RETURN : VK_ESCAPE);
        else if (step == "y" || step == "n") boxes.answerNextWith(step == "y" ? IDYES : IDNO);
        else if (step.rfind("row", 0) == 0) pick(tieWindow, IDC_TIE_LIST, LB_SETCURSEL, 0, step[3] - '0');
        else if (step[0] == 'g') pick(standings, IDC_STANDINGS_GROUP, CB_SETCURSEL, CBN_SELCHANGE, step[1] - '0');
        else record(step);
        pump();
    }
    void dialogKey(HWND dialog, WPARAM key) {
        ASSERT_TRUE(IsChild(dialog, GetFocus())) << "the focus is not in the window";
        ASSERT_TRUE(test::dialogKey(dialog, GetFocus(), key));
    }
    void record(const std::string& step) {
        const int group = step[0] == 'P' ? assignment().settings.groupCount : step[0] - 'A';
        pick(standings, IDC_STANDINGS_GROUP, CB_SETCURSEL, CBN_SELCHANGE, group);
        pick(standings, IDC_MATCH_LIST, LB_SETCURSEL, LBN_SELCHANGE, std::atoi(step.c_str() + 1) - 1);
        const std::size_t space = step.find(' '), colon = step.find(':');
        SetDlgItemTextA(standings, IDC_FIRST_MAPS, step.substr(space + 1, colon - space - 1).c_str());
        SetDlgItemTextA(standings, IDC_SECOND_MAPS, step.substr(colon + 1).c_str());
        pressKey(GetDlgItem(standings, IDC_SECOND_MAPS), VK_RETURN);
    }
    // The windows open, whether the standings window takes input, its
    // chooser and menu item, the tie window's rows, and the boxes shown.
    std::string shown() {
        std::string s = IsWindowEnabled(standings) ? "standings" : "standings (waits)";
        char item[64] = {};
        GetMenuStringA(GetSystemMenu(standings, FALSE), IDM_PLAYOFF, item, sizeof item, MF_BYCOMMAND);
        s += ", menu " + readable(item) + ", groups";
        HWND chooser = GetDlgItem(standings, IDC_STANDINGS_GROUP);
        for (int i = 0; i < SendMessageA(chooser, CB_GETCOUNT, 0, 0); ++i) {
            char entry[16] = {};
            SendMessageA(chooser, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry));
            s += (i == SendMessageA(chooser, CB_GETCURSEL, 0, 0) ? " [" : " ") + readable(entry) +
                 (i == SendMessageA(chooser, CB_GETCURSEL, 0, 0) ? "]" : "");
        }
        if (FindWindowA("PlayoffWnd", nullptr)) s += ", playoff window";
        if (HWND tie = FindWindowA("SettleWnd", nullptr)) {
            s += ", tie window " + readable(windowText(GetDlgItem(tie, IDC_TIE_LABEL))) + ":";
            for (const std::string& row : listEntries(GetDlgItem(tie, IDC_TIE_LIST))) s += " " + row;
        }
        return s + "\n" + boxes.takeLog();
    }

    HWND standings = nullptr;
};

// Each step's outcome is in tests/data/ui/playoff-entries.txt; the file
// written at the end is the command line's for the same names, settings,
// clock, results and settled order (tests/data/ui/playoff-*.txt, checked
// against rosterloom-cli in tests/data/program.txt).
TEST_F(PlayoffWindowTest, AWholeEventFromTheDrawToTheChampionWritesWhatTheCommandLineWrites) {
    const char* steps[] = {"A1 2:1", "A2 2:0", "A3 1:2", "A4 2:0", "A5 2:1", "B1 2:0", "B2 2:1", "B3 2:0",
                           "C1 0:2", "C2 2:0", "C3 2:1", "menu B", "third", "make", "cancel", "A6 2:0",
                           "menu B", "make", "escape", "g0", "menu D", "row1", "up", "enter", "menu B",
                           "third", "enter", "A1 1:2", "menu D", "P8 1:0", "P2 2:0", "P4 0:2", "P5 1:2",
                           "P6 2:1", "P7 2:0", "P8 3:1", "write"};
    std::string log = shown();
    for (const char* step : steps) {
        act(step);
        log += std::string("> ") + step + "\n" + shown();
    }
    EXPECT_EQ(fileContents(desktopFile("순위표.txt")), fileContents(ROSTERLOOM_UI_DATA "/playoff-standings.txt"));
    for (const char* step : {"n", "menu B", "y", "menu B", "menu D"}) {
        act(step);
        log += std::string("> ") + step + "\n" + shown();
    }
    expectGolden("playoff-entries", log);
}

}  // namespace
}  // namespace rl::ui::test
