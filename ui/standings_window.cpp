// The standings window: results entered match by match for one group, that
// group's standings as the command line writes them, and the standings file
// on the Desktop. Opened from the result window's system menu.
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "resources/ids.h"
#include "resources/strings.h"
#include "standings/standings_text.h"
#include "text/export_text.h"
#include "text/pieces.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

enum Control {
    GroupChooser, GroupLabel, WriteButton, CloseButton, MatchList,
    FirstPlayer, FirstMaps, ScoreColon, SecondMaps, SecondPlayer,
    RecordButton, ClearButton, StandingsEdit, ControlCount
};

constexpr DWORD kNumberStyle = WS_TABSTOP | ES_NUMBER | ES_CENTER;
constexpr DWORD kListStyle = WS_VSCROLL | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT;
constexpr DWORD kStandingsStyle = WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOHSCROLL | ES_READONLY;

// The score row reads like a match line: first player, maps : maps, second.
// A static's alignment is its type, not a flag, so the names cannot also be
// "no word wrap": a long one ends in an ellipsis instead of wrapping away.
constexpr ControlRow<Control> kControls[] = {
    {GroupChooser, {"ComboBox", nullptr, 0, CBS_DROPDOWNLIST | WS_VSCROLL, 20, 12, 50, 200, IDC_STANDINGS_GROUP}},
    {GroupLabel, {"Static", "조 경기", 0, SS_LEFT, 78, 17, 100, 20, -1}},
    {WriteButton, {"Button", "순위 출력", 0, 0, 455, 10, 100, 25, IDC_WRITE_STANDINGS}},
    {CloseButton, {"Button", "닫기", 0, 0, 560, 10, 60, 25, IDC_CLOSE_STANDINGS}},
    {MatchList, {"ListBox", nullptr, WS_EX_STATICEDGE, kListStyle, 20, 45, 600, 130, IDC_MATCH_LIST}},
    {FirstPlayer, {"Static", "", 0, SS_RIGHT | SS_ENDELLIPSIS, 20, 189, 200, 20, IDC_FIRST_PLAYER}},
    {FirstMaps, {"Edit", "", WS_EX_CLIENTEDGE, kNumberStyle, 230, 185, 40, 24, IDC_FIRST_MAPS}},
    {ScoreColon, {"Static", ":", 0, SS_CENTER, 270, 189, 20, 20, -1}},
    {SecondMaps, {"Edit", "", WS_EX_CLIENTEDGE, kNumberStyle, 290, 185, 40, 24, IDC_SECOND_MAPS}},
    {SecondPlayer, {"Static", "", 0, SS_LEFT | SS_ENDELLIPSIS, 340, 189, 150, 20, IDC_SECOND_PLAYER}},
    {RecordButton, {"Button", "기록", 0, 0, 500, 184, 55, 26, IDC_RECORD}},
    {ClearButton, {"Button", "지우기", 0, 0, 560, 184, 60, 26, IDC_CLEAR_RESULT}},
    {StandingsEdit, {"Edit", "", WS_EX_STATICEDGE, kStandingsStyle, 20, 220, 600, 230, IDC_STANDINGS_EDIT}},
};
static_assert(std::size(kControls) == ControlCount && rowsInEnumOrder(kControls),
              "row i of kControls must be control i");

constexpr WindowLook kLook{kStandingsClass, "Rosterloom::Standings", WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU,
                           {640, 465}};

constexpr DesktopFile kStandingsFile{"순위표.txt", IDS_STANDINGS_DONE, IDS_STANDINGS_IN_USE,
                                     IDS_STANDINGS_NO_ACCESS};

// Dialog template units: number, first player, score, second player.
constexpr INT kMatchTabStops[] = {30, 130, 160};
constexpr UINT kMaxMapsDigits = 2;

HWND gWindow = nullptr;
WNDPROC gEditProcedure = nullptr;  // what the number fields were before Enter was theirs
HWND gControls[ControlCount] = {};
int gGroup = 0;
int gMatch = 0;  // the chosen match's number; 0 while none can be chosen

HWND control(Control which) { return gControls[which]; }

GroupStandings chosenGroupStandings() { return groupStandings(assignment(), results(), gGroup); }

// A player as known now, or the match whose winner the cell waits for.
std::string playerText(Pos player, int from) {
    std::string text;
    if (player == kNone && from > 0) pieces::appendWinnerOf(text, from);
    else if (player != kNone) text = nameOf(host(), ListKind::Participants, player);
    return text;
}

std::string matchLine(const MatchState& m) {
    char number[16];
    std::snprintf(number, sizeof number, "%d경기\t", m.number);
    std::string line = number + playerText(m.first, m.firstFrom) + "\t";
    if (m.bye) return line + "(부전승)";
    if (m.score) line += std::to_string(m.score->first) + ":" + std::to_string(m.score->second);
    else line += "[vs]";
    return line + "\t" + playerText(m.second, m.secondFrom);
}

