// The kill test's victim: writes the autosave again and again, the two
// events in turn, starting with the one its argument names, until killed.
#include <cstdlib>

#include "tests/ui/kill_events.h"

int main(int argc, char** argv) {
    const std::string events[2] = {rl::ui::test::killTestEvent(0), rl::ui::test::killTestEvent(1)};
    const std::wstring path = rl::ui::autosavePath();
    for (int i = argc > 1 ? std::atoi(argv[1]) : 0;; ++i) rl::ui::replaceFileWhole(path, events[i % 2]);
}
