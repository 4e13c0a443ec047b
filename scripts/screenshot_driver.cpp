// Drives a running rosterloom.exe from another process, the way a person
// would: types names with Enter, clicks buttons. scripts/screenshots runs it
// step by step and photographs the screen in between.
//
//   screenshot_driver wait         wait for the main window
//   screenshot_driver example      ten participants, 3 groups of 4,
//                                  tournament, 4 maps dealt evenly
//   screenshot_driver assign       press the assign button
//   screenshot_driver help         press the help button
//   screenshot_driver standings    open the standings window from the result
//                                  window's system menu, record group A's
//                                  first round and choose its final
//   screenshot_driver seeding      open the seeding window from the main
//                                  window's system menu, turn the seeded draw
//                                  on and give six players a pot and a race
//   screenshot_driver close-seeding  close it again
//   screenshot_driver rect CLASS   print the window's geometry as WxH+X+Y
//   screenshot_driver exit         press the exit button
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "resources/ids.h"
#include "resources/seeding.h"

namespace {

constexpr const char* kParticipants[] = {"Lumen", "Kestrel", "하늘빛", "Marlow", "Quill",
                                         "새벽별", "Orrin", "Juniper", "Hollis", "Vesper"};
constexpr const char* kMaps[] = {"푸른 협곡", "Iron Delta", "Salt Flats", "안개 고원"};

HWND mainWindow() { return FindWindowA("Rosterlom", nullptr); }

HWND control(int id) { return GetDlgItem(mainWindow(), id); }

void click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

void enter(int fieldId, const char* name) {
    HWND field = control(fieldId);
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
    SendMessageA(field, WM_KEYDOWN, VK_RETURN, 0);
}

BOOL CALLBACK collectUpDown(HWND child, LPARAM list) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    if (std::strcmp(name, UPDOWN_CLASSA) == 0) reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// The group count and the group size, in the order the window made them.
void setNumbers(int groups, int places) {
    std::vector<HWND> upDowns;
    EnumChildWindows(mainWindow(), collectUpDown, reinterpret_cast<LPARAM>(&upDowns));
    const int values[] = {groups, places};
    for (size_t i = 0; i < upDowns.size() && i < 2; ++i) {
        SendMessageA(upDowns[i], UDM_SETPOS32, 0, values[i]);
        HWND box = reinterpret_cast<HWND>(SendMessageA(upDowns[i], UDM_GETBUDDY, 0, 0));
        char text[8];
        std::snprintf(text, sizeof text, "%d", values[i]);
        SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
}

int fillExample() {
    for (const char* name : kParticipants) enter(IDC_PARTICIPANT_FIELD, name);
    if (SendMessageA(control(IDC_MAPS_CHECK), BM_GETCHECK, 0, 0) != BST_CHECKED) click(control(IDC_MAPS_CHECK));
    for (const char* map : kMaps) enter(IDC_MAP_FIELD, map);
    setNumbers(3, 4);
    click(control(IDC_TOURNAMENT));
    return 0;
}

int waitForMainWindow() {
    for (int i = 0; i < 300; ++i) {
        if (mainWindow() && IsWindowVisible(mainWindow())) return 0;
        Sleep(100);
    }
    std::fprintf(stderr, "no main window\n");
    return 1;
}

int printRect(const char* className) {
    HWND window = FindWindowA(className, nullptr);
    RECT r{};
    if (!window || !GetWindowRect(window, &r)) {
        std::fprintf(stderr, "no window of class %s\n", className);
        return 1;
    }
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    return 0;
}

// Clicks run asynchronously so that a modal box in the program cannot hold
// the driver; the pause lets the new window paint.
int press(int id) {
    PostMessageA(control(id), BM_CLICK, 0, 0);
    Sleep(1500);
    return 0;
}

// As a person would: choose the match in the list, type the maps, press the
// button. Nothing here is refused, so no box can hold the driver.
void recordResult(HWND window, int number, const char* first, const char* second) {
    SendDlgItemMessageA(window, IDC_MATCH_LIST, LB_SETCURSEL, static_cast<WPARAM>(number - 1), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MATCH_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_MATCH_LIST)));
    SetDlgItemTextA(window, IDC_FIRST_MAPS, first);
    SetDlgItemTextA(window, IDC_SECOND_MAPS, second);
    click(GetDlgItem(window, IDC_RECORD));
}