void fillMatchList(const GroupStandings& g) {
    HWND list = control(MatchList);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const MatchState& m : g.matches)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(matchLine(m).c_str()));
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(gMatch - 1), 0);
}

void showChosenMatch(const GroupStandings& g) {
    const MatchState* m = gMatch > 0 ? &g.matches[static_cast<std::size_t>(gMatch - 1)] : nullptr;
    SetWindowTextA(control(FirstPlayer), m ? playerText(m->first, m->firstFrom).c_str() : "");
    SetWindowTextA(control(SecondPlayer), m ? playerText(m->second, m->secondFrom).c_str() : "");
    const Score* score = m ? results().find({gGroup, gMatch}) : nullptr;
    SetWindowTextA(control(FirstMaps), score ? std::to_string(score->first).c_str() : "");
    SetWindowTextA(control(SecondMaps), score ? std::to_string(score->second).c_str() : "");
    EnableWindow(control(RecordButton), m != nullptr);
    EnableWindow(control(ClearButton), score != nullptr);
}

// Everything shown follows the results at once.
void refresh() {
    const GroupStandings g = chosenGroupStandings();
    fillMatchList(g);
    showChosenMatch(g);
    const std::string text = standingsGroupText(assignment(), results(), host(), gGroup);
    SetWindowTextA(control(StandingsEdit), text.c_str());
}

// A bye has no result to enter, so it is never chosen.
int firstChoosableMatch(const GroupStandings& g) {
    for (const MatchState& m : g.matches)
        if (!m.bye) return m.number;
    return 0;
}

void chooseGroup(int group) {
    gGroup = group;
    SendMessageA(control(GroupChooser), CB_SETCURSEL, static_cast<WPARAM>(group), 0);
    gMatch = firstChoosableMatch(chosenGroupStandings());
    refresh();
}

void fillGroupChooser() {
    for (int g = 0; g < assignment().settings.groupCount; ++g) {
        const char letter[2] = {static_cast<char>('A' + g), '\0'};
        SendMessageA(control(GroupChooser), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(letter));
    }
}

// The maps of one field: 0 to 99, and never an empty field.
bool readMaps(Control field, int& maps) {
    BOOL read = FALSE;
    const UINT value = GetDlgItemInt(gWindow, GetDlgCtrlID(control(field)), &read, FALSE);
    maps = static_cast<int>(value);
    return read && value <= kMaxMapsWon;
}

int refusalMessage(ResultProblem problem) {
    switch (problem) {
    case ResultProblem::Tie: return IDS_RESULT_TIE;
    case ResultProblem::PlayersNotKnown: return IDS_RESULT_NOT_KNOWN;
    case ResultProblem::ScoreOutOfRange: return IDS_RESULT_NO_SCORE;
    default: return 0;  // the list offers no other match
    }
}

bool firstWins(const Score& s) { return s.first > s.second; }

// The later results that the match's winner played in are let go with it;
// the user is asked first when there are any. False: the user said no.
bool dropLaterResults(HWND window, MatchKey key, int question) {
    const std::vector<int> later = dependentResults(assignment(), results(), key);
    if (later.empty()) return true;
    if (showStringBox(window, question, MB_YESNO, static_cast<int>(later.size())) != IDYES) return false;
    for (int number : later) results().clear({key.group, number});
    return true;
}

void onRecord(HWND window) {
    if (gMatch == 0) return;
    const MatchKey key{gGroup, gMatch};
    Score score;
    if (!readMaps(FirstMaps, score.first) || !readMaps(SecondMaps, score.second)) {
        showStringBox(window, IDS_RESULT_NO_SCORE, MB_OK);
        return;
    }
    if (const int refusal = refusalMessage(checkResult(assignment(), results(), key, score))) {
        showStringBox(window, refusal, MB_OK);
        return;
    }
    // A new winner would leave the later results scored for the wrong player.
    const Score* before = results().find(key);
    if (before && firstWins(*before) != firstWins(score) && !dropLaterResults(window, key, IDS_CONFIRM_CHANGE_WINNER))
        return;
    results().set(key, score);
    refresh();
    autosaveEvent(window);
}

void onClear(HWND window) {
    const MatchKey key{gGroup, gMatch};
    if (gMatch == 0 || !results().find(key) || !dropLaterResults(window, key, IDS_CONFIRM_CLEAR_LATER)) return;
    results().clear(key);
    refresh();
    autosaveEvent(window);
}

void onWrite(HWND window) {
    std::vector<std::string> chunks{exportFileText(assignment(), host())};
    for (int g = 0; g < assignment().settings.groupCount; ++g)
        chunks.push_back(standingsGroupText(assignment(), results(), host(), g));
    showStringBox(window, writeDesktopFile(window, kStandingsFile, chunks), MB_OK);
}

