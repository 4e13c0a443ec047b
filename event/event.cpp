#include "event/event.h"

#include <algorithm>
#include <new>

#include "engine/schedule.h"

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
    const bool races = anyRaceGiven(event, event.participants.size()) || (event.seeded && event.seeding.spreadRaces);
    const bool added = formatWord(event.state.settings.format) || usesSeries(event) || usesWithdrawals(event) ||
                       usesGames(event) || event.placedByHand || !event.changes.empty() || pairs || races;
    return added ? 2 : 1;
}

std::size_t inputCount(const Event& event) {
    const auto added = std::count_if(event.changes.begin(), event.changes.end(),
                                     [](const Change& c) { return c.kind == ChangeKind::Replacement; });
    return event.participants.size() - static_cast<std::size_t>(added);
}

Race raceOf(const Event& event, std::size_t p) {
    return p < event.seeding.races.size() ? event.seeding.races[p] : Race::None;
}

bool anyRaceGiven(const Event& event, std::size_t count) {
    for (std::size_t p = 0; p < count; ++p) {
        if (raceOf(event, p) != Race::None) return true;
    }
    return false;
}

namespace {

Pos* placeOf(GroupTable& table, Pos player) {
    for (auto& row : table) {
        const auto at = std::find(row.begin(), row.end(), player);
        if (at != row.end()) return &*at;
    }
    return nullptr;
}

// Puts `to` where `from` is; a swap is its own undoing.
void exchange(GroupTable& table, Pos from, Pos to, bool both) {
    Pos* a = placeOf(table, from);
    Pos* b = both ? placeOf(table, to) : nullptr;
    if (a) *a = to;
    if (b) *b = from;
}

}  // namespace

void applyChange(GroupTable& table, const Change& change) {
    exchange(table, change.player, change.other, change.kind == ChangeKind::Swap);
}

void undoChange(GroupTable& table, const Change& change) {
    exchange(table, change.other, change.player, change.kind == ChangeKind::Swap);
}

void pairAgain(AssignmentState& state) {
    AssignmentState paired = state;
    paired.settings.mapsEnabled = false;
    ListHost host;
    if (!buildSchedules(paired, host)) throw std::bad_alloc();
    for (std::size_t g = 0; g < state.schedule.size(); ++g) {
        for (std::size_t k = 0; k < state.schedule[g].size(); ++k) {
            state.schedule[g][k].first = paired.schedule[g][k].first;
            state.schedule[g][k].second = paired.schedule[g][k].second;
        }
    }
}

Event drawnEvent(const Event& event) {
    Event drawn = event;
    for (auto c = event.changes.rbegin(); c != event.changes.rend(); ++c) undoChange(drawn.state.groupTable, *c);
    if (!event.changes.empty()) pairAgain(drawn.state);
    const std::size_t inputs = inputCount(event);
    drawn.participants.resize(inputs);
    if (drawn.seeding.pots.size() > inputs) drawn.seeding.pots.resize(inputs);
    if (drawn.seeding.tags.size() > inputs) drawn.seeding.tags.resize(inputs);
    if (drawn.seeding.races.size() > inputs) drawn.seeding.races.resize(inputs);
    drawn.changes.clear();
    drawn.results = Results();
    drawn.results.withdrawals().rule = event.results.withdrawals().rule;
    drawn.playoff = Playoff();
    return drawn;
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
