// The standings window, opened from the result window's system menu: scores
// entered as a person would, the standings beside them, the knock-out's later
// results cleared only when the user agrees; and the two files on the Desktop.
#include "engine/list_host.h"
#include "event/actions.h"
#include "resources/strings.h"
#include "standings/standings_text.h"
#include "text/export_text.h"
#include "tests/ui/harness.h"

namespace rl::ui::test {
namespace {

constexpr std::uint32_t kClock = 1700000000;

// A stand-in for WriteFile on a full disk: after the given writes nothing, or
// only half, is written.
int writesLeft = 0;
bool halfWrites = false;
BOOL WINAPI fullDiskWriter(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED o) {
    if (writesLeft-- > 0 || halfWrites) return WriteFile(file, data, writesLeft >= 0 ? size : size / 2, written, o);
    *written = 0;
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

// The example drawn at a fixed clock: groups of 4, 3 and 3; in A the winners
// of matches 1 and 2 meet in 3, B's match 2 is a bye.
class StandingsWindowTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        setClockForTesting(kClock);
        prepareExample();
        ASSERT_TRUE(openResult());
        act("o");
        ASSERT_NE(window(), nullptr);
    }
    void TearDown() override {
        setClockForTesting(std::nullopt);
        setFileWriterForTesting(nullptr);
        DeleteFileA(path.c_str());
        ProgramTest::TearDown();
    }
    HWND window() const {  // the one the result window owns
        HWND found = FindWindowA(kStandingsClass, nullptr);
        return found && GetWindow(found, GW_OWNER) == result() ? found : nullptr;
    }
    HWND at(int id) const { return GetDlgItem(window(), id); }
    // One step as the transcripts write it: o open from the result window's
    // system menu, r<group> choose on the result window, x close it, R reopen
    // it, k cancel the assignment there; g<group> and m<match> choose here,
    // s<maps>:<maps> type them and press Enter, c clear; y and n answer the
    // next question.
    void act(const std::string& step) {
        const int n = std::atoi(step.c_str() + 1);
        const auto pick = [&](int id, UINT message, int code) {
            SendMessageA(at(id), message, static_cast<WPARAM>(n - (id == IDC_MATCH_LIST)), 0);
            notify(window(), id, code);
        };
        switch (step[0]) {
        case 'o': SendMessageA(result(), WM_SYSCOMMAND, IDM_ENTER_RESULTS, 0); break;
        case 'r': choose(n); break;
        case 'x': click(IDC_CLOSE_RESULT, result()); break;
        case 'R': ASSERT_TRUE(openResult()); break;
        case 'k': click(IDC_CANCEL_ASSIGNMENT, result()); break;
        case 'g': pick(IDC_STANDINGS_GROUP, CB_SETCURSEL, CBN_SELCHANGE); break;
        case 'm': pick(IDC_MATCH_LIST, LB_SETCURSEL, LBN_SELCHANGE); break;
        case 'c': click(IDC_CLEAR_RESULT, window()); break;
        case 'y': boxes.answerNextWith(IDYES); break;
        case 'n': boxes.answerNextWith(IDNO); break;
        case 's':
            SetWindowTextA(at(IDC_FIRST_MAPS), step.substr(1, step.find(':') - 1).c_str());
            SetWindowTextA(at(IDC_SECOND_MAPS), step.substr(step.find(':') + 1).c_str());
            pressKey(at(IDC_SECOND_MAPS), VK_RETURN);
        }
    }
    // The window's group and chosen match, the score row, the match list,
    // every result held and the boxes shown since.
    std::string shown() {
        const auto group = SendMessageA(at(IDC_STANDINGS_GROUP), CB_GETCURSEL, 0, 0);
        std::string s = window() ? std::string(1, 'A' + group) + " match " : "no window\n";
        if (window()) {
            s += std::to_string(SendMessageA(at(IDC_MATCH_LIST), LB_GETCURSEL, 0, 0) + 1);
            for (int id : {IDC_FIRST_PLAYER, IDC_FIRST_MAPS, IDC_SECOND_MAPS, IDC_SECOND_PLAYER})
                s += " [" + readable(windowText(at(id))) + "]";
            for (int id : {IDC_RECORD, IDC_CLEAR_RESULT}) s += IsWindowEnabled(at(id)) ? " on" : " off";
            s += GetActiveWindow() == window() ? " active\n" : "\n";
            for (const std::string& line : listEntries(at(IDC_MATCH_LIST))) s += "  " + readable(line) + "\n";
            EXPECT_EQ(windowText(at(IDC_STANDINGS_EDIT)), standingsGroupText(assignment(), theEvent().results, host(), group));
        }
        s += "results";
        for (const auto& [key, score] : theEvent().results.all())
            s += " " + std::string(1, 'A' + key.group) + std::to_string(key.number) + " " + std::to_string(score.first) +
                 ":" + std::to_string(score.second);
        return s + "\n" + boxes.takeLog();
    }

