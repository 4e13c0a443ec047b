#include <algorithm>
#include <cstdio>

#include "page/html.h"

// Every literal here is UTF-8 (u8""): the page is UTF-8 while the rest of
// the program's literals are code page 949.
namespace rl::page {

namespace html {

void appendText(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default:
            if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) {
                out += u8"\uFFFD";
            } else {
                out += c;
            }
        }
    }
}

namespace {

void openTag(std::string& out, std::string_view tag, std::string_view cls) {
    out += '<';
    out += tag;
    if (!cls.empty()) {
        out += " class=\"";
        out += cls;
        out += '"';
    }
    out += '>';
}

void closeTag(std::string& out, std::string_view tag) {
    out += "</";
    out += tag;
    out += '>';
}

}  // namespace

void appendElement(std::string& out, std::string_view tag, std::string_view cls, std::string_view text) {
    openTag(out, tag, cls);
    appendText(out, text);
    closeTag(out, tag);
}

// The letter itself is the mark, so that it reads in print and to anyone
// who cannot tell the colours apart.
void appendName(std::string& out, std::string_view name, Race race) {
    appendText(out, name);
    const std::string_view letter = raceLetter(race);
    if (letter.empty()) return;
    const char lower = static_cast<char>(letter[0] - 'A' + 'a');
    out += "<span class=\"race race-";
    out += lower;
    out += "\">";
    out += letter;
    out += "</span>";
}

void appendNamed(std::string& out, std::string_view tag, std::string_view cls, std::string_view name, Race race) {
    openTag(out, tag, cls);
    appendName(out, name, race);
    closeTag(out, tag);
}

std::string number(int value) { return std::to_string(value); }

// A walkover names the side that goes on, as the standings text does.
std::string scoreText(const MatchView& m) {
    if (m.score && m.score->walkover) return m.score->first > m.score->second ? u8"부전승:-" : u8"-:부전승";
    return m.score ? number(m.score->first) + ":" + number(m.score->second) : "vs";
}

std::string sideText(const Side& side) {
    if (!side.name.empty() || side.from == 0) return side.name;
    return "<" + number(side.from) + (side.loser ? u8"경기 패자>" : u8"경기 승자>");
}

}  // namespace html

