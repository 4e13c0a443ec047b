#pragma once
// What the program's windows share. Win32 only; the portable engine and
// texts never see this header.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "engine/assignment.h"
#include "engine/seeding.h"
#include "event/actions.h"
#include "event/draw.h"
#include "event/event.h"
#include "standings/playoff.h"
#include "standings/results.h"

namespace rl::ui {

// Window classes, exactly as the program has always named them.
inline constexpr char kMainClass[] = "Rosterlom";
inline constexpr char kResultClass[] = "SubWnd";
inline constexpr char kHelpClass[] = "HelpWnd";
inline constexpr char kEntryFieldClass[] = "SC_Edit";
inline constexpr char kStandingsClass[] = "StandingsWnd";
inline constexpr char kSeedingClass[] = "SeedingWnd";

// A child control as a window lays it out; WS_CHILD | WS_VISIBLE go on top
// of `style`. Id -1 is the 16-bit 0xFFFF, "no id".
struct ControlLayout {
    const char* className;
    const char* text;
    DWORD exStyle;
    DWORD style;
    int x, y, width, height;
    int id;
};
HWND createControl(HWND parent, const ControlLayout& control);
HWND createControl(HWND parent, const ControlLayout& control, const char* text);

// A row of a control table that has an enum: the row names its enumerator,
// so that the table can prove at compile time that row i is control i.
template <typename Control>
struct ControlRow {
    Control which;
    ControlLayout layout;
};
template <typename Control, std::size_t N>
bool createRows(HWND window, const ControlRow<Control> (&rows)[N]) {
    for (const auto& row : rows)
        if (!createControl(window, row.layout)) return false;
    return true;
}
template <typename Control, std::size_t N>
constexpr bool rowsInEnumOrder(const ControlRow<Control> (&rows)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(rows[i].which) != i) return false;
    return true;
}

// A top-level window as its own file describes it.
struct WindowLook {
    const char* className;
    const char* title;
    DWORD style;
    SIZE client;  // the client size it is designed for
};

// --- application shell (app.cpp)
HINSTANCE appInstance();
HWND mainWindow();  // null until the main window has been created and shown
// Registers the classes, creates and shows the main window. On failure tells
// the user why and returns null.
HWND startApplication(HINSTANCE instance, int showCommand);
int runMessageLoop();
// A small window that Tab, Enter, Escape and mnemonics move through as in a
// dialog; null when none is open.
void setDialogWindow(HWND window);
// A small window that waits for its owner like a dialog: opened once (an open
// one is brought to the front: false), the owner disabled until it closes.
bool openModal(HWND& handle, HWND owner, const WindowLook& look, WNDPROC procedure);
// Its WM_DESTROY: the owner enabled and active again, the handle forgotten.
void onModalClosing(HWND window, HWND& handle);
// Its WM_ACTIVATE, as a dialog's: the focus leaves with the window (for a
// message box, say) and comes back to the same control.
LRESULT keepModalFocus(HWND window, WPARAM wParam, HWND& remembered, int firstId);
// WM_NEXTDLGCTL, which the dialog manager sends for a label's underlined
// letter and which only a dialog's own procedure would answer: the focus
// goes to the control given (lParam set) or the next one in tab order.
LRESULT moveDialogFocus(HWND window, WPARAM wParam, LPARAM lParam);
// A popup's class registered on its first opening; one that an earlier
// opening registered is kept.
bool ensurePopupClass(const char* name, WNDPROC procedure);

// Placement: the top-left corner for a window of the given client size,
// x = (W - cw) / 2, y = (H - ch) / 3 on the desktop's client area.
POINT placementFor(SIZE client);
// In a creation step: move to placementFor with the outer size of `style`, no repaint.
void placeWindow(HWND window, SIZE client, DWORD style);
// An open window put back in its place: current outer size kept, repainted.
void recentreWindow(HWND window, SIZE client);
bool isOpen(HWND window);
// A popup is opened once: shown again, the open one is re-centred instead.
// `window` is the popup file's own handle.
void openOrRecentre(HWND& window, HWND owner, const WindowLook& look);

