#include "engine/group_format.h"
#include "page/html.h"

// A dual group drawn on a grid of four equal rows, so that every box's middle
// sits at a fixed height whatever its names: the opening matches, the
// winners' and losers' matches beside them, then the decider between the
// 1st and 4th places, and the 2nd and 3rd after it. Each wire column is one
// stretched drawing whose lines run between those fixed heights.
namespace rl::page::html {

namespace {

// A line from the middle of match `from` on to a height of the next column;
// heights in hundredths of the grid's.
struct Wire {
    int column;  // 1, 2 or 3: which gap between the columns of boxes
    int from;
    bool loser;
    double y1, y2;
};

constexpr Wire kWires[] = {
    {1, 1, false, 25, 25},   {1, 2, false, 75, 25},   {1, 1, true, 25, 75},     {1, 2, true, 75, 75},
    {2, 3, false, 25, 12.5}, {2, 3, true, 25, 50},    {2, 4, false, 75, 50},    {2, 4, true, 75, 87.5},
    {3, 5, false, 50, 37.5}, {3, 5, true, 50, 62.5},
};

// Grid places of the five boxes (column, first row, rows spanned) and of
// the four places' chips.
struct Spot {
    int column, row, rows;
};
constexpr Spot kBoxes[] = {{1, 1, 2}, {1, 3, 2}, {3, 1, 2}, {3, 3, 2}, {5, 2, 2}};
constexpr Spot kPlaceChips[] = {{5, 1, 1}, {7, 2, 1}, {7, 3, 1}, {5, 4, 1}};

std::string gridArea(const Spot& spot) {
    return "grid-area:" + number(spot.row) + "/" + number(spot.column) + "/span " + number(spot.rows) + "/auto";
}

std::string coordinate(double value) {
    const int tenths = static_cast<int>(value * 10 + 0.5);
    return number(tenths / 10) + (tenths % 10 ? "." + number(tenths % 10) : "");
}

// A bye has no loser to send on.
void appendWires(std::string& out, const SectionView& s, int column) {
    out += "<svg class=\"wires\" style=\"grid-area:1/" + number(2 * column) +
           "/span 4/auto\" viewBox=\"0 0 100 100\" preserveAspectRatio=\"none\" aria-hidden=\"true\">";
    for (const Wire& w : kWires) {
        if (w.column != column || (w.loser && s.matches[static_cast<std::size_t>(w.from - 1)].bye)) continue;
        const std::string bend = w.loser ? "65" : "35";
        out += "<polyline class=\"";
        out += w.loser ? "l" : "w";
        out += "\" data-from=\"m-" + s.key + "-" + number(w.from) + "\" points=\"0," + coordinate(w.y1) + " " + bend +
               "," + coordinate(w.y1) + " " + bend + "," + coordinate(w.y2) + " 100," + coordinate(w.y2) +
               "\" vector-effect=\"non-scaling-stroke\"/>";
    }
    out += "</svg>";
}

// A place's chip: its holder once known, else where it is decided.
void appendPlaceChip(std::string& out, const SectionView& s, int place) {
    const DualPlace& from = kDualPlaces[place - 1];
    const MatchView& decider = s.matches[static_cast<std::size_t>(from.match - 1)];
    if (from.loser && decider.bye) return;
    std::string holder;
    Race race = Race::None;
    for (const RowView& row : s.table) {
        if (row.rank == place) {
            holder = row.name;
            race = row.race;
        }
    }
    out += "<div class=\"place" + std::string(holder.empty() ? "" : " known") + "\" style=\"" +
           gridArea(kPlaceChips[place - 1]) + "\">";
    appendElement(out, "span", "rank", number(place) + u8"위");
    appendNamed(out, "span", holder.empty() ? "who tbd" : "who",
                holder.empty() ? decider.stage + (from.loser ? u8" 패자" : u8" 승자") : holder, race);
    out += "</div>";
}

}  // namespace

void appendDualBracket(std::string& out, const SectionView& s) {
    out += "<div class=\"bracket-scroll\"><div class=\"duel\">\n";
    for (std::size_t k = 0; k < s.matches.size() && k < 5; ++k) {
        out += "<div class=\"cell\" style=\"" + gridArea(kBoxes[k]) + "\">";
        appendBox(out, s, s.matches[k]);
        out += "</div>\n";
    }
    for (int column = 1; column <= 3; ++column) appendWires(out, s, column);
    out += "\n";
    for (int place = 1; place <= 4; ++place) appendPlaceChip(out, s, place);
    out += "\n</div></div>\n";
}

const char* const kDualStyle = R"(.duel{display:inline-grid;grid-template-columns:var(--box) var(--gap) var(--box) var(--gap) var(--box) var(--gap) auto;
grid-auto-rows:1fr;--gap:2.2rem;padding:.1rem 0 .4rem}
.duel .cell{display:flex;align-items:center;padding:.3rem 0}
.duel .wires{display:block;width:100%;height:100%;overflow:visible}
.wires polyline{fill:none;stroke:var(--wire);stroke-width:2}
.wires polyline.l{stroke-dasharray:4 3;stroke:#b4bccb}
.duel .place{align-self:center;display:flex;gap:.4rem;align-items:baseline;padding:.25rem .55rem;min-width:6.5rem;
border:1px solid var(--line);border-radius:999px;background:var(--paper);font-size:.85rem}
.duel .place .rank{width:auto;flex:none;padding:0;font-weight:800;color:var(--muted)}
.duel .place.known{border-color:var(--win);background:var(--win-soft)}
.duel .place.known .who{font-weight:800}
@media (max-width:32rem){.duel{--gap:1.3rem}}
)";

}  // namespace rl::page::html
