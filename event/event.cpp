#include "event/event.h"

namespace rl::event {

bool usesSeries(const Event& event) { return event.state.settings.bestOf != 1 || !event.playoff.bestOf.empty(); }

Event eventFromDraw(const AssignmentState& state, const Results& results, Host& host, std::uint32_t seed,
                    std::optional<std::string> seedText, std::string drawnAt) {
    Event event;
    for (int i = 0; i < host.listCount(ListKind::Participants); ++i) {
        event.participants.emplace_back(host.listText(ListKind::Participants, i));
    }
    for (int i = 0; i < host.listCount(ListKind::Maps); ++i) event.maps.emplace_back(host.listText(ListKind::Maps, i));
    event.seed = seed;
    event.seedText = std::move(seedText);
    event.drawnAt = std::move(drawnAt);
    event.state = state;
    event.results = results;
    return event;
}

ListHost hostFor(const Event& event) {
    const Settings& s = event.state.settings;
    ListHost host;
    host.participants = event.participants;
    host.maps = event.maps;
    host.mapsEnabled = s.mapsEnabled;
    host.equalMaps = s.equalMaps;
    host.tournament = s.tournament;
    host.dual = s.dual;
    host.spreadVacancies = s.spreadVacancies;
    host.groupCountText = std::to_string(s.groupCount);
    host.groupSizeText = std::to_string(s.groupSize);
    host.clock = event.seed;
    return host;
}

}  // namespace rl::event