// String-table text `stringId` in a box captioned with the program's name;
// answers the button pressed.
int showStringBox(HWND owner, int stringId, UINT buttons);
// The same with the text's one %d filled in.
int showStringBox(HWND owner, int stringId, UINT buttons, int number);
// The same with a text (%s) and a number (%d) filled in, in that order.
int showStringBox(HWND owner, int stringId, UINT buttons, const std::string& text, int number = 0);
// A box captioned with the program's name holding `text` as it is.
int showTextBox(HWND owner, const std::string& text, UINT buttons);
// Values a window keeps per participant follow the list when it has changed
// meanwhile: each name takes the first value of its spelling that no earlier
// entry took, and a new name a value of its own.
template <typename Value>
void followNames(const std::vector<std::string>& now, std::vector<std::string>& names, std::vector<Value>& values) {
    if (now == names) return;
    std::vector<Value> kept(now.size());
    std::vector<bool> taken(names.size(), false);
    for (std::size_t i = 0; i < now.size(); ++i) {
        for (std::size_t j = 0; j < names.size(); ++j) {
            if (taken[j] || names[j] != now[i]) continue;
            taken[j] = true, kept[i] = values[j];
            break;
        }
    }
    names = now, values = std::move(kept);
}

// The string table's text, the program's one way to it.
std::string loadedString(int stringId);
int listCount(HWND list);
// A list's tab stops under headings at the given x of its window's client area.
void alignTabStops(HWND list, std::initializer_list<int> headings);

// --- main window (main_window.cpp)
LRESULT CALLBACK mainWindowProc(HWND, UINT, WPARAM, LPARAM);
HWND createMainWindow();  // hidden; placed by its creation
Host& host();  // the engine's view of the main window's controls, for a draw
// Rewrites the list captions with their entry counts.
void refreshListCaptions();
// The result window's "cancel": the event is let go, the inputs unlocked and
// the result window closed (and the standings window it owns with it).
void cancelAssignment(HWND resultWindow);
HBRUSH whiteBrush();
// An event put in place of whatever the window held: both lists, every
// setting and the lock that follows an assignment.
void showEventInputs(const event::Event& event);
bool listsHoldNames();
// The participant list's entries, in order.
std::vector<std::string> participantNames();
// "토너먼트" checked, as the dual tournament needs.
void chooseTournament();
// A draw follows the clock; tests fix it to repeat one. Empty: the real clock.
void setClockForTesting(std::optional<std::uint32_t> clock);

// --- the event (event_state.cpp): the one value that every window shows and
// that is saved, autosaved and made a page. It changes only through the
// functions below, each of which autosaves after the change.
const event::Event& theEvent();
const AssignmentState& assignment();  // theEvent().state
Host& eventHost();  // the event's names and settings, for its texts
// The event file it was opened from or saved as; empty when none.
const std::wstring& eventFile();
void noteEventFile(const std::wstring& path);
// A draw just made, or an event opened from a file, becomes the event.
void takeEvent(HWND owner, event::Event event, const std::wstring& file = {});
// The assignment is let go, with everything entered since (the autosave is
// the caller's to keep or remove).
void letEventGo();
// One of the event's own changes (event/actions.h), made on the event; it
// says whether it changed anything, and when it did the windows and the
// autosave follow. A new change needs no function of its own here.
bool changeEvent(HWND owner, const std::function<bool(event::Event&)>& change);
void recordEventResult(HWND owner, MatchKey key, Score score);
void recordEventGames(HWND owner, MatchKey key, const std::vector<Game>& games);
void clearEventResult(HWND owner, MatchKey key);
void settleEventTie(HWND owner, const SettledOrder& order);
PlayoffRefusal makeEventPlayoff(HWND owner, const event::PlayoffChoice& choice);
void undoEventPlayoff(HWND owner);
void giveEventWalkover(HWND owner, MatchKey key, Pos winner);
// False (nothing changed) where the event refuses it.
bool withdrawFromEvent(HWND owner, Pos player);
bool takeBackEventWithdrawal(HWND owner, Pos player);
// None when made; else why not (nothing changed).
// A team league's new team brings its roster (CP949).
event::ChangeRefusal replaceInEvent(HWND owner, Pos player, const std::string& by, std::vector<std::string> roster = {});
event::ChangeRefusal swapInEvent(HWND owner, Pos first, Pos second);
event::ChangeRefusal moveInEvent(HWND owner, Pos player, int group);

