// How each map plays for each race: hand-made events' counts as golden
// texts, and over random events the counts add up to the games entered,
// with walkovers and byes nowhere and events without races as before.
#include "standings/race_stats.h"

#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>

#include "cases.h"
#include "engine/random.h"
#include "engine/series.h"
#include "event/actions.h"
#include "platform/encoding.h"
#include "platform/front_end.h"
#include "standings/standings_text.h"

namespace rl::event {
namespace {

// How a match is played: by its score alone, game by game (all of them,
// or only the first: a series under way), given by walkover, or not yet.
enum class Play { Score, Games, FirstGame, Walkover, None };

struct Rule {
    std::function<Play(MatchKey)> play;
    std::function<bool(MatchKey, int game)> firstWins;
    std::function<Pos(MatchKey, int game)> map;  // kNone: the dealt one
};

// What the test entered that must be counted: each player's games won and
// lost, and every game between two players.
struct Entered {
    std::vector<WonLost> players;
    std::vector<std::pair<Pos, Pos>> games;  // winner, loser
};

void enter(Event& event, const MatchState& m, MatchKey key, const Rule& rule, Entered& entered) {
    if (m.bye || m.first == kNone || m.second == kNone) return;
    const Play play = rule.play(key);
    const auto counted = [&](bool firstWon) {
        const Pos winner = firstWon ? m.first : m.second, loser = firstWon ? m.second : m.first;
        ++entered.players[static_cast<std::size_t>(winner)].won;
        ++entered.players[static_cast<std::size_t>(loser)].lost;
        entered.games.emplace_back(winner, loser);
    };
    if (play == Play::Walkover) {
        ASSERT_TRUE(giveWalkover(event, key, rule.firstWins(key, 0) ? m.first : m.second).ok());
    } else if (play == Play::Score) {
        const int wins = gamesToWin(m.bestOf), lost = rule.firstWins(key, 1) ? wins - 1 : 0;
        const bool first = rule.firstWins(key, 0);
        recordResult(event, key, first ? Score{wins, lost} : Score{lost, wins});
        if (m.bestOf == 1) counted(first);  // a series' games by its score alone are not known
    } else if (play != Play::None) {
        std::vector<Game> games;
        for (int won[2] = {0, 0}; won[0] < gamesToWin(m.bestOf) && won[1] < gamesToWin(m.bestOf);) {
            const int game = static_cast<int>(games.size());
            games.push_back({rule.firstWins(key, game), rule.map(key, game)});
            ++won[games.back().firstWon ? 0 : 1];
            counted(games.back().firstWon);
            if (play == Play::FirstGame) break;
        }
        ASSERT_TRUE(checkEventGames(event, key, games).ok());
        recordGames(event, key, games);
    }
}

// Every group match in order, then the playoff's when it can be made.
Entered playOut(Event& event, const Rule& rule, const PlayoffChoice& playoff) {
    Entered entered;
    entered.players.resize(event.participants.size());
    for (int g = 0; g < event.state.settings.groupCount; ++g) {
        for (int n = 1; n <= event.state.matchCount[static_cast<std::size_t>(g)]; ++n) {
            const MatchState m = groupStandings(event.state, event.results, g).matches[static_cast<std::size_t>(n - 1)];
            enter(event, m, {g, n}, rule, entered);
        }
    }
    if (playoff.perGroup == 0 || !makePlayoff(event, playoff).empty()) return entered;
    for (int n = 1;; ++n) {
        ListHost host = hostFor(event);
        const PlayoffBracket bracket = playoffBracket(event.state, event.results, event.playoff, event.seed, host);
        if (static_cast<std::size_t>(n) > bracket.matches.size()) break;
        enter(event, bracket.matches[static_cast<std::size_t>(n - 1)], {kPlayoffGroup, n}, rule, entered);
    }
    return entered;
}

Event drawnFrom(const std::string& inputs, int bestOf, const std::vector<Race>& races) {
    ListHost host = test::hostFrom(inputs);
    AssignmentState state;
    EXPECT_EQ(assign(state, host, {test::formatFrom(inputs).dual, bestOf}), AssignOutcome::Assigned) << inputs;
    Event event = eventFromDraw(state, Results(), host, host.clock, std::nullopt, "2026-12-09T19:30:00");
    event.seeding.races = races;
    return event;
}

std::string utf8(const std::string& cp949) { return platform::cp949ToUtf8(cp949).value_or("?"); }

// A case line: the draw's inputs (see hostFrom) | each participant's race
// letter, "-" for none | the groups' length | the playoff's size and length.
// The matches are played by one rule: match n of group g goes by walkover
// when n % 7 is 5 and by its score alone when n % 5 is 0; else game by game,
// game i won by the first player unless n + i + g is a multiple of 3, and
// played on map (n + i) % maps instead of the dealt one when n + i is a
// multiple of 4. Printed: every game counted, the text's section and the
// event file's counts.
std::string counted(const std::string& line) {
    std::vector<std::string> parts;
    for (std::size_t at = 0, bar;; at = bar + 3) {
        bar = line.find(" | ", at);
        parts.push_back(line.substr(at, bar == std::string::npos ? std::string::npos : bar - at));
        if (bar == std::string::npos) break;
    }
    if (parts.size() != 4) return "needs four parts\n";
    std::vector<Race> races;
    for (char c : parts[1]) races.push_back(parseRace(std::string(1, c)).value_or(Race::None));
    Event event = drawnFrom(parts[0], std::stoi(parts[2]), races);
    const int maps = static_cast<int>(event.maps.size());
    const Rule rule{[](MatchKey k) { return k.number % 7 == 5 ? Play::Walkover : k.number % 5 == 0 ? Play::Score : Play::Games; },
                    [](MatchKey k, int game) { return (k.number + game + k.group) % 3 != 0; },
                    [maps](MatchKey k, int game) { return (k.number + game) % 4 == 0 ? static_cast<Pos>((k.number + game) % maps) : kNone; }};
    int perGroup = 0, playoffBestOf = 1;
    std::sscanf(parts[3].c_str(), "%d %d", &perGroup, &playoffBestOf);
    playOut(event, rule, {perGroup, false, {playoffBestOf}, {}});

    ListHost host = hostFor(event);
    std::string out;
    for (const CountedGame& g : countedGames(event.state, event.results, event.playoff, event.seed, host)) {
        out += "  " + utf8(event.participants[static_cast<std::size_t>(g.winner)]) + " > " +
               utf8(event.participants[static_cast<std::size_t>(g.loser)]) + " @ " +
               (g.map == kNone ? "-" : utf8(event.maps[static_cast<std::size_t>(g.map)])) + "\n";
    }
    std::string section = utf8(eventRaceStatsText(event));
    for (std::size_t at; (at = section.find("\r\n")) != std::string::npos;) section.replace(at, 2, "\n");
    out += section.substr(1);  // the blank line before it, which a golden case holds none of
    const auto json = nlohmann::ordered_json::parse(*writeEvent(event, platform::eventFrontEnd()));
    for (const char* key : {"mapStats", "playerStats", "raceStats"}) out += std::string(key) + " " + json[key].dump() + "\n";
    return out;
}

TEST(RaceStats, GoldenEvents) { test::expectGoldenCases("race-stats.txt", counted); }

// The first race's share is rounded to the nearest whole percent, halves up.
TEST(RaceStats, SharesRoundToTheNearestPercentHalvesUp) {
    const struct { int wins, games, percent; } cases[] = {{1, 8, 13}, {7, 8, 88}, {1, 3, 33}, {2, 3, 67},
                                                          {0, 5, 0},  {5, 5, 100}, {1, 200, 1}, {199, 200, 100}};
    for (const auto& c : cases) EXPECT_EQ(percentOf(c.wins, c.games), c.percent) << c.wins << " of " << c.games;
}

Race randomRace(Random& r) { return static_cast<Race>(r.draw() % (kRaceCount + 1)); }

Play randomPlay(Random& r) {
    const int roll = r.draw() % 20;
    return roll < 4 ? Play::Score : roll < 6 ? Play::Walkover : roll < 7 ? Play::FirstGame : roll < 8 ? Play::None : Play::Games;
}

// Over random events of every kind: each game counted once for its map and
// once for each of its two players, walkovers and byes in no count, the
// races' counts those of the games between players of a race; and an event
// without races writes its file and text as before.
TEST(RaceStats, CountsAddUpToTheGamesPlayed) {
    Random r;
    r.seed(32);
    const FrontEnd frontEnd = platform::eventFrontEnd();
    int playoffs = 0, raceless = 0;
    for (int round = 0; round < 150; ++round) {
        const int groups = 1 + r.draw() % 4, size = 2 + r.draw() % 5, maps = r.draw() % 5;
        const int players = 2 + r.draw() % (groups * size - 1);
        const std::string inputs = "players " + std::to_string(players) + " maps " + std::to_string(maps) +
                                   (maps > 0 ? " with-maps" : "") + (r.draw() % 2 ? " tournament" : "") + " groups " +
                                   std::to_string(groups) + " size " + std::to_string(size) + " clock " +
                                   std::to_string(r.draw());
        std::vector<Race> races;
        for (int p = r.draw() % 3 == 0 ? players : 0; p < players; ++p) races.push_back(randomRace(r));
        Event event = drawnFrom(inputs, 1 + 2 * (r.draw() % 3), races);
        std::vector<Play> plays(400);
        for (Play& p : plays) p = randomPlay(r);
        const std::uint32_t mix = r.draw();
        const Rule rule{[&](MatchKey k) { return plays[static_cast<std::size_t>((k.group + 1) * 50 + k.number)]; },
                        [mix](MatchKey k, int game) { return ((k.number * 7 + game * 3 + k.group) ^ mix) % 2 == 0; },
                        [maps, mix](MatchKey k, int game) {
                            return maps > 0 && (k.number + game + mix) % 3 == 0 ? static_cast<Pos>((k.number + mix) % maps) : kNone;
                        }};
        const Entered entered = playOut(event, rule, {1 << (r.draw() % 2), false, {}, {}});
        playoffs += event.playoff.perGroup != 0;

        ListHost host = hostFor(event);
        const std::string before = standingsFileText(event.state, event.results, host, event.playoff, event.seed);
        const auto stats = eventRaceStats(event);
        const bool anyRace = std::any_of(races.begin(), races.end(), [](Race x) { return x != Race::None; });
        ASSERT_EQ(stats.has_value(), anyRace) << inputs;
        const std::string text = eventStandingsText(event);
        const auto json = nlohmann::json::parse(*writeEvent(event, frontEnd));
        if (!stats) {
            ++raceless;
            EXPECT_EQ(text, before) << inputs;
            EXPECT_FALSE(json.contains("mapStats") || json.contains("playerStats") || json.contains("raceStats"));
            continue;
        }
        EXPECT_EQ(text.substr(0, before.size()), before) << "the section only follows the standings: " << inputs;
        EXPECT_EQ(text.size() > before.size(), maps > 0) << inputs;
        ASSERT_EQ(stats->maps.size(), static_cast<std::size_t>(maps));
        ASSERT_EQ(json["mapStats"].size(), stats->maps.size());

        int mapGames = 0, matchupGames = 0;
        for (std::size_t i = 0; i < stats->maps.size(); ++i) {
            mapGames += stats->maps[i].games;
            int onMap = 0;
            for (const Matchup& m : kMatchups) onMap += gamesOf(stats->maps[i].wins, m);
            EXPECT_LE(onMap, stats->maps[i].games);
            matchupGames += onMap;
            EXPECT_EQ(json["mapStats"][i]["games"], stats->maps[i].games);
            EXPECT_EQ(json["mapStats"][i]["matchups"].size(),
                      std::count_if(std::begin(kMatchups), std::end(kMatchups), [&](Matchup m) { return gamesOf(stats->maps[i].wins, m) > 0; }));
        }
        const auto raceAt = [&](Pos p) { return static_cast<std::size_t>(p) < races.size() ? races[static_cast<std::size_t>(p)] : Race::None; };
        const auto raced = std::count_if(entered.games.begin(), entered.games.end(), [&](const auto& g) {
            return raceAt(g.first) != Race::None && raceAt(g.second) != Race::None;
        });
        int raceGames = 0;
        for (const Matchup& m : kMatchups) raceGames += gamesOf(stats->races, m);
        EXPECT_EQ(raceGames, raced) << inputs;
        if (maps > 0) {
            EXPECT_EQ(mapGames, static_cast<int>(entered.games.size())) << inputs;
            EXPECT_EQ(matchupGames, raced) << inputs;
        }
        for (std::size_t p = 0; p < stats->players.size(); ++p) {
            const PlayerRecord& record = stats->players[p];
            EXPECT_EQ(record.total.won, entered.players[p].won) << inputs << ", player " << p;
            EXPECT_EQ(record.total.lost, entered.players[p].lost) << inputs << ", player " << p;
            int onMaps = 0, againstRaces = 0;
            for (const WonLost& w : record.maps) onMaps += w.won + w.lost;
            for (const WonLost& w : record.against) againstRaces += w.won + w.lost;
            if (maps > 0) {
                EXPECT_EQ(onMaps, record.total.won + record.total.lost);
            }
            EXPECT_LE(againstRaces, record.total.won + record.total.lost);
        }
        int wonInFile = 0, lostInFile = 0;
        for (const auto& player : json["playerStats"]) wonInFile += player["won"].get<int>(), lostInFile += player["lost"].get<int>();
        EXPECT_EQ(json["playerStats"].size(), stats->players.size());
        EXPECT_EQ(wonInFile, static_cast<int>(entered.games.size()));
        EXPECT_EQ(lostInFile, static_cast<int>(entered.games.size()));
    }
    EXPECT_GT(playoffs, 10);
    EXPECT_GT(raceless, 10);
}

}  // namespace
}  // namespace rl::event
