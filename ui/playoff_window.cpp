// The window that makes the playoff, opened from the standings window's system
// menu: it chooses how many of each group go through, whether a third-place
// match is played, the rounds' lengths and the first round's pairs (the
// bracket rule's until the organiser changes them), and makes the playoff or
// says why it cannot be made. Modal to its owner, it moves like a dialog
// from the keyboard.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <iterator>
#include <string>
#include <vector>

#include "event/pairs_wording.h"
#include "platform/encoding.h"
#include "resources/ids.h"
#include "resources/strings.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

constexpr char kPlayoffClass[] = "PlayoffWnd";
constexpr DWORD kSmallWindowStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;

enum PlayoffControl {
    SizeLabel, One, Two, Four, ThirdPlace, LengthsLabel, Lengths, PairsLabel, Pairs, RulePairs, Make, ClosePlayoff,
    PlayoffControlCount
};

constexpr DWORD kFirstOfGroup = WS_GROUP | WS_TABSTOP;
constexpr ControlRow<PlayoffControl> kPlayoffControls[] = {
    {SizeLabel, {"Static", "각 조에서 본선에 오르는 인원", 0, SS_LEFT, 20, 15, 230, 20, -1}},
    {One, {"Button", "1명(&1)", 0, BS_AUTORADIOBUTTON | kFirstOfGroup, 30, 40, 70, 20, IDC_PLAYOFF_ONE}},
    {Two, {"Button", "2명(&2)", 0, BS_AUTORADIOBUTTON, 105, 40, 70, 20, IDC_PLAYOFF_TWO}},
    {Four, {"Button", "4명(&4)", 0, BS_AUTORADIOBUTTON, 180, 40, 70, 20, IDC_PLAYOFF_FOUR}},
    {ThirdPlace, {"Button", "3·4위전(&3)", 0, BS_AUTOCHECKBOX | kFirstOfGroup, 30, 70, 150, 20, IDC_THIRD_PLACE}},
    {LengthsLabel, {"Static", "경기 길이(&L), 결승이 끝:", 0, SS_LEFT, 20, 103, 160, 20, -1}},
    {Lengths, {"Edit", "", WS_EX_CLIENTEDGE, ES_AUTOHSCROLL | kFirstOfGroup, 180, 99, 70, 24, IDC_PLAYOFF_LENGTHS}},
    {PairsLabel, {"Static", "첫 판 대진(&P), 위에서부터:", 0, SS_LEFT, 20, 135, 230, 20, -1}},
    {Pairs, {"Edit", "", WS_EX_CLIENTEDGE, ES_AUTOHSCROLL | kFirstOfGroup, 20, 157, 230, 24, IDC_PLAYOFF_PAIRS}},
    {RulePairs, {"Button", "기본 대진(&R)", 0, kFirstOfGroup, 10, 196, 112, 25, IDC_RULE_PAIRS}},
    {Make, {"Button", "만들기", 0, BS_DEFPUSHBUTTON | kFirstOfGroup, 127, 196, 62, 25, IDC_MAKE_PLAYOFF}},
    {ClosePlayoff, {"Button", "취소", 0, WS_TABSTOP, 194, 196, 62, 25, IDC_CLOSE_PLAYOFF}},
};
static_assert(std::size(kPlayoffControls) == PlayoffControlCount && rowsInEnumOrder(kPlayoffControls),
              "row i of kPlayoffControls must be control i");
constexpr WindowLook kPlayoffLook{kPlayoffClass, "본선 만들기", kSmallWindowStyle, {270, 236}};

HWND gPlayoffWindow = nullptr;
void (*gMade)() = nullptr;

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
    for (Pos p : players) names += (names.empty() ? "" : ", ") + std::string(nameOf(eventHost(), ListKind::Participants, p));
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
    if (!refusal.pairs.ok()) line(platform::utf8ToCp949Shown(event::koreanPairs(refusal.pairs)));
    return text;
}

int chosenSize(HWND window) {
    return IsDlgButtonChecked(window, IDC_PLAYOFF_ONE) ? 1 : IsDlgButtonChecked(window, IDC_PLAYOFF_FOUR) ? 4 : 2;
}

// The rounds' lengths as typed, "3,5,7" (final last); nothing when a part
// is not a number.
std::optional<std::vector<int>> chosenLengths(HWND window) {
    char text[64] = {};
    GetDlgItemTextA(window, IDC_PLAYOFF_LENGTHS, text, sizeof text);
    std::vector<int> lengths;
    for (const char* at = text; *at;) {
        if (*at == ',' || *at == ' ') { ++at; continue; }
        if (*at < '0' || *at > '9') return std::nullopt;
        lengths.push_back(std::atoi(at));
        while (*at >= '0' && *at <= '9') ++at;
    }
    return lengths;
}

