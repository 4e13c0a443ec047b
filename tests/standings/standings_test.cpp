// A results file read for a draw, and the matches and standings it makes.
#include "standings/standings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "cases.h"
#include "dual_rules.h"
#include "cli/results_file.h"
#include "engine/list_host.h"
#include "standings/standings_text.h"

namespace rl {
namespace {

// A case line is the draw's inputs (see hostFrom), " | ", then the results
// file's lines separated by " / ". A line "!A 1 1:1" is entered as it is,
// past every check, the way a result can go stale.
std::string shown(const std::string& line) {
    const std::size_t bar = line.find(" | ");
    ListHost host = test::hostFrom(line.substr(0, bar));
    AssignmentState state;
    if (assign(state, host, test::formatFrom(line.substr(0, bar))) != AssignOutcome::Assigned) return "not assigned\n";
    std::string text, rest = bar == std::string::npos ? "" : line.substr(bar + 3) + " / ";
    std::vector<std::string> forced;
    for (std::size_t at; (at = rest.find(" / ")) != std::string::npos; rest.erase(0, at + 3)) {
        (rest[0] == '!' ? forced.emplace_back() : text) += rest.substr(0, at) + "\n";
    }
    cli::ResultsFile file = cli::readResultsFile(text, state, host);
    if (!file.ok()) {
        return "line " + std::to_string(file.errorLine) + ": " + file.error +
               (file.results.all().empty() ? "\n" : " (results kept)\n");
    }
    for (const std::string& entry : forced) {
        char group = 0;
        int number = 0, first = 0, second = 0;
        std::sscanf(entry.c_str(), "!%c %d %d:%d", &group, &number, &first, &second);
        file.results.set({group - 'A', number}, {first, second});
    }
    auto name = [&](Pos p, int from, bool loser = false) {
        if (p != kNone) return std::string(nameOf(host, ListKind::Participants, p));
        return from ? (loser ? "L" : "W") + std::to_string(from) : "?";
    };
    std::string out, sections;
    for (int g = 0; g < state.settings.groupCount; ++g) {
        sections += standingsGroupText(state, file.results, host, g);
        const GroupStandings s = groupStandings(state, file.results, g);
        out += std::string(1, static_cast<char>('A' + g)) + ":";
        for (const MatchState& m : s.matches) {
            out += " " + std::to_string(m.number) + " " + name(m.first, m.firstFrom, m.firstIsLoser()) + "-" +
                   (m.bye ? "bye" : name(m.second, m.secondFrom, m.secondIsLoser()));
            if (m.score) out += " " + std::to_string(m.score->first) + ":" + std::to_string(m.score->second);
            for (int later : dependentResults(state, file.results, {g, m.number})) out += " >" + std::to_string(later);
            out += ",";
        }
        out += "\n  ";
        for (const Standing& p : s.standings) {
            out += " " + name(p.player, 0) + " " + (p.rank ? std::to_string(p.rank) : "-") + (p.tied ? "=" : "");
        }
        out += "\n";
    }
    EXPECT_EQ(standingsText(state, file.results, host), sections) << "the section is the groups' texts";
    return out;
}

TEST(Standings, GoldenCases) { test::expectGoldenCases("standings.txt", shown); }

// Random dual events, their matches played in order, some left out, some
// results changed afterwards (what depended on them going with them).
TEST(Standings, DualGroupsKeepTheirPromises) {
    std::mt19937 random(24);
    for (int round = 0; round < 400; ++round) {
        ListHost host = test::hostFrom("size 4 players " + std::to_string(1 + random() % 32) + " groups 8 clock " +
                                       std::to_string(random()));
        host.spreadVacancies = random() % 2;
        AssignmentState state;
        ASSERT_EQ(assign(state, host, {true, 1}), AssignOutcome::Assigned) << round;
        Results results;
        for (int g = 0; g < 8; ++g) {
            for (int n = 1; n <= 5; ++n) {
                const Score score = random() % 2 ? Score{2, static_cast<int>(random() % 2)} : Score{1, 2};
                if (random() % 6 != 0 && checkResult(state, results, {g, n}, score) == ResultProblem::None) {
                    results.set({g, n}, score);
                }
            }
            const MatchKey changed{g, 1 + static_cast<int>(random() % 2)};
            if (random() % 4 == 0 && results.find(changed)) {
                const Score* old = results.find(changed);
                for (int later : dependentResults(state, results, changed)) results.clear({g, later});
                results.set(changed, {old->second, old->first});
            }
            const GroupStandings table = groupStandings(state, results, g);
            ASSERT_EQ(test::brokenDualRule(table), "") << round << " group " << g;
            for (const MatchState& m : table.matches) ASSERT_EQ(m.score.has_value(), results.find({g, m.number}) != nullptr);
        }
    }
}

}  // namespace
}  // namespace rl
