// The placement window, opened from the main window's system menu: every
// registered participant given a group and a place by hand, typed or pasted
// as GROUP<TAB>NAME lines (the command line's --placement, its rules and
// words), checked when it is taken; then "배정" places instead of drawing.
// The taken placement is its share of nextDraw. Modal to the main window, it
// moves like a dialog from the keyboard.
#include <iterator>
#include <string>
#include <vector>

#include "event/placement.h"
#include "platform/encoding.h"
#include "resources/placement.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

constexpr char kPlacementClass[] = "PlacementWnd";
constexpr DWORD kRowsStyle = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT;

enum Control {
    NameHeading, GroupHeading, OrderHeading, ParticipantRows, GroupLabel, GroupField, OrderLabel, OrderField,
    ApplyButton, PasteButton, StateLine, TakeButton, DropButton, CloseButton, ControlCount
};

constexpr ControlRow<Control> kControls[] = {
    {NameHeading, {"Static", "참가자", 0, SS_LEFT, 24, 12, 150, 18, -1}},
    {GroupHeading, {"Static", "조", 0, SS_LEFT, 222, 12, 40, 18, -1}},
    {OrderHeading, {"Static", "순서", 0, SS_LEFT, 282, 12, 50, 18, -1}},
    {ParticipantRows, {"ListBox", nullptr, WS_EX_STATICEDGE, kRowsStyle, 20, 30, 360, 200, IDC_PLACEMENT_LIST}},
    {GroupLabel, {"Static", "조:", 0, SS_LEFT, 20, 247, 25, 20, -1}},
    {GroupField, {"Edit", "", WS_EX_CLIENTEDGE, ES_UPPERCASE | ES_CENTER | WS_TABSTOP, 46, 243, 32, 24, IDC_PLACEMENT_GROUP}},
    {OrderLabel, {"Static", "순서:", 0, SS_LEFT, 88, 247, 40, 20, -1}},
    {OrderField, {"Edit", "", WS_EX_CLIENTEDGE, ES_NUMBER | ES_CENTER | WS_TABSTOP, 130, 243, 36, 24, IDC_PLACEMENT_ORDER}},
    {ApplyButton, {"Button", "적용", 0, WS_TABSTOP, 176, 242, 60, 26, IDC_PLACEMENT_APPLY}},
    {PasteButton, {"Button", "붙여넣기(&P)", 0, WS_TABSTOP, 246, 242, 134, 26, IDC_PLACEMENT_PASTE}},
    {StateLine, {"Static", "", 0, SS_LEFTNOWORDWRAP, 20, 282, 360, 20, IDC_PLACEMENT_STATE}},
    {TakeButton, {"Button", "편성 사용(&U)", 0, WS_TABSTOP, 20, 312, 120, 26, IDC_PLACEMENT_TAKE}},
    {DropButton, {"Button", "편성 해제(&R)", 0, WS_TABSTOP, 150, 312, 120, 26, IDC_PLACEMENT_DROP}},
    {CloseButton, {"Button", "닫기", 0, WS_TABSTOP, 310, 312, 70, 26, IDC_PLACEMENT_CLOSE}},
};
static_assert(std::size(kControls) == ControlCount && rowsInEnumOrder(kControls), "row i of kControls must be control i");
constexpr WindowLook kLook{kPlacementClass, "조 직접 편성", WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, {400, 352}};

HWND gWindow = nullptr;
HWND gFocus = nullptr;
// The marks being edited, for the list they were made for.
std::vector<std::string> gNames;
std::vector<event::PlaceMark> gMarks;

const event::PlacementCodec& codec() {
    static const event::PlacementCodec kCodec{platform::isValidUtf8, platform::utf8ToCp949, platform::cp949ToUtf8};
    return kCodec;
}

HWND control(Control which) { return GetDlgItem(gWindow, kControls[which].layout.id); }

// The groups and places the main window's number fields hold now; 0 while one holds no number.
int numberField(NumberField field) {
    const std::string text(host().numberFieldText(field));
    const bool digits = !text.empty() && text.size() <= 2 && text.find_first_not_of("0123456789") == std::string::npos;
    return digits ? std::stoi(text) : 0;
}

