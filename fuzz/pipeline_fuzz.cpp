// Turns arbitrary bytes into an assignment within the input limits, runs the
// whole pipeline and checks what must hold for every input.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/event_json.h"
#include "cli/results_file.h"
#include "engine/list_host.h"
#include "engine/pairing.h"
#include "standings/standings_text.h"
#include "text/export_text.h"
#include "text/result_view.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

std::string fuzzedName(FuzzedDataProvider& in) {
    std::size_t length = in.ConsumeIntegralInRange<std::size_t>(1, 49);
    std::string name = in.ConsumeBytesAsString(length);
    if (name.empty()) name = "p";
    // A list entry is a C string; double-byte lead bytes 0x81-0xFE stay.
    std::replace(name.begin(), name.end(), '\0', 'x');
    return name;
}

rl::ListHost fuzzedHost(FuzzedDataProvider& in) {
    rl::ListHost host;
    host.groupCountText = std::to_string(in.ConsumeIntegralInRange(1, 8));
    host.groupSizeText = std::to_string(in.ConsumeIntegralInRange(1, 8));
    host.mapsEnabled = in.ConsumeBool();
    host.equalMaps = in.ConsumeBool();
    host.tournament = in.ConsumeBool();
    host.spreadVacancies = in.ConsumeBool();
    host.clock = in.ConsumeIntegral<std::uint32_t>();
    int participants = in.ConsumeIntegralInRange(0, 128);
    int maps = in.ConsumeIntegralInRange(0, 10);
    for (int i = 0; i < participants; ++i) host.participants.push_back(fuzzedName(in));
    for (int i = 0; i < maps; ++i) host.maps.push_back(fuzzedName(in));
    return host;
}

std::size_t cell(std::size_t length, std::size_t width) { return std::max(length, width); }

std::size_t formattedLength(const char* format, int number) {
    char piece[64];
    return static_cast<std::size_t>(std::snprintf(piece, sizeof piece, format, number));
}

void checkGroups(const rl::AssignmentState& s) {
    const rl::Settings& set = s.settings;
    std::multiset<int> placed;
    for (int g = 0; g < set.groupCount; ++g) {
        const auto& row = s.groupTable[g];
        require(static_cast<int>(row.size()) == set.groupSize, "row size");
        int members = 0;
        while (members < set.groupSize && row[members] != rl::kNone) placed.insert(row[members++]);
        for (int p = members; p < set.groupSize; ++p) require(row[p] == rl::kNone, "members then vacancies");
        require(s.memberCount[g] == members, "member count");
        require(s.matchCount[g] == rl::matchCountFor(members, set.tournament), "match count");
    }
    require(static_cast<int>(placed.size()) == set.participantCount, "everyone placed");
    for (int i = 0; i < set.participantCount; ++i) require(placed.count(i) == 1, "placed exactly once");
}

void checkLeague(const rl::AssignmentState& s, int g) {
    const auto& row = s.groupTable[g];
    int m = s.memberCount[g];
    if (m == 1) {
        require(s.schedule[g][0].first == row[0] && s.schedule[g][0].second == rl::kNone, "single bye");
        return;
    }
    std::set<std::pair<int, int>> seen;
    for (int k = 0; k < s.matchCount[g]; ++k) {
        const rl::Match& match = s.schedule[g][k];
        require(match.first != match.second, "no one meets themselves");
        std::pair<int, int> pair{std::min(match.first, match.second), std::max(match.first, match.second)};
        require(std::count(row.begin(), row.begin() + m, match.first) == 1, "first side is a member");
        require(std::count(row.begin(), row.begin() + m, match.second) == 1, "second side is a member");
        require(seen.insert(pair).second, "league pair unique");
    }
    require(static_cast<int>(seen.size()) == m * (m - 1) / 2, "league complete");
}

void checkBracket(const rl::AssignmentState& s, int g) {
    int m = s.memberCount[g];
    int k = 0;
    int previousRound = 0;
    for (int round = (m + 1) / 2; k < s.matchCount[g]; round = (round + 1) / 2) {
        for (int e = 0; e < round; ++e, ++k) {
            const rl::Match& match = s.schedule[g][k];
            if (match.second == rl::kNone) require(e == round - 1, "a bye is its round's last entry");
            if (previousRound > 0) {
                require(match.first >= 0 && match.first < previousRound, "first refers to the previous round");
                require(match.second == rl::kNone || (match.second >= 0 && match.second < previousRound),
                        "second refers to the previous round");
            }
        }
        previousRound = round;
        if (round == 1) break;
    }
    require(k == s.matchCount[g], "rounds end at the last match");
}

void checkMaps(const rl::AssignmentState& s) {
    const rl::Settings& set = s.settings;
    std::map<int, int> dealt;
    int total = 0;
    for (int g = 0; g < set.groupCount; ++g)
        for (int k = 0; k < s.matchCount[g]; ++k) {
            const rl::Match& match = s.schedule[g][k];
            bool real = match.second != rl::kNone;
            if (!set.mapsEnabled || !real) {
                require(match.map == rl::kNone, "no map without maps or on a bye");
                continue;
            }
            require(match.map >= 0 && match.map < set.mapCount, "map in range");
            ++dealt[match.map];
            ++total;
        }
    if (!set.mapsEnabled || !set.equalMaps || total == 0) return;
    int low = total / set.mapCount, high = (total + set.mapCount - 1) / set.mapCount;
    for (int map = 0; map < set.mapCount; ++map) {
        int times = dealt.count(map) ? dealt[map] : 0;
        require(times == low || times == high, "maps dealt evenly");
    }
}

