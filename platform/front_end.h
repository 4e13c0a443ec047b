#pragma once
#include "event/event.h"

namespace rl::platform {

// The event file's conversions and hash, from this platform (see encoding.h
// and sha256.h); both programs read and write their events through it.
const event::FrontEnd& eventFrontEnd();

}  // namespace rl::platform
