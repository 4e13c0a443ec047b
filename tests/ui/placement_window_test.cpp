// The placement window, Alt+Space G in the main window: every registered
// participant given a group and a place, typed or pasted as GROUP<TAB>NAME
// lines, checked when taken; then "배정" places the groups as the command
// line's --placement does, and the event keeps them.
#include "engine/list_host.h"
#include "event/draw.h"
#include "resources/placement.h"
#include "text/export_text.h"
#include "tests/ui/harness.h"

namespace rl::ui::test {
namespace {

// A dual season's group A and B, registered in another order than placed.
constexpr const char* kRegistered[] = {"Shine", "Mini", "Last", "Snow", "Rain", "Movie", "Sharp", "Sea"};
constexpr const char* kLines = "A\tMini\r\nA\tLast\r\nA\tRain\r\nA\tMovie\r\nB\tSnow\r\nB\tShine\r\nB\tSharp\r\nB\tSea\r\n";

class PlacementWindowTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        setClockForTesting(2018);
        for (const char* name : kRegistered) enter(IDC_PARTICIPANT_FIELD, name);
        setGroups(2, 4);
        click(IDC_TOURNAMENT);
    }
    void TearDown() override {
        setClockForTesting(std::nullopt);
        ProgramTest::TearDown();
    }
    HWND window() const { return owned("PlacementWnd"); }
    HWND at(int id) const { return GetDlgItem(window(), id); }
    void openWindow() {
        altSpaceThen(main(), 'G');
        ASSERT_NE(window(), nullptr);
    }
    // Chosen, typed into the fields and entered, as a person places one participant.
    void place(int row, const char* group, const char* order) {
        SendMessageA(at(IDC_PLACEMENT_LIST), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        notify(window(), IDC_PLACEMENT_LIST, LBN_SELCHANGE);
        SetFocus(at(IDC_PLACEMENT_ORDER));
        SetWindowTextA(at(IDC_PLACEMENT_GROUP), group);
        SetWindowTextA(at(IDC_PLACEMENT_ORDER), order);
        ASSERT_TRUE(dialogKey(window(), at(IDC_PLACEMENT_ORDER), VK_RETURN));
    }
    std::string rows() const {
        std::string text;
        for (const std::string& row : listEntries(at(IDC_PLACEMENT_LIST))) text += readable(row) + "\n";
        return text;
    }
    // What the command line's --placement of the same lines draws, as the export.
    static std::string placedByTheLines() {
        ListHost host;
        host.tournament = true;
        host.groupCountText = "2";
        host.clock = 2018;
        event::DrawChoices choices;
        choices.placement = Placement{{"Mini", "Last", "Rain", "Movie", "Snow", "Shine", "Sharp", "Sea"},
                                      {{0, 1, 2, 3}, {4, 5, 6, 7}}};
        host.participants = choices.placement->participants;
        const event::DrawOutcome drawn = event::drawEvent(host, choices);
        return exportFileText(drawn.event.state, host);
    }
};

TEST_F(PlacementWindowTest, ATypedPlacementIsCheckedThenPlacedAsTheCommandLinePlacesIt) {
    openWindow();
    // Shine, Mini, Last, Snow, Rain, Movie, Sharp, Sea: an empty place is the group's next one.
    const char* const typed[][2] = {{"B", "2"}, {"a", ""}, {"A", ""}, {"B", "1"}, {"A", ""}, {"A", ""}, {"B", "3"}};
    for (int row = 0; row < 7; ++row) place(row, typed[row][0], typed[row][1]);
    click(IDC_PLACEMENT_TAKE, window());
    EXPECT_EQ(boxes.takeLog(), told("'Sea' 선수의 조가 정해지지 않았습니다."));
    place(7, "C", "");
    EXPECT_EQ(boxes.takeLog(), told("C조가 없습니다. 조는 A조부터 B조까지입니다."));
    place(7, "B", "5");
    EXPECT_EQ(boxes.takeLog(), told("B조의 순서는 1부터 4까지입니다."));
    place(7, "B", "3");
    click(IDC_PLACEMENT_TAKE, window());
    EXPECT_EQ(boxes.takeLog(), told("B조 3번 자리에 'Sea' 선수와 다른 선수가 함께 있습니다."));
    place(7, "B", "4");
    expectGolden("placement-window", controlDump(window()) + rows());
    MSG altU{at(IDC_PLACEMENT_LIST), WM_SYSCHAR, 'u', 1 << 29, 0, {}};  // "편성 사용(&U)" from the keys
    ASSERT_TRUE(IsDialogMessageA(window(), &altU));
    pump();
    EXPECT_EQ(window(), nullptr);
    ASSERT_TRUE(openResult());
    EXPECT_TRUE(theEvent().placedByHand);
    EXPECT_EQ(exportFileText(assignment(), host()), placedByTheLines());
    // The event opened again keeps its groups as placed, and the window shows them.
    boxes.answerNextWith(IDYES);
    ASSERT_TRUE(openEventFile(main(), autosavePath())) << boxes.takeLog();
    EXPECT_TRUE(theEvent().placedByHand);
    EXPECT_EQ(exportFileText(assignment(), host()), placedByTheLines());
}

TEST_F(PlacementWindowTest, PastedLinesPlaceTheRegisteredParticipants) {
    openWindow();
    putOnClipboard("A\tMini\r\nA\tKim\r\n");
    click(IDC_PLACEMENT_PASTE, window());
    EXPECT_EQ(boxes.takeLog(), told("2번째 줄: 'Kim' 선수는 등록된 참가자가 아닙니다(또는 등록된 것보다 여러 번 나옵니다)."));
    putOnClipboard("# Ro16\r\nA\tMini\r\nC\tLast\r\n");
    click(IDC_PLACEMENT_PASTE, window());
    EXPECT_EQ(boxes.takeLog(), told("3번째 줄: C조가 없습니다. 조는 A조부터 B조까지입니다."));
    putOnClipboard(kLines);
    click(IDC_PLACEMENT_PASTE, window());
    EXPECT_EQ(boxes.takeLog(), "");
    EXPECT_EQ(listEntries(at(IDC_PLACEMENT_LIST)).at(0), "Shine\tB\t2");
    saveShot(window(), "placement");
    click(IDC_PLACEMENT_TAKE, window());
    ASSERT_TRUE(openResult());
    EXPECT_EQ(exportFileText(assignment(), host()), placedByTheLines());
}

// Taken off again, the next draw draws.
TEST_F(PlacementWindowTest, APlacementLetGoLeavesTheDrawToChance) {
    openWindow();
    putOnClipboard(kLines);
    click(IDC_PLACEMENT_PASTE, window());
    click(IDC_PLACEMENT_TAKE, window());
    openWindow();
    EXPECT_EQ(listEntries(at(IDC_PLACEMENT_LIST)).at(0), "Shine\tB\t2");
    click(IDC_PLACEMENT_DROP, window());
    EXPECT_EQ(listEntries(at(IDC_PLACEMENT_LIST)).at(0), "Shine\t-\t-");
    ASSERT_TRUE(dialogKey(window(), at(IDC_PLACEMENT_LIST), VK_ESCAPE));
    ASSERT_TRUE(openResult());
    EXPECT_FALSE(theEvent().placedByHand);
}

// A list changed since the placement was taken is placed again first.
TEST_F(PlacementWindowTest, APlacementForAnotherListIsRefusedAtTheDraw) {
    openWindow();
    putOnClipboard(kLines);
    click(IDC_PLACEMENT_PASTE, window());
    click(IDC_PLACEMENT_TAKE, window());
    deleteEntries(IDC_PARTICIPANT_LIST, {7});
    enter(IDC_PARTICIPANT_FIELD, "Flash");
    click(IDC_ASSIGN);
    EXPECT_EQ(boxes.takeLog(), told(STR_PLACEMENT_STALE));
    EXPECT_EQ(result(), nullptr);
}

}  // namespace
}  // namespace rl::ui::test
