// The main window as a person meets it: its state at start, the map switch,
// the number boxes, validation, the assign command and the locked inputs.
#include <utility>

#include "tests/ui/harness.h"
#include <commctrl.h>

#include "engine/assignment.h"
#include "resources/ids.h"
#include "resources/strings.h"

namespace rl::ui::test {
namespace {

constexpr int kLockableInputs[] = {IDC_PARTICIPANT_FIELD, IDC_PARTICIPANT_LIST, IDC_MAPS_CHECK, IDC_MAP_FIELD,
                                   IDC_MAP_LIST, IDC_EQUAL_MAPS, IDC_LEAGUE, IDC_TOURNAMENT, IDC_SPREAD};
constexpr int kMapInputs[] = {IDC_MAP_FIELD, IDC_MAP_LIST, IDC_EQUAL_MAPS};

class MainWindowTest : public ProgramTest {
protected:
    // The two up-downs, in creation order: group count, then group size.
    std::vector<HWND> upDowns() const {
        std::vector<HWND> found;
        for (HWND child = GetWindow(main(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (className(child) == "msctls_updown32") found.push_back(child);
        return found;
    }
    // The number box an up-down writes into.
    HWND numberBox(int which) const {
        return reinterpret_cast<HWND>(SendMessageA(upDowns().at(static_cast<std::size_t>(which)), UDM_GETBUDDY, 0, 0));
    }
    void clickArrow(HWND upDown, bool up) {
        RECT client{};
        GetClientRect(upDown, &client);
        const LPARAM at = MAKELPARAM(client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4);
        SendMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(upDown, WM_LBUTTONUP, 0, at);
        pump();
    }
    void expectEditable() {
        for (int id : {IDC_PARTICIPANT_FIELD, IDC_PARTICIPANT_LIST, IDC_MAPS_CHECK, IDC_LEAGUE, IDC_TOURNAMENT,
                       IDC_SPREAD})
            EXPECT_TRUE(isEnabled(item(id))) << id;
        for (HWND upDown : upDowns()) EXPECT_TRUE(isEnabled(upDown));
        EXPECT_EQ(text(IDC_ASSIGN), "배  정");
    }
};

TEST_F(MainWindowTest, IsPlacedAThirdDownAndCentredOnTheScreen) {
    RECT screen{};
    GetClientRect(GetDesktopWindow(), &screen);
    ASSERT_EQ(std::make_pair(screen.right, screen.bottom), std::make_pair(1024L, 768L)) << "run under a 1024x768 screen";
    const RECT outer = windowRect(main());
    EXPECT_EQ(outer.left, 247);
    EXPECT_EQ(outer.top, 159);
    RECT client{};
    GetClientRect(main(), &client);
    EXPECT_EQ(client.right, 530);
    EXPECT_EQ(client.bottom, 290);
    EXPECT_EQ(windowText(main()), "Rosterlom");
    EXPECT_EQ(className(main()), "Rosterlom");
}

TEST_F(MainWindowTest, StartsReadyForParticipants) {
    EXPECT_EQ(GetFocus(), item(IDC_PARTICIPANT_FIELD));
    EXPECT_EQ(className(item(IDC_PARTICIPANT_FIELD)), "SC_Edit");
    EXPECT_EQ(text(IDC_MAPS_CHECK), "맵 등록 (0)");
    EXPECT_EQ(windowText(GetDlgItem(main(), IDC_GROUP_BOX)), "참가자 등록 (0)");
    EXPECT_EQ(windowText(numberBox(0)), "4");
    EXPECT_EQ(windowText(numberBox(1)), "4");
    EXPECT_EQ(IsDlgButtonChecked(main(), IDC_LEAGUE), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(main(), IDC_TOURNAMENT), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(main(), IDC_SPREAD), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(main(), IDC_EQUAL_MAPS), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(main(), IDC_MAPS_CHECK), BST_UNCHECKED);
    for (int id : kMapInputs) EXPECT_FALSE(isEnabled(item(id))) << id;
    expectEditable();
    EXPECT_EQ(text(IDC_EXIT), "종료");
    EXPECT_EQ(text(IDC_HELP), "도움말");
    EXPECT_EQ(ownedWindows(kResultClass).size(), 0u);
}

TEST_F(MainWindowTest, NumberBoxesAreWhite) {
    for (int which : {0, 1}) {
        HWND box = numberBox(which);
        HDC dc = GetDC(box);
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageA(main(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box)));
        ReleaseDC(box, dc);
        EXPECT_EQ(brush, whiteBrush());
        LOGBRUSH look{};
        ASSERT_NE(GetObjectA(brush, sizeof look, &look), 0);
        EXPECT_EQ(look.lbColor, RGB(255, 255, 255));
    }
}

TEST_F(MainWindowTest, UpDownsStopAtOneAndEight) {
    for (int which : {0, 1}) {
        HWND upDown = upDowns().at(static_cast<std::size_t>(which));
        for (int i = 0; i < 6; ++i) clickArrow(upDown, true);
        EXPECT_EQ(windowText(numberBox(which)), "8");
        for (int i = 0; i < 9; ++i) clickArrow(upDown, false);
        EXPECT_EQ(windowText(numberBox(which)), "1");
        clickArrow(upDown, true);
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

struct Rejection {
    const char* name;
    int participants;
    bool maps;
    int expectedId;
    const char* expectedText;
};

class ValidationTest : public MainWindowTest, public ::testing::WithParamInterface<Rejection> {};

TEST_P(ValidationTest, ShowsTheFirstFailingMessageAndChangesNothing) {
    const Rejection& c = GetParam();
    addParticipants(c.participants);
    if (c.maps) click(IDC_MAPS_CHECK);  // and no map entered
    click(IDC_ASSIGN);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    const MessageBoxRecord& box = boxes.boxes()[0];
    EXPECT_EQ(box.caption, "Rosterloom");
    EXPECT_EQ(box.text, c.expectedText);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_EQ(ownedWindows(kResultClass).size(), 0u);
    EXPECT_FALSE(assignment().assigned());
    expectEditable();
    EXPECT_FALSE(ended());
}

// Four groups of four places: 16 participants fit, 17 do not.
INSTANTIATE_TEST_SUITE_P(
    MessagesInOrder, ValidationTest,
    ::testing::Values(Rejection{"NoParticipantsBeforeNoMaps", 0, true, IDS_NO_PARTICIPANTS, STR_NO_PARTICIPANTS},
                      Rejection{"TooManyBeforeNoMaps", 17, true, IDS_TOO_MANY_PARTICIPANTS,
                                STR_TOO_MANY_PARTICIPANTS},
                      Rejection{"NoMaps", 16, true, IDS_NO_MAPS, STR_NO_MAPS}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, AssignLocksEveryInputAndOpensTheResult) {
    addParticipants(10);
    click(IDC_MAPS_CHECK);
    enter(IDC_MAP_FIELD, "Stone Gate");
    click(IDC_TOURNAMENT);
    click(IDC_ASSIGN);
    EXPECT_TRUE(boxes.boxes().empty());
    ASSERT_TRUE(assignment().assigned());
    EXPECT_TRUE(assignment().settings.tournament);
    EXPECT_EQ(assignment().settings.participantCount, 10);

    const std::vector<HWND> results = ownedWindows(kResultClass);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(windowText(results[0]), "Rosterloom::Result");
    EXPECT_EQ(windowRect(results[0]).left, 254);
    EXPECT_EQ(windowRect(results[0]).top, 114);

    for (int id : kLockableInputs) EXPECT_FALSE(isEnabled(item(id))) << id;
    for (HWND upDown : upDowns()) EXPECT_FALSE(isEnabled(upDown));
    for (int id : {IDC_ASSIGN, IDC_EXIT, IDC_HELP}) EXPECT_TRUE(isEnabled(item(id))) << id;
    for (int which : {0, 1}) EXPECT_TRUE(isEnabled(numberBox(which)));
    EXPECT_EQ(text(IDC_ASSIGN), "결과 보기");
}

TEST_F(MainWindowTest, AssignAgainRecentresTheOpenResult) {
    addParticipants(3);
    click(IDC_ASSIGN);
    ASSERT_EQ(ownedWindows(kResultClass).size(), 1u);
    HWND result = ownedWindows(kResultClass)[0];
    const RECT placed = windowRect(result);
    MoveWindow(result, 5, 7, placed.right - placed.left, placed.bottom - placed.top, TRUE);
    const int shuffleSeedBefore = static_cast<int>(assignment().random.state());

    click(IDC_ASSIGN);
    ASSERT_EQ(ownedWindows(kResultClass), std::vector<HWND>{result});
    const RECT back = windowRect(result);
    EXPECT_EQ(back.left, 254);
    EXPECT_EQ(back.top, 114);
    EXPECT_EQ(back.right - back.left, placed.right - placed.left);
    EXPECT_EQ(static_cast<int>(assignment().random.state()), shuffleSeedBefore) << "nothing is drawn again";
}

TEST_F(MainWindowTest, ShowResultReopensTheHeldAssignment) {
    addParticipants(5);
    click(IDC_ASSIGN);
    DestroyWindow(ownedWindows(kResultClass).at(0));
    const GroupTable held = assignment().groupTable;
    click(IDC_ASSIGN);
    EXPECT_EQ(ownedWindows(kResultClass).size(), 1u);
    EXPECT_EQ(assignment().groupTable, held);
}

TEST_F(MainWindowTest, HelpOpensOnceAndIsRecentred) {
    click(IDC_HELP);
    ASSERT_EQ(ownedWindows(kHelpClass).size(), 1u);
    HWND help = ownedWindows(kHelpClass)[0];
    EXPECT_EQ(windowText(help), "Rosterloom::Help");
    MoveWindow(help, 0, 0, 100, 100, TRUE);
    click(IDC_HELP);
    EXPECT_EQ(ownedWindows(kHelpClass), std::vector<HWND>{help});
    EXPECT_EQ(windowRect(help).left, 262);
    EXPECT_EQ(windowRect(help).top, 106);
}

TEST_F(MainWindowTest, ExitClosesEveryWindowAndEndsTheLoopWithZero) {
    addParticipants(4);
    click(IDC_ASSIGN);
    click(IDC_HELP);
    HWND result = ownedWindows(kResultClass).at(0);
    HWND help = ownedWindows(kHelpClass).at(0);
    click(IDC_EXIT);
    EXPECT_TRUE(boxes.boxes().empty()) << "no question is asked";
    EXPECT_FALSE(IsWindow(main()));
    EXPECT_FALSE(IsWindow(result));
    EXPECT_FALSE(IsWindow(help));
    ASSERT_TRUE(ended());
    EXPECT_EQ(quitCode(), 0);
    EXPECT_FALSE(assignment().assigned());
}

// An allocation failure at any point of the assign command ends the program
// after its box, with no result window and nothing left of the assignment.
class AllocationFailureTest : public MainWindowTest, public ::testing::WithParamInterface<int> {
protected:
    void TearDown() override {
        failAllocationsAfter(-1);
        MainWindowTest::TearDown();
    }
};

TEST_P(AllocationFailureTest, ShowsTheBoxAndEndsTheProgram) {
    addParticipants(9);
    click(IDC_MAPS_CHECK);
    enter(IDC_MAP_FIELD, "A");
    enter(IDC_MAP_FIELD, "B");
    click(IDC_TOURNAMENT);
    failAllocationsAfter(GetParam());
    click(IDC_ASSIGN);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, "Fail to Memory Allocation");
    EXPECT_EQ(boxes.boxes()[0].text, "ERROR");
    EXPECT_EQ(boxes.boxes()[0].buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(IsWindow(main()));
    EXPECT_EQ(ownedWindows(kResultClass).size(), 0u);
    EXPECT_FALSE(assignment().assigned());
    ASSERT_TRUE(ended());
    EXPECT_EQ(quitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(AtEveryStage, AllocationFailureTest, ::testing::Values(0, 1, 3, 6, 10));

}  // namespace
}  // namespace rl::ui::test
