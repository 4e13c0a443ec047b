// The window that enters a series' games, opened from the standings window's
// system menu: for each game its winner (one of the match's two players) and
// the map it was played on (one of the event's maps, the dealt one first
// chosen). Games that decide the match give it its score. Modal to its
// owner, it moves like a dialog from the keyboard.
#include <iterator>
#include <string>
#include <vector>

#include "engine/series.h"
#include "event/result_wording.h"
#include "platform/encoding.h"
#include "resources/ids.h"
#include "resources/strings.h"
#include "text/pieces.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

constexpr char kGamesClass[] = "GamesWnd";
constexpr DWORD kSmallWindowStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kChooserStyle = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;

enum Control { MatchLabel, WinnerHeading, MapHeading, Record, Cancel, ControlCount };

constexpr ControlRow<Control> kControls[] = {
    {MatchLabel, {"Static", "", 0, SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, 20, 12, 330, 20, IDC_GAMES_LABEL}},
    {WinnerHeading, {"Static", "이긴 선수", 0, SS_LEFT, 80, 38, 130, 18, -1}},
    {MapHeading, {"Static", "맵", 0, SS_LEFT, 220, 38, 130, 18, -1}},
    {Record, {"Button", "기록(&R)", 0, BS_DEFPUSHBUTTON | WS_TABSTOP, 195, 0, 75, 25, IDC_RECORD_GAMES}},
    {Cancel, {"Button", "취소", 0, WS_TABSTOP, 275, 0, 75, 25, IDC_CLOSE_GAMES}},
};
static_assert(std::size(kControls) == ControlCount && rowsInEnumOrder(kControls), "row i of kControls must be control i");

// One row a game, under the headings; the buttons under the last row.
constexpr int kFirstRowY = 60, kRowHeight = 28, kButtonGap = 12;
constexpr ControlLayout kGameLabel{"Static", "", 0, SS_LEFT, 20, 3, 55, 20, -1};
constexpr ControlLayout kWinnerChooser{"ComboBox", nullptr, 0, kChooserStyle, 80, 0, 130, 200, IDC_GAME_WINNER};
constexpr ControlLayout kMapChooser{"ComboBox", nullptr, 0, kChooserStyle, 220, 0, 130, 200, IDC_GAME_MAP};
constexpr int kWidth = 370;

HWND gWindow = nullptr;
HWND gFocus = nullptr;
void (*gChanged)() = nullptr;
MatchKey gKey;
MatchState gMatch;  // as the standings window showed it

int rowsHeight() { return kFirstRowY + gMatch.bestOf * kRowHeight + kButtonGap; }
WindowLook look() { return {kGamesClass, "세트 기록", kSmallWindowStyle, {kWidth, rowsHeight() + 25 + 15}}; }

ControlLayout inRow(ControlLayout layout, int game) {
    layout.y += kFirstRowY + game * kRowHeight;
    if (layout.id != -1) layout.id += game;
    return layout;
}

std::string playerName(Pos player) { return std::string(nameOf(eventHost(), ListKind::Participants, player)); }

