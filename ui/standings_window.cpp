// The standings window: results entered match by match for one group, that
// group's standings as the command line writes them, and the standings file
// on the Desktop. Opened from the result window's system menu. Its own system
// menu makes (or undoes) the playoff and settles shared ranks; once made, the
// playoff is chosen and recorded like one more group, "본선".
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "engine/series.h"
#include "event/result_wording.h"
#include "event/team_actions.h"
#include "event/team_text.h"
#include "platform/encoding.h"
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
    RecordButton, ClearButton, StandingsEdit, WalkoverButton, MapsLine, ControlCount
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
    {SecondPlayer, {"Static", "", 0, SS_LEFT | SS_ENDELLIPSIS, 340, 189, 85, 20, IDC_SECOND_PLAYER}},
    {RecordButton, {"Button", "기록", 0, 0, 500, 184, 55, 26, IDC_RECORD}},
    {ClearButton, {"Button", "지우기", 0, 0, 560, 184, 60, 26, IDC_CLEAR_RESULT}},
    {StandingsEdit, {"Edit", "", WS_EX_STATICEDGE, kStandingsStyle, 20, 220, 600, 230, IDC_STANDINGS_EDIT}},
    {WalkoverButton, {"Button", "부전승", 0, 0, 430, 184, 65, 26, IDC_WALKOVER}},
    // Made when a series is first shown: its games' maps, over the table.
    {MapsLine, {"Static", "", 0, SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, 20, 216, 600, 20, IDC_MATCH_MAPS}},
};
constexpr int kMapsLineHeight = 24;
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

const event::Event& shown() { return theEvent(); }
bool playoffMade() { return shown().playoff.perGroup != 0; }
// The chooser's entry after the groups, there once the playoff is made.
bool onPlayoff() { return gGroup == assignment().settings.groupCount; }

PlayoffBracket currentPlayoff() {
    return playoffBracket(shown().state, shown().results, shown().playoff, shown().seed, eventHost());
}

std::vector<MatchState> chosenMatches() {
    return onPlayoff() ? currentPlayoff().matches : groupStandings(shown().state, shown().results, gGroup).matches;
}

// The chosen bracket's results and the key of its chosen match.
const Results& chosenResults() { return onPlayoff() ? shown().playoff.results : shown().results; }
MatchKey chosenKey() { return {onPlayoff() ? kPlayoffGroup : gGroup, gMatch}; }

// A player as known now, or the match whose winner (or, for a third-place
// match, loser) the cell waits for.
std::string playerText(Pos player, int from, bool loser) {
    std::string text;
    if (player == kNone && from > 0 && loser) text = "<" + std::to_string(from) + "경기 패자>";
    else if (player == kNone && from > 0) pieces::appendWinnerOf(text, from);
    else if (player != kNone) text = nameOf(eventHost(), ListKind::Participants, player);
    return text;
}

// A group's named matches go by their names: "(승자전)" after the line.
std::string matchName(const MatchState& m) {
    std::string stage;
    if (!onPlayoff()) pieces::appendStage(stage, shown().state.settings, m.number);
    return stage.empty() ? stage : "\t" + stage;
}

// A series' length, "3전 2선승", or a team match's format; nothing for one game.
std::string lengthText(const MatchState& m) {
    if (event::isTeamEvent(shown())) return teamMatchLabel(shown().teams->format);
    return m.bestOf > 1 ? pieces::seriesLengthText(m.bestOf) : std::string();
}

std::string seriesLength(const MatchState& m) {
    const std::string length = lengthText(m);
    return length.empty() ? length : "\t(" + length + ")";
}

std::string matchLine(const MatchState& m) {
    char number[16];
    std::snprintf(number, sizeof number, "%d경기\t", m.number);
    std::string line = number + playerText(m.first, m.firstFrom, m.firstIsLoser()) + "\t";
    if (m.bye) return line + "(부전승)" + matchName(m);
    if (m.score) line += std::to_string(m.score->first) + ":" + std::to_string(m.score->second);
    else line += "[vs]";
    return line + "\t" + playerText(m.second, m.secondFrom, m.secondIsLoser()) + matchName(m) + seriesLength(m);
}

