// The event kept: saved and opened through the real dialogs, handed to the
// program on its command line, and taken back from the autosave after the
// program was killed; the autosave never half written; every added
// system-menu item reached from the keyboard.
#include <ctime>
#include <random>

#include "platform/encoding.h"
#include "resources/seeding.h"
#include "resources/strings.h"
#include "tests/ui/harness.h"
#include "tests/ui/kill_events.h"

namespace rl::ui::test {
namespace {

constexpr std::uint32_t kClock = 1700000000;

// Other processes' windows answer within a bound, or the test fails instead of hanging.
LRESULT sendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 10000, &answer);
    return static_cast<LRESULT>(answer);
}
void pick(HWND window, int id, UINT message, int index, int code) {
    sendTo(GetDlgItem(window, id), message, static_cast<WPARAM>(index), 0);
    sendTo(window, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}
std::string textOf(HWND control) {
    std::string text(static_cast<std::size_t>(sendTo(control, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    text.resize(static_cast<std::size_t>(sendTo(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}
// A result typed into a standings window of this process or another, and Enter pressed.
void record(HWND standings, int group, int match, const char* first, const char* second) {
    pick(standings, IDC_STANDINGS_GROUP, CB_SETCURSEL, group, CBN_SELCHANGE);
    pick(standings, IDC_MATCH_LIST, LB_SETCURSEL, match - 1, LBN_SELCHANGE);
    sendTo(GetDlgItem(standings, IDC_FIRST_MAPS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(first));
    sendTo(GetDlgItem(standings, IDC_SECOND_MAPS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(second));
    sendTo(GetDlgItem(standings, IDC_SECOND_MAPS), WM_KEYDOWN, VK_RETURN, 0);
}
// Every group's table and schedule as a result window shows them.
std::string shownTexts(HWND result) {
    std::string texts;
    for (int g = 0; g < sendTo(GetDlgItem(result, IDC_GROUP_CHOOSER), CB_GETCOUNT, 0, 0); ++g) {
        pick(result, IDC_GROUP_CHOOSER, CB_SETCURSEL, g, CBN_SELCHANGE);
        texts += textOf(GetDlgItem(result, IDC_TABLE_EDIT)) + textOf(GetDlgItem(result, IDC_SCHEDULE_EDIT));
    }
    return texts;
}
// The child's window, once it is up; this process then has none.
HWND windowOf(const char* wanted) {
    HWND found = nullptr;
    for (int tries = 0; tries < 400 && !found; ++tries, Sleep(50)) found = FindWindowA(wanted, nullptr);
    return found;
}
// A program of the build tree started with the arguments; Wine sees Linux paths on drive Z:.
PROCESS_INFORMATION start(std::string program, const std::string& arguments) {
    std::replace(program.begin(), program.end(), '/', '\\');
    std::string line = "\"Z:" + program + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    EXPECT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started));
    return started;
}
void killProcess(const PROCESS_INFORMATION& process) {
    TerminateProcess(process.hProcess, 9);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
// Wine's ANSI code page is 949, which holds every path of these tests.
std::string narrow(const std::wstring& wide) {
    std::string text(wide.size() * 2, '\0');
    return text.substr(0, WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                                              static_cast<int>(text.size()), nullptr, nullptr));
}
// A dialog's line in the log: its title.
std::string titleOf(const std::string& log) { return log.substr(0, log.find(':')); }
BOOL CALLBACK keepLongestText(HWND child, LPARAM longest) {
    const std::string text = textOf(child);
    auto& kept = *reinterpret_cast<std::string*>(longest);
    if (text.size() > kept.size()) kept = text;
    return TRUE;
}
// "YYYY-MM-DD HH:MM:SS" of the test's clock.
std::string localDrawTime() {
    const std::time_t clock = kClock;
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", std::localtime(&clock)));
}
BOOL WINAPI fullDisk(HANDLE, LPCVOID, DWORD, LPDWORD written, LPOVERLAPPED) {
    return *written = 0, SetLastError(ERROR_DISK_FULL), FALSE;
}
std::string formatted(const char* format, const std::string& text, int number = 0) {
    char shown[1024];
    wsprintfA(shown, format, text.c_str(), number);
    return shown;
}

class EventFileTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        setClockForTesting(kClock);
    }
    void TearDown() override {
        setClockForTesting(std::nullopt);
        setFileWriterForTesting(nullptr);
        for (const std::string& path : {savedPath(), desktopFile("cli.txt"), desktopFile("cli.json")}) DeleteFileA(path.c_str());
        ProgramTest::TearDown();
    }
    HWND standings() {
        if (!owned(kResultClass)) return nullptr;
        if (!FindWindowA(kStandingsClass, nullptr)) SendMessageA(result(), WM_SYSCOMMAND, IDM_ENTER_RESULTS, 0);
        return FindWindowA(kStandingsClass, nullptr);
    }
    // What an evening leaves: the result window's texts, the export and the standings file.
    std::string evening() {
        std::string left = shownTexts(result());
        click(IDC_EXPORT, result());
        click(IDC_WRITE_STANDINGS, standings());
        for (const char* name : {"조배정결과.txt", "순위표.txt"}) {
            left += "\n--- " + std::string(name) + "\n" + fileContents(desktopFile(name));
            DeleteFileA(desktopFile(name).c_str());
        }
        EXPECT_EQ(boxes.takeLog(), told(STR_EXPORT_DONE) + told(STR_STANDINGS_DONE));
        return left;
    }
    // "순위 출력" after saving the event: the command line's text of the saved file.
    std::string standingsFileAsTheCommandLineWritesIt() {
        SendMessageA(main(), WM_SYSCOMMAND, IDM_SAVE_EVENT, 0);
        boxes.takeLog();
        const std::string left = evening();
        const std::string cliText = desktopFile("cli.txt");
        const PROCESS_INFORMATION cli = start(ROSTERLOOM_CLI, "--event \"" + savedPath() + "\" --output \"" + cliText + "\"");
        WaitForSingleObject(cli.hProcess, 30000);
        killProcess(cli);
        const std::string written = left.substr(left.find("순위표.txt\n") + 11);
        EXPECT_EQ(written, fileContents(cliText));
        return written;
    }
    // The program started again and the saved event opened through the dialog.
    void openSavedAfterRestart() {
        removeAutosave();
        restart();
        boxes.typeInNextDialog(savedPath());
        SendMessageA(main(), WM_SYSCOMMAND, IDM_OPEN_EVENT, 0);
        pump();
        EXPECT_EQ(titleOf(boxes.takeLog()), "box 대회 열기");
    }
    // The save dialog's own choice: the suggested name in the first folder.
    std::string savedPath() const { return desktopFile(("대회 " + localDrawTime().substr(0, 10) + ".json").c_str()); }

};

// Assign, record, save through the dialog; the command line reads that file
// to the standings file's text and writes it again as its own JSON; start
// again and open that through the dialog: the same texts and files. The
// window's file given on the real program's command line opens the same; a
// result recorded there reaches the autosave, and after the program is
// killed the next start offers the evening back with that result in it.
TEST_F(EventFileTest, AnEveningOutlivesSavingOpeningTheCommandLineAndAKill) {
    prepareExample();
    ASSERT_TRUE(openResult());
    record(standings(), 0, 1, "2", "1");
    record(standings(), 0, 2, "0", "2");
    record(standings(), 0, 3, "2", "0");
    const std::string mainDump = controlDump(main()), before = evening();
    SendMessageA(main(), WM_SYSCOMMAND, IDM_SAVE_EVENT, 0);
    EXPECT_EQ(titleOf(boxes.takeLog()), "box 대회 저장");
    const std::string saved = fileContents(savedPath());
    ASSERT_FALSE(saved.empty());

    const std::string cliText = desktopFile("cli.txt"), cliJson = desktopFile("cli.json");
    for (const std::string& options : {" --output \"" + cliText + "\"", " --format json --output \"" + cliJson + "\""}) {
        const PROCESS_INFORMATION cli = start(ROSTERLOOM_CLI, "--event \"" + savedPath() + "\"" + options);
        WaitForSingleObject(cli.hProcess, 30000);
        killProcess(cli);
    }
    EXPECT_EQ(fileContents(cliText), before.substr(before.find("순위표.txt\n") + 11));
    restart();
    boxes.typeInNextDialog(cliJson);
    SendMessageA(main(), WM_SYSCOMMAND, IDM_OPEN_EVENT, 0);
    pump();
    EXPECT_EQ(titleOf(boxes.takeLog()), "box 대회 열기");
    EXPECT_EQ(controlDump(main()), mainDump);
    EXPECT_EQ(SendDlgItemMessageA(result(), IDC_GROUP_CHOOSER, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(evening(), before);
    record(standings(), 1, 1, "0", "2");
    const std::string later = evening();

    removeAutosave();  // else the program would offer it first
    endProgram();
    const PROCESS_INFORMATION program = start(ROSTERLOOM_EXE, "\"" + savedPath() + "\"");
    HWND shown = windowOf(kResultClass);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shownTexts(shown), before.substr(0, before.find("\n--- ")));
    PostMessageA(shown, WM_SYSCOMMAND, IDM_ENTER_RESULTS, 0);
    record(windowOf(kStandingsClass), 1, 1, "0", "2");
    killProcess(program);

    restart();
    boxes.answerNextWith(IDYES);
    openAtStart(main(), L"");
    pump();
    EXPECT_EQ(boxes.takeLog(), told(formatted(STR_RESUME_QUESTION, localDrawTime().substr(0, 16), 4).c_str(), " 6 7"));
    EXPECT_EQ(controlDump(main()), mainDump);
    EXPECT_EQ(evening(), later);
}

// A tie settled in the real program before any playoff, the program killed:
// the next start takes the evening back with the tie still settled, and the
// standings file is the command line's text of the autosave. A titled event
// keeps its title through opening, saving and reopening.
TEST_F(EventFileTest, ASettledTieAndTheTitleOutliveAKill) {
    addParticipants(8);
    setGroups(2, 4);
    ASSERT_TRUE(openResult());
    record(standings(), 0, 1, "2", "0");
    SendMessageA(main(), WM_SYSCOMMAND, IDM_SAVE_EVENT, 0);
    boxes.takeLog();
    const std::string titled = desktopFile("titled.json");
    const PROCESS_INFORMATION titler =
        start(ROSTERLOOM_CLI, "--event \"" + savedPath() + "\" --title \"봄 리그\" --format json --output \"" + titled + "\"");
    WaitForSingleObject(titler.hProcess, 30000);
    killProcess(titler);
    removeAutosave();
    endProgram();

    const PROCESS_INFORMATION program = start(ROSTERLOOM_EXE, "\"" + titled + "\"");
    HWND shown = windowOf(kResultClass);
    ASSERT_TRUE(shown);
    PostMessageA(shown, WM_SYSCOMMAND, IDM_ENTER_RESULTS, 0);
    HWND table = windowOf(kStandingsClass);
    ASSERT_TRUE(table);
    pick(table, IDC_STANDINGS_GROUP, CB_SETCURSEL, 0, CBN_SELCHANGE);
    PostMessageA(table, WM_SYSCOMMAND, IDM_SETTLE_TIE, 0);
    HWND tie = windowOf("SettleWnd");
    ASSERT_TRUE(tie);
    sendTo(tie, WM_COMMAND, MAKEWPARAM(IDC_TIE_DOWN, BN_CLICKED), 0);
    sendTo(tie, WM_COMMAND, MAKEWPARAM(IDC_SETTLE, BN_CLICKED), 0);
    killProcess(program);

    const std::string autosave = fileContents(narrow(autosavePath()));
    EXPECT_NE(autosave.find("\"settled\""), std::string::npos) << autosave;
    EXPECT_NE(autosave.find(u8"\"title\": \"봄 리그\""), std::string::npos) << autosave;
    const std::string cliText = desktopFile("cli.txt");
    const PROCESS_INFORMATION cli = start(ROSTERLOOM_CLI, "--event \"" + narrow(autosavePath()) + "\" --output \"" + cliText + "\"");
    WaitForSingleObject(cli.hProcess, 30000);
    killProcess(cli);

    restart();
    boxes.answerNextWith(IDYES);
    openAtStart(main(), L"");
    pump();
    boxes.takeLog();
    ASSERT_TRUE(theEvent().title);
    EXPECT_EQ(*theEvent().title, u8"봄 리그");
    const std::string left = evening();
    const std::string written = left.substr(left.find("순위표.txt\n") + 11);
    EXPECT_NE(written.find("(결정)"), std::string::npos) << written;
    EXPECT_EQ(written, fileContents(cliText));

    SendMessageA(main(), WM_SYSCOMMAND, IDM_SAVE_EVENT, 0);
    boxes.takeLog();
    const std::string resaved = fileContents(savedPath());
    EXPECT_NE(resaved.find(u8"\"title\": \"봄 리그\""), std::string::npos) << resaved;
    DeleteFileA(titled.c_str());
}

// A refused file, an open the user declines and a disk that fails change
// nothing the program holds; a failed autosave is told once a session; the
// autosave goes with a confirmed cancel; an evening not taken back, or not
// readable, is kept in the past events' folder.
TEST_F(EventFileTest, NothingHeldIsLostWhateverTheFileOrTheDisk) {
    prepareExample();
    ASSERT_TRUE(openResult());
    SendMessageA(main(), WM_SYSCOMMAND, IDM_SAVE_EVENT, 0);
    boxes.takeLog();
    const std::string file = fileContents(savedPath());
    const std::wstring autosave = autosavePath();
    const auto open = [&](const std::string& bytes, int answer) {
        std::ofstream(savedPath(), std::ios::binary) << bytes;
        boxes.answerNextWith(IDOK);  // the dialog, then the box it leads to
        boxes.answerNextWith(answer);
        boxes.typeInNextDialog(savedPath());
        SendMessageA(main(), WM_SYSCOMMAND, IDM_OPEN_EVENT, 0);
        pump();
        const std::string log = boxes.takeLog();
        return log.substr(log.find('\n') + 1);  // the dialog's line left out
    };
    const std::string held = controlDump(main());
    std::string refused = file;
    const std::size_t map = refused.find("\"map\": \"") + 8;
    refused.replace(map, refused.find('"', map) - map, u8"북쪽");  // UTF-8 in the file, CP949 in the box
    const event::ReadOutcome why = event::readEvent(refused, eventFrontEnd());
    // Told in Korean, with the place in the file as it stands.
    const std::string reason = *platform::utf8ToCp949(event::koreanRefusal(why));
    EXPECT_EQ(open(refused, IDOK), told(formatted(STR_EVENT_REFUSED, reason).c_str()));
    EXPECT_EQ(readable(reason).rfind("/groups/", 0), 0u) << readable(reason);
    EXPECT_NE(readable(reason).find(u8"북쪽"), std::string::npos);
    EXPECT_EQ(open(file, IDNO), told(STR_CONFIRM_OPEN, " 6 7"));
    EXPECT_EQ(controlDump(main()), held);

    // Three ways for the autosave to fail: no folder can be made, a folder in the file's place, a
    // full disk. (A read-only file is no way under Wine: its MoveFileExW replaces one.)
    const std::wstring blocker = appData() + L"\\blocker";
    const std::pair<const char*, std::function<void()>> failures[] = {
        {"no folder", [&] { SetEnvironmentVariableW(L"APPDATA", blocker.c_str()), std::ofstream(narrow(blocker)) << "x"; }},
        {"a folder", [&] { CreateDirectoryW(autosave.c_str(), nullptr); }},
        {"full disk", [&] { setFileWriterForTesting(fullDisk); }},
    };
    for (const auto& [how, fail] : failures) {
        SCOPED_TRACE(how);
        restart();
        prepareExample();
        fail();
        ASSERT_TRUE(openResult());
        record(standings(), 0, 1, "2", "1");
        EXPECT_EQ(boxes.takeLog(), told(STR_AUTOSAVE_FAILED));
        EXPECT_EQ(theEvent().results.all().size(), 1u);
        SetEnvironmentVariableW(L"APPDATA", appData().c_str());
        RemoveDirectoryW(autosave.c_str());
        setFileWriterForTesting(nullptr);
        boxes.answerNextWith(IDYES);
        click(IDC_CANCEL_ASSIGNMENT, result());
        boxes.takeLog();
    }
    EXPECT_EQ(GetFileAttributesW(autosave.c_str()), INVALID_FILE_ATTRIBUTES);

    // Declined at start, then one that cannot be read: both moved, the second beside the first.
    ASSERT_TRUE(openResult());
    const std::string kept = fileContents(narrow(autosave));
    for (const std::string& leftOver : {kept, std::string("{")}) {
        if (leftOver != kept) std::ofstream(narrow(autosave), std::ios::binary) << leftOver;
        restart();
        if (leftOver == kept) boxes.answerNextWith(IDNO);
        openAtStart(main(), L"");
        const std::string log = boxes.takeLog();
        EXPECT_EQ(log.rfind("box Rosterloom: " + readable(leftOver == kept ? "끝나지 않은 대회" : "자동 저장된 대회를 열 수 없어"), 0), 0u) << log;
        EXPECT_FALSE(assignment().assigned() || listsHoldNames());
        EXPECT_EQ(GetFileAttributesW(autosave.c_str()), INVALID_FILE_ATTRIBUTES);
    }
    std::string past = narrow(appData()) + "\\Rosterloom\\지난 대회\\", time = localDrawTime();
    std::replace(time.begin(), time.end(), ':', '-');
    EXPECT_EQ(fileContents(past + time + ".json"), kept);
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((past + "*.json").c_str(), &found);
    EXPECT_TRUE(FindNextFileA(search, &found) && !FindNextFileA(search, &found) && FindClose(search));  // two
}

// A second copy of the program started while the first keeps an evening:
// it says so, and neither offers, moves nor overwrites the first one's
// autosave, which the first goes on writing.
TEST_F(EventFileTest, ASecondCopyLeavesTheFirstOnesAutosaveAlone) {
    openAtStart(main(), L"");
    prepareExample();
    ASSERT_TRUE(openResult());
    const std::string kept = fileContents(narrow(autosavePath()));
    ASSERT_FALSE(kept.empty());
    const PROCESS_INFORMATION second = start(ROSTERLOOM_EXE, "");
    HWND box = nullptr;
    for (int tries = 0; tries < 400 && !box; ++tries, Sleep(50)) {
        HWND found = FindWindowA("#32770", "Rosterloom");
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == second.dwProcessId) box = found;
    }
    ASSERT_TRUE(box);
    std::string said;  // the box's longest text: its message
    EnumChildWindows(box, keepLongestText, reinterpret_cast<LPARAM>(&said));
    EXPECT_EQ(said, STR_AUTOSAVE_ELSEWHERE);
    killProcess(second);
    EXPECT_EQ(fileContents(narrow(autosavePath())), kept);
    record(standings(), 0, 1, "2", "1");
    EXPECT_NE(fileContents(narrow(autosavePath())), kept);
}

// The format window from the keys: the dual tournament chosen checks
// "토너먼트" and refuses groups of another size; a dual event drawn, every
// result typed into the standings window, and "순위 출력" is the command
// line's text for the same event; "리그" lets the choice go.
TEST_F(EventFileTest, ADualEventFromTheKeysToTheStandingsFile) {
    addParticipants(7);
    setGroups(3, 3);
    altSpaceThen(main(), 'f');
    HWND format = FindWindowA("FormatWnd", nullptr);
    ASSERT_TRUE(format);
    EXPECT_EQ(GetFocus(), GetDlgItem(format, IDC_DUAL_CHECK));
    pressKey(GetFocus(), VK_SPACE);
    ASSERT_TRUE(dialogKey(format, GetFocus(), VK_ESCAPE));
    EXPECT_FALSE(IsWindow(format));
    EXPECT_EQ(IsDlgButtonChecked(main(), IDC_TOURNAMENT), BST_CHECKED);
    click(IDC_ASSIGN);
    EXPECT_EQ(boxes.takeLog(), told(STR_FORMAT_GROUP_SIZE));
    setGroups(2, 4);
    ASSERT_TRUE(openResult());
    EXPECT_EQ(theEvent().state.settings.format, GroupFormat::Dual);
    const char* const scores[][2] = {{"2", "0"}, {"1", "2"}, {"2", "1"}, {"0", "2"}, {"2", "0"}};
    for (int match = 1; match <= 5; ++match) record(standings(), 0, match, scores[match - 1][0], scores[match - 1][1]);
    for (int match : {1, 3, 5}) record(standings(), 1, match, scores[match - 1][0], scores[match - 1][1]);  // B's three: 2 and 4 are byes
    EXPECT_EQ(boxes.takeLog(), "");
    EXPECT_EQ(event::resultCount(theEvent()), 8);
    EXPECT_NE(standingsFileAsTheCommandLineWritesIt().find("(최종전)"), std::string::npos);

    boxes.answerNextWith(IDYES);
    click(IDC_CANCEL_ASSIGNMENT, result());
    boxes.takeLog();
    click(IDC_LEAGUE);
    EXPECT_FALSE(nextDraw().format.dual);
}

// Races pasted with the names and typed in the seeding window, opened from
// the keys, and a draw that spreads them: the saved event keeps them, gives
// them back to the window when opened again, and "순위표.txt" is the command
// line's text of that file.
TEST_F(EventFileTest, RacesFromTheSeedingWindowToTheStandingsFile) {
    prepareExample();
    altSpaceThen(main(), 'p');
    HWND seeding = owned(kSeedingClass);
    ASSERT_TRUE(seeding);
    click(IDC_SEEDING_CHECK, seeding);
    click(IDC_SEEDING_SPREAD, seeding);
    paste(IDC_PARTICIPANT_FIELD, "q1\t\t\tt\r\nq2\t1\t\t저그\r\n");
    const char* const races[] = {"T", "z", "프로토스", "R", "테란", "Z", "P", "랜덤", "t", "Z"};
    for (int row = 0; row < 10; ++row) {
        SendDlgItemMessageA(seeding, IDC_SEEDING_LIST, LB_SETSEL, FALSE, -1);
        SendDlgItemMessageA(seeding, IDC_SEEDING_LIST, LB_SETSEL, TRUE, row);
        notify(seeding, IDC_SEEDING_LIST, LBN_SELCHANGE);
        SetFocus(GetDlgItem(seeding, IDC_SEEDING_RACE));
        SetDlgItemTextA(seeding, IDC_SEEDING_RACE, races[row]);
        ASSERT_TRUE(dialogKey(seeding, GetFocus(), VK_RETURN));
    }
    const std::vector<std::string> rows = listEntries(GetDlgItem(seeding, IDC_SEEDING_LIST));
    EXPECT_EQ(rows.at(2), "p3\tP\t-\t");
    EXPECT_EQ(rows.at(11), "q2\tZ\t1\t");
    ASSERT_TRUE(dialogKey(seeding, GetFocus(), VK_ESCAPE));
    ASSERT_TRUE(openResult());
    EXPECT_EQ(boxes.takeLog(), "");
    for (int group = 0; group < 3; ++group) record(standings(), group, 1, "2", "1");
    standingsFileAsTheCommandLineWritesIt();

    openSavedAfterRestart();
    SendMessageA(main(), WM_SYSCOMMAND, IDM_SEEDING, 0);
    pump();
    seeding = owned(kSeedingClass);
    ASSERT_TRUE(seeding);
    EXPECT_EQ(listEntries(GetDlgItem(seeding, IDC_SEEDING_LIST)), rows);
    EXPECT_EQ(IsDlgButtonChecked(seeding, IDC_SEEDING_SPREAD), BST_CHECKED);
}

// The playoff's own pairs in its window, from the keys: the bracket rule's
// first round to start with and again for each size, a pairing refused with
// its reason, then the organiser's own made, two byes and the winners of A
// and B meeting at once; the saved event keeps it, and "순위표.txt" is the
// command line's text of that file.
TEST_F(EventFileTest, ThePlayoffPairedInItsWindowIsKeptAndWrittenAsTheCommandLineWritesIt) {
    addParticipants(10);
    setGroups(3, 4);
    ASSERT_TRUE(openResult());
    for (int group = 0; group < 3; ++group)
        for (int match = 1; match <= (group == 0 ? 6 : 3); ++match) record(standings(), group, match, "2", "0");
    SendMessageA(standings(), WM_SYSCOMMAND, IDM_PLAYOFF, 0);
    HWND window = FindWindowA("PlayoffWnd", nullptr);
    ASSERT_TRUE(window);
    HWND pairs = GetDlgItem(window, IDC_PLAYOFF_PAIRS);
    const auto keys = [&](UINT message, char key) {
        MSG typed{GetFocus(), message, static_cast<WPARAM>(key), message == WM_SYSCHAR ? 1 << 29 : 0, 0, {}};
        EXPECT_TRUE(IsDialogMessageA(window, &typed)) << key;
        pump();
    };
    EXPECT_EQ(textOf(pairs), "A1,C1-B2,B1,A2-C2");
    keys(WM_SYSCHAR, '1');
    EXPECT_EQ(textOf(pairs), "A1,B1-C1");
    keys(WM_SYSCHAR, '2');
    keys(WM_SYSCHAR, 'p');
    ASSERT_EQ(GetFocus(), pairs);
    const std::pair<const char*, const char*> refused[] = {
        {"A1-B2;C1", "본선을 만들 수 없습니다.\n'A1-B2;C1'은(는) A1-D2 같은 대진도, 부전승으로 올라가는 A1 같은 자리도 아닙니다."},
        {"A1-A2,B1,C1-B2", "본선을 만들 수 없습니다.\n대진에 C2 자리가 빠졌습니다."},
        {"A1-A2,B1,C1-B2,C3", "본선을 만들 수 없습니다.\nC3: 본선에 없는 자리입니다. 본선의 자리는 A1, B1, C1, A2, B2, C2입니다."}};
    for (const auto& [typed, message] : refused) {
        SetWindowTextA(pairs, typed);
        ASSERT_TRUE(dialogKey(window, pairs, VK_RETURN));
        pump();
        EXPECT_EQ(boxes.takeLog(), told(message)) << typed;
    }
    keys(WM_SYSCHAR, 'r');
    EXPECT_EQ(textOf(pairs), "A1,C1-B2,B1,A2-C2");
    SetWindowTextA(pairs, "b1-a1, C2, C1-A2, B2");
    saveShot(window, "playoff-pairs");
    ASSERT_TRUE(dialogKey(window, pairs, VK_RETURN));
    pump();
    EXPECT_EQ(boxes.takeLog(), "");
    ASSERT_FALSE(IsWindow(window));
    EXPECT_EQ(pairsText(theEvent().playoff.pairs), "B1-A1,C2,C1-A2,B2");
    const std::string written = standingsFileAsTheCommandLineWritesIt();
    // Every first-listed member won all their matches: each group's 1st.
    const auto firstOf = [&](int g) { return std::string(nameOf(eventHost(), ListKind::Participants, assignment().groupTable[g][0])); };
    std::string b1 = firstOf(1);
    b1.resize(25, ' ');
    const std::string line = " 1경기:   " + b1 + "[vs]      " + firstOf(0) + "\r\n";
    EXPECT_EQ(written.substr(written.find("< 본선 >\r\n") + 10, line.size()), line) << written;
}

// Best of three chosen from the keys: a score that does not end the series
// is refused with the rule, every game's map is listed, and "순위 출력" is
// the command line's text for the same event.
TEST_F(EventFileTest, ABestOfThreeEventFromTheKeysToTheStandingsFile) {
    addParticipants(6);
    setGroups(2, 3);
    click(IDC_MAPS_CHECK);
    for (const char* map : {"north", "south", "east"}) enter(IDC_MAP_FIELD, map);
    altSpaceThen(main(), 'f');
    HWND format = FindWindowA("FormatWnd", nullptr);
    ASSERT_TRUE(format);
    MSG three{GetFocus(), WM_CHAR, '3', 0, 0, {}};
    ASSERT_TRUE(IsDialogMessageA(format, &three));
    ASSERT_TRUE(dialogKey(format, GetFocus(), VK_ESCAPE));
    ASSERT_TRUE(openResult());
    EXPECT_EQ(theEvent().state.settings.bestOf, 3);
    record(standings(), 0, 1, "1", "0");
    EXPECT_EQ(boxes.takeLog(), told("이 경기는 2선승제입니다.\n이긴 선수의 맵 수를 2로, 진 선수의 맵 수를 그보다 작게 입력하세요."));
    EXPECT_EQ(event::resultCount(theEvent()), 0);
    for (int group = 0; group < 2; ++group)
        for (int match = 1; match <= 3; ++match) record(standings(), group, match, match == 2 ? "1" : "2", match == 2 ? "2" : "1");
    EXPECT_EQ(boxes.takeLog(), "");
    EXPECT_NE(textOf(GetDlgItem(standings(), IDC_MATCH_MAPS)).find("3세트 <"), std::string::npos);
    EXPECT_NE(standingsFileAsTheCommandLineWritesIt().find("(3전 2선승)"), std::string::npos);
}

// A series' games entered from the keys in "고른 경기 세트 기록(&G)...": a
// game left out before one given is refused with the rule, the games give
// the score and their maps stand in the schedule, the window shows them when
// opened again, and "순위 출력" is the command line's text for the event.
TEST_F(EventFileTest, ASeriesGamesEnteredInTheStandingsWindow) {
    addParticipants(6);
    setGroups(2, 3);
    click(IDC_MAPS_CHECK);
    for (const char* map : {"north", "south", "east"}) enter(IDC_MAP_FIELD, map);
    nextDraw().format.bestOf = 3;
    ASSERT_TRUE(openResult());
    HWND table = standings();
    pick(table, IDC_STANDINGS_GROUP, CB_SETCURSEL, 0, CBN_SELCHANGE);
    pick(table, IDC_MATCH_LIST, LB_SETCURSEL, 0, LBN_SELCHANGE);
    altSpaceThen(table, 'g');
    HWND games = FindWindowA("GamesWnd", nullptr);
    ASSERT_TRUE(games);
    const auto choose = [&](int game, int winner, int map) {
        SendDlgItemMessageA(games, IDC_GAME_WINNER + game, CB_SETCURSEL, static_cast<WPARAM>(winner), 0);
        if (map >= 0) SendDlgItemMessageA(games, IDC_GAME_MAP + game, CB_SETCURSEL, static_cast<WPARAM>(map), 0);
    };
    choose(1, 1, 0);
    click(IDC_RECORD_GAMES, games);
    EXPECT_EQ(boxes.takeLog(), told("A조 1경기의 1세트가 빠졌습니다.\n세트는 1세트부터 차례로 입력하세요."));
    choose(0, 2, 2);  // the second player wins game 1 on east
    choose(2, 1, -1);  // game 3 on its dealt map
    saveShot(games, "games");
    click(IDC_RECORD_GAMES, games);
    saveShot(table, "games-recorded");
    EXPECT_EQ(boxes.takeLog(), "");
    EXPECT_FALSE(IsWindow(games));
    const Score* score = theEvent().results.find({0, 1});
    ASSERT_TRUE(score);
    EXPECT_EQ(*score, (Score{2, 1}));
    const std::vector<Game>& played = theEvent().results.games({0, 1});
    ASSERT_EQ(played.size(), 3u);
    EXPECT_EQ(played[0], (Game{false, 2}));
    const std::string second = theEvent().participants[static_cast<std::size_t>(assignment().schedule[0][0].second)];
    EXPECT_NE(textOf(GetDlgItem(table, IDC_MATCH_MAPS)).find("1세트 <east> " + second), std::string::npos);
    EXPECT_NE(textOf(GetDlgItem(result(), IDC_SCHEDULE_EDIT)).find("<east> <north>"), std::string::npos);
    altSpaceThen(table, 'g');
    games = FindWindowA("GamesWnd", nullptr);
    ASSERT_TRUE(games);
    EXPECT_EQ(SendDlgItemMessageA(games, IDC_GAME_WINNER, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendDlgItemMessageA(games, IDC_GAME_MAP, CB_GETCURSEL, 0, 0), 2);
    click(IDC_CLOSE_GAMES, games);
    const std::string standingsFile = standingsFileAsTheCommandLineWritesIt();
    EXPECT_NE(standingsFile.find("(3전 2선승) <east> <north> <"), std::string::npos);
    click(IDC_EXPORT, result());  // the draw's export shows the maps as played too
    boxes.takeLog();
    const std::string exported = fileContents(desktopFile("조배정결과.txt"));
    EXPECT_EQ(standingsFile.substr(0, exported.size()), exported);
    DeleteFileA(desktopFile("조배정결과.txt").c_str());
    nextDraw().format.bestOf = 1;
}

// A walkover given with its button and a withdrawal made in "기권 처리(&K)",
// from the keys: the tables follow, "순위 출력" is the command line's text
// for the saved event, and the autosave taken back keeps both.
TEST_F(EventFileTest, AWalkoverAndAWithdrawalFromTheKeysToTheStandingsFile) {
    addParticipants(6);
    setGroups(2, 3);
    ASSERT_TRUE(openResult());
    HWND table = standings();
    pick(table, IDC_STANDINGS_GROUP, CB_SETCURSEL, 0, CBN_SELCHANGE);
    pick(table, IDC_MATCH_LIST, LB_SETCURSEL, 0, LBN_SELCHANGE);
    boxes.answerNextWith(IDNO);  // the second player goes on
    altSpaceThen(table, 'o');
    boxes.takeLog();
    const Score* walkover = theEvent().results.find({0, 1});
    ASSERT_TRUE(walkover);
    EXPECT_TRUE(walkover->walkover);
    EXPECT_EQ(walkover->second, 1);

    altSpaceThen(table, 'k');
    HWND window = FindWindowA("WithdrawalWnd", nullptr);
    ASSERT_TRUE(window);
    SendDlgItemMessageA(window, IDC_WITHDRAW_LIST, LB_SETCURSEL, 3, 0);  // group B's first member
    boxes.answerNextWith(IDYES);
    click(IDC_WITHDRAW, window);
    boxes.takeLog();
    ASSERT_EQ(event::withdrawnPlayers(theEvent()).size(), 1u);
    ASSERT_TRUE(dialogKey(window, GetDlgItem(window, IDC_WITHDRAW_LIST), VK_ESCAPE));
    record(table, 1, 1, "2", "0");  // a result on the withdrawal's walkover is refused
    EXPECT_EQ(boxes.takeLog(), told("기권한 선수의 남은 경기라 부전승으로 정해져 있습니다.\n결과를 넣으려면 먼저 시스템 메뉴의 '기권 처리'에서 "
                                    "기권을 취소하세요."));
    const std::string written = standingsFileAsTheCommandLineWritesIt();
    EXPECT_NE(written.find("(기권)"), std::string::npos) << written;

    restart();
    boxes.answerNextWith(IDYES);
    openAtStart(main(), L"");
    pump();
    boxes.takeLog();
    EXPECT_EQ(event::withdrawnPlayers(theEvent()).size(), 1u);
    ASSERT_TRUE(theEvent().results.find({0, 1}));
    EXPECT_TRUE(theEvent().results.find({0, 1})->walkover);
}

// A player replaced before play and two swapping places, in "기권 처리(&K)"
// from the keys: each asked for once more, a player who has played refused,
// and "순위 출력" the command line's text for the changed event.
TEST_F(EventFileTest, AReplacementAndASwapFromTheKeysToTheStandingsFile) {
    addParticipants(6);
    setGroups(2, 3);
    ASSERT_TRUE(openResult());
    HWND table = standings();
    record(table, 0, 1, "2", "0");
    boxes.takeLog();
    altSpaceThen(table, 'k');
    HWND window = FindWindowA("WithdrawalWnd", nullptr);
    ASSERT_TRUE(window);
    HWND players = GetDlgItem(window, IDC_WITHDRAW_LIST);
    const std::vector<std::string> drawn = listEntries(players);
    ASSERT_EQ(drawn.size(), 6u);
    SendMessageA(players, LB_SETCURSEL, 3, 0);  // group B's first member
    SetFocus(players);
    const auto labelLetter = [&](char key) {
        MSG typed{GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(key), 1 << 29, 0, {}};
        EXPECT_TRUE(IsDialogMessageA(window, &typed)) << key;
        pump();
    };
    labelLetter('p');
    EXPECT_EQ(GetFocus(), GetDlgItem(window, IDC_SWAP_WITH));
    labelLetter('n');
    EXPECT_EQ(GetFocus(), GetDlgItem(window, IDC_REPLACE_NAME));
    SetDlgItemTextA(window, IDC_REPLACE_NAME, "Killer");
    boxes.answerNextWith(IDNO);
    click(IDC_REPLACE, window);
    const std::string question = drawn[3] + " 선수 대신 Killer 선수가 들어옵니다. 자리와 경기, 시드를 그대로 이어받고, "
                                            "되돌릴 수 없습니다.\n교체합니까?";
    EXPECT_EQ(boxes.takeLog(), told(question.c_str(), " 6 7"));
    EXPECT_TRUE(theEvent().changes.empty());
    boxes.answerNextWith(IDYES);
    click(IDC_REPLACE, window);
    boxes.takeLog();
    ASSERT_EQ(theEvent().changes.size(), 1u);
    EXPECT_EQ(listEntries(players)[3], "Killer");

    SendMessageA(players, LB_SETCURSEL, 0, 0);  // who played group A's first match
    SetDlgItemTextA(window, IDC_REPLACE_NAME, "Bob");
    click(IDC_REPLACE, window);
    const std::string refused = "'" + drawn[0] + "'은 경기 결과가 있습니다.\n아직 경기하지 않은 선수만 교체하거나 맞교환할 수 있습니다.";
    EXPECT_EQ(boxes.takeLog(), told(refused.c_str()));
    EXPECT_EQ(theEvent().changes.size(), 1u);

    SendMessageA(players, LB_SETCURSEL, 3, 0);
    SendDlgItemMessageA(window, IDC_SWAP_WITH, CB_SETCURSEL, 4, 0);
    boxes.answerNextWith(IDYES);
    click(IDC_SWAP, window);
    boxes.takeLog();
    ASSERT_EQ(theEvent().changes.size(), 2u);
    EXPECT_EQ(listEntries(players)[3], drawn[4]);
    EXPECT_EQ(listEntries(players)[4], "Killer");
    saveShot(window, "withdrawal");
    ASSERT_TRUE(dialogKey(window, players, VK_ESCAPE));
    const std::string written = standingsFileAsTheCommandLineWritesIt();
    EXPECT_NE(written.find("Killer"), std::string::npos) << written;
    EXPECT_EQ(written.find(drawn[3] + " "), std::string::npos) << written;
}

// A player moved to another group's empty place, listed after the swap's
// partners: a full group refused, the move asked for once more, both groups'
// matches made again, the new ones played, and "순위 출력" the command line's
// text for it.
TEST_F(EventFileTest, AMoveToAnEmptyPlaceFromTheWithdrawalWindow) {
    addParticipants(5);
    setGroups(2, 3);
    ASSERT_TRUE(openResult());
    boxes.takeLog();
    altSpaceThen(standings(), 'k');
    HWND window = FindWindowA("WithdrawalWnd", nullptr);
    ASSERT_TRUE(window);
    HWND players = GetDlgItem(window, IDC_WITHDRAW_LIST), partners = GetDlgItem(window, IDC_SWAP_WITH);
    const std::vector<std::string> drawn = listEntries(players);
    ASSERT_EQ(drawn.size(), 5u);
    ASSERT_EQ(SendMessageA(partners, CB_GETCOUNT, 0, 0), 7);
    SendMessageA(players, LB_SETCURSEL, 0, 0);
    SendMessageA(partners, CB_SETCURSEL, 5, 0);  // "A조 빈자리", of his own full group
    click(IDC_SWAP, window);
    EXPECT_EQ(boxes.takeLog(), told("A조에 빈자리가 없습니다."));
    SendMessageA(partners, CB_SETCURSEL, 6, 0);
    boxes.answerNextWith(IDYES);
    click(IDC_SWAP, window);
    const std::string question = drawn[0] + " 선수가 B조의 빈자리로 옮깁니다. 두 조의 경기를 새로 짜며, 되돌릴 수 없습니다.\n옮깁니까?";
    EXPECT_EQ(boxes.takeLog(), told(question.c_str(), " 6 7"));
    ASSERT_EQ(theEvent().changes.size(), 1u);
    EXPECT_EQ(listEntries(players)[4], drawn[0]);
    EXPECT_EQ(theEvent().state.matchCount[0], 1);
    EXPECT_EQ(theEvent().state.matchCount[1], 3);
    saveShot(window, "withdrawal-move");
    ASSERT_TRUE(dialogKey(window, players, VK_ESCAPE));
    record(standings(), 1, 3, "2", "0");  // group B's third match, which the move made
    boxes.takeLog();
    ASSERT_TRUE(theEvent().results.find({1, 3}));
    const std::string written = standingsFileAsTheCommandLineWritesIt();
    EXPECT_NE(written.find(drawn[0]), std::string::npos) << written;
}

// A writer of the autosave killed at random moments: what is left always
// reads, and is one of the two events it writes by turns.
TEST_F(EventFileTest, AKilledWriterLeavesAWholeAutosave) {
    const std::string events[2] = {killTestEvent(0), killTestEvent(1)};
    ASSERT_FALSE(events[0].empty() || events[1].empty());
    CreateDirectoryW((appData() + L"\\Rosterloom").c_str(), nullptr);
    ASSERT_TRUE(replaceFileWhole(autosavePath(), events[0]));
    const unsigned seed = GetTickCount();
    std::mt19937 random(seed);
    int seen[2] = {};
    for (int round = 0; round < 30; ++round) {
        const std::string before = fileContents(narrow(autosavePath()));
        const PROCESS_INFORMATION writer = start(ROSTERLOOM_WRITER, before == events[0] ? "1" : "0");
        // Killed only once it writes: Wine takes a while to start a process.
        WIN32_FILE_ATTRIBUTE_DATA data{};
        for (int tries = 0; tries < 2000; ++tries, Sleep(5))
            if (GetFileAttributesExW(autosavePath().c_str(), GetFileExInfoStandard, &data) && data.nFileSizeLow != before.size()) break;
        Sleep(random() % 100);
        killProcess(writer);
        const std::string after = fileContents(narrow(autosavePath()));
        const event::ReadOutcome read = event::readEvent(after, eventFrontEnd());
        EXPECT_TRUE(read.ok()) << "seed " << seed << ", kill " << round << ": " << read.error;
        EXPECT_TRUE(after == events[0] || after == events[1]) << "seed " << seed << ", kill " << round;
        ++seen[after == events[1]];
    }
    std::printf("30 kills (seed %u): %d left the first event, %d the second\n", seed, seen[0], seen[1]);
}

// A team league from the keys: the team match chosen in the format window,
// the rosters pasted in theirs, every set typed in the team sets window, an
// ace set deciding one match. The standings window's table is the team
// table; "순위표.txt" is the command line's text of the saved event, and the
// event opened again gives the rosters window its rosters back.
TEST_F(EventFileTest, ATeamLeagueFromTheKeysToTheStandingsFileAndBack) {
    for (const char* team : {"Owls", "Hawks", "Kites"}) enter(IDC_PARTICIPANT_FIELD, team);
    setGroups(1, 3);
    click(IDC_MAPS_CHECK);
    for (const char* map : {"north", "south", "east"}) enter(IDC_MAP_FIELD, map);
    altSpaceThen(main(), 'f');
    HWND format = FindWindowA("FormatWnd", nullptr);
    ASSERT_TRUE(format);
    chooseByKeys(format, 't', 2);  // 3세트제 + 에이스결정전
    ASSERT_TRUE(dialogKey(format, GetFocus(), VK_ESCAPE));
    pasteRosters("Owls\r\n\tkim\r\n\tlee\r\nHawks\r\n\tpark\r\n\tchoi\r\nKites\r\n\tx\r\n\ty\r\n");
    ASSERT_TRUE(openResult());
    // Each match's sets: each team's player and the winning team.
    const int sets[3][3][3] = {{{1, 1, 1}, {2, 2, 1}}, {{1, 1, 1}, {2, 2, 2}, {1, 2, 2}}, {{1, 1, 2}, {2, 2, 2}}};
    for (int match = 1; match <= 3; ++match) {
        pick(standings(), IDC_MATCH_LIST, LB_SETCURSEL, match - 1, LBN_SELCHANGE);
        altSpaceThen(standings(), 'g');
        for (const auto& set : sets[match - 1]) {
            if (HWND window = FindWindowA("TeamSetsWnd", nullptr); window && set[0])
                enterTeamSet(window, set[0], set[1], set[2]), altKey(window, 'r');
        }
        pump();
        EXPECT_FALSE(FindWindowA("TeamSetsWnd", nullptr)) << match;
    }
    EXPECT_EQ(boxes.takeLog(), "");
    std::string shown = controlDump(standings());
    for (const std::string& line : listEntries(GetDlgItem(standings(), IDC_MATCH_LIST))) shown += readable(line) + "\n";
    expectGolden("team-standings-window", shown);
    saveShot(standings(), "team-standings");
    EXPECT_NE(standingsFileAsTheCommandLineWritesIt().find("에이스결정전"), std::string::npos);

    openSavedAfterRestart();
    SendMessageA(main(), WM_SYSCOMMAND, IDM_ROSTERS, 0);
    HWND rosters = owned("RosterWnd");
    ASSERT_TRUE(rosters);
    EXPECT_EQ(listEntries(GetDlgItem(rosters, IDC_ROSTER_LIST)), (std::vector<std::string>{"Owls\t2명", "Hawks\t2명", "Kites\t2명"}));
    EXPECT_EQ(textOf(GetDlgItem(rosters, IDC_ROSTER_PLAYERS)), "kim\r\nlee\r\n");
}

// Alt+Space and the letter reach each added item: O opens the open dialog,
// V the save dialog once there is an assignment (greyed before, so nothing
// opens), P the seeding window, E the standings window from the result
// window, B there the playoff's window (W is the page's own test). Wine's system menu
// holds "Wine 정보(&A)" too, so A would open that instead.
TEST_F(EventFileTest, EachAddedSystemMenuItemAnswersItsLetter) {
    std::string log;
    for (char letter : {'o', 'v', 'V'}) {  // the capital after an assignment
        if (letter == 'V') prepareExample(), click(IDC_ASSIGN);
        if (letter != 'v') boxes.answerNextWith(IDCANCEL);
        altSpaceThen(main(), static_cast<char>(letter | 0x20));
        log += titleOf(boxes.takeLog()) + "|";
    }
    EXPECT_EQ(log, "box 대회 열기||box 대회 저장|");
    altSpaceThen(main(), 'p');
    EXPECT_NE(FindWindowA(kSeedingClass, nullptr), nullptr);
    altSpaceThen(result(), 'e');
    const HWND standings = FindWindowA(kStandingsClass, nullptr);
    ASSERT_NE(standings, nullptr);
    altSpaceThen(standings, 'b');
    EXPECT_NE(FindWindowA("PlayoffWnd", nullptr), nullptr);
}

}  // namespace
}  // namespace rl::ui::test
