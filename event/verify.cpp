#include "event/event.h"

#include <algorithm>

#include "engine/series.h"
#include "event/actions.h"
#include "event/draw.h"

namespace rl::event {

namespace {

// A name of the draw for a person: quoted UTF-8, or what a vacancy is.
std::string shown(const std::vector<std::string>& list, Pos index, const char* none, const FrontEnd& frontEnd) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return none;
    return "\"" + frontEnd.toUtf8(list[static_cast<std::size_t>(index)]).value_or("?") + "\"";
}

RedrawOutcome parting(const std::string& where, const std::string& file, const std::string& drawn) {
    return {Redraw::Differs, where + ": the file has " + file + ", its inputs and seed give " + drawn};
}

// Why the engine refused: the seeded draw's own message (the window's
// words), else the window's refusal of the settings.
RedrawOutcome refused(AssignOutcome outcome, const SeedRefusal& refusal, const FrontEnd& frontEnd) {
    if (outcome == AssignOutcome::OutOfMemory) return {Redraw::CannotBeDrawn, "out of memory"};
    if (refusal.stringId == 0) return {Redraw::CannotBeDrawn, "the window program refuses its settings"};
    return {Redraw::CannotBeDrawn, frontEnd.toUtf8(seedRefusalText(refusal)).value_or("its pots or tags are refused")};
}

}  // namespace

namespace {

// The first place or map where the event's draw and `drawn` part; Same when none.
RedrawOutcome firstParting(const Event& event, const AssignmentState& drawn, const FrontEnd& frontEnd) {
    const AssignmentState& kept = event.state;
    const auto& names = event.participants;
    for (std::size_t g = 0; g < kept.groupTable.size(); ++g) {
        const std::string group = std::string("group ") + static_cast<char>('A' + g);
        for (std::size_t p = 0; p < kept.groupTable[g].size(); ++p) {
            const Pos a = kept.groupTable[g][p], b = drawn.groupTable[g][p];
            // Two participants of one name are one and the same to everyone reading the draw.
            if (shown(names, a, "", frontEnd) == shown(names, b, "", frontEnd)) continue;
            return parting(group + ", place " + std::to_string(p + 1), shown(names, a, "an empty place", frontEnd),
                           shown(names, b, "an empty place", frontEnd));
        }
    }
    for (std::size_t g = 0; g < kept.groupTable.size(); ++g) {
        for (int k = 0; k < kept.matchCount[g]; ++k) {
            const std::vector<Pos> a = gameMaps(kept.schedule[g][static_cast<std::size_t>(k)]);
            const std::vector<Pos> b = gameMaps(drawn.schedule[g][static_cast<std::size_t>(k)]);
            for (std::size_t game = 0; game < std::max(a.size(), b.size()); ++game) {
                const Pos mapA = game < a.size() ? a[game] : kNone, mapB = game < b.size() ? b[game] : kNone;
                if (shown(event.maps, mapA, "", frontEnd) == shown(event.maps, mapB, "", frontEnd)) continue;
                const std::string which = a.size() > 1 || b.size() > 1 ? " game " + std::to_string(game + 1) : "";
                return parting(std::string("group ") + static_cast<char>('A' + g) + ", match " +
                                   std::to_string(k + 1) + which + " map",
                               shown(event.maps, mapA, "no map", frontEnd), shown(event.maps, mapB, "no map", frontEnd));
            }
        }
    }
    return {};
}

// A seeded knock-out event written before pots took a seeded bracket's
// places kept them in pot order: drawn again by that rule, it is no forgery.
bool drawnByEarlierRule(const Event& event, const FrontEnd& frontEnd) {
    if (!event.seeded || !event.state.settings.tournament()) return false;
    ListHost host = hostFor(event);
    const DrawOutcome drawn = drawEvent(host, drawChoices(event), SeedRule::PotsInOrder);
    return drawn.outcome == AssignOutcome::Assigned && firstParting(event, drawn.event.state, frontEnd).kind == Redraw::Same;
}

}  // namespace

std::vector<std::string> changeLines(const Event& event, const FrontEnd& frontEnd) {
    GroupTable table = drawnEvent(event).state.groupTable;
    const auto at = [&](Pos p) {
        const auto [g, i] = placeOfPlayer(table, p);
        return shown(event.participants, p, "?", frontEnd) + " (group " + static_cast<char>('A' + g) + ", place " +
               std::to_string(i + 1) + ")";
    };
    std::vector<std::string> lines;
    for (const Change& c : event.changes) {
        const std::string number = std::to_string(lines.size() + 1) + ". ";
        const std::string moved = at(c.player) + " moved to an empty place of group " + static_cast<char>('A' + c.toGroup);
        lines.push_back(number + (c.kind == ChangeKind::Replacement
                                      ? at(c.player) + " replaced by " + shown(event.participants, c.other, "?", frontEnd)
                                  : c.kind == ChangeKind::Move ? moved
                                                               : at(c.player) + " and " + at(c.other) + " swapped"));
        applyChange(table, c);
    }
    return lines;
}

RedrawOutcome drawDifference(const Event& changed, const FrontEnd& frontEnd) {
    if (changed.placedByHand) return {Redraw::PlacedByHand, {}};
    // The draw is checked as it was drawn; the changes since are the record's.
    const Event event = drawnEvent(changed);
    ListHost host = hostFor(event);
    const DrawOutcome drawn = drawEvent(host, drawChoices(event));
    if (drawn.outcome != AssignOutcome::Assigned) return refused(drawn.outcome, drawn.refusal, frontEnd);
    RedrawOutcome parted = firstParting(event, drawn.event.state, frontEnd);
    if (parted.kind == Redraw::Differs && drawnByEarlierRule(event, frontEnd)) {
        return {Redraw::EarlierRule, "an earlier rule of the seeded draw, which kept a knock-out group's pots in "
                                     "pot order (pots now take the places of a seeded bracket)"};
    }
    return parted;
}

}  // namespace rl::event