// A game played names its winner after its map.
std::string gameText(const MatchState& m, std::size_t game, Pos map) {
    std::string text = std::to_string(game + 1) + "세트";
    if (map != kNone) text += " <" + std::string(nameOf(eventHost(), ListKind::Maps, map)) + ">";
    if (game < m.games.size()) text += " " + playerText(m.games[game].firstWon ? m.first : m.second, 0, false);
    return text;
}

// The chosen series' games and maps (as played, where they were), game by
// game, on a line of their own.
std::string seriesMapsText(const MatchState& m) {
    std::string text = lengthText(m).empty() ? "" : "(" + lengthText(m) + ")";
    const std::vector<Pos> maps = playedMaps(m);
    for (std::size_t game = 0; game < std::max(maps.size(), m.games.size()); ++game) {
        const Pos map = game < maps.size() ? maps[game] : kNone;
        if (map != kNone || game < m.games.size()) text += (text.empty() ? "" : "   ") + gameText(m, game, map);
    }
    return text;
}

// The line is made the first time a series (or a match with its game) is
// chosen, the table moved down for it; an event of one-game matches keeps
// the window as it always was.
void showSeriesMaps(const MatchState* m) {
    const bool series = m && (m->bestOf > 1 || !m->games.empty());
    if (!control(MapsLine)) {
        if (!series) return;
        gControls[MapsLine] = createControl(gWindow, kControls[MapsLine].layout);
        const ControlLayout& table = kControls[StandingsEdit].layout;
        MoveWindow(control(StandingsEdit), table.x, table.y + kMapsLineHeight, table.width,
                   table.height - kMapsLineHeight, TRUE);
    }
    SetWindowTextA(control(MapsLine), series ? seriesMapsText(*m).c_str() : "");
}

void fillMatchList(const std::vector<MatchState>& matches) {
    HWND list = control(MatchList);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const MatchState& m : matches)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(matchLine(m).c_str()));
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(gMatch - 1), 0);
}

void showChosenMatch(const std::vector<MatchState>& matches) {
    const MatchState* m = gMatch > 0 ? &matches[static_cast<std::size_t>(gMatch - 1)] : nullptr;
    SetWindowTextA(control(FirstPlayer), m ? playerText(m->first, m->firstFrom, m->firstIsLoser()).c_str() : "");
    SetWindowTextA(control(SecondPlayer), m ? playerText(m->second, m->secondFrom, m->secondIsLoser()).c_str() : "");
    const Score* score = m ? chosenResults().find(chosenKey()) : nullptr;
    SetWindowTextA(control(FirstMaps), score ? std::to_string(score->first).c_str() : "");
    SetWindowTextA(control(SecondMaps), score ? std::to_string(score->second).c_str() : "");
    EnableWindow(control(RecordButton), m != nullptr);
    EnableWindow(control(WalkoverButton), m && m->first != kNone && m->second != kNone);
    EnableWindow(control(ClearButton), score != nullptr || (m && !m->games.empty()));
    showSeriesMaps(m);
}

// The playoff's matches, its table and the final standings; or a group's
// table, its settled members marked: a team league's counts matches and sets.
std::string groupText() {
    if (onPlayoff()) return playoffText(shown().state, shown().results, shown().playoff, currentPlayoff(), eventHost());
    if (event::isTeamEvent(shown())) return event::teamTableText(shown(), gGroup);
    return standingsGroupText(shown().state, shown().results, eventHost(), gGroup, shown().playoff);
}

// A team match's sets stand above its group's text.
std::string chosenText() {
    if (event::isTeamEvent(shown()) && gMatch > 0) return event::teamMatchText(shown(), chosenKey()) + groupText();
    return groupText();
}

