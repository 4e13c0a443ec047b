#pragma once
// Runs the window program in the test process: its own start-up code, its
// real windows driven with messages as a person would, every message box
// recorded and answered; and the golden dumps that pin each window's controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <deque>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "ui/app.h"  // windows.h first

#include <commctrl.h>
#include <dlgs.h>
#include <shlobj.h>

#include "resources/ids.h"
#include "resources/teams.h"

namespace rl::ui::test {

inline std::string windowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}
inline std::string className(HWND window) {
    char name[64] = {};
    return std::string(name, static_cast<std::size_t>(GetClassNameA(window, name, sizeof name)));
}
inline RECT windowRect(HWND window) {
    RECT rect{};
    return GetWindowRect(window, &rect), rect;
}
inline void pressKey(HWND window, WPARAM key) {
    SendMessageA(window, WM_KEYDOWN, key, 0);
    SendMessageA(window, WM_KEYUP, key, 0);
}
// A key pressed on a control of a window that the message loop gives a
// dialog's keys, as the loop hands it over.
inline bool dialogKey(HWND dialog, HWND focus, WPARAM key) {
    if (GetFocus() != focus) SetFocus(focus);
    MSG message{focus, WM_KEYDOWN, key, 0, 0, {}};
    return GetFocus() == focus && IsDialogMessageA(dialog, &message);
}
// A key with Alt, as the message loop hands it to a window of dialog keys.
inline bool altKey(HWND window, char letter) {
    MSG message{GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(letter), 1 << 29, 0, {}};
    return IsDialogMessageA(window, &message);
}
// Alt+letter to a dialog's chooser, then Down `steps` times from its first item.
inline void chooseByKeys(HWND window, char letter, int steps) {
    ASSERT_TRUE(altKey(window, letter));
    ASSERT_TRUE(dialogKey(window, GetFocus(), VK_HOME));
    for (int i = 0; i < steps; ++i) ASSERT_TRUE(dialogKey(window, GetFocus(), VK_DOWN));
}
// In the team sets window: each team's player (1 = the roster's first) and
// the winning team (0: none, the set's entry alone).
inline void enterTeamSet(HWND window, int first, int second, int winner) {
    chooseByKeys(window, 'a', first);
    chooseByKeys(window, 'b', second);
    chooseByKeys(window, 'w', winner);
}
// As a control reports to its window.
inline void notify(HWND window, int id, int code) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}
inline std::vector<std::string> listEntries(HWND list) {
    std::vector<std::string> entries;
    for (int i = 0; i < listCount(list); ++i) {
        char entry[256] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry));
        entries.emplace_back(entry);
    }
    return entries;
}
// Handles what waits on this thread; true once the quit message was seen, its code in *quitCode.
inline bool pumpMessages(int* quitCode = nullptr) {
    for (MSG message{}; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) {
        if (message.message == WM_QUIT && quitCode) *quitCode = static_cast<int>(message.wParam);
        if (message.message == WM_QUIT) return true;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return false;
}
// Every class of the program, "SC_Edit" included, so that the next start registers them afresh.
inline void unregisterProgramClasses(HINSTANCE instance = GetModuleHandleA(nullptr)) {
    for (const char* name : {kMainClass, kResultClass, kHelpClass, kEntryFieldClass}) UnregisterClassA(name, instance);
}
inline std::string desktopFile(const char* name) {
    char folder[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, folder, CSIDL_DESKTOP, FALSE)) return {};
    return std::string(folder) + "\\" + name;
}
inline void removeTree(const std::wstring& folder) {
    const std::wstring from = folder + L'\0';  // the list ends in two nulls
    SHFILEOPSTRUCTW remove{};
    remove.wFunc = FO_DELETE;
    remove.pFrom = from.c_str();
    remove.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    SHFileOperationW(&remove);
}
inline std::string fileContents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// CP949 text as UTF-8, so that golden files read as text; after a line break it goes on indented.
inline std::string readable(const std::string& text) {
    const int size = static_cast<int>(text.size());
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(949, 0, text.data(), size, wide.data(), size)));
    std::string utf8(wide.size() * 3, '\0');
    utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                                             utf8.data(), size * 3, nullptr, nullptr)));
    std::string out;
    for (char c : utf8) out += c == '\r' ? "\\r" : c == '\t' ? "\\t" : c == '\n' ? "\\n\n    " : std::string(1, c);
    return out;
}

