// The new team's window, opened by the withdrawal window's replacement in a
// team league: the team that comes in brings its players, typed one a line
// (or pasted) by the rosters' rules and words (event/rosters.h). Taken, the
// replacement is asked for once more and made; closed, nothing changes.
// Modal to the withdrawal window, it moves like a dialog from the keys.
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "event/result_wording.h"
#include "event/rosters.h"
#include "platform/encoding.h"
#include "resources/teams.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

constexpr char kNewTeamClass[] = "NewTeamWnd";
constexpr DWORD kPlayersStyle = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;

enum Control { Label, PlayersField, ReplaceButton, CancelButton, ControlCount };

constexpr ControlRow<Control> kControls[] = {
    {Label, {"Static", "", 0, SS_LEFT | SS_ENDELLIPSIS, 20, 12, 280, 18, IDC_NEW_TEAM_LABEL}},
    {PlayersField, {"Edit", "", WS_EX_CLIENTEDGE, kPlayersStyle, 20, 32, 280, 190, IDC_NEW_TEAM_PLAYERS}},
    {ReplaceButton, {"Button", "교체(&R)", 0, WS_TABSTOP, 140, 232, 80, 26, IDC_NEW_TEAM_REPLACE}},
    {CancelButton, {"Button", "취소", 0, WS_TABSTOP, 225, 232, 75, 26, IDC_NEW_TEAM_CANCEL}},
};
static_assert(std::size(kControls) == ControlCount && rowsInEnumOrder(kControls), "row i of kControls must be control i");
constexpr WindowLook kLook{kNewTeamClass, "새 팀 선수", WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, {320, 270}};

HWND gWindow = nullptr;
HWND gFocus = nullptr;
Pos gPlayer = kNone;
std::string gBy;  // CP949
void (*gDone)() = nullptr;

const event::PlacementCodec& codec() {
    static const event::PlacementCodec kCodec{platform::isValidUtf8, platform::utf8ToCp949, platform::cp949ToUtf8};
    return kCodec;
}

std::string utf8Of(const std::string& cp949) { return platform::cp949ToUtf8(cp949).value_or("?"); }

std::string typedText() {
    HWND field = GetDlgItem(gWindow, IDC_NEW_TEAM_PLAYERS);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(field)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(field, text.data(), static_cast<int>(text.size()))));
    return utf8Of(text);
}

void tell(const std::string& utf8) { showTextBox(gWindow, platform::utf8ToCp949Shown(utf8), MB_OK); }

// The players read, the replacement asked for once more; a refusal is told
// and the window stays for the players to be mended.
void onReplace() {
    std::vector<std::string> roster;
    std::vector<Race> races;
    const event::RosterFault fault = event::readRosterLines(typedText(), utf8Of(gBy), codec(), roster, races);
    if (!fault.ok()) return tell(std::to_string(fault.line) + u8"번째 줄: " + event::koreanRosterFault(fault));
    // The event keeps no race for a new team's players yet: refused rather than lost.
    if (std::any_of(races.begin(), races.end(), [](Race r) { return r != Race::None; })) {
        return tell(u8"새 팀의 선수에는 아직 종족을 쓸 수 없습니다. 종족 없이 입력하세요.");
    }
    const std::string old(nameOf(eventHost(), ListKind::Participants, gPlayer));
    const event::ChangePlace place{utf8Of(old), utf8Of(gBy), -1, {}, {}};
    if (roster.empty()) return tell(event::koreanChangeProblem(event::ChangeRefusal::NoRoster, place));
    const std::string question = old + " 팀 대신 " + gBy + " 팀이 선수 " + std::to_string(roster.size()) +
                                 "명으로 들어옵니다. 자리와 경기, 시드를 그대로 이어받고, 되돌릴 수 없습니다.\n교체합니까?";
    if (showTextBox(gWindow, question, MB_YESNO) != IDYES) return;
    const event::ChangeRefusal refusal = replaceInEvent(gWindow, gPlayer, gBy, std::move(roster));
    if (refusal != event::ChangeRefusal::None) return tell(event::koreanChangeProblem(refusal, place));
    DestroyWindow(gWindow);
    if (gDone) gDone();
}

LRESULT onCreate(HWND window) {
    gWindow = window;
    placeWindow(window, kLook.client, kLook.style);
    if (!createRows(window, kControls)) return -1;
    std::string label;
    for (char c : gBy) label += c == '&' ? std::string("&&") : std::string(1, c);
    SetWindowTextA(GetDlgItem(window, IDC_NEW_TEAM_LABEL), (label + " 선수(&L): 한 줄에 한 명").c_str());
    return 0;
}

LRESULT onCommand(WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED) return 0;
    switch (LOWORD(wParam)) {
    case IDC_NEW_TEAM_REPLACE: onReplace(); break;
    case IDC_NEW_TEAM_CANCEL:
    case IDCANCEL: DestroyWindow(gWindow); break;
    }
    return 0;
}

// The withdrawal window under it is the dialog the keys move through again.
void onDestroy(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    onModalClosing(window, gWindow);
    setDialogWindow(owner);
}

LRESULT CALLBACK newTeamWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_DESTROY: onDestroy(window); return 0;
    case WM_CLOSE: DestroyWindow(window); return 0;  // Escape in the players' field, or the caption's button
    case WM_COMMAND: return onCommand(wParam);
    case DM_GETDEFID: return MAKELRESULT(IDC_NEW_TEAM_REPLACE, DC_HASDEFID);
    case WM_NEXTDLGCTL: return moveDialogFocus(window, wParam, lParam);  // the label's letter, Tab in the field
    case WM_ACTIVATE: return keepModalFocus(window, wParam, gFocus, IDC_NEW_TEAM_PLAYERS);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

void showNewTeamWindow(HWND owner, Pos player, const std::string& by, void (*done)()) {
    gPlayer = player, gBy = by, gDone = done;
    if (openModal(gWindow, owner, kLook, newTeamWindowProc)) SetFocus(GetDlgItem(gWindow, IDC_NEW_TEAM_PLAYERS));
}

}  // namespace rl::ui
