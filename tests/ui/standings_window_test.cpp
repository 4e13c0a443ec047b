// The standings window, opened from the result window's system menu: scores
// entered as a person would, the standings beside them, the knock-out's later
// results cleared only when the user agrees, and the file on the Desktop.
#include <string>
#include <tuple>
#include <vector>

#include "engine/list_host.h"
#include "resources/strings.h"
#include "standings/standings_text.h"
#include "tests/ui/result_fixture.h"

namespace rl::ui::test {
namespace {

constexpr std::uint32_t kClock = 1700000000;

// From the given write on, WriteFile fails as on a full disk.
int goodWrites = 0;
BOOL WINAPI failingWriter(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED o) {
    if (goodWrites-- > 0) return WriteFile(file, data, size, written, o);
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

class StandingsWindowTest : public ResultFixture {
protected:
    void SetUp() override {
        ResultFixture::SetUp();
        setClockForTesting(kClock);
        DeleteFileA(path.c_str());
        prepareExample();  // groups of 4, 3 and 3: A has matches 1, 2 and final 3; B's 2 is a bye
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
    void open() {
        SendMessageA(result(), WM_SYSCOMMAND, IDM_ENTER_RESULTS, 0);
        pump();
    }
    void notify(int id, int code) {
        SendMessageA(window(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(at(id)));
        pump();
    }
    void chooseMatch(int group, int number) {
        SendMessageA(at(IDC_STANDINGS_GROUP), CB_SETCURSEL, static_cast<WPARAM>(group), 0);
        notify(IDC_STANDINGS_GROUP, CBN_SELCHANGE);
        SendMessageA(at(IDC_MATCH_LIST), LB_SETCURSEL, static_cast<WPARAM>(number - 1), 0);
        notify(IDC_MATCH_LIST, LBN_SELCHANGE);
    }
    // Types the maps and presses Enter in the second field.
    void record(MatchKey key, const std::string& first, const std::string& second) {
        chooseMatch(key.group, key.number);
        SetWindowTextA(at(IDC_FIRST_MAPS), first.c_str());
        SetWindowTextA(at(IDC_SECOND_MAPS), second.c_str());
        pressKey(at(IDC_SECOND_MAPS), VK_RETURN);
        pump();
    }
    void clear(MatchKey key) {
        chooseMatch(key.group, key.number);
        notify(IDC_CLEAR_RESULT, BN_CLICKED);
    }
    std::vector<std::string> matchLines() const {
        std::vector<std::string> lines;
        for (int i = 0; i < listCount(at(IDC_MATCH_LIST)); ++i) {
            char line[256] = {};
            SendMessageA(at(IDC_MATCH_LIST), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
            lines.emplace_back(line);
        }
        return lines;
    }
    std::string name(MatchKey key, bool first) const {
        const MatchState& m = groupStandings(assignment(), results(), key.group).matches[key.number - 1];
        return std::string(nameOf(host(), ListKind::Participants, first ? m.first : m.second));
    }
    // The scores left standing, in key order.
    std::vector<std::pair<int, int>> scores() const {
        std::vector<std::pair<int, int>> left;
        for (const auto& [key, score] : results().all()) left.emplace_back(key.group * 10 + key.number, score.first);
        return left;
    }
    // Group A played to the end: 2:1 and 0:2, then the final 2:0.
    void playGroupA() {
        const std::tuple<int, const char*, const char*> plays[] = {{1, "2", "1"}, {2, "0", "2"}, {3, "2", "0"}};
        for (const auto& [number, first, second] : plays) record({0, number}, first, second);
    }

    const std::string path = desktopFile().substr(0, desktopFile().rfind('\\')) + "\\순위표.txt";
};

TEST_F(StandingsWindowTest, OpensFromTheSystemMenuOnTheResultWindowsGroup) {
    char item[64] = {};
    GetMenuStringA(GetSystemMenu(result(), FALSE), IDM_ENTER_RESULTS, item, sizeof item, MF_BYCOMMAND);
    EXPECT_EQ(std::string(item), "경기 결과 입력(&R)...");
    EXPECT_EQ(windowText(window()), "Rosterloom::Standings");
    RECT client{};
    GetClientRect(window(), &client);
    EXPECT_EQ(client.right * 1000 + client.bottom, 640L * 1000 + 465);
    EXPECT_EQ(windowRect(window()).left, placementFor({640, 465}).x);

    DestroyWindow(window());
    choose(1);
    open();
    EXPECT_EQ(SendMessageA(at(IDC_STANDINGS_GROUP), CB_GETCURSEL, 0, 0), 1);
    const std::vector<std::string> lines = matchLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "1경기\t" + name({1, 1}, true) + "\t[vs]\t" + name({1, 1}, false));
    EXPECT_EQ(lines[1], "2경기\t" + name({1, 2}, true) + "\t(부전승)");
    EXPECT_EQ(lines[2], "3경기\t<1경기 승자>\t[vs]\t" + name({1, 3}, false));
    chooseMatch(1, 2);  // a bye is not chosen
    EXPECT_EQ(SendMessageA(at(IDC_MATCH_LIST), LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(windowText(at(IDC_FIRST_PLAYER)), name({1, 1}, true));

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
    Results expected;
    playGroupA();
    expected.set({0, 1}, {2, 1});
    expected.set({0, 2}, {0, 2});
    expected.set({0, 3}, {2, 0});
    EXPECT_EQ(windowText(at(IDC_STANDINGS_EDIT)), standingsGroupText(assignment(), expected, host(), 0));
    EXPECT_EQ(matchLines()[2], "3경기\t" + name({0, 3}, true) + "\t2:0\t" + name({0, 3}, false));
    record({0, 3}, "3", "2");  // the same winner: replaced without a question
    expected.set({0, 3}, {3, 2});
    EXPECT_TRUE(boxes.boxes().empty());

    clickResult(IDC_CLOSE_RESULT);
    EXPECT_EQ(window(), nullptr);
    ASSERT_TRUE(openResult());
    open();
    EXPECT_EQ(windowText(at(IDC_STANDINGS_EDIT)), standingsGroupText(assignment(), expected, host(), 0));
    EXPECT_EQ(windowText(at(IDC_FIRST_MAPS)) + ":" + windowText(at(IDC_SECOND_MAPS)), "2:1");
}

TEST_F(StandingsWindowTest, RefusedEntriesSayWhyAndRecordNothing) {
    const struct { MatchKey key; const char* first; const char* second; const char* message; } cases[] = {
        {{0, 1}, "1", "1", STR_RESULT_TIE},
        {{0, 1}, "", "2", STR_RESULT_NO_SCORE},
        {{0, 3}, "2", "0", STR_RESULT_NOT_KNOWN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        record(c.key, c.first, c.second);
        expectLastBox(boxes, "Rosterloom", c.message);
        EXPECT_TRUE(results().all().empty());
    }
}

// Clearing, or giving a knock-out match another winner, takes the later
// results its winner played in, only when the user says yes.
TEST_F(StandingsWindowTest, LaterResultsGoOnlyWhenTheUserAgrees) {
    using Scores = std::vector<std::pair<int, int>>;
    const std::string clearing = "이 경기의 승자가 치른 다음 경기의 결과 1개도 함께 지워집니다.\n좋습니까?";
    const std::string changing = "승자가 바뀌어, 이 경기의 승자가 치른 다음 경기의 결과 1개가 지워집니다.\n좋습니까?";
    playGroupA();
    boxes.answerNextWith(IDNO);
    clear({0, 1});
    expectLastBox(boxes, "Rosterloom", clearing, {IDYES, IDNO});
    boxes.answerNextWith(IDNO);
    record({0, 1}, "1", "2");
    expectLastBox(boxes, "Rosterloom", changing, {IDYES, IDNO});
    EXPECT_EQ(scores(), (Scores{{1, 2}, {2, 0}, {3, 2}}));

    boxes.answerNextWith(IDYES);
    record({0, 1}, "1", "2");
    EXPECT_EQ(scores(), (Scores{{1, 1}, {2, 0}}));
    record({0, 3}, "2", "0");
    boxes.answerNextWith(IDYES);
    clear({0, 2});
    EXPECT_EQ(scores(), (Scores{{1, 1}}));
    EXPECT_EQ(boxes.boxes().size(), 4u);
    EXPECT_EQ(windowText(at(IDC_STANDINGS_EDIT)), standingsGroupText(assignment(), results(), host(), 0));
}

TEST_F(StandingsWindowTest, CancelClosesTheWindowAndDropsTheResults) {
    playGroupA();
    boxes.answerNextWith(IDYES);
    clickResult(IDC_CANCEL_ASSIGNMENT);
    EXPECT_EQ(FindWindowA(kStandingsClass, nullptr), nullptr);
    EXPECT_TRUE(results().all().empty());
}

// The same names, settings and clock through the command line's host draw the
// same event; with the same results its file is this one, byte for byte.
TEST_F(StandingsWindowTest, WritesWhatTheCommandLineWritesForTheSameDraw) {
    playGroupA();
    record({1, 1}, "0", "2");
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
}

TEST_F(StandingsWindowTest, ALockedFileOrAFailedWriteIsNeverReportedAsWritten) {
    std::ofstream(path, std::ios::binary) << "kept";
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    notify(IDC_WRITE_STANDINGS, BN_CLICKED);
    CloseHandle(held);
    expectLastBox(boxes, "Rosterloom", STR_STANDINGS_IN_USE);
    EXPECT_EQ(fileContents(path), "kept");

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