// With ROSTERLOOM_UI_SHOTS naming a folder, the window as the screen shows
// it, saved there as NAME.bmp for a person to look at; nothing otherwise.
inline void saveShot(HWND window, const char* name) {
    const char* folder = std::getenv("ROSTERLOOM_UI_SHOTS");
    if (!folder) return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Wine hands a window's drawing to the X server from its message loop.
    for (int i = 0; i < 15; ++i) pumpMessages(), Sleep(20);
    const RECT r = windowRect(window);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> pixels(static_cast<std::size_t>((width * 3 + 3) / 4 * 4 * height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap), DeleteDC(memory), ReleaseDC(nullptr, screen);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    const BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(offset + pixels.size()), 0, 0, offset};
    std::ofstream out(std::string(folder) + "/" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file).write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

// A box of the program as MessageBoxWatcher::takeLog writes it; Yes/No boxes add " 6 7".
inline std::string told(const char* text, const char* buttons = "") {
    return "box Rosterloom: " + readable(text) + buttons + "\n";
}

// Each message box of this thread is written down as it appears and answered with the next queued button.
class MessageBoxWatcher {
public:
    MessageBoxWatcher() : hook_(SetWindowsHookExA(WH_CBT, onActivation, nullptr, GetCurrentThreadId())) { self_ = this; }
    ~MessageBoxWatcher() { UnhookWindowsHookEx(hook_), self_ = nullptr; }
    void answerNextWith(int button) { answers_.push_back(button); }
    // A file dialog's name field, filled in before the dialog is answered.
    void typeInNextDialog(const std::string& name) { typed_ = name; }
    // The boxes shown since the last call, a line each as told() writes them.
    std::string takeLog() {
        seen_.clear();
        return std::exchange(log_, {});
    }

private:
    static LRESULT CALLBACK onActivation(int code, WPARAM wParam, LPARAM lParam) {
        const auto window = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && className(window) == "#32770") self_->writeDownAndAnswer(window);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    void writeDownAndAnswer(HWND box) {
        if (std::find(seen_.begin(), seen_.end(), box) != seen_.end()) return;
        seen_.push_back(box);
        std::string text, buttons;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const std::string kind = className(child);
            if (_stricmp(kind.c_str(), "Button") == 0) buttons += " " + std::to_string(GetDlgCtrlID(child));
            if (_stricmp(kind.c_str(), "Static") == 0 && !windowText(child).empty()) text = windowText(child);
        }
        log_ += "box " + windowText(box) + ": " + readable(text) + (buttons == " 1" ? "" : buttons) + "\n";
        if (!typed_.empty()) SetDlgItemTextA(box, GetDlgItem(box, edt1) ? edt1 : cmb13, std::exchange(typed_, {}).c_str());
        const int answer = answers_.empty() ? IDOK : answers_.front();
        if (!answers_.empty()) answers_.pop_front();
        // Posted: the box's own modal loop takes it, as it would a real click.
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
    }

    inline static MessageBoxWatcher* self_ = nullptr;
    HHOOK hook_;
    std::string log_, typed_;
    std::deque<int> answers_;
    std::vector<HWND> seen_;
};

// A label with a box over its blanks shows its first word whole in the system font.
inline bool firstWordFits(HWND label, const std::string& text) {
    HDC dc = GetDC(label);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));  // a stock font needs no putting back
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.find("  ")), &extent);
    ReleaseDC(label, dc);
    return extent.cx > 0 && extent.cx <= windowRect(label).right - windowRect(label).left;
}

