// The event's web page from the result and standings windows' system menus,
// reached from the keyboard: the very bytes rosterloom-cli writes for the
// same event, opened in the browser; where none opens, the message says
// where the file is; a file in use is refused and left as it was.
#include "platform/encoding.h"
#include "resources/strings.h"
#include "tests/ui/harness.h"

namespace rl::ui::test {
namespace {

std::vector<std::wstring> gOpened;
bool gBrowserOpens = true;

// rosterloom-cli.exe of the same build, run to its end: the page it writes.
std::string cliPage(const std::string& eventFile) {
    std::string program = ROSTERLOOM_CLI;
    std::replace(program.begin(), program.end(), '/', '\\');
    const std::string out = desktopFile("cli.html");
    std::string line = "\"Z:" + program + "\" --event \"" + eventFile + "\" --format html --output \"" + out + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION cli{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &cli)) return {};
    WaitForSingleObject(cli.hProcess, 60000);
    CloseHandle(cli.hThread);
    CloseHandle(cli.hProcess);
    const std::string page = fileContents(out);
    DeleteFileA(out.c_str());
    return page;
}

class PageExportTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        setClockForTesting(1700000000);
        setPageOpenerForTesting([](HWND, const std::wstring& path) { return gOpened.push_back(path), gBrowserOpens; });
    }
    void TearDown() override {
        setPageOpenerForTesting(nullptr);
        setClockForTesting(std::nullopt);
        DeleteFileA(page().c_str());
        ProgramTest::TearDown();
    }
    static std::string page() { return desktopFile("대회 결과.html"); }
};

TEST_F(PageExportTest, TheCommandLinesPageOpenedOrItsPlaceTold) {
    prepareExample();
    ASSERT_TRUE(openResult());
    recordEventResult(main(), {0, 1}, {2, 1});
    recordEventResult(main(), {1, 1}, {0, 2});
    SendMessageA(main(), WM_SYSCOMMAND, IDM_SAVE_EVENT, 0);  // the dialog takes its suggested name
    boxes.takeLog();
    char suggested[MAX_PATH];
    wsprintfA(suggested, "대회 %s.json", theEvent().drawnAt.substr(0, 10).c_str());
    const std::string eventFile = desktopFile(suggested);

    altSpaceThen(result(), 'w');
    EXPECT_EQ(boxes.takeLog(), "");
    const std::string written = fileContents(page());
    EXPECT_EQ(written, cliPage(eventFile));
    EXPECT_NE(written.find("<h1>" + *platform::cp949ToUtf8(std::string(suggested, strlen(suggested) - 5)) + "</h1>"),
              std::string::npos);
    ASSERT_EQ(gOpened.size(), 1u);
    const std::wstring name = L"\\대회 결과.html";
    EXPECT_EQ(gOpened[0].substr(gOpened[0].size() - name.size()), name);

    gBrowserOpens = false;
    SendMessageA(result(), WM_SYSCOMMAND, IDM_ENTER_RESULTS, 0);
    HWND standings = FindWindowA(kStandingsClass, nullptr);
    altSpaceThen(standings, 'w');
    char whereItIs[1024];
    wsprintfA(whereItIs, STR_PAGE_SAVED, page().c_str());
    EXPECT_EQ(boxes.takeLog(), told(whereItIs));

    HANDLE locked = CreateFileA(page().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    recordEventResult(main(), {2, 1}, {2, 0});
    altSpaceThen(standings, 'w');
    EXPECT_EQ(boxes.takeLog(), told(STR_PAGE_IN_USE));
    CloseHandle(locked);
    EXPECT_EQ(fileContents(page()), written);
    EXPECT_EQ(gOpened.size(), 2u);
    DeleteFileA(eventFile.c_str());
}

}  // namespace
}  // namespace rl::ui::test
