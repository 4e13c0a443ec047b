// Turns arbitrary bytes into an assignment within the input limits, runs the
// whole pipeline and checks what must hold for every input.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "event/event.h"
#include "cli/results_file.h"
#include "engine/limits.h"
#include "engine/list_host.h"
#include "engine/series.h"
#include "engine/match_cells.h"
#include "engine/pairing.h"
#include "fuzz/latin1.h"
#include "platform/encoding.h"
#include "page/page.h"
#include "platform/encoding.h"
#include "standings/final_standings.h"
#include "standings/standings_text.h"
#include "text/export_text.h"
#include "text/result_view.h"
#include "tests/dual_rules.h"

namespace {

using rl::kNone;

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

rl::ListHost fuzzedHost(FuzzedDataProvider& in, rl::DrawFormat& format) {
    rl::ListHost host;
    host.groupCountText = std::to_string(in.ConsumeIntegralInRange(1, 8));
    host.groupSizeText = std::to_string(in.ConsumeIntegralInRange(1, 8));
    host.mapsEnabled = in.ConsumeBool();
    host.equalMaps = in.ConsumeBool();
    host.tournament = in.ConsumeBool();
    format.dual = in.ConsumeIntegralInRange(0, 3) == 0;
    if (format.dual) host.groupSizeText = "4";
    host.spreadVacancies = in.ConsumeBool();
    host.clock = in.ConsumeIntegral<std::uint32_t>();
    const int participants = in.ConsumeIntegralInRange(0, 128), maps = in.ConsumeIntegralInRange(0, 10);
    for (int i = 0; i < participants + maps; ++i) {
        // A list entry is a C string; double-byte lead bytes 0x81-0xFE stay.
        std::string name = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<std::size_t>(1, 49));
        std::replace(name.begin(), name.end(), '\0', 'x');
        (i < participants ? host.participants : host.maps).push_back(name.empty() ? "p" : name);
    }
    return host;
}

std::size_t printed(const char* format, int number) {
    char piece[64];
    return static_cast<std::size_t>(std::snprintf(piece, sizeof piece, format, number));
}

// Calls line(match, number, offset, lastOfRound, previousRound) for every
// match: a knock-out's rounds halve, rounding up, and a later round's sides
// are entries of the round before, whose first match is number `offset`.
// True when the last round ends at the last match.
template <class Line>
bool walk(const rl::AssignmentState& s, int g, Line line) {
    const int count = s.matchCount[g];
    if (!s.settings.tournament()) {
        for (int k = 0; k < count; ++k) line(s.schedule[g][k], k + 1, 0, false, 0);
        return true;
    }
    int k = 0, offset = 0;
    for (int round = (s.memberCount[g] + 1) / 2, previous = 0; k < count; previous = round, round = (round + 1) / 2) {
        const int first = k + 1;
        for (int e = 0; e < round && k < count; ++e, ++k) {
            line(s.schedule[g][k], k + 1, offset, e == round - 1, previous);
        }
        offset = first;
        if (round == 1) break;
    }
    return k == count;
}

