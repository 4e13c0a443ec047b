// The seeding window: every participant with its pot and tag, editable, and
// the choice of the seeded draw. Opened from the main window's system menu.
// A participant's pot and tag ride on its entry of the participant list (the
// entry's item data), so they follow it when the list changes and go with it
// when it is deleted; the list itself keeps showing names only.
#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "engine/seeding.h"
#include "resources/ids.h"
#include "resources/seeding.h"
#include "resources/strings.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

enum Control {
    SeededCheck, NameHeading, PotHeading, TagHeading, ParticipantRows,
    PotLabel, PotField, TagLabel, TagField, ApplyButton, HintLine, CloseButton, ControlCount
};

constexpr DWORD kRowsStyle = WS_VSCROLL | LBS_NOTIFY | LBS_USETABSTOPS | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT;

constexpr ControlRow<Control> kControls[] = {
    {SeededCheck, {"Button", "시드 배정 사용", 0, BS_AUTOCHECKBOX, 20, 12, 200, 20, IDC_SEEDING_CHECK}},
    {NameHeading, {"Static", "참가자", 0, SS_LEFT, 24, 42, 150, 18, -1}},
    {PotHeading, {"Static", "시드", 0, SS_LEFT, 182, 42, 50, 18, -1}},
    {TagHeading, {"Static", "소속", 0, SS_LEFT, 250, 42, 100, 18, -1}},
    {ParticipantRows, {"ListBox", nullptr, WS_EX_STATICEDGE, kRowsStyle, 20, 60, 340, 190, IDC_SEEDING_LIST}},
    {PotLabel, {"Static", "시드:", 0, SS_LEFT, 20, 266, 45, 20, -1}},
    {PotField, {"Edit", "", WS_EX_CLIENTEDGE, ES_NUMBER | ES_CENTER, 66, 262, 36, 24, IDC_SEEDING_POT}},
    {TagLabel, {"Static", "소속:", 0, SS_LEFT, 114, 266, 45, 20, -1}},
    {TagField, {"Edit", "", WS_EX_CLIENTEDGE, ES_AUTOHSCROLL, 160, 262, 125, 24, IDC_SEEDING_TAG}},
    {ApplyButton, {"Button", "적용", 0, 0, 295, 261, 65, 26, IDC_SEEDING_APPLY}},
    {HintLine, {"Static", "시드는 1부터 그룹 당 인원까지", 0, SS_LEFTNOWORDWRAP, 20, 301, 270, 20, -1}},
    {CloseButton, {"Button", "닫기", 0, 0, 295, 296, 65, 26, IDC_SEEDING_CLOSE}},
};
static_assert(std::size(kControls) == ControlCount && rowsInEnumOrder(kControls),
              "row i of kControls must be control i");

constexpr WindowLook kLook{kSeedingClass, "Rosterloom::Seeding", WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU,
                           {380, 335}};

// Tab walks these in turn; Enter in a field applies, Escape closes.
constexpr Control kTabOrder[] = {SeededCheck, ParticipantRows, PotField, TagField, ApplyButton, CloseButton};

struct Mark {
    int pot = 0;
    std::string tag;  // CP949
};

HWND gWindow = nullptr;
HWND gControls[ControlCount] = {};
WNDPROC gDefaultProcedures[ControlCount] = {};
std::map<LPARAM, Mark> gMarks;  // by the participant entry's item data; 0 holds none
LPARAM gNextKey = 1;
bool gSeeded = false;

HWND control(Control which) { return gControls[which]; }
HWND participantList() { return GetDlgItem(mainWindow(), IDC_PARTICIPANT_LIST); }
int participantCount() { return listCount(participantList()); }

Mark markOf(int index) {
    const LRESULT key = SendMessageA(participantList(), LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    const auto found = gMarks.find(key);
    return found == gMarks.end() ? Mark{} : found->second;
}

void setMark(HWND list, int index, Mark mark) {
    LRESULT key = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    if (key == LB_ERR) return;
    if (key == 0) {
        key = gNextKey++;
        SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), key);
    }
    gMarks[key] = std::move(mark);
}

