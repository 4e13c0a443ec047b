#pragma once
// The two events the kill test's writer puts in the autosave by turns: the
// biggest draw there is, without results and with every result.
#include "ui/app.h"

namespace rl::ui::test {

inline std::string killTestEvent(int which) {
    ListHost host;
    for (int i = 0; i < 64; ++i) host.participants.push_back("참가자" + std::to_string(i));
    for (int i = 0; i < 10; ++i) host.maps.push_back("맵" + std::to_string(i));
    host.mapsEnabled = true;
    host.groupCountText = host.groupSizeText = "8";
    host.clock = 1700000000;
    AssignmentState state;
    assign(state, host);
    Results results;
    for (int g = 0; which == 1 && g < 8; ++g)
        for (int n = 1; n <= state.matchCount[g]; ++n) results.set({g, n}, Score{2, n % 2});
    const event::Event held = event::eventFromDraw(state, results, host, host.clock, std::nullopt, "2023-11-14T22:13:20");
    return event::writeEvent(held, eventFrontEnd()).value_or("");
}

}  // namespace rl::ui::test