std::size_t nameLength(rl::ListHost& host, rl::ListKind list, int index) {
    return index < 0 ? 1 : host.listText(list, index).size();
}

// Length of one side's text in the schedule: a name, or a winner reference.
std::size_t sideLength(rl::ListHost& host, int value, int offset, const char* winnerFormat) {
    return offset == 0 ? nameLength(host, rl::ListKind::Participants, value)
                       : formattedLength(winnerFormat, value + offset);
}

// Walks the schedule round by round as the texts number it, calling
// line(match, offset) for every match.
template <class Line>
void walkSchedule(const rl::AssignmentState& s, int g, Line line) {
    int count = s.matchCount[g];
    if (!s.settings.tournament) {
        for (int k = 0; k < count; ++k) line(s.schedule[g][k], 0);
        return;
    }
    int round = (s.memberCount[g] + 1) / 2, offset = 0, k = 0;
    while (k < count) {
        int first = k + 1;
        for (int e = 0; e < round && k < count; ++e) line(s.schedule[g][k++], offset);
        offset = first;
        round = (round + 1) / 2;
    }
}

void checkResultView(const rl::AssignmentState& s, rl::ListHost& host) {
    const rl::Settings& set = s.settings;
    std::size_t table = set.groupCount * std::strlen("< A >\t");
    for (int p = 0; p < set.groupSize; ++p)
        for (int g = 0; g < set.groupCount; ++g)
            table += (g == 0 ? 2 : 1) + nameLength(host, rl::ListKind::Participants, s.groupTable[g][p]);
    for (int g = 0; g < set.groupCount; ++g) {
        rl::ResultView view = rl::buildResultView(s, host, g);
        require(view.tableText.size() == table, "table text length");
        std::size_t schedule = 0;
        int number = 0;
        walkSchedule(s, g, [&](const rl::Match& match, int offset) {
            if (number++ > 0) schedule += 2;
            schedule += formattedLength("%2d경기:\t", number);
            schedule += sideLength(host, match.first, offset, "<%d경기 승자>") + 1;
            if (match.second == rl::kNone) {
                schedule += std::strlen("\t\t(부전승)");
                return;
            }
            schedule += std::strlen("[vs]\t") + sideLength(host, match.second, offset, "<%d경기 승자>") + 1;
            if (set.mapsEnabled) schedule += nameLength(host, rl::ListKind::Maps, match.map) + 2;
        });
        require(view.scheduleText.size() == schedule, "schedule text length");
    }
}

void checkExport(const rl::AssignmentState& s, rl::ListHost& host) {
    const rl::Settings& set = s.settings;
    std::size_t table = set.groupCount * 25 + 4;
    for (int p = 0; p < set.groupSize; ++p) {
        table += 2;
        for (int g = 0; g < set.groupCount; ++g)
            table += cell(nameLength(host, rl::ListKind::Participants, s.groupTable[g][p]), 25);
    }
    std::string chunk0 = rl::exportTableText(s, host);
    require(chunk0.size() == table, "export table length");
    std::size_t file = chunk0.size();
    for (int g = 0; g < set.groupCount; ++g) {
        std::size_t expected = formattedLength("\r\n< %c조 세부 대진 >\r\n", 'A' + g);
        int number = 0;
        walkSchedule(s, g, [&](const rl::Match& match, int offset) {
            expected += cell(formattedLength("%2d경기:", ++number), 10);
            expected += cell(sideLength(host, match.first, offset, "<%d경기 승자>"), 25);
            if (match.second == rl::kNone) {
                expected += 35 + std::strlen("(부전승)") + 2;
                return;
            }
            expected += 10 + cell(sideLength(host, match.second, offset, "<%d경기 승자>"), 25);
            if (set.mapsEnabled) expected += nameLength(host, rl::ListKind::Maps, match.map) + 2;
            expected += 2;
        });
        std::string chunk = rl::exportGroupText(s, host, g);
        require(chunk.size() == expected, "export group length");
        file += chunk.size();
    }
    require(rl::exportFileText(s, host).size() == file, "file is the chunks");
}

// Results for some matches, in match order so that later rounds can be
// played; now and then one the library must refuse.
rl::Results fuzzedResults(FuzzedDataProvider& in, const rl::AssignmentState& s) {
    rl::Results results;
    for (int g = 0; g < s.settings.groupCount; ++g)
        for (int n = 1; n <= s.matchCount[g] + 1; ++n) {
            if (!in.ConsumeBool()) continue;
            const rl::Score score{in.ConsumeIntegralInRange(0, 100), in.ConsumeIntegralInRange(0, 100)};
            const rl::MatchKey key{g, n};
            const rl::ResultProblem problem = rl::checkResult(s, results, key, score);
            if (problem == rl::ResultProblem::None || in.ConsumeBool()) results.set(key, score);
        }
    return results;
}

