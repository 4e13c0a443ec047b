// The main window as a person meets it: its state at start, the map switch,
// the number boxes, validation, the assign command and the locked inputs.
#include "tests/ui/result_fixture.h"

#include "engine/assignment.h"
#include "resources/ids.h"
#include "resources/strings.h"

namespace rl::ui::test {
namespace {

constexpr int kLockableInputs[] = {IDC_PARTICIPANT_FIELD, IDC_PARTICIPANT_LIST, IDC_MAPS_CHECK, IDC_MAP_FIELD,
                                   IDC_MAP_LIST, IDC_EQUAL_MAPS, IDC_LEAGUE, IDC_TOURNAMENT, IDC_SPREAD};
constexpr int kMapInputs[] = {IDC_MAP_FIELD, IDC_MAP_LIST, IDC_EQUAL_MAPS};

class MainWindowTest : public ResultFixture {
protected:
    void clickArrow(int which, bool up) {
        RECT client{};
        GetClientRect(upDown(which), &client);
        const LPARAM at = MAKELPARAM(client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4);
        SendMessageA(upDown(which), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(upDown(which), WM_LBUTTONUP, 0, at);
        pump();
    }
    void expectEditable() {
        for (int id : {IDC_PARTICIPANT_FIELD, IDC_PARTICIPANT_LIST, IDC_MAPS_CHECK, IDC_LEAGUE, IDC_TOURNAMENT,
                       IDC_SPREAD})
            EXPECT_TRUE(isEnabled(item(id))) << id;
        for (int which : {0, 1}) EXPECT_TRUE(isEnabled(upDown(which)));
        EXPECT_EQ(text(IDC_ASSIGN), "배  정");
    }
};

TEST_F(MainWindowTest, StartsPlacedAThirdDownAndCentredAndReadyForParticipants) {
    RECT screen{}, client{};
    GetClientRect(GetDesktopWindow(), &screen);
    ASSERT_EQ(screen.right * 1000 + screen.bottom, 1024L * 1000 + 768) << "run under a 1024x768 screen";
    EXPECT_EQ(windowRect(main()).left, 247);
    EXPECT_EQ(windowRect(main()).top, 159);
    GetClientRect(main(), &client);
    EXPECT_EQ(client.right * 1000 + client.bottom, 530L * 1000 + 290);
    EXPECT_EQ(windowText(main()), "Rosterlom");

    // Ready for participants.
    EXPECT_EQ(GetFocus(), item(IDC_PARTICIPANT_FIELD));
    EXPECT_EQ(text(IDC_MAPS_CHECK), "맵 등록 (0)");
    EXPECT_EQ(text(IDC_GROUP_BOX), "참가자 등록 (0)");
    const std::pair<int, UINT> checks[] = {{IDC_LEAGUE, BST_CHECKED},     {IDC_TOURNAMENT, BST_UNCHECKED},
                                           {IDC_SPREAD, BST_CHECKED},     {IDC_EQUAL_MAPS, BST_CHECKED},
                                           {IDC_MAPS_CHECK, BST_UNCHECKED}};
    for (const auto& [id, state] : checks) EXPECT_EQ(IsDlgButtonChecked(main(), id), state) << id;
    for (int id : kMapInputs) EXPECT_FALSE(isEnabled(item(id))) << id;
    expectEditable();
    EXPECT_EQ(text(IDC_EXIT), "종료");
    EXPECT_EQ(text(IDC_HELP), "도움말");
    EXPECT_EQ(owned(kResultClass), nullptr);
    // The number boxes read 4 and are painted white.
    LOGBRUSH look{};
    ASSERT_NE(GetObjectA(whiteBrush(), sizeof look, &look), 0);
    EXPECT_EQ(look.lbColor, RGB(255, 255, 255));
    for (int which : {0, 1}) {
        HWND box = numberBox(which);
        EXPECT_EQ(windowText(box), "4");
        HDC dc = GetDC(box);
        EXPECT_EQ(SendMessageA(main(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box)),
                  reinterpret_cast<LRESULT>(whiteBrush()));
        ReleaseDC(box, dc);
    }
}

TEST_F(MainWindowTest, UpDownsStopAtOneAndEight) {
    for (int which : {0, 1}) {
        for (int i = 0; i < 6; ++i) clickArrow(which, true);
        EXPECT_EQ(windowText(numberBox(which)), "8");
        for (int i = 0; i < 9; ++i) clickArrow(which, false);
        EXPECT_EQ(windowText(numberBox(which)), "1");
        clickArrow(which, true);
        EXPECT_EQ(windowText(numberBox(which)), "2");
    }
}

TEST_F(MainWindowTest, MapCheckBoxSwitchesTheMapInputsAndKeepsTheList) {
    click(IDC_MAPS_CHECK);
    for (int id : kMapInputs) EXPECT_TRUE(isEnabled(item(id))) << id;
    EXPECT_EQ(GetFocus(), item(IDC_MAP_FIELD));
    enter(IDC_MAP_FIELD, "Salt Flats");
    click(IDC_MAPS_CHECK);
    for (int id : kMapInputs) EXPECT_FALSE(isEnabled(item(id))) << id;
    EXPECT_EQ(listEntries(IDC_MAP_LIST), std::vector<std::string>{"Salt Flats"});
    EXPECT_EQ(text(IDC_MAPS_CHECK), "맵 등록 (1)");
}

// Each case fails two checks when maps are on and none entered; the first
// failing one is told. Four groups of four: 16 participants fit, 17 do not.
TEST_F(MainWindowTest, ValidationShowsTheFirstFailingMessageAndChangesNothing) {
    click(IDC_MAPS_CHECK);
    const std::pair<int, const char*> cases[] = {
        {0, STR_NO_PARTICIPANTS}, {17, STR_TOO_MANY_PARTICIPANTS}, {16, STR_NO_MAPS}};
    for (const auto& [participants, message] : cases) {
        SCOPED_TRACE(participants);
        const auto count = [&] { return static_cast<int>(listEntries(IDC_PARTICIPANT_LIST).size()); };
        while (count() < participants) enter(IDC_PARTICIPANT_FIELD, "p");
        if (count() > participants) deleteEntries(IDC_PARTICIPANT_LIST, {0});
        const std::size_t before = boxes.boxes().size();
        click(IDC_ASSIGN);
        ASSERT_EQ(boxes.boxes().size(), before + 1);
        expectLastBox(boxes, "Rosterloom", message);
        EXPECT_EQ(owned(kResultClass), nullptr);
        EXPECT_FALSE(assignment().assigned());
        expectEditable();
        EXPECT_FALSE(ended());
    }
}

TEST_F(MainWindowTest, AssignLocksEveryInputAndOpensTheResultOnce) {
    prepareExample();
    click(IDC_ASSIGN);
    EXPECT_TRUE(boxes.boxes().empty());
    ASSERT_TRUE(assignment().assigned());
    for (int id : kLockableInputs) EXPECT_FALSE(isEnabled(item(id))) << id;
    for (int which : {0, 1}) EXPECT_TRUE(!isEnabled(upDown(which)) && isEnabled(numberBox(which))) << which;
    for (int id : {IDC_ASSIGN, IDC_EXIT, IDC_HELP}) EXPECT_TRUE(isEnabled(item(id))) << id;
    EXPECT_EQ(text(IDC_ASSIGN), "결과 보기");

    // Pressed again: the open window is put back in its place, nothing drawn anew.
    HWND result = owned(kResultClass);
    ASSERT_NE(result, nullptr);
    const RECT placed = windowRect(result);
    EXPECT_EQ(placed.left, 254);
    EXPECT_EQ(placed.top, 114);
    MoveWindow(result, 5, 7, placed.right - placed.left, placed.bottom - placed.top, TRUE);
    const auto drawState = assignment().random.state();
    click(IDC_ASSIGN);
    ASSERT_EQ(ownedWindows(kResultClass), std::vector<HWND>{result});
    const RECT back = windowRect(result);
    EXPECT_EQ(back.left, 254);
    EXPECT_EQ(back.top, 114);
    EXPECT_EQ(back.right - back.left, placed.right - placed.left);
    EXPECT_EQ(assignment().random.state(), drawState);
}

// No question is asked; every window goes, the help text and the assignment
// with them.
TEST_F(MainWindowTest, ExitClosesEveryWindowAndEndsTheLoopWithZero) {
    addParticipants(4);
    click(IDC_ASSIGN);
    click(IDC_HELP);
    HWND result = owned(kResultClass);
    HWND help = owned(kHelpClass);
    ASSERT_TRUE(result && help && helpText());
    click(IDC_EXIT);
    EXPECT_TRUE(boxes.boxes().empty());
    for (HWND window : {main(), result, help}) EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(helpText(), nullptr);
    EXPECT_FALSE(assignment().assigned());
    ASSERT_TRUE(ended());
    EXPECT_EQ(quitCode(), 0);
}

// An allocation failure at any point of the assign command, or of loading the
// help text, ends the program after its box, with nothing left behind.
TEST_F(MainWindowTest, AllocationFailureShowsTheBoxAndEndsTheProgram) {
    const std::pair<int, int> cases[] = {{IDC_ASSIGN, 0}, {IDC_ASSIGN, 1}, {IDC_ASSIGN, 3},
                                         {IDC_ASSIGN, 6}, {IDC_ASSIGN, 10}, {IDC_HELP, 0}};
    for (const auto& [command, stage] : cases) {
        SCOPED_TRACE(std::to_string(command) + " failing after " + std::to_string(stage));
        TearDown();
        SetUp();
        prepareExample();
        failAllocationsAfter(stage);
        click(command);
        failAllocationsAfter(-1);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        expectLastBox(boxes, "Fail to Memory Allocation", "ERROR");
        boxes.forget();
        EXPECT_FALSE(IsWindow(main()));
        EXPECT_TRUE(ownedWindows(kResultClass).empty() && ownedWindows(kHelpClass).empty());
        EXPECT_FALSE(assignment().assigned());
        EXPECT_EQ(helpText(), nullptr);
        ASSERT_TRUE(ended());
        EXPECT_EQ(quitCode(), 0);
    }
}

}  // namespace
}  // namespace rl::ui::test
