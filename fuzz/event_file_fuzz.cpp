// Any bytes at all as an event file: the reader refuses them with a message,
// or reads an event that writes back to a file which reads again to the same
// event, byte for byte once written.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/front_end.h"
#include "event/actions.h"
#include "event/event.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

bool sameDraw(const rl::AssignmentState& a, const rl::AssignmentState& b) {
    if (a.groupTable != b.groupTable || a.matchCount != b.matchCount) return false;
    for (std::size_t g = 0; g < a.schedule.size(); ++g) {
        for (int k = 0; k < a.matchCount[g]; ++k) {
            const auto at = static_cast<std::size_t>(k);
            const rl::Match &x = a.schedule[g][at], &y = b.schedule[g][at];
            if (x.first != y.first || x.second != y.second || x.map != y.map) return false;
        }
    }
    const rl::Settings &s = a.settings, &t = b.settings;
    return s.groupCount == t.groupCount && s.groupSize == t.groupSize && s.format == t.format &&
           s.spreadVacancies == t.spreadVacancies && s.mapsEnabled == t.mapsEnabled && s.equalMaps == t.equalMaps;
}

bool sameResults(const rl::Results& a, const rl::Results& b) {
    if (a.all().size() != b.all().size()) return false;
    for (const auto& [key, score] : a.all()) {
        const rl::Score* other = b.find(key);
        if (!other || !(*other == score)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    static const rl::event::FrontEnd frontEnd = rl::platform::eventFrontEnd();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const rl::event::ReadOutcome read = rl::event::readEvent(bytes, frontEnd);
    if (!read.ok()) {
        require(!read.error.empty(), "a refusal says why");
        return 0;
    }
    const rl::event::Event& event = *read.event;
    const auto written = rl::event::writeEvent(event, frontEnd);
    require(written.has_value(), "what was read writes");
    const rl::event::ReadOutcome again = rl::event::readEvent(*written, frontEnd);
    require(again.ok(), "what was written reads");
    const rl::event::Event& reread = *again.event;
    require(reread.participants == event.participants && reread.maps == event.maps, "the same lists");
    require(reread.seed == event.seed && reread.seedText == event.seedText && reread.drawnAt == event.drawnAt,
            "the same seed and time");
    require(sameDraw(reread.state, event.state), "the same draw");
    require(sameResults(reread.results, event.results), "the same results");
    require(rl::event::writeEvent(reread, frontEnd) == written, "written again, the same bytes");
    // Whatever was read is shown: its standings file, a team league's too.
    require(!rl::event::eventStandingsText(event).empty(), "the standings are shown");
    return 0;
}