void followList() { followNames(participantNames(), gNames, gMarks); }

// The taken placement's marks, when it was made for this list.
void marksFromTaken() {
    const std::optional<Placement>& taken = nextDraw().placement;
    if (!taken || taken->participants != participantNames()) return;
    gNames = taken->participants;
    gMarks.assign(gNames.size(), {});
    for (std::size_t g = 0; g < taken->groups.size(); ++g)
        for (std::size_t p = 0; p < taken->groups[g].size(); ++p)
            gMarks[static_cast<std::size_t>(taken->groups[g][p])] = {static_cast<int>(g), static_cast<int>(p) + 1};
}

void tell(const std::string& utf8) {
    showTextBox(gWindow, platform::utf8ToCp949(utf8).value_or(utf8), MB_OK);
}

std::string rowText(std::size_t i) {
    const event::PlaceMark& m = gMarks[i];
    if (m.group < 0) return gNames[i] + "\t-\t-";
    return gNames[i] + "\t" + std::string(1, static_cast<char>('A' + m.group)) + "\t" + std::to_string(m.place);
}

int chosenRow() { return static_cast<int>(SendMessageA(control(ParticipantRows), LB_GETCURSEL, 0, 0)); }

void showChosenMark() {
    const int row = chosenRow();
    const event::PlaceMark m = row >= 0 && static_cast<std::size_t>(row) < gMarks.size() ? gMarks[static_cast<std::size_t>(row)] : event::PlaceMark{};
    SetWindowTextA(control(GroupField), m.group < 0 ? "" : std::string(1, static_cast<char>('A' + m.group)).c_str());
    SetWindowTextA(control(OrderField), m.group < 0 ? "" : std::to_string(m.place).c_str());
}

// While an assignment stands its groups are the ones it has.
void refresh(int row) {
    followList();
    HWND rows = control(ParticipantRows);
    SendMessageA(rows, LB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < gNames.size(); ++i) SendMessageA(rows, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(rowText(i).c_str()));
    SendMessageA(rows, LB_SETCURSEL, static_cast<WPARAM>(row < 0 ? 0 : row), 0);
    const bool open = !assignment().assigned();
    for (Control input : {GroupField, OrderField, ApplyButton, PasteButton, TakeButton, DropButton}) EnableWindow(control(input), open);
    SetWindowTextA(control(StateLine), nextDraw().placement ? "배정: 직접 편성한 조 그대로" : "배정: 추첨");
    showChosenMark();
}

std::string fieldText(Control which) {
    char text[64] = {};
    GetWindowTextA(control(which), text, sizeof text);
    return text;
}

// An empty group takes the mark away; an empty place is the group's next one.
void onApply() {
    const int row = chosenRow();
    if (assignment().assigned() || row < 0) return;
    int group = -1;
    event::PlacementFault fault = event::groupOfLetter(fieldText(GroupField), numberField(NumberField::GroupCount), group);
    if (!fault.ok()) return tell(event::koreanPlacementFault(fault));
    event::PlaceMark mark{group, 0};
    const std::string order = fieldText(OrderField);
    if (group >= 0 && order.empty())
        for (const event::PlaceMark& m : gMarks) mark.place = m.group == group ? std::max(mark.place, m.place) : mark.place;
    mark.place = group < 0 ? 0 : order.empty() ? mark.place + 1 : std::atoi(order.c_str());
    const int size = numberField(NumberField::GroupSize);
    if (group >= 0 && (mark.place < 1 || mark.place > size)) {
        fault.problem = event::PlacementProblem::PlaceRange, fault.group = group, fault.limit = size;
        return tell(event::koreanPlacementFault(fault));
    }
    gMarks[static_cast<std::size_t>(row)] = mark;
    refresh(row + 1 < static_cast<int>(gMarks.size()) ? row + 1 : row);
}

