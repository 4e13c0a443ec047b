// The withdrawal window, opened from the standings window's system menu:
// every drawn player, the withdrawn ones marked; a player withdraws (after a
// question) or has the withdrawal taken back; before play, a player is
// replaced by a new one, swaps places with another or moves to a group's
// empty place, listed after the players (each after a question). Modal to its owner, it moves like a dialog from the keyboard.
#include <iterator>
#include <string>
#include <vector>

#include "event/result_wording.h"
#include "platform/encoding.h"
#include "resources/ids.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

constexpr char kWithdrawalClass[] = "WithdrawalWnd";
constexpr DWORD kSmallWindowStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kListStyle = WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;

enum Control {
    Label, Players, Withdraw, TakeBack, NewLabel, NewName, Replace, SwapLabel, SwapWith, Swap, Close, ControlCount
};

constexpr ControlRow<Control> kControls[] = {
    {Label, {"Static", "기권하는 선수를 고르세요.", 0, SS_LEFT, 20, 12, 270, 20, -1}},
    {Players, {"ListBox", nullptr, WS_EX_CLIENTEDGE, kListStyle, 20, 36, 170, 160, IDC_WITHDRAW_LIST}},
    {Withdraw, {"Button", "기권(&W)", 0, WS_TABSTOP, 200, 36, 95, 25, IDC_WITHDRAW}},
    {TakeBack, {"Button", "기권 취소(&T)", 0, WS_TABSTOP, 200, 66, 95, 25, IDC_TAKE_BACK}},
    {NewLabel, {"Static", "새 선수(&N):", 0, SS_LEFT, 20, 206, 170, 18, -1}},
    {NewName, {"Edit", nullptr, WS_EX_CLIENTEDGE, WS_TABSTOP | ES_AUTOHSCROLL, 20, 225, 170, 22, IDC_REPLACE_NAME}},
    {Replace, {"Button", "교체(&R)", 0, WS_TABSTOP, 200, 223, 95, 25, IDC_REPLACE}},
    {SwapLabel, {"Static", "맞교환 상대(&P):", 0, SS_LEFT, 20, 256, 170, 18, -1}},
    {SwapWith, {"ComboBox", nullptr, 0, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 20, 275, 170, 200, IDC_SWAP_WITH}},
    {Swap, {"Button", "맞교환(&S)", 0, WS_TABSTOP, 200, 273, 95, 25, IDC_SWAP}},
    {Close, {"Button", "닫기", 0, BS_DEFPUSHBUTTON | WS_TABSTOP, 200, 315, 95, 25, IDC_CLOSE_WITHDRAW}},
};
static_assert(std::size(kControls) == ControlCount && rowsInEnumOrder(kControls), "row i of kControls must be control i");
constexpr WindowLook kLook{kWithdrawalClass, "기권 처리", kSmallWindowStyle, {315, 355}};

HWND gWindow = nullptr;
HWND gFocus = nullptr;
void (*gChanged)() = nullptr;
std::vector<Pos> gShown;  // the players in the order listed

