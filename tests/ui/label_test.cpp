// Labels with a box over their run of blanks must stay on one line: a label
// that wraps at its first blank shows only its first word beside the box.
#include "tests/ui/result_fixture.h"

namespace rl::ui::test {
namespace {

int CALLBACK noteFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

int widthInSystemFont(HWND control, const std::string& text) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return extent.cx;
}

using LabelTest = ResultFixture;

TEST_F(LabelTest, BoxedLabelsDrawOnOneLineAndCaptionButtonsHaveTheirFont) {
    prepareExample();
    ASSERT_TRUE(openResult());
    const std::pair<HWND, std::string> labels[] = {
        {main(), "그룹 수:              개"}, {main(), "그룹 당:              명"}, {result(), "조별 대진:              조"}};
    for (const auto& [window, text] : labels) {
        HWND control = FindWindowExA(window, nullptr, "Static", text.c_str());
        ASSERT_NE(control, nullptr) << text;
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK, SS_LEFTNOWORDWRAP) << text;
        RECT client{};
        GetClientRect(control, &client);
        const int width = widthInSystemFont(control, text.substr(0, text.find("  ")));
        EXPECT_TRUE(width > 0 && width <= client.right) << text << ": " << width;
    }

    // Wine draws the minimise and close buttons with Marlett, or letters.
    LOGFONTA marlett{};
    marlett.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(marlett.lfFaceName, "Marlett");
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &marlett, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace rl::ui::test