int enterResults() {
    PostMessageA(FindWindowA("SubWnd", nullptr), WM_SYSCOMMAND, IDM_ENTER_RESULTS, 0);
    Sleep(1500);
    HWND window = FindWindowA("StandingsWnd", nullptr);
    if (!window) {
        std::fprintf(stderr, "no standings window\n");
        return 1;
    }
    recordResult(window, 1, "2", "1");
    recordResult(window, 2, "0", "2");
    SendDlgItemMessageA(window, IDC_MATCH_LIST, LB_SETCURSEL, 2, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MATCH_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_MATCH_LIST)));
    Sleep(1000);
    return 0;
}

// As a person would: choose the participant, type the pot and the race, apply.
void markRow(HWND window, int row, const char* pot, const char* tag) {
    HWND rows = GetDlgItem(window, IDC_SEEDING_LIST);
    SendMessageA(rows, LB_SETSEL, FALSE, -1);
    SendMessageA(rows, LB_SETSEL, TRUE, row);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_SEEDING_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(rows));
    SetDlgItemTextA(window, IDC_SEEDING_POT, pot);
    SetDlgItemTextA(window, IDC_SEEDING_TAG, tag);
    click(GetDlgItem(window, IDC_SEEDING_APPLY));
}

int markSeeds() {
    PostMessageA(mainWindow(), WM_SYSCOMMAND, IDM_SEEDING, 0);
    Sleep(1500);
    HWND window = FindWindowA("SeedingWnd", nullptr);
    if (!window) {
        std::fprintf(stderr, "no seeding window\n");
        return 1;
    }
    click(GetDlgItem(window, IDC_SEEDING_CHECK));
    const char* const marks[][2] = {{"1", "Zerg"}, {"1", "Terran"}, {"1", "Protoss"},
                                    {"2", "Zerg"}, {"2", "Protoss"}, {"2", "Terran"}};
    for (int row = 0; row < 6; ++row) markRow(window, row, marks[row][0], marks[row][1]);
    markRow(window, 6, "", "Zerg");
    Sleep(1000);
    return 0;
}

int closeSeeding() {
    PostMessageA(GetDlgItem(FindWindowA("SeedingWnd", nullptr), IDC_SEEDING_CLOSE), BM_CLICK, 0, 0);
    Sleep(500);
    return 0;
}

// The format window open (its own state left as it is), then closed.
int openFormat() {
    PostMessageA(mainWindow(), WM_SYSCOMMAND, IDM_FORMAT, 0);
    Sleep(1000);
    return FindWindowA("FormatWnd", nullptr) ? 0 : 1;
}

int closeFormat() {
    PostMessageA(GetDlgItem(FindWindowA("FormatWnd", nullptr), IDC_CLOSE_FORMAT), BM_CLICK, 0, 0);
    Sleep(500);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const char* step = argv[1];
    if (std::strcmp(step, "wait") == 0) return waitForMainWindow();
    if (!mainWindow()) return 1;
    if (std::strcmp(step, "example") == 0) return fillExample();
    if (std::strcmp(step, "assign") == 0) return press(IDC_ASSIGN);
    if (std::strcmp(step, "help") == 0) return press(IDC_HELP);
    if (std::strcmp(step, "seeding") == 0) return markSeeds();
    if (std::strcmp(step, "close-seeding") == 0) return closeSeeding();
    if (std::strcmp(step, "format") == 0) return openFormat();
    if (std::strcmp(step, "close-format") == 0) return closeFormat();
    if (std::strcmp(step, "standings") == 0) return enterResults();
    if (std::strcmp(step, "exit") == 0) return press(IDC_EXIT);
    if (std::strcmp(step, "rect") == 0 && argc > 2) return printRect(argv[2]);
    return 2;
}