// Everything shown follows the results at once, the result window's maps
// as played among it.
void refresh() {
    const std::vector<MatchState> matches = chosenMatches();
    fillMatchList(matches);
    showChosenMatch(matches);
    SetWindowTextA(control(StandingsEdit), chosenText().c_str());
    refreshResultWindow();
}

// A bye has no result to enter, so it is never chosen.
int firstChoosableMatch(const std::vector<MatchState>& matches) {
    for (const MatchState& m : matches)
        if (!m.bye) return m.number;
    return 0;
}

// "본선" needs a wider chooser than a letter; the label after it then says
// what the chosen entry holds.
constexpr int kWidePlayoffChooser = 70;

void layOutChooser() {
    const ControlLayout& chooser = kControls[GroupChooser].layout;
    const ControlLayout& label = kControls[GroupLabel].layout;
    const int widening = playoffMade() ? kWidePlayoffChooser - chooser.width : 0;
    MoveWindow(control(GroupChooser), chooser.x, chooser.y, chooser.width + widening, chooser.height, TRUE);
    MoveWindow(control(GroupLabel), label.x + widening, label.y, label.width, label.height, TRUE);
    SetWindowTextA(control(GroupLabel), onPlayoff() ? "경기" : label.text);
}

void chooseGroup(int group) {
    gGroup = group;
    SendMessageA(control(GroupChooser), CB_SETCURSEL, static_cast<WPARAM>(group), 0);
    layOutChooser();
    gMatch = firstChoosableMatch(chosenMatches());
    refresh();
}

constexpr char kPlayoffEntry[] = "본선";

void fillGroupChooser() {
    for (int g = 0; g < assignment().settings.groupCount; ++g) {
        const char letter[2] = {static_cast<char>('A' + g), '\0'};
        SendMessageA(control(GroupChooser), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(letter));
    }
    if (playoffMade()) SendMessageA(control(GroupChooser), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kPlayoffEntry));
}

// The maps of one field: 0 to 99, and never an empty field.
bool readMaps(Control field, int& maps) {
    BOOL read = FALSE;
    const UINT value = GetDlgItemInt(gWindow, GetDlgCtrlID(control(field)), &read, FALSE);
    maps = static_cast<int>(value);
    return read && value <= kMaxMapsWon;
}

// Refuses a result the chosen match cannot take, with the wording every
// program gives the problem; false when there is none.
bool refused(HWND window, ResultProblem problem, int bestOf) {
    if (problem == ResultProblem::None) return false;
    showTextBox(window, platform::utf8ToCp949Shown(event::koreanProblem(problem, {chosenKey(), "", bestOf})), MB_OK);
    return true;
}

// The later results that the match's winner played in go with it; the user
// is asked first when there are any. False: the user said no.
bool mayDropLaterResults(HWND window, MatchKey key, int question) {
    const std::vector<MatchKey> later = event::laterResults(shown(), key);
    return later.empty() || showStringBox(window, question, MB_YESNO, static_cast<int>(later.size())) == IDYES;
}

// While the playoff stands, the groups' results it was made from stay.
bool groupsLocked(HWND window) {
    if (onPlayoff() || !playoffMade()) return false;
    showStringBox(window, IDS_PLAYOFF_LOCKS_GROUPS, MB_OK);
    return true;
}

ResultProblem checkChosen(Score score) { return event::checkEventResult(shown(), chosenKey(), score).result; }

void onRecord(HWND window) {
    if (gMatch == 0 || groupsLocked(window)) return;
    const MatchKey key = chosenKey();
    Score score;
    const int bestOf = event::matchLength(shown(), key);
    if (!readMaps(FirstMaps, score.first) || !readMaps(SecondMaps, score.second)) {
        refused(window, ResultProblem::ScoreOutOfRange, bestOf);
        return;
    }
    if (refused(window, checkChosen(score), bestOf)) return;
    // A new winner would leave the later results scored for the wrong player.
    if (event::changesWinner(shown(), key, score) && !mayDropLaterResults(window, key, IDS_CONFIRM_CHANGE_WINNER))
        return;
    recordEventResult(window, key, score);
    refresh();
}