// Wine draws the caption buttons with Marlett; without it they show letters.
inline int CALLBACK noteFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM seen) { return *reinterpret_cast<bool*>(seen) = 1, 0; }
inline bool captionFontInstalled() {
    LOGFONTA marlett{0, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Marlett"};
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &marlett, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    return ReleaseDC(nullptr, screen), found;
}

// The window, then its controls in creation order: class, id, style, extended
// style, place in the window's client area, what each kind adds, the colour
// its window paints it with, its font when it has its own, and text.
// The texts of the controls in `unread` change from run to run.
inline std::string controlDump(HWND window, const std::vector<int>& unread = {}) {
    RECT client{}, frame = windowRect(window);
    GetClientRect(window, &client);
    char line[200];
    std::snprintf(line, sizeof line, "%s style %08lX ex %08lX at %ld,%ld client %ldx%ld \"", className(window).c_str(),
                  GetWindowLongA(window, GWL_STYLE), GetWindowLongA(window, GWL_EXSTYLE), frame.left, frame.top,
                  client.right, client.bottom);
    std::string dump = line + readable(windowText(window)) + "\"\n";
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r = windowRect(c);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        const std::string kind = className(c);
        std::snprintf(line, sizeof line, "%s %d style %08lX ex %08lX at %ld,%ld size %ldx%ld", kind.c_str(),
                      GetDlgCtrlID(c), GetWindowLongA(c, GWL_STYLE), GetWindowLongA(c, GWL_EXSTYLE), r.left, r.top,
                      r.right - r.left, r.bottom - r.top);
        dump += line;
        if (kind == "Button") dump += " check " + std::to_string(SendMessageA(c, BM_GETCHECK, 0, 0));
        const auto range = static_cast<DWORD>(SendMessageA(c, UDM_GETRANGE, 0, 0));  // upper in the low word
        if (kind == UPDOWN_CLASSA) dump += " range " + std::to_string(HIWORD(range)) + ".." + std::to_string(LOWORD(range));
        if (kind == "ComboBox") {
            SendMessageA(c, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r));
            dump += " dropped " + std::to_string(r.bottom - r.top) + " items";
            for (int i = 0; i < SendMessageA(c, CB_GETCOUNT, 0, 0); ++i) {
                char item[64] = {};
                SendMessageA(c, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
                dump += " " + readable(item);
            }
        }
        HDC dc = GetDC(c);
        LOGBRUSH paint{};
        if ((kind == "Static" || kind == "Edit") && GetObjectA(reinterpret_cast<HBRUSH>(SendMessageA(window, WM_CTLCOLORSTATIC,
                reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(c))), sizeof paint, &paint))
            dump += (std::snprintf(line, sizeof line, " paint %06lX", paint.lbColor), line);
        ReleaseDC(c, dc);
        LOGFONTA font{};
        if (GetObjectA(reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)), sizeof font, &font))
            dump += " font " + readable(font.lfFaceName) + " " + std::to_string(font.lfHeight) + " charset " +
                    std::to_string(font.lfCharSet) + " pitch " + std::to_string(font.lfPitchAndFamily);
        const std::string text = windowText(c);
        if (kind == "Static" && text.find("  ") != std::string::npos)
            dump += firstWordFits(c, text) ? " first word fits" : " first word cut";
        const bool read = std::find(unread.begin(), unread.end(), GetDlgCtrlID(c)) == unread.end();
        dump += " \"" + (read ? readable(text) : "(changes)") + "\"\n";
    }
    return dump;
}

// Compared whole with tests/data/ui/<name>.txt; a different text is shown and left as <name>.actual.txt.
inline void expectGolden(const std::string& name, const std::string& actual) {
    if (fileContents(ROSTERLOOM_UI_DATA "/" + name + ".txt") == actual) return;
    std::ofstream(name + ".actual.txt", std::ios::binary) << actual;
    ADD_FAILURE() << name << " differs from tests/data/ui/" << name << ".txt; now:\n" << actual;
}

