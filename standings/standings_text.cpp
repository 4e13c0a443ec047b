#include "standings/standings_text.h"

#include <charconv>

#include "engine/series.h"
#include "standings/final_standings.h"
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

using pieces::appendLeft;
using pieces::appendRight;
using pieces::endLine;

std::string number(int value, bool sign = false);

std::string number(int value, bool sign) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return (sign && value > 0 ? "+" : "") + std::string(digits, result.ptr);
}

std::string marks(bool settled, bool withdrawn) {
    return std::string(settled ? " (결정)" : "") + (withdrawn ? " (기권)" : "");
}

// A player not known yet is shown by the match it comes from.
void appendPlayer(std::string& out, Host& host, Pos player, int from, bool loser) {
    const std::size_t start = out.size();
    pieces::appendSide(out, host, player == kNone && from > 0 ? Cell{kNone, from, loser} : Cell{player});
    pieces::padCell(out, start, kNameCell);
}

// The playoff's lines also name their map, where the export names it, and
// the last two their stage, as a group's named matches do.
void appendMatchLine(std::string& out, Host& host, const MatchState& m, bool withMap = false,
                     std::string_view stage = {}) {
    const std::size_t start = out.size();
    pieces::appendMatchNumber(out, m.number);
    pieces::padCell(out, start, kRankCell);
    appendPlayer(out, host, m.first, m.firstFrom, m.firstIsLoser());
    std::size_t mapsStart = 0, mapsEnd = 0;
    if (m.bye) {
        out.append(kByeIndent, ' ');
        out += "(부전승)";
    } else {
        appendLeft(out, scoreText(m), kScoreCell);
        appendPlayer(out, host, m.second, m.secondFrom, m.secondIsLoser());
        mapsStart = out.size();
        pieces::appendMatchMaps(out, host, m.bestOf, withMap ? playedMaps(m) : std::vector<Pos>{});
        mapsEnd = out.size();
    }
    if (!stage.empty()) {
        if (mapsEnd > mapsStart || m.bye) out += ' ';
        pieces::padCell(out, start, kRankCell + 2 * kNameCell + kScoreCell);
        out += stage;
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
    appendLeft(out, rankText(s.rank), kRankCell);
    appendLeft(out, std::string(nameOf(host, ListKind::Participants, s.player)) + marks(s.settled, s.withdrawn),
               kNameCell);
    const int counts[] = {s.played, s.wins, s.losses, s.mapsWon, s.mapsLost};
    for (int c : counts) appendRight(out, number(c), kCountCell);
    appendRight(out, number(s.mapsWon - s.mapsLost, true), kCountCell);
    endLine(out, start);
}

void appendGroup(std::string& out, const AssignmentState& state, const Results& results, Host& host, int group,
                 const Playoff& playoff = {}) {
    GroupStandings g = groupStandings(state, results, group);
    if (!playoff.settled.empty() || !playoff.results.withdrawals().players.empty()) {
        g.standings = shownGroupTable(state, results, playoff, group);
    }
    out += "\r\n< ";
    out += static_cast<char>('A' + group);
    out += "조 순위 >\r\n";
    if (state.settings.tournament()) {
        for (const MatchState& m : g.matches) {
            std::string stage;
            pieces::appendStage(stage, state.settings, m.number);
            appendMatchLine(out, host, m, false, stage);
        }
        out += "\r\n";
    }
    appendTableHeading(out);
    for (const Standing& s : g.standings) appendStandingLine(out, host, s);
}

void appendFinalLine(std::string& out, Host& host, const FinalStanding& s) {
    const std::size_t start = out.size();
    appendLeft(out, rankText(s.rank), kRankCell);
    appendLeft(out, std::string(nameOf(host, ListKind::Participants, s.player)) + marks(false, s.withdrawn),
               kNameCell);
    out += static_cast<char>('A' + s.group);
    out += "조 " + number(s.groupPlace) + "위";
    endLine(out, start);
}

}  // namespace

std::string rankText(int rank) { return rank > 0 ? (rank < 10 ? " " : "") + number(rank) + "위" : " -"; }

std::string scoreText(const MatchState& m) {
    if (!m.score) return "[vs]";
    if (m.score->walkover) return m.score->first > m.score->second ? "부전승:-" : "-:부전승";
    return number(m.score->first) + ":" + number(m.score->second);
}

std::string standingsGroupText(const AssignmentState& state, const Results& results, Host& host, int group,
                               const Playoff& playoff) {
    std::string text;
    if (group >= 0 && static_cast<std::size_t>(group) < groupCountOf(state)) {
        appendGroup(text, state, results, host, group, playoff);
    }
    return text;
}

std::string playoffText(const AssignmentState& state, const Results& results, const Playoff& playoff,
                        const PlayoffBracket& bracket, Host& host) {
    std::string out = "\r\n< 본선 >\r\n";
    for (const MatchState& m : bracket.matches) {
        const char* stage = m.number == bracket.finalNumber        ? "(결승)"
                            : m.number == bracket.thirdPlaceNumber ? "(3·4위전)"
                                                                   : "";
        appendMatchLine(out, host, m, true, stage);
    }
    out += "\r\n";
    appendTableHeading(out);
    for (const Standing& s : bracket.standings) appendStandingLine(out, host, s);
    out += "\r\n< 최종 순위 >\r\n";
    const std::size_t start = out.size();
    appendLeft(out, "순위", kRankCell);
    appendLeft(out, "이름", kNameCell);
    out += "조 순위";
    endLine(out, start);
    for (const FinalStanding& s : finalStandings(state, results, playoff, bracket)) appendFinalLine(out, host, s);
    return out;
}

std::string standingsFileText(const AssignmentState& state, const Results& results, Host& host,
                              const Playoff& playoff, std::uint32_t seed) {
    std::string text = exportFileText(withPlayedMaps(state, results), host);
    for (std::size_t g = 0; g < groupCountOf(state); ++g) {
        appendGroup(text, state, results, host, static_cast<int>(g), playoff);
    }
    const PlayoffBracket bracket = playoffBracket(state, results, playoff, seed, host);
    if (!bracket.matches.empty()) text += playoffText(state, results, playoff, bracket, host);
    return text;
}

std::string standingsText(const AssignmentState& state, const Results& results, Host& host) {
    std::string text;
    for (std::size_t g = 0; g < groupCountOf(state); ++g) {
        appendGroup(text, state, results, host, static_cast<int>(g));
    }
    return text;
}

std::string standingsFileText(const AssignmentState& state, const Results& results, Host& host) {
    return exportFileText(withPlayedMaps(state, results), host) + standingsText(state, results, host);
}

}  // namespace rl
