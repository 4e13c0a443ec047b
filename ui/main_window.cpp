#include "ui/app.h"

#include <commctrl.h>
#include <shellapi.h>

#include <ctime>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "resources/ids.h"
#include "resources/placement.h"
#include "resources/seeding.h"
#include "resources/strings.h"
#include "resources/teams.h"

namespace rl::ui {
namespace {

// The controls in creation order; the enumerators index kControls.
enum Control {
    TitleLine, ParticipantBox, IdLabel, ParticipantField, ParticipantList,
    MapBox, MapCheck, MapLabel, MapField, MapList,
    SettingsBox, GroupCountLabel, GroupCountUpDown, GroupCountBox,
    GroupSizeLabel, GroupSizeUpDown, GroupSizeBox,
    LeagueButton, TournamentButton, SpreadCheck, EqualMapsCheck,
    AssignButton, ExitButton, HelpButton, ControlCount
};

constexpr DWORD kListStyle =
    WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT | LBS_EXTENDEDSEL;
constexpr DWORD kUpDownStyle = UDS_SETBUDDYINT | UDS_ALIGNRIGHT;

constexpr ControlRow<Control> kControls[] = {
    {TitleLine, {"Static", "조 배정 프로그램 Rosterloom " ROSTERLOOM_VERSION, 0, SS_LEFT, 20, 15, 400, 20, -1}},
    {ParticipantBox, {"Button", "참가자 등록", 0, BS_GROUPBOX, 20, 50, 150, 220, IDC_GROUP_BOX}},
    {IdLabel, {"Static", "ID:", 0, SS_LEFT, 35, 80, 20, 20, -1}},
    {ParticipantField, {kEntryFieldClass, nullptr, WS_EX_CLIENTEDGE, 0, 60, 77, 95, 25, IDC_PARTICIPANT_FIELD}},
    {ParticipantList, {"ListBox", nullptr, WS_EX_STATICEDGE, kListStyle, 35, 110, 120, 145, IDC_PARTICIPANT_LIST}},
    {MapBox, {"Button", nullptr, 0, BS_GROUPBOX, 185, 50, 150, 180, IDC_GROUP_BOX}},
    {MapCheck, {"Button", nullptr, 0, BS_AUTOCHECKBOX, 192, 50, 100, 20, IDC_MAPS_CHECK}},
    {MapLabel, {"Static", "맵:", 0, SS_LEFT, 200, 80, 20, 20, -1}},
    {MapField, {kEntryFieldClass, nullptr, WS_EX_CLIENTEDGE, 0, 225, 77, 95, 25, IDC_MAP_FIELD}},
    {MapList, {"ListBox", nullptr, WS_EX_STATICEDGE, kListStyle, 200, 110, 120, 105, IDC_MAP_LIST}},
    {SettingsBox, {"Button", "설정", 0, BS_GROUPBOX, 350, 50, 160, 180, IDC_GROUP_BOX}},
    {GroupCountLabel, {"Static", "그룹 수:              개", 0, SS_LEFTNOWORDWRAP, 365, 80, 130, 20, -1}},
    {GroupCountUpDown, {UPDOWN_CLASSA, nullptr, 0, kUpDownStyle, 0, 0, 0, 0, 0}},
    {GroupCountBox, {"Static", nullptr, WS_EX_STATICEDGE, SS_CENTER, 425, 80, 50, 20, -1}},
    {GroupSizeLabel, {"Static", "그룹 당:              명", 0, SS_LEFTNOWORDWRAP, 365, 105, 130, 20, -1}},
    {GroupSizeUpDown, {UPDOWN_CLASSA, nullptr, 0, kUpDownStyle, 0, 0, 0, 0, 0}},
    {GroupSizeBox, {"Static", nullptr, WS_EX_STATICEDGE, SS_CENTER, 425, 105, 50, 20, -1}},
    {LeagueButton, {"Button", "리그", 0, WS_GROUP | BS_PUSHLIKE | BS_AUTORADIOBUTTON, 365, 135, 50, 25, IDC_LEAGUE}},
    {TournamentButton, {"Button", "토너먼트", 0, BS_PUSHLIKE | BS_AUTORADIOBUTTON, 415, 135, 80, 25, IDC_TOURNAMENT}},
    {SpreadCheck, {"Button", "공석 분배", 0, BS_AUTOCHECKBOX, 365, 170, 130, 20, IDC_SPREAD}},
    {EqualMapsCheck, {"Button", "맵 균등 배정", 0, BS_AUTOCHECKBOX, 365, 195, 120, 20, IDC_EQUAL_MAPS}},
    {AssignButton, {"Button", nullptr, 0, BS_PUSHBUTTON, 350, 240, 90, 30, IDC_ASSIGN}},
    {ExitButton, {"Button", "종료", 0, BS_PUSHBUTTON, 450, 240, 60, 30, IDC_EXIT}},
    {HelpButton, {"Button", "도움말", 0, BS_FLAT, 450, 15, 60, 25, IDC_HELP}},
};

constexpr bool sameText(const char* a, const char* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

constexpr bool isNumberBox(Control which) { return which == GroupCountBox || which == GroupSizeBox; }

// createControls hands each number box the up-down made just before it.
constexpr bool upDownsPrecedeTheirBoxes() {
    for (int i = 0; i < ControlCount; ++i) {
        const bool upDown = sameText(kControls[i].layout.className, UPDOWN_CLASSA);
        const bool beforeBox = i + 1 < ControlCount && isNumberBox(kControls[i + 1].which);
        if (upDown != beforeBox) return false;
    }
    return true;
}

static_assert(std::size(kControls) == ControlCount && rowsInEnumOrder(kControls),
              "row i of kControls must be control i");
static_assert(upDownsPrecedeTheirBoxes(), "each up-down must come right before its number box");

constexpr WindowLook kLook{kMainClass, "Rosterlom", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, {530, 290}};

constexpr char kAssignCaption[] = "배  정";
constexpr char kShowResultCaption[] = "결과 보기";
constexpr char kInitialNumber[] = "4";
constexpr int kNumberMin = 1;
constexpr int kNumberMax = 8;
constexpr int kNumberTextCapacity = 50;  // at most 49 characters are read

HWND gControls[ControlCount] = {};
HBRUSH gWhiteBrush = nullptr;

HWND control(Control which) { return gControls[which]; }

void enable(Control which, bool on) { EnableWindow(control(which), on ? TRUE : FALSE); }

bool isChecked(Control which) { return SendMessageA(control(which), BM_GETCHECK, 0, 0) == BST_CHECKED; }

// The engine's view of this window: the lists, options and number boxes are
// read straight from the controls at assign time.
class ControlHost : public Host {
public:
    int listCount(ListKind list) override {
        return ui::listCount(listControl(list));
    }

    std::string_view listText(ListKind list, int index) override {
        HWND box = listControl(list);
        const LRESULT length = SendMessageA(box, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length == LB_ERR) return buffer_.assign("");
        buffer_.assign(static_cast<std::size_t>(length) + 1, '\0');
        SendMessageA(box, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer_.data()));
        buffer_.resize(static_cast<std::size_t>(length));
        return buffer_;
    }

    int checkState(Option option) override {
        static constexpr Control kSources[] = {MapCheck, EqualMapsCheck, TournamentButton, SpreadCheck};
        return static_cast<int>(SendMessageA(control(kSources[static_cast<int>(option)]), BM_GETCHECK, 0, 0));
    }

    std::string_view numberFieldText(NumberField field) override {
        char text[kNumberTextCapacity] = {};
        GetWindowTextA(control(field == NumberField::GroupCount ? GroupCountBox : GroupSizeBox), text, sizeof text);
        return buffer_.assign(text);
    }

    void showMessage(int stringId) override { showStringBox(mainWindow(), stringId, MB_OK); }

    void reportAllocationFailure() override {
        MessageBoxA(mainWindow(), "ERROR", "Fail to Memory Allocation", MB_OK);
    }

    // The event file keeps the clock a draw was seeded from. Within one draw
    // every shuffle reads the same second, so that one seed repeats the whole
    // draw even when the clock ticks between its shuffles.
    std::uint32_t now() override {
        if (!inDraw_ || !clockRead_)
            lastClock_ = fixedClock_ ? *fixedClock_ : static_cast<std::uint32_t>(std::time(nullptr));
        clockRead_ = true;
        return lastClock_;
    }
    void beginDraw() { inDraw_ = true, clockRead_ = false; }
    void endDraw() { inDraw_ = false; }

    std::optional<std::uint32_t> fixedClock_;

private:
    std::uint32_t lastClock_ = 0;
    bool inDraw_ = false;
    bool clockRead_ = false;

    static HWND listControl(ListKind list) {
        return control(list == ListKind::Participants ? ParticipantList : MapList);
    }

    std::string buffer_;
};

ControlHost gHost;

// The up-down created just before a number box takes it as buddy and keeps
// its value within the group limits.
void attachUpDown(HWND upDown, HWND box) {
    SendMessageA(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(box), 0);
    SendMessageA(upDown, UDM_SETRANGE, 0, MAKELPARAM(kNumberMax, kNumberMin));
}

bool createControls(HWND window) {
    for (int i = 0; i < ControlCount; ++i) {
        gControls[i] = createControl(window, kControls[i].layout);
        if (!gControls[i]) return false;
        if (isNumberBox(kControls[i].which)) attachUpDown(gControls[i - 1], gControls[i]);
    }
    return true;
}

void setMapInputs(bool on) {
    enable(MapField, on);
    enable(MapList, on);
    enable(EqualMapsCheck, on);
}

// Only an assignment can be saved.
void enableSaveCommand(bool on) {
    EnableMenuItem(GetSystemMenu(GetParent(control(AssignButton)), FALSE), IDM_SAVE_EVENT,
                   MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

void lockAssignmentInputs(bool lock) {
    enableSaveCommand(lock);
    SetWindowTextA(control(AssignButton), lock ? kShowResultCaption : kAssignCaption);
    for (Control input : {ParticipantField, ParticipantList, MapCheck}) enable(input, !lock);
    if (lock)
        setMapInputs(false);
    else if (isChecked(MapCheck))
        setMapInputs(true);
    for (Control input : {GroupCountUpDown, GroupSizeUpDown, LeagueButton, TournamentButton, SpreadCheck})
        enable(input, !lock);
}

// What setInputStates switches: the map list's inputs, or every input that
// an assignment locks.
enum class Inputs { Maps, AssignmentLock };

void setInputStates(Inputs inputs, bool on) {
    switch (inputs) {
    case Inputs::Maps: setMapInputs(on); break;
    case Inputs::AssignmentLock: lockAssignmentInputs(on); break;
    }
}

// The event's commands live in the system menu, so that the designed window
// keeps its face; their letters are ones the system's own items leave free:
// Windows takes R, M, S, N, X and C, and Wine adds "Wine 정보(&A)".
void addEventCommands(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_OPEN_EVENT, "대회 열기(&O)...");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, IDM_SAVE_EVENT, "대회 저장(&V)...");
}

// The settings' controls as an event's settings had them.
void showSettings(const Settings& settings) {
    const auto check = [](Control which, bool on) {
        SendMessageA(control(which), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    };
    check(MapCheck, settings.mapsEnabled);
    check(EqualMapsCheck, settings.equalMaps);
    check(SpreadCheck, settings.spreadVacancies);
    check(LeagueButton, !settings.tournament());
    check(TournamentButton, settings.tournament());
    const std::pair<Control, int> numbers[] = {{GroupCountUpDown, settings.groupCount},
                                               {GroupSizeUpDown, settings.groupSize}};
    for (const auto& [upDown, value] : numbers) {
        SendMessageA(control(upDown), UDM_SETPOS32, 0, value);
        SetWindowTextA(control(static_cast<Control>(upDown + 1)), std::to_string(value).c_str());
    }
}

void fillList(Control list, const std::vector<std::string>& names) {
    SendMessageA(control(list), LB_RESETCONTENT, 0, 0);
    for (const std::string& name : names)
        SendMessageA(control(list), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

// The next draw's choices put in place: the value, the pots and tags on the
// listed participants, and the format window if it is open.
void takeDrawChoices(const event::DrawChoices& choices) {
    nextDraw() = choices;
    restoreSeeding(choices.seeding);
    restoreRosters(choices.teams);
    chooseDual(choices.format.dual);
}

// --- handlers

LRESULT onCreate(HWND window) {
    placeWindow(window, kLook.client, kLook.style);
    if (!registerEntryFieldClass()) return -1;
    InitCommonControls();
    if (!createControls(window)) return -1;
    SendMessageA(control(EqualMapsCheck), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(control(SpreadCheck), BM_SETCHECK, BST_CHECKED, 0);
    CheckRadioButton(window, IDC_LEAGUE, IDC_TOURNAMENT, IDC_LEAGUE);
    setInputStates(Inputs::Maps, false);
    setInputStates(Inputs::AssignmentLock, false);
    refreshListCaptions();
    SetWindowTextA(control(GroupCountBox), kInitialNumber);
    SetWindowTextA(control(GroupSizeBox), kInitialNumber);
    if (!gWhiteBrush) gWhiteBrush = CreateSolidBrush(RGB(255, 255, 255));
    addEventCommands(window);
    DragAcceptFiles(window, TRUE);
    beginEventSession();
    addSeedingCommand(window);
    addFormatCommand(window);
    addPlacementCommand(window);
    addRosterCommand(window);
    takeDrawChoices({});  // a new window starts with a plain draw, as its empty list does
    SetFocus(control(ParticipantField));
    return 0;
}

void onDestroy() {
    letEventGo();
    releaseAutosaveSlot();
    releaseHelpText();  // the program's end: the help text goes with the assignment
    PostQuitMessage(0);
}

// The next draw's choices as the format and seeding windows hold them, the
// pots, tags and races as they ride on the participant list's entries. The
// races belong to every event, the pots and tags to a seeded draw only.
event::DrawChoices choicesAtDraw() {
    event::DrawChoices choices = nextDraw();
    choices.seeding = currentSeeding();
    if (!choices.seeded) choices.seeding = Seeding{{}, {}, std::move(choices.seeding.races)};
    if (choices.teams) choices.teams->rosters = currentRosters(), choices.teams->races = currentRosterRaces();
    return choices;
}

// False when there is no assignment to show: the engine said why, or memory
// ran out and the program is ending.
bool assignNow(HWND window) {
    if (nextDraw().teams && !rostersComplete(window)) return false;
    gHost.beginDraw();
    event::DrawOutcome drawn = event::drawEvent(gHost, choicesAtDraw());
    gHost.endDraw();
    if (drawn.refusal.stringId) MessageBoxA(mainWindow(), seedRefusalText(drawn.refusal).c_str(), STR_APP_CAPTION, MB_OK);
    switch (drawn.outcome) {
    case AssignOutcome::Rejected:
        return false;  // the message has been shown
    case AssignOutcome::OutOfMemory:
        // The box has been shown; the program ends and nothing more may
        // touch this window or the (empty) assignment.
        DestroyWindow(window);
        return false;
    case AssignOutcome::Assigned:
        break;
    }
    setInputStates(Inputs::AssignmentLock, true);
    drawn.event.drawnAt = drawTimeText(drawn.event.seed);
    takeEvent(window, std::move(drawn.event));
    return true;
}

// The result window is open only while an assignment stands, so pressed
// again the button just brings that window back.
void onAssign(HWND window) {
    if (!assignment().assigned() && !assignNow(window)) return;
    showResultWindow(window);
}

void onMapCheck() {
    const bool on = isChecked(MapCheck);
    setInputStates(Inputs::Maps, on);
    if (on) SetFocus(control(MapField));
}

LRESULT onCommand(HWND window, WPARAM wParam) {
    if (HIWORD(wParam) != 0) return 0;  // only clicks
    switch (LOWORD(wParam)) {
    case IDC_ASSIGN: onAssign(window); break;
    case IDC_EXIT: DestroyWindow(window); break;
    case IDC_HELP: showHelpWindow(window); break;
    case IDC_MAPS_CHECK: onMapCheck(); break;
    case IDC_LEAGUE: chooseDual(false); break;  // a dual tournament is a knock-out
    }
    return 0;
}

LRESULT onSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    switch (wParam & 0xFFF0) {
    case IDM_OPEN_EVENT: openEventWithDialog(window); return 0;
    case IDM_SAVE_EVENT: if (assignment().assigned()) saveEventWithDialog(window); return 0;
    case IDM_SEEDING: showSeedingWindow(window); return 0;
    case IDM_FORMAT: showFormatWindow(window); return 0;
    case IDM_PLACEMENT: showPlacementWindow(window); return 0;
    case IDM_ROSTERS: showRosterWindow(window); return 0;
    }
    return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
}

// A file dropped on the window opens as if chosen in the open dialog; of
// several, the first.
LRESULT onDropFiles(HWND window, WPARAM wParam) {
    const auto drop = reinterpret_cast<HDROP>(wParam);
    std::wstring path(DragQueryFileW(drop, 0, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size())));
    DragFinish(drop);
    if (!path.empty()) openEventFile(window, path);
    return 0;
}

LRESULT onCtlColorStatic(HWND window, WPARAM wParam, LPARAM lParam) {
    const auto box = reinterpret_cast<HWND>(lParam);
    if (box == control(GroupCountBox) || box == control(GroupSizeBox)) return reinterpret_cast<LRESULT>(gWhiteBrush);
    return DefWindowProcA(window, WM_CTLCOLORSTATIC, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_DESTROY: onDestroy(); return 0;
    case WM_VKEYTOITEM: return onListKey(reinterpret_cast<HWND>(lParam), wParam);
    case WM_COMMAND: return onCommand(window, wParam);
    case WM_SYSCOMMAND: return onSysCommand(window, wParam, lParam);
    case WM_DROPFILES: return onDropFiles(window, wParam);
    case WM_CTLCOLORSTATIC: return onCtlColorStatic(window, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND createMainWindow() {
    return CreateWindowExA(0, kLook.className, kLook.title, kLook.style, 0, 0, 0, 0, nullptr, nullptr,
                           appInstance(), nullptr);
}

Host& host() { return gHost; }
HBRUSH whiteBrush() { return gWhiteBrush; }
void setClockForTesting(std::optional<std::uint32_t> clock) { gHost.fixedClock_ = clock; }

void cancelAssignment(HWND resultWindow) {
    removeAutosave();
    letEventGo();
    setInputStates(Inputs::AssignmentLock, false);
    DestroyWindow(resultWindow);
}

void chooseTournament() {
    CheckRadioButton(GetParent(control(LeagueButton)), IDC_LEAGUE, IDC_TOURNAMENT, IDC_TOURNAMENT);
}

std::vector<std::string> participantNames() {
    std::vector<std::string> names;
    for (int i = 0; i < gHost.listCount(ListKind::Participants); ++i) names.emplace_back(gHost.listText(ListKind::Participants, i));
    return names;
}

bool listsHoldNames() { return listCount(control(ParticipantList)) > 0 || listCount(control(MapList)) > 0; }

void showEventInputs(const event::Event& event) {
    // The lists are what the draw was drawn from; a replacement's new player came after it.
    const event::Event drawn = event::drawnEvent(event);
    fillList(ParticipantList, drawn.participants);
    fillList(MapList, event.maps);
    event::DrawChoices choices = event::drawChoices(drawn);
    // The rule a new draw starts with stays the window's: an opened event's
    // own is changed on the event.
    choices.withdrawalRule = nextDraw().withdrawalRule;
    takeDrawChoices(choices);
    refreshListCaptions();
    showSettings(event.state.settings);
    setInputStates(Inputs::AssignmentLock, true);
}

void refreshListCaptions() {
    char caption[64];
    wsprintfA(caption, "참가자 등록 (%d)", gHost.listCount(ListKind::Participants));
    SetWindowTextA(control(ParticipantBox), caption);
    wsprintfA(caption, "맵 등록 (%d)", gHost.listCount(ListKind::Maps));
    SetWindowTextA(control(MapCheck), caption);
}

}  // namespace rl::ui