// A started program with its main window up, and the example at hand: ten
// participants, 3 groups of 4, tournament, 4 maps dealt evenly.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        pumpMessages();  // an end left over from a test before
        useOwnApplicationData();
        ended_ = false;
        main_ = startApplication(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
        ASSERT_TRUE(main_ && mainWindow() == main_);
        pump();
    }
    void TearDown() override {
        endProgram();
        removeTree(appData_);
    }

    void endProgram() {
        if (IsWindow(main_)) DestroyWindow(main_);
        pump();
        unregisterProgramClasses();
    }
    // The program ended and started again, as a person would between two evenings.
    void restart() {
        endProgram();
        main_ = startApplication(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
        ASSERT_TRUE(main_);
        pump();
    }
    HWND main() const { return main_; }
    HWND item(int id) const { return GetDlgItem(main_, id); }
    // A mouse click on a button of the main window or another; a disabled one cannot be clicked.
    void click(int id, HWND window = nullptr) {
        HWND button = GetDlgItem(window ? window : main_, id);
        ASSERT_TRUE(button && IsWindowEnabled(button)) << "control " << id << " is missing or disabled";
        SendMessageA(button, BM_CLICK, 0, 0);
        pump();
    }
    // Types the text into an entry field and presses Enter.
    void enter(int fieldId, const std::string& name) {
        SetWindowTextA(item(fieldId), name.c_str());
        pressKey(item(fieldId), VK_RETURN);
    }
    void addParticipants(int count) { for (int i = 1; i <= count; ++i) enter(IDC_PARTICIPANT_FIELD, "p" + std::to_string(i)); }
    // Selects exactly the given entries of a list and presses Delete.
    void deleteEntries(int listId, const std::vector<int>& selected) {
        HWND list = item(listId);
        SendMessageA(list, LB_SETSEL, FALSE, -1);
        for (int index : selected) SendMessageA(list, LB_SETSEL, TRUE, index);
        SetFocus(list);
        pressKey(list, VK_DELETE);
    }
    // Group count and size, as their up-downs would set them.
    void setGroups(int count, int size) {
        HWND upDown = nullptr;
        for (int value : {count, size}) {
            upDown = FindWindowExA(main_, upDown, UPDOWN_CLASSA, nullptr);
            SendMessageA(upDown, UDM_SETPOS32, 0, value);
            SetWindowTextA(reinterpret_cast<HWND>(SendMessageA(upDown, UDM_GETBUDDY, 0, 0)), std::to_string(value).c_str());
        }
    }
    // The top-level windows of the given class owned by the main window.
    std::vector<HWND> ownedWindows(const char* wanted) const {
        std::vector<HWND> found;
        for (HWND w = FindWindowExA(nullptr, nullptr, wanted, nullptr); w; w = FindWindowExA(nullptr, w, wanted, nullptr))
            if (GetWindow(w, GW_OWNER) == main_) found.push_back(w);
        return found;
    }
    HWND owned(const char* wanted) const { return ownedWindows(wanted).empty() ? nullptr : ownedWindows(wanted)[0]; }
    // Handles what waits in the queue, noting the end of the loop.
    void pump() { ended_ = ended_ || pumpMessages(&quitCode_); }
    // What a copy in another program leaves: CF_TEXT only.
    void putOnClipboard(const std::string& text) {
        ASSERT_TRUE(OpenClipboard(main()));
        EmptyClipboard();
        HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        CopyMemory(GlobalLock(data), text.c_str(), text.size() + 1);
        GlobalUnlock(data);
        EXPECT_NE(SetClipboardData(CF_TEXT, data), nullptr);
        CloseClipboard();
    }
    // The same pasted into a field.
    void paste(int fieldId, const std::string& text) {
        putOnClipboard(text);
        SendMessageA(item(fieldId), WM_PASTE, 0, 0);
    }
    // A system command chosen from the keyboard: Alt+Space opens the system
    // menu, then the letter. Wine's menu loop reads the letter from the queue
    // once the menu is open, so it is posted from a timer that fires there.
    void altSpaceThen(HWND window, char letter) {
        letterFor_ = {window, letter};
        SetTimer(nullptr, 0, 50, postLetter);
        SendMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        pump();
    }
    static void CALLBACK postLetter(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        PostMessageA(letterFor_.first, WM_CHAR, static_cast<WPARAM>(letterFor_.second), 0);
    }
    inline static std::pair<HWND, char> letterFor_;
    bool endedWithZero() { return pump(), ended_ && quitCode_ == 0; }

    // The rosters window from the keys (Alt+Space T), the command line's
    // roster file pasted over its field and applied (Alt+A), then closed.
    void pasteRosters(const char* rosterFile) {
        altSpaceThen(main_, 't');
        HWND rosters = owned("RosterWnd");
        ASSERT_TRUE(rosters);
        SendDlgItemMessageA(rosters, IDC_ROSTER_PLAYERS, EM_SETSEL, 0, -1);
        putOnClipboard(rosterFile);
        SendDlgItemMessageA(rosters, IDC_ROSTER_PLAYERS, WM_PASTE, 0, 0);
        ASSERT_TRUE(altKey(rosters, 'a'));
        ASSERT_TRUE(dialogKey(rosters, GetDlgItem(rosters, IDC_ROSTER_LIST), VK_ESCAPE));
        pump();
    }

    HWND result() const { return owned(kResultClass); }
    std::string resultText(int id) const { return windowText(GetDlgItem(result(), id)); }
    void choose(int group) {
        SendDlgItemMessageA(result(), IDC_GROUP_CHOOSER, CB_SETCURSEL, static_cast<WPARAM>(group), 0);
        notify(result(), IDC_GROUP_CHOOSER, CBN_SELCHANGE);
    }
    void prepareExample() {
        addParticipants(10);
        setGroups(3, 4);
        click(IDC_TOURNAMENT);
        click(IDC_MAPS_CHECK);
        for (const char* map : {"north", "south", "east", "west"}) enter(IDC_MAP_FIELD, map);
    }
    // The assign (or "결과 보기") button; true when exactly one result window is then open.
    bool openResult() {
        click(IDC_ASSIGN);
        return ownedWindows(kResultClass).size() == 1;
    }

    // %APPDATA% of this test alone, so that tests side by side never share an autosave.
    void useOwnApplicationData() {
        wchar_t here[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, here);
        appData_ = std::wstring(here) + L"\\appdata-" + std::to_wstring(GetCurrentProcessId());
        removeTree(appData_);
        CreateDirectoryW(appData_.c_str(), nullptr);
        SetEnvironmentVariableW(L"APPDATA", appData_.c_str());
    }
    const std::wstring& appData() const { return appData_; }

    MessageBoxWatcher boxes;

private:
    HWND main_ = nullptr;
    std::wstring appData_;
    bool ended_ = false;  // the loop's end seen, with quitCode_
    int quitCode_ = -1;
};

}  // namespace rl::ui::test