void addItem(HWND chooser, const std::string& text) {
    SendMessageA(chooser, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// A game not played yet has no winner: the chooser's first item, "-".
bool createGameRow(HWND window, int game, const std::vector<Pos>& maps) {
    ControlLayout label = inRow(kGameLabel, game);
    const std::string text = std::to_string(game + 1) + "세트";
    HWND winner = createControl(window, inRow(kWinnerChooser, game));
    HWND map = createControl(window, inRow(kMapChooser, game));
    if (!createControl(window, label, text.c_str()) || !winner || !map) return false;
    addItem(winner, "-");
    addItem(winner, playerName(gMatch.first));
    addItem(winner, playerName(gMatch.second));
    const auto played = static_cast<std::size_t>(game);
    const int chosen = played < gMatch.games.size() ? (gMatch.games[played].firstWon ? 1 : 2) : 0;
    SendMessageA(winner, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    if (!maps.empty()) {
        for (const std::string& name : theEvent().maps) addItem(map, name);
    }
    const Pos shown = played < maps.size() ? maps[played] : kNone;
    SendMessageA(map, CB_SETCURSEL, static_cast<WPARAM>(shown), 0);
    EnableWindow(map, !maps.empty());
    return true;
}

bool createControls(HWND window) {
    if (!createRows(window, kControls)) return false;
    const std::vector<Pos> maps = playedMaps(gMatch);
    for (int game = 0; game < gMatch.bestOf; ++game) {
        if (!createGameRow(window, game, maps)) return false;
    }
    for (Control button : {Record, Cancel}) {
        const ControlLayout& b = kControls[button].layout;
        MoveWindow(GetDlgItem(window, b.id), b.x, rowsHeight(), b.width, b.height, FALSE);
    }
    return true;
}

int chosenIn(HWND window, int id) { return static_cast<int>(SendDlgItemMessageA(window, id, CB_GETCURSEL, 0, 0)); }

// The games chosen, from game 1 to the last with a winner; `gap`: the first
// game left without one before it (0: none).
std::vector<Game> chosenGames(HWND window, int& gap) {
    std::vector<Game> games;
    gap = 0;
    for (int game = 0; game < gMatch.bestOf; ++game) {
        const int winner = chosenIn(window, IDC_GAME_WINNER + game);
        if (winner <= 0) {
            if (!gap) gap = game + 1;
            continue;
        }
        const int map = chosenIn(window, IDC_GAME_MAP + game);
        games.push_back({winner == 1, theEvent().state.settings.mapsEnabled && map >= 0 ? static_cast<Pos>(map) : kNone});
    }
    if (gap > static_cast<int>(games.size())) gap = 0;  // only games left open at the end
    return games;
}

// Refused with the wording every program gives the problem; true when it was.
bool refused(HWND window, const event::ResultCheck& check) {
    if (check.ok()) return false;
    if (check.problem == event::ChangeProblem::GroupsLocked) {
        showStringBox(window, IDS_PLAYOFF_LOCKS_GROUPS, MB_OK);
        return true;
    }
    event::ProblemPlace place{gKey, "", gMatch.bestOf};
    place.game = check.game;
    showTextBox(window, platform::utf8ToCp949Shown(event::koreanProblem(check.result, place)), MB_OK);
    return true;
}

// The later results that came from the match's winner go once the games give
// it another winner, or none yet; the user is asked first.
bool mayDropLaterResults(HWND window, const std::vector<Game>& games) {
    const Results& results = gKey.group == kPlayoffGroup ? theEvent().playoff.results : theEvent().results;
    const bool decided = gamesDecide(games, gMatch.bestOf);
    const bool drops = decided ? event::changesWinner(theEvent(), gKey, gamesScore(games)) : results.find(gKey) != nullptr;
    const std::vector<MatchKey> later = drops && !games.empty() ? event::laterResults(theEvent(), gKey) : std::vector<MatchKey>{};
    return later.empty() ||
           showStringBox(window, IDS_CONFIRM_CHANGE_WINNER, MB_YESNO, static_cast<int>(later.size())) == IDYES;
}

void onRecord(HWND window) {
    int gap = 0;
    const std::vector<Game> games = chosenGames(window, gap);
    if (gap) {
        refused(window, {event::ChangeProblem::Result, ResultProblem::GameMissing, gap});
        return;
    }
    if (refused(window, event::checkEventGames(theEvent(), gKey, games)) || !mayDropLaterResults(window, games)) return;
    recordEventGames(window, gKey, games);
    DestroyWindow(window);
    if (gChanged) gChanged();
}

LRESULT onCreate(HWND window) {
    placeWindow(window, look().client, look().style);
    return createControls(window) ? 0 : -1;
}

LRESULT onCommand(HWND window, WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED) return 0;
    switch (LOWORD(wParam)) {
    case IDC_RECORD_GAMES: onRecord(window); break;
    case IDC_CLOSE_GAMES:
    case IDCANCEL: DestroyWindow(window); break;
    }
    return 0;
}

LRESULT CALLBACK gamesWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_DESTROY: onModalClosing(window, gWindow); return 0;
    case WM_COMMAND: return onCommand(window, wParam);
    case DM_GETDEFID: return MAKELRESULT(IDC_RECORD_GAMES, DC_HASDEFID);
    case WM_ACTIVATE: return keepModalFocus(window, wParam, gFocus, IDC_GAME_WINNER);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

std::string matchLabel(const MatchState& m) {
    const std::string holder = gKey.group == kPlayoffGroup ? "본선" : std::string(1, static_cast<char>('A' + gKey.group)) + "조";
    std::string label = holder + " " + std::to_string(m.number) + "경기   " + playerName(m.first) + " : " + playerName(m.second);
    return m.bestOf > 1 ? label + "   (" + pieces::seriesLengthText(m.bestOf) + ")" : label;
}

}  // namespace

bool toldNothingToPlay(HWND owner, MatchKey key, const MatchState& match) {
    if (!match.bye && match.first != kNone && match.second != kNone) return false;
    showTextBox(owner, platform::utf8ToCp949Shown(event::koreanProblem(
                           match.bye ? ResultProblem::Bye : ResultProblem::PlayersNotKnown, {key, "", match.bestOf})),
                MB_OK);
    return true;
}

void showGamesWindow(HWND owner, MatchKey key, const MatchState& match, void (*changed)()) {
    if (toldNothingToPlay(owner, key, match)) return;
    gKey = key;
    gMatch = match;
    gChanged = changed;
    if (!openModal(gWindow, owner, look(), gamesWindowProc)) return;
    SetDlgItemTextA(gWindow, IDC_GAMES_LABEL, matchLabel(match).c_str());
    SetFocus(GetDlgItem(gWindow, IDC_GAME_WINNER));
}

}  // namespace rl::ui
