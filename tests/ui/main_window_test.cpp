// The main window as a person meets it: its controls, names typed, pasted and
// deleted, the messages of a refused assign, the lock while an assignment
// stands, the exit, and memory running out.
#include <array>
#include <sstream>

#include "resources/strings.h"
#include "tests/ui/harness.h"

namespace rl::ui::test {
namespace {

// 25 syllables, 50 bytes: a cut at byte 49 would fall inside the last one.
// With a letter first, byte 49 ends a syllable and 49 bytes stay.
const std::string kLong = "가나다라마바사아자차카타파하거너더러머버서어저처커";

// True when the whole, non-empty text of the edit is selected; positions are
// in the control's own units (bytes or characters), as its length is.
bool allSelected(HWND edit) {
    DWORD from = 0, to = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    const auto length = static_cast<DWORD>(SendMessageA(edit, EM_LINELENGTH, 0, 0));
    return length > 0 && from == 0 && to == length;
}

class MainWindowTest : public ProgramTest {
protected:
    // Each list under its caption with its field, then the boxes shown since.
    std::string shown() {
        std::string s;
        for (auto [caption, list, field] : {std::array{IDC_GROUP_BOX, IDC_PARTICIPANT_LIST, IDC_PARTICIPANT_FIELD},
                                            std::array{IDC_MAPS_CHECK, IDC_MAP_LIST, IDC_MAP_FIELD}}) {
            s += readable(windowText(item(caption))) + " top " +
                 std::to_string(SendMessageA(item(list), LB_GETTOPINDEX, 0, 0));
            for (const std::string& entry : listEntries(item(list))) s += " <" + readable(entry) + ">";
            s += " field \"" + readable(windowText(item(field))) + "\"" + (allSelected(item(field)) ? " selected" : "") +
                 (GetFocus() == item(field) ? " focused" : "") + (IsWindowEnabled(item(field)) ? "\n" : " off\n");
        }
        return s + boxes.takeLog();
    }
};

// A name goes in when it does not start blank, cut to 49 bytes at a whole
// character; a pasted list goes in line by line, its first cell each, up to
// the limit. What each step leaves is in tests/data/ui/main-entries.txt.
TEST_F(MainWindowTest, NamesTypedPastedAndDeleted) {
    std::string sheet;
    for (int i = 1; i <= 130; ++i) sheet += "n" + std::to_string(i) + "\tteam\r\n";
    const struct {
        char how;  // t: typed and entered, p: pasted, d: entries at these indexes deleted, c: clicked
        int id;
        std::string text;
    } steps[] = {
        {'c', IDC_MAPS_CHECK, ""}, {'c', IDC_ASSIGN, ""}, {'t', IDC_PARTICIPANT_FIELD, "홍길동"},  // no participants first
        {'t', IDC_PARTICIPANT_FIELD, "Marlow"}, {'t', IDC_PARTICIPANT_FIELD, ""}, {'t', IDC_PARTICIPANT_FIELD, " Zeal"},
        {'t', IDC_PARTICIPANT_FIELD, "\tZeal"}, {'t', IDC_PARTICIPANT_FIELD, "Zeal  "}, {'t', IDC_PARTICIPANT_FIELD, "same"},
        {'t', IDC_PARTICIPANT_FIELD, "same"}, {'t', IDC_PARTICIPANT_FIELD, kLong}, {'t', IDC_PARTICIPANT_FIELD, "M" + kLong},
        {'c', IDC_ASSIGN, ""}, {'d', IDC_PARTICIPANT_LIST, "1 4 6"}, {'d', IDC_PARTICIPANT_LIST, ""},  // no maps
        {'t', IDC_MAP_FIELD, kLong}, {'p', IDC_MAP_FIELD, "m1\r\nm2\nm3\rm4\r\n"},
        {'p', IDC_MAP_FIELD, "\r\n  blank\r\n\tcell\r\ne\tscore\t3\r\n\r\n"}, {'p', IDC_MAP_FIELD, "m8\nm9\nm10\nm11\n\n  \n"},
        {'p', IDC_MAP_FIELD, "\nm12"}, {'t', IDC_MAP_FIELD, "extra"}, {'d', IDC_MAP_LIST, "0 2"}, {'c', IDC_MAPS_CHECK, ""},
        {'p', IDC_PARTICIPANT_FIELD, "single"}, {'p', IDC_PARTICIPANT_FIELD, sheet}, {'c', IDC_ASSIGN, ""},  // too many
    };
    std::string log = shown();
    for (const auto& step : steps) {
        if (step.how == 't') enter(step.id, step.text);
        if (step.how == 'p') SetWindowTextA(item(step.id), "");
        if (step.how == 'p') paste(step.id, step.text);
        if (step.how == 'c') click(step.id);
        std::vector<int> at;
        std::istringstream indexes(step.text);
        for (int i; indexes >> i;) at.push_back(i);
        if (step.how == 'd') deleteEntries(step.id, at);
        log += std::string("> ") + step.how + " " + std::to_string(step.id) + " " + readable(step.text.substr(0, 60)) +
               "\n" + shown();
    }
    EXPECT_FALSE(owned(kResultClass) || assignment().assigned());
    expectGolden("main-entries", log);
}

// Assign locks the inputs; pressed again, the button puts the open result
// back in its place and draws nothing anew.
TEST_F(MainWindowTest, StartsWithItsControlsAndAssignLocksThem) {
    expectGolden("main", controlDump(main()) + "caption font " + (captionFontInstalled() ? "found\n" : "missing\n"));
    prepareExample();
    ASSERT_TRUE(openResult());
    EXPECT_EQ(boxes.takeLog(), "");
    expectGolden("main-assigned", controlDump(main()));
    HWND result = owned(kResultClass);
    const RECT placed = windowRect(result);
    MoveWindow(result, 5, 7, 100, 100, TRUE);
    const auto drawState = assignment().random.state();
    ASSERT_TRUE(openResult());
    EXPECT_EQ(owned(kResultClass), result);
    EXPECT_EQ(windowRect(result).left * 1000 + windowRect(result).top, placed.left * 1000 + placed.top);
    EXPECT_EQ(assignment().random.state(), drawState);
}

// The exit button asks nothing; an allocation failure at any point of the
// assign command, or of loading the help text, tells it in a box. Either way
// every window goes, the help text and the assignment with them, and the loop
// ends with 0.
TEST_F(MainWindowTest, ExitAndAllocationFailureEndTheProgramWithNothingLeft) {
    for (const auto& [command, stage] : {std::pair{IDC_EXIT, -1}, {IDC_ASSIGN, 0}, {IDC_ASSIGN, 1}, {IDC_ASSIGN, 3},
                                         {IDC_ASSIGN, 6}, {IDC_ASSIGN, 10}, {IDC_HELP, 0}}) {
        SCOPED_TRACE(std::to_string(command) + " failing after " + std::to_string(stage));
        TearDown();
        SetUp();
        prepareExample();
        if (command == IDC_EXIT) click(IDC_ASSIGN), click(IDC_HELP);
        ASSERT_TRUE(command != IDC_EXIT || (owned(kResultClass) && owned(kHelpClass) && helpText()));
        failAllocationsAfter(stage);
        click(command);
        failAllocationsAfter(-1);
        EXPECT_EQ(boxes.takeLog(), stage < 0 ? "" : "box Fail to Memory Allocation: ERROR\n");
        EXPECT_FALSE(IsWindow(main()) || FindWindowA(kResultClass, nullptr) || FindWindowA(kHelpClass, nullptr));
        EXPECT_FALSE(helpText() || assignment().assigned());
        EXPECT_TRUE(endedWithZero());
    }
}

}  // namespace
}  // namespace rl::ui::test
