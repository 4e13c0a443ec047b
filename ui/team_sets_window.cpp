// The window that enters a team match's next set, opened from the standings
// window for the chosen match: each team's player from its roster, the
// winner and the map (the dealt one first). Left without a winner the two
// players are the set's entry, named before it is played ("-" for a team
// that has not named its player yet). Everything goes
// through the event's team actions, refused with their reason in Korean.
// Modal to its owner, it moves like a dialog from the keyboard.
#include <array>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "event/result_wording.h"
#include "event/team_actions.h"
#include "platform/encoding.h"
#include "resources/ids.h"
#include "resources/strings.h"
#include "resources/teams.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

constexpr char kTeamSetsClass[] = "TeamSetsWnd";
constexpr DWORD kChooserStyle = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;

enum Control {
    MatchLabel, SetLabel, FirstTeam, FirstChooser, SecondTeam, SecondChooser, WinnerLabel, WinnerChooser,
    MapLabel, MapChooser, RecordButton, CloseButton, ControlCount
};

constexpr ControlRow<Control> kControls[] = {
    {MatchLabel, {"Static", "", 0, SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, 20, 12, 340, 20, IDC_TEAM_SET_LABEL}},
    {SetLabel, {"Static", "", 0, SS_LEFT | SS_NOPREFIX, 20, 36, 340, 20, IDC_TEAM_SET_NUMBER}},
    {FirstTeam, {"Static", "", 0, SS_LEFT | SS_ENDELLIPSIS, 20, 68, 150, 20, IDC_TEAM_SET_FIRST_TEAM}},
    {FirstChooser, {"ComboBox", nullptr, 0, kChooserStyle, 175, 64, 185, 220, IDC_TEAM_SET_FIRST}},
    {SecondTeam, {"Static", "", 0, SS_LEFT | SS_ENDELLIPSIS, 20, 98, 150, 20, IDC_TEAM_SET_SECOND_TEAM}},
    {SecondChooser, {"ComboBox", nullptr, 0, kChooserStyle, 175, 94, 185, 220, IDC_TEAM_SET_SECOND}},
    {WinnerLabel, {"Static", "이긴 팀(&W):", 0, SS_LEFT, 20, 128, 150, 20, -1}},
    {WinnerChooser, {"ComboBox", nullptr, 0, kChooserStyle, 175, 124, 185, 120, IDC_TEAM_SET_WINNER}},
    {MapLabel, {"Static", "맵(&M):", 0, SS_LEFT, 20, 158, 150, 20, -1}},
    {MapChooser, {"ComboBox", nullptr, 0, kChooserStyle, 175, 154, 185, 220, IDC_TEAM_SET_MAP}},
    {RecordButton, {"Button", "기록(&R)", 0, WS_TABSTOP, 200, 194, 80, 26, IDC_TEAM_SET_RECORD}},
    {CloseButton, {"Button", "닫기", 0, WS_TABSTOP, 285, 194, 75, 26, IDC_TEAM_SET_CLOSE}},
};
static_assert(std::size(kControls) == ControlCount && rowsInEnumOrder(kControls), "row i of kControls must be control i");
constexpr WindowLook kLook{kTeamSetsClass, "팀 경기 세트", WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, {380, 235}};

HWND gWindow = nullptr;
HWND gFocus = nullptr;
void (*gChanged)() = nullptr;
MatchKey gKey;
MatchState gMatch;  // as the standings window showed it

HWND control(Control which) { return GetDlgItem(gWindow, kControls[which].layout.id); }

const std::string& teamName(Pos team) { return theEvent().participants[static_cast<std::size_t>(team)]; }
const team::TeamLeague& league() { return *theEvent().teams; }
const team::TeamMatchPlay& play() {
    static const team::TeamMatchPlay none;
    const auto found = league().plays.find(gKey);
    return found == league().plays.end() ? none : found->second;
}
int nextSet() { return static_cast<int>(play().sets.size()) + 1; }

// A team's name in a label whose letter is fixed: its own '&' stay text.
std::string labelFor(Pos team, const char* mnemonic) {
    std::string label;
    for (char c : teamName(team)) label += c == '&' ? std::string("&&") : std::string(1, c);
    return label + " 선수(" + mnemonic + "):";
}

