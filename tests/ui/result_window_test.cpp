// The result window as a person meets it: what it shows on opening and for
// each group, and how cancel, close and reopening treat the assignment.
#include <string>
#include <vector>

#include "engine/assignment.h"
#include "resources/strings.h"
#include "tests/ui/result_fixture.h"
#include "text/result_view.h"

namespace rl::ui::test {
namespace {

class ResultWindowTest : public ResultFixture {
protected:
    std::string chooserLetters() const {
        std::string letters;
        for (int i = 0; i < SendMessageA(resultItem(IDC_GROUP_CHOOSER), CB_GETCOUNT, 0, 0); ++i) {
            char item[8] = {};
            SendMessageA(resultItem(IDC_GROUP_CHOOSER), CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(item));
            letters += item;
        }
        return letters;
    }
    // The chooser on `group` and the edits holding its texts.
    void expectShowsGroup(int group) {
        EXPECT_EQ(SendMessageA(resultItem(IDC_GROUP_CHOOSER), CB_GETCURSEL, 0, 0), group);
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
    void cancelAnswering(int answer) {
        boxes.answerNextWith(answer);
        clickResult(IDC_CANCEL_ASSIGNMENT);
    }
};

TEST_F(ResultWindowTest, OpensPlacedOnGroupAWithALetterForEveryGroup) {
    prepareExample();
    ASSERT_TRUE(openResult());
    EXPECT_EQ(windowText(result()), "Rosterloom::Result");
    RECT client{};
    GetClientRect(result(), &client);
    EXPECT_EQ(client.right * 1000 + client.bottom, 515L * 1000 + 425);
    EXPECT_EQ(chooserLetters(), "ABC");
    expectShowsGroup(0);
    // The free client area and the title bar drag the window.
    for (POINT at : {POINT{250, 15}, POINT{5, 415}, POINT{250, -5}}) {
        ClientToScreen(result(), &at);
        EXPECT_EQ(SendMessageA(result(), WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), HTCAPTION);
    }
    cancelAnswering(IDYES);

    deleteEntries(IDC_PARTICIPANT_LIST, {0, 1});  // 8 left: one group of 8 holds them all
    setNumber(kGroupSizeBox, 8);
    for (int groups : {1, 5, 8}) {
        setNumber(kGroupCountBox, groups);
        ASSERT_TRUE(openResult()) << groups;
        EXPECT_EQ(chooserLetters(), std::string("ABCDEFGH").substr(0, static_cast<std::size_t>(groups)));
        expectShowsGroup(0);
        cancelAnswering(IDYES);
        ASSERT_EQ(result(), nullptr);
    }
}

// Another group changes the schedule only; cancel answered No keeps all.
TEST_F(ResultWindowTest, ChoosingAGroupChangesTheScheduleOnlyAndCancelNoNothing) {
    prepareExample();
    ASSERT_TRUE(openResult());
    const std::string table = resultText(IDC_TABLE_EDIT);
    const std::string scheduleA = resultText(IDC_SCHEDULE_EDIT);
    for (int group : {1, 0, 2}) {
        choose(group);
        expectShowsGroup(group);
        EXPECT_EQ(resultText(IDC_TABLE_EDIT), table);
        EXPECT_EQ(resultText(IDC_SCHEDULE_EDIT) == scheduleA, group == 0);
    }
    EXPECT_TRUE(boxes.boxes().empty());

    const GroupTable before = assignment().groupTable;
    cancelAnswering(IDNO);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    expectLastBox(boxes, STR_APP_CAPTION, STR_CONFIRM_CANCEL, {IDYES, IDNO});
    ASSERT_NE(result(), nullptr);
    EXPECT_EQ(assignment().groupTable, before);
    expectShowsGroup(2);
    expectLocked();
}

// Yes ends the assignment; the map inputs come back only when maps are used.
TEST_F(ResultWindowTest, CancelAnsweredYesUnlocksAndTheNextAssignDrawsAnew) {
    prepareExample();
    for (bool mapsOn : {true, false}) {
        SCOPED_TRACE(mapsOn ? "maps on" : "maps off");
        ASSERT_TRUE(openResult());
        cancelAnswering(IDYES);
        EXPECT_EQ(result(), nullptr);
        EXPECT_FALSE(assignment().assigned());
        EXPECT_EQ(text(IDC_ASSIGN), "배  정");
        for (int id : {IDC_PARTICIPANT_FIELD, IDC_PARTICIPANT_LIST, IDC_MAPS_CHECK, IDC_LEAGUE, IDC_TOURNAMENT})
            EXPECT_TRUE(isEnabled(item(id))) << id;
        for (int id : {IDC_MAP_FIELD, IDC_MAP_LIST, IDC_EQUAL_MAPS}) EXPECT_EQ(isEnabled(item(id)), mapsOn) << id;

        // The lists can change again, and the next assign takes them in.
        enter(IDC_PARTICIPANT_FIELD, mapsOn ? "latecomer" : "straggler");
        ASSERT_TRUE(openResult());
        EXPECT_NE(resultText(IDC_TABLE_EDIT).find(mapsOn ? "latecomer" : "straggler"), std::string::npos);
        expectShowsGroup(0);
        cancelAnswering(IDYES);
        click(IDC_MAPS_CHECK);  // maps off for the next round
    }
}

TEST_F(ResultWindowTest, CloseButtonAndCloseBoxKeepTheAssignment) {
    prepareExample();
    ASSERT_TRUE(openResult());
    const GroupTable table = assignment().groupTable;
    for (bool byButton : {true, false}) {
        SCOPED_TRACE(byButton ? "close button" : "close box");
        choose(1);
        if (byButton) clickResult(IDC_CLOSE_RESULT);
        else SendMessageA(result(), WM_SYSCOMMAND, SC_CLOSE, 0);
        pumpMessages();
        EXPECT_EQ(result(), nullptr);
        expectLocked();
        EXPECT_EQ(assignment().groupTable, table);
        // The main window's button opens it again, on group A.
        ASSERT_TRUE(openResult());
        expectShowsGroup(0);
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

}  // namespace
}  // namespace rl::ui::test