void checkGroups(const rl::AssignmentState& s) {
    const rl::Settings& set = s.settings;
    std::multiset<int> placed;
    for (int g = 0; g < set.groupCount; ++g) {
        const auto& row = s.groupTable[g];
        require(static_cast<int>(row.size()) == set.groupSize, "row size");
        const int members = static_cast<int>(std::find(row.begin(), row.end(), kNone) - row.begin());
        placed.insert(row.begin(), row.begin() + members);
        require(std::count(row.begin() + members, row.end(), kNone) == set.groupSize - members,
                "members then vacancies");
        require(s.memberCount[g] == members, "member count");
        require(s.matchCount[g] == rl::matchCountFor(members, set), "match count");
        if (members == 0) continue;
        if (set.format == rl::GroupFormat::Dual) {
            // The opening matches hold members, the later ones earlier matches' positions.
            for (int k = 0; k < s.matchCount[g]; ++k) {
                const rl::Match& m = s.schedule[g][k];
                require(k < 2 ? std::count(row.begin(), row.begin() + members, m.first) == 1
                              : m.first >= 0 && m.first < k,
                        "a dual cell is a member or an earlier match");
            }
            continue;
        }
        if (!set.tournament() && members == 1) {
            require(s.schedule[g][0].first == row[0] && s.schedule[g][0].second == kNone, "single bye");
            continue;
        }
        std::set<std::pair<int, int>> pairs;
        const bool rounds = walk(s, g, [&](const rl::Match& m, int, int, bool last, int previous) {
            if (set.tournament()) {
                require(m.second != kNone || last, "a bye is its round's last entry");
                require(!previous || (m.first >= 0 && m.first < previous), "first refers to the previous round");
                require(!previous || m.second == kNone || (m.second >= 0 && m.second < previous),
                        "second refers to the previous round");
                return;
            }
            require(m.first != m.second, "no one meets themselves");
            require(std::count(row.begin(), row.begin() + members, m.first) == 1, "first side is a member");
            require(std::count(row.begin(), row.begin() + members, m.second) == 1, "second side is a member");
            require(pairs.insert(std::minmax(m.first, m.second)).second, "league pair unique");
        });
        require(rounds, "rounds end at the last match");
        require(set.tournament() || static_cast<int>(pairs.size()) == members * (members - 1) / 2, "league complete");
    }
    require(static_cast<int>(placed.size()) == set.participantCount, "everyone placed");
    for (int i = 0; i < set.participantCount; ++i) require(placed.count(i) == 1, "placed exactly once");
}

void checkMaps(const rl::AssignmentState& s) {
    const rl::Settings& set = s.settings;
    std::map<int, int> dealt;
    int total = 0;
    for (int g = 0; g < set.groupCount; ++g) {
        for (int k = 0; k < s.matchCount[g]; ++k) {
            const rl::Match& m = s.schedule[g][k];
            const std::vector<rl::Pos> games = rl::gameMaps(m);
            if (!set.mapsEnabled || m.second == kNone) {
                require(games.empty(), "no map without maps or on a bye");
                continue;
            }
            require(static_cast<int>(games.size()) == set.bestOf, "a map for every game");
            const std::set<rl::Pos> distinct(games.begin(), games.end());
            require(set.bestOf > set.mapCount || distinct.size() == games.size(), "no map twice in a series");
            for (rl::Pos map : games) {
                require(map >= 0 && map < set.mapCount, "map in range");
                ++dealt[map], ++total;
            }
        }
    }
    if (!set.mapsEnabled || !set.equalMaps || total == 0) return;
    for (int map = 0; map < set.mapCount; ++map) {
        require(dealt[map] == total / set.mapCount || dealt[map] == (total + set.mapCount - 1) / set.mapCount,
                "maps dealt evenly");
    }
}

