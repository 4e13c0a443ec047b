// The seeding window: every participant with its race, pot and tag,
// editable, and the choices of the seeded draw and of races spread over the
// groups (its share of nextDraw). Opened from the main window's system menu.
// A participant's marks ride on its entry of the participant list (the
// entry's item data), so they follow it when the list changes and go with it
// when it is deleted; the list itself keeps showing names only.
#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/race.h"
#include "engine/seed_entry.h"
#include "engine/seeding.h"
#include "resources/ids.h"
#include "resources/seeding.h"
#include "resources/strings.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

enum Control {
    SeededCheck, SpreadCheck, NameHeading, RaceHeading, PotHeading, TagHeading, ParticipantRows,
    RaceLabel, RaceField, PotLabel, PotField, TagLabel, TagField, ApplyButton, HintLine, CloseButton, ControlCount
};

constexpr DWORD kRowsStyle = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_USETABSTOPS | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT;

constexpr ControlRow<Control> kControls[] = {
    {SeededCheck, {"Button", "시드 배정 사용", 0, BS_AUTOCHECKBOX | WS_TABSTOP, 20, 12, 170, 20, IDC_SEEDING_CHECK}},
    {SpreadCheck, {"Button", "종족 고르게 나누기(&D)", 0, BS_AUTOCHECKBOX | WS_TABSTOP, 200, 12, 250, 20, IDC_SEEDING_SPREAD}},
    {NameHeading, {"Static", "참가자", 0, SS_LEFT, 24, 42, 130, 18, -1}},
    {RaceHeading, {"Static", "종족", 0, SS_LEFT, 160, 42, 44, 18, -1}},
    {PotHeading, {"Static", "시드", 0, SS_LEFT, 210, 42, 44, 18, -1}},
    {TagHeading, {"Static", "소속", 0, SS_LEFT, 260, 42, 180, 18, -1}},
    {ParticipantRows, {"ListBox", nullptr, WS_EX_STATICEDGE, kRowsStyle, 20, 60, 430, 190, IDC_SEEDING_LIST}},
    {RaceLabel, {"Static", "종족(&R):", 0, SS_LEFT, 20, 266, 70, 20, -1}},
    {RaceField, {"Edit", "", WS_EX_CLIENTEDGE, ES_AUTOHSCROLL | WS_TABSTOP, 92, 262, 50, 24, IDC_SEEDING_RACE}},
    {PotLabel, {"Static", "시드:", 0, SS_LEFT, 156, 266, 45, 20, -1}},
    {PotField, {"Edit", "", WS_EX_CLIENTEDGE, ES_NUMBER | ES_CENTER | WS_TABSTOP, 202, 262, 36, 24, IDC_SEEDING_POT}},
    {TagLabel, {"Static", "소속:", 0, SS_LEFT, 252, 266, 45, 20, -1}},
    {TagField, {"Edit", "", WS_EX_CLIENTEDGE, ES_AUTOHSCROLL | WS_TABSTOP, 298, 262, 90, 24, IDC_SEEDING_TAG}},
    {ApplyButton, {"Button", "적용", 0, WS_TABSTOP, 398, 261, 52, 26, IDC_SEEDING_APPLY}},
    {HintLine, {"Static", "시드는 1부터 그룹 당 인원까지", 0, SS_LEFTNOWORDWRAP, 20, 301, 270, 20, -1}},
    {CloseButton, {"Button", "닫기", 0, WS_TABSTOP, 385, 296, 65, 26, IDC_SEEDING_CLOSE}},
};
static_assert(std::size(kControls) == ControlCount && rowsInEnumOrder(kControls),
              "row i of kControls must be control i");

constexpr WindowLook kLook{kSeedingClass, "Rosterloom::Seeding", WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU,
                           {470, 335}};


struct Mark {
    int pot = 0;
    std::string tag;  // CP949
    Race race = Race::None;
};

HWND gWindow = nullptr;
HWND gControls[ControlCount] = {};
std::map<LPARAM, Mark> gMarks;  // by the participant entry's item data; 0 holds none
LPARAM gNextKey = 1;

HWND control(Control which) { return gControls[which]; }
bool seeded() { return nextDraw().seeded; }
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

