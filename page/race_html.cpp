#include "page/html.h"

// The races' tables: how each map played for each race, under the groups,
// and beside each player of the final standings their record against each race.
namespace rl::page::html {

namespace {

void appendMapRow(std::string& out, const MapRacesView& m, std::string_view name) {
    out += "<tr>";
    appendElement(out, "td", "name", name);
    appendElement(out, "td", "n", number(m.games));
    out += "<td class=\"mu\">";
    for (const std::string& matchup : m.matchups) appendElement(out, "span", "", matchup);
    out += "</td></tr>\n";
}

}  // namespace

void appendMapRaces(std::string& out, const PageView& v) {
    if (!v.raceStats || v.raceStats->maps.empty() || v.raceStats->total.games == 0) return;
    out += u8"<section class=\"group map-races\" id=\"map-races\">\n<h2>맵별 종족 전적</h2>\n"
           u8"<div class=\"scroll\"><table class=\"mapraces\">\n<thead><tr><th class=\"name\">맵</th>"
           u8"<th class=\"n\">경기</th><th>종족별 전적</th></tr></thead>\n<tbody>\n";
    for (const MapRacesView& m : v.raceStats->maps) appendMapRow(out, m, m.map);
    out += "</tbody>\n<tfoot>\n";
    appendMapRow(out, v.raceStats->total, u8"전체");
    out += "</tfoot></table></div>\n</section>\n";
}

void appendAgainstHeads(std::string& out, const std::vector<Race>& races) {
    for (Race race : races) appendElement(out, "th", "vs", std::string(raceLetter(race)) + u8"전");
}

// "3-1", won and lost, short enough for four races beside the names on a
// phone; "-" for no game.
void appendAgainst(std::string& out, const std::vector<WonLost>& against) {
    for (const WonLost& w : against) {
        appendElement(out, "td", "vs", w.won + w.lost ? number(w.won) + "-" + number(w.lost) : "-");
    }
}

}  // namespace rl::page::html