// The texts' lengths, whatever the names: every name whole, each column of
// the export padded to its width, a vacancy shown as "-".
void checkTexts(const rl::AssignmentState& s, rl::ListHost& host) {
    const rl::Settings& set = s.settings;
    const auto name = [&](rl::ListKind list, int i) { return i < 0 ? 1 : host.listText(list, i).size(); };
    const auto cell = [](std::size_t length, std::size_t width) { return std::max(length, width); };
    std::size_t viewTable = set.groupCount * std::strlen("< A >\t"), exportTable = set.groupCount * 25 + 4;
    for (int p = 0; p < set.groupSize; ++p) {
        exportTable += 2;
        for (int g = 0; g < set.groupCount; ++g) {
            const std::size_t length = name(rl::ListKind::Participants, s.groupTable[g][p]);
            viewTable += (g == 0 ? 2 : 1) + length;
            exportTable += cell(length, 25);
        }
    }
    require(rl::exportTableText(s, host).size() == exportTable, "export table length");
    std::size_t file = exportTable;
    for (int g = 0; g < set.groupCount; ++g) {
        if (set.format == rl::GroupFormat::Dual) {
            // Named and loser cells: the golden texts pin them; here, only that they are made.
            require(!rl::buildResultView(s, host, g).tableText.empty(), "table text made");
            file += rl::exportGroupText(s, host, g).size();
            continue;
        }
        std::size_t view = 0, exported = printed("\r\n< %c조 세부 대진 >\r\n", 'A' + g);
        walk(s, g, [&](const rl::Match& m, int number, int offset, bool, int) {
            const auto side = [&](int v) {
                return offset ? printed("<%d경기 승자>", v + offset) : name(rl::ListKind::Participants, v);
            };
            view += (number > 1 ? 2 : 0) + printed("%2d경기:\t", number) + side(m.first) + 1;
            exported += cell(printed("%2d경기:", number), 10) + cell(side(m.first), 25);
            if (m.second == kNone) {
                view += std::strlen("\t\t(부전승)");
                exported += 35 + std::strlen("(부전승)") + 2;
                return;
            }
            view += std::strlen("[vs]\t") + side(m.second) + 1;
            exported += 10 + cell(side(m.second), 25) + 2;
            // A series: "(3전 2선승)" and each game's map after a blank.
            std::size_t map = set.bestOf > 1 ? printed("(%d전 ", set.bestOf) + printed("%d선승)", rl::gamesToWin(set.bestOf)) : 0;
            if (set.mapsEnabled) {
                for (rl::Pos game : rl::gameMaps(m)) map += (map ? 1 : 0) + name(rl::ListKind::Maps, game) + 2;
            }
            // The result window puts a series' games on a line of its own: "\r\n\t" before them.
            view += map + (set.bestOf > 1 ? 3 : 0), exported += map;
        });
        const rl::ResultView shown = rl::buildResultView(s, host, g);
        require(shown.tableText.size() == viewTable, "table text length");
        require(shown.scheduleText.size() == view, "schedule text length");
        const std::size_t chunk = rl::exportGroupText(s, host, g).size();
        require(chunk == exported, "export group length");
        file += chunk;
    }
    require(rl::exportFileText(s, host).size() == file, "file is the chunks");
}

void checkLeagueTable(const rl::GroupStandings& g) {
    int wins = 0, losses = 0, won = 0, lost = 0, played = 0, scored = 0;
    for (const rl::Standing& s : g.standings) {
        require(s.wins + s.losses == s.played, "played = wins + losses");
        wins += s.wins, losses += s.losses, won += s.mapsWon, lost += s.mapsLost, played += s.played;
    }
    require(wins == losses && won == lost, "a league's counts add up");
    for (const rl::MatchState& m : g.matches) scored += m.score.has_value() && !m.voided;
    require(played == 2 * scored, "two players in every played match");
    require(g.standings.empty() || g.standings[0].rank == 1, "someone is first");
    for (std::size_t i = 1; i < g.standings.size(); ++i) {
        const int rank = g.standings[i].rank, before = g.standings[i - 1].rank;
        require(before <= rank && rank >= 1, "best first");
        require(rank == before || rank == static_cast<int>(i) + 1, "a rank skips over those sharing the one before");
    }
}

// A loser's place is one more than the number of entries of the round it
// lost in; the final's winner alone is 1st; members still in have none.
void checkKnockOutPlaces(const rl::GroupStandings& g) {
    std::map<int, int> roundSizes;
    std::map<rl::Pos, int> expected;
    for (const rl::MatchState& m : g.matches) ++roundSizes[m.round];
    for (const rl::MatchState& m : g.matches) {
        require(m.winner == kNone || m.winner == m.first || m.winner == m.second, "the winner played");
        if (m.score) expected[m.winner == m.first ? m.second : m.first] = 1 + roundSizes[m.round];
    }
    if (!g.matches.empty() && g.matches.back().winner != kNone) expected[g.matches.back().winner] = 1;
    bool stillIn = true;
    for (std::size_t i = 0; i < g.standings.size(); ++i) {
        const rl::Standing& s = g.standings[i];
        // A withdrawn member shares the bracket's place and stands last in it.
        require(s.rank == (expected.count(s.player) ? expected[s.player] : 0), "place from the bracket");
        const bool placedBelow = i > 0 && s.rank > 0 && g.standings[i - 1].rank == s.rank && g.standings[i - 1].withdrawn;
        require(!placedBelow || s.withdrawn, "a withdrawn member stands last in its place");
        require(s.losses == (s.rank > 1 ? 1 : 0), "out after one loss, and only then");
        require(stillIn || s.rank > 0, "members still in come first");
        stillIn = s.rank == 0;
    }
}

