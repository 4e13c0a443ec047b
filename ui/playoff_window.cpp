// The playoff's two small windows, opened from the standings window's system
// menu: one chooses how many of each group go through and whether a
// third-place match is played, and makes the playoff or says why it cannot
// be made; the other puts the members sharing a rank of a group's table in
// the order the organiser settled. Both are modal to their owner and move
// like dialogs from the keyboard.
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "resources/ids.h"
#include "resources/strings.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

constexpr char kPlayoffClass[] = "PlayoffWnd";
constexpr char kSettleClass[] = "SettleWnd";
constexpr DWORD kSmallWindowStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;

enum PlayoffControl { SizeLabel, One, Two, Four, ThirdPlace, Make, ClosePlayoff, PlayoffControlCount };

constexpr DWORD kFirstOfGroup = WS_GROUP | WS_TABSTOP;
constexpr ControlRow<PlayoffControl> kPlayoffControls[] = {
    {SizeLabel, {"Static", "각 조에서 본선에 오르는 인원", 0, SS_LEFT, 20, 15, 230, 20, -1}},
    {One, {"Button", "1명(&1)", 0, BS_AUTORADIOBUTTON | kFirstOfGroup, 30, 40, 70, 20, IDC_PLAYOFF_ONE}},
    {Two, {"Button", "2명(&2)", 0, BS_AUTORADIOBUTTON, 105, 40, 70, 20, IDC_PLAYOFF_TWO}},
    {Four, {"Button", "4명(&4)", 0, BS_AUTORADIOBUTTON, 180, 40, 70, 20, IDC_PLAYOFF_FOUR}},
    {ThirdPlace, {"Button", "3·4위전(&3)", 0, BS_AUTOCHECKBOX | kFirstOfGroup, 30, 70, 150, 20, IDC_THIRD_PLACE}},
    {Make, {"Button", "만들기", 0, BS_DEFPUSHBUTTON | kFirstOfGroup, 95, 105, 75, 25, IDC_MAKE_PLAYOFF}},
    {ClosePlayoff, {"Button", "취소", 0, WS_TABSTOP, 175, 105, 75, 25, IDC_CLOSE_PLAYOFF}},
};
static_assert(std::size(kPlayoffControls) == PlayoffControlCount && rowsInEnumOrder(kPlayoffControls),
              "row i of kPlayoffControls must be control i");
constexpr WindowLook kPlayoffLook{kPlayoffClass, "본선 만들기", kSmallWindowStyle, {270, 145}};

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

HWND gPlayoffWindow = nullptr;
HWND gSettleWindow = nullptr;
void (*gMade)() = nullptr;
void (*gSettled)() = nullptr;
TieToSettle gTie;  // the members in the order shown

std::string formatted(int stringId, char letter, const std::string& names, int number) {
    char text[1024] = {};  // as much as wsprintfA ever writes
    const std::string format = loadedString(stringId);
    if (stringId == IDS_PLAYOFF_TIE) wsprintfA(text, format.c_str(), letter, names.c_str(), number);
    else if (stringId == IDS_PLAYOFF_MATCHES_LEFT) wsprintfA(text, format.c_str(), letter, number);
    else wsprintfA(text, format.c_str(), number);
    return text;
}

std::string namesOf(const std::vector<Pos>& players) {
    std::string names;
    for (Pos p : players) names += (names.empty() ? "" : ", ") + std::string(nameOf(host(), ListKind::Participants, p));
    return names;
}

// One line for each reason, in the order the library finds them.
std::string refusalText(const PlayoffRefusal& refusal) {
    std::string text = loadedString(IDS_PLAYOFF_REFUSED);
    const auto line = [&](const std::string& reason) { text += "\n" + reason; };
    for (const UnfinishedGroup& u : refusal.unfinished) {
        line(formatted(IDS_PLAYOFF_MATCHES_LEFT, static_cast<char>('A' + u.group), {}, u.matchesLeft));
    }
    for (const TieToSettle& t : refusal.ties) {
        line(formatted(IDS_PLAYOFF_TIE, static_cast<char>('A' + t.group), namesOf(t.members), t.rank));
    }
    if (refusal.tooFew || refusal.tooMany) line(formatted(IDS_PLAYOFF_PLAYERS, 0, {}, refusal.players));
    if (refusal.thirdPlaceTooFew) line(loadedString(IDS_PLAYOFF_THIRD_PLACE));
    return text;
}