// The next draw's choices beyond the main window's controls: one value,
// edited by the window that owns each choice (the format window: the group
// format, the lengths and the withdrawal rule; the seeding window: the
// seeded draw) and read once at the draw. The pots and tags ride on the
// participant list's entries (see currentSeeding) until the draw reads them.
event::DrawChoices& nextDraw();

// --- entry fields (entry_field.cpp)
bool registerEntryFieldClass();
LRESULT onListKey(HWND list, WPARAM wParam);  // WM_VKEYTOITEM

// --- result window (result_window.cpp)
LRESULT CALLBACK resultWindowProc(HWND, UINT, WPARAM, LPARAM);
void showResultWindow(HWND owner);
void closeResultWindow();  // and the standings window it owns
// The open result window shows the chosen group again: its maps as played.
void refreshResultWindow();

// --- standings window (standings_window.cpp)
LRESULT CALLBACK standingsWindowProc(HWND, UINT, WPARAM, LPARAM);
// Opens the window on the group, or brings the open one to the front on it.
void showStandingsWindow(HWND owner, int group);

// --- the playoff's window (playoff_window.cpp)
// Opens the window that makes the playoff; `made` is called once it is.
void showPlayoffWindow(HWND owner, void (*made)());

// --- the tie's window (settle_window.cpp)
// Opens the window that settles the first shared rank of the group's table;
// `settled` is called once it is.
void showSettleWindow(HWND owner, int group, void (*settled)());

// --- seeding window (seeding_window.cpp)
LRESULT CALLBACK seedingWindowProc(HWND, UINT, WPARAM, LPARAM);
// "시드와 소속 지정(&P)..." in the main window's system menu.
void addSeedingCommand(HWND window);
void showSeedingWindow(HWND owner);
// A pasted row's cells after the name, as the command line's columns.
struct PastedMarks {
    std::string pot, tag, race;
};
// While the seeded draw is on, whether every pasted row's pot, tag and race
// cells keep the rule; the first that does not is told, naming its
// participant (firstRow is the first row's index in the list).
bool pastedMarksFit(HWND owner, const std::vector<PastedMarks>& cells, int firstRow);
// A pasted row's cells, kept for the entry at `index` while the seeded draw
// is on.
void markPastedParticipant(HWND list, int index, const PastedMarks& cells);
// Every participant's pot, tag and race in list order, and whether the races
// are spread.
Seeding currentSeeding();
// Pots, tags and races (an opened event's, or none) for the participants just listed.
void restoreSeeding(const Seeding& seeding);

// --- withdrawal window (withdrawal_window.cpp): "기권 처리(&K)..." in the
// standings window's system menu; `changed` is called after each change.
void showWithdrawalWindow(HWND owner, void (*changed)());
// The players of the team that replaces `player` in a team league (new_team_window.cpp),
// then the replacement after a question; `done` once it is made.
void showNewTeamWindow(HWND owner, Pos player, const std::string& by, void (*done)());

// --- games window (games_window.cpp): a series' games, entered game by game
void showGamesWindow(HWND owner, MatchKey key, const MatchState& match, void (*changed)());
// A bye, or a match whose players are not known yet, has nothing to enter:
// the user is told why; false for a match that can be played.
bool toldNothingToPlay(HWND owner, MatchKey key, const MatchState& match);

// --- team sets window (team_sets_window.cpp): a team match's next set, or its entry
void showTeamSetsWindow(HWND owner, MatchKey key, const MatchState& match, void (*changed)());

// --- format window (format_window.cpp)
// "경기 방식(&F)..." in the main window's system menu.
void addFormatCommand(HWND window);
void showFormatWindow(HWND owner);
// The dual tournament chosen for the next draw, and the open window shows
// every choice again: "리그" lets it go, an opened event gives its own.
void chooseDual(bool on);

