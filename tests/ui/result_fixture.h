#pragma once
// A started program with the example assignment at hand: ten participants,
// 3 groups of 4, tournament, 4 maps dealt evenly. Shared by the result window
// and export tests.
#include <string>
#include <vector>

#include "tests/ui/harness.h"  // windows.h before the ids

#include <commctrl.h>

#include "resources/ids.h"

namespace rl::ui::test {

class ResultFixture : public ProgramTest {
protected:
    static constexpr int kGroupCountBox = 0;
    static constexpr int kGroupSizeBox = 1;

    HWND result() const {
        const std::vector<HWND> open = ownedWindows(kResultClass);
        return open.empty() ? nullptr : open.front();
    }
    HWND resultItem(int id) const { return GetDlgItem(result(), id); }
    std::string resultText(int id) const { return windowText(resultItem(id)); }
    void clickResult(int id) {
        SendMessageA(resultItem(id), BM_CLICK, 0, 0);
        pumpMessages();
    }

    // The number box beside the given up-down, as the up-down would set it.
    void setNumber(int which, int value) {
        int seen = 0;
        for (HWND child = GetWindow(main(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (className(child) != "msctls_updown32" || seen++ != which) continue;
            HWND box = reinterpret_cast<HWND>(SendMessageA(child, UDM_GETBUDDY, 0, 0));
            SendMessageA(child, UDM_SETPOS32, 0, value);
            SetWindowTextA(box, std::to_string(value).c_str());
            return;
        }
        ADD_FAILURE() << "no up-down " << which;
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

    void restartProgram() {
        TearDown();
        SetUp();
    }
};

}  // namespace rl::ui::test
