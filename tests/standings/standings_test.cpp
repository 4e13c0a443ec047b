#include "standings/standings.h"

#include <gtest/gtest.h>

#include "engine/list_host.h"
#include "text/assignment_builder.h"

namespace rl {
namespace {

// A league of members named a, b, c, ... and its results written as
// "ab 2:1 ac 0:2": the two members' letters, then the first one's maps.
struct League {
    testing::Built built;
    Results results;
};

League league(int members, const std::string& scores) {
    std::vector<std::string> names;
    std::vector<Pos> row;
    for (int i = 0; i < members; ++i) {
        names.push_back(std::string(1, static_cast<char>('a' + i)));
        row.push_back(static_cast<Pos>(i));
    }
    const Schedule matches = testing::allPairs(row, 0, 0);
    League l{testing::buildAssignment(names, {}, false, {row}, {matches}), {}};
    std::istringstream in(scores);
    std::string pair, score;
    while (in >> pair >> score) {
        const Pos x = static_cast<Pos>(pair[0] - 'a'), y = static_cast<Pos>(pair[1] - 'a');
        const Score s{std::stoi(score), std::stoi(score.substr(score.find(':') + 1))};
        for (std::size_t k = 0; k < matches.size(); ++k) {
            const MatchKey key{0, static_cast<int>(k) + 1};
            if (matches[k].first == x && matches[k].second == y) l.results.set(key, s);
            if (matches[k].first == y && matches[k].second == x) l.results.set(key, {s.second, s.first});
        }
    }
    return l;
}

// "b1 a2 c2= d4": names in listed order with rank, '=' when tied; "-" for
// no rank yet.
std::string table(const AssignmentState& state, const Results& results, ListHost& host) {
    std::string out;
    for (const Standing& s : groupStandings(state, results, 0).standings) {
        out += (out.empty() ? "" : " ") + std::string(nameOf(host, ListKind::Participants, s.player)) +
               (s.rank ? std::to_string(s.rank) : "-") + (s.tied ? "=" : "");
    }
    return out;
}

TEST(LeagueStandings, TieBreakOrder) {
    const struct {
        const char* what;
        int members;
        const char* scores;
        const char* expected;
    } cases[] = {
        {"head to head breaks a three-way tie that map difference would order the other way", 5,
         "ab 1:0 ac 1:0 ad 0:2 ae 0:2 bc 1:0 bd 2:0 be 0:2 cd 2:0 ce 2:0 de 0:2", "e1 a2 b3 c4 d5"},
        {"head to head leaves a three-way cycle, map difference decides", 5,
         "ab 2:1 bc 2:1 ac 0:2 ad 2:0 bd 2:0 cd 2:0 ae 0:2 be 0:2 ce 0:2 de 0:2", "e1 c2 b3 a4 d5"},
        {"head to head is taken once over the whole level set, not again within a part of it", 6,
         "ab 1:0 ac 1:0 ad 0:2 ae 1:0 af 0:2 bc 2:0 bd 2:0 be 2:0 bf 0:2 cd 1:0 ce 1:0 cf 1:0 de 2:0 df 2:0 ef 2:0",
         "b1 a2 d3 c4 f5 e6"},
        {"equal map difference: more maps won", 4, "ab 2:1 ac 2:0 ad 3:2 bc 2:1 cd 2:0 bd 0:2", "a1 d2 c3 b4"},
        {"level on everything: a shared rank in row order, and the next rank skips", 5,
         "ab 2:0 ac 2:0 ad 2:0 ae 2:0 bc 2:1 cd 2:1 bd 1:2 be 2:0 ce 2:0 de 2:0", "a1 b2= c2= d2= e5"},
        {"matches without a result count for nothing", 3, "bc 0:2", "c1 a2 b3"},
        {"a result that cannot stand is not counted", 3, "ab 1:1 bc 100:0", "a1= b1= c1="},
    };
    for (const auto& c : cases) {
        League l = league(c.members, c.scores);
        EXPECT_EQ(table(l.built.state, l.results, l.built.host), c.expected) << c.what;
    }
}

// A bracket from the engine for m members, in one group.
struct Bracket {
    ListHost host;
    AssignmentState state;
    Results results;
};

std::unique_ptr<Bracket> bracket(int m) {
    auto b = std::make_unique<Bracket>();
    for (int i = 0; i < m; ++i) b->host.participants.push_back("p" + std::to_string(i));
    b->host.tournament = true;
    b->host.groupCountText = "1";
    b->host.groupSizeText = "8";
    b->host.clock = 7;
    EXPECT_EQ(assign(b->state, b->host), AssignOutcome::Assigned);
    return b;
}

// The first player wins every match of the first `matches` that can be played.
void playFirst(Bracket& b, int matches) {
    for (int n = 1; n <= matches; ++n) {
        if (checkResult(b.state, b.results, {0, n}, {2, 1}) == ResultProblem::None) b.results.set({0, n}, {2, 1});
    }
}

std::string ranks(const Bracket& b) {
    std::string out;
    for (const Standing& s : groupStandings(b.state, b.results, 0).standings) {
        out += (out.empty() ? "" : " ") + (s.rank ? std::to_string(s.rank) : "-") + (s.tied ? "=" : "");
    }
    return out;
}

TEST(KnockOutStandings, PlacesFollowTheBracketForEverySize) {
    const struct {
        int members;
        int played;
        const char* expected;
    } cases[] = {
        {1, 0, "1"},           {2, 0, "- -"},         {2, 1, "1 2"},
        {3, 1, "- - 3"},       {3, 3, "1 2 3"},       {4, 3, "1 2 3= 3="},
        {5, 3, "- - - 4= 4="}, {5, 6, "1 2 3 4= 4="}, {6, 6, "1 2 3 4= 4= 4="},
        {7, 6, "- - 3= 3= 5= 5= 5="}, {7, 7, "1 2 3= 3= 5= 5= 5="}, {8, 7, "1 2 3= 3= 5= 5= 5= 5="},
    };
    for (const auto& c : cases) {
        auto b = bracket(c.members);
        playFirst(*b, c.played);
        EXPECT_EQ(ranks(*b), c.expected) << c.members << " members, " << c.played << " matches";
    }
}

TEST(KnockOutStandings, WinnersFillLaterCellsAndByesAdvance) {
    auto b = bracket(5);  // 1: p? v p?  2  3: bye  4: W1 v W3  5: W2 bye  6: W4 v W5
    EXPECT_EQ(checkResult(b->state, b->results, {0, 4}, {2, 0}), ResultProblem::PlayersNotKnown);
    b->results.set({0, 1}, {0, 2});
    const auto matches = groupStandings(b->state, b->results, 0).matches;
    EXPECT_EQ(matches[3].first, matches[0].second);
    EXPECT_EQ(matches[3].second, matches[2].first);
    EXPECT_EQ(std::make_tuple(matches[3].firstFrom, matches[3].secondFrom, matches[3].round), std::make_tuple(1, 3, 2));
    EXPECT_EQ(matches[2].winner, matches[2].first);
    EXPECT_EQ(checkResult(b->state, b->results, {0, 4}, {2, 0}), ResultProblem::None);
}

TEST(KnockOutStandings, DependentResultsFollowWinnersThroughByes) {
    auto b = bracket(5);
    playFirst(*b, 6);
    const std::pair<int, std::vector<int>> cases[] = {{1, {4, 6}}, {2, {6}}, {4, {6}}, {6, {}}, {9, {}}};
    for (const auto& [match, dependents] : cases) EXPECT_EQ(dependentResults(b->state, b->results, {0, match}), dependents);
    League l = league(3, "ab 2:0 ac 2:0");
    EXPECT_TRUE(dependentResults(l.built.state, l.results, {0, 1}).empty());
}

}  // namespace
}  // namespace rl