void fillPlayers(HWND window, int selected) {
    HWND list = GetDlgItem(window, IDC_WITHDRAW_LIST), partners = GetDlgItem(window, IDC_SWAP_WITH);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    SendMessageA(partners, CB_RESETCONTENT, 0, 0);
    gShown.clear();
    for (const auto& row : assignment().groupTable) {
        for (Pos p : row) {
            if (p == kNone) continue;
            std::string line(nameOf(eventHost(), ListKind::Participants, p));
            SendMessageA(partners, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
            if (event::isWithdrawn(theEvent(), p)) line += " (기권)";
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
            gShown.push_back(p);
        }
    }
    for (std::size_t g = 0; g < assignment().groupTable.size(); ++g) {
        const std::string vacancy = std::string(1, static_cast<char>('A' + g)) + "조 빈자리";
        SendMessageA(partners, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(vacancy.c_str()));
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int chosenRow(HWND window) {
    return static_cast<int>(SendDlgItemMessageA(window, IDC_WITHDRAW_LIST, LB_GETCURSEL, 0, 0));
}

// The player at a row of the list (or of the partners, listed alike); kNone for none.
Pos playerAt(int row) {
    return row >= 0 && row < static_cast<int>(gShown.size()) ? gShown[static_cast<std::size_t>(row)] : kNone;
}

std::string nameText(Pos player) { return std::string(nameOf(eventHost(), ListKind::Participants, player)); }

// A change is made after a question, and then the lists show it.
void afterChange(HWND window, event::ChangeRefusal refusal, const event::ChangePlace& place, int row) {
    if (refusal != event::ChangeRefusal::None) {
        showTextBox(window, platform::utf8ToCp949Shown(event::koreanChangeProblem(refusal, place)), MB_OK);
        return;
    }
    fillPlayers(window, row);
    if (gChanged) gChanged();
}

std::string typedName(HWND window) {
    HWND field = GetDlgItem(window, IDC_REPLACE_NAME);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(field)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(field, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string utf8Of(const std::string& cp949) { return platform::cp949ToUtf8(cp949).value_or("?"); }

// A team league's new team came in with its players (new_team_window.cpp).
void onNewTeam() {
    SetDlgItemTextA(gWindow, IDC_REPLACE_NAME, "");
    afterChange(gWindow, event::ChangeRefusal::None, {}, chosenRow(gWindow));
}

void onReplace(HWND window) {
    const int row = chosenRow(window);
    const Pos player = playerAt(row);
    if (player == kNone) return;
    const std::string by = typedName(window);
    const event::ChangePlace place{utf8Of(nameText(player)), utf8Of(by), -1, {}, {}};
    event::ChangeRefusal refusal = event::checkReplacement(theEvent(), player, by);
    if (refusal == event::ChangeRefusal::None && theEvent().teams) return showNewTeamWindow(window, player, by, onNewTeam);
    if (refusal == event::ChangeRefusal::None) {
        const std::string question = nameText(player) + " 선수 대신 " + by + " 선수가 들어옵니다. 자리와 경기, 시드를 그대로 " +
                                     "이어받고, 되돌릴 수 없습니다.\n교체합니까?";
        if (showTextBox(window, question, MB_YESNO) != IDYES) return;
        refusal = replaceInEvent(window, player, by);
        SetDlgItemTextA(window, IDC_REPLACE_NAME, "");
    }
    afterChange(window, refusal, place, row);
}

// The partners list each group's empty place after the players.
void onMove(HWND window, int row, Pos player, int group) {
    event::ChangeRefusal refusal = event::checkMove(theEvent(), player, group);
    const event::ChangePlace place{utf8Of(nameText(player)), {}, event::refusedMoveGroup(theEvent(), player, group, refusal),
                                   {}, {}};
    if (refusal == event::ChangeRefusal::None) {
        const std::string question = nameText(player) + " 선수가 " + std::string(1, static_cast<char>('A' + group)) +
                                     "조의 빈자리로 옮깁니다. 두 조의 경기를 새로 짜며, 되돌릴 수 없습니다.\n옮깁니까?";
        if (showTextBox(window, question, MB_YESNO) != IDYES) return;
        refusal = moveInEvent(window, player, group);
    }
    afterChange(window, refusal, place, row);
}

void onSwap(HWND window) {
    const int row = chosenRow(window);
    const Pos first = playerAt(row);
    const int partner = static_cast<int>(SendDlgItemMessageA(window, IDC_SWAP_WITH, CB_GETCURSEL, 0, 0));
    const Pos second = playerAt(partner);
    if (first == kNone) return;
    if (partner >= static_cast<int>(gShown.size())) return onMove(window, row, first, partner - static_cast<int>(gShown.size()));
    if (second == kNone) {
        showTextBox(window, "자리를 맞바꿀 상대를 고르세요.", MB_OK);
        return;
    }
    event::ChangeRefusal refusal = event::checkSwap(theEvent(), first, second);
    const bool secondRefused = refusal != event::ChangeRefusal::SamePlayer &&
                               event::checkMovable(theEvent(), first) == event::ChangeRefusal::None;
    const event::ChangePlace place{utf8Of(nameText(secondRefused ? second : first)), utf8Of(nameText(second)), -1, {}, {}};
    if (refusal == event::ChangeRefusal::None) {
        const std::string question = nameText(first) + " 선수와 " + nameText(second) + " 선수가 자리를 맞바꿉니다. " +
                                     "되돌릴 수 없습니다.\n맞교환합니까?";
        if (showTextBox(window, question, MB_YESNO) != IDYES) return;
        refusal = swapInEvent(window, first, second);
    }
    afterChange(window, refusal, place, row);
}


// A withdrawal is asked for first; taking one back is not, since it only
// gives the matches back to be played.
void onChange(HWND window, bool withdraw) {
    const int row = chosenRow(window);
    if (row < 0 || row >= static_cast<int>(gShown.size())) return;
    const Pos player = gShown[static_cast<std::size_t>(row)];
    const std::string name(nameOf(eventHost(), ListKind::Participants, player));
    if (withdraw && showTextBox(window, name + " 선수가 기권합니다. 남은 경기는 기권 규칙을 따릅니다.\n좋습니까?",
                                MB_YESNO) != IDYES)
        return;
    const bool done = withdraw ? withdrawFromEvent(window, player) : takeBackEventWithdrawal(window, player);
    if (!done) {
        showTextBox(window, withdraw ? "이 선수는 기권할 수 없습니다(이미 기권했습니다)."
                                     : "이 선수의 기권은 취소할 수 없습니다(기권하지 않았거나, 본선 전의 기권입니다).",
                    MB_OK);
        return;
    }
    fillPlayers(window, row);
    if (gChanged) gChanged();
}

LRESULT onCreate(HWND window) {
    placeWindow(window, kLook.client, kLook.style);
    if (!createRows(window, kControls)) return -1;
    fillPlayers(window, 0);
    return 0;
}

LRESULT onCommand(HWND window, WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED) return 0;
    switch (LOWORD(wParam)) {
    case IDC_WITHDRAW: onChange(window, true); break;
    case IDC_TAKE_BACK: onChange(window, false); break;
    case IDC_REPLACE: onReplace(window); break;
    case IDC_SWAP: onSwap(window); break;
    case IDC_CLOSE_WITHDRAW:
    case IDCANCEL: DestroyWindow(window); break;
    }
    return 0;
}

LRESULT CALLBACK withdrawalWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_DESTROY: onModalClosing(window, gWindow); return 0;
    case WM_COMMAND: return onCommand(window, wParam);
    case DM_GETDEFID: return MAKELRESULT(IDC_CLOSE_WITHDRAW, DC_HASDEFID);
    case WM_ACTIVATE: return keepModalFocus(window, wParam, gFocus, IDC_WITHDRAW_LIST);
    case WM_NEXTDLGCTL: return moveDialogFocus(window, wParam, lParam);  // a label's letter
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

void showWithdrawalWindow(HWND owner, void (*changed)()) {
    gChanged = changed;
    if (openModal(gWindow, owner, kLook, withdrawalWindowProc)) SetFocus(GetDlgItem(gWindow, IDC_WITHDRAW_LIST));
}

}  // namespace rl::ui
