#pragma once
// A started program with the example assignment at hand: ten participants,
// 3 groups of 4, tournament, 4 maps dealt evenly. Shared by the result window,
// export, limit and leak tests.
#include <shlobj.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/ui/harness.h"  // windows.h before the ids

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