// Names are escaped on the page: the page of the same event with every name
// plain holds as many markup characters. Some players have races, and a
// race list may be shorter than the participants.
void checkPage(const rl::AssignmentState& s, const rl::Results& results, rl::ListHost& host,
               const std::function<int(int)>& draw) {
    const rl::page::Header header{"<t>", "2026-12-07T19:30:00", host.clock, std::nullopt, "", ""};
    rl::ListHost plain = host;
    for (auto* list : {&plain.participants, &plain.maps}) std::fill(list->begin(), list->end(), "n");
    std::vector<rl::Race> races(static_cast<std::size_t>(draw(static_cast<int>(host.participants.size()) + 1)));
    for (rl::Race& race : races) race = static_cast<rl::Race>(draw(rl::kRaceCount + 1));
    const auto page = rl::page::pageViewOf(s, results, host, header, latin1, nullptr, nullptr, races);
    const auto plainPage = rl::page::pageViewOf(s, results, plain, header, latin1, nullptr, nullptr, races);
    require(page && plainPage, "page made");
    const std::string a = rl::page::renderPage(*page), b = rl::page::renderPage(*plainPage);
    for (char c : {'<', '>', '"', '\''}) {
        require(std::count(a.begin(), a.end(), c) == std::count(b.begin(), b.end(), c), "no markup from a name");
    }
}

// Lines "GROUP MATCH 세트 GAME WINNER @ MAP" for a few matches: a player's
// or a map's name where it converts, and now and then a game or a map that
// is no match's.
std::string gameLines(const rl::AssignmentState& s, rl::ListHost& host, const std::function<int(int)>& draw) {
    const auto utf8 = [&](rl::ListKind kind, int count) {
        return rl::platform::cp949ToUtf8(rl::nameOf(host, kind, draw(count + 1) - 1)).value_or("-");
    };
    std::string lines;
    for (int i = draw(12); i > 0; --i) {
        const int g = draw(s.settings.groupCount);
        lines += std::string(1, static_cast<char>('A' + g)) + " " + std::to_string(1 + draw(s.matchCount[g] + 1)) +
                 u8" 세트 " + std::to_string(draw(9)) + " " + utf8(rl::ListKind::Participants, s.settings.participantCount);
        if (draw(2)) lines += " @ " + utf8(rl::ListKind::Maps, static_cast<int>(host.maps.size()));
        if (draw(8) == 0) lines += "\n" + std::string(1, static_cast<char>('A' + g)) + " 1 " + std::to_string(draw(4)) + ":1";
        lines += "\n";
    }
    return lines;
}

// Lines "교체 NAME NEW", "맞교환 NAME NAME" and "맞교환 NAME GROUP 빈자리" of
// the draw's names, with or without a group.
std::string changeLines(FuzzedDataProvider& in, rl::ListHost& host) {
    const auto name = [&] {
        const int at = in.ConsumeIntegralInRange(0, static_cast<int>(host.participants.size()) - 1);
        return rl::platform::cp949ToUtf8(host.participants[static_cast<std::size_t>(at)]).value_or("?");
    };
    std::string lines;
    for (int i = 0, n = in.ConsumeIntegralInRange(0, 3); i < n; ++i) {
        lines += in.ConsumeBool() ? "" : "A ";
        const std::string group(1, static_cast<char>('A' + in.ConsumeIntegralInRange(0, 4)));
        switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0: lines += u8"교체 " + name() + " " + in.ConsumeRandomLengthString(12); break;
        case 1: lines += u8"맞교환 " + name() + " " + name(); break;
        default: lines += u8"맞교환 " + name() + " " + group + u8" 빈자리"; break;
        }
        lines += "\n";
    }
    return lines;
}