// The team match's format of the next draw, or of the drawn event; none for
// a players' event.
std::optional<team::TeamMatchFormat> chosenTeamFormat();
// How the windows name a team match's format ("5세트제 + 에이스결정전"), or none.
std::string teamMatchLabel(const std::optional<team::TeamMatchFormat>& format);

// --- rosters window (roster_window.cpp)
// "팀 명단(&T)..." in the main window's system menu.
void addRosterCommand(HWND window);
void showRosterWindow(HWND owner);
// Each participant's players (CP949) in list order, for a team league's draw.
std::vector<std::vector<std::string>> currentRosters();
std::vector<std::vector<Race>> currentRosterRaces();  // each roster's players' races
// Whether every participant has players; the first that has none is told.
bool rostersComplete(HWND owner);
// An opened event's rosters (or none) for the participants just listed.
void restoreRosters(const std::optional<team::TeamLeague>& teams);

// --- placement window (placement_window.cpp)
// "조 직접 편성(&G)..." in the main window's system menu.
void addPlacementCommand(HWND window);
void showPlacementWindow(HWND owner);

// --- help window (help_window.cpp)
LRESULT CALLBACK helpWindowProc(HWND, UINT, WPARAM, LPARAM);
void showHelpWindow(HWND owner);
// The help text stays loaded from the first opening to the end of the program.
void releaseHelpText();
const char* helpText();  // the loaded help text, or null while none is loaded

// --- the event's files (event_file.cpp): open, save and the autosave
const event::FrontEnd& eventFrontEnd();
void beginEventSession();  // a new main window: a failed autosave is told again
// Asks first when something would be replaced, then reads and restores the
// file, or says why it cannot; false when nothing changed.
bool openEventFile(HWND owner, const std::wstring& path);
void openEventWithDialog(HWND owner);
void saveEventWithDialog(HWND owner);
// After every change of the event: the event on disk, whole, in
// %APPDATA%\Rosterloom\autosave.json. A failure is told once.
void autosaveEvent(HWND owner);
void removeAutosave();
std::wstring autosavePath();  // empty when there is no application-data folder
// The start takes the first autosave that no other running copy holds; the
// main window's end lets it go.
void releaseAutosaveSlot();
// At start: the autosave of an evening that did not end is offered, then the
// file named on the command line (if any) is opened.
void openAtStart(HWND main, const std::wstring& commandLineFile);
// "YYYY-MM-DDTHH:MM:SS", local time: when a draw seeded by `clock` was made.
std::string drawTimeText(std::uint32_t clock);
// The name of the event file the event was last opened from or saved as
// (UTF-8, no folder, no ".json"); empty when there is none.
std::string eventFileTitle();
// Whole or not at all: a new file beside the target, flushed, then moved in its place.
bool replaceFileWhole(const std::wstring& path, const std::string& bytes);

// --- Desktop export (desktop_export.cpp)
void exportResultFile(HWND owner);
// A file on the Desktop and the string-table ids that tell how writing it went.
struct DesktopFile {
    const char* name;
    int done, inUse, noAccess;
};
// Replaces the file with the chunks in order, or leaves no file: one of the
// file's ids.
int writeDesktopFile(HWND owner, const DesktopFile& file, const std::vector<std::string>& chunks);
// A full disk cannot be had on demand, so tests put a failing writer in the
// place of WriteFile; null puts WriteFile back.
using FileWriter = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
void setFileWriterForTesting(FileWriter writer);
FileWriter fileWriter();
std::optional<std::string> desktopFolder(HWND owner);

// --- the event's web page (page_export.cpp): "대회 결과.html" on the Desktop,
// then opened in the browser; a command of the result and standings windows'
// system menus.
void addPageCommand(HWND window);
bool isPageCommand(WPARAM sysCommand);
void savePage(HWND owner);
// A browser cannot be kept from opening under test: tests put a recorder in
// the place of ShellExecuteW's "open"; null puts it back.
using PageOpener = bool (*)(HWND owner, const std::wstring& path);
void setPageOpenerForTesting(PageOpener opener);

}  // namespace rl::ui
