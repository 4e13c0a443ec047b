// The result window: the group table on top, the chosen group's matches
// below, and the commands that end, keep or export the assignment.
#include <cstdio>

#include "resources/ids.h"
#include "resources/strings.h"
#include "text/result_view.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

constexpr int kNoId = -1;

constexpr WindowLook kLook{kResultClass, "Rosterloom::Result", WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU,
                           {515, 425}};

HWND gResultWindow = nullptr;

// The chooser stands over the run of blanks in the schedule label.
constexpr ControlLayout kControls[] = {
    {"Button", "배정 취소", 0, 0, 320, 10, 100, 25, IDC_CANCEL_ASSIGNMENT},
    {"Button", "닫기", 0, 0, 435, 10, 60, 25, IDC_CLOSE_RESULT},
    {"Button", "파일 출력", 0, BS_FLAT, 405, 215, 90, 20, IDC_EXPORT},
    {"Static", "조 배정 결과", 0, 0, 20, 20, 100, 20, kNoId},
    {"Edit", "", WS_EX_STATICEDGE, WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOHSCROLL | ES_READONLY,
     20, 40, 475, 165, IDC_TABLE_EDIT},
    {"Static", "조별 대진:              조", 0, SS_LEFTNOWORDWRAP, 20, 220, 150, 20, kNoId},
    {"ComboBox", nullptr, 0, CBS_DROPDOWNLIST, 100, 215, 50, 160, IDC_GROUP_CHOOSER},
    {"Edit", "", WS_EX_STATICEDGE, WS_VSCROLL | ES_MULTILINE | ES_READONLY, 20, 240, 475, 165,
     IDC_SCHEDULE_EDIT},
};

// Dialog template units: one column every 56 for the groups; number, first
// side, "[vs]", second side and map for the schedule.
constexpr INT kTableTabStops[] = {56};
constexpr INT kScheduleTabStops[] = {40, 96, 116, 172};

bool createControls(HWND window) {
    for (const ControlLayout& control : kControls) {
        if (!createControl(window, control)) return false;
    }
    return true;
}

void setTabStops(HWND window, int editId, const INT* stops, int count) {
    SendDlgItemMessageA(window, editId, EM_SETTABSTOPS, count, reinterpret_cast<LPARAM>(stops));
}

void showGroup(HWND window, int group) {
    ResultView view = buildResultView(withPlayedMaps(assignment(), theEvent().results), eventHost(), group);
    SetDlgItemTextA(window, IDC_TABLE_EDIT, view.tableText.c_str());
    SetDlgItemTextA(window, IDC_SCHEDULE_EDIT, view.scheduleText.c_str());
}

void fillGroupChooser(HWND window) {
    HWND chooser = GetDlgItem(window, IDC_GROUP_CHOOSER);
    for (int g = 0; g < assignment().settings.groupCount; ++g) {
        char letter[2];
        std::snprintf(letter, sizeof letter, "%c", 'A' + g);
        SendMessageA(chooser, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(letter));
    }
    SendMessageA(chooser, CB_SETCURSEL, 0, 0);
}

// The standings window is a command of the system menu, so the window's
// face stays as it was.
void addStandingsCommand(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ENTER_RESULTS, "경기 결과 입력(&E)...");
    addPageCommand(window);
}

int chosenGroup(HWND window) {
    const LRESULT chosen = SendDlgItemMessageA(window, IDC_GROUP_CHOOSER, CB_GETCURSEL, 0, 0);
    return chosen >= 0 && chosen < assignment().settings.groupCount ? static_cast<int>(chosen) : 0;
}

// Ending the assignment cannot be undone, so it is asked first.
void confirmCancel(HWND window) {
    if (showStringBox(window, IDS_CONFIRM_CANCEL, MB_YESNO) == IDYES) cancelAssignment(window);
}

void onGroupChosen(HWND window) {
    LRESULT chosen = SendDlgItemMessageA(window, IDC_GROUP_CHOOSER, CB_GETCURSEL, 0, 0);
    if (chosen >= 0 && chosen < assignment().settings.groupCount) showGroup(window, static_cast<int>(chosen));
}

LRESULT onCreate(HWND window) {
    placeWindow(window, kLook.client, kLook.style);
    if (!createControls(window)) return -1;
    setTabStops(window, IDC_TABLE_EDIT, kTableTabStops, 1);
    setTabStops(window, IDC_SCHEDULE_EDIT, kScheduleTabStops, 4);
    // Only opened while an assignment stands; a window opened without one
    // stays empty rather than reading arrays that are not there.
    if (assignment().assigned()) {
        showGroup(window, 0);
        fillGroupChooser(window);
        addStandingsCommand(window);
    }
    return 0;
}

LRESULT onCommand(HWND window, WPARAM wParam) {
    const bool clicked = HIWORD(wParam) == 0;
    switch (LOWORD(wParam)) {
    case IDC_CANCEL_ASSIGNMENT: if (clicked) confirmCancel(window); break;
    case IDC_CLOSE_RESULT: if (clicked) DestroyWindow(window); break;
    case IDC_EXPORT: if (clicked) exportResultFile(window); break;
    case IDC_GROUP_CHOOSER: if (HIWORD(wParam) == CBN_SELCHANGE) onGroupChosen(window); break;
    }
    return 0;
}

LRESULT onSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    if (isPageCommand(wParam)) {
        savePage(window);
        return 0;
    }
    if ((wParam & 0xFFF0) != IDM_ENTER_RESULTS) return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
    showStandingsWindow(window, chosenGroup(window));
    return 0;
}

// The two read-only edits read better on white than on the button face.
LRESULT onCtlColorStatic(HWND window, WPARAM wParam, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control == GetDlgItem(window, IDC_TABLE_EDIT) || control == GetDlgItem(window, IDC_SCHEDULE_EDIT))
        return reinterpret_cast<LRESULT>(whiteBrush());
    return DefWindowProcA(window, WM_CTLCOLORSTATIC, wParam, lParam);
}

// Wine's edit control keeps its tab stops and word-break table past its own
// end; taken back here, so that no opening leaves memory behind.
LRESULT onDestroy(HWND window) {
    for (int editId : {IDC_TABLE_EDIT, IDC_SCHEDULE_EDIT}) {
        setTabStops(window, editId, nullptr, 0);
        SetDlgItemTextA(window, editId, "");
    }
    gResultWindow = nullptr;  // a later handle of the same value is not this window
    return 0;
}

// The free client area drags the window like its title bar.
LRESULT onNcHitTest(HWND window, WPARAM wParam, LPARAM lParam) {
    LRESULT hit = DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
    return hit == HTCLIENT ? HTCAPTION : hit;
}

}  // namespace

LRESULT CALLBACK resultWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_DESTROY: return onDestroy(window);
    case WM_COMMAND: return onCommand(window, wParam);
    case WM_SYSCOMMAND: return onSysCommand(window, wParam, lParam);
    case WM_CTLCOLORSTATIC: return onCtlColorStatic(window, wParam, lParam);
    case WM_NCHITTEST: return onNcHitTest(window, wParam, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

void showResultWindow(HWND owner) { openOrRecentre(gResultWindow, owner, kLook); }

void refreshResultWindow() {
    if (isOpen(gResultWindow)) onGroupChosen(gResultWindow);
}

void closeResultWindow() {
    if (isOpen(gResultWindow)) DestroyWindow(gResultWindow);
}

}  // namespace rl::ui
