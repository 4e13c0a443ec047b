#include "tests/ui/harness.h"

#include <deque>

namespace rl::ui::test {
namespace {

HHOOK gHook = nullptr;
std::vector<MessageBoxRecord> gBoxes;
std::deque<int> gAnswers;
std::vector<HWND> gSeenBoxes;

constexpr char kDialogClass[] = "#32770";

BOOL CALLBACK collectChild(HWND child, LPARAM data) {
    auto& record = *reinterpret_cast<MessageBoxRecord*>(data);
    const std::string kind = className(child);
    if (_stricmp(kind.c_str(), "Button") == 0) record.buttons.push_back(GetDlgCtrlID(child));
    if (_stricmp(kind.c_str(), "Static") == 0 && !windowText(child).empty()) record.text = windowText(child);
    return TRUE;
}

void recordAndAnswer(HWND box) {
    for (HWND seen : gSeenBoxes)
        if (seen == box) return;
    gSeenBoxes.push_back(box);
    MessageBoxRecord record;
    record.caption = windowText(box);
    EnumChildWindows(box, collectChild, reinterpret_cast<LPARAM>(&record));
    gBoxes.push_back(record);
    int answer = IDOK;
    if (!gAnswers.empty()) {
        answer = gAnswers.front();
        gAnswers.pop_front();
    }
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
    gBoxes.clear();
    gAnswers.clear();
    gSeenBoxes.clear();
    gHook = SetWindowsHookExA(WH_CBT, onActivation, nullptr, GetCurrentThreadId());
}

MessageBoxWatcher::~MessageBoxWatcher() {
    UnhookWindowsHookEx(gHook);
    gHook = nullptr;
}

void MessageBoxWatcher::answerNextWith(int buttonId) { gAnswers.push_back(buttonId); }
const std::vector<MessageBoxRecord>& MessageBoxWatcher::boxes() const { return gBoxes; }

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

std::string className(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool isEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

RECT windowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
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

void unregisterProgramClasses() {
    for (const char* name : {kMainClass, kResultClass, kHelpClass, kEntryFieldClass})
        UnregisterClassA(name, GetModuleHandleA(nullptr));
}

void ProgramTest::SetUp() {
    pumpMessages();  // an end left over from a test before
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
    HWND field = item(fieldId);
    SetWindowTextA(field, name.c_str());
    SendMessageA(field, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(field, WM_KEYUP, VK_RETURN, 0);
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

namespace {

struct OwnedSearch {
    HWND owner;
    const char* wanted;
    std::vector<HWND> found;
};

BOOL CALLBACK collectOwned(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<OwnedSearch*>(data);
    if (GetWindow(window, GW_OWNER) == search.owner && className(window) == search.wanted)
        search.found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> ProgramTest::ownedWindows(const char* wanted) const {
    OwnedSearch search{main_, wanted, {}};
    EnumThreadWindows(GetCurrentThreadId(), collectOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ProgramTest::pump() {
    if (!ended_) ended_ = pumpMessages(&quitCode_);
}

bool ProgramTest::ended() {
    pump();
    return ended_;
}

}  // namespace rl::ui::test
