// The event as one web page on the Desktop, "대회 결과.html", opened in the
// default browser: the very bytes rosterloom-cli writes for the same event.
#include "ui/app.h"  // windows.h first

#include <shellapi.h>

#include "page/event_page.h"
#include "platform/wide.h"
#include "resources/ids.h"
#include "resources/strings.h"

namespace rl::ui {
namespace {

constexpr DesktopFile kPageFile{"대회 결과.html", IDS_PAGE_SAVED, IDS_PAGE_IN_USE, IDS_PAGE_NO_ACCESS};

bool openInBrowser(HWND owner, const std::wstring& path) {
    const auto done = reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return done > 32;
}

PageOpener gOpener = &openInBrowser;

std::wstring widened(const std::string& ansi) { return platform::ansiToWide(ansi); }

}  // namespace

void addPageCommand(HWND window) {
    if (HMENU menu = GetSystemMenu(window, FALSE)) AppendMenuA(menu, MF_STRING, IDM_SAVE_PAGE, "웹 페이지로 저장(&W)");
}

bool isPageCommand(WPARAM sysCommand) { return (sysCommand & 0xFFF0) == IDM_SAVE_PAGE; }

// Written whole or not at all, like the export; where no browser opens the
// file, the message says where it is.
void savePage(HWND owner) {
    const std::optional<std::string> page = page::eventPage(theEvent(), eventHost(), eventFrontEnd(), eventFileTitle());
    const int written = page ? writeDesktopFile(owner, kPageFile, {*page}) : kPageFile.noAccess;
    if (written != kPageFile.done) {
        showStringBox(owner, written, MB_OK);
        return;
    }
    const std::string path = desktopFolder(owner).value_or("") + "\\" + kPageFile.name;
    if (!gOpener(owner, widened(path))) showStringBox(owner, IDS_PAGE_SAVED, MB_OK, path);
}

void setPageOpenerForTesting(PageOpener opener) { gOpener = opener ? opener : &openInBrowser; }

}  // namespace rl::ui
