// A team league's text as golden cases: events drawn as players' events,
// then made team leagues and played set by set by hand.
#include "event/team_text.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cases.h"
#include "event/actions.h"
#include "event/draw.h"
#include "event/team_actions.h"
#include "platform/encoding.h"

namespace rl::event {
namespace {

std::vector<std::string> split(const std::string& text, const std::string& bar) {
    std::vector<std::string> parts;
    for (std::size_t at = 0, next;; at = next + bar.size()) {
        next = text.find(bar, at);
        parts.push_back(text.substr(at, next == std::string::npos ? std::string::npos : next - at));
        if (next == std::string::npos) return parts;
    }
}

// A match's tokens, roster places from 1: "2>3" the first team's 2nd player
// beat the second's 3rd, "2<3" lost to him, either with "@M" for the map
// (from 0) it was played on; "2/0" the entries of the next set (0: not
// named); "wo1" or "wo2" a walkover for the first or the second team.
void play(Event& event, MatchKey key, std::istringstream& tokens) {
    team::TeamMatchPlay& play = event.teams->plays[key];
    Results& results = key.group == kPlayoffGroup ? event.playoff.results : event.results;
    for (std::string token; tokens >> token;) {
        if (token.rfind("wo", 0) == 0) {
            results.set(key, team::teamWalkover(event.teams->format, token == "wo1" ? team::kFirst : team::kSecond));
            continue;
        }
        const std::size_t mark = token.find_first_of("<>/");
        const int first = std::stoi(token.substr(0, mark)) - 1, second = std::stoi(token.substr(mark + 1)) - 1;
        if (token[mark] == '/') {
            play.entries.resize(std::max(play.entries.size(), play.sets.size()) + 1, {team::kNoEntry, team::kNoEntry});
            play.entries.back() = {first, second};
            continue;
        }
        const std::size_t at = token.find('@');
        play.sets.push_back({{first, second}, token[mark] == '>', static_cast<Pos>(at == std::string::npos ? kNone : std::stoi(token.substr(at + 1)))});
    }
    if (const std::optional<Score> score = setsResult(event, key)) results.set(key, *score);
}

// Each line behind "| ", since a golden case holds no blank line.
std::string utf8Lines(const std::string& cp949) {
    std::vector<std::string> lines = split(platform::cp949ToUtf8(cp949).value_or("?"), "\r\n");
    lines.pop_back();  // after the last line end
    std::string out;
    for (const std::string& line : lines) out += "| " + line + "\n";
    return out;
}

// A case: the draw's inputs (see hostFrom) | the team match format | each
// team's roster size, one for all or one a team | the matches played, "A1:
// TOKENS" (group and match; P for the playoff of each group's winner, made
// before its first match is played), or "A*: 3 1 2" the order settled for
// members level (participants from 1, best first), separated by " , " | what
// is printed: "file" or the match "A1".
std::string teamCase(const std::string& line) {
    const std::vector<std::string> parts = split(line, " | ");
    if (parts.size() != 5) return "needs five parts\n";
    ListHost host = test::hostFrom(parts[0], [](const std::string& s) { return *platform::utf8ToCp949(s); });
    const auto format = std::get<team::TeamMatchFormat>(team::parseTeamMatchFormat(parts[1]));
    DrawChoices choices;
    choices.format.bestOf = format.kind == team::MatchKind::Sets ? format.length : 2 * format.length - 1;
    DrawOutcome drawn = drawEvent(host, choices);
    if (drawn.outcome != AssignOutcome::Assigned) return "not drawn\n";
    Event event = std::move(drawn.event);
    event.teams = team::TeamLeague{format, {}, {}};
    event.state.settings.ranksTeams = true;
    const std::vector<std::string> sizes = split(parts[2], ",");
    for (std::size_t t = 0; t < event.participants.size(); ++t) {
        const int size = std::stoi(sizes[std::min(t, sizes.size() - 1)]);
        event.teams->rosters.emplace_back();
        for (int n = 1; n <= size; ++n) event.teams->rosters.back().push_back(event.participants[t] + std::to_string(n));
    }
    for (const std::string& match : split(parts[3], " , ")) {
        std::istringstream tokens(match);
        std::string label;
        tokens >> label;
        if (label.empty()) continue;
        const int group = label[0] == 'P' ? kPlayoffGroup : label[0] - 'A';
        if (label[1] == '*') {
            SettledOrder order{group, {}};
            for (int p; tokens >> p;) order.order.push_back(p - 1);
            if (!settleTie(event, order)) return "not settled\n";
            continue;
        }
        if (group == kPlayoffGroup && event.playoff.perGroup == 0 && !makePlayoff(event, {1, false, {}, {}}).empty()) {
            return "playoff not made\n";
        }
        play(event, {group, std::stoi(label.substr(1, label.size() - 2))}, tokens);
    }
    if (parts[4] == "file") return utf8Lines(teamStandingsFileText(event));
    return utf8Lines(teamMatchText(event, {parts[4][0] - 'A', std::stoi(parts[4].substr(1))}));
}

TEST(TeamText, GoldenLeagues) { test::expectGoldenCases("team-text.txt", teamCase); }

// Every line of the file ends in CR LF, and it is what "순위표.txt" holds.
TEST(TeamText, LinesEndInCrLfAsTheStandingsFile) {
    ListHost host = test::hostFrom("players 6 groups 2 size 3 with-maps maps 3 clock 5");
    DrawOutcome drawn = drawEvent(host, {});
    ASSERT_EQ(drawn.outcome, AssignOutcome::Assigned);
    Event event = drawn.event;
    event.results.set({0, 1}, Score{1, 0});
    event.teams = team::TeamLeague{{team::MatchKind::Sets, 3, false}, {{"a1", "a2"}, {"b1", "b2"}}, {}};
    event.teams->rosters.resize(event.participants.size(), {"x1", "x2"});
    const std::string text = teamStandingsFileText(event);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(eventStandingsText(event), text);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
        EXPECT_EQ(text[at - 1], '\r') << "at byte " << at;
    }
}

}  // namespace
}  // namespace rl::event
