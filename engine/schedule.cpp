#include "engine/schedule.h"

#include <numeric>

#include "engine/match_cells.h"
#include "engine/pairing.h"
#include "engine/shuffle.h"

namespace rl {

namespace {

// Places of the row before its first vacancy.
Pos membersOf(const std::vector<Pos>& row, std::int32_t groupSize) {
    Pos m = 0;
    while (m < groupSize && static_cast<std::size_t>(m) < row.size() && row[m] != kNone) {
        ++m;
    }
    return m;
}

// A real match gets its games' maps when maps are used; a bye never does.
bool dealMapsTo(AssignmentState& state, Host& host, Match& match) {
    match.map = kNone;
    match.laterMaps.clear();
    if (match.second == kNone || !state.settings.mapsEnabled) {
        return true;
    }
    const auto maps = pickSeriesMaps(state, host, state.settings.bestOf);
    if (!maps) {
        return false;
    }
    if (!maps->empty() && maps->front() != kNone) {
        match.map = maps->front();
        match.laterMaps.assign(maps->begin() + 1, maps->end());
    }
    return true;
}

// A series drawn at random: each game from the maps this series has not
// had yet, the whole list again once every map has been had.
std::vector<Pos> drawSeriesMaps(AssignmentState& state, int games) {
    const std::int32_t mapCount = state.settings.mapCount;
    std::vector<Pos> maps;
    std::vector<Pos> left;
    for (int game = 0; game < games; ++game) {
        if (left.empty()) {
            left.resize(static_cast<std::size_t>(mapCount));
            std::iota(left.begin(), left.end(), Pos{0});
        }
        const auto at = static_cast<std::size_t>(state.random.draw()) % left.size();
        maps.push_back(left[at]);
        left.erase(left.begin() + static_cast<std::ptrdiff_t>(at));
    }
    return maps;
}

// A dual group's cell holds a participant for a place, else the position
// of the match it comes from; kNone where nobody comes: a missing place,
// or the loser of a bye.
Pos dualCell(const DualCell& cell, const std::vector<Pos>& row, Pos members, const Schedule& schedule) {
    if (cell.from == 0) return cell.place < members ? row[static_cast<std::size_t>(cell.place)] : kNone;
    const Pos from = static_cast<Pos>(cell.from - 1);
    return cell.loser && schedule[static_cast<std::size_t>(from)].second == kNone ? kNone : from;
}

bool scheduleDualGroup(AssignmentState& state, Host& host, const std::vector<Pos>& row, Pos members,
                       Schedule& schedule) {
    const std::int32_t count = dualMatchCount(members);
    for (std::int32_t k = 0; k < count && static_cast<std::size_t>(k) < schedule.size(); ++k) {
        const DualMatch& shape = kDualMatches[k];
        Match& match = schedule[static_cast<std::size_t>(k)];
        match.first = dualCell(shape.first, row, members, schedule);
        match.second = dualCell(shape.second, row, members, schedule);
        if (!dealMapsTo(state, host, match)) {
            return false;
        }
    }
    return true;
}

// Fills one group's schedule; false on exhausted memory.
bool scheduleGroup(AssignmentState& state, Host& host, const std::vector<Pos>& row, Pos members,
                   Schedule& schedule) {
    if (state.settings.format == GroupFormat::Dual) {
        return scheduleDualGroup(state, host, row, members, schedule);
    }
    const bool tournament = state.settings.tournament();
    const std::int32_t count = matchCountFor(members, tournament);
    auto pairs = tournament ? bracketPairs(host, members, count) : leaguePairs(host, members, count);
    if (!pairs) {
        return false;
    }
    // Round 0 speaks of member positions; a bracket's later rounds of matches.
    const std::int32_t firstRound = tournament ? (members + 1) / 2 : count;
    for (std::int32_t k = 0; k < count && static_cast<std::size_t>(k) < schedule.size(); ++k) {
        const Pair& pair = (*pairs)[k];
        Match& match = schedule[k];
        if (k < firstRound) {
            match.first = row[pair.a];
            match.second = pair.b == kNone ? kNone : row[pair.b];
        } else {
            match.first = pair.a;
            match.second = pair.b;
        }
        if (!dealMapsTo(state, host, match)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool buildSchedules(AssignmentState& state, Host& host) {
    const Settings& settings = state.settings;
    const std::int32_t groups = settings.groupCount;
    const std::int32_t capacity = matchCountFor(settings.groupSize, settings);

    std::vector<Schedule> schedule;
    std::vector<Pos> matchCount;
    std::vector<Pos> memberCount;
    if (!allocateZeroed(host, schedule, groups)) {
        return false;
    }
    for (auto& entries : schedule) {
        if (!allocateZeroed(host, entries, capacity)) {
            return false;
        }
    }
    if (!allocateZeroed(host, matchCount, groups) || !allocateZeroed(host, memberCount, groups)) {
        return false;
    }

    for (std::int32_t g = 0; g < groups && static_cast<std::size_t>(g) < state.groupTable.size(); ++g) {
        const std::vector<Pos>& row = state.groupTable[g];
        memberCount[g] = membersOf(row, settings.groupSize);
        matchCount[g] = static_cast<Pos>(matchCountFor(memberCount[g], settings));
        if (!scheduleGroup(state, host, row, memberCount[g], schedule[g])) {
            return false;
        }
    }

    state.schedule = std::move(schedule);
    state.matchCount = std::move(matchCount);
    state.memberCount = std::move(memberCount);
    return true;
}

std::optional<Pos> pickMap(AssignmentState& state, Host& host) {
    const std::int32_t mapCount = state.settings.mapCount;
    if (mapCount <= 0) {
        return kNone;
    }
    if (!state.settings.equalMaps) {
        return static_cast<Pos>(state.random.draw() % mapCount);
    }
    if (state.mapOrder && !state.mapOrder->empty()) {
        const auto dealt = static_cast<std::int32_t>(state.mapOrder->size());
        state.mapCursor = ((state.mapCursor + 1) % dealt + dealt) % dealt;
        return (*state.mapOrder)[state.mapCursor];
    }

    std::vector<Pos> order;
    if (!allocateZeroed(host, order, mapCount)) {
        return std::nullopt;
    }
    std::iota(order.begin(), order.end(), Pos{0});
    if (!shuffleElements(state, host, order.data(), mapCount, sizeof(Pos))) {
        return std::nullopt;
    }
    state.mapOrder = std::move(order);
    state.mapCursor = 0;
    return state.mapOrder->front();
}

std::optional<std::vector<Pos>> pickSeriesMaps(AssignmentState& state, Host& host, int games) {
    if (!state.settings.equalMaps && state.settings.mapCount > 0) {
        return drawSeriesMaps(state, games);
    }
    // The even deal is one shuffled order of every map, dealt round and
    // round: any run of it no longer than the list holds no map twice, so a
    // series never has to pass a map over while the list is long enough.
    std::vector<Pos> maps;
    for (int game = 0; game < games; ++game) {
        const std::optional<Pos> map = pickMap(state, host);
        if (!map) {
            return std::nullopt;
        }
        maps.push_back(*map);
    }
    return maps;
}

}  // namespace rl
