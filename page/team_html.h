#pragma once
// A team league's part of the page: the sets of every team match, the team
// tables and the players' records, from the event's team league and its
// standings. A players' event's page has none of it.
#include "event/event.h"
#include "page/page.h"

namespace rl::page {

// Fills the view of a team league's event (the view pageViewOf made of
// it): the format, each section's sets and team table, the players'
// records. False when a name does not convert.
bool addTeams(PageView& view, const event::Event& event, const ToUtf8& toUtf8);

}  // namespace rl::page