// The choices of the window over the settled orders; an order that decides
// nothing for this size is not kept with the playoff.
Playoff chosenPlayoff(HWND window) {
    Playoff chosen;
    chosen.perGroup = IsDlgButtonChecked(window, IDC_PLAYOFF_ONE) ? 1 : IsDlgButtonChecked(window, IDC_PLAYOFF_FOUR) ? 4 : 2;
    chosen.thirdPlace = IsDlgButtonChecked(window, IDC_THIRD_PLACE) == BST_CHECKED;
    for (const SettledOrder& order : playoff().settled) {
        if (checkSettle(assignment(), results(), chosen.perGroup, order) == SettleProblem::None) {
            chosen.settled.push_back(order);
        }
    }
    return chosen;
}

void onMake(HWND window) {
    const Playoff chosen = chosenPlayoff(window);
    const PlayoffRefusal refusal = checkPlayoff(assignment(), results(), chosen);
    if (!refusal.empty()) {
        showTextBox(window, refusalText(refusal), MB_OK);
        return;
    }
    playoff() = chosen;
    DestroyWindow(window);
    if (gMade) gMade();
}

void fillTieList(HWND window, int selected) {
    HWND list = GetDlgItem(window, IDC_TIE_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (Pos p : gTie.members) {
        const std::string name(nameOf(host(), ListKind::Participants, p));
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

std::vector<Pos> sortedMembers(std::vector<Pos> members) {
    std::sort(members.begin(), members.end());
    return members;
}

// A new order for the same members takes the place of the old one.
void onSettle(HWND window) {
    auto& orders = playoff().settled;
    const std::vector<Pos> members = sortedMembers(gTie.members);
    orders.erase(std::remove_if(orders.begin(), orders.end(),
                                [&](const SettledOrder& o) {
                                    return o.group == gTie.group && sortedMembers(o.order) == members;
                                }),
                 orders.end());
    orders.push_back({gTie.group, gTie.members});
    DestroyWindow(window);
    if (gSettled) gSettled();
}

// The first shared rank of the group still to settle, or else the first one
// settled, shown in its settled order to be changed.
bool findTie(int group) {
    const auto inGroup = [&](const std::vector<TieToSettle>& ties) {
        return std::find_if(ties.begin(), ties.end(), [&](const TieToSettle& t) { return t.group == group; });
    };
    const auto open = tiesToSettle(assignment(), results(), kMaxPlayoffPlayers, playoff().settled);
    const auto all = tiesToSettle(assignment(), results(), kMaxPlayoffPlayers, {});
    if (inGroup(open) != open.end()) gTie = *inGroup(open);
    else if (inGroup(all) != all.end()) gTie = *inGroup(all);
    else return false;
    std::vector<Pos> shown;
    for (const Standing& s : settledStandings(assignment(), results(), group, playoff().settled)) {
        if (std::count(gTie.members.begin(), gTie.members.end(), s.player)) shown.push_back(s.player);
    }
    gTie.members = shown;
    return true;
}

template <typename Control, std::size_t N>
bool createAll(HWND window, const ControlRow<Control> (&rows)[N]) {
    for (const auto& row : rows)
        if (!createControl(window, row.layout)) return false;
    return true;
}

LRESULT onPlayoffCreate(HWND window) {
    placeWindow(window, kPlayoffLook.client, kPlayoffLook.style);
    if (!createAll(window, kPlayoffControls)) return -1;
    CheckRadioButton(window, IDC_PLAYOFF_ONE, IDC_PLAYOFF_FOUR, IDC_PLAYOFF_TWO);
    return 0;
}

LRESULT onSettleCreate(HWND window) {
    placeWindow(window, kSettleLook.client, kSettleLook.style);
    return createAll(window, kSettleControls) ? 0 : -1;
}

// The owner waits while the window is open, as it would for a dialog.
void onClosing(HWND window, HWND& handle) {
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner) EnableWindow(owner, TRUE);
    setDialogWindow(nullptr);
    handle = nullptr;
    if (owner) SetActiveWindow(owner);
}

// As a dialog does: the focus leaves with the window (for a message box, say)
// and comes back to the same control.
LRESULT onActivate(HWND window, WPARAM wParam, HWND& remembered, int firstId) {
    HWND focus = GetFocus();
    if (LOWORD(wParam) == WA_INACTIVE && focus && IsChild(window, focus)) remembered = focus;
    else if (LOWORD(wParam) != WA_INACTIVE) SetFocus(IsChild(window, remembered) ? remembered : GetDlgItem(window, firstId));
    return 0;
}

HWND gPlayoffFocus = nullptr;
HWND gSettleFocus = nullptr;

LRESULT onPlayoffCommand(HWND window, WPARAM wParam) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) != BN_CLICKED) return 0;
    if (id == IDC_MAKE_PLAYOFF) onMake(window);
    else if (id == IDC_CLOSE_PLAYOFF || id == IDCANCEL) DestroyWindow(window);
    return 0;
}