// The walkover goes to the first player on "예", to the second on "아니요".
void onWalkover(HWND window) {
    const std::vector<MatchState> matches = chosenMatches();
    if (gMatch == 0 || groupsLocked(window)) return;
    const MatchState& m = matches[static_cast<std::size_t>(gMatch - 1)];
    if (m.first == kNone || m.second == kNone) return;
    const int answer = showStringBox(window, IDS_WALKOVER_WHO, MB_YESNOCANCEL,
                                     std::string(nameOf(eventHost(), ListKind::Participants, m.first)));
    if (answer != IDYES && answer != IDNO) return;
    const MatchKey key = chosenKey();
    const Pos winner = answer == IDYES ? m.first : m.second;
    const Score walkover = walkoverFor(answer == IDYES, m.bestOf);
    if (refused(window, checkChosen(walkover), m.bestOf)) return;
    if (event::changesWinner(shown(), key, walkover) && !mayDropLaterResults(window, key, IDS_CONFIRM_CHANGE_WINNER))
        return;
    giveEventWalkover(window, key, winner);
    refresh();
}

void onClear(HWND window) {
    const MatchKey key = chosenKey();
    if (gMatch == 0 || (!chosenResults().find(key) && chosenResults().games(key).empty()) || groupsLocked(window) ||
        !mayDropLaterResults(window, key, IDS_CONFIRM_CLEAR_LATER))
        return;
    clearEventResult(window, key);
    refresh();
}

// The chosen match's games, or a team match's sets, in a window of their own.
void onGames(HWND window) {
    if (gMatch == 0 || groupsLocked(window)) return;
    const std::vector<MatchState> matches = chosenMatches();
    const auto show = event::isTeamEvent(shown()) ? showTeamSetsWindow : showGamesWindow;
    show(window, chosenKey(), matches[static_cast<std::size_t>(gMatch - 1)], refresh);
}

// What rosterloom-cli writes for the same event, chunk by chunk.
void onWrite(HWND window) {
    if (event::isTeamEvent(shown())) {  // its team matches, tables and players' records
        showStringBox(window, writeDesktopFile(window, kStandingsFile, {event::eventStandingsText(shown())}), MB_OK);
        return;
    }
    std::vector<std::string> chunks{exportFileText(withPlayedMaps(shown().state, shown().results), eventHost())};
    for (int g = 0; g < shown().state.settings.groupCount; ++g)
        chunks.push_back(standingsGroupText(shown().state, shown().results, eventHost(), g, shown().playoff));
    if (playoffMade())
        chunks.push_back(playoffText(shown().state, shown().results, shown().playoff, currentPlayoff(), eventHost()));
    if (std::string races = event::eventRaceStatsText(shown()); !races.empty()) chunks.push_back(std::move(races));
    showStringBox(window, writeDesktopFile(window, kStandingsFile, chunks), MB_OK);
}

void onGroupChosen() {
    const LRESULT chosen = SendMessageA(control(GroupChooser), CB_GETCURSEL, 0, 0);
    if (chosen >= 0 && chosen < assignment().settings.groupCount + (playoffMade() ? 1 : 0))
        chooseGroup(static_cast<int>(chosen));
}

void onMatchChosen() {
    const std::vector<MatchState> matches = chosenMatches();
    const LRESULT chosen = SendMessageA(control(MatchList), LB_GETCURSEL, 0, 0);
    if (chosen >= 0 && chosen < static_cast<LRESULT>(matches.size()) && !matches[chosen].bye)
        gMatch = static_cast<int>(chosen) + 1;
    fillMatchList(matches);  // a bye's line gives the selection back
    showChosenMatch(matches);
}

