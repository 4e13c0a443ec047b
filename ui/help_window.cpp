// The help window: a borderless-captioned popup dragged by its body, with the
// built-in help text, a close button and the title and credit lines.
#include <windowsx.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "resources/ids.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

constexpr char kTitleLine[] = "조 배정 프로그램 Rosterloom " ROSTERLOOM_VERSION;
constexpr char kCreditText[] =
    "\r\n\r\n"
    "2006. 03. 04. Sat.\r\n"
    "만든 이: Rosterloom 개발 모임\r\n"
    "\r\n"
    "후원: 동네 게임 동호회";

constexpr ControlLayout kHelpEdit{"Edit", nullptr, WS_EX_CLIENTEDGE, WS_VSCROLL | ES_MULTILINE | ES_READONLY,
                                  20, 30, 460, 280, IDC_HELP_EDIT};
constexpr ControlLayout kCloseButton{"Button", "닫기", 0, BS_PUSHBUTTON, 400, 400, 80, 30, IDC_CLOSE_HELP};
// Its text, the title and credit lines, is put together at creation.
constexpr ControlLayout kAboutText{"Edit", nullptr, 0, ES_MULTILINE | ES_READONLY, 20, 330, 290, 100, -1};

constexpr WindowLook kLook{kHelpClass, "Rosterloom::Help", WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU,
                           {500, 450}};

// The help edit's scroll bar, in pixels from the help window's outer
// top-left corner; both ends belong to it.
constexpr int kBandLeft = 465;
constexpr int kBandRight = 481;
constexpr int kBandTop = 30;
constexpr int kBandBottom = 310;

HWND gHelpWindow = nullptr;
// Loaded at the first opening, kept until the program ends; ends in a 0 byte.
std::vector<char> gHelpTextBuffer;
// At most one help window is open, so its font and the edit's own procedure
// can live here.
WNDPROC gPreviousEditProc = nullptr;
HFONT gHelpFont = nullptr;

std::string aboutText() { return std::string(kTitleLine) + kCreditText; }

// Only the scroll bar answers the mouse; elsewhere the press falls through to
// the window, which treats it as its title bar.
LRESULT CALLBACK helpEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_NCHITTEST) return CallWindowProcA(gPreviousEditProc, edit, message, wParam, lParam);
    RECT frame{};
    GetWindowRect(GetParent(edit), &frame);
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    const bool inBand = x >= frame.left + kBandLeft && x <= frame.left + kBandRight &&
                        y >= frame.top + kBandTop && y <= frame.top + kBandBottom;
    return inBand ? HTVSCROLL : HTTRANSPARENT;
}

HFONT createHelpFont() {
    return CreateFontA(15, 0, 0, 0, 0, FALSE, FALSE, FALSE, HANGEUL_CHARSET, OUT_STROKE_PRECIS,
                       CLIP_STROKE_PRECIS, DRAFT_QUALITY, VARIABLE_PITCH | FF_ROMAN, "굴림");
}

// A missing or unreadable resource leaves the buffer absent (and the edit
// empty); the next opening tries again. False only when memory ran out.
bool loadHelpText() {
    HRSRC resource = FindResourceA(appInstance(), MAKEINTRESOURCEA(IDR_HELP_TEXT), "TEXT");
    if (!resource) return true;
    const DWORD size = SizeofResource(appInstance(), resource);
    HGLOBAL loaded = LoadResource(appInstance(), resource);
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (!bytes || size == 0) return true;
    std::vector<char> buffer;
    if (!allocateZeroed(host(), buffer, static_cast<std::int32_t>(size) + 1)) return false;
    std::copy(bytes, bytes + size, buffer.begin());
    gHelpTextBuffer = std::move(buffer);
    return true;
}

LRESULT onCreate(HWND window) {
    placeWindow(window, kLook.client, kLook.style);
    HWND edit = createControl(window, kHelpEdit);
    if (!edit) return -1;
    gPreviousEditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(helpEditProc)));
    gHelpFont = createHelpFont();
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(gHelpFont), TRUE);
    createControl(window, kCloseButton);
    createControl(window, kAboutText, aboutText().c_str());
    if (gHelpTextBuffer.empty() && !loadHelpText()) {
        // Out of memory ends the program, as every failed allocation does.
        if (mainWindow()) DestroyWindow(mainWindow());
        return 0;
    }
    if (!gHelpTextBuffer.empty()) SetWindowTextA(edit, gHelpTextBuffer.data());
    return 0;
}

LRESULT onDestroy(HWND window) {
    HWND edit = GetDlgItem(window, IDC_HELP_EDIT);
    // Wine's edit control keeps its word-break table past its own end unless
    // its text changes: emptied, no opening leaves memory behind.
    if (edit) SetWindowTextA(edit, "");
    if (edit && gPreviousEditProc)
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gPreviousEditProc));
    gPreviousEditProc = nullptr;
    if (gHelpFont) DeleteObject(gHelpFont);
    gHelpFont = nullptr;
    gHelpWindow = nullptr;  // a later handle of the same value is not this window
    return 0;
}

// Dragging anywhere on the window moves it; only a scroll bar keeps its role.
LRESULT onNcHitTest(HWND window, WPARAM wParam, LPARAM lParam) {
    LRESULT hit = DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
    return hit == HTVSCROLL ? HTVSCROLL : HTCAPTION;
}

LRESULT onCommand(HWND window, WPARAM wParam) {
    if (HIWORD(wParam) == 0 && LOWORD(wParam) == IDC_CLOSE_HELP) DestroyWindow(window);
    return 0;
}

}  // namespace

LRESULT CALLBACK helpWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_DESTROY: return onDestroy(window);
    case WM_NCHITTEST: return onNcHitTest(window, wParam, lParam);
    case WM_COMMAND: return onCommand(window, wParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

void showHelpWindow(HWND owner) { openOrRecentre(gHelpWindow, owner, kLook); }

const char* helpText() { return gHelpTextBuffer.empty() ? nullptr : gHelpTextBuffer.data(); }

void releaseHelpText() { std::vector<char>().swap(gHelpTextBuffer); }

}  // namespace rl::ui
