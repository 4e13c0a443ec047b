// The standings window, opened from the result window's system menu: scores
// entered as a person would, the standings beside them, the knock-out's later
// results cleared only when the user agrees, and the file on the Desktop.
#include <string>
#include <vector>

#include "engine/list_host.h"
#include "resources/strings.h"
#include "standings/standings_text.h"
#include "tests/ui/result_fixture.h"

namespace rl::ui::test {
namespace {

constexpr std::uint32_t kClock = 1700000000;
using Scores = std::vector<std::pair<int, int>>;  // (10 * group + match, first player's maps)

// From the given write on, WriteFile fails as on a full disk.
int goodWrites = 0;
BOOL WINAPI failingWriter(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED o) {
    if (goodWrites-- > 0) return WriteFile(file, data, size, written, o);
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

// Groups of 4, 3 and 3: A plays matches 1 and 2, then the final 3; B's match 2 is a bye.
class StandingsWindowTest : public ResultFixture {
protected:
    void SetUp() override {
        ResultFixture::SetUp();
        setClockForTesting(kClock);
        DeleteFileA(path.c_str());
        prepareExample();
        ASSERT_TRUE(openResult());
        open();
        ASSERT_NE(window(), nullptr);
    }
    void TearDown() override {
        setClockForTesting(std::nullopt);
        setFileWriterForTesting(nullptr);
        DeleteFileA(path.c_str());
        ResultFixture::TearDown();
    }

    HWND window() const {
        HWND found = FindWindowA(kStandingsClass, nullptr);
        return found && GetWindow(found, GW_OWNER) == result() ? found : nullptr;
    }
    HWND at(int id) const { return GetDlgItem(window(), id); }
    void open() { SendMessageA(result(), WM_SYSCOMMAND, IDM_ENTER_RESULTS, 0); }
    void notify(int id, int code) {
        SendMessageA(window(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(at(id)));
    }
    void chooseMatch(int group, int number) {
        SendMessageA(at(IDC_STANDINGS_GROUP), CB_SETCURSEL, group, 0);
        notify(IDC_STANDINGS_GROUP, CBN_SELCHANGE);
        SendMessageA(at(IDC_MATCH_LIST), LB_SETCURSEL, number - 1, 0);
        notify(IDC_MATCH_LIST, LBN_SELCHANGE);
    }
    // Types the maps and presses Enter in the second field.
    void record(int group, int number, const char* first, const char* second) {
        chooseMatch(group, number);
        SetWindowTextA(at(IDC_FIRST_MAPS), first);
        SetWindowTextA(at(IDC_SECOND_MAPS), second);
        pressKey(at(IDC_SECOND_MAPS), VK_RETURN);
    }
    void playGroupA() {
        record(0, 1, "2", "1");
        record(0, 2, "0", "2");
        record(0, 3, "2", "0");
    }
    std::string line(int index) const {
        char text[256] = {};
        SendMessageA(at(IDC_MATCH_LIST), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
        return text;
    }
    std::string player(int group, int number, bool first) const {
        const MatchState m = groupStandings(assignment(), results(), group).matches[number - 1];
        return std::string(nameOf(host(), ListKind::Participants, first ? m.first : m.second));
    }
    Scores scores() const {
        Scores left;
        for (const auto& [key, score] : results().all()) left.emplace_back(key.group * 10 + key.number, score.first);
        return left;
    }
    std::string standingsShown() const { return windowText(at(IDC_STANDINGS_EDIT)); }

    const std::string path = desktopFile().substr(0, desktopFile().rfind('\\')) + "\\순위표.txt";
};

TEST_F(StandingsWindowTest, OpensFromTheSystemMenuOnTheResultWindowsGroup) {
    char item[64] = {};
    GetMenuStringA(GetSystemMenu(result(), FALSE), IDM_ENTER_RESULTS, item, sizeof item, MF_BYCOMMAND);
    EXPECT_EQ(std::string(item), "경기 결과 입력(&R)...");
    EXPECT_EQ(windowText(window()), "Rosterloom::Standings");
    EXPECT_EQ(windowRect(window()).left, placementFor({640, 465}).x);

    DestroyWindow(window());
    choose(1);
    open();
    EXPECT_EQ(SendMessageA(at(IDC_STANDINGS_GROUP), CB_GETCURSEL, 0, 0), 1);
    ASSERT_EQ(listCount(at(IDC_MATCH_LIST)), 3);
    EXPECT_EQ(line(0), "1경기\t" + player(1, 1, true) + "\t[vs]\t" + player(1, 1, false));
    EXPECT_EQ(line(1), "2경기\t" + player(1, 2, true) + "\t(부전승)");
    EXPECT_EQ(line(2), "3경기\t<1경기 승자>\t[vs]\t" + player(1, 3, false));
    chooseMatch(1, 2);  // a bye is not chosen
    EXPECT_EQ(SendMessageA(at(IDC_MATCH_LIST), LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(windowText(at(IDC_FIRST_PLAYER)), player(1, 1, true));

    HWND first = window();
    choose(2);
    open();
    EXPECT_EQ(window(), first);
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(SendMessageA(at(IDC_STANDINGS_GROUP), CB_GETCURSEL, 0, 0), 2);
}

// The edit shows the library's text for the results entered, and the results
// outlive both windows' closing.
TEST_F(StandingsWindowTest, RecordedScoresGiveTheLibrarysStandings) {
    playGroupA();
    Results expected;
    expected.set({0, 1}, {2, 1});
    expected.set({0, 2}, {0, 2});
    expected.set({0, 3}, {2, 0});
    EXPECT_EQ(standingsShown(), standingsGroupText(assignment(), expected, host(), 0));
    EXPECT_EQ(line(2), "3경기\t" + player(0, 3, true) + "\t2:0\t" + player(0, 3, false));
    record(0, 3, "3", "2");  // the same winner: replaced without a question
    expected.set({0, 3}, {3, 2});
    EXPECT_TRUE(boxes.boxes().empty());

    clickResult(IDC_CLOSE_RESULT);
    EXPECT_EQ(window(), nullptr);
    ASSERT_TRUE(openResult());
    open();
    EXPECT_EQ(standingsShown(), standingsGroupText(assignment(), expected, host(), 0));
    EXPECT_EQ(windowText(at(IDC_FIRST_MAPS)) + ":" + windowText(at(IDC_SECOND_MAPS)), "2:1");
}

TEST_F(StandingsWindowTest, RefusedEntriesSayWhyAndRecordNothing) {
    const struct { int match; const char* first; const char* second; const char* message; } cases[] = {
        {1, "1", "1", STR_RESULT_TIE}, {1, "", "2", STR_RESULT_NO_SCORE}, {3, "2", "0", STR_RESULT_NOT_KNOWN}};
    for (const auto& c : cases) {
        record(0, c.match, c.first, c.second);
        expectLastBox(boxes, "Rosterloom", c.message);
        EXPECT_TRUE(results().all().empty()) << c.message;
    }
}

// Clearing, or giving a knock-out match the other winner, takes the later
// results its winner played in, only when the user says yes; cancel takes all.
TEST_F(StandingsWindowTest, LaterResultsGoOnlyWhenTheUserAgrees) {
    playGroupA();
    boxes.answerNextWith(IDNO);
    chooseMatch(0, 1);
    notify(IDC_CLEAR_RESULT, BN_CLICKED);
    expectLastBox(boxes, "Rosterloom", "이 경기의 승자가 치른 다음 경기의 결과 1개도 함께 지워집니다.\n좋습니까?",
                  {IDYES, IDNO});
    boxes.answerNextWith(IDNO);
    record(0, 1, "1", "2");
    expectLastBox(boxes, "Rosterloom", "승자가 바뀌어, 이 경기의 승자가 치른 다음 경기의 결과 1개가 지워집니다.\n좋습니까?",
                  {IDYES, IDNO});
    EXPECT_EQ(scores(), (Scores{{1, 2}, {2, 0}, {3, 2}}));

    boxes.answerNextWith(IDYES);
    record(0, 1, "1", "2");
    EXPECT_EQ(scores(), (Scores{{1, 1}, {2, 0}}));
    record(0, 3, "2", "0");
    boxes.answerNextWith(IDYES);
    chooseMatch(0, 2);
    notify(IDC_CLEAR_RESULT, BN_CLICKED);
    EXPECT_EQ(scores(), (Scores{{1, 1}}));
    EXPECT_EQ(boxes.boxes().size(), 4u);
    EXPECT_EQ(standingsShown(), standingsGroupText(assignment(), results(), host(), 0));

    boxes.answerNextWith(IDYES);
    clickResult(IDC_CANCEL_ASSIGNMENT);
    EXPECT_EQ(FindWindowA(kStandingsClass, nullptr), nullptr);
    EXPECT_TRUE(results().all().empty());
}

// The same names, settings and clock through the command line's host draw the
// same event; with the same results its file is this one, byte for byte. A
// locked file or a failed write is never reported as written.
TEST_F(StandingsWindowTest, WritesWhatTheCommandLineWritesOrSaysWhyNot) {
    playGroupA();
    record(1, 1, "0", "2");
    notify(IDC_WRITE_STANDINGS, BN_CLICKED);
    expectLastBox(boxes, "Rosterloom", STR_STANDINGS_DONE);
    ListHost cli;
    for (int i = 1; i <= 10; ++i) cli.participants.push_back("p" + std::to_string(i));
    cli.maps = {"north", "south", "east", "west"};
    cli.mapsEnabled = cli.tournament = true;
    cli.groupCountText = "3";
    cli.clock = kClock;
    AssignmentState drawn;
    ASSERT_EQ(assign(drawn, cli), AssignOutcome::Assigned);
    EXPECT_EQ(fileContents(path), standingsFileText(drawn, results(), cli));

    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    notify(IDC_WRITE_STANDINGS, BN_CLICKED);
    CloseHandle(held);
    expectLastBox(boxes, "Rosterloom", STR_STANDINGS_IN_USE);
    EXPECT_EQ(fileContents(path), standingsFileText(drawn, results(), cli));
    setFileWriterForTesting(failingWriter);
    for (int good : {0, 2}) {
        goodWrites = good;
        notify(IDC_WRITE_STANDINGS, BN_CLICKED);
        expectLastBox(boxes, "Rosterloom", STR_STANDINGS_NO_ACCESS);
        EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << good;
    }
}

}  // namespace
}  // namespace rl::ui::test