// Marks whose entries were deleted go too.
void dropUnusedMarks() {
    std::map<LPARAM, Mark> kept;
    for (int i = 0; i < participantCount(); ++i) {
        const LRESULT key = SendMessageA(participantList(), LB_GETITEMDATA, static_cast<WPARAM>(i), 0);
        if (gMarks.count(key)) kept[key] = gMarks[key];
    }
    gMarks.swap(kept);
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// At most kMaxTagBytes, never half a character.
std::string tagFrom(const std::string& text) {
    const std::string tag = trimmed(text);
    const char* start = tag.c_str();
    const char* end = start;
    for (const char* next = CharNextA(end); next != end; next = CharNextA(end)) {
        if (static_cast<std::size_t>(next - start) > kMaxTagBytes) break;
        end = next;
    }
    return std::string(start, end);
}

// A pot as typed or pasted: 1 to 8, anything else none.
int potFrom(const std::string& text) {
    const std::string pot = trimmed(text);
    return pot.size() == 1 && pot[0] >= '1' && pot[0] <= '0' + kMaxPot ? pot[0] - '0' : 0;
}

std::string fieldText(Control which) {
    char text[64] = {};
    GetWindowTextA(control(which), text, sizeof text);
    return text;
}

std::string rowText(int index) {
    char name[64] = {};
    SendMessageA(participantList(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(name));
    const Mark mark = markOf(index);
    return std::string(name) + "\t" + (mark.pot ? std::to_string(mark.pot) : "-") + "\t" + mark.tag;
}

std::vector<int> selectedRows() {
    std::vector<int> rows(static_cast<std::size_t>(participantCount()));
    const LRESULT got = SendMessageA(control(ParticipantRows), LB_GETSELITEMS, rows.size(),
                                     reinterpret_cast<LPARAM>(rows.data()));
    rows.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return rows;
}

// The fields show the first chosen participant's pot and tag.
void showChosenMark() {
    const std::vector<int> rows = selectedRows();
    const Mark mark = rows.empty() ? Mark{} : markOf(rows.front());
    SetWindowTextA(control(PotField), mark.pot ? std::to_string(mark.pot).c_str() : "");
    SetWindowTextA(control(TagField), mark.tag.c_str());
}

// While an assignment stands its inputs stay as they were drawn, as in the
// main window.
void enableInputs() {
    const bool open = !assignment().assigned();
    for (Control input : {SeededCheck, PotField, TagField, ApplyButton}) EnableWindow(control(input), open);
}

// The rows follow the participant list, the chosen ones kept chosen.
void refresh(std::vector<int> chosen) {
    dropUnusedMarks();
    HWND rows = control(ParticipantRows);
    SendMessageA(rows, WM_SETREDRAW, FALSE, 0);
    SendMessageA(rows, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < participantCount(); ++i)
        SendMessageA(rows, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(rowText(i).c_str()));
    if (chosen.empty() && participantCount() > 0) chosen.push_back(0);
    for (int row : chosen) SendMessageA(rows, LB_SETSEL, TRUE, row);
    SendMessageA(rows, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(rows, nullptr, TRUE);
    SendMessageA(control(SeededCheck), BM_SETCHECK, gSeeded ? BST_CHECKED : BST_UNCHECKED, 0);
    enableInputs();
    showChosenMark();
}

// The fields go to every chosen participant. One chosen, the next one is
// chosen after it, so that a list is marked from the keyboard in one go.
void onApply() {
    if (assignment().assigned()) return;
    std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    const Mark mark{potFrom(fieldText(PotField)), tagFrom(fieldText(TagField))};
    for (int row : rows) setMark(participantList(), row, mark);
    if (rows.size() == 1 && rows.front() + 1 < participantCount()) rows.front() += 1;
    refresh(rows);
}

void onSeededClicked() { gSeeded = SendMessageA(control(SeededCheck), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void moveFocus(Control from, bool back) {
    const int count = static_cast<int>(std::size(kTabOrder));
    int at = 0;
    while (at < count && kTabOrder[at] != from) ++at;
    for (int step = 1; step <= count; ++step) {
        const Control next = kTabOrder[((at + (back ? -step : step)) % count + count) % count];
        if (IsWindowEnabled(control(next))) {
            SetFocus(control(next));
            return;
        }
    }
}

Control controlOf(HWND window) {
    for (int i = 0; i < ControlCount; ++i)
        if (gControls[i] == window) return static_cast<Control>(i);
    return ControlCount;
}

// The keys of every control that takes the focus: Tab and Shift+Tab walk,
// Enter applies the fields (or presses the focused button), Escape closes.
LRESULT CALLBACK keysProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Control which = controlOf(window);
    if (message == WM_KEYDOWN && wParam == VK_TAB) {
        moveFocus(which, GetKeyState(VK_SHIFT) < 0);
        return 0;
    }
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
        DestroyWindow(gWindow);
        return 0;
    }
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        if (which == CloseButton) DestroyWindow(gWindow);
        else if (which != SeededCheck) onApply();
        return 0;
    }
    if (message == WM_CHAR && (wParam == '\t' || wParam == '\r' || wParam == 0x1B)) return 0;  // no beep
    return CallWindowProcA(gDefaultProcedures[which], window, message, wParam, lParam);
}

// The list's tab stops under the pot and tag headings. It counts them in
// quarters of its font's average character width, which the font decides.
void alignColumnsWithHeadings() {
    HWND rows = control(ParticipantRows);
    HDC dc = GetDC(rows);
    SIZE letters{};
    GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
    ReleaseDC(rows, dc);
    const int quarter = std::max(1L, (letters.cx / 26 + 1) / 2);
    RECT list{};
    GetClientRect(rows, &list);
    MapWindowPoints(rows, gWindow, reinterpret_cast<POINT*>(&list), 2);
    INT stops[2];
    for (int i = 0; i < 2; ++i) stops[i] = (kControls[PotHeading + i].layout.x - list.left) * 4 / quarter;
    SendMessageA(rows, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(stops));
}

bool createControls(HWND window) {
    for (int i = 0; i < ControlCount; ++i) {
        gControls[i] = createControl(window, kControls[i].layout);
        if (!gControls[i]) return false;
    }
    for (Control focusable : kTabOrder) {
        const auto procedure = reinterpret_cast<LONG_PTR>(keysProc);
        gDefaultProcedures[focusable] =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrA(control(focusable), GWLP_WNDPROC, procedure));
        if (!gDefaultProcedures[focusable]) return false;
    }
    SendMessageA(control(PotField), EM_LIMITTEXT, 1, 0);
    SendMessageA(control(TagField), EM_LIMITTEXT, kMaxTagBytes, 0);
    alignColumnsWithHeadings();
    return true;
}

// --- handlers

LRESULT onCreate(HWND window) {
    gWindow = window;
    placeWindow(window, kLook.client, kLook.style);
    return createControls(window) ? 0 : -1;
}

LRESULT onCommand(WPARAM wParam) {
    const int code = HIWORD(wParam);
    const int id = LOWORD(wParam);
    if (code == BN_CLICKED && id == IDC_SEEDING_CHECK) onSeededClicked();
    else if (code == BN_CLICKED && id == IDC_SEEDING_APPLY) onApply();
    else if (code == BN_CLICKED && id == IDC_SEEDING_CLOSE) DestroyWindow(gWindow);
    else if (code == LBN_SELCHANGE && id == IDC_SEEDING_LIST) showChosenMark();
    return 0;
}

// The participants may have changed in the main window meanwhile.
LRESULT onActivate(HWND window, WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) != WA_INACTIVE) refresh(selectedRows());
    return DefWindowProcA(window, WM_ACTIVATE, wParam, lParam);
}

