#pragma once
#include "event/event.h"

namespace rl::cli {

// The event file's conversions and hash, from this platform (see encoding.h
// and seed_text.h).
event::FrontEnd eventFrontEnd();

}  // namespace rl::cli
