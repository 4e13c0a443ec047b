// The help window: where it opens, the help text it shows and keeps, the
// credit lines, its font, and the hit tests that make it draggable by its body.
#include <string>
#include <vector>

#include "tests/ui/harness.h"  // windows.h before the ids

#include "engine/assignment.h"
#include "resources/ids.h"

namespace rl::ui::test {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

class HelpWindowTest : public ProgramTest {
protected:
    HWND help() const {
        const std::vector<HWND> open = ownedWindows(kHelpClass);
        return open.empty() ? nullptr : open.front();
    }
    HWND helpEdit() const { return GetDlgItem(help(), IDC_HELP_EDIT); }
    HWND aboutText() const { return ChildWindowFromPoint(help(), POINT{30, 340}); }
    HWND open() {
        click(IDC_HELP);
        EXPECT_EQ(ownedWindows(kHelpClass).size(), 1u);
        return help();
    }
    void closeByItsButton() {
        SendMessageA(GetDlgItem(help(), IDC_CLOSE_HELP), BM_CLICK, 0, 0);
        pumpMessages();
        EXPECT_EQ(help(), nullptr);
    }
    LRESULT hitAt(HWND target, int dx, int dy) const {
        const RECT frame = windowRect(help());
        return SendMessageA(target, WM_NCHITTEST, 0, MAKELPARAM(frame.left + dx, frame.top + dy));
    }
};

TEST_F(HelpWindowTest, OpensPlacedWithTheWholeHelpText) {
    ASSERT_TRUE(open());
    const RECT outer = windowRect(help());
    EXPECT_EQ(outer.left, 262);
    EXPECT_EQ(outer.top, 106);
    RECT client{};
    GetClientRect(help(), &client);
    EXPECT_EQ(client.right, 500);
    EXPECT_EQ(client.bottom, 450);
    EXPECT_EQ(windowText(help()), "Rosterloom::Help");

    const std::string shown = windowText(helpEdit());
    ASSERT_NE(helpText(), nullptr);
    EXPECT_EQ(shown, helpText());
    EXPECT_EQ(shown.size(), 1913u);
    const std::vector<std::string> lines = linesOf(shown);
    ASSERT_EQ(lines.size(), 41u);
    EXPECT_EQ(shown.substr(shown.size() - 2), "\r\n");
    EXPECT_EQ(lines[0], "▶ 프로그램 소개");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[7], "   〓참가자 등록〓");
    EXPECT_EQ(lines[40].rfind("  결과 창의 [파일 출력] 버튼을 누르면", 0), 0u);
    EXPECT_EQ(windowText(GetDlgItem(help(), IDC_CLOSE_HELP)), "닫기");
}

TEST_F(HelpWindowTest, AboutTextIsTheTitleLineThenTheCredits) {
    ASSERT_TRUE(open());
    ASSERT_NE(aboutText(), help());
    const std::string about = windowText(aboutText());
    const std::vector<std::string> lines = linesOf(about);
    ASSERT_EQ(lines.size(), 6u) << about;
    EXPECT_EQ(lines[0], "조 배정 프로그램 Rosterloom 1.0");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "2006. 03. 04. Sat.");
    EXPECT_FALSE(lines[3].empty());  // the author
    EXPECT_EQ(lines[4], "");
    EXPECT_FALSE(lines[5].empty());  // the sponsor
}

TEST_F(HelpWindowTest, OnlyTheScrollBarBandOfTheTextAnswersTheMouse) {
    ASSERT_TRUE(open());
    const struct {
        int dx, dy;
        LRESULT hit;
    } cases[] = {
        {465, 100, HTVSCROLL},     {481, 100, HTVSCROLL},     {464, 100, HTTRANSPARENT}, {482, 100, HTTRANSPARENT},
        {470, 30, HTVSCROLL},      {470, 310, HTVSCROLL},     {470, 29, HTTRANSPARENT},  {470, 311, HTTRANSPARENT},
        {465, 30, HTVSCROLL},      {481, 310, HTVSCROLL},     {100, 100, HTTRANSPARENT}, {464, 311, HTTRANSPARENT},
    };
    for (const auto& c : cases) EXPECT_EQ(hitAt(helpEdit(), c.dx, c.dy), c.hit) << c.dx << "," << c.dy;
}

TEST_F(HelpWindowTest, TheWindowIsDraggedByItsWholeSurface) {
    ASSERT_TRUE(open());
    for (POINT at : {POINT{0, 0}, POINT{10, 10}, POINT{100, 100}, POINT{250, 360}, POINT{495, 445}})
        EXPECT_EQ(hitAt(help(), at.x, at.y), HTCAPTION) << at.x << "," << at.y;
}

TEST_F(HelpWindowTest, ReopeningReusesTheTextAndMakesTheFontAfresh) {
    ASSERT_TRUE(open());
    const char* text = helpText();
    const auto font = reinterpret_cast<HFONT>(SendMessageA(helpEdit(), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTA shape{};
    ASSERT_TRUE(GetObjectA(font, sizeof shape, &shape));
    EXPECT_STREQ(shape.lfFaceName, "굴림");
    EXPECT_EQ(shape.lfHeight, 15);
    EXPECT_EQ(shape.lfCharSet, HANGEUL_CHARSET);
    EXPECT_EQ(shape.lfPitchAndFamily, VARIABLE_PITCH | FF_ROMAN);

    closeByItsButton();
    EXPECT_EQ(GetObjectType(font), 0u) << "the font outlives its window";
    EXPECT_EQ(helpText(), text);

    ASSERT_TRUE(open());
    EXPECT_EQ(helpText(), text);
    EXPECT_EQ(windowText(helpEdit()), text);
    const auto renewed = reinterpret_cast<HFONT>(SendMessageA(helpEdit(), WM_GETFONT, 0, 0));
    EXPECT_NE(GetObjectType(renewed), 0u);
}

TEST_F(HelpWindowTest, TheProgramsEndClosesTheWindowAndFreesTheText) {
    ASSERT_TRUE(open());
    HWND window = help();
    DestroyWindow(main());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(helpText(), nullptr);
    EXPECT_TRUE(ended());
    EXPECT_EQ(quitCode(), 0);
}

// A program module without the help text: the window opens with the text
// empty, and a later opening still finds nothing to show.
TEST_F(HelpWindowTest, AMissingHelpTextLeavesTheTextEmpty) {
    TearDown();
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
    SetUp();
}

TEST_F(HelpWindowTest, NoMemoryForTheTextEndsTheProgram) {
    failAllocationsAfter(0);
    click(IDC_HELP);
    failAllocationsAfter(-1);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, "Fail to Memory Allocation");
    EXPECT_EQ(boxes.boxes()[0].text, "ERROR");
    EXPECT_FALSE(IsWindow(main()));
    EXPECT_TRUE(ownedWindows(kHelpClass).empty());
    EXPECT_EQ(helpText(), nullptr);
    EXPECT_TRUE(ended());
}

}  // namespace
}  // namespace rl::ui::test