LRESULT onDestroy() {
    gWindow = nullptr;  // a later handle of the same value is not this window
    for (HWND& c : gControls) c = nullptr;
    return 0;
}

}  // namespace

LRESULT CALLBACK seedingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_DESTROY: return onDestroy();
    case WM_COMMAND: return onCommand(wParam);
    case WM_ACTIVATE: return onActivate(window, wParam, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

void addSeedingCommand(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_SEEDING, "시드와 소속 지정(&P)...");
}

void showSeedingWindow(HWND owner) {
    if (!isOpen(gWindow)) {
        if (!ensurePopupClass(kSeedingClass, seedingWindowProc)) return;
        openOrRecentre(gWindow, owner, kLook);
        if (!isOpen(gWindow)) return;
    }
    SetActiveWindow(gWindow);
    refresh(selectedRows());
    SetFocus(control(ParticipantRows));
}

bool seededDrawOn() { return gSeeded; }

void markPastedParticipant(HWND list, int index, const std::string& pot, const std::string& tag) {
    if (gSeeded) setMark(list, index, Mark{potFrom(pot), tagFrom(tag)});
}

Seeding currentSeeding() {
    Seeding seeding;
    for (int i = 0; i < participantCount(); ++i) {
        const Mark mark = markOf(i);
        seeding.pots.push_back(mark.pot);
        seeding.tags.push_back(mark.tag);
    }
    return seeding;
}

void restoreSeeding(bool seeded, const Seeding& seeding) {
    gSeeded = seeded;
    gMarks.clear();
    HWND list = participantList();
    for (int i = 0; i < participantCount(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int pot = at < seeding.pots.size() ? seeding.pots[at] : 0;
        std::string tag = at < seeding.tags.size() ? seeding.tags[at] : std::string();
        if (pot != 0 || !tag.empty()) setMark(list, i, Mark{pot, std::move(tag)});
    }
    if (isOpen(gWindow)) refresh(selectedRows());
}

AssignOutcome assignWithSeeding(AssignmentState& state, Host& host) {
    if (!gSeeded) return assign(state, host);
    SeedRefusal refusal;
    const AssignOutcome outcome = assignSeeded(state, host, currentSeeding(), refusal);
    if (refusal.stringId) MessageBoxA(mainWindow(), seedRefusalText(refusal).c_str(), STR_APP_CAPTION, MB_OK);
    return outcome;
}

}  // namespace rl::ui
