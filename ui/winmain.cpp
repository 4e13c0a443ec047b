#include "ui/app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (!rl::ui::startApplication(instance, showCommand)) return 1;
    return rl::ui::runMessageLoop();
}