std::string clipboardText() {
    std::string text;
    if (!OpenClipboard(gWindow)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) text = bytes;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

std::string atLine(const event::PlacementFault& fault) {
    return std::to_string(fault.line) + u8"번째 줄: " + event::koreanPlacementFault(fault);
}

// Pasted lines give the groups anew; the participants they do not name keep none.
void onPaste() {
    if (assignment().assigned()) return;
    const auto utf8 = platform::cp949ToUtf8(clipboardText());
    const event::PlacementText text = event::readPlacementText(utf8.value_or(""), numberField(NumberField::GroupCount),
                                                               numberField(NumberField::GroupSize), codec());
    if (!text.fault.ok()) return tell(atLine(text.fault));
    std::vector<event::PlaceMark> marks;
    const event::PlacementFault fault = event::marksFromText(text, gNames, codec(), marks);
    if (!fault.ok()) return tell(atLine(fault));
    gMarks = std::move(marks);
    refresh(0);
}

// Checked whole before it is taken: the next draw places these groups.
void onTake() {
    if (assignment().assigned()) return;
    Placement placement;
    const event::PlacementFault fault = event::placementFromMarks(gMarks, gNames, numberField(NumberField::GroupCount),
                                                                  numberField(NumberField::GroupSize), codec(), placement);
    if (!fault.ok()) return tell(event::koreanPlacementFault(fault));
    if (nextDraw().seeded && currentSeeding().any()) {
        showStringBox(gWindow, IDS_PLACEMENT_SEEDED, MB_OK);
        return;
    }
    nextDraw().placement = std::move(placement);
    DestroyWindow(gWindow);
}

void onDrop() {
    if (assignment().assigned()) return;
    nextDraw().placement.reset();
    gMarks.assign(gNames.size(), {});
    refresh(0);
}

bool createControls(HWND window) {
    if (!createRows(window, kControls)) return false;
    SendMessageA(GetDlgItem(window, IDC_PLACEMENT_GROUP), EM_LIMITTEXT, 2, 0);
    SendMessageA(GetDlgItem(window, IDC_PLACEMENT_ORDER), EM_LIMITTEXT, 2, 0);
    alignTabStops(GetDlgItem(window, IDC_PLACEMENT_LIST), {kControls[GroupHeading].layout.x, kControls[OrderHeading].layout.x});
    return true;
}

LRESULT onCreate(HWND window) {
    gWindow = window;
    placeWindow(window, kLook.client, kLook.style);
    if (!createControls(window)) return -1;
    marksFromTaken();
    refresh(0);
    return 0;
}

LRESULT onCommand(WPARAM wParam) {
    if (LOWORD(wParam) == IDC_PLACEMENT_LIST) {
        if (HIWORD(wParam) == LBN_SELCHANGE) showChosenMark();
        return 0;
    }
    if (HIWORD(wParam) != BN_CLICKED) return 0;
    switch (LOWORD(wParam)) {
    case IDC_PLACEMENT_APPLY: onApply(); break;
    case IDC_PLACEMENT_PASTE: onPaste(); break;
    case IDC_PLACEMENT_TAKE: onTake(); break;
    case IDC_PLACEMENT_DROP: onDrop(); break;
    case IDC_PLACEMENT_CLOSE:
    case IDCANCEL: DestroyWindow(gWindow); break;
    }
    return 0;
}

LRESULT CALLBACK placementWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_DESTROY: onModalClosing(window, gWindow); return 0;
    case WM_COMMAND: return onCommand(wParam);
    case DM_GETDEFID: return MAKELRESULT(IDC_PLACEMENT_APPLY, DC_HASDEFID);
    case WM_ACTIVATE: return keepModalFocus(window, wParam, gFocus, IDC_PLACEMENT_LIST);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

void addPlacementCommand(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu) AppendMenuA(menu, MF_STRING, IDM_PLACEMENT, "조 직접 편성(&G)...");
}

void showPlacementWindow(HWND owner) {
    if (openModal(gWindow, owner, kLook, placementWindowProc)) SetFocus(GetDlgItem(gWindow, IDC_PLACEMENT_LIST));
}

}  // namespace rl::ui