void checkStandings(FuzzedDataProvider& in, const rl::AssignmentState& s, rl::ListHost& host) {
    // Results for some matches, in match order so that later rounds can be
    // played; now and then one the library must refuse. Drawn from the clock,
    // since the names have mostly used up the fuzzer's bytes by now.
    std::minstd_rand random(host.clock);
    const auto draw = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
    rl::Results results;
    // Now and then a player withdraws, under either rule, and a match is a walkover.
    results.withdrawals().rule = draw(2) ? rl::WithdrawalRule::Void : rl::WithdrawalRule::Walkovers;
    for (int p = 0; p < s.settings.participantCount; ++p) {
        if (draw(6) == 0) results.withdrawals().players.push_back(p);
    }
    for (int g = 0; g < s.settings.groupCount; ++g) {
        for (int n = 1; n <= s.matchCount[g] + 1; ++n) {
            if (draw(3) == 0) continue;
            const int wins = rl::gamesToWin(s.settings.bestOf);
            const rl::Score score = draw(6) == 0                     ? rl::walkoverFor(draw(2), s.settings.bestOf)
                                    : s.settings.bestOf > 1 && draw(2) ? rl::Score{wins, draw(wins)}
                                                                       : rl::Score{draw(101), draw(101)};
            const bool ends = score.first != score.second && std::max(score.first, score.second) == wins;
            const rl::ResultProblem alone = rl::checkScore(score, s.settings.bestOf);
            require(score.walkover || s.settings.bestOf == 1 || (alone == rl::ResultProblem::None) == ends,
                    "a series' score ends it");
            if (rl::checkResult(s, results, {g, n}, score) == rl::ResultProblem::None || draw(8) == 0) {
                results.set({g, n}, score);
            }
        }
    }
    std::size_t text = 0;
    for (int g = 0; g < s.settings.groupCount; ++g) {
        const rl::GroupStandings standings = rl::groupStandings(s, results, g);
        require(static_cast<int>(standings.standings.size()) == s.memberCount[g], "every member listed once");
        if (s.settings.format == rl::GroupFormat::Dual) {
            require(rl::test::brokenDualRule(standings).empty(), "a dual group keeps its promises");
        } else {
            s.settings.tournament() ? checkKnockOutPlaces(standings) : checkLeagueTable(standings);
        }
        text += rl::standingsGroupText(s, results, host, g).size();
    }
    require(rl::standingsText(s, results, host).size() == text, "the section is the groups' texts");

    const rl::event::FrontEnd frontEnd{latin1, latin1, [](std::string_view) { return std::string(32, '\0'); }};
    const auto json = rl::event::writeEvent(
        rl::event::eventFromDraw(s, results, host, 7, std::nullopt, "2026-12-07T19:30:00"), frontEnd);
    require(json.has_value(), "JSON written");
    const auto parsed = nlohmann::json::parse(*json, nullptr, false);
    require(!parsed.is_discarded() && parsed["groups"].size() == static_cast<std::size_t>(s.settings.groupCount),
            "the JSON parses back");
    checkPage(s, results, host, draw);

    // A results file of whatever bytes remain, after a few replacements and
    // swaps and game lines made from the draw's own names: read whole or
    // refused whole.
    const std::string record = changeLines(in, host) + gameLines(s, host, draw) + in.ConsumeRemainingBytesAsString();
    const rl::cli::ResultsFile file = rl::cli::readResultsFile(record, s, host);
    require(file.ok() || (file.results.all().empty() && file.results.allGames().empty() && file.changed.changes.empty()),
            "a refused file keeps nothing");
    for (const auto& [key, games] : file.results.allGames()) {
        const rl::Score* score = file.results.find(key);
        require(!score || *score == rl::gamesScore(games), "a series' games count to its score");
    }
    // The event file takes only names the list rules take; the draw took any.
    const auto listed = [](const std::string& name) { return rl::nameProblem(name) == rl::TextProblem::None; };
    if (!file.ok() || file.changed.changes.empty() || !std::all_of(host.participants.begin(), host.participants.end(), listed)) {
        return;
    }
    rl::event::Event changed = rl::event::eventFromDraw(s, rl::Results(), host, 7, std::nullopt, "2026-12-07T19:30:00");
    rl::cli::takeChanges(file, changed);
    const auto written = rl::event::writeEvent(changed, frontEnd);
    require(written.has_value(), "a changed event writes");
    const rl::event::ReadOutcome read = rl::event::readEvent(*written, frontEnd);
    require(read.ok(), read.error.c_str());
    require(rl::event::writeEvent(*read.event, frontEnd) == written, "a changed event writes again the same");
}

