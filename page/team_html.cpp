#include "page/html.h"

// A team league's markup: each team match as a row of the schedule with its
// sets under it, the team tables, the players' records.
namespace rl::page::html {

namespace {

const MatchView* matchNumbered(const SectionView& s, int number) {
    for (const MatchView& m : s.matches) {
        if (m.number == number) return &m;
    }
    return nullptr;
}

void appendMatchRow(std::string& out, const MatchView& m) {
    out += m.score ? "<tr class=\"tm played\">" : "<tr class=\"tm\">";
    appendElement(out, "td", "no", number(m.number));
    appendNamed(out, "td", m.winner == 1 ? "p win" : "p", sideText(m.first), m.first.race);
    if (m.bye) {
        out += u8"<td class=\"bye\" colspan=\"3\">부전승</td></tr>\n";
        return;
    }
    appendElement(out, "td", "score", scoreText(m));
    // The team's name takes the map's column too: the sets under it have maps, the match none.
    out += m.winner == 2 ? "<td class=\"p win\" colspan=\"2\">" : "<td class=\"p\" colspan=\"2\">";
    appendName(out, sideText(m.second), m.second.race);
    out += "</td></tr>\n";
}

// A set played reads the sets won after it; one to come, "엔트리" once
// either team named its player for it.
void appendSetRow(std::string& out, const TeamSetView& set) {
    const bool played = set.winner != 0;
    out += played ? "<tr class=\"set played\">" : "<tr class=\"set\">";
    appendElement(out, "td", "no", number(set.number) + u8"세트");
    appendElement(out, "td", set.winner == 1 ? "p win" : "p", set.players[0]);
    const bool named = !set.players[0].empty() || !set.players[1].empty();
    appendElement(out, "td", "score",
                  played ? number(set.after.first) + ":" + number(set.after.second) : named ? u8"엔트리" : "vs");
    appendElement(out, "td", set.winner == 2 ? "p win" : "p", set.players[1]);
    out += "<td class=\"map\">";
    if (set.ace) appendElement(out, "span", "ace", u8"에이스결정전");
    appendText(out, set.map);
    out += "</td></tr>\n";
}

void appendAllKill(std::string& out, const AllKillView& k) {
    out += u8"<tr class=\"allkill\"><td></td><td colspan=\"4\"><span class=\"ak\">올킬</span>";
    appendText(out, k.player);
    appendElement(out, "span", "note", k.team + u8" · " + number(k.wins) + u8"연승");
    out += "</td></tr>\n";
}

}  // namespace

void appendTeamSchedule(std::string& out, const SectionView& s) {
    if (s.teamMatches.empty()) return;
    out += s.knockOut() ? u8"<h3>세트</h3>\n" : u8"<h3>경기 일정</h3>\n";
    out += u8"<div class=\"scroll\"><table class=\"schedule teamsets\">\n<thead><tr><th class=\"no\">경기</th>"
           u8"<th class=\"p\">팀</th><th class=\"score\">결과</th><th class=\"p\">팀</th><th class=\"map\">맵</th>"
           "</tr></thead>\n";
    for (const TeamMatchView& t : s.teamMatches) {
        const MatchView* m = matchNumbered(s, t.number);
        if (!m) continue;
        out += "<tbody class=\"tm\" id=\"tm-" + s.key + "-" + number(t.number) + "\">\n";
        appendMatchRow(out, *m);
        for (const TeamSetView& set : t.sets) appendSetRow(out, set);
        for (const AllKillView& k : t.allKills) appendAllKill(out, k);
        out += "</tbody>\n";
    }
    out += "</table></div>\n";
}

// A team's players after its name, on a line of their own.
void appendRoster(std::string& out, const std::vector<std::string>& players) {
    out += "<span class=\"players\">";
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (i) out += u8" · ";
        appendText(out, players[i]);
    }
    out += "</span>";
}

