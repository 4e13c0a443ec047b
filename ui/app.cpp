#include "ui/app.h"

#include <algorithm>
#include <string>
#include <vector>

#include "resources/ids.h"
#include "resources/strings.h"

namespace rl::ui {
namespace {

HINSTANCE gInstance = nullptr;
HWND gMainWindow = nullptr;
HWND gDialogWindow = nullptr;

bool registerMainClass() {
    WNDCLASSEXA cls{};
    cls.cbSize = sizeof cls;
    cls.style = CS_HREDRAW | CS_VREDRAW;
    cls.lpfnWndProc = mainWindowProc;
    cls.hInstance = gInstance;
    cls.hIcon = LoadIconA(gInstance, MAKEINTRESOURCEA(IDI_APP_ICON));
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = kMainClass;
    return RegisterClassExA(&cls) != 0;
}

bool registerPopupClass(const char* name, WNDPROC procedure) {
    WNDCLASSA cls{};
    cls.style = CS_HREDRAW | CS_VREDRAW;
    cls.lpfnWndProc = procedure;
    cls.hInstance = gInstance;
    cls.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = name;
    return RegisterClassA(&cls) != 0;
}

bool registerWindowClasses() {
    return registerMainClass() && registerPopupClass(kResultClass, resultWindowProc) &&
           registerPopupClass(kHelpClass, helpWindowProc);
}

void unregisterWindowClasses() {
    for (const char* name : {kHelpClass, kResultClass, kMainClass}) UnregisterClassA(name, gInstance);
}

// Without a window nobody would ever end the message loop, so a failed start
// is said and ends the program instead.
void reportStartFailure(const char* what) {
    MessageBoxA(nullptr, what, STR_APP_CAPTION, MB_OK | MB_ICONERROR);
}

RECT desktopClientRect() {
    RECT screen{};
    GetClientRect(GetDesktopWindow(), &screen);
    return screen;
}

}  // namespace

HINSTANCE appInstance() { return gInstance; }

bool ensurePopupClass(const char* name, WNDPROC procedure) {
    WNDCLASSA known{};
    if (GetClassInfoA(gInstance, name, &known)) return known.lpfnWndProc == procedure;
    return registerPopupClass(name, procedure);
}
HWND mainWindow() { return gMainWindow; }

HWND startApplication(HINSTANCE instance, int showCommand) {
    gInstance = instance;
    gMainWindow = nullptr;
    if (!registerWindowClasses()) {
        reportStartFailure("창 클래스를 등록할 수 없어 프로그램을 끝냅니다.");
        unregisterWindowClasses();
        return nullptr;
    }
    HWND window = createMainWindow();
    if (!window) {
        reportStartFailure("주 창을 만들 수 없어 프로그램을 끝냅니다.");
        unregisterWindowClasses();
        return nullptr;
    }
    ShowWindow(window, showCommand);
    gMainWindow = window;
    return window;
}

int runMessageLoop() {
    MSG message{};
    // GetMessageA answers -1 on a broken call; that ends the loop as well.
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (gDialogWindow && IsWindow(gDialogWindow) && IsDialogMessageA(gDialogWindow, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

void setDialogWindow(HWND window) { gDialogWindow = window; }

POINT placementFor(SIZE client) {
    const RECT screen = desktopClientRect();
    // Integer division truncates toward zero, as the placement wants; a
    // floating third would risk 169 instead of 170 under x87 precision.
    return POINT{(screen.right - screen.left - client.cx) / 2, (screen.bottom - screen.top - client.cy) / 3};
}

void placeWindow(HWND window, SIZE client, DWORD style) {
    RECT outer{0, 0, client.cx, client.cy};
    AdjustWindowRect(&outer, style, FALSE);
    const POINT at = placementFor(client);
    MoveWindow(window, at.x, at.y, outer.right - outer.left, outer.bottom - outer.top, FALSE);
}

HWND createControl(HWND parent, const ControlLayout& control) { return createControl(parent, control, control.text); }

HWND createControl(HWND parent, const ControlLayout& control, const char* text) {
    const auto id = static_cast<UINT_PTR>(control.id & 0xFFFF);
    return CreateWindowExA(control.exStyle, control.className, text, WS_CHILD | WS_VISIBLE | control.style,
                           control.x, control.y, control.width, control.height, parent,
                           reinterpret_cast<HMENU>(id), appInstance(), nullptr);
}

void recentreWindow(HWND window, SIZE client) {
    RECT outer{};
    GetWindowRect(window, &outer);
    const POINT at = placementFor(client);
    MoveWindow(window, at.x, at.y, outer.right - outer.left, outer.bottom - outer.top, TRUE);
}

bool isOpen(HWND window) { return window && IsWindow(window); }

void openOrRecentre(HWND& window, HWND owner, const WindowLook& look) {
    if (isOpen(window)) {
        recentreWindow(window, look.client);
        return;
    }
    window = CreateWindowExA(0, look.className, look.title, look.style, 0, 0, 0, 0, owner, nullptr,
                             appInstance(), nullptr);
}

void onModalClosing(HWND window, HWND& handle) {
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner) EnableWindow(owner, TRUE);
    setDialogWindow(nullptr);
    handle = nullptr;
    if (owner) SetActiveWindow(owner);
}

LRESULT keepModalFocus(HWND window, WPARAM wParam, HWND& remembered, int firstId) {
    HWND focus = GetFocus();
    if (LOWORD(wParam) == WA_INACTIVE && focus && IsChild(window, focus)) remembered = focus;
    else if (LOWORD(wParam) != WA_INACTIVE) SetFocus(IsChild(window, remembered) ? remembered : GetDlgItem(window, firstId));
    return 0;
}

LRESULT moveDialogFocus(HWND window, WPARAM wParam, LPARAM lParam) {
    HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(window, GetFocus(), wParam != 0);
    if (!next) return 0;
    SetFocus(next);
    if (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(next, EM_SETSEL, 0, -1);
    return 0;
}

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

std::string loadedString(int stringId) {
    char text[1024] = {};  // longer than any string of the table
    LoadStringA(appInstance(), static_cast<UINT>(stringId), text, sizeof text);
    return text;
}

int showTextBox(HWND owner, const std::string& text, UINT buttons) {
    return MessageBoxA(owner, text.c_str(), STR_APP_CAPTION, buttons);
}

int showStringBox(HWND owner, int stringId, UINT buttons) {
    return showTextBox(owner, loadedString(stringId), buttons);
}

int showStringBox(HWND owner, int stringId, UINT buttons, int number) {
    char text[1024] = {};  // as much as wsprintfA ever writes
    wsprintfA(text, loadedString(stringId).c_str(), number);
    return showTextBox(owner, text, buttons);
}

// The text goes in whole, whatever its length or its '%' signs.
int showStringBox(HWND owner, int stringId, UINT buttons, const std::string& text, int number) {
    const std::string format = loadedString(stringId);
    std::string shown;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const bool mark = format[i] == '%' && i + 1 < format.size();
        if (mark && format[i + 1] == 's') shown += text, ++i;
        else if (mark && format[i + 1] == 'd') shown += std::to_string(number), ++i;
        else shown += format[i];
    }
    return showTextBox(owner, shown, buttons);
}

int listCount(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }

// The list counts its tab stops in quarters of its font's average character
// width, which the font decides.
void alignTabStops(HWND list, std::initializer_list<int> headings) {
    HDC dc = GetDC(list);
    SIZE letters{};
    GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
    ReleaseDC(list, dc);
    const int quarter = std::max(1L, (letters.cx / 26 + 1) / 2);
    RECT client{};
    GetClientRect(list, &client);
    MapWindowPoints(list, GetParent(list), reinterpret_cast<POINT*>(&client), 2);
    std::vector<INT> stops;
    for (int x : headings) stops.push_back((x - client.left) * 4 / quarter);
    SendMessageA(list, LB_SETTABSTOPS, static_cast<WPARAM>(stops.size()), reinterpret_cast<LPARAM>(stops.data()));
}

}  // namespace rl::ui
