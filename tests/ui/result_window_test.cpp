// The result window as a person meets it: its controls, each group's texts,
// how cancel, close and reopening treat the assignment, and the export to the
// Desktop with the three outcomes the user is told about.
#include <string>
#include <vector>

#include "engine/assignment.h"
#include "resources/strings.h"
#include "tests/ui/result_fixture.h"
#include "text/export_text.h"
#include "text/result_view.h"

namespace rl::ui::test {
namespace {

class ResultWindowTest : public ResultFixture {
protected:
    void SetUp() override {
        ResultFixture::SetUp();
        prepareExample();
    }
    // The chooser on `group` and the edits holding its texts.
    void expectShowsGroup(int group) {
        EXPECT_EQ(SendMessageA(resultItem(IDC_GROUP_CHOOSER), CB_GETCURSEL, 0, 0), group);
        const ResultView view = buildResultView(assignment(), host(), group);
        EXPECT_EQ(resultText(IDC_TABLE_EDIT), view.tableText);
        EXPECT_EQ(resultText(IDC_SCHEDULE_EDIT), view.scheduleText) << "group " << group;
    }
    void cancelAnswering(int answer) {
        boxes.answerNextWith(answer);
        clickResult(IDC_CANCEL_ASSIGNMENT);
    }
};

// The free client area and the title bar drag the window.
TEST_F(ResultWindowTest, OpensPlacedOnGroupAAndDragsByItsBody) {
    ASSERT_TRUE(openResult());
    expectGolden("result", controlDump(result(), {IDC_TABLE_EDIT, IDC_SCHEDULE_EDIT}));
    expectShowsGroup(0);
    for (POINT at : {POINT{250, 15}, POINT{5, 415}, POINT{250, -5}}) {
        ClientToScreen(result(), &at);
        EXPECT_EQ(SendMessageA(result(), WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), HTCAPTION);
    }
}

// Another group changes the schedule only; cancel answered No keeps all.
TEST_F(ResultWindowTest, AGroupChangesTheScheduleOnlyAndCancelNoKeepsAll) {
    ASSERT_TRUE(openResult());
    const std::string table = resultText(IDC_TABLE_EDIT), scheduleA = resultText(IDC_SCHEDULE_EDIT);
    for (int group : {1, 0, 2}) {
        choose(group);
        expectShowsGroup(group);
        EXPECT_EQ(resultText(IDC_SCHEDULE_EDIT) == scheduleA, group == 0);
    }
    const std::string locked = controlDump(main());
    const GroupTable before = assignment().groupTable;
    cancelAnswering(IDNO);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    expectLastBox(boxes, STR_APP_CAPTION, STR_CONFIRM_CANCEL, {IDYES, IDNO});
    ASSERT_NE(result(), nullptr);
    EXPECT_EQ(assignment().groupTable, before);
    EXPECT_EQ(resultText(IDC_TABLE_EDIT), table);
    expectShowsGroup(2);
    EXPECT_EQ(controlDump(main()), locked);
}

// Yes ends the assignment and gives the main window back as it was, the map
// inputs with it only when maps are used; the next assign takes the lists in.
TEST_F(ResultWindowTest, CancelYesUnlocksAsBeforeAndTheNextAssignDrawsAnew) {
    for (const char* latecomer : {"latecomer", "straggler"}) {
        SCOPED_TRACE(latecomer);
        const std::string before = controlDump(main());
        ASSERT_TRUE(openResult());
        cancelAnswering(IDYES);
        EXPECT_EQ(result(), nullptr);
        EXPECT_FALSE(assignment().assigned());
        EXPECT_EQ(controlDump(main()), before);
        enter(IDC_PARTICIPANT_FIELD, latecomer);
        ASSERT_TRUE(openResult());
        EXPECT_NE(resultText(IDC_TABLE_EDIT).find(latecomer), std::string::npos);
        expectShowsGroup(0);
        cancelAnswering(IDYES);
        click(IDC_MAPS_CHECK);  // maps off for the next round
    }
}

TEST_F(ResultWindowTest, CloseButtonAndCloseBoxKeepTheAssignment) {
    ASSERT_TRUE(openResult());
    const GroupTable table = assignment().groupTable;
    const std::string locked = controlDump(main());
    for (bool byButton : {true, false}) {
        SCOPED_TRACE(byButton ? "close button" : "close box");
        choose(1);
        if (byButton) clickResult(IDC_CLOSE_RESULT);
        else SendMessageA(result(), WM_SYSCOMMAND, SC_CLOSE, 0);
        pumpMessages();
        EXPECT_EQ(result(), nullptr);
        EXPECT_EQ(assignment().groupTable, table);
        EXPECT_EQ(controlDump(main()), locked);
        ASSERT_TRUE(openResult());  // again, on group A
        expectShowsGroup(0);
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

// A stand-in for WriteFile on a full disk: after the given writes nothing, or
// only half, is written.
int writesLeft = 0;
bool halfWrites = false;
BOOL WINAPI fullDiskWriter(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED o) {
    if (writesLeft-- > 0 || halfWrites) return WriteFile(file, data, writesLeft >= 0 ? size : size / 2, written, o);
    *written = 0;
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

// Each export replaces what was there with the table and every group in
// order. A file in use or a folder in its place is left alone; a failed write
// is never told as success and leaves no half file behind.
TEST_F(ResultWindowTest, ExportWritesTheFileOrTellsWhyNot) {
    const std::string path = desktopFile();
    ASSERT_FALSE(path.empty());
    ASSERT_TRUE(openResult());
    std::string whole = exportTableText(assignment(), host());
    for (int g = 0; g < 3; ++g) whole += exportGroupText(assignment(), host(), g);
    const auto exportAndTell = [&](const char* told) {
        clickResult(IDC_EXPORT);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        expectLastBox(boxes, STR_APP_CAPTION, told);
        boxes.forget();
        EXPECT_TRUE(result() && assignment().assigned());
    };
    std::ofstream(path, std::ios::binary) << std::string(20000, 'x');
    for (int time = 0; time < 2; ++time) {
        exportAndTell(STR_EXPORT_DONE);
        EXPECT_EQ(fileContents(path), whole);
    }
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    exportAndTell(STR_EXPORT_IN_USE);
    CloseHandle(held);
    EXPECT_EQ(fileContents(path), whole);
    DeleteFileA(path.c_str());
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    exportAndTell(STR_EXPORT_NO_ACCESS);
    EXPECT_TRUE(RemoveDirectoryA(path.c_str()));
    setFileWriterForTesting(fullDiskWriter);
    for (const auto& [goodWrites, half] : {std::pair{0, false}, std::pair{0, true}, std::pair{2, false}}) {
        writesLeft = goodWrites;
        halfWrites = half;
        exportAndTell(STR_EXPORT_NO_ACCESS);
        EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << goodWrites << half;
    }
    setFileWriterForTesting(nullptr);
}

}  // namespace
}  // namespace rl::ui::test
