#include "cli/team_list.h"

#include "event/rosters.h"
#include "platform/encoding.h"

namespace rl::cli {

// The rules are the window program's too (event/rosters.h); the command line
// words their faults in English.
TeamList parseTeamList(std::string_view bytes) {
    static const event::PlacementCodec kCodec{platform::isValidUtf8, platform::utf8ToCp949, platform::cp949ToUtf8};
    event::RosterText text = event::readRosterText(bytes, kCodec);
    TeamList list;
    if (!text.fault.ok()) {
        list.errorLine = text.fault.line;
        list.error = event::englishRosterFault(text.fault);
        return list;
    }
    list.teams = std::move(text.teams);
    return list;
}

}  // namespace rl::cli