void onGroupChosen() {
    const LRESULT chosen = SendMessageA(control(GroupChooser), CB_GETCURSEL, 0, 0);
    if (chosen >= 0 && chosen < assignment().settings.groupCount) chooseGroup(static_cast<int>(chosen));
}

void onMatchChosen() {
    const GroupStandings g = chosenGroupStandings();
    const LRESULT chosen = SendMessageA(control(MatchList), LB_GETCURSEL, 0, 0);
    if (chosen >= 0 && chosen < static_cast<LRESULT>(g.matches.size()) && !g.matches[chosen].bye)
        gMatch = static_cast<int>(chosen) + 1;
    fillMatchList(g);  // a bye's line gives the selection back
    showChosenMatch(g);
}

// Enter in a number field records, as the button would.
LRESULT CALLBACK mapsFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        onRecord(GetParent(field));
        return 0;
    }
    if (message == WM_CHAR && wParam == '\r') return 0;  // no beep for it
    return CallWindowProcA(gEditProcedure, field, message, wParam, lParam);
}

bool createControls(HWND window) {
    for (int i = 0; i < ControlCount; ++i) {
        gControls[i] = createControl(window, kControls[i].layout);
        if (!gControls[i]) return false;
    }
    for (Control field : {FirstMaps, SecondMaps}) {
        SendMessageA(control(field), EM_LIMITTEXT, kMaxMapsDigits, 0);
        const auto procedure = reinterpret_cast<LONG_PTR>(mapsFieldProc);
        gEditProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(control(field), GWLP_WNDPROC, procedure));
        if (!gEditProcedure) return false;
    }
    SendMessageA(control(MatchList), LB_SETTABSTOPS, std::size(kMatchTabStops),
                 reinterpret_cast<LPARAM>(kMatchTabStops));
    return true;
}

LRESULT onCreate(HWND window) {
    gWindow = window;
    placeWindow(window, kLook.client, kLook.style);
    if (!createControls(window)) return -1;
    fillGroupChooser();
    if (HMENU menu = GetSystemMenu(window, FALSE)) AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    addPageCommand(window);
    return 0;
}

LRESULT onCommand(HWND window, WPARAM wParam) {
    const int code = HIWORD(wParam);
    const int id = LOWORD(wParam);
    if (code == BN_CLICKED && id == IDC_RECORD) onRecord(window);
    else if (code == BN_CLICKED && id == IDC_CLEAR_RESULT) onClear(window);
    else if (code == BN_CLICKED && id == IDC_WRITE_STANDINGS) onWrite(window);
    else if (code == BN_CLICKED && id == IDC_CLOSE_STANDINGS) DestroyWindow(window);
    else if (code == CBN_SELCHANGE && id == IDC_STANDINGS_GROUP) onGroupChosen();
    else if (code == LBN_SELCHANGE && id == IDC_MATCH_LIST) onMatchChosen();
    return 0;
}

LRESULT onCtlColorStatic(HWND window, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) == control(StandingsEdit)) return reinterpret_cast<LRESULT>(whiteBrush());
    return DefWindowProcA(window, WM_CTLCOLORSTATIC, wParam, lParam);
}

// The edit's text is given back, as the result window does, so that no
// opening leaves memory behind.
LRESULT onDestroy() {
    SetWindowTextA(control(StandingsEdit), "");
    gWindow = nullptr;  // a later handle of the same value is not this window
    for (HWND& c : gControls) c = nullptr;
    return 0;
}

LRESULT onSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    if (!isPageCommand(wParam)) return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
    savePage(window);
    return 0;
}

LRESULT onNcHitTest(HWND window, WPARAM wParam, LPARAM lParam) {
    const LRESULT hit = DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
    return hit == HTCLIENT ? HTCAPTION : hit;
}

}  // namespace

LRESULT CALLBACK standingsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_DESTROY: return onDestroy();
    case WM_COMMAND: return onCommand(window, wParam);
    case WM_CTLCOLORSTATIC: return onCtlColorStatic(window, wParam, lParam);
    case WM_NCHITTEST: return onNcHitTest(window, wParam, lParam);
    case WM_SYSCOMMAND: return onSysCommand(window, wParam, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

void showStandingsWindow(HWND owner, int group) {
    // Results need a draw to belong to.
    if (!assignment().assigned() || group < 0 || group >= assignment().settings.groupCount) return;
    if (isOpen(gWindow)) {
        SetActiveWindow(gWindow);
    } else {
        if (!ensurePopupClass(kStandingsClass, standingsWindowProc)) return;
        openOrRecentre(gWindow, owner, kLook);
        if (!isOpen(gWindow)) return;
    }
    chooseGroup(group);
}

}  // namespace rl::ui
