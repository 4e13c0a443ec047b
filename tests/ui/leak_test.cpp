// Assigning and cancelling, and opening and closing the result and help
// windows, again and again: no GDI or USER object and no heap memory may be
// left behind by any cycle.
#include <cstdio>
#include <functional>
#include <string>

#include "engine/assignment.h"
#include "resources/strings.h"
#include "tests/ui/result_fixture.h"

namespace rl::ui::test {
namespace {

// Wine answers GetGuiResources with 0 (not implemented), so the objects are
// counted by asking every handle value. A handle whose high word is zero
// names its table slot whatever its generation, on Windows and Wine alike.
DWORD gdiObjectCensus() {
    DWORD count = 0;
    for (UINT_PTR slot = 1; slot <= 0xFFFF; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) ++count;
    return count;
}

bool isIconOrCursor(HANDLE handle) {
    ICONINFO info{};
    if (!GetIconInfo(static_cast<HICON>(handle), &info)) return false;
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return true;
}

// Windows, menus, icons and cursors: the USER objects a program makes. USER
// handles are even, from 0x20 on.
DWORD userObjectCensus() {
    DWORD count = 0;
    for (UINT_PTR slot = 0x20; slot < 0xFFF0; slot += 2) {
        const auto handle = reinterpret_cast<HANDLE>(slot);
        if (IsWindow(static_cast<HWND>(handle)) || IsMenu(static_cast<HMENU>(handle)) || isIconOrCursor(handle))
            ++count;
    }
    return count;
}

// Bytes in use in every heap of the process: the process heap and the C
// runtime's own, where malloc and operator new take their memory.
SIZE_T heapBytesInUse() {
    HANDLE heaps[64] = {};
    const DWORD count = GetProcessHeaps(64, heaps);
    SIZE_T bytes = 0;
    for (DWORD h = 0; h < count && h < 64; ++h) {
        if (!HeapLock(heaps[h])) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[h], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
        HeapUnlock(heaps[h]);
    }
    return bytes;
}

struct Objects {
    unsigned long gdi = gdiObjectCensus();
    unsigned long user = userObjectCensus();
};

class LeakTest : public ResultFixture {
protected:
    // One warm-up cycle (first loads and caches), then `cycles` more, with
    // the counts before and after.
    void expectNoGrowth(const char* what, int cycles, const std::function<void()>& cycle) {
        cycle();
        ASSERT_FALSE(HasFatalFailure());
        // The censuses make and free things of their own, so the heap is
        // measured inside them.
        const Objects objectsBefore;
        const SIZE_T heapBefore = heapBytesInUse();
        const DWORD started = GetTickCount();
        for (int i = 0; i < cycles && !HasFatalFailure(); ++i) cycle();
        ASSERT_FALSE(HasFatalFailure());
        const DWORD elapsed = GetTickCount() - started;
        const SIZE_T heapAfter = heapBytesInUse();
        const Objects objectsAfter;
        std::printf("%s, %d cycles in %lu ms: GDI %lu -> %lu, USER %lu -> %lu, heap %llu -> %llu bytes\n", what,
                    cycles, static_cast<unsigned long>(elapsed), objectsBefore.gdi, objectsAfter.gdi,
                    objectsBefore.user, objectsAfter.user, static_cast<unsigned long long>(heapBefore),
                    static_cast<unsigned long long>(heapAfter));
        EXPECT_LE(objectsAfter.gdi, objectsBefore.gdi) << what;
        EXPECT_LE(objectsAfter.user, objectsBefore.user) << what;
        EXPECT_LE(heapAfter, heapBefore + kHeapSlack) << what;
    }

    // 64 participants in 8 groups of 8, league, 10 maps dealt evenly: the
    // most an assignment holds.
    void prepareBiggest() {
        addParticipants(64);
        setNumber(kGroupCountBox, 8);
        setNumber(kGroupSizeBox, 8);
        click(IDC_MAPS_CHECK);
        for (int i = 0; i < 10; ++i) enter(IDC_MAP_FIELD, "map" + std::to_string(i));
    }

    // Below one byte a cycle: a window, text or tab stop left behind by each
    // cycle shows.
    static constexpr SIZE_T kHeapSlack = 32;
};

TEST_F(LeakTest, AssignAndCancelTwoHundredTimes) {
    prepareBiggest();
    expectNoGrowth("assign and cancel", 200, [&] {
        ASSERT_TRUE(openResult());
        ASSERT_TRUE(assignment().assigned());
        boxes.answerNextWith(IDYES);
        clickResult(IDC_CANCEL_ASSIGNMENT);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        ASSERT_EQ(boxes.boxes().back().text, STR_CONFIRM_CANCEL);
        boxes.forget();  // what the watcher keeps would count as growth
        ASSERT_FALSE(assignment().assigned());
        ASSERT_EQ(result(), nullptr);
    });
}

TEST_F(LeakTest, OpenAndCloseTheResultFiftyTimes) {
    prepareBiggest();
    expectNoGrowth("result window", 50, [&] {
        ASSERT_TRUE(openResult());
        clickResult(IDC_CLOSE_RESULT);
        ASSERT_EQ(result(), nullptr);
        ASSERT_TRUE(assignment().assigned());
    });
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(LeakTest, OpenAndCloseTheHelpFiftyTimes) {
    expectNoGrowth("help window", 50, [&] {
        click(IDC_HELP);
        ASSERT_NE(owned(kHelpClass), nullptr);
        SendMessageA(GetDlgItem(owned(kHelpClass), IDC_CLOSE_HELP), BM_CLICK, 0, 0);
        pump();
        ASSERT_EQ(owned(kHelpClass), nullptr);
    });
    EXPECT_TRUE(boxes.boxes().empty());
}

}  // namespace
}  // namespace rl::ui::test