// Every group played out, every tie that matters settled in some order,
// then a playoff of random size played part or all of the way.
rl::Results finishedGroups(const rl::AssignmentState& s, const std::function<int(int)>& draw) {
    rl::Results results;
    for (int g = 0; g < s.settings.groupCount; ++g) {
        for (int n = 1; n <= s.matchCount[g]; ++n) {
            const int won = s.settings.bestOf > 1 ? rl::gamesToWin(s.settings.bestOf) : draw(3) + 1;
            const rl::Score score = draw(2) ? rl::Score{won, 0} : rl::Score{0, won};
            if (rl::checkResult(s, results, {g, n}, score) == rl::ResultProblem::None) results.set({g, n}, score);
        }
    }
    return results;
}

// Places follow from the bracket: a loser is out at one more than the
// entries of its round, the third-place match places 3rd and 4th, and the
// final's winner is 1st.
void checkPlayoffPlaces(const rl::PlayoffBracket& b) {
    std::map<int, int> roundSizes;
    std::map<rl::Pos, int> expected;
    std::set<int> feedThird;
    for (const rl::MatchState& m : b.matches) {
        if (!m.losersMeet) ++roundSizes[m.round];
        else feedThird = {m.firstFrom, m.secondFrom};
    }
    std::multiset<rl::Pos> firstRound;
    for (const rl::MatchState& m : b.matches) {
        if (m.round == 1) firstRound.insert({m.first, m.second});
        if (!m.score) continue;
        const rl::Pos loser = m.winner == m.first ? m.second : m.first;
        if (m.losersMeet) expected[m.winner] = 3;
        if (!feedThird.count(m.number)) expected[loser] = m.losersMeet ? 4 : 1 + roundSizes[m.round];
    }
    if (b.matches.back().winner != kNone) expected[b.matches.back().winner] = 1;
    for (const rl::Qualifier& q : b.players) require(firstRound.count(q.player) == 1, "seated once in the first round");
    const int cells = 2 * roundSizes[1], players = static_cast<int>(b.players.size());
    require((cells & (cells - 1)) == 0 && cells >= players && cells < 2 * players, "the smallest bracket that fits");
    require(static_cast<int>(firstRound.count(kNone)) == cells - players, "the empty places are the byes");
    for (const rl::Standing& st : b.standings) {
        require(st.rank == (expected.count(st.player) ? expected[st.player] : 0), "playoff place from the bracket");
    }
}

void checkFinalStandings(const std::vector<rl::FinalStanding>& final, int participants) {
    std::set<rl::Pos> seen;
    for (std::size_t i = 0; i < final.size(); ++i) {
        require(seen.insert(final[i].player).second, "everyone once in the final standings");
        if (i == 0) continue;
        const int rank = final[i].rank, before = final[i - 1].rank;
        require(rank >= before, "final ranks never go down");
        require(before == 0 || rank == before || rank == static_cast<int>(i) + 1, "final ranks skip after a tie");
    }
    require(static_cast<int>(seen.size()) == participants && *seen.begin() == 0 && *seen.rbegin() == participants - 1,
            "the final standings are every drawn player");
}

// The organiser's own first round: the rule's seats in any order, which
// must read back from their text as they are.
std::vector<rl::PlayoffPair> shuffledPairs(std::vector<rl::PlayoffPair> pairs, std::minstd_rand& random) {
    std::vector<rl::PlayoffSeat> seats;
    for (const rl::PlayoffPair& p : pairs) {
        seats.push_back(p.first);
        if (p.second) seats.push_back(*p.second);
    }
    std::shuffle(seats.begin(), seats.end(), random);
    auto next = seats.begin();
    for (rl::PlayoffPair& p : pairs) {
        p.first = *next++;
        if (p.second) p.second = *next++;
    }
    std::vector<rl::PlayoffPair> read;
    require(pairs.empty() || (rl::parsePairs(rl::pairsText(pairs), read).ok() && read == pairs),
            "pairs read back from their text");
    return pairs;
}

