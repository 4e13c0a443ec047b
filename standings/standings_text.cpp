#include "standings/standings_text.h"

#include <charconv>

#include "text/export_text.h"
#include "text/pieces.h"

namespace rl {

namespace {

// Cell widths in bytes. The first two match the export's number and name
// cells, so a knock-out's lines stand under its schedule's.
constexpr std::size_t kRankCell = 10;
constexpr std::size_t kNameCell = 25;
constexpr std::size_t kScoreCell = 10;
constexpr std::size_t kByeIndent = kScoreCell + kNameCell;
constexpr std::size_t kCountCell = 6;

// The counted columns, right-aligned under these headings.
constexpr const char* kCountHeadings[] = {"경기", "승", "패", "득", "실", "득실"};

void appendLeft(std::string& out, std::string_view text, std::size_t width) {
    const std::size_t start = out.size();
    out += text;
    pieces::padCell(out, start, width);
}

void appendRight(std::string& out, std::string_view text, std::size_t width) {
    if (text.size() < width) out.append(width - text.size(), ' ');
    out += text;
}

std::string number(int value, bool sign = false) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return (sign && value > 0 ? "+" : "") + std::string(digits, result.ptr);
}

// Ends a line; the blanks that filled its last cell serve nothing there.
void endLine(std::string& out, std::size_t lineStart) {
    while (out.size() > lineStart && out.back() == ' ') out.pop_back();
    out += "\r\n";
}

void appendPlayer(std::string& out, Host& host, Pos player, int from) {
    const std::size_t start = out.size();
    if (player == kNone && from > 0) {
        pieces::appendWinnerOf(out, from);
    } else {
        out += nameOf(host, ListKind::Participants, player);
    }
    pieces::padCell(out, start, kNameCell);
}

void appendMatchLine(std::string& out, Host& host, const MatchState& m) {
    const std::size_t start = out.size();
    pieces::appendMatchNumber(out, m.number);
    pieces::padCell(out, start, kRankCell);
    appendPlayer(out, host, m.first, m.firstFrom);
    if (m.bye) {
        out.append(kByeIndent, ' ');
        out += "(부전승)";
    } else {
        appendLeft(out, m.score ? number(m.score->first) + ":" + number(m.score->second) : "[vs]", kScoreCell);
        appendPlayer(out, host, m.second, m.secondFrom);
    }
    endLine(out, start);
}

void appendTableHeading(std::string& out) {
    const std::size_t start = out.size();
    appendLeft(out, "순위", kRankCell);
    appendLeft(out, "이름", kNameCell);
    for (const char* heading : kCountHeadings) appendRight(out, heading, kCountCell);
    endLine(out, start);
}

void appendStandingLine(std::string& out, Host& host, const Standing& s) {
    const std::size_t start = out.size();
    appendLeft(out, s.rank > 0 ? (s.rank < 10 ? " " : "") + number(s.rank) + "위" : " -", kRankCell);
    appendLeft(out, nameOf(host, ListKind::Participants, s.player), kNameCell);
    const int counts[] = {s.played, s.wins, s.losses, s.mapsWon, s.mapsLost};
    for (int c : counts) appendRight(out, number(c), kCountCell);
    appendRight(out, number(s.mapsWon - s.mapsLost, true), kCountCell);
    endLine(out, start);
}

void appendGroup(std::string& out, const AssignmentState& state, const Results& results, Host& host, int group) {
    const GroupStandings g = groupStandings(state, results, group);
    out += "\r\n< ";
    out += static_cast<char>('A' + group);
    out += "조 순위 >\r\n";
    if (state.settings.tournament) {
        for (const MatchState& m : g.matches) appendMatchLine(out, host, m);
        out += "\r\n";
    }
    appendTableHeading(out);
    for (const Standing& s : g.standings) appendStandingLine(out, host, s);
}

}  // namespace

std::string standingsGroupText(const AssignmentState& state, const Results& results, Host& host, int group) {
    std::string text;
    if (group >= 0 && static_cast<std::size_t>(group) < pieces::groupCountOf(state)) {
        appendGroup(text, state, results, host, group);
    }
    return text;
}

std::string standingsText(const AssignmentState& state, const Results& results, Host& host) {
    std::string text;
    for (std::size_t g = 0; g < pieces::groupCountOf(state); ++g) {
        appendGroup(text, state, results, host, static_cast<int>(g));
    }
    return text;
}

std::string standingsFileText(const AssignmentState& state, const Results& results, Host& host) {
    return exportFileText(state, host) + standingsText(state, results, host);
}

}  // namespace rl