namespace {

using html::appendElement;
using html::appendText;
using html::number;

std::string titleOf(const Header& h) { return h.title.empty() ? kDefaultTitle : h.title; }

// "2026-12-07T17:25:09" as "2026년 12월 7일 17:25"; anything else as it is.
std::string dateText(const std::string& at) {
    int y, mo, d, h, mi, s;
    if (std::sscanf(at.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d", &y, &mo, &d, &h, &mi, &s) != 6) return at;
    char text[64];
    std::snprintf(text, sizeof text, u8"%d년 %d월 %d일 %02d:%02d", y, mo, d, h, mi);
    return text;
}

void appendHead(std::string& out, const PageView& v) {
    out += u8"<!DOCTYPE html>\n<html lang=\"ko\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    if (!v.header.program.empty()) {
        out += "<meta name=\"generator\" content=\"";
        appendText(out, v.header.program);
        out += "\">\n";
    }
    appendElement(out, "title", "", titleOf(v.header));
    out += "\n<style>\n";
    out += html::kStyle;
    const auto marked = [](const SectionView& s) { return !s.marks.empty(); };
    if (std::any_of(v.groups.begin(), v.groups.end(), marked)) out += html::kSeedStyle;
    const auto replaced = [](const SectionView& s) { return !s.replaced.empty(); };
    if (std::any_of(v.groups.begin(), v.groups.end(), replaced)) out += html::kChangeStyle;
    if (v.settings.format == GroupFormat::Dual) out += html::kDualStyle;
    if (html::anySeries(v)) out += html::kSeriesStyle;
    if (html::anyGames(v)) out += html::kGamesStyle;
    if (!v.raceCounts.empty() || !v.recordRaces.empty()) out += html::kRaceStyle;
    if (v.raceStats) out += html::kRaceStatsStyle;
    if (v.teams()) out += html::kTeamStyle;
    if (!v.recordRaces.empty()) out += html::kTeamRaceStyle;
    out += "</style>\n</head>\n";
}

// The group formats as the facts name them, in GroupFormat's order.
constexpr const char* kFormatNames[] = {u8"리그", u8"토너먼트", u8"듀얼 토너먼트"};

void appendFacts(std::string& out, const PageView& v) {
    const Settings& s = v.settings;
    out += "<ul class=\"facts\">";
    appendElement(out, "li", "", kFormatNames[static_cast<std::size_t>(s.format)]);
    appendElement(out, "li", "", number(s.groupCount) + u8"개 조 × " + number(s.groupSize) + u8"자리");
    appendElement(out, "li", "", u8"참가 " + number(v.participantCount) + (v.teams() ? u8"팀" : u8"명"));
    if (!v.raceCounts.empty()) appendElement(out, "li", "races", v.raceCounts);
    if (s.mapsEnabled) appendElement(out, "li", "", u8"맵 " + number(s.mapCount) + u8"개");
    // A team match's sets are no series: the format says how it is played.
    if (v.teams()) appendElement(out, "li", "", v.teamFormat);
    else if (s.bestOf > 1) appendElement(out, "li", "", u8"조별 경기 " + html::seriesLengthText(s.bestOf));
    out += "</ul>\n";
}

void appendFingerprint(std::string& out, const Header& h) {
    if (h.fingerprint.empty()) return;
    out += u8" · 입력 지문 <code>";
    appendText(out, h.fingerprint);
    out += "</code>";
}

// Groups placed by hand were not drawn: there is nothing to check again.
void appendPlacedByHand(std::string& out, const Header& h) {
    out += u8"<p class=\"proof\"><b>직접 편성</b>";
    appendFingerprint(out, h);
    out += "</p>\n";
}

// The small print from which anyone can check the draw.
void appendProof(std::string& out, const Header& h) {
    if (h.placedByHand) return appendPlacedByHand(out, h);
    out += u8"<p class=\"proof\">시드 <b>" + std::to_string(h.seed) + "</b>";
    if (h.seedText) {
        out += u8" · 시드 문장 “";
        appendText(out, *h.seedText);
        out += u8"”";
    }
    appendFingerprint(out, h);
    out += u8"<br>누구나 <code>rosterloom-cli --verify</code>로 이 추첨을 다시 해 보고 확인할 수 있습니다.</p>\n";
}

void appendHeader(std::string& out, const PageView& v) {
    out += "<body>\n<header class=\"masthead\">\n";
    appendElement(out, "h1", "", titleOf(v.header));
    out += '\n';
    appendFacts(out, v);
    if (!v.header.drawnAt.empty()) {
        out += u8"<p class=\"when\">추첨 <time datetime=\"";
        appendText(out, v.header.drawnAt);
        out += "\">";
        appendText(out, dateText(v.header.drawnAt));
        out += "</time></p>\n";
    }
    appendProof(out, v.header);
    out += "</header>\n";
}

void appendMembers(std::string& out, const SectionView& s) {
    if (s.members.empty()) return;
    out += s.rosters.empty() ? u8"<h3>참가자</h3>\n<ol class=\"members\">"
                             : u8"<h3>참가 팀</h3>\n<ol class=\"members rosters\">";
    for (std::size_t i = 0; i < s.members.size(); ++i) {
        const MemberMark mark = i < s.marks.size() ? s.marks[i] : MemberMark{};
        const std::string replaced = i < s.replaced.size() ? s.replaced[i] : std::string();
        const Race race = i < s.races.size() ? s.races[i] : Race::None;
        const bool roster = i < s.rosters.size();
        if (!mark.pot && mark.tag.empty() && replaced.empty() && !roster) {
            html::appendNamed(out, "li", "", s.members[i], race);
            continue;
        }
        out += "<li>";
        html::appendName(out, s.members[i], race);
        if (mark.pot) appendElement(out, "span", "pot", u8"시드 " + number(mark.pot));
        if (!mark.tag.empty()) appendElement(out, "span", "tag", mark.tag);
        if (!replaced.empty()) appendElement(out, "span", "was", replaced + u8" 대신 교체");
        if (roster) html::appendRoster(out, s.rosters[i]);
        out += "</li>";
    }
    out += "</ol>\n";
}

// A group's or the playoff's races, under its players.
void appendRaceCounts(std::string& out, const SectionView& s) {
    if (s.raceCounts.empty()) return;
    appendElement(out, "p", "races", s.raceCounts);
    out += '\n';
}

std::string rankText(int rank) { return rank > 0 ? number(rank) + u8"위" : "-"; }

std::string differenceText(int difference) { return (difference > 0 ? "+" : "") + number(difference); }

void appendTableHead(std::string& out) {
    out += u8"<div class=\"scroll\"><table class=\"standings\">\n<thead><tr><th class=\"rank\">순위</th>"
           u8"<th class=\"name\">이름</th><th class=\"n\">경기</th><th class=\"n\">승</th><th class=\"n\">패</th>"
           u8"<th class=\"n\">득</th><th class=\"n\">실</th><th class=\"n\">득실</th></tr></thead>\n<tbody>\n";
}

void appendRow(std::string& out, const RowView& r) {
    out += r.rank == 1 ? "<tr class=\"first\">" : "<tr>";
    appendElement(out, "td", "rank", rankText(r.rank));
    out += "<td class=\"name\">";
    html::appendName(out, r.name, r.race);
    if (!r.note.empty()) {
        out += ' ';
        appendElement(out, "span", "note", r.note);
    }
    out += "</td>";
    for (int count : {r.played, r.wins, r.losses, r.mapsWon, r.mapsLost}) appendElement(out, "td", "n", number(count));
    appendElement(out, "td", "n", differenceText(r.mapsWon - r.mapsLost));
    out += "</tr>\n";
}

void appendTable(std::string& out, const std::vector<RowView>& rows) {
    appendTableHead(out);
    for (const RowView& r : rows) appendRow(out, r);
    out += "</tbody></table></div>\n";
}

void appendSchedule(std::string& out, const SectionView& s) {
    out += u8"<h3>경기 일정</h3>\n<div class=\"scroll\"><table class=\"schedule\">\n<thead><tr><th class=\"no\">경기</th>"
           u8"<th class=\"p\">선수</th><th class=\"score\">결과</th><th class=\"p\">선수</th><th class=\"map\">맵</th>"
           "</tr></thead>\n<tbody>\n";
    for (const MatchView& m : s.matches) {
        out += m.score ? "<tr class=\"played\">" : "<tr>";
        appendElement(out, "td", "no", number(m.number));
        html::appendNamed(out, "td", m.winner == 1 ? "p win" : "p", html::sideText(m.first), m.first.race);
        if (m.bye) {
            out += u8"<td class=\"bye\" colspan=\"3\">부전승</td>";
        } else {
            appendElement(out, "td", "score", html::scoreText(m));
            html::appendNamed(out, "td", m.winner == 2 ? "p win" : "p", html::sideText(m.second), m.second.race);
            if (m.bestOf > 1) {
                out += "<td class=\"map\">";
                html::appendSeries(out, m);
                out += "</td>";
            } else {
                appendElement(out, "td", "map", m.map);
            }
        }
        out += "</tr>\n";
    }
    out += "</tbody></table></div>\n";
}

void appendSection(std::string& out, const SectionView& s, bool teams = false) {
    out += "<section class=\"group ";
    out += s.knockOut() ? "knockout r" + number(s.matches.empty() ? 1 : s.matches.back().round) : "league";
    if (s.format == GroupFormat::Dual) out += " dual";
    out += "\" id=\"group-" + s.key + "\">\n";
    appendElement(out, "h2", "", s.heading);
    out += '\n';
    appendMembers(out, s);
    appendRaceCounts(out, s);
    // The matches and the table side by side where the group is wide enough.
    out += "<div class=\"parts\">\n<div class=\"part matches\">\n";
    if (s.knockOut()) {
        out += u8"<h3>대진</h3>\n";
        s.format == GroupFormat::Dual && s.matches.size() == 5 ? html::appendDualBracket(out, s) : html::appendBracket(out, s);
        if (teams) html::appendTeamSchedule(out, s);
    } else {
        teams ? html::appendTeamSchedule(out, s) : appendSchedule(out, s);
    }
    out += u8"</div>\n<div class=\"part\">\n<h3>순위</h3>\n";
    s.teamTable ? html::appendTeamTable(out, s.table) : appendTable(out, s.table);
    out += "</div>\n</div>\n</section>\n";
}

void appendFinalTable(std::string& out, const PageView& v) {
    out += u8"<section class=\"group final\" id=\"final\">\n<h2>최종 순위</h2>\n"
           u8"<div class=\"scroll\"><table class=\"standings final\">\n<thead><tr><th class=\"rank\">순위</th>"
           u8"<th class=\"name\">이름</th><th class=\"from\">조 순위</th>";
    if (v.raceStats) html::appendAgainstHeads(out, v.raceStats->races);
    out += "</tr></thead>\n<tbody>\n";
    for (const RowView& r : v.finalStandings) {
        out += r.rank >= 1 && r.rank <= 3 ? "<tr class=\"podium" + number(r.rank) + "\">" : "<tr>";
        appendElement(out, "td", "rank", rankText(r.rank));
        html::appendNamed(out, "td", "name", r.name, r.race);
        appendElement(out, "td", "from", r.note);
        html::appendAgainst(out, r.against);
        out += "</tr>\n";
    }
    out += "</tbody></table></div>\n</section>\n";
}

// The second stage first: who won is what the room looks for.
void appendStage(std::string& out, const PageView& v) {
    if (!v.playoff) return;
    out += "<div class=\"stage\">\n";
    appendFinalTable(out, v);
    appendSection(out, *v.playoff, v.teams());
    out += "</div>\n";
}

}  // namespace

std::string renderPage(const PageView& v) {
    std::string out;
    out.reserve(64 * 1024);
    appendHead(out, v);
    appendHeader(out, v);
    out += "<main>\n";
    appendStage(out, v);
    out += "<div class=\"groups\">\n";
    for (const SectionView& s : v.groups) appendSection(out, s, v.teams());
    out += "</div>\n";
    html::appendPlayerRecords(out, v);
    html::appendMapRaces(out, v);
    out += "</main>\n<footer>";
    appendText(out, v.header.program.empty() ? std::string("Rosterloom") : v.header.program);
    out += "</footer>\n</body>\n</html>\n";
    return out;
}

}  // namespace rl::page
