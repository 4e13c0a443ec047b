#include "tests/ui/harness.h"

#include <commctrl.h>

#include <algorithm>
#include <deque>

namespace rl::ui::test {
namespace {

HHOOK gHook = nullptr;
std::vector<MessageBoxRecord> gBoxes;
std::deque<int> gAnswers;
std::vector<HWND> gSeenBoxes;

constexpr char kDialogClass[] = "#32770";

void recordAndAnswer(HWND box) {
    if (std::find(gSeenBoxes.begin(), gSeenBoxes.end(), box) != gSeenBoxes.end()) return;
    gSeenBoxes.push_back(box);
    MessageBoxRecord record;
    record.caption = windowText(box);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string kind = className(child);
        if (_stricmp(kind.c_str(), "Button") == 0) record.buttons.push_back(GetDlgCtrlID(child));
        if (_stricmp(kind.c_str(), "Static") == 0 && !windowText(child).empty()) record.text = windowText(child);
    }
    gBoxes.push_back(record);
    const int answer = gAnswers.empty() ? IDOK : gAnswers.front();
    if (!gAnswers.empty()) gAnswers.pop_front();
    // Posted: the box's own modal loop takes it, as it would a real click.
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
}

LRESULT CALLBACK onActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const auto window = reinterpret_cast<HWND>(wParam);
        if (className(window) == kDialogClass) recordAndAnswer(window);
    }
    return CallNextHookEx(gHook, code, wParam, lParam);
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher() {
    forget();
    gAnswers.clear();
    gHook = SetWindowsHookExA(WH_CBT, onActivation, nullptr, GetCurrentThreadId());
}

MessageBoxWatcher::~MessageBoxWatcher() {
    UnhookWindowsHookEx(gHook);
    gHook = nullptr;
}

void MessageBoxWatcher::answerNextWith(int buttonId) { gAnswers.push_back(buttonId); }
void MessageBoxWatcher::forget() {
    gBoxes.clear();
    gSeenBoxes.clear();
}
const std::vector<MessageBoxRecord>& MessageBoxWatcher::boxes() const { return gBoxes; }

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string className(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool pumpMessages(int* quitCode) {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            if (quitCode) *quitCode = static_cast<int>(message.wParam);
            return true;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return false;
}

void pressKey(HWND window, WPARAM key) {
    SendMessageA(window, WM_KEYDOWN, key, 0);
    SendMessageA(window, WM_KEYUP, key, 0);
}

// Positions are in the control's own units (bytes or characters), so they
// are compared with its length.
bool allSelected(HWND edit) {
    DWORD from = 0, to = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    const auto length = static_cast<DWORD>(SendMessageA(edit, EM_LINELENGTH, 0, 0));
    return length > 0 && from == 0 && to == length;
}

void expectLastBox(const MessageBoxWatcher& boxes, const std::string& caption, const std::string& text,
                   const std::vector<int>& buttons) {
    ASSERT_FALSE(boxes.boxes().empty());
    const MessageBoxRecord& box = boxes.boxes().back();
    EXPECT_EQ(box.caption, caption);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.buttons, buttons);
}

void unregisterProgramClasses() {
    for (const char* name : {kMainClass, kResultClass, kHelpClass, kEntryFieldClass})
        UnregisterClassA(name, GetModuleHandleA(nullptr));
}

void ProgramTest::SetUp() {
    pumpMessages();  // an end left over from a test before
    ended_ = false;
    quitCode_ = -1;
    main_ = startApplication(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    ASSERT_NE(main_, nullptr);
    ASSERT_EQ(mainWindow(), main_);
    pump();
}

void ProgramTest::TearDown() {
    if (IsWindow(main_)) DestroyWindow(main_);
    ended();
    unregisterProgramClasses();
}

HWND ProgramTest::item(int id) const { return GetDlgItem(main_, id); }

void ProgramTest::click(int id) {
    HWND button = item(id);
    ASSERT_NE(button, nullptr) << "no control " << id;
    ASSERT_TRUE(isEnabled(button)) << "control " << id << " is disabled";
    SendMessageA(button, BM_CLICK, 0, 0);
    pump();
}

void ProgramTest::enter(int fieldId, const std::string& name) {
    SetWindowTextA(item(fieldId), name.c_str());
    pressKey(item(fieldId), VK_RETURN);
}

void ProgramTest::addParticipants(int count, const std::string& prefix) {
    for (int i = 0; i < count; ++i) enter(400, prefix + std::to_string(i + 1));
}

std::vector<std::string> ProgramTest::listEntries(int listId) const {
    HWND list = item(listId);
    std::vector<std::string> entries;
    const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char entry[64] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry));
        entries.emplace_back(entry);
    }
    return entries;
}

void ProgramTest::deleteEntries(int listId, const std::vector<int>& selected) {
    HWND list = item(listId);
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    for (int index : selected) SendMessageA(list, LB_SETSEL, TRUE, index);
    SetFocus(list);
    pressKey(list, VK_DELETE);
}

HWND ProgramTest::upDown(int which) const {
    int seen = 0;
    for (HWND child = GetWindow(main_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (className(child) == "msctls_updown32" && seen++ == which) return child;
    ADD_FAILURE() << "no up-down " << which;
    return nullptr;
}

HWND ProgramTest::numberBox(int which) const {
    return reinterpret_cast<HWND>(SendMessageA(upDown(which), UDM_GETBUDDY, 0, 0));
}

void ProgramTest::setNumber(int which, int value) {
    SendMessageA(upDown(which), UDM_SETPOS32, 0, value);
    SetWindowTextA(numberBox(which), std::to_string(value).c_str());
}

std::vector<HWND> ProgramTest::ownedWindows(const char* wanted) const {
    std::vector<HWND> found;
    for (HWND w = FindWindowExA(nullptr, nullptr, wanted, nullptr); w; w = FindWindowExA(nullptr, w, wanted, nullptr))
        if (GetWindow(w, GW_OWNER) == main_) found.push_back(w);
    return found;
}

HWND ProgramTest::owned(const char* wanted) const {
    const std::vector<HWND> open = ownedWindows(wanted);
    return open.empty() ? nullptr : open.front();
}

void ProgramTest::pump() {
    if (!ended_) ended_ = pumpMessages(&quitCode_);
}

bool ProgramTest::ended() {
    pump();
    return ended_;
}

}  // namespace rl::ui::test
