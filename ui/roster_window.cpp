// The rosters window, opened from the main window's system menu: every
// registered participant is a team, and here it gets its players, typed one
// a line or pasted, or pasted for many teams at once as the command line's
// roster file (TEAM, then <TAB>PLAYER lines), by that file's rules and words
// (event/rosters.h), in Korean. The rosters follow the participant list by
// name and are read at a team league's draw (its format is the format
// window's). Modal to the main window, it moves like a dialog from the keys.
#include <iterator>
#include <string>
#include <vector>

#include "event/rosters.h"
#include "platform/encoding.h"
#include "resources/teams.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

constexpr char kRosterClass[] = "RosterWnd";
constexpr DWORD kRowsStyle = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT;
constexpr DWORD kPlayersStyle = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;

enum Control {
    TeamHeading, CountHeading, TeamRows, PlayersLabel, PlayersField, ApplyButton, HintLine, StateLine, CloseButton,
    ControlCount
};

constexpr ControlRow<Control> kControls[] = {
    {TeamHeading, {"Static", "팀", 0, SS_LEFT, 24, 12, 150, 18, -1}},
    {CountHeading, {"Static", "선수", 0, SS_LEFT, 190, 12, 44, 18, -1}},
    {TeamRows, {"ListBox", nullptr, WS_EX_STATICEDGE, kRowsStyle, 20, 30, 224, 226, IDC_ROSTER_LIST}},
    {PlayersLabel, {"Static", "선수(&L): 한 줄에 한 명", 0, SS_LEFTNOWORDWRAP, 260, 12, 210, 18, -1}},
    {PlayersField, {"Edit", "", WS_EX_CLIENTEDGE, kPlayersStyle, 260, 30, 210, 190, IDC_ROSTER_PLAYERS}},
    {ApplyButton, {"Button", "적용(&A)", 0, WS_TABSTOP, 370, 230, 100, 26, IDC_ROSTER_APPLY}},
    {HintLine, {"Static", "여러 팀을 한꺼번에: 팀 이름 줄 아래에 탭으로 시작하는\n선수 줄을 붙여 넣고 적용", 0,
                SS_LEFT, 20, 268, 450, 36, -1}},
    {StateLine, {"Static", "", 0, SS_LEFTNOWORDWRAP, 20, 318, 370, 20, IDC_ROSTER_STATE}},
    {CloseButton, {"Button", "닫기", 0, WS_TABSTOP, 400, 312, 70, 26, IDC_ROSTER_CLOSE}},
};
static_assert(std::size(kControls) == ControlCount && rowsInEnumOrder(kControls), "row i of kControls must be control i");
constexpr WindowLook kLook{kRosterClass, "팀 명단", WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, {490, 350}};

HWND gWindow = nullptr;
HWND gFocus = nullptr;
// The rosters (CP949) and their players' races, for the list they were
// made for, and the row whose players the field shows.
std::vector<std::string> gNames;
std::vector<std::vector<std::string>> gRosters;
std::vector<std::vector<Race>> gRaces;
int gShown = -1;

const event::PlacementCodec& codec() {
    static const event::PlacementCodec kCodec{platform::isValidUtf8, platform::utf8ToCp949, platform::cp949ToUtf8};
    return kCodec;
}

HWND control(Control which) { return GetDlgItem(gWindow, kControls[which].layout.id); }

// The races follow the names as their rosters do.
void followList() {
    gRaces.resize(gNames.size());
    std::vector<std::string> names = gNames;
    followNames(participantNames(), names, gRaces);
    followNames(participantNames(), gNames, gRosters);
}

void tell(const std::string& utf8) { showTextBox(gWindow, platform::utf8ToCp949(utf8).value_or(utf8), MB_OK); }

// A fault of a text's line names the line.
void tellFault(const event::RosterFault& fault) {
    const std::string said = event::koreanRosterFault(fault);
    tell(fault.line ? std::to_string(fault.line) + u8"번째 줄: " + said : said);
}

std::string rowText(std::size_t i) {
    const std::size_t players = gRosters[i].size();
    return gNames[i] + "\t" + (players ? std::to_string(players) + "명" : "-");
}

int chosenRow() { return static_cast<int>(SendMessageA(control(TeamRows), LB_GETCURSEL, 0, 0)); }

void showPlayers(int row) {
    std::string text;
    if (row >= 0 && static_cast<std::size_t>(row) < gRosters.size())
        text = event::rosterLines(gRosters[static_cast<std::size_t>(row)], gRaces[static_cast<std::size_t>(row)]);
    SetWindowTextA(control(PlayersField), text.c_str());
    SendMessageA(control(PlayersField), EM_SETMODIFY, FALSE, 0);
    gShown = row;
}

std::string stateText() {
    const std::optional<team::TeamMatchFormat> format = chosenTeamFormat();
    return "팀 경기: " + (format ? teamMatchLabel(format) : "고르지 않음 (경기 방식에서 고릅니다)");
}

