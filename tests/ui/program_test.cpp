// The program as a whole: its start and end, its limits, and no leak.
#include <functional>

#include "resources/strings.h"
#include "tests/ui/harness.h"
#include "text/export_text.h"
#include "text/result_view.h"

namespace rl::ui::test {
namespace {

// Without a window the loop would wait forever: a failed start says so and
// gives up, leaving nothing registered behind.
TEST(Program, AFailedStartIsReported) {
    MessageBoxWatcher boxes;
    for (const auto& [taken, message] : {std::pair{kHelpClass, "창 클래스를 등록할 수 없어 프로그램을 끝냅니다."},
                                         {kEntryFieldClass, "주 창을 만들 수 없어 프로그램을 끝냅니다."}}) {
        // The main window's creation registers the entry field.
        WNDCLASSA decoy{0, DefWindowProcA, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, taken}, cls{};
        ASSERT_NE(RegisterClassA(&decoy), 0);
        EXPECT_TRUE(!startApplication(GetModuleHandleA(nullptr), SW_SHOWNORMAL) && !mainWindow()) << taken;
        EXPECT_EQ(boxes.takeLog(), told(message));
        EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), kMainClass, &cls) || FindWindowA(kMainClass, nullptr));
        pumpMessages();
        unregisterProgramClasses();
    }
}

std::string syllable(int n) { return std::string("가나다라마바사아자차카타파하한글").substr(n % 16 * 2, 2); }

// Every list filled through its field with names of 49 bytes, half of them
// with the letter first, so that a cut at 48 would leave a lone lead byte;
// then 64 participants in 8 groups of 8 and 10 maps dealt evenly, in both
// modes: the biggest result there is, shown and exported with every name whole.
using LimitsTest = ProgramTest;
TEST_F(LimitsTest, TheBiggestAssignmentIsShownAndExportedWhole) {
    std::vector<std::string> names[2];  // participants, maps
    click(IDC_MAPS_CHECK);
    for (int list : {0, 1}) {
        for (int i = 0; i < (list ? 10 : 128); ++i) {
            std::string name;
            for (int k = 0; k < 22; ++k) name += syllable(k + i);
            name += syllable(i / 16) + syllable(i);
            names[list].push_back(i % 2 ? "PM"[list] + name : name + "PM"[list]);
            enter(list ? IDC_MAP_FIELD : IDC_PARTICIPANT_FIELD, names[list].back());
        }
        EXPECT_EQ(listEntries(item(list ? IDC_MAP_LIST : IDC_PARTICIPANT_LIST)), names[list]);
    }
    setGroups(8, 8);
    click(IDC_ASSIGN);  // 128 can never be placed
    EXPECT_EQ(boxes.takeLog(), told(STR_TOO_MANY_PARTICIPANTS));
    std::vector<int> second;
    for (int i = 64; i < 128; ++i) second.push_back(i);
    deleteEntries(IDC_PARTICIPANT_LIST, second);
    names[0].resize(64);
    for (int mode : {IDC_LEAGUE, IDC_TOURNAMENT}) {
        SCOPED_TRACE(mode);
        click(mode);
        ASSERT_TRUE(openResult());
        std::string shown = resultText(IDC_TABLE_EDIT);
        EXPECT_EQ(shown, buildResultView(assignment(), host(), 0).tableText);
        for (int group = 0; group < 8; ++group) {
            choose(group);
            EXPECT_EQ(resultText(IDC_SCHEDULE_EDIT), buildResultView(assignment(), host(), group).scheduleText);
            shown += resultText(IDC_SCHEDULE_EDIT);
        }
        click(IDC_EXPORT, result());
        EXPECT_EQ(boxes.takeLog(), told(STR_EXPORT_DONE));
        const std::string path = desktopFile("조배정결과.txt"), written = fileContents(path);
        EXPECT_EQ(written, exportFileText(assignment(), host()));
        DeleteFileA(path.c_str());
        for (const std::string& text : {shown, written})
            for (const auto& list : names)
                for (const std::string& name : list) EXPECT_NE(text.find(name), std::string::npos) << name;
        boxes.answerNextWith(IDYES);
        click(IDC_CANCEL_ASSIGNMENT, result());
        EXPECT_EQ(boxes.takeLog(), told(STR_CONFIRM_CANCEL, " 6 7"));
    }
}