// The system menu's first item makes the playoff, or undoes it once made.
constexpr char kMakePlayoffItem[] = "본선 만들기(&B)...";
constexpr char kUndoPlayoffItem[] = "본선 취소(&U)";

void showPlayoffItem() {
    ModifyMenuA(GetSystemMenu(gWindow, FALSE), IDM_PLAYOFF, MF_BYCOMMAND | MF_STRING, IDM_PLAYOFF,
                playoffMade() ? kUndoPlayoffItem : kMakePlayoffItem);
}

void addPlayoffCommands(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_PLAYOFF, kMakePlayoffItem);
    AppendMenuA(menu, MF_STRING, IDM_SETTLE_TIE, "동률 순위 정하기(&D)...");
    AppendMenuA(menu, MF_STRING, IDM_WITHDRAWAL, "기권 처리(&K)...");
    AppendMenuA(menu, MF_STRING, IDM_WALKOVER, "고른 경기 부전승(&O)...");  // the button's way from the keys
    AppendMenuA(menu, MF_STRING, IDM_GAMES, "고른 경기 세트 기록(&G)...");
}

// Made: the chooser gains "본선" and shows it.
void onPlayoffMade() {
    SendMessageA(control(GroupChooser), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kPlayoffEntry));
    showPlayoffItem();
    chooseGroup(assignment().settings.groupCount);
}

void onTieSettled() { refresh(); }

// Undone after asking: its results and the settled orders go with it.
void undoPlayoff(HWND window) {
    const auto played = static_cast<int>(shown().playoff.results.all().size());
    if (showStringBox(window, IDS_CONFIRM_UNDO_PLAYOFF, MB_YESNO, played) != IDYES) return;
    const bool wasShown = onPlayoff();
    undoEventPlayoff(window);
    SendMessageA(control(GroupChooser), CB_DELETESTRING, static_cast<WPARAM>(assignment().settings.groupCount), 0);
    showPlayoffItem();
    chooseGroup(wasShown ? 0 : gGroup);
}

void settleTie(HWND window) {
    if (playoffMade()) {
        showStringBox(window, IDS_PLAYOFF_LOCKS_TIES, MB_OK);
        return;
    }
    if (!onPlayoff()) showSettleWindow(window, gGroup, onTieSettled);
}

LRESULT onSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    const WPARAM command = wParam & 0xFFF0;
    if (command == IDM_PLAYOFF && playoffMade()) undoPlayoff(window);
    else if (command == IDM_PLAYOFF) showPlayoffWindow(window, onPlayoffMade);
    else if (command == IDM_SETTLE_TIE) settleTie(window);
    else if (command == IDM_WITHDRAWAL) showWithdrawalWindow(window, refresh);
    else if (command == IDM_WALKOVER) onWalkover(window);
    else if (command == IDM_GAMES) onGames(window);
    else if (isPageCommand(wParam)) savePage(window);
    else return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
    return 0;
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
    for (int i = 0; i < MapsLine; ++i) {  // the maps line waits for a series
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
    addPlayoffCommands(window);
    showPlayoffItem();
    if (HMENU menu = GetSystemMenu(window, FALSE)) AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    addPageCommand(window);
    return 0;
}

LRESULT onCommand(HWND window, WPARAM wParam) {
    const int code = HIWORD(wParam);
    const bool clicked = code == BN_CLICKED;
    switch (LOWORD(wParam)) {
    case IDC_RECORD: if (clicked) onRecord(window); break;
    case IDC_CLEAR_RESULT: if (clicked) onClear(window); break;
    case IDC_WALKOVER: if (clicked) onWalkover(window); break;
    case IDC_WRITE_STANDINGS: if (clicked) onWrite(window); break;
    case IDC_CLOSE_STANDINGS: if (clicked) DestroyWindow(window); break;
    case IDC_STANDINGS_GROUP: if (code == CBN_SELCHANGE) onGroupChosen(); break;
    case IDC_MATCH_LIST: if (code == LBN_SELCHANGE) onMatchChosen(); break;
    }
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
