#include "event/draw.h"

#include "event/actions.h"

namespace rl::event {

DrawChoices drawChoices(const Event& event) {
    const Settings& s = event.state.settings;
    return {{s.format == GroupFormat::Dual, s.bestOf}, withdrawalRule(event), event.seeded, event.seeding};
}

DrawOutcome drawEvent(Host& host, const DrawChoices& choices, SeedRule rule) {
    DrawOutcome drawn;
    AssignmentState state;
    drawn.outcome = choices.seeded ? assignSeeded(state, host, choices.seeding, drawn.refusal, rule, choices.format)
                                   : assign(state, host, choices.format);
    if (drawn.outcome != AssignOutcome::Assigned) return drawn;
    drawn.event = eventFromDraw(state, Results(), host, host.now(), std::nullopt, "");
    drawn.event.seeded = choices.seeded;
    if (choices.seeded) drawn.event.seeding = choices.seeding;
    setWithdrawalRule(drawn.event, choices.withdrawalRule);
    return drawn;
}

}  // namespace rl::event
