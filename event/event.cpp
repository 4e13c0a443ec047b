#include "event/event.h"

#include <algorithm>

namespace rl::event {

namespace {

bool usesWithdrawals(const Event& event) {
    const auto anyWalkover = [](const Results& results) {
        return std::any_of(results.all().begin(), results.all().end(), [](const auto& r) { return r.second.walkover; });
    };
    const Withdrawals& before = event.results.withdrawals();
    return before.voids() || !before.players.empty() || !event.playoff.results.withdrawals().players.empty() ||
           anyWalkover(event.results) || anyWalkover(event.playoff.results);
}

bool usesGames(const Event& event) {
    return !event.results.allGames().empty() || !event.playoff.results.allGames().empty();
}

}  // namespace

bool usesSeries(const Event& event) {
    const auto series = [](int bestOf) { return bestOf != 1; };
    const std::vector<int>& playoff = event.playoff.bestOf;
    return series(event.state.settings.bestOf) || std::any_of(playoff.begin(), playoff.end(), series);
}

int formatVersion(const Event& event) {
    const bool pairs = !event.playoff.pairs.empty();
    const bool added = formatWord(event.state.settings.format) || usesSeries(event) || usesWithdrawals(event) ||
                       usesGames(event) || event.placedByHand || pairs;
    return added ? 2 : 1;
}

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
    ListHost host;
    host.participants = event.participants;
    host.maps = event.maps;
    host.showSettings(event.state.settings);
    host.clock = event.seed;
    return host;
}

}  // namespace rl::event