void checkLeagueTable(const rl::GroupStandings& g) {
    int wins = 0, losses = 0, won = 0, lost = 0, played = 0;
    for (const rl::Standing& s : g.standings) {
        require(s.wins + s.losses == s.played, "played = wins + losses");
        wins += s.wins, losses += s.losses, won += s.mapsWon, lost += s.mapsLost, played += s.played;
    }
    require(wins == losses && won == lost, "a league's counts add up");
    int scored = 0;
    for (const rl::MatchState& m : g.matches) scored += m.score.has_value();
    require(played == 2 * scored, "two players in every played match");
    require(g.standings.empty() || g.standings[0].rank == 1, "someone is first");
    for (std::size_t i = 1; i < g.standings.size(); ++i) {
        require(g.standings[i - 1].rank <= g.standings[i].rank && g.standings[i].rank >= 1, "best first");
        require(g.standings[i].rank == g.standings[i - 1].rank || g.standings[i].rank == static_cast<int>(i) + 1,
                "a rank skips over those sharing the one before");
    }
}

// A loser's place is one more than the number of entries of the round it
// lost in; the final's winner alone is 1st; members still in have none.
void checkKnockOutPlaces(const rl::GroupStandings& g) {
    std::map<int, int> roundSizes;
    for (const rl::MatchState& m : g.matches) ++roundSizes[m.round];
    std::map<rl::Pos, int> expected;
    for (const rl::MatchState& m : g.matches) {
        require(m.winner == rl::kNone || m.winner == m.first || m.winner == m.second, "the winner played");
        if (m.score) expected[m.winner == m.first ? m.second : m.first] = 1 + roundSizes[m.round];
    }
    if (!g.matches.empty() && g.matches.back().winner != rl::kNone) expected[g.matches.back().winner] = 1;
    bool stillIn = true;
    for (const rl::Standing& s : g.standings) {
        require(s.rank == (expected.count(s.player) ? expected[s.player] : 0), "place from the bracket");
        require(s.losses == (s.rank > 1 ? 1 : 0), "out after one loss, and only then");
        require(stillIn || s.rank > 0, "members still in come first");
        stillIn = s.rank == 0;
    }
}

// Every byte a character of its own, so that any fuzzed name converts.
std::optional<std::string> latin1(std::string_view bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c >= 0x80) out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(c >= 0x80 ? 0x80 | (c & 0x3F) : c);
    }
    return out;
}

void checkStandings(FuzzedDataProvider& in, const rl::AssignmentState& s, rl::ListHost& host) {
    const rl::Results results = fuzzedResults(in, s);
    std::size_t text = 0;
    for (int g = 0; g < s.settings.groupCount; ++g) {
        const rl::GroupStandings standings = rl::groupStandings(s, results, g);
        require(static_cast<int>(standings.standings.size()) == s.memberCount[g], "every member listed once");
        s.settings.tournament ? checkKnockOutPlaces(standings) : checkLeagueTable(standings);
        text += rl::standingsGroupText(s, results, host, g).size();
    }
    require(rl::standingsText(s, results, host).size() == text, "the section is the groups' texts");

    const auto json = rl::cli::eventJson(s, results, host, {7, std::nullopt}, latin1);
    require(json.has_value(), "JSON written");
    const auto parsed = nlohmann::json::parse(*json, nullptr, false);
    require(!parsed.is_discarded() && parsed["groups"].size() == static_cast<std::size_t>(s.settings.groupCount),
            "the JSON parses back");

    // A results file of whatever bytes remain: read whole or refused whole.
    const rl::cli::ResultsFile file = rl::cli::readResultsFile(in.ConsumeRemainingBytesAsString(), s, host);
    require(file.ok() || file.results.all().empty(), "a refused file keeps nothing");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    rl::ListHost host = fuzzedHost(in);
    rl::AssignmentState state;
    rl::AssignOutcome outcome = rl::assign(state, host);

    int capacity = std::atoi(host.groupCountText.c_str()) * std::atoi(host.groupSizeText.c_str());
    bool valid = !host.participants.empty() && static_cast<int>(host.participants.size()) <= capacity &&
                 !(host.mapsEnabled && host.maps.empty());
    require((outcome == rl::AssignOutcome::Assigned) == valid, "validation outcome");
    if (outcome != rl::AssignOutcome::Assigned) {
        require(!state.assigned() && host.shownMessages.size() == 1, "one message, nothing assigned");
        return 0;
    }
    checkGroups(state);
    for (int g = 0; g < state.settings.groupCount; ++g) {
        if (state.memberCount[g] == 0) continue;
        state.settings.tournament ? checkBracket(state, g) : checkLeague(state, g);
    }
    checkMaps(state);
    checkResultView(state, host);
    checkExport(state, host);
    checkStandings(in, state, host);
    rl::releaseAssignment(state, rl::kReleaseOnCancel);
    require(!state.assigned() && !state.mapOrder, "released");
    return 0;
}