LRESULT onSettleCommand(HWND window, WPARAM wParam) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) != BN_CLICKED) return 0;
    if (id == IDC_TIE_UP) onMove(window, -1);
    else if (id == IDC_TIE_DOWN) onMove(window, 1);
    else if (id == IDC_SETTLE) onSettle(window);
    else if (id == IDC_CLOSE_TIE || id == IDCANCEL) DestroyWindow(window);
    return 0;
}

LRESULT CALLBACK playoffWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onPlayoffCreate(window);
    case WM_DESTROY: onClosing(window, gPlayoffWindow); return 0;
    case WM_COMMAND: return onPlayoffCommand(window, wParam);
    case DM_GETDEFID: return MAKELRESULT(IDC_MAKE_PLAYOFF, DC_HASDEFID);
    case WM_ACTIVATE: return onActivate(window, wParam, gPlayoffFocus, IDC_PLAYOFF_TWO);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK settleWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onSettleCreate(window);
    case WM_DESTROY: onClosing(window, gSettleWindow); return 0;
    case WM_COMMAND: return onSettleCommand(window, wParam);
    case DM_GETDEFID: return MAKELRESULT(IDC_SETTLE, DC_HASDEFID);
    case WM_ACTIVATE: return onActivate(window, wParam, gSettleFocus, IDC_TIE_LIST);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Opened once; the owner is disabled until it closes.
bool openModal(HWND& handle, HWND owner, const WindowLook& look, WNDPROC procedure) {
    if (isOpen(handle)) {
        SetActiveWindow(handle);
        return false;
    }
    if (!ensurePopupClass(look.className, procedure)) return false;
    openOrRecentre(handle, owner, look);
    if (!isOpen(handle)) return false;
    EnableWindow(owner, FALSE);
    setDialogWindow(handle);
    return true;
}

}  // namespace

std::string loadedString(int stringId) {
    char text[512] = {};
    LoadStringA(appInstance(), static_cast<UINT>(stringId), text, sizeof text);
    return text;
}

int showTextBox(HWND owner, const std::string& text, UINT buttons) {
    return MessageBoxA(owner, text.c_str(), STR_APP_CAPTION, buttons);
}

void showPlayoffWindow(HWND owner, void (*made)()) {
    gMade = made;
    if (openModal(gPlayoffWindow, owner, kPlayoffLook, playoffWindowProc)) {
        SetFocus(GetDlgItem(gPlayoffWindow, IDC_PLAYOFF_TWO));
    }
}

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