// The bracket rule's first round for the size chosen: what the pairs start
// from, and what they go back to when the size changes.
void showRulePairs(HWND window) {
    const std::vector<PlayoffPair> pairs = rulePairs(assignment(), theEvent().results, chosenSize(window));
    SetDlgItemTextA(window, IDC_PLAYOFF_PAIRS, pairsText(pairs).c_str());
}

// The pairs as typed; none where they are the rule's own, so that an event
// seated by the rule is kept as one.
PairsRefusal chosenPairs(HWND window, int perGroup, std::vector<PlayoffPair>& pairs) {
    const int length = GetWindowTextLengthA(GetDlgItem(window, IDC_PLAYOFF_PAIRS));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetDlgItemTextA(window, IDC_PLAYOFF_PAIRS, text.data(), length + 1)));
    pairs.clear();
    if (text.find_first_not_of(" \t") == std::string::npos) return {};
    const PairsRefusal refusal = parsePairs(text, pairs);
    if (pairs == rulePairs(assignment(), theEvent().results, perGroup)) pairs.clear();
    return refusal;
}

void onMake(HWND window) {
    event::PlayoffChoice choice;
    choice.perGroup = chosenSize(window);
    choice.thirdPlace = IsDlgButtonChecked(window, IDC_THIRD_PLACE) == BST_CHECKED;
    const std::optional<std::vector<int>> lengths = chosenLengths(window);
    if (!lengths || !validPlayoffLengths(*lengths)) {
        showStringBox(window, IDS_PLAYOFF_LENGTHS, MB_OK);
        return;
    }
    choice.bestOf = *lengths;
    PlayoffRefusal malformed;
    malformed.pairs = chosenPairs(window, choice.perGroup, choice.pairs);
    if (!malformed.pairs.ok()) {
        showTextBox(window, refusalText(malformed), MB_OK);
        return;
    }
    const PlayoffRefusal refusal = makeEventPlayoff(window, choice);
    if (!refusal.empty()) {
        showTextBox(window, refusalText(refusal), MB_OK);
        return;
    }
    DestroyWindow(window);
    if (gMade) gMade();
}

LRESULT onPlayoffCreate(HWND window) {
    placeWindow(window, kPlayoffLook.client, kPlayoffLook.style);
    if (!createRows(window, kPlayoffControls)) return -1;
    CheckRadioButton(window, IDC_PLAYOFF_ONE, IDC_PLAYOFF_FOUR, IDC_PLAYOFF_TWO);
    // The groups' length, unless the organiser gives the rounds their own.
    SetDlgItemTextA(window, IDC_PLAYOFF_LENGTHS, std::to_string(assignment().settings.bestOf).c_str());
    showRulePairs(window);
    return 0;
}

HWND gPlayoffFocus = nullptr;

LRESULT onPlayoffCommand(HWND window, WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED) return 0;
    switch (LOWORD(wParam)) {
    case IDC_PLAYOFF_ONE:
    case IDC_PLAYOFF_TWO:
    case IDC_PLAYOFF_FOUR:
    case IDC_RULE_PAIRS: showRulePairs(window); break;
    case IDC_MAKE_PLAYOFF: onMake(window); break;
    case IDC_CLOSE_PLAYOFF:
    case IDCANCEL: DestroyWindow(window); break;
    }
    return 0;
}

LRESULT CALLBACK playoffWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onPlayoffCreate(window);
    case WM_DESTROY: onModalClosing(window, gPlayoffWindow); return 0;
    case WM_COMMAND: return onPlayoffCommand(window, wParam);
    case DM_GETDEFID: return MAKELRESULT(IDC_MAKE_PLAYOFF, DC_HASDEFID);
    case WM_NEXTDLGCTL: return moveDialogFocus(window, wParam, lParam);
    case WM_ACTIVATE: return keepModalFocus(window, wParam, gPlayoffFocus, IDC_PLAYOFF_TWO);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

void showPlayoffWindow(HWND owner, void (*made)()) {
    gMade = made;
    if (openModal(gPlayoffWindow, owner, kPlayoffLook, playoffWindowProc)) {
        SetFocus(GetDlgItem(gPlayoffWindow, IDC_PLAYOFF_TWO));
    }
}

}  // namespace rl::ui
