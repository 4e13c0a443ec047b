// The result window as a person meets it: what it shows on opening and for
// each group, and how cancel, close and reopening treat the assignment.
#include <string>
#include <vector>

#include "engine/assignment.h"
#include "resources/ids.h"
#include "resources/strings.h"
#include "tests/ui/result_fixture.h"
#include "text/result_view.h"

namespace rl::ui::test {
namespace {

class ResultWindowTest : public ResultFixture {
protected:
    std::vector<std::string> chooserItems() const {
        HWND chooser = resultItem(IDC_GROUP_CHOOSER);
        std::vector<std::string> items;
        const auto count = static_cast<int>(SendMessageA(chooser, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char item[8] = {};
            SendMessageA(chooser, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
            items.emplace_back(item);
        }
        return items;
    }
    int chosenGroup() const {
        return static_cast<int>(SendMessageA(resultItem(IDC_GROUP_CHOOSER), CB_GETCURSEL, 0, 0));
    }
    // As the drop-down list reports a choice to its window.
    void choose(int group) {
        HWND chooser = resultItem(IDC_GROUP_CHOOSER);
        SendMessageA(chooser, CB_SETCURSEL, static_cast<WPARAM>(group), 0);
        SendMessageA(result(), WM_COMMAND, MAKEWPARAM(IDC_GROUP_CHOOSER, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(chooser));
    }
    void expectShowsGroup(int group) {
        const ResultView view = buildResultView(assignment(), host(), group);
        EXPECT_EQ(resultText(IDC_TABLE_EDIT), view.tableText);
        EXPECT_EQ(resultText(IDC_SCHEDULE_EDIT), view.scheduleText) << "group " << group;
    }
    void expectLocked() {
        EXPECT_TRUE(assignment().assigned());
        EXPECT_EQ(text(IDC_ASSIGN), "결과 보기");
        EXPECT_FALSE(isEnabled(item(IDC_PARTICIPANT_FIELD)));
        EXPECT_FALSE(isEnabled(item(IDC_MAP_FIELD)));
    }
};

TEST_F(ResultWindowTest, OpensPlacedOnGroupAOfTheExample) {
    prepareExample();
    ASSERT_TRUE(openResult());
    EXPECT_EQ(windowText(result()), "Rosterloom::Result");
    const RECT outer = windowRect(result());
    EXPECT_EQ(outer.left, 254);
    EXPECT_EQ(outer.top, 114);
    RECT client{};
    GetClientRect(result(), &client);
    EXPECT_EQ(client.right, 515);
    EXPECT_EQ(client.bottom, 425);

    EXPECT_EQ(chooserItems(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(chosenGroup(), 0);
    expectShowsGroup(0);
    // Group A's four members: two first-round matches and their winners' final.
    const std::string schedule = resultText(IDC_SCHEDULE_EDIT);
    EXPECT_NE(schedule.find("<1경기 승자>"), std::string::npos) << schedule;
    EXPECT_NE(schedule.find("<2경기 승자>"), std::string::npos) << schedule;
}

TEST_F(ResultWindowTest, ChooserListsExactlyTheLettersOfAllGroups) {
    struct Case {
        int groups;
        std::vector<std::string> letters;
    };
    const Case cases[] = {{1, {"A"}}, {5, {"A", "B", "C", "D", "E"}}, {8, {"A", "B", "C", "D", "E", "F", "G", "H"}}};
    addParticipants(8);
    for (const Case& c : cases) {
        setNumber(kGroupCountBox, c.groups);
        setNumber(kGroupSizeBox, 8);
        ASSERT_TRUE(openResult()) << c.groups;
        EXPECT_EQ(chooserItems(), c.letters);
        EXPECT_EQ(chosenGroup(), 0);
        expectShowsGroup(0);
        boxes.answerNextWith(IDYES);
        clickResult(IDC_CANCEL_ASSIGNMENT);
        ASSERT_FALSE(IsWindow(result()));
    }
}

TEST_F(ResultWindowTest, ChoosingAGroupChangesTheScheduleOnly) {
    prepareExample();
    ASSERT_TRUE(openResult());
    const std::string table = resultText(IDC_TABLE_EDIT);
    std::vector<std::string> schedules;
    for (int group : {1, 2, 0}) {
        choose(group);
        expectShowsGroup(group);
        EXPECT_EQ(resultText(IDC_TABLE_EDIT), table);
        schedules.push_back(resultText(IDC_SCHEDULE_EDIT));
    }
    EXPECT_NE(schedules[0], schedules[2]);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(ResultWindowTest, CancelAnsweredNoChangesNothing) {
    prepareExample();
    ASSERT_TRUE(openResult());
    choose(2);
    const GroupTable before = assignment().groupTable;
    boxes.answerNextWith(IDNO);
    clickResult(IDC_CANCEL_ASSIGNMENT);

    ASSERT_EQ(boxes.boxes().size(), 1u);
    const MessageBoxRecord& box = boxes.boxes()[0];
    EXPECT_EQ(box.caption, STR_APP_CAPTION);
    EXPECT_EQ(box.text, STR_CONFIRM_CANCEL);
    EXPECT_EQ(box.buttons, (std::vector<int>{IDYES, IDNO}));
    ASSERT_TRUE(IsWindow(result()));
    EXPECT_EQ(assignment().groupTable, before);
    EXPECT_EQ(chosenGroup(), 2);
    expectShowsGroup(2);
    expectLocked();
}

// Yes ends the assignment; the map inputs come back only when maps are used.
TEST_F(ResultWindowTest, CancelAnsweredYesUnlocksAndTheNextAssignDrawsAnew) {
    for (bool mapsOn : {true, false}) {
        SCOPED_TRACE(mapsOn ? "maps on" : "maps off");
        restartProgram();
        prepareExample();
        if (!mapsOn) click(IDC_MAPS_CHECK);
        ASSERT_TRUE(openResult());
        boxes.answerNextWith(IDYES);
        clickResult(IDC_CANCEL_ASSIGNMENT);

        EXPECT_FALSE(IsWindow(result()));
        EXPECT_TRUE(ownedWindows(kResultClass).empty());
        EXPECT_FALSE(assignment().assigned());
        EXPECT_EQ(text(IDC_ASSIGN), "배  정");
        for (int id : {IDC_PARTICIPANT_FIELD, IDC_PARTICIPANT_LIST, IDC_MAPS_CHECK, IDC_LEAGUE, IDC_TOURNAMENT})
            EXPECT_TRUE(isEnabled(item(id))) << id;
        for (int id : {IDC_MAP_FIELD, IDC_MAP_LIST, IDC_EQUAL_MAPS}) EXPECT_EQ(isEnabled(item(id)), mapsOn) << id;

        // The lists can change again, and the next assign takes them in.
        enter(IDC_PARTICIPANT_FIELD, "latecomer");
        ASSERT_TRUE(openResult());
        EXPECT_NE(resultText(IDC_TABLE_EDIT).find("latecomer"), std::string::npos);
        expectShowsGroup(0);
    }
}

TEST_F(ResultWindowTest, CloseButtonAndCloseBoxKeepTheAssignment) {
    struct Case {
        const char* name;
        void (*close)(HWND result);
    };
    const Case cases[] = {
        {"close button", [](HWND w) { SendMessageA(GetDlgItem(w, IDC_CLOSE_RESULT), BM_CLICK, 0, 0); }},
        {"close box", [](HWND w) { SendMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    prepareExample();
    ASSERT_TRUE(openResult());
    const GroupTable table = assignment().groupTable;
    const std::string tableText = resultText(IDC_TABLE_EDIT);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        choose(1);
        c.close(result());
        pumpMessages();
        EXPECT_FALSE(IsWindow(result()));
        expectLocked();
        EXPECT_EQ(assignment().groupTable, table);

        // The main window's button opens it again, on group A.
        ASSERT_TRUE(openResult());
        EXPECT_EQ(chosenGroup(), 0);
        expectShowsGroup(0);
        EXPECT_EQ(resultText(IDC_TABLE_EDIT), tableText);
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(ResultWindowTest, EditsAreWhiteAndTheFreeAreaDragsTheWindow) {
    prepareExample();
    ASSERT_TRUE(openResult());
    HDC dc = GetDC(result());
    auto brushFor = [&](HWND control) {
        return reinterpret_cast<HBRUSH>(SendMessageA(result(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(control)));
    };
    EXPECT_EQ(brushFor(resultItem(IDC_TABLE_EDIT)), whiteBrush());
    EXPECT_EQ(brushFor(resultItem(IDC_SCHEDULE_EDIT)), whiteBrush());
    HWND titleLabel = ChildWindowFromPoint(result(), POINT{30, 25});
    ASSERT_NE(titleLabel, result());
    EXPECT_NE(brushFor(titleLabel), whiteBrush());
    ReleaseDC(result(), dc);

    auto hitAt = [&](POINT client) {
        ClientToScreen(result(), &client);
        return SendMessageA(result(), WM_NCHITTEST, 0, MAKELPARAM(client.x, client.y));
    };
    EXPECT_EQ(hitAt(POINT{250, 15}), HTCAPTION);  // free client area
    EXPECT_EQ(hitAt(POINT{5, 415}), HTCAPTION);
    EXPECT_EQ(hitAt(POINT{250, -5}), HTCAPTION);  // the title bar itself

    const auto style = static_cast<DWORD>(GetWindowLongA(result(), GWL_STYLE));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
}

}  // namespace
}  // namespace rl::ui::test
