#pragma once
// The next draw's choices beyond the designed window's controls, and the
// draw that makes an event from them. Both programs draw through here: the
// window program from the windows that own each choice, the command line
// from its options; an opened event gives its choices back the same way.
// Portable.
#include "engine/assignment.h"
#include "engine/placement.h"
#include "engine/seeding.h"
#include "event/event.h"
#include "standings/results.h"

namespace rl::event {

struct DrawChoices {
    DrawFormat format;  // the format window's group format and the groups' match length
    WithdrawalRule withdrawalRule = WithdrawalRule::Walkovers;
    bool seeded = false;  // the seeded draw, by the pots and tags below
    Seeding seeding;      // each participant's pot and tag, in list order (CP949)
    // The groups placed by hand instead of drawn (the placement window, or
    // the command line's --placement); not with the seeded draw.
    std::optional<Placement> placement;
    // A team league: each participant's roster (in list order) and the
    // format of its team matches; no plays yet.
    std::optional<team::TeamLeague> teams;
};

// What drawing the event again takes: its format, rule, pots and tags, or
// its placement.
DrawChoices drawChoices(const Event& event);

struct DrawOutcome {
    AssignOutcome outcome = AssignOutcome::Rejected;
    // A refusal of the pots or tags; stringId 0 when the settings were
    // refused (the host has shown why) or nothing was.
    SeedRefusal refusal;
    // When Assigned: the host's lists, the draw and the choices, seeded by
    // the host's clock (which gives one second for the whole of a draw). No
    // results yet; when it was drawn is the caller's to say.
    Event event;
};

// Each group's members of the event, as a placement of its participants.
Placement placementOf(const Event& event);

// The designed settings read through the host (captureSettings), the rest
// taken from the choices.
DrawOutcome drawEvent(Host& host, const DrawChoices& choices, SeedRule rule = kCurrentSeedRule);

}  // namespace rl::event