// While an assignment stands its rosters are the ones it was drawn with.
void refresh(int row) {
    followList();
    HWND rows = control(TeamRows);
    SendMessageA(rows, LB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < gNames.size(); ++i) SendMessageA(rows, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(rowText(i).c_str()));
    row = row < 0 || static_cast<std::size_t>(row) >= gNames.size() ? 0 : row;
    SendMessageA(rows, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    const bool open = !assignment().assigned();
    SendMessageA(control(PlayersField), EM_SETREADONLY, !open, 0);
    EnableWindow(control(ApplyButton), open);
    SetWindowTextA(control(StateLine), stateText().c_str());
    showPlayers(gNames.empty() ? -1 : row);
}

std::string typedText() {
    HWND field = control(PlayersField);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(field)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(field, text.data(), static_cast<int>(text.size()))));
    return platform::cp949ToUtf8(text).value_or(text);
}

// A roster file gives the teams it names their players; anything else is
// the shown team's players. Refused: the user is told and nothing changes.
bool takeText(const std::string& utf8) {
    event::RosterFault fault;
    if (event::isRosterFile(utf8)) {
        const event::RosterText text = event::readRosterText(utf8, codec());
        fault = text.fault.ok() ? event::rostersFromText(text, gNames, codec(), gRosters, gRaces) : text.fault;
    } else {
        const std::size_t shown = static_cast<std::size_t>(gShown);
        const std::string team = platform::cp949ToUtf8(gNames[shown]).value_or("?");
        fault = event::readRosterLines(utf8, team, codec(), gRosters[shown], gRaces[shown]);
    }
    if (!fault.ok()) tellFault(fault);
    return fault.ok();
}

// What was typed for the shown team is taken before the field shows
// another's, so that nothing typed is lost; false when it was refused.
bool takeTyped() {
    followList();
    const bool typed = SendMessageA(control(PlayersField), EM_GETMODIFY, 0, 0) != 0;
    if (!typed || assignment().assigned() || gShown < 0 || static_cast<std::size_t>(gShown) >= gNames.size()) return true;
    if (!takeText(typedText())) return false;
    SendMessageA(control(PlayersField), EM_SETMODIFY, FALSE, 0);
    return true;
}

// Taken, the next team is chosen and its players are next to type.
void onApply() {
    if (assignment().assigned()) return;
    const bool file = event::isRosterFile(typedText());
    SendMessageA(control(PlayersField), EM_SETMODIFY, TRUE, 0);
    if (!takeTyped()) return;
    const int row = chosenRow();
    refresh(file || row + 1 >= static_cast<int>(gNames.size()) ? row : row + 1);
    SetFocus(control(PlayersField));
}

void onChosen() {
    const int row = chosenRow();
    if (row == gShown) return;
    if (!takeTyped()) {
        SendMessageA(control(TeamRows), LB_SETCURSEL, static_cast<WPARAM>(gShown), 0);
        return;
    }
    refresh(row);
}

void onClose() {
    if (takeTyped()) DestroyWindow(gWindow);
}

LRESULT onCreate(HWND window) {
    gWindow = window;
    placeWindow(window, kLook.client, kLook.style);
    if (!createRows(window, kControls)) return -1;
    alignTabStops(control(TeamRows), {kControls[CountHeading].layout.x});
    refresh(0);
    return 0;
}

LRESULT onCommand(WPARAM wParam) {
    if (LOWORD(wParam) == IDC_ROSTER_LIST) {
        if (HIWORD(wParam) == LBN_SELCHANGE) onChosen();
        return 0;
    }
    if (HIWORD(wParam) != BN_CLICKED) return 0;
    switch (LOWORD(wParam)) {
    case IDC_ROSTER_APPLY: onApply(); break;
    case IDC_ROSTER_CLOSE:
    case IDCANCEL: onClose(); break;
    }
    return 0;
}

LRESULT CALLBACK rosterWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_DESTROY: onModalClosing(window, gWindow); return 0;
    case WM_CLOSE: onClose(); return 0;  // Escape in the players' field, or the caption's button
    case WM_COMMAND: return onCommand(wParam);
    case DM_GETDEFID: return MAKELRESULT(IDC_ROSTER_APPLY, DC_HASDEFID);
    case WM_NEXTDLGCTL: return moveDialogFocus(window, wParam, lParam);  // a label's letter, Tab in the field
    case WM_ACTIVATE: return keepModalFocus(window, wParam, gFocus, IDC_ROSTER_LIST);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

void addRosterCommand(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu) AppendMenuA(menu, MF_STRING, IDM_ROSTERS, "팀 명단(&T)...");
}

void showRosterWindow(HWND owner) {
    if (openModal(gWindow, owner, kLook, rosterWindowProc)) SetFocus(control(TeamRows));
}

std::vector<std::vector<std::string>> currentRosters() {
    followList();
    return gRosters;
}

std::vector<std::vector<Race>> currentRosterRaces() {
    followList();
    return gRaces;
}

bool rostersComplete(HWND owner) {
    followList();
    const event::RosterFault fault = event::missingRoster(gNames, gRosters, codec());
    if (!fault.ok()) showTextBox(owner, platform::utf8ToCp949(event::koreanRosterFault(fault)).value_or(""), MB_OK);
    return fault.ok();
}

void restoreRosters(const std::optional<team::TeamLeague>& teams) {
    gNames = participantNames();
    gRosters = teams ? teams->rosters : std::vector<std::vector<std::string>>{};
    gRosters.resize(gNames.size());
    gRaces = teams ? teams->races : std::vector<std::vector<Race>>{};
    gRaces.resize(gNames.size());
    if (isOpen(gWindow)) refresh(chosenRow());
}

}  // namespace rl::ui
