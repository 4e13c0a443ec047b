// Start and end of the program, and the resources it is built with.
#include <string>

#include "tests/ui/harness.h"
#include "resources/ids.h"
#include "resources/strings.h"

namespace rl::ui::test {
namespace {

// Without a window the loop would wait forever: a failed start says so and
// gives up, leaving nothing registered behind.
TEST(Program, AFailedStartIsReported) {
    MessageBoxWatcher boxes;
    const std::pair<const char*, const char*> cases[] = {
        {kHelpClass, "창 클래스를 등록할 수 없어 프로그램을 끝냅니다."},
        {kEntryFieldClass, "주 창을 만들 수 없어 프로그램을 끝냅니다."}};  // the creation step registers it
    for (const auto& [taken, message] : cases) {
        SCOPED_TRACE(taken);
        WNDCLASSA decoy{};
        decoy.lpfnWndProc = DefWindowProcA;
        decoy.hInstance = GetModuleHandleA(nullptr);
        decoy.lpszClassName = taken;
        ASSERT_NE(RegisterClassA(&decoy), 0);
        EXPECT_EQ(startApplication(GetModuleHandleA(nullptr), SW_SHOWNORMAL), nullptr);
        EXPECT_EQ(mainWindow(), nullptr);
        expectLastBox(boxes, "Rosterloom", message);
        WNDCLASSA cls{};
        EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), kMainClass, &cls));
        EXPECT_EQ(FindWindowA(kMainClass, nullptr), nullptr);
        pumpMessages();
        unregisterProgramClasses();
    }
    EXPECT_EQ(boxes.boxes().size(), 2u);
}

// The real program in its own process: started, given an assignment and the
// help window, then ended with its exit button.
TEST(Program, ExitButtonEndsWithZeroWhileWindowsAreOpen) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program(path);
    program = program.substr(0, program.find_last_of("\\/")) + "\\..\\ui\\rosterloom.exe";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    // Its first window of the class, visible only once its controls exist.
    const auto waitForWindow = [&](const char* wanted) -> HWND {
        for (int tries = 0; tries < 400; Sleep(50), ++tries)
            for (HWND w = FindWindowExA(nullptr, nullptr, wanted, nullptr); w;
                 w = FindWindowExA(nullptr, w, wanted, nullptr)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == process.dwProcessId && IsWindowVisible(w)) return w;
            }
        return nullptr;
    };
    HWND main = waitForWindow(kMainClass);
    EXPECT_NE(main, nullptr);
    for (const char* name : {"Orrin_a", "Vesper", "Lumen"}) {
        SendMessageA(GetDlgItem(main, IDC_PARTICIPANT_FIELD), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
        SendMessageA(GetDlgItem(main, IDC_PARTICIPANT_FIELD), WM_KEYDOWN, VK_RETURN, 0);
    }
    PostMessageA(GetDlgItem(main, IDC_ASSIGN), BM_CLICK, 0, 0);
    EXPECT_NE(waitForWindow(kResultClass), nullptr);
    PostMessageA(GetDlgItem(main, IDC_HELP), BM_CLICK, 0, 0);
    EXPECT_NE(waitForWindow(kHelpClass), nullptr);
    PostMessageA(GetDlgItem(main, IDC_EXIT), BM_CLICK, 0, 0);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    if (code == STILL_ACTIVE) TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

TEST(Resources, StringTableHoldsTheMessagesInCodePage949) {
    ASSERT_EQ(GetACP(), 949u) << "run with a Korean locale (LANG=ko_KR.UTF-8)";
    const std::pair<UINT, const char*> entries[] = {
        {IDS_CONFIRM_CANCEL, STR_CONFIRM_CANCEL},   {IDS_NO_PARTICIPANTS, STR_NO_PARTICIPANTS},
        {IDS_TOO_MANY_PARTICIPANTS, STR_TOO_MANY_PARTICIPANTS}, {IDS_NO_MAPS, STR_NO_MAPS},
        {IDS_EXPORT_DONE, STR_EXPORT_DONE},         {IDS_EXPORT_IN_USE, STR_EXPORT_IN_USE},
        {IDS_EXPORT_NO_ACCESS, STR_EXPORT_NO_ACCESS}};
    for (const auto& [id, expected] : entries) {
        char text[256] = {};
        EXPECT_GT(LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text), 0) << id;
        EXPECT_EQ(std::string(text), expected) << id;
    }
}

TEST(Resources, HelpTextIsFortyOneCrLfLinesOf1913Bytes) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_HELP_TEXT), "TEXT");
    ASSERT_NE(found, nullptr);
    ASSERT_EQ(SizeofResource(module, found), 1913u);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(module, found))), 1913);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << "the last line ends with CR LF too";
    const std::vector<std::string> lines = linesOf(text);
    ASSERT_EQ(lines.size(), 41u);
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        EXPECT_TRUE(line.empty() || line.back() != ' ') << line;
    }
    EXPECT_EQ(lines[0], "▶ 프로그램 소개");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[7], "   〓참가자 등록〓");
    EXPECT_EQ(lines[17], "  입력란 오른쪽의 \"↕\"버튼을 이용하여 조정합니다.");
    EXPECT_EQ(lines[40].rfind("  결과 창의 [파일 출력] 버튼을 누르면", 0), 0u);
}

}  // namespace
}  // namespace rl::ui::test
