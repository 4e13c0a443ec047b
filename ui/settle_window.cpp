// The window that settles a tie, opened from the standings window's system
// menu: it puts the members sharing a rank of a group's table in the order
// the organiser settled. Modal to its owner, it moves like a dialog from the
// keyboard.
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "resources/ids.h"
#include "resources/strings.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

constexpr char kSettleClass[] = "SettleWnd";
constexpr DWORD kSmallWindowStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;

enum SettleControl { TieLabel, TieList, Up, Down, Settle, CloseTie, SettleControlCount };

constexpr DWORD kTieListStyle = WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
constexpr ControlRow<SettleControl> kSettleControls[] = {
    {TieLabel, {"Static", "", 0, SS_LEFT, 20, 12, 270, 36, IDC_TIE_LABEL}},
    {TieList, {"ListBox", nullptr, WS_EX_CLIENTEDGE, kTieListStyle, 20, 52, 170, 110, IDC_TIE_LIST}},
    {Up, {"Button", "위로(&U)", 0, WS_TABSTOP, 200, 52, 90, 25, IDC_TIE_UP}},
    {Down, {"Button", "아래로(&J)", 0, WS_TABSTOP, 200, 82, 90, 25, IDC_TIE_DOWN}},
    {Settle, {"Button", "결정", 0, BS_DEFPUSHBUTTON | WS_TABSTOP, 135, 172, 75, 25, IDC_SETTLE}},
    {CloseTie, {"Button", "취소", 0, WS_TABSTOP, 215, 172, 75, 25, IDC_CLOSE_TIE}},
};
static_assert(std::size(kSettleControls) == SettleControlCount && rowsInEnumOrder(kSettleControls),
              "row i of kSettleControls must be control i");
constexpr WindowLook kSettleLook{kSettleClass, "동률 순위 정하기", kSmallWindowStyle, {310, 210}};

HWND gSettleWindow = nullptr;
HWND gSettleFocus = nullptr;
void (*gSettled)() = nullptr;
TieToSettle gTie;  // the members in the order shown

void fillTieList(HWND window, int selected) {
    HWND list = GetDlgItem(window, IDC_TIE_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (Pos p : gTie.members) {
        const std::string name(nameOf(eventHost(), ListKind::Participants, p));
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void onMove(HWND window, int step) {
    const auto chosen = static_cast<int>(SendDlgItemMessageA(window, IDC_TIE_LIST, LB_GETCURSEL, 0, 0));
    const int target = chosen + step;
    if (chosen < 0 || target < 0 || target >= static_cast<int>(gTie.members.size())) return;
    std::swap(gTie.members[static_cast<std::size_t>(chosen)], gTie.members[static_cast<std::size_t>(target)]);
    fillTieList(window, target);
}

// A new order for the same members takes the place of the old one.
void onSettle(HWND window) {
    settleEventTie(window, {gTie.group, gTie.members});
    DestroyWindow(window);
    if (gSettled) gSettled();
}

// The first shared rank of the group still to settle, or else the first one
// settled, shown in its settled order to be changed.
bool findTie(int group) {
    const auto inGroup = [&](const std::vector<TieToSettle>& ties) {
        return std::find_if(ties.begin(), ties.end(), [&](const TieToSettle& t) { return t.group == group; });
    };
    const auto open = tiesToSettle(assignment(), theEvent().results, kMaxPlayoffPlayers, theEvent().playoff.settled);
    const auto all = tiesToSettle(assignment(), theEvent().results, kMaxPlayoffPlayers, {});
    if (inGroup(open) != open.end()) gTie = *inGroup(open);
    else if (inGroup(all) != all.end()) gTie = *inGroup(all);
    else return false;
    std::vector<Pos> shown;
    for (const Standing& s : settledStandings(assignment(), theEvent().results, group, theEvent().playoff.settled)) {
        if (std::count(gTie.members.begin(), gTie.members.end(), s.player)) shown.push_back(s.player);
    }
    gTie.members = shown;
    return true;
}

LRESULT onSettleCreate(HWND window) {
    placeWindow(window, kSettleLook.client, kSettleLook.style);
    return createRows(window, kSettleControls) ? 0 : -1;
}

LRESULT onSettleCommand(HWND window, WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED) return 0;
    switch (LOWORD(wParam)) {
    case IDC_TIE_UP: onMove(window, -1); break;
    case IDC_TIE_DOWN: onMove(window, 1); break;
    case IDC_SETTLE: onSettle(window); break;
    case IDC_CLOSE_TIE:
    case IDCANCEL: DestroyWindow(window); break;
    }
    return 0;
}

LRESULT CALLBACK settleWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onSettleCreate(window);
    case WM_DESTROY: onModalClosing(window, gSettleWindow); return 0;
    case WM_COMMAND: return onSettleCommand(window, wParam);
    case DM_GETDEFID: return MAKELRESULT(IDC_SETTLE, DC_HASDEFID);
    case WM_ACTIVATE: return keepModalFocus(window, wParam, gSettleFocus, IDC_TIE_LIST);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

void showSettleWindow(HWND owner, int group, void (*settled)()) {
    if (!findTie(group)) {
        showTextBox(owner, loadedString(IDS_NO_TIE), MB_OK);
        return;
    }
    gSettled = settled;
    if (!openModal(gSettleWindow, owner, kSettleLook, settleWindowProc)) return;
    const std::string label = std::string(1, static_cast<char>('A' + gTie.group)) + "조 " + std::to_string(gTie.rank) +
                              "위를 나눈 선수들입니다.\n위에서부터 정한 순서대로 놓으세요.";
    SetDlgItemTextA(gSettleWindow, IDC_TIE_LABEL, label.c_str());
    fillTieList(gSettleWindow, 0);
    SetFocus(GetDlgItem(gSettleWindow, IDC_TIE_LIST));
}

}  // namespace rl::ui