void fillChooser(Control which, const std::vector<std::string>& items) {
    HWND chooser = control(which);
    SendMessageA(chooser, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) SendMessageA(chooser, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}
int chosenIn(Control which) { return static_cast<int>(SendMessageA(control(which), CB_GETCURSEL, 0, 0)); }
void choose(Control which, int item) { SendMessageA(control(which), CB_SETCURSEL, static_cast<WPARAM>(item), 0); }

// The players the next set starts from: its entry, or under winner stays the
// last set's winner, who stays on.
std::array<int, 2> startingPlayers() {
    std::array<int, 2> players{team::kNoEntry, team::kNoEntry};
    const auto at = static_cast<std::size_t>(nextSet() - 1);
    if (at < play().entries.size()) players = play().entries[at];
    if (league().format.kind == team::MatchKind::WinnerStays && !play().sets.empty()) {
        const team::TeamSet& last = play().sets.back();
        players[last.firstWon ? 0 : 1] = last.players[last.firstWon ? 0 : 1];
    }
    return players;
}

void showNextSet() {
    const int number = nextSet();
    std::string label = std::to_string(number) + "세트";
    if (team::isAceSet(league().format, number)) label += " (에이스결정전)";
    SetWindowTextA(control(SetLabel), label.c_str());
    const std::array<int, 2> players = startingPlayers();
    choose(FirstChooser, players[0] + 1);
    choose(SecondChooser, players[1] + 1);
    choose(WinnerChooser, 0);
    const std::vector<Pos> dealt = playedMaps(gMatch);
    const auto at = static_cast<std::size_t>(number - 1);
    choose(MapChooser, at < dealt.size() ? dealt[at] : -1);
}

void fillChoosers() {
    for (const auto& [chooser, team] : {std::pair{FirstChooser, gMatch.first}, std::pair{SecondChooser, gMatch.second}}) {
        std::vector<std::string> items{"-"};
        const auto& roster = league().rosters[static_cast<std::size_t>(team)];
        items.insert(items.end(), roster.begin(), roster.end());
        fillChooser(chooser, items);
    }
    fillChooser(WinnerChooser, {"- (엔트리만)", teamName(gMatch.first), teamName(gMatch.second)});
    const bool maps = theEvent().state.settings.mapsEnabled;
    fillChooser(MapChooser, maps ? theEvent().maps : std::vector<std::string>{});
    EnableWindow(control(MapChooser), maps);
}

// Refused with the wording every program gives it; true when it was.
bool refused(const event::TeamCheck& check) {
    if (check.ok()) return false;
    if (check.problem == event::ChangeProblem::GroupsLocked) {
        showStringBox(gWindow, IDS_PLAYOFF_LOCKS_GROUPS, MB_OK);
    } else if (check.problem != event::ChangeProblem::None) {
        showTextBox(gWindow, platform::utf8ToCp949Shown(event::koreanProblem(check.result, {gKey, "", gMatch.bestOf})), MB_OK);
    } else {
        const auto toUtf8 = [](std::string_view cp949) { return platform::cp949ToUtf8(cp949).value_or("?"); };
        showTextBox(gWindow, platform::utf8ToCp949Shown(team::koreanRefusal(event::teamRefusal(check, toUtf8))), MB_OK);
    }
    return true;
}

// With a winner the set is played; without one its players are its entry.
// Once the sets decide the match there is no next set: the window closes.
void onRecord() {
    const int number = nextSet();
    const std::array<int, 2> players{chosenIn(FirstChooser) - 1, chosenIn(SecondChooser) - 1};
    const int winner = chosenIn(WinnerChooser);
    const int map = chosenIn(MapChooser);
    // "-" leaves a team's entry open; a set played has both players.
    if (winner > 0 && (players[0] < 0 || players[1] < 0)) {
        showTextBox(gWindow, "세트를 기록하려면 두 팀의 선수를 모두 고르세요.\n'-'는 한 팀의 엔트리만 기록할 때 씁니다.", MB_OK);
        return;
    }
    event::TeamCheck check;
    changeEvent(gWindow, [&](event::Event& e) {
        if (winner <= 0) check = event::enterEntry(e, gKey, number, players);
        else check = event::recordTeamSet(e, gKey, number, team::TeamSet{{players[0], players[1]}, winner == 1, static_cast<Pos>(map >= 0 ? map : kNone)});
        return check.ok();
    });
    if (refused(check)) return;
    if (gChanged) gChanged();
    if (event::setsResult(theEvent(), gKey)) DestroyWindow(gWindow);
    else showNextSet();
}

LRESULT onCreate(HWND window) {
    gWindow = window;
    placeWindow(window, kLook.client, kLook.style);
    if (!createRows(window, kControls)) return -1;
    SetWindowTextA(control(FirstTeam), labelFor(gMatch.first, "&A").c_str());
    SetWindowTextA(control(SecondTeam), labelFor(gMatch.second, "&B").c_str());
    fillChoosers();
    showNextSet();
    return 0;
}

LRESULT onCommand(WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED) return 0;
    switch (LOWORD(wParam)) {
    case IDC_TEAM_SET_RECORD: onRecord(); break;
    case IDC_TEAM_SET_CLOSE:
    case IDCANCEL: DestroyWindow(gWindow); break;
    }
    return 0;
}

LRESULT CALLBACK teamSetsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_DESTROY: onModalClosing(window, gWindow); return 0;
    case WM_COMMAND: return onCommand(wParam);
    case DM_GETDEFID: return MAKELRESULT(IDC_TEAM_SET_RECORD, DC_HASDEFID);
    case WM_NEXTDLGCTL: return moveDialogFocus(window, wParam, lParam);  // a label's letter
    case WM_ACTIVATE: return keepModalFocus(window, wParam, gFocus, IDC_TEAM_SET_FIRST);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

std::string matchLabel() {
    const std::string holder = gKey.group == kPlayoffGroup ? "본선" : std::string(1, static_cast<char>('A' + gKey.group)) + "조";
    return holder + " " + std::to_string(gMatch.number) + "경기   " + teamName(gMatch.first) + " : " +
           teamName(gMatch.second) + "   (" + teamMatchLabel(league().format) + ")";
}

}  // namespace

void showTeamSetsWindow(HWND owner, MatchKey key, const MatchState& match, void (*changed)()) {
    if (toldNothingToPlay(owner, key, match)) return;
    gKey = key, gMatch = match, gChanged = changed;
    if (!openModal(gWindow, owner, kLook, teamSetsWindowProc)) return;
    SetWindowTextA(control(MatchLabel), matchLabel().c_str());
}

}  // namespace rl::ui
