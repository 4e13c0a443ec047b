// The format window, opened from the main window's system menu: its share of
// the next draw's choices (nextDraw), beyond the designed ones, so that the
// main window keeps its face. Here the dual tournament, which goes with
// "토너먼트": choosing it checks that button, and choosing "리그" lets it go;
// how many games a group's match is played over; and the withdrawal rule,
// which a drawn event keeps as its own; and a team league's team match, or
// none. Modal to the main window, it moves like a dialog from the keyboard.
#include <iterator>
#include <variant>

#include "resources/ids.h"
#include "resources/teams.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

constexpr char kFormatClass[] = "FormatWnd";
constexpr DWORD kSmallWindowStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;

enum Control {
    GroupsLabel, DualCheck, Hint, LengthLabel, BestOf1, BestOf3, BestOf5, BestOf7, RuleLabel, RuleWalkovers, RuleVoid,
    TeamLabel, TeamMatch, CloseButton, ControlCount
};

constexpr ControlRow<Control> kControls[] = {
    {GroupsLabel, {"Static", "조별 경기 방식", 0, SS_LEFT, 20, 15, 250, 20, -1}},
    {DualCheck, {"Button", "듀얼 토너먼트 (4인 조)", 0, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 30, 40, 240, 20,
                 IDC_DUAL_CHECK}},
    {Hint, {"Static", "승자전·패자전·최종전", 0, SS_LEFT, 48, 62, 240, 18, -1}},
    {LengthLabel, {"Static", "조별 경기 길이", 0, SS_LEFT, 20, 95, 250, 20, -1}},
    {BestOf1, {"Button", "단판(&1)", 0, BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 30, 120, 120, 20, IDC_BEST_OF_1}},
    {BestOf3, {"Button", "3전 2선승(&3)", 0, BS_AUTORADIOBUTTON, 150, 120, 120, 20, IDC_BEST_OF_3}},
    {BestOf5, {"Button", "5전 3선승(&5)", 0, BS_AUTORADIOBUTTON, 30, 145, 120, 20, IDC_BEST_OF_5}},
    {BestOf7, {"Button", "7전 4선승(&7)", 0, BS_AUTORADIOBUTTON, 150, 145, 120, 20, IDC_BEST_OF_7}},
    {RuleLabel, {"Static", "기권한 선수의 남은 경기", 0, SS_LEFT, 20, 180, 250, 20, -1}},
    {RuleWalkovers, {"Button", "상대의 부전승(&W)", 0, BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 30, 205, 240, 20,
                     IDC_RULE_WALKOVERS}},
    {RuleVoid, {"Button", "기권자의 경기 무효(&V)", 0, BS_AUTORADIOBUTTON, 30, 230, 240, 20, IDC_RULE_VOID}},
    {TeamLabel, {"Static", "팀 경기 방식(&T)", 0, SS_LEFT, 20, 265, 250, 20, -1}},
    {TeamMatch, {"ComboBox", nullptr, 0, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, 30, 288, 240, 260,
                 IDC_TEAM_MATCH}},
    {CloseButton, {"Button", "닫기", 0, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 195, 330, 75, 25, IDC_CLOSE_FORMAT}},
};
static_assert(std::size(kControls) == ControlCount && rowsInEnumOrder(kControls), "row i of kControls must be control i");
constexpr WindowLook kLook{kFormatClass, "경기 방식", kSmallWindowStyle, {290, 370}};
constexpr int kLengths[][2] = {{1, IDC_BEST_OF_1}, {3, IDC_BEST_OF_3}, {5, IDC_BEST_OF_5}, {7, IDC_BEST_OF_7}};

HWND gWindow = nullptr;
HWND gFocus = nullptr;

// The team matches the chooser offers after "none": every N of sets, with
// and without the ace match, then every S of winner stays, as many as the
// format's own rule reads.
std::vector<team::TeamMatchFormat> teamFormats() {
    std::vector<team::TeamMatchFormat> formats;
    const auto offer = [&](const std::string& text) {
        const auto read = team::parseTeamMatchFormat(text);
        if (const auto* format = std::get_if<team::TeamMatchFormat>(&read)) formats.push_back(*format);
    };
    for (int n = team::kMinSets; n <= team::kMaxSets; ++n) offer("sets:" + std::to_string(n)), offer("sets:" + std::to_string(n) + ":ace");
    for (int s = team::kMinWins; s <= team::kMaxWins; ++s) offer("winner:" + std::to_string(s));
    return formats;
}

// The choices for the next draw; a drawn event keeps its own.
DrawFormat& chosenFormat() { return nextDraw().format; }

// A drawn event's rule is its own, and can change until someone withdraws.
WithdrawalRule shownRule() {
    return assignment().assigned() ? event::withdrawalRule(theEvent()) : nextDraw().withdrawalRule;
}
bool ruleOpen() { return !assignment().assigned() || event::withdrawnPlayers(theEvent()).empty(); }

