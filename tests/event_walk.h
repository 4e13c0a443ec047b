#pragma once
// Random events and random sequences of the changes the window program makes
// to them, driven by any source of choices: a seeded generator in the
// property test, the fuzzer's bytes in the fuzz target.
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/list_host.h"
#include "engine/seeding.h"
#include "engine/series.h"
#include "event/actions.h"
#include "event/draw.h"
#include "event/event.h"
#include "event/team_actions.h"

namespace rl::test {

// pick(n): a choice from 0 to n - 1 (n > 0).
using Pick = std::function<unsigned(unsigned)>;

// Names that share spellings on purpose: two participants of one name must
// still keep their own pot, tag and place. CP949.
inline const char* const kNamePool[] = {"최유리", "Red Fox", "Kim", "Kim", "이 재동", "박성준", "July", "Boxer"};
inline const char* const kTagPool[] = {"", "", "KT", "SKT T1", "Zerg", "팀 리퀴드"};
inline const char* const kTitlePool[] = {nullptr, u8"봄 리그", u8"Friday Cup #3", u8"\"따옴표\" & <꺾쇠>"};

// Groups placed by hand: the participants in a random order, each into a
// group with room left, at its next place.
inline Placement randomPlacement(const std::vector<std::string>& participants, int groups, int size, const Pick& pick) {
    Placement placement{participants, std::vector<std::vector<Pos>>(static_cast<std::size_t>(groups))};
    std::vector<Pos> order;
    for (std::size_t i = 0; i < participants.size(); ++i) order.push_back(static_cast<Pos>(i));
    for (std::size_t i = order.size(); i > 1; --i) std::swap(order[i - 1], order[pick(static_cast<unsigned>(i))]);
    for (Pos p : order) {
        std::vector<std::size_t> open;
        for (std::size_t g = 0; g < placement.groups.size(); ++g) {
            if (placement.groups[g].size() < static_cast<std::size_t>(size)) open.push_back(g);
        }
        placement.groups[open[pick(static_cast<unsigned>(open.size()))]].push_back(p);
    }
    return placement;
}

// A team league's format and a roster of 1 to 6 players for each team, now
// and then with races, none for some players.
inline team::TeamLeague randomLeague(int teams, const Pick& pick) {
    static const char* const kFormats[] = {"sets:3", "sets:5:ace", "sets:9", "winner:2", "winner:4", "winner:5"};
    team::TeamLeague league;
    league.format = std::get<team::TeamMatchFormat>(team::parseTeamMatchFormat(kFormats[pick(std::size(kFormats))]));
    const bool races = pick(3) == 0;
    for (int t = 0; t < teams; ++t) {
        league.rosters.emplace_back();
        league.races.emplace_back();
        for (unsigned i = 0, n = 1 + pick(6); i < n; ++i) {
            league.rosters.back().push_back(std::string(kNamePool[pick(std::size(kNamePool))]) + std::to_string(i));
            league.races.back().push_back(races ? static_cast<Race>(pick(kRaceCount + 1)) : Race::None);
        }
    }
    return league;
}

// A drawn event (now and then one placed by hand), or nothing when the
// picks asked for a draw the engine refuses (the caller picks again).
inline std::optional<event::Event> randomEvent(const Pick& pick, bool teamLeague = false) {
    ListHost host;
    event::DrawChoices choices;
    const int groups = 1 + static_cast<int>(pick(4));
    choices.format.dual = pick(5) == 0;  // dual groups have four places
    const int size = choices.format.dual ? 4 : 1 + static_cast<int>(pick(5));
    const int players = 1 + static_cast<int>(pick(static_cast<unsigned>(groups * size)));
    // A team league's teams are each of their own name.
    const bool teams = pick(4) == 0 || teamLeague;
    for (int i = 0; i < players; ++i) {
        std::string name = kNamePool[pick(std::size(kNamePool))];
        if (teams || pick(3) != 0) name += std::to_string(i);  // mostly distinct, some shared
        host.participants.push_back(name);
    }
    const int maps = static_cast<int>(pick(5));
    for (int i = 0; i < maps; ++i) host.maps.push_back("Map " + std::to_string(i));
    host.mapsEnabled = maps > 0 && pick(2);
    host.equalMaps = pick(2);
    host.tournament = pick(2);
    host.spreadVacancies = pick(3) != 0;
    host.groupCountText = std::to_string(groups);
    host.groupSizeText = std::to_string(size);
    host.clock = pick(1u << 30);

    choices.seeded = pick(3) == 0;
    for (int i = 0; choices.seeded && i < players; ++i) {
        choices.seeding.pots.push_back(pick(3) == 0 ? 1 + static_cast<int>(pick(static_cast<unsigned>(size))) : 0);
        choices.seeding.tags.push_back(kTagPool[pick(std::size(kTagPool))]);
    }
    // Races now and then, none for some; a seeded draw may spread them.
    const bool races = pick(3) == 0;
    for (int i = 0; races && i < players; ++i) choices.seeding.races.push_back(static_cast<Race>(pick(kRaceCount + 1)));
    choices.seeding.spreadRaces = choices.seeded && pick(2);
    static constexpr int kSeriesLengths[] = {3, 5, 7};
    if (pick(3) == 0) choices.format.bestOf = kSeriesLengths[pick(3)];
    if (!choices.seeded && pick(4) == 0) choices.placement = randomPlacement(host.participants, groups, size, pick);
    if (teams) choices.teams = randomLeague(players, pick);
    event::DrawOutcome drawn = event::drawEvent(host, choices);
    if (drawn.outcome != AssignOutcome::Assigned) return std::nullopt;
    event::Event event = std::move(drawn.event);
    event.drawnAt = "2026-12-08T19:30:00";
    if (const char* title = kTitlePool[pick(std::size(kTitlePool))]) event.title = title;
    return event;
}

// A match of the groups or of the playoff, and a score for it.
inline MatchKey randomMatch(const event::Event& event, const Pick& pick) {
    const bool playoff = event.playoff.perGroup != 0 && pick(2);
    if (playoff) return {kPlayoffGroup, 1 + static_cast<int>(pick(2 * kMaxPlayoffPlayers))};
    const int group = static_cast<int>(pick(static_cast<unsigned>(event.state.settings.groupCount)));
    const int matches = event.state.matchCount.empty() ? 0 : event.state.matchCount[static_cast<std::size_t>(group)];
    return {group, 1 + static_cast<int>(pick(static_cast<unsigned>(std::max(matches, 1))))};
}

// Mostly a score that ends the match's series, sometimes any.
inline Score randomScore(const event::Event& event, MatchKey key, const Pick& pick) {
    const int bestOf = event::matchLength(event, key);
    if (bestOf > 1 && pick(4) != 0) {
        const int won = gamesToWin(bestOf), lost = static_cast<int>(pick(static_cast<unsigned>(won)));
        return pick(2) ? Score{won, lost} : Score{lost, won};
    }
    return {static_cast<int>(pick(5)), static_cast<int>(pick(5))};
}

inline std::string keyText(MatchKey key) { return std::to_string(key.group) + "/" + std::to_string(key.number); }

// A drawn player, withdrawn or not.
inline Pos randomPlayer(const event::Event& event, const Pick& pick) {
    return static_cast<Pos>(pick(static_cast<unsigned>(event.participants.size())));
}

// A walkover for one player of a match, a withdrawal (the rule chosen first
// now and then), or one taken back.
inline std::string randomWithdrawal(event::Event& event, const Pick& pick) {
    switch (pick(3)) {
    case 0: {
        const MatchKey key = randomMatch(event, pick);
        const Pos winner = randomPlayer(event, pick);
        const bool given = event::giveWalkover(event, key, winner).ok();
        return "walkover " + keyText(key) + " to " + std::to_string(winner) + (given ? "" : " (refused)");
    }
    case 1: {
        const auto rule = pick(2) ? WithdrawalRule::Void : WithdrawalRule::Walkovers;
        const bool ruled = pick(3) == 0 && event::setWithdrawalRule(event, rule);
        const Pos player = randomPlayer(event, pick);
        const bool withdrew = event::withdraw(event, player);
        return std::string(ruled ? (rule == WithdrawalRule::Void ? "void rule, " : "walkover rule, ") : "") +
               "withdraw " + std::to_string(player) + (withdrew ? "" : " (refused)");
    }
    default: {
        const std::vector<Pos> withdrawn = event::withdrawnPlayers(event);
        if (withdrawn.empty()) return "nobody to take back";
        const Pos player = withdrawn[pick(static_cast<unsigned>(withdrawn.size()))];
        const bool taken = event::takeBackWithdrawal(event, player);
        return "take back " + std::to_string(player) + (taken ? "" : " (refused)");
    }
    }
}

// A series' games, mostly ones that can stand: the match's score follows
// them, and what was recorded is what the match shows.
inline std::string randomGames(event::Event& event, const Pick& pick) {
    const MatchKey key = randomMatch(event, pick);
    const int bestOf = event::matchLength(event, key);
    const auto maps = static_cast<unsigned>(event.state.settings.mapsEnabled ? event.maps.size() : 0);
    std::vector<Game> games;
    for (unsigned i = 0, n = pick(static_cast<unsigned>(bestOf) + 2); i < n; ++i) {
        const bool given = maps > 0 && pick(3) != 0;
        games.push_back({pick(2) == 0, given ? static_cast<Pos>(pick(maps + (pick(8) == 0))) : kNone});
    }
    if (!event::checkEventGames(event, key, games).ok()) return "refused games";
    event::recordGames(event, key, games);
    ListHost host = event::hostFor(event);
    const std::vector<MatchState> matches =
        key.group == kPlayoffGroup ? playoffBracket(event.state, event.results, event.playoff, event.seed, host).matches
                                   : groupStandings(event.state, event.results, key.group).matches;
    const MatchState& m = matches[static_cast<std::size_t>(key.number - 1)];
    if (m.games.size() != games.size()) return "FAULT: the games recorded are not the match's";
    const Results& results = key.group == kPlayoffGroup ? event.playoff.results : event.results;
    const Score* score = results.find(key);
    const bool decided = gamesDecide(games, bestOf);
    if (!games.empty() && (decided ? !score || !(*score == gamesScore(games)) : score != nullptr)) {
        return "FAULT: the score is not the games'";
    }
    return "games " + keyText(key) + " " + std::to_string(games.size());
}

// A replacement before play (by a new name, now and then one the event has),
// a swap of two players or a move to a group's empty place, refused once
// they (or, for a move, their groups) have played.
inline std::string randomPlaceChange(event::Event& event, const Pick& pick) {
    const Pos player = randomPlayer(event, pick);
    const unsigned kind = pick(3);
    if (kind == 2) {
        const int group = static_cast<int>(pick(static_cast<unsigned>(event.state.groupTable.size())));
        const bool made = event::movePlayer(event, player, group) == event::ChangeRefusal::None;
        return "move " + std::to_string(player) + " to " + std::to_string(group) + (made ? "" : " (refused)");
    }
    if (kind == 1) {
        const std::string by = pick(4) == 0 ? event.participants[static_cast<std::size_t>(randomPlayer(event, pick))]
                                            : kNamePool[pick(std::size(kNamePool))] + std::string(" new") +
                                                  std::to_string(event.changes.size());
        const auto race = static_cast<Race>(pick(kRaceCount + 1));
        // A new team brings its players, now and then none.
        std::vector<std::string> roster;
        for (unsigned i = 0, n = event.teams && pick(6) != 0 ? 1 + pick(6) : 0; i < n; ++i) {
            roster.push_back(std::string(kNamePool[pick(std::size(kNamePool))]) + std::to_string(i));
        }
        const bool made = event::replacePlayer(event, player, by, race, roster) == event::ChangeRefusal::None;
        return "replace " + std::to_string(player) + " by " + by + " " + std::string(raceLetter(race)) +
               (roster.empty() ? "" : " with " + std::to_string(roster.size())) + (made ? "" : " (refused)");
    }
    const Pos other = randomPlayer(event, pick);
    const bool made = event::swapPlayers(event, player, other) == event::ChangeRefusal::None;
    return "swap " + std::to_string(player) + " and " + std::to_string(other) + (made ? "" : " (refused)");
}

// The organiser's own first round: the rule's seats in any order, two of a
// group meeting or not, now and then with a seat left out or given twice.
inline std::vector<PlayoffPair> randomPairs(const event::Event& event, int perGroup, const Pick& pick) {
    std::vector<PlayoffPair> pairs = rulePairs(event.state, event.results, perGroup);
    std::vector<PlayoffSeat*> seats;
    for (PlayoffPair& p : pairs) {
        seats.push_back(&p.first);
        if (p.second) seats.push_back(&*p.second);
    }
    for (std::size_t i = seats.size(); i > 1; --i) std::swap(*seats[i - 1], *seats[pick(static_cast<unsigned>(i))]);
    if (seats.size() > 1 && pick(8) == 0) *seats[0] = *seats[1];
    return pairs;
}

// One change, as a user could make it in the window; what it was, for a
// failure's message.
// An entry, a set (mostly the next one, its stayer mostly the last
// winner) or a match's sets cleared, as the standings window enters them.
inline std::string randomTeamChange(event::Event& event, const Pick& pick) {
    // Mostly a match under way, so that some are played to their end.
    const auto& plays = event.teams->plays;
    MatchKey key = randomMatch(event, pick);
    if (!plays.empty() && pick(3) != 0) key = std::next(plays.begin(), pick(static_cast<unsigned>(plays.size())))->first;
    // Now and then a match of the group a replacement's new team joined.
    const auto newest = static_cast<Pos>(event.participants.size()) - 1;
    const int joined = newest >= static_cast<Pos>(event::inputCount(event)) ? event::placeOfPlayer(event.state.groupTable, newest).first : -1;
    if (joined >= 0 && pick(2) == 0) {
        key = {joined, 1 + static_cast<int>(pick(static_cast<unsigned>(std::max<int>(event.state.matchCount[static_cast<std::size_t>(joined)], 1))))};
    }
    const auto play = event.teams->plays.find(key);
    const std::vector<team::TeamSet> sets = play == event.teams->plays.end() ? std::vector<team::TeamSet>{} : play->second.sets;
    const auto player = [&] { return static_cast<int>(pick(6)) - (pick(8) == 0 ? 1 : 0); };
    const int next = static_cast<int>(sets.size()) + (pick(6) == 0 ? static_cast<int>(pick(3)) : 1);
    switch (pick(5)) {
    case 0: {
        // Now and then one team's entry alone, as a record gives it when the other's is not known.
        // Mostly a player of the roster's first few.
        const auto entered = [&] { return pick(4) == 0 ? team::kNoEntry : pick(2) == 0 ? player() : static_cast<int>(pick(3)); };
        const std::array<int, 2> entry{entered(), entered()};
        const int number = event.teams->format.kind == team::MatchKind::WinnerStays && pick(2) == 0 ? 1 : next;
        const bool ok = event::enterEntry(event, key, number, entry).ok();
        const bool oneSide = (entry[0] == team::kNoEntry) != (entry[1] == team::kNoEntry);
        return "entry " + keyText(key) + " set " + std::to_string(number) + (oneSide ? " one side" : "") + (ok ? "" : " (refused)");
    }
    case 1: return event::clearTeamMatch(event, key) ? "clear sets " + keyText(key) : "no sets " + keyText(key);
    default: {
        // Mostly each team's next player not used or beaten yet.
        const auto fresh = [&](int side) {
            const bool winnerStays = event.teams->format.kind == team::MatchKind::WinnerStays;
            const auto lost = std::count_if(sets.begin(), sets.end(), [&](const team::TeamSet& t) { return (t.firstWon ? 1 : 0) == side; });
            return pick(4) == 0 ? player() : static_cast<int>(winnerStays ? lost : static_cast<long>(sets.size()));
        };
        team::TeamSet set{{fresh(0), fresh(1)}, pick(2) == 0, kNone};
        if (!sets.empty() && pick(4) != 0) {
            const int stays = sets.back().firstWon ? 0 : 1;
            set.players[stays] = sets.back().players[stays];
        }
        if (event.state.settings.mapsEnabled && pick(3) == 0) set.map = static_cast<Pos>(pick(static_cast<unsigned>(event.maps.size())));
        const bool ok = event::recordTeamSet(event, key, next, set).ok();
        return "set " + keyText(key) + " " + std::to_string(next) + (ok ? "" : " (refused)");
    }
    }
}

inline std::string randomChange(event::Event& event, const Pick& pick) {
    if (event.teams && pick(2) == 0) return randomTeamChange(event, pick);
    switch (pick(13)) {
    case 0: {
        const MatchKey key = randomMatch(event, pick);
        event::clearResult(event, key);
        return "clear " + std::to_string(key.group) + "/" + std::to_string(key.number);
    }
    case 1: {
        const int depth = event.playoff.perGroup ? event.playoff.perGroup : kMaxPlayoffPlayers;
        const auto ties = tiesToSettle(event.state, event.results, depth, {});
        if (ties.empty()) return "no tie";
        TieToSettle tie = ties[pick(static_cast<unsigned>(ties.size()))];
        for (std::size_t i = tie.members.size(); i > 1; --i) std::swap(tie.members[i - 1], tie.members[pick(static_cast<unsigned>(i))]);
        const bool settled = event::settleTie(event, {tie.group, tie.members});
        return "settle " + std::to_string(tie.group) + (settled ? "" : " (refused)");
    }
    case 2: {
        if (event.playoff.perGroup != 0) return "playoff kept";  // the window offers only its undoing
        static constexpr int kSizes[] = {1, 2, 4};
        const int perGroup = kSizes[pick(3)];
        const bool thirdPlace = pick(2);
        std::vector<int> lengths;
        for (unsigned i = 0, n = pick(4) == 0 && !event.teams ? 1 + pick(3) : 0; i < n; ++i) lengths.push_back(1 + 2 * static_cast<int>(pick(4)));
        const std::vector<PlayoffPair> pairs = pick(2) == 0 ? randomPairs(event, perGroup, pick) : std::vector<PlayoffPair>();
        const bool made = event::makePlayoff(event, {perGroup, thirdPlace, lengths, pairs}).empty();
        return "playoff " + std::to_string(perGroup) + (pairs.empty() ? "" : " paired " + pairsText(pairs)) +
               (made ? "" : " (refused)");
    }
    case 3:
        if (pick(4) != 0) return "kept playoff";
        event::undoPlayoff(event);
        return "undo playoff";
    case 7: return event.teams ? randomTeamChange(event, pick) : randomGames(event, pick);
    case 8:
    case 9:
    case 10: return randomWithdrawal(event, pick);
    case 11:
    case 12: return randomPlaceChange(event, pick);
    default: {
        const MatchKey key = randomMatch(event, pick);
        const Score score = randomScore(event, key, pick);
        const event::ResultCheck check = event::checkEventResult(event, key, score);
        // A score that stands ends the series; one that does not end it never stands.
        const int bestOf = event::matchLength(event, key), most = std::max(score.first, score.second);
        if (check.ok() && bestOf > 1 && (most != gamesToWin(bestOf) || score.first == score.second)) {
            return "FAULT: a score that does not end its series stood";
        }
        if (!check.ok()) return "refused result";
        event::recordResult(event, key, score);
        return "result " + std::to_string(key.group) + "/" + std::to_string(key.number) + " " +
               std::to_string(score.first) + ":" + std::to_string(score.second);
    }
    }
}

// What walkovers and withdrawals must never break, or what they broke:
// every table sums (wins to losses, maps won to maps lost), no withdrawn
// player goes through to the playoff, and every match of a withdrawn player
// without a result goes to the opponent (in a league under the void rule,
// counts for nothing).
inline std::string withdrawalFault(const event::Event& event) {
    const Withdrawals& before = event.results.withdrawals();
    const bool league = !event.state.settings.tournament();
    for (int g = 0; g < static_cast<int>(event.state.groupTable.size()); ++g) {
        const GroupStandings table = groupStandings(event.state, event.results, g);
        int wins = 0, losses = 0, won = 0, lost = 0;
        for (const Standing& s : table.standings) wins += s.wins, losses += s.losses, won += s.mapsWon, lost += s.mapsLost;
        if (wins != losses || won != lost) return "group " + std::to_string(g) + " does not sum";
        for (const MatchState& m : table.matches) {
            const bool out = before.has(m.first) || before.has(m.second);
            if (!out || m.bye || m.first == kNone || m.second == kNone || event.results.find({g, m.number})) continue;
            // Where both withdrew, which goes on is TheLaterOfTwoToWithdrawGoesOn's question.
            const bool bothOut = before.has(m.first) && before.has(m.second);
            const Pos goesOn = before.has(m.first) ? m.second : m.first;
            const bool walkover = m.score && m.score->walkover && (bothOut || m.winner == goesOn);
            if (league && before.voids() ? !m.voided : !walkover) return "match " + keyText({g, m.number}) + " open";
        }
    }
    if (event.playoff.perGroup == 0) return {};
    ListHost host = event::hostFor(event);
    const PlayoffBracket bracket = playoffBracket(event.state, event.results, event.playoff, event.seed, host);
    for (const Qualifier& q : bracket.players) {
        if (before.has(q.player)) return "withdrawn player " + std::to_string(q.player) + " went through";
    }
    const Withdrawals& after = event.playoff.results.withdrawals();
    for (const MatchState& m : bracket.matches) {
        const bool open = m.first != kNone && m.second != kNone && !m.bye && !m.score;
        if (open && (after.has(m.first) || after.has(m.second))) return "playoff match " + std::to_string(m.number) + " open";
    }
    return {};
}

}  // namespace rl::test
