// The result window as a person meets it: its controls, each group's texts,
// and how cancel, close and reopening treat the assignment.
#include "resources/strings.h"
#include "tests/ui/harness.h"
#include "text/result_view.h"

namespace rl::ui::test {
namespace {

class ResultWindowTest : public ProgramTest {
protected:
    // The chooser on `group` and the edits holding its texts.
    void expectShowsGroup(int group) {
        EXPECT_EQ(SendDlgItemMessageA(result(), IDC_GROUP_CHOOSER, CB_GETCURSEL, 0, 0), group);
        const ResultView view = buildResultView(assignment(), host(), group);
        EXPECT_EQ(resultText(IDC_TABLE_EDIT), view.tableText);
        EXPECT_EQ(resultText(IDC_SCHEDULE_EDIT), view.scheduleText) << "group " << group;
    }
};

// The free client area and the title bar drag the window; another group
// changes the schedule only.
TEST_F(ResultWindowTest, OpensOnGroupAAndDragsByItsBody) {
    prepareExample();
    ASSERT_TRUE(openResult());
    expectGolden("result", controlDump(result(), {IDC_TABLE_EDIT, IDC_SCHEDULE_EDIT}));
    for (POINT at : {POINT{250, 15}, POINT{5, 415}, POINT{250, -5}}) {
        ClientToScreen(result(), &at);
        EXPECT_EQ(SendMessageA(result(), WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), HTCAPTION);
    }
    expectShowsGroup(0);
    const std::string scheduleA = resultText(IDC_SCHEDULE_EDIT);
    for (int group : {1, 0, 2}) {
        choose(group);
        expectShowsGroup(group);
        EXPECT_EQ(resultText(IDC_SCHEDULE_EDIT) == scheduleA, group == 0);
    }
}

// Cancel answered No, the close button and the close box keep the assignment
// and the lock; reopened, the window is on group A again. Yes ends the
// assignment and gives the main window back as it was, the map inputs with it
// only when maps are used; the next assign takes the lists in.
TEST_F(ResultWindowTest, OnlyAConfirmedCancelEndsTheAssignment) {
    prepareExample();
    std::string unlocked = controlDump(main());
    ASSERT_TRUE(openResult());
    const GroupTable table = assignment().groupTable;
    const std::string locked = controlDump(main());
    for (int how : {IDNO, IDC_CLOSE_RESULT, SC_CLOSE}) {
        SCOPED_TRACE(how);
        choose(1);
        if (how == IDNO) boxes.answerNextWith(IDNO);
        if (how == SC_CLOSE) SendMessageA(result(), WM_SYSCOMMAND, SC_CLOSE, 0);
        else click(how == IDNO ? IDC_CANCEL_ASSIGNMENT : how, result());
        pump();
        EXPECT_EQ(boxes.takeLog(), how == IDNO ? told(STR_CONFIRM_CANCEL, " 6 7") : "");
        EXPECT_EQ(result() != nullptr, how == IDNO);
        EXPECT_EQ(assignment().groupTable, table);
        EXPECT_EQ(controlDump(main()), locked);
        ASSERT_TRUE(openResult());
        expectShowsGroup(how == IDNO ? 1 : 0);
    }
    for (const char* latecomer : {"latecomer", "straggler"}) {
        boxes.answerNextWith(IDYES);
        click(IDC_CANCEL_ASSIGNMENT, result());
        EXPECT_FALSE(result() || assignment().assigned());
        EXPECT_EQ(controlDump(main()), unlocked);
        if (latecomer[0] == 'l') click(IDC_MAPS_CHECK);  // maps off for the next round
        enter(IDC_PARTICIPANT_FIELD, latecomer);
        unlocked = controlDump(main());
        ASSERT_TRUE(openResult());
        EXPECT_NE(resultText(IDC_TABLE_EDIT).find(latecomer), std::string::npos);
        expectShowsGroup(0);
    }
}

}  // namespace
}  // namespace rl::ui::test