// The largest pot the group size field allows; 8 while it holds no valid size.
int largestPot() {
    const std::string size(host().numberFieldText(NumberField::GroupSize));
    const bool digits = !size.empty() && size.size() <= 2 && size.find_first_not_of("0123456789") == std::string::npos;
    const int value = digits ? std::stoi(size) : 0;
    return value >= 1 && value <= kMaxPot ? value : kMaxPot;
}

// The mark the cells give, or nothing (and the reason) when a cell breaks
// the rule that the command line's columns keep.
std::optional<Mark> markOfCells(const PastedMarks& cells, int row, SeedRefusal& refusal) {
    const SeedEntryCheck check = checkSeedEntry(cells.pot, cells.tag, largestPot());
    const std::optional<Race> race = parseRace(cells.race);
    if (check.fault != SeedEntryCheck::Fine) refusal = seedEntryRefusal(check, row + 1, largestPot());
    else if (!race) refusal = raceEntryRefusal(row + 1);
    else return Mark{check.pot, check.tag, *race};
    return std::nullopt;
}

// The same, the user told which participant's cell breaks the rule;
// nothing is ever cut to fit.
std::optional<Mark> markFrom(HWND owner, const PastedMarks& cells, int row) {
    SeedRefusal refusal;
    std::optional<Mark> mark = markOfCells(cells, row, refusal);
    if (!mark) showTextBox(owner, seedRefusalText(refusal), MB_OK);
    return mark;
}

std::string fieldText(Control which) {
    char text[256] = {};
    GetWindowTextA(control(which), text, sizeof text);
    return text;
}