    const std::string path = desktopFile("순위표.txt");
};

// The menu item and the controls are in tests/data/ui/standings.txt.
// Refused entries say why; a new winner, or a cleared match, takes the later
// results its winner played in only when the user says yes; the results
// outlive both windows, and go with the assignment. Each step's outcome is
// in tests/data/ui/standings-entries.txt; the standings shown are always the
// library's for the results held.
TEST_F(StandingsWindowTest, OpensFromTheResultWindowsMenuAndTakesEntriesAsTheTranscriptShows) {
    char item[64] = {};
    GetMenuStringA(GetSystemMenu(result(), FALSE), IDM_ENTER_RESULTS, item, sizeof item, MF_BYCOMMAND);
    expectGolden("standings", readable(item) + "\n" + controlDump(window(), {IDC_STANDINGS_EDIT}));
    const char* steps[] = {"m3", "s2:0", "m1", "s1:1", "s:2", "s2:1", "m2", "s0:2", "m3", "s2:0", "s3:2",
                           "m1", "n",    "c",  "n",    "s1:2", "y", "s1:2", "m3", "s2:0", "m2", "y", "c",
                           "s2:0", "r1", "o", "m2", "s0:2", "x", "R", "o", "g1", "y", "k"};
    std::string log = shown();
    HWND last = window();
    for (const char* step : steps) {
        act(step);
        log += std::string("> ") + step + (window() && window() != last ? " (new window)\n" : "\n") + shown();
        last = window();
    }
    expectGolden("standings-entries", log);
}

// With races the standings file ends with each map's record by race, as
// the command line writes it for the event; only the file changes.
TEST_F(StandingsWindowTest, WithRacesTheStandingsFileEndsWithEachMapsRecordByRace) {
    for (const char* step : {"s2:1", "m2", "s0:2", "m3", "s2:0"}) act(step);
    const std::string shownBefore = windowText(at(IDC_STANDINGS_EDIT));
    event::Event raced = theEvent();
    raced.seeding.races.resize(raced.participants.size());
    for (std::size_t p = 0; p < raced.participants.size(); ++p) raced.seeding.races[p] = static_cast<Race>(1 + p % 4);
    takeEvent(window(), raced);
    click(IDC_WRITE_STANDINGS, window());
    EXPECT_EQ(boxes.takeLog(), told(STR_STANDINGS_DONE));
    const std::string file = fileContents(path);
    EXPECT_EQ(file, event::eventStandingsText(theEvent()));
    EXPECT_NE(file.find("\r\n< 맵별 종족 전적 >\r\n"), std::string::npos);
    EXPECT_EQ(windowText(at(IDC_STANDINGS_EDIT)), shownBefore);
}

// The export of the draw and the standings file: each replaces what was
// there with what the command line writes for the same names, settings, clock
// and results. A file in use or a folder in its place is left alone; a failed
// write is never told as success and leaves no half file behind.
TEST_F(StandingsWindowTest, EachFileIsWhatTheCommandLineWritesOrTheUserIsToldWhyNot) {
    for (const char* step : {"s2:1", "m2", "s0:2", "m3", "s2:0", "g1", "s0:2"}) act(step);
    ListHost cli;
    for (int i = 1; i <= 10; ++i) cli.participants.push_back("p" + std::to_string(i));
    cli.maps = {"north", "south", "east", "west"};
    cli.mapsEnabled = cli.tournament = true;
    cli.groupCountText = "3";
    cli.clock = kClock;
    AssignmentState drawn;
    ASSERT_EQ(assign(drawn, cli), AssignOutcome::Assigned);
    const struct { HWND window; int button; std::string path, file; const char *done, *inUse, *noAccess; } files[] = {{result(), IDC_EXPORT, desktopFile("조배정결과.txt"), exportFileText(drawn, cli), STR_EXPORT_DONE,
                  STR_EXPORT_IN_USE, STR_EXPORT_NO_ACCESS},
                 {window(), IDC_WRITE_STANDINGS, path, standingsFileText(drawn, theEvent().results, cli), STR_STANDINGS_DONE,
                  STR_STANDINGS_IN_USE, STR_STANDINGS_NO_ACCESS}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.path);
        const auto writeAndExpect = [&](const char* message) {
            click(f.button, f.window);
            EXPECT_EQ(boxes.takeLog(), told(message));
        };
        std::ofstream(f.path, std::ios::binary) << std::string(20000, 'x');
        for (int time = 0; time < 2; ++time) {
            writeAndExpect(f.done);
            EXPECT_EQ(fileContents(f.path), f.file);
        }
        HANDLE held = CreateFileA(f.path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        writeAndExpect(f.inUse);
        CloseHandle(held);
        EXPECT_EQ(fileContents(f.path), f.file);
        DeleteFileA(f.path.c_str());
        ASSERT_TRUE(CreateDirectoryA(f.path.c_str(), nullptr));
        writeAndExpect(f.noAccess);
        EXPECT_TRUE(RemoveDirectoryA(f.path.c_str()));
        setFileWriterForTesting(fullDiskWriter);
        for (const auto& [good, half] : {std::pair{0, false}, {0, true}, {2, false}}) {
            writesLeft = good;
            halfWrites = half;
            writeAndExpect(f.noAccess);
            EXPECT_EQ(GetFileAttributesA(f.path.c_str()), INVALID_FILE_ATTRIBUTES) << good << half;
        }
        setFileWriterForTesting(nullptr);
        EXPECT_TRUE(IsWindow(f.window) && assignment().assigned());
    }
}

}  // namespace
}  // namespace rl::ui::test
