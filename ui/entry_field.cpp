#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "ui/app.h"
#include "engine/limits.h"
#include "resources/ids.h"

namespace rl::ui {
namespace {

struct ListTarget {
    int fieldId;
    int listId;
    int limit;
};

constexpr ListTarget kTargets[] = {
    {IDC_PARTICIPANT_FIELD, IDC_PARTICIPANT_LIST, static_cast<int>(kMaxParticipants)},
    {IDC_MAP_FIELD, IDC_MAP_LIST, static_cast<int>(kMaxMaps)},
};

constexpr char kLimitReached[] = "등록 초과";
constexpr int kMaxSelection = static_cast<int>(kMaxParticipants);

WNDPROC gEditProcedure = nullptr;

const ListTarget* targetOf(HWND field) {
    const int id = GetDlgCtrlID(field);
    for (const ListTarget& target : kTargets)
        if (target.fieldId == id) return &target;
    return nullptr;
}

LRESULT passOn(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(gEditProcedure, field, message, wParam, lParam);
}

// At most 49 bytes, and never half a character: a cut that would fall inside
// a double-byte character drops it whole. Only a walk from the start knows
// which bytes are lead bytes.
std::string wholeCharactersOf(const std::string& text) {
    const char* start = text.c_str();
    const char* end = start;
    for (const char* next = CharNextA(end); next != end; next = CharNextA(end)) {
        if (static_cast<std::size_t>(next - start) > kMaxNameBytes) break;
        end = next;
    }
    return std::string(start, end);
}

std::string fieldText(HWND field) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(field)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(field, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool isFull(HWND list, const ListTarget& target) { return listCount(list) >= target.limit; }

void showLimitReached(HWND field) {
    SetWindowTextA(field, kLimitReached);
    SendMessageA(field, EM_SETSEL, 0, -1);
}

void addEntry(HWND list, const std::string& text) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wholeCharactersOf(text).c_str()));
}

void showLastEntry(HWND list) {
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(listCount(list) - 1), 0);
}

LRESULT onEnter(HWND field, const ListTarget& target, WPARAM wParam, LPARAM lParam) {
    HWND list = GetDlgItem(GetParent(field), target.listId);
    if (isFull(list, target)) {
        showLimitReached(field);
        return 0;
    }
    const std::string text = fieldText(field);
    if (nameCharacterProblem(text) != TextProblem::None) return passOn(field, WM_KEYDOWN, wParam, lParam);
    addEntry(list, text);
    showLastEntry(list);
    SetWindowTextA(field, "");
    refreshListCaptions();
    return 0;
}

// The clipboard's CF_TEXT, or nothing when there is none to be had.
std::string clipboardText(HWND owner) {
    std::string text;
    if (!OpenClipboard(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            text.assign(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// A line of a pasted list: the name up to its first tab, so that a
// spreadsheet row gives its first cell; the next three cells are a seeded
// draw's pot, tag and race.
struct PastedRow {
    std::string name;
    PastedMarks marks;
};

std::string nextCell(std::string& rest) {
    const std::size_t tab = rest.find('\t');
    std::string cell = rest.substr(0, tab);
    rest = tab == std::string::npos ? std::string() : rest.substr(tab + 1);
    return cell;
}

std::vector<PastedRow> pastedLines(const std::string& text) {
    std::vector<PastedRow> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        std::string rest = text.substr(start, end - start);
        PastedRow row;
        row.name = nextCell(rest);
        row.marks.pot = nextCell(rest);
        row.marks.tag = nextCell(rest);
        row.marks.race = nextCell(rest);
        lines.push_back(std::move(row));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// A list of names pasted at once goes in as if each line had been typed and
// entered; a single line is the edit control's own paste.
LRESULT onPaste(HWND field, const ListTarget& target) {
    const std::string text = clipboardText(field);
    if (text.find_first_of("\r\n") == std::string::npos) return passOn(field, WM_PASTE, 0, 0);
    HWND list = GetDlgItem(GetParent(field), target.listId);
    std::vector<PastedRow> rows;
    for (PastedRow& row : pastedLines(text))
        if (nameCharacterProblem(row.name) == TextProblem::None) rows.push_back(std::move(row));
    const bool leftOver = listCount(list) + static_cast<int>(rows.size()) > target.limit;
    if (leftOver) rows.resize(static_cast<std::size_t>(std::max(0, target.limit - listCount(list))));
    // A cell that breaks the rule keeps the whole paste out, as typed.
    std::vector<PastedMarks> cells;
    for (const PastedRow& row : rows) cells.push_back(row.marks);
    if (target.listId == IDC_PARTICIPANT_LIST && !pastedMarksFit(GetParent(field), cells, listCount(list))) return 0;
    for (const PastedRow& row : rows) {
        addEntry(list, row.name);
        if (target.listId == IDC_PARTICIPANT_LIST) markPastedParticipant(list, listCount(list) - 1, row.marks);
    }
    if (leftOver)
        showLimitReached(field);
    else
        SetWindowTextA(field, "");
    showLastEntry(list);
    refreshListCaptions();
    return 0;
}

LRESULT CALLBACK entryFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        if (const ListTarget* target = targetOf(field)) return onEnter(field, *target, wParam, lParam);
    }
    if (message == WM_PASTE) {
        if (const ListTarget* target = targetOf(field)) return onPaste(field, *target);
    }
    return passOn(field, message, wParam, lParam);
}

}  // namespace

bool registerEntryFieldClass() {
    WNDCLASSA cls{};
    if (!GetClassInfoA(nullptr, "Edit", &cls)) return false;
    gEditProcedure = cls.lpfnWndProc;
    cls.hInstance = appInstance();
    cls.lpfnWndProc = entryFieldProc;
    cls.lpszClassName = kEntryFieldClass;
    return RegisterClassA(&cls) != 0;
}

LRESULT onListKey(HWND list, WPARAM wParam) {
    constexpr LRESULT kDefaultAction = -1;
    constexpr LRESULT kHandled = -2;
    if (LOWORD(wParam) != VK_DELETE) return kDefaultAction;
    const LRESULT selected = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
    if (selected <= 0) return kHandled;
    std::array<int, kMaxSelection> indexes{};
    const LRESULT count =
        SendMessageA(list, LB_GETSELITEMS, indexes.size(), reinterpret_cast<LPARAM>(indexes.data()));
    // From the last to the first, so that the indexes still to go stay valid.
    for (LRESULT i = count - 1; i >= 0; --i)
        SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(indexes[static_cast<std::size_t>(i)]), 0);
    refreshListCaptions();
    return kHandled;
}

}  // namespace rl::ui
