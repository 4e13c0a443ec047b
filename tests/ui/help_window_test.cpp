// The help window: its controls with the whole help text, its font and the
// credit lines, reopening, and the hit tests that drag it by its body.
#include "tests/ui/harness.h"

namespace rl::ui::test {
namespace {

class HelpWindowTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        click(IDC_HELP);
        ASSERT_EQ(ownedWindows(kHelpClass).size(), 1u);
    }
    HWND help() const { return owned(kHelpClass); }
    HWND helpEdit() const { return GetDlgItem(help(), IDC_HELP_EDIT); }
};

// Pressed again: no second window, the open one put back in its place.
// Closed and opened anew: the text kept loaded, the font made afresh and the
// old one given back.
TEST_F(HelpWindowTest, OpensOnceWithTheWholeHelpTextAndItsFont) {
    const char* text = helpText();
    for (int pressed = 0; pressed < 3; ++pressed) {
        HWND window = help();
        const auto font = reinterpret_cast<HFONT>(SendMessageA(helpEdit(), WM_GETFONT, 0, 0));
        expectGolden("help", controlDump(window));
        SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        if (pressed == 1) click(IDC_CLOSE_HELP, window);
        EXPECT_EQ(GetObjectType(font) != 0, pressed != 1) << "the font lives as long as its window";
        click(IDC_HELP);
        EXPECT_EQ(ownedWindows(kHelpClass).size(), 1u);
        EXPECT_EQ(help() == window, pressed != 1);
        EXPECT_EQ(helpText(), text);
    }
}

// Only the scroll-bar band of the text answers the mouse, both its ends
// included; the rest of the window drags it.
TEST_F(HelpWindowTest, TheScrollBarBandAnswersAndTheRestDrags) {
    const struct { int x, y; bool band; } cases[] = {{465, 100, true}, {481, 310, true}, {470, 30, true},
        {464, 100, false}, {482, 100, false}, {470, 29, false}, {470, 311, false}, {0, 0, false}, {495, 445, false}};
    const RECT frame = windowRect(help());
    for (const auto& c : cases) {
        const LPARAM at = MAKELPARAM(frame.left + c.x, frame.top + c.y);
        EXPECT_EQ(SendMessageA(helpEdit(), WM_NCHITTEST, 0, at), c.band ? HTVSCROLL : HTTRANSPARENT) << c.x << "," << c.y;
        EXPECT_EQ(SendMessageA(help(), WM_NCHITTEST, 0, at), HTCAPTION) << c.x << "," << c.y;
    }
}

// A program module without the help text: the window opens with the text
// empty, and a later opening still finds nothing to show.
TEST(HelpText, AMissingHelpTextLeavesTheTextEmpty) {
    HINSTANCE bare = GetModuleHandleA("kernel32.dll");
    HWND window = startApplication(bare, SW_SHOWNORMAL);
    ASSERT_NE(window, nullptr);
    for (int opening = 0; opening < 2; ++opening) {
        SendMessageA(GetDlgItem(window, IDC_HELP), BM_CLICK, 0, 0);
        HWND helpWindow = FindWindowA(kHelpClass, nullptr);
        ASSERT_NE(helpWindow, nullptr);
        EXPECT_EQ(windowText(GetDlgItem(helpWindow, IDC_HELP_EDIT)), "");
        EXPECT_EQ(helpText(), nullptr);
        DestroyWindow(helpWindow);
    }
    DestroyWindow(window);
    pumpMessages();
    unregisterProgramClasses(bare);
}

}  // namespace
}  // namespace rl::ui::test