// A team's row reads as the text writes it; the matches played stand beside it.
void appendTeamTable(std::string& out, const std::vector<RowView>& rows) {
    out += u8"<div class=\"scroll\"><table class=\"standings teams\">\n<thead><tr><th class=\"rank\">순위</th>"
           u8"<th class=\"name\">팀</th><th class=\"n\">경기</th><th class=\"rec\">전적</th></tr></thead>\n<tbody>\n";
    for (const RowView& r : rows) {
        out += r.rank == 1 ? "<tr class=\"first\">" : "<tr>";
        appendElement(out, "td", "rank", r.rank > 0 ? number(r.rank) + u8"위" : "-");
        out += "<td class=\"name\">";
        appendText(out, r.name);
        if (!r.note.empty()) {
            out += ' ';
            appendElement(out, "span", "note", r.note);
        }
        out += "</td>";
        appendElement(out, "td", "n", number(r.played));
        appendElement(out, "td", "rec", r.record);
        out += "</tr>\n";
    }
    out += "</tbody></table></div>\n";
}

void appendPlayerRecords(std::string& out, const PageView& v) {
    if (v.playerRecords.empty()) return;
    out += u8"<section class=\"group records\" id=\"records\">\n<h2>선수 기록</h2>\n"
           u8"<div class=\"scroll\"><table class=\"standings records\">\n<thead><tr><th class=\"rank\">순위</th>"
           u8"<th class=\"name\">선수</th><th class=\"team\">팀</th><th class=\"n\">승</th><th class=\"n\">패</th>";
    appendAgainstHeads(out, v.recordRaces);
    out += "</tr></thead>\n<tbody>\n";
    for (const PlayerRecordView& r : v.playerRecords) {
        out += r.rank == 1 ? "<tr class=\"first\">" : "<tr>";
        appendElement(out, "td", "rank", number(r.rank) + u8"위");
        appendNamed(out, "td", "name", r.name, r.race);
        appendElement(out, "td", "team", r.team);
        appendElement(out, "td", "n", number(r.won));
        appendElement(out, "td", "n", number(r.lost));
        appendAgainst(out, r.against);
        out += "</tr>\n";
    }
    out += "</tbody></table></div>\n</section>\n";
}

const char* const kTeamStyle = R"(.members.rosters{display:grid;grid-template-columns:repeat(auto-fill,minmax(15rem,1fr));gap:.35rem}
.members.rosters li{border-radius:.5rem;padding:.3rem .7rem;font-weight:800}
.rosters .players{display:block;font-size:.9em;font-weight:400;color:var(--muted)}
.teamsets tbody.tm{break-inside:avoid}
.teamsets tbody.tm+tbody.tm tr.tm td{border-top:2px solid var(--line)}
.teamsets tr.tm td{font-weight:700;padding-top:.45rem}
.teamsets .p{width:30%}
.teamsets tr.tm .p{font-size:1.05em}
.teamsets tr.set td,.teamsets tr.allkill td{padding-top:.12rem;padding-bottom:.12rem;border-bottom:0;font-size:.85rem}
.teamsets tr.set .no{font-size:.72rem;color:var(--faint)}
.teamsets tr.set .score{font-weight:700;color:var(--muted)}
.teamsets tr.set:not(.played) .score{font-size:.72rem;font-weight:400;color:var(--faint)}
.teamsets tr.set:not(.played) .p{color:var(--faint);font-style:italic}
.teamsets .ace,.teamsets .ak{display:inline-block;margin-right:.4em;padding:0 .35em;border-radius:.3em;font-size:.72rem;
font-weight:800;white-space:nowrap}
.teamsets .ace{border:1px solid var(--accent);color:var(--accent)}
.teamsets .ak{background:var(--gold);color:#fff}
.teamsets tr.allkill td{padding-bottom:.3rem;font-weight:700}
.teamsets tr.allkill .note{margin-left:.4em}
.teams td.rec{white-space:nowrap;text-align:right;font-variant-numeric:tabular-nums}
.teams th.rec{text-align:right}
.group.records{flex-basis:22rem;flex-grow:0;margin-top:1rem}
.records td.team{color:var(--muted);overflow-wrap:anywhere}
@media (max-width:32rem){.teamsets tr.tm .p{font-size:.95em}.teamsets .p{width:32%}}
@media print{.teamsets .ace{color:#000;border-color:#000}.teamsets .ak{background:none;color:#000;border:1px solid #000}}
)";

const char* const kTeamRaceStyle = R"(.group.records{flex-basis:28rem}
.records .vs{width:1%;padding-left:.7em;text-align:right;white-space:nowrap}
@media (max-width:32rem){.records .vs{padding-left:.45em;padding-right:0;font-size:.85em}.records td.team{font-size:.8em}}
)";

}  // namespace rl::page::html
