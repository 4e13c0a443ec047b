// Labels with a box over their run of blanks must stay on one line: a label
// that wraps at its first blank shows only its first word beside the box.
#include "tests/ui/result_fixture.h"

namespace rl::ui::test {
namespace {

using LabelTest = ResultFixture;

int CALLBACK noteFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

TEST_F(LabelTest, BoxedLabelsDrawOnOneLineAndTheirWordsFitBesideTheBox) {
    prepareExample();
    ASSERT_TRUE(openResult());
    const struct {
        HWND window;
        const char* text;
    } labels[] = {{main(), "그룹 수:              개"},
                  {main(), "그룹 당:              명"},
                  {result(), "조별 대진:              조"}};
    for (const auto& label : labels) {
        SCOPED_TRACE(label.text);
        HWND control = FindWindowExA(label.window, nullptr, "Static", label.text);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK, SS_LEFTNOWORDWRAP);

        const std::string words(label.text, std::string(label.text).find("  "));
        RECT client{};
        GetClientRect(control, &client);
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
        SIZE extent{};
        EXPECT_TRUE(GetTextExtentPoint32A(dc, words.c_str(), static_cast<int>(words.size()), &extent));
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        EXPECT_GT(extent.cx, 0);
        EXPECT_LE(extent.cx, client.right);
    }
}

// Without it the caption buttons show letters.
TEST(CaptionFont, MarlettIsInstalled) {
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(wanted.lfFaceName, "Marlett");
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace rl::ui::test
