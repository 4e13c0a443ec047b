#include "event/event.h"

#include <algorithm>
#include <new>

#include "engine/match_cells.h"
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
                       usesGames(event) || event.placedByHand || !event.changes.empty() || pairs || races ||
                       event.teams.has_value();
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

// Takes the player out of his group (the members after him move up) and
// puts him at `place` of `group`, or (-1) at its first empty place.
void moveInTable(GroupTable& table, Pos player, int group, int place) {
    for (auto& row : table) {
        const auto at = std::find(row.begin(), row.end(), player);
        if (at == row.end()) continue;
        row.erase(at);
        row.push_back(kNone);
        break;
    }
    auto& row = table[static_cast<std::size_t>(group)];
    const auto to = place < 0 ? std::find(row.begin(), row.end(), kNone) : row.begin() + place;
    row.insert(to, player);
    row.pop_back();
}

using MatchCells = std::pair<Cell, Cell>;

bool sameCell(const Cell& a, const Cell& b) { return a.player == b.player && a.from == b.from && a.loser == b.loser; }

bool sameMatch(const MatchCells& a, const MatchCells& b) {
    return (sameCell(a.first, b.first) && sameCell(a.second, b.second)) ||
           (sameCell(a.first, b.second) && sameCell(a.second, b.first));
}

std::vector<MatchCells> cellsOf(const AssignmentState& state, std::size_t group) {
    std::vector<MatchCells> out;
    forEachMatch(state, group, [&](int, const Match&, Cell first, Cell second) { out.push_back({first, second}); });
    return out;
}

std::vector<Pos> mapsOf(const Match& match) {
    std::vector<Pos> out;
    if (match.map == kNone) return out;
    out.push_back(match.map);
    out.insert(out.end(), match.laterMaps.begin(), match.laterMaps.end());
    return out;
}

}  // namespace

void applyChange(GroupTable& table, const Change& change) {
    if (change.kind == ChangeKind::Move) return moveInTable(table, change.player, change.toGroup, -1);
    exchange(table, change.player, change.other, change.kind == ChangeKind::Swap);
}

void undoChange(GroupTable& table, const Change& change) {
    if (change.kind == ChangeKind::Move) return moveInTable(table, change.player, change.fromGroup, change.fromPlace);
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

std::vector<Pos> moveMatches(AssignmentState& state, const AssignmentState& before, std::vector<int> groups,
                             const std::vector<Pos>& pool) {
    std::sort(groups.begin(), groups.end());
    groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
    AssignmentState paired = state;
    paired.settings.mapsEnabled = false;
    ListHost host;
    if (!buildSchedules(paired, host)) throw std::bad_alloc();
    std::vector<Pos> source = pool;
    std::vector<Match*> fresh;
    std::size_t goneFrom = source.size();
    for (int group : groups) {
        const auto g = static_cast<std::size_t>(group);
        state.schedule[g] = paired.schedule[g];
        state.matchCount[g] = paired.matchCount[g];
        state.memberCount[g] = paired.memberCount[g];
        const std::vector<MatchCells> then = cellsOf(before, g), now = cellsOf(state, g);
        for (std::size_t k = 0; k < then.size(); ++k) {
            const bool stays = std::any_of(now.begin(), now.end(), [&](const MatchCells& m) { return sameMatch(m, then[k]); });
            if (stays) continue;
            const std::vector<Pos> maps = mapsOf(before.schedule[g][k]);
            source.insert(source.end(), maps.begin(), maps.end());
        }
        for (std::size_t k = 0; k < now.size(); ++k) {
            Match& match = state.schedule[g][k];
            const auto kept = std::find_if(then.begin(), then.end(), [&](const MatchCells& m) { return sameMatch(m, now[k]); });
            if (kept != then.end()) {
                const Match& old = before.schedule[g][static_cast<std::size_t>(kept - then.begin())];
                match.map = old.map, match.laterMaps = old.laterMaps;
            } else if (state.settings.mapsEnabled && match.second != kNone) {
                fresh.push_back(&match);
            }
        }
    }
    const std::vector<Pos> gone(source.begin() + static_cast<std::ptrdiff_t>(goneFrom), source.end());
    std::size_t next = 0;
    int turn = 0;
    const auto take = [&] {
        return next < source.size() ? source[next++] : static_cast<Pos>(turn++ % std::max(1, state.settings.mapCount));
    };
    for (Match* match : fresh) {
        match->map = take();
        match->laterMaps.clear();
        for (int game = 1; game < state.settings.bestOf; ++game) match->laterMaps.push_back(take());
    }
    return gone;
}

Event drawnEvent(const Event& event) {
    Event drawn = event;
    // A swap's pairs follow from the places; a move's maps from the order of the changes.
    bool unpaired = false;
    for (auto c = event.changes.rbegin(); c != event.changes.rend(); ++c) {
        if (c->kind != ChangeKind::Move) {
            undoChange(drawn.state.groupTable, *c);
            unpaired = true;
            continue;
        }
        if (unpaired) pairAgain(drawn.state);
        unpaired = false;
        const AssignmentState after = drawn.state;
        undoChange(drawn.state.groupTable, *c);
        moveMatches(drawn.state, after, {c->fromGroup, c->toGroup}, c->maps);
    }
    if (unpaired) pairAgain(drawn.state);
    const std::size_t inputs = inputCount(event);
    drawn.participants.resize(inputs);
    if (drawn.seeding.pots.size() > inputs) drawn.seeding.pots.resize(inputs);
    if (drawn.seeding.tags.size() > inputs) drawn.seeding.tags.resize(inputs);
    if (drawn.seeding.races.size() > inputs) drawn.seeding.races.resize(inputs);
    if (drawn.teams && drawn.teams->rosters.size() > inputs) drawn.teams->rosters.resize(inputs);
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
