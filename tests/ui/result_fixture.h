#pragma once
// A started program with the example assignment at hand: ten participants,
// 3 groups of 4, tournament, 4 maps dealt evenly; and the golden dumps that
// pin each window's controls.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/ui/harness.h"  // windows.h first

#include <commctrl.h>
#include <shlobj.h>

#include "resources/ids.h"

namespace rl::ui::test {

// Where the export writes, on the test's own Desktop.
inline std::string desktopFile() {
    char folder[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, folder, CSIDL_DESKTOP, FALSE)) return {};
    return std::string(folder) + "\\조배정결과.txt";
}

inline std::string fileContents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// CP949 text as UTF-8, so that golden files read as text; a line break ends
// the line there and the text goes on indented.
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

// The window, then its controls in creation order: class, id, style, extended
// style, place in the window's client area, what each kind adds, its font
// when it has its own, and text.
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
        if (kind == UPDOWN_CLASSA) {
            int low = 0, high = 0;
            SendMessageA(c, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
            dump += " range " + std::to_string(low) + ".." + std::to_string(high);
        }
        if (kind == "ComboBox") {
            SendMessageA(c, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r));
            dump += " dropped " + std::to_string(r.bottom - r.top) + " items";
            for (int i = 0; i < SendMessageA(c, CB_GETCOUNT, 0, 0); ++i) {
                char item[64] = {};
                SendMessageA(c, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
                dump += std::string(" ") + item;
            }
        }
        LOGFONTA font{};
        if (GetObjectA(reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)), sizeof font, &font))
            dump += " font " + readable(font.lfFaceName) + " " + std::to_string(font.lfHeight) + " charset " +
                    std::to_string(font.lfCharSet) + " pitch " + std::to_string(font.lfPitchAndFamily);
        const bool read = std::find(unread.begin(), unread.end(), GetDlgCtrlID(c)) == unread.end();
        dump += " \"" + (read ? readable(windowText(c)) : "(changes)") + "\"\n";
    }
    return dump;
}

// Compared whole with tests/data/ui/<name>.txt. A different dump is shown and
// left as <name>.actual.txt in the working folder, for a diff.
inline void expectGolden(const std::string& name, const std::string& actual) {
    if (fileContents(ROSTERLOOM_UI_DATA "/" + name + ".txt") == actual) return;
    std::ofstream(name + ".actual.txt", std::ios::binary) << actual;
    ADD_FAILURE() << name << " differs from tests/data/ui/" << name << ".txt; now:\n" << actual;
}

class ResultFixture : public ProgramTest {
protected:
    static constexpr int kGroupCountBox = 0;
    static constexpr int kGroupSizeBox = 1;

    HWND result() const { return owned(kResultClass); }
    HWND resultItem(int id) const { return GetDlgItem(result(), id); }
    std::string resultText(int id) const { return windowText(resultItem(id)); }
    void clickResult(int id) {
        SendMessageA(resultItem(id), BM_CLICK, 0, 0);
        pumpMessages();
    }
    // As the drop-down list reports a choice to its window.
    void choose(int group) {
        HWND chooser = resultItem(IDC_GROUP_CHOOSER);
        SendMessageA(chooser, CB_SETCURSEL, static_cast<WPARAM>(group), 0);
        SendMessageA(result(), WM_COMMAND, MAKEWPARAM(IDC_GROUP_CHOOSER, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(chooser));
    }

    void prepareExample() {
        addParticipants(10);
        setNumber(kGroupCountBox, 3);
        setNumber(kGroupSizeBox, 4);
        click(IDC_TOURNAMENT);
        click(IDC_MAPS_CHECK);
        for (const char* map : {"north", "south", "east", "west"}) enter(IDC_MAP_FIELD, map);
    }

    // The main window's assign (or "결과 보기") button; true when exactly one
    // result window is then open.
    bool openResult() {
        click(IDC_ASSIGN);
        return ownedWindows(kResultClass).size() == 1;
    }
};

}  // namespace rl::ui::test