void showChoice(HWND window) {
    CheckDlgButton(window, IDC_DUAL_CHECK, chosenFormat().dual ? BST_CHECKED : BST_UNCHECKED);
    for (const auto& [games, id] : kLengths)
        CheckDlgButton(window, id, games == chosenFormat().bestOf ? BST_CHECKED : BST_UNCHECKED);
    // A drawn event's format is the one it was drawn with.
    const bool open = !assignment().assigned();
    EnableWindow(GetDlgItem(window, IDC_DUAL_CHECK), open);
    // A team match is as long as its format makes it.
    for (const auto& length : kLengths) EnableWindow(GetDlgItem(window, length[1]), open && !chosenTeamFormat());
    const bool voids = shownRule() == WithdrawalRule::Void;
    CheckRadioButton(window, IDC_RULE_WALKOVERS, IDC_RULE_VOID, voids ? IDC_RULE_VOID : IDC_RULE_WALKOVERS);
    for (int id : {IDC_RULE_WALKOVERS, IDC_RULE_VOID}) EnableWindow(GetDlgItem(window, id), ruleOpen());
    const std::optional<team::TeamMatchFormat> team = chosenTeamFormat();
    const std::vector<team::TeamMatchFormat> formats = teamFormats();
    int item = 0;
    for (std::size_t i = 0; team && i < formats.size(); ++i) item = formats[i] == *team ? static_cast<int>(i) + 1 : item;
    SendDlgItemMessageA(window, IDC_TEAM_MATCH, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    EnableWindow(GetDlgItem(window, IDC_TEAM_MATCH), open);
}

void fillTeamFormats(HWND window) {
    const auto add = [&](const std::string& label) {
        SendDlgItemMessageA(window, IDC_TEAM_MATCH, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    };
    add(teamMatchLabel(std::nullopt));
    for (const team::TeamMatchFormat& format : teamFormats()) add(teamMatchLabel(format));
}

// The first item is none: a players' event. The rosters stay the rosters
// window's until the draw.
void onTeamMatchChosen(HWND window) {
    const auto item = SendDlgItemMessageA(window, IDC_TEAM_MATCH, CB_GETCURSEL, 0, 0);
    const std::vector<team::TeamMatchFormat> formats = teamFormats();
    if (item <= 0 || static_cast<std::size_t>(item) > formats.size()) {
        nextDraw().teams.reset();
    } else {
        if (!nextDraw().teams) nextDraw().teams.emplace();
        nextDraw().teams->format = formats[static_cast<std::size_t>(item) - 1];
    }
    showChoice(window);
}

void onRuleClicked(HWND window, WithdrawalRule rule) {
    if (!assignment().assigned()) nextDraw().withdrawalRule = rule;
    else changeEvent(window, [rule](event::Event& e) { return event::setWithdrawalRule(e, rule); });
}

void onDualClicked(HWND window) {
    chosenFormat().dual = IsDlgButtonChecked(window, IDC_DUAL_CHECK) == BST_CHECKED;
    if (chosenFormat().dual) chooseTournament();
}

// Any other button is none of the lengths and changes nothing.
void onLengthClicked(int id) {
    for (const auto& [games, length] : kLengths)
        if (id == length) chosenFormat().bestOf = games;
}

LRESULT onCreate(HWND window) {
    placeWindow(window, kLook.client, kLook.style);
    if (!createRows(window, kControls)) return -1;
    fillTeamFormats(window);
    showChoice(window);
    return 0;
}

LRESULT onCommand(HWND window, WPARAM wParam) {
    if (LOWORD(wParam) == IDC_TEAM_MATCH && HIWORD(wParam) == CBN_SELCHANGE) onTeamMatchChosen(window);
    if (HIWORD(wParam) != BN_CLICKED) return 0;
    switch (LOWORD(wParam)) {
    case IDC_DUAL_CHECK: onDualClicked(window); break;
    case IDC_RULE_WALKOVERS: onRuleClicked(window, WithdrawalRule::Walkovers); break;
    case IDC_RULE_VOID: onRuleClicked(window, WithdrawalRule::Void); break;
    case IDC_CLOSE_FORMAT:
    case IDCANCEL: DestroyWindow(window); break;
    default: onLengthClicked(LOWORD(wParam)); break;  // the lengths' buttons, kLengths
    }
    return 0;
}

LRESULT CALLBACK formatWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_DESTROY: onModalClosing(window, gWindow); return 0;
    case WM_COMMAND: return onCommand(window, wParam);
    case DM_GETDEFID: return MAKELRESULT(IDC_CLOSE_FORMAT, DC_HASDEFID);
    case WM_ACTIVATE: return keepModalFocus(window, wParam, gFocus, IDC_DUAL_CHECK);
    case WM_NEXTDLGCTL: return moveDialogFocus(window, wParam, lParam);  // a label's letter
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

void addFormatCommand(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu) AppendMenuA(menu, MF_STRING, IDM_FORMAT, "경기 방식(&F)...");
}

void showFormatWindow(HWND owner) {
    if (openModal(gWindow, owner, kLook, formatWindowProc)) SetFocus(GetDlgItem(gWindow, IDC_DUAL_CHECK));
}

std::optional<team::TeamMatchFormat> chosenTeamFormat() {
    const std::optional<team::TeamLeague>& teams = assignment().assigned() ? theEvent().teams : nextDraw().teams;
    if (!teams) return std::nullopt;
    return teams->format;
}

std::string teamMatchLabel(const std::optional<team::TeamMatchFormat>& format) {
    if (!format) return "없음 (개인전)";
    if (format->kind == team::MatchKind::WinnerStays) return "승자연전 " + std::to_string(format->length) + "선승";
    return std::to_string(format->length) + "세트제" + (format->ace ? " + 에이스결정전" : "");
}

void chooseDual(bool on) {
    chosenFormat().dual = on;
    if (isOpen(gWindow)) showChoice(gWindow);
}

}  // namespace rl::ui
