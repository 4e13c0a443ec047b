#include "event/draw.h"

#include <algorithm>

#include "event/actions.h"
#include "resources/placement.h"

namespace rl::event {

DrawChoices drawChoices(const Event& event) {
    const Settings& s = event.state.settings;
    DrawChoices choices{drawFormatOf(s), withdrawalRule(event), event.seeded, event.seeding, {}, {}};
    if (event.placedByHand) choices.placement = placementOf(event);
    if (event.teams) choices.teams = team::TeamLeague{event.teams->format, event.teams->rosters, {}, event.teams->races};
    return choices;
}

Placement placementOf(const Event& event) {
    Placement placement{event.participants, {}};
    for (const std::vector<Pos>& row : event.state.groupTable) {
        placement.groups.emplace_back();
        for (Pos p : row) {
            if (p != kNone) placement.groups.back().push_back(p);
        }
    }
    return placement;
}

DrawOutcome drawEvent(Host& host, const DrawChoices& choices, SeedRule rule) {
    DrawOutcome drawn;
    AssignmentState state;
    if (choices.placement && choices.seeded && choices.seeding.any()) {
        host.showMessage(IDS_PLACEMENT_SEEDED);
        return drawn;
    }
    // A team match's sets are dealt their maps as a series' games are.
    DrawFormat format = choices.format;
    if (choices.teams) format.bestOf = choices.teams->format.mostSets();
    drawn.outcome = choices.placement ? assignPlaced(state, host, *choices.placement, format)
                    : choices.seeded  ? assignSeeded(state, host, choices.seeding, drawn.refusal, rule, format)
                                      : assign(state, host, format);
    if (drawn.outcome != AssignOutcome::Assigned) return drawn;
    drawn.event = eventFromDraw(state, Results(), host, host.now(), std::nullopt, "");
    drawn.event.placedByHand = choices.placement.has_value();
    drawn.event.seeded = choices.seeded && !drawn.event.placedByHand;
    if (drawn.event.seeded) drawn.event.seeding = choices.seeding;
    // Races belong to every event; only a seeded draw that asks spreads them.
    std::vector<Race>& races = drawn.event.seeding.races;
    races.assign(choices.seeding.races.begin(),
                 choices.seeding.races.begin() +
                     static_cast<std::ptrdiff_t>(std::min(choices.seeding.races.size(), drawn.event.participants.size())));
    drawn.event.seeding.spreadRaces = drawn.event.seeded && choices.seeding.spreadRaces;
    setWithdrawalRule(drawn.event, choices.withdrawalRule);
    if (choices.teams) {
        drawn.event.teams = choices.teams;
        drawn.event.teams->rosters.resize(drawn.event.participants.size());
        drawn.event.teams->plays.clear();
        team::settleRaces(*drawn.event.teams);
        drawn.event.state.settings.ranksTeams = true;
    }
    return drawn;
}

}  // namespace rl::event
