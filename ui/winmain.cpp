#include "ui/app.h"

#include <shellapi.h>

#include <string>

namespace {

// "rosterloom.exe FILE": a file dropped on the program's icon, or opened
// with it. Read wide, so that a name outside the system code page works.
std::wstring fileToOpen() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments) return {};
    std::wstring file = count >= 2 ? arguments[1] : L"";
    LocalFree(arguments);
    return file;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    HWND main = rl::ui::startApplication(instance, showCommand);
    if (!main) return 1;
    rl::ui::openAtStart(main, fileToOpen());
    return rl::ui::runMessageLoop();
}
