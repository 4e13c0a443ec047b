// Start and end of the program, and the resources it is built with.
#include <string>

#include "tests/ui/harness.h"
#include "resources/ids.h"
#include "resources/strings.h"

namespace rl::ui::test {
namespace {

class StartFailureTest : public ::testing::Test {
protected:
    void TearDown() override {
        pumpMessages();
        unregisterProgramClasses();
    }
    void registerDecoy(const char* name) {
        WNDCLASSA decoy{};
        decoy.lpfnWndProc = DefWindowProcA;
        decoy.hInstance = GetModuleHandleA(nullptr);
        decoy.lpszClassName = name;
        ASSERT_NE(RegisterClassA(&decoy), 0);
    }
    MessageBoxWatcher boxes;
};

// Without a window the loop would wait forever: a failed start says so and
// gives up, leaving nothing registered behind.
TEST_F(StartFailureTest, ClassRegistrationFailureIsReported) {
    registerDecoy(kHelpClass);
    EXPECT_EQ(startApplication(GetModuleHandleA(nullptr), SW_SHOWNORMAL), nullptr);
    EXPECT_EQ(mainWindow(), nullptr);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, "Rosterloom");
    EXPECT_EQ(boxes.boxes()[0].text, "창 클래스를 등록할 수 없어 프로그램을 끝냅니다.");
    WNDCLASSA cls{};
    EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), kMainClass, &cls));
}

TEST_F(StartFailureTest, MainWindowFailureIsReported) {
    registerDecoy(kEntryFieldClass);  // the creation step cannot register its own
    EXPECT_EQ(startApplication(GetModuleHandleA(nullptr), SW_SHOWNORMAL), nullptr);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "주 창을 만들 수 없어 프로그램을 끝냅니다.");
    EXPECT_EQ(FindWindowA(kMainClass, nullptr), nullptr);
}

// The real program in its own process: started, given an assignment and the
// help window, then ended with its exit button.
class ChildProgram {
public:
    ChildProgram() {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string program(path);
        program = program.substr(0, program.find_last_of("\\/")) + "\\..\\ui\\rosterloom.exe";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                  &process_) != FALSE;
    }
    ~ChildProgram() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    bool started() const { return started_; }
    // The first visible top-level window of the given class of the program.
    HWND waitForWindow(const char* wanted) const {
        for (int tries = 0; tries < 400; ++tries) {
            if (HWND found = findWindow(wanted)) return found;
            Sleep(50);
        }
        return nullptr;
    }
    DWORD waitForExitCode() const {
        if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0) return STILL_ACTIVE;
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    HWND findWindow(const char* wanted) const {
        for (HWND w = FindWindowExA(nullptr, nullptr, wanted, nullptr); w; w = FindWindowExA(nullptr, w, wanted, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            // Visible only once its creation step is over and its controls exist.
            if (owner == process_.dwProcessId && IsWindowVisible(w)) return w;
        }
        return nullptr;
    }
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

TEST(Program, ExitButtonEndsWithZeroWhileWindowsAreOpen) {
    ChildProgram program;
    ASSERT_TRUE(program.started());
    HWND main = program.waitForWindow(kMainClass);
    ASSERT_NE(main, nullptr);
    HWND field = GetDlgItem(main, IDC_PARTICIPANT_FIELD);
    ASSERT_NE(field, nullptr);
    for (const char* name : {"Orrin_a", "Vesper", "Lumen"}) {
        SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
        SendMessageA(field, WM_KEYDOWN, VK_RETURN, 0);
    }
    PostMessageA(GetDlgItem(main, IDC_ASSIGN), BM_CLICK, 0, 0);
    ASSERT_NE(program.waitForWindow(kResultClass), nullptr);
    PostMessageA(GetDlgItem(main, IDC_HELP), BM_CLICK, 0, 0);
    ASSERT_NE(program.waitForWindow(kHelpClass), nullptr);
    PostMessageA(GetDlgItem(main, IDC_EXIT), BM_CLICK, 0, 0);
    EXPECT_EQ(program.waitForExitCode(), 0u);
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
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    const std::string text(bytes, 1913);

    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "the last line ends with CR LF too";
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 41u);
    // Leading blanks of each line; -1 marks an empty line.
    constexpr int kLeading[41] = {0, 0, 0, 0, 0, -1, 0, 3, 2, 2, -1, 3, 2, 2, -1, 3, 2, 2, -1, 3, 2,
                                  -1, 3, 0, 2, 2, -1, 0, 2, 2, -1, 3, 2, 2, -1, 3, 2, 2, -1, 3, 2};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        SCOPED_TRACE("line " + std::to_string(i + 1));
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
        if (kLeading[i] < 0) {
            EXPECT_TRUE(line.empty());
            continue;
        }
        EXPECT_EQ(static_cast<int>(line.find_first_not_of(' ')), kLeading[i]);
        EXPECT_NE(line.back(), ' ');
    }
    EXPECT_EQ(lines[0], "▶ 프로그램 소개");
    EXPECT_EQ(lines[7], "   〓참가자 등록〓");
    EXPECT_EQ(lines[17], "  입력란 오른쪽의 \"↕\"버튼을 이용하여 조정합니다.");
    EXPECT_EQ(lines[40].rfind("  결과 창의 [파일 출력] 버튼을 누르면", 0), 0u);
}

TEST(Resources, IconHasA32And16PixelImageOf16Colours) {
#pragma pack(push, 2)
    struct GroupEntry {
        BYTE width, height, colours, reserved;
        WORD planes, bitCount;
        DWORD bytes;
        WORD id;
    };
    struct GroupHeader {
        WORD reserved, type, count;
        GroupEntry entries[2];
    };
#pragma pack(pop)
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDI_APP_ICON), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
    ASSERT_NE(found, nullptr);
    const auto* group = static_cast<const GroupHeader*>(LockResource(LoadResource(module, found)));
    ASSERT_EQ(group->count, 2);
    EXPECT_EQ(group->entries[0].width, 32);
    EXPECT_EQ(group->entries[1].width, 16);
    for (const GroupEntry& entry : group->entries) {
        EXPECT_EQ(entry.colours, 16);
        EXPECT_EQ(entry.bitCount, 4);
        EXPECT_NE(LoadImageA(module, MAKEINTRESOURCEA(IDI_APP_ICON), IMAGE_ICON, entry.width, entry.width, 0), nullptr);
    }
}

}  // namespace
}  // namespace rl::ui::test