// Wine answers GetGuiResources with 0 (not implemented), so the objects are
// counted by asking every handle value. A handle whose high word is zero
// names its table slot whatever its generation, on Windows and Wine alike.
// USER handles (windows, menus, icons, cursors) are even, from 0x20 on.
unsigned long objectCensus(bool gdi) {
    unsigned long count = 0;
    for (UINT_PTR slot = gdi ? 1 : 0x20; slot < (gdi ? 0x10000u : 0xFFF0u); slot += gdi ? 1 : 2) {
        const auto handle = reinterpret_cast<HANDLE>(slot);
        ICONINFO icon{};
        if (gdi ? GetObjectType(handle) != 0
                : IsWindow(static_cast<HWND>(handle)) || IsMenu(static_cast<HMENU>(handle)) ||
                      GetIconInfo(static_cast<HICON>(handle), &icon))
            ++count;
        for (HBITMAP made : {icon.hbmMask, icon.hbmColor})
            if (made) DeleteObject(made);
    }
    return count;
}

// Bytes in use in every heap of the process: the process heap and the C
// runtime's own, where malloc and operator new take their memory.
unsigned long long heapBytesInUse() {
    HANDLE heaps[64] = {};
    const DWORD count = GetProcessHeaps(64, heaps);
    unsigned long long bytes = 0;
    for (DWORD h = 0; h < count && h < 64; ++h) {
        if (!HeapLock(heaps[h])) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[h], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
        HeapUnlock(heaps[h]);
    }
    return bytes;
}

// Assigning and cancelling, and opening and closing the result and help
// windows, again and again: after a first cycle (first loads and caches), no
// GDI or USER object and less than a byte a cycle of heap may be left behind.
using LeakTest = ProgramTest;
TEST_F(LeakTest, NoCycleLeavesAnythingBehind) {
    addParticipants(64);  // the most an assignment holds: 8 groups of 8, league, 10 maps dealt evenly
    setGroups(8, 8);
    click(IDC_MAPS_CHECK);
    for (int i = 0; i < 10; ++i) enter(IDC_MAP_FIELD, "map" + std::to_string(i));
    const auto assignAndCancel = [&] {
        ASSERT_TRUE(openResult());
        boxes.answerNextWith(IDYES);
        click(IDC_CANCEL_ASSIGNMENT, result());
        boxes.takeLog();  // what the watcher keeps would count as growth
        ASSERT_FALSE(assignment().assigned() || result());
    };
    const auto openAndClose = [&](int command, const char* className, int closeId) {
        click(command);
        click(closeId, owned(className));  // a missing window has no button to click
        ASSERT_EQ(owned(className), nullptr);
    };
    const std::pair<int, std::function<void()>> cycles[] = {
        {200, assignAndCancel},
        {50, [&] { openAndClose(IDC_ASSIGN, kResultClass, IDC_CLOSE_RESULT); }},
        {50, [&] { openAndClose(IDC_HELP, kHelpClass, IDC_CLOSE_HELP); }},
    };
    for (const auto& [times, cycle] : cycles) {
        cycle();
        // The censuses make and free things of their own, so the heap is measured inside them.
        const unsigned long gdi = objectCensus(true), user = objectCensus(false);
        const unsigned long long heap = heapBytesInUse();
        for (int i = 0; i < times && !HasFatalFailure(); ++i) cycle();
        ASSERT_FALSE(HasFatalFailure());
        const unsigned long long heapAfter = heapBytesInUse();
        const unsigned long gdiAfter = objectCensus(true), userAfter = objectCensus(false);
        std::printf("%d cycles: GDI %lu -> %lu, USER %lu -> %lu, heap %llu -> %llu bytes\n", times, gdi, gdiAfter,
                    user, userAfter, heap, heapAfter);
        EXPECT_TRUE(gdiAfter <= gdi && userAfter <= user && heapAfter <= heap + 32) << times;
    }
}

}  // namespace
}  // namespace rl::ui::test
