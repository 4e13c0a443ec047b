#include <array>

#include "ui/app.h"
#include "resources/ids.h"

namespace rl::ui {
namespace {

struct ListTarget {
    int fieldId;
    int listId;
    int limit;
    int captionFlag;
};

constexpr ListTarget kTargets[] = {
    {IDC_PARTICIPANT_FIELD, IDC_PARTICIPANT_LIST, 128, kParticipantCaption},
    {IDC_MAP_FIELD, IDC_MAP_LIST, 10, kMapCaption},
};

constexpr char kLimitReached[] = "등록 초과";
constexpr int kEntryCapacity = 50;  // at most 49 bytes of a name are taken
constexpr int kMaxSelection = 128;

WNDPROC gEditProcedure = nullptr;

const ListTarget* targetOf(HWND field) {
    const int id = GetDlgCtrlID(field);
    for (const ListTarget& target : kTargets)
        if (target.fieldId == id) return &target;
    return nullptr;
}

// Only the first byte is looked at, and a DBCS lead byte is never blank.
bool startsWithWhiteSpace(const char* text) {
    switch (text[0]) {
    case ' ': case '\t': case '\n': case '\v': case '\f': case '\r': return true;
    default: return false;
    }
}

LRESULT passOn(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(gEditProcedure, field, message, wParam, lParam);
}

LRESULT onEnter(HWND field, const ListTarget& target, WPARAM wParam, LPARAM lParam) {
    HWND list = GetDlgItem(GetParent(field), target.listId);
    if (listCount(list) >= target.limit) {
        SetWindowTextA(field, kLimitReached);
        SendMessageA(field, EM_SETSEL, 0, -1);
        return 0;
    }
    char text[kEntryCapacity] = {};
    GetWindowTextA(field, text, sizeof text);
    if (text[0] == '\0' || startsWithWhiteSpace(text)) return passOn(field, WM_KEYDOWN, wParam, lParam);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(listCount(list) - 1), 0);
    SetWindowTextA(field, "");
    refreshListCaptions(target.captionFlag);
    return 0;
}

LRESULT CALLBACK entryFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        if (const ListTarget* target = targetOf(field)) return onEnter(field, *target, wParam, lParam);
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
    refreshListCaptions(GetDlgCtrlID(list) == IDC_PARTICIPANT_LIST ? kParticipantCaption : kMapCaption);
    return kHandled;
}

}  // namespace rl::ui
