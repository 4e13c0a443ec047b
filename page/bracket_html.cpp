#include "page/html.h"

#include <algorithm>

#include "engine/series.h"

// A bracket drawn as a tree: each match sits to the right of the matches that
// feed it, centred between them, so a column holds one round and the joining
// lines stay joined however tall a box grows. Boxes have one fixed width, so
// long names wrap inside them instead of pushing a round out of its column.
namespace rl::page::html {

namespace {

const MatchView* matchNumbered(const SectionView& s, int number) {
    if (number < 1 || static_cast<std::size_t>(number) > s.matches.size()) return nullptr;
    const MatchView& m = s.matches[static_cast<std::size_t>(number - 1)];
    return m.number == number ? &m : nullptr;
}

// "결승", "준결승", "8강"...: named by the players the round starts with.
std::string roundName(int round, int rounds) {
    const int players = 1 << (rounds - round + 1);
    if (players == 2) return u8"결승";
    if (players == 4) return u8"준결승";
    return number(players) + u8"강";
}

void appendSide(std::string& out, const MatchView& m, const Side& side, bool won, int points) {
    out += won ? "<div class=\"side win\">" : "<div class=\"side\">";
    appendNamed(out, "span", side.name.empty() ? "who tbd" : "who", sideText(side), side.race);
    if (!side.tag.empty()) appendElement(out, "span", "tag", side.tag);
    if (m.score) appendElement(out, "span", "pts", !m.score->walkover ? number(points) : won ? u8"부전승" : "-");
    out += "</div>";
}

void appendGames(std::string& out, const MatchView& m) {
    out += "<ol class=\"games\">";
    for (std::size_t game = 0; game < m.maps.size(); ++game) {
        if (game >= m.gameWinners.size()) {
            appendElement(out, "li", "", m.maps[game]);
            continue;
        }
        out += "<li class=\"played\">";
        html::appendText(out, m.maps[game]);
        appendElement(out, "span", "gw", m.gameWinners[game]);
        out += "</li>";
    }
    out += "</ol>";
}

}  // namespace

void appendBox(std::string& out, const SectionView& s, const MatchView& m) {
    out += "<div class=\"match";
    if (m.bye) out += " bye";
    if (m.number == s.thirdPlaceNumber) out += " third";
    if (m.score) out += " played";
    out += "\" id=\"m-" + s.key + "-" + number(m.number) + "\" data-round=\"" + number(m.round) + "\">";
    out += "<div class=\"head\">";
    appendElement(out, "span", "no", number(m.number) + u8"경기" + (m.stage.empty() ? "" : u8" · " + m.stage));
    if (m.bestOf > 1) {
        appendElement(out, "span", "bo", seriesLengthText(m.bestOf));
    } else if (!m.map.empty()) {
        appendElement(out, "span", "map", m.map);
    }
    out += "</div>";
    appendSide(out, m, m.first, m.winner == 1, m.score ? m.score->first : 0);
    if (m.bye) {
        out += u8"<div class=\"side pass\"><span class=\"who\">부전승</span></div>";
    } else {
        appendSide(out, m, m.second, m.winner == 2, m.score ? m.score->second : 0);
        if (!m.maps.empty()) appendGames(out, m);
    }
    out += "</div>";
}

namespace {

void appendNode(std::string& out, const SectionView& s, const MatchView& m, int depth);

void appendFeeders(std::string& out, const SectionView& s, const MatchView& m, int depth) {
    const MatchView* feeders[] = {m.first.from < m.number ? matchNumbered(s, m.first.from) : nullptr,
                                  m.second.from < m.number ? matchNumbered(s, m.second.from) : nullptr};
    const int count = (feeders[0] != nullptr) + (feeders[1] != nullptr);
    if (count == 0) return;
    out += "<div class=\"feeders\">";
    int index = 0;
    for (const MatchView* f : feeders) {
        if (!f) continue;
        out += "<div class=\"feed\">";
        appendNode(out, s, *f, depth + 1);
        const char* shape = count == 1 ? "straight" : index++ == 0 ? "down" : "up";
        out += "<div class=\"arm " + std::string(shape) + "\" data-from=\"m-" + s.key + "-" + number(f->number) +
               "\"></div></div>";
    }
    out += "</div><div class=\"stem\" data-to=\"m-" + s.key + "-" + number(m.number) + "\"></div>";
}

void appendNode(std::string& out, const SectionView& s, const MatchView& m, int depth) {
    out += "<div class=\"node\">";
    if (depth < 16) appendFeeders(out, s, m, depth);
    appendBox(out, s, m);
    out += "</div>";
}

}  // namespace

void appendBracket(std::string& out, const SectionView& s) {
    const MatchView* final = matchNumbered(s, s.finalNumber);
    if (!final && !s.matches.empty()) final = &s.matches.back();
    if (!final) {
        out += u8"<p class=\"empty\">경기 없음</p>\n";
        return;
    }
    out += "<div class=\"bracket-scroll\"><div class=\"bracket\">\n<div class=\"rounds\">";
    for (int r = 1; r <= final->round; ++r) appendElement(out, "span", "", roundName(r, final->round));
    out += "</div>\n";
    appendNode(out, s, *final, 0);
    if (const MatchView* third = matchNumbered(s, s.thirdPlaceNumber)) {
        out += u8"\n<div class=\"rounds\"><span>3·4위전</span></div>\n";
        appendBox(out, s, *third);
    }
    out += "\n</div></div>\n";
}

std::string seriesLengthText(int bestOf) { return number(bestOf) + u8"전 " + number(gamesToWin(bestOf)) + u8"선승"; }

void appendSeries(std::string& out, const MatchView& m) {
    if (m.bestOf <= 1) return;
    appendElement(out, "span", "bo", seriesLengthText(m.bestOf));
    if (!m.maps.empty()) appendGames(out, m);
}

bool anySeries(const PageView& view) {
    const auto series = [](const SectionView& s) {
        return std::any_of(s.matches.begin(), s.matches.end(), [](const MatchView& m) { return m.bestOf > 1; });
    };
    return std::any_of(view.groups.begin(), view.groups.end(), series) || (view.playoff && series(*view.playoff));
}

bool anyGames(const PageView& view) {
    const auto played = [](const SectionView& s) {
        return std::any_of(s.matches.begin(), s.matches.end(),
                           [](const MatchView& m) { return m.bestOf > 1 && !m.gameWinners.empty(); });
    };
    return std::any_of(view.groups.begin(), view.groups.end(), played) || (view.playoff && played(*view.playoff));
}

}  // namespace rl::page::html