std::string rowText(int index) {
    char name[64] = {};
    SendMessageA(participantList(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(name));
    const Mark mark = markOf(index);
    const std::string race(mark.race == Race::None ? "-" : raceLetter(mark.race));
    return std::string(name) + "\t" + race + "\t" +
           (mark.pot ? std::to_string(mark.pot) : "-") + "\t" + mark.tag;
}

std::vector<int> selectedRows() {
    std::vector<int> rows(static_cast<std::size_t>(participantCount()));
    const LRESULT got = SendMessageA(control(ParticipantRows), LB_GETSELITEMS, rows.size(),
                                     reinterpret_cast<LPARAM>(rows.data()));
    rows.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return rows;
}

// The fields show the first chosen participant's marks.
void showChosenMark() {
    const std::vector<int> rows = selectedRows();
    const Mark mark = rows.empty() ? Mark{} : markOf(rows.front());
    SetWindowTextA(control(RaceField), std::string(raceLetter(mark.race)).c_str());
    SetWindowTextA(control(PotField), mark.pot ? std::to_string(mark.pot).c_str() : "");
    SetWindowTextA(control(TagField), mark.tag.c_str());
}

// While an assignment stands its inputs stay as they were drawn, as in the
// main window. Races are spread only by the seeded draw.
void enableInputs() {
    const bool open = !assignment().assigned();
    for (Control input : {SeededCheck, RaceField, PotField, TagField, ApplyButton}) EnableWindow(control(input), open);
    EnableWindow(control(SpreadCheck), open && seeded());
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
    SendMessageA(control(SeededCheck), BM_SETCHECK, seeded() ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageA(control(SpreadCheck), BM_SETCHECK, nextDraw().seeding.spreadRaces ? BST_CHECKED : BST_UNCHECKED, 0);
    enableInputs();
    showChosenMark();
}

// The fields go to every chosen participant. One chosen, the next one is
// chosen after it, so that a list is marked from the keyboard in one go.
void onApply() {
    if (assignment().assigned()) return;
    std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    const std::optional<Mark> mark =
        markFrom(gWindow, {fieldText(PotField), fieldText(TagField), fieldText(RaceField)}, rows.front());
    if (!mark) return;
    for (int row : rows) setMark(participantList(), row, *mark);
    if (rows.size() == 1 && rows.front() + 1 < participantCount()) rows.front() += 1;
    refresh(rows);
}

bool checked(Control box) { return SendMessageA(control(box), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void onSeededClicked() {
    nextDraw().seeded = checked(SeededCheck);
    enableInputs();
}

// Kept with the draw's choices: the participants' marks are read at the draw.
void onSpreadClicked() { nextDraw().seeding.spreadRaces = checked(SpreadCheck); }


bool createControls(HWND window) {
    for (int i = 0; i < ControlCount; ++i) {
        gControls[i] = createControl(window, kControls[i].layout);
        if (!gControls[i]) return false;
    }
    // Room for more than the rule allows, so that what is too long is refused, never cut.
    SendMessageA(control(PotField), EM_LIMITTEXT, 3, 0);
    SendMessageA(control(TagField), EM_LIMITTEXT, 4 * kMaxTagBytes, 0);
    SendMessageA(control(RaceField), EM_LIMITTEXT, 16, 0);
    alignTabStops(control(ParticipantRows), {kControls[RaceHeading].layout.x, kControls[PotHeading].layout.x,
                                             kControls[TagHeading].layout.x});
    return true;
}

// --- handlers

LRESULT onCreate(HWND window) {
    gWindow = window;
    placeWindow(window, kLook.client, kLook.style);
    return createControls(window) ? 0 : -1;
}

LRESULT onCommand(WPARAM wParam) {
    const bool clicked = HIWORD(wParam) == BN_CLICKED;
    switch (LOWORD(wParam)) {
    case IDC_SEEDING_CHECK: if (clicked) onSeededClicked(); break;
    case IDC_SEEDING_SPREAD: if (clicked) onSpreadClicked(); break;
    case IDC_SEEDING_APPLY: if (clicked) onApply(); break;
    case IDC_SEEDING_CLOSE:
    case IDCANCEL: if (clicked) DestroyWindow(gWindow); break;
    case IDC_SEEDING_LIST: if (HIWORD(wParam) == LBN_SELCHANGE) showChosenMark(); break;
    }
    return 0;
}

// The participants may have changed in the main window meanwhile. While it
// is active, the message loop gives it a dialog's keys: Tab and Shift+Tab
// walk, Enter applies the fields (or presses the focused button), Escape closes.
LRESULT onActivate(HWND window, WPARAM wParam, LPARAM lParam) {
    const bool active = LOWORD(wParam) != WA_INACTIVE;
    setDialogWindow(active ? window : nullptr);
    if (active) refresh(selectedRows());
    return DefWindowProcA(window, WM_ACTIVATE, wParam, lParam);
}

LRESULT onDestroy() {
    setDialogWindow(nullptr);
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
    case DM_GETDEFID: return MAKELRESULT(IDC_SEEDING_APPLY, DC_HASDEFID);
    case WM_NEXTDLGCTL: return moveDialogFocus(window, wParam, lParam);  // a label's letter
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

bool pastedMarksFit(HWND owner, const std::vector<PastedMarks>& cells, int firstRow) {
    for (std::size_t i = 0; seeded() && i < cells.size(); ++i)
        if (!markFrom(owner, cells[i], firstRow + static_cast<int>(i))) return false;
    return true;
}

void markPastedParticipant(HWND list, int index, const PastedMarks& cells) {
    if (!seeded()) return;
    SeedRefusal refusal;
    if (const std::optional<Mark> mark = markOfCells(cells, index, refusal)) setMark(list, index, *mark);
}

Seeding currentSeeding() {
    Seeding seeding;
    for (int i = 0; i < participantCount(); ++i) {
        const Mark mark = markOf(i);
        seeding.pots.push_back(mark.pot);
        seeding.tags.push_back(mark.tag);
        seeding.races.push_back(mark.race);
    }
    seeding.spreadRaces = nextDraw().seeding.spreadRaces;
    return seeding;
}

void restoreSeeding(const Seeding& seeding) {
    gMarks.clear();
    HWND list = participantList();
    for (int i = 0; i < participantCount(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int pot = at < seeding.pots.size() ? seeding.pots[at] : 0;
        std::string tag = at < seeding.tags.size() ? seeding.tags[at] : std::string();
        const Race race = at < seeding.races.size() ? seeding.races[at] : Race::None;
        if (pot != 0 || !tag.empty() || race != Race::None) setMark(list, i, Mark{pot, std::move(tag), race});
    }
    if (isOpen(gWindow)) refresh(selectedRows());
}

}  // namespace rl::ui