void checkPlayoff(const rl::AssignmentState& s, rl::ListHost& host) {
    std::minstd_rand random(host.clock ^ 0x5eed);
    const std::function<int(int)> draw = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
    const rl::Results results = finishedGroups(s, draw);
    rl::Playoff playoff;
    playoff.perGroup = 1 << draw(3);
    playoff.thirdPlace = draw(2);
    for (int i = 0, n = draw(4); i < n; ++i) playoff.bestOf.push_back(1 + 2 * draw(4));
    for (const rl::TieToSettle& tie : rl::tiesToSettle(s, results, playoff.perGroup, {})) {
        rl::SettledOrder order{tie.group, tie.members};
        std::shuffle(order.order.begin(), order.order.end(), random);
        require(rl::checkSettle(s, results, playoff.perGroup, order) == rl::SettleProblem::None, "a tie settles");
        playoff.settled.push_back(order);
    }
    if (draw(3) == 0) playoff.pairs = shuffledPairs(rl::rulePairs(s, results, playoff.perGroup), random);
    const rl::PlayoffRefusal refusal = rl::checkPlayoff(s, results, playoff);
    require(refusal.unfinished.empty() && refusal.ties.empty() && refusal.pairs.ok(), "played out, settled and paired");
    rl::PlayoffBracket bracket = rl::playoffBracket(s, results, playoff, host.clock, host);
    require(bracket.matches.empty() == !refusal.empty(), "made exactly when not refused");
    if (bracket.matches.empty()) return;
    const int played = draw(static_cast<int>(bracket.matches.size()) + 1);
    for (int n = 1; n <= played; ++n) {
        const rl::MatchState& m = bracket.matches[static_cast<std::size_t>(n - 1)];
        const int wins = m.bestOf > 1 ? rl::gamesToWin(m.bestOf) : 2;
        const rl::Score score{draw(wins), wins};
        const bool stands = rl::checkPlayoffResult(bracket, n, score) == rl::ResultProblem::None;
        require(stands || m.bye || m.first == kNone || m.second == kNone, "a score that ends the series stands");
        if (stands) playoff.results.set({rl::kPlayoffGroup, n}, score);
        bracket = rl::playoffBracket(s, results, playoff, host.clock, host);
    }
    checkPlayoffPlaces(bracket);
    checkFinalStandings(rl::finalStandings(s, results, playoff, bracket), s.settings.participantCount);
    const rl::event::FrontEnd frontEnd{latin1, latin1, [](std::string_view) { return std::string(32, '\0'); }};
    rl::event::Event event = rl::event::eventFromDraw(s, results, host, host.clock, std::nullopt, "2026-12-07T19:30:00");
    event.playoff = playoff;
    const auto json = rl::event::writeEvent(event, frontEnd);
    const auto parsed = nlohmann::json::parse(json.value_or(""), nullptr, false);
    require(!parsed.is_discarded() &&
                parsed["finalStandings"].size() == static_cast<std::size_t>(s.settings.participantCount),
            "the playoff's JSON parses back");
    require(!rl::playoffText(s, results, playoff, bracket, host).empty(), "the playoff's text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    rl::DrawFormat format;
    rl::ListHost host = fuzzedHost(in, format);
    rl::AssignmentState state;
    static constexpr int kLengths[] = {1, 3, 5, 7};
    format.bestOf = kLengths[in.ConsumeIntegralInRange(0, 3)];
    const rl::AssignOutcome outcome = rl::assign(state, host, format);

    const int capacity = std::atoi(host.groupCountText.c_str()) * std::atoi(host.groupSizeText.c_str());
    const bool valid = !host.participants.empty() && static_cast<int>(host.participants.size()) <= capacity &&
                       !(host.mapsEnabled && host.maps.empty());
    require((outcome == rl::AssignOutcome::Assigned) == valid, "validation outcome");
    if (outcome != rl::AssignOutcome::Assigned) {
        require(!state.assigned() && host.shownMessages.size() == 1, "one message, nothing assigned");
        return 0;
    }
    checkGroups(state);
    checkMaps(state);
    checkTexts(state, host);
    checkStandings(in, state, host);
    checkPlayoff(state, host);
    rl::releaseAssignment(state);
    require(!state.assigned() && !state.mapOrder, "released");
    return 0;
}
