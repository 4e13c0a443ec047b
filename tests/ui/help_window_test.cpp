// The help window: where it opens, the help text it shows and keeps, the
// credit lines, its font, and the hit tests that make it draggable by its body.
#include <string>
#include <vector>

#include "tests/ui/harness.h"  // windows.h before the ids

#include "resources/ids.h"

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
    HFONT editFont() const { return reinterpret_cast<HFONT>(SendMessageA(helpEdit(), WM_GETFONT, 0, 0)); }
    LRESULT hitAt(HWND target, int dx, int dy) const {
        const RECT frame = windowRect(help());
        return SendMessageA(target, WM_NCHITTEST, 0, MAKELPARAM(frame.left + dx, frame.top + dy));
    }
};

TEST_F(HelpWindowTest, OpensPlacedOnceWithTheWholeHelpText) {
    HWND window = help();
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right * 1000 + client.bottom, 500L * 1000 + 450);
    EXPECT_EQ(windowText(window), "Rosterloom::Help");
    EXPECT_EQ(windowText(GetDlgItem(window, IDC_CLOSE_HELP)), "닫기");
    ASSERT_NE(helpText(), nullptr);
    EXPECT_EQ(windowText(helpEdit()), helpText());
    EXPECT_EQ(windowText(helpEdit()).size(), 1913u);

    // The about text: the title line, then the credits.
    HWND about = ChildWindowFromPoint(help(), POINT{30, 340});
    ASSERT_NE(about, help());
    const std::vector<std::string> lines = linesOf(windowText(about));
    ASSERT_EQ(lines.size(), 6u) << windowText(about);
    EXPECT_EQ(lines[0], "조 배정 프로그램 Rosterloom 1.0");
    EXPECT_EQ(lines[2], "2006. 03. 04. Sat.");
    for (std::size_t blank : {1, 4}) EXPECT_EQ(lines[blank], "");
    for (std::size_t name : {3, 5}) EXPECT_FALSE(lines[name].empty());  // the author, the sponsor

    // Pressed again: no second window, the open one put back in its place.
    for (int pressed = 0; pressed < 2; ++pressed) {
        EXPECT_EQ(windowRect(window).left, 262);
        EXPECT_EQ(windowRect(window).top, 106);
        MoveWindow(window, 0, 0, 100, 100, TRUE);
        click(IDC_HELP);
        EXPECT_EQ(ownedWindows(kHelpClass), std::vector<HWND>{window});
    }
}

// Only the scroll-bar band of the text answers the mouse; the rest of the
// window drags it.
TEST_F(HelpWindowTest, TheScrollBarBandAnswersAndTheRestDrags) {
    const struct {
        int dx, dy;
        LRESULT hit;
    } cases[] = {
        {465, 100, HTVSCROLL},     {481, 100, HTVSCROLL},     {464, 100, HTTRANSPARENT}, {482, 100, HTTRANSPARENT},
        {470, 30, HTVSCROLL},      {470, 310, HTVSCROLL},     {470, 29, HTTRANSPARENT},  {470, 311, HTTRANSPARENT},
        {465, 30, HTVSCROLL},      {481, 310, HTVSCROLL},     {100, 100, HTTRANSPARENT}, {464, 311, HTTRANSPARENT},
    };
    for (const auto& c : cases) EXPECT_EQ(hitAt(helpEdit(), c.dx, c.dy), c.hit) << c.dx << "," << c.dy;
    for (POINT at : {POINT{0, 0}, POINT{100, 100}, POINT{250, 360}, POINT{495, 445}})
        EXPECT_EQ(hitAt(help(), at.x, at.y), HTCAPTION) << at.x << "," << at.y;
}

// Each window makes its own font and gives it back; the text stays loaded.
TEST_F(HelpWindowTest, ReopeningReusesTheTextAndMakesTheFontAfresh) {
    const char* text = helpText();
    const HFONT font = editFont();
    LOGFONTA shape{};
    ASSERT_TRUE(GetObjectA(font, sizeof shape, &shape));
    EXPECT_STREQ(shape.lfFaceName, "굴림");
    EXPECT_EQ(shape.lfHeight, 15);
    EXPECT_EQ(shape.lfCharSet, HANGEUL_CHARSET);
    EXPECT_EQ(shape.lfPitchAndFamily, VARIABLE_PITCH | FF_ROMAN);

    SendMessageA(GetDlgItem(help(), IDC_CLOSE_HELP), BM_CLICK, 0, 0);
    pumpMessages();
    EXPECT_EQ(help(), nullptr);
    EXPECT_EQ(GetObjectType(font), 0u) << "the font outlives its window";
    EXPECT_EQ(helpText(), text);

    click(IDC_HELP);
    ASSERT_NE(help(), nullptr);
    EXPECT_EQ(helpText(), text);
    EXPECT_EQ(windowText(helpEdit()), text);
    EXPECT_NE(GetObjectType(editFont()), 0u);
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
    for (const char* name : {kMainClass, kResultClass, kHelpClass, kEntryFieldClass}) UnregisterClassA(name, bare);
}

}  // namespace
}  // namespace rl::ui::test
