// Any bytes at all as a roster file, as one team's players typed in the
// window, and as a team match format: the readers either refuse them with a
// line number, worded in both languages, or return teams (players) the
// event can hold, which read back the same after a round trip through
// UTF-8; the format either reads back from its own text or is refused in
// both languages.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

#include <algorithm>

#include "cli/team_list.h"
#include "engine/limits.h"
#include "event/rosters.h"
#include "platform/encoding.h"
#include "team/format.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

void checkFormat(std::string_view text) {
    const auto parsed = rl::team::parseTeamMatchFormat(text);
    if (const auto* refusal = std::get_if<rl::team::Refusal>(&parsed)) {
        require(!rl::team::englishRefusal(*refusal).empty() && !rl::team::koreanRefusal(*refusal).empty(), "worded");
        return;
    }
    const auto& format = std::get<rl::team::TeamMatchFormat>(parsed);
    const auto again = rl::team::parseTeamMatchFormat(rl::team::formatText(format));
    require(std::get_if<rl::team::TeamMatchFormat>(&again) && std::get<rl::team::TeamMatchFormat>(again) == format,
            "a format reads back from its text");
}

std::string utf8(const std::string& cp949) {
    auto converted = rl::platform::cp949ToUtf8(cp949);
    require(converted.has_value(), "code page 949 text");
    return *converted;
}

// The window's field: a roster, or the line it stops at, in both languages.
void checkTyped(std::string_view bytes) {
    static const rl::event::PlacementCodec codec{rl::platform::isValidUtf8, rl::platform::utf8ToCp949, rl::platform::cp949ToUtf8};
    std::vector<std::string> roster;
    const rl::event::RosterFault fault = rl::event::readRosterLines(bytes, "team", codec, roster);
    if (!fault.ok()) {
        require(fault.line >= 1 && roster.empty(), "a refusal names its line and keeps nothing");
        require(!rl::event::englishRosterFault(fault).empty() && !rl::event::koreanRosterFault(fault).empty(), "worded");
        return;
    }
    require(roster.size() <= rl::team::kMaxRoster, "at most 16 players");
    for (const std::string& player : roster) {
        require(rl::nameProblem(player) == rl::TextProblem::None, "a player's name");
        require(std::count(roster.begin(), roster.end(), player) == 1, "each player once");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkFormat(bytes.substr(0, bytes.find('\n')));
    checkTyped(bytes);
    const rl::cli::TeamList list = rl::cli::parseTeamList(bytes);
    if (!list.ok()) {
        require(list.errorLine >= 1 && !list.error.empty() && list.teams.empty(), "a refusal names its line");
        return 0;
    }
    require(list.teams.size() <= rl::kMaxParticipants, "at most the participants' limit");
    std::string again;
    for (const rl::team::Team& team : list.teams) {
        require(rl::nameProblem(team.name) == rl::TextProblem::None, "a participant's name");
        require(!team.roster.empty() && team.roster.size() <= rl::team::kMaxRoster, "1 to 16 players");
        again += utf8(team.name) + "\n";
        for (const std::string& player : team.roster) {
            require(rl::nameProblem(player) == rl::TextProblem::None, "a player's name");
            again += "\t" + utf8(player) + "\n";
        }
    }
    const rl::cli::TeamList reread = rl::cli::parseTeamList(again);
    require(reread.ok() && reread.teams.size() == list.teams.size(), "round trip keeps the teams");
    for (std::size_t t = 0; t < list.teams.size(); ++t) {
        require(reread.teams[t].name == list.teams[t].name && reread.teams[t].roster == list.teams[t].roster,
                "round trip keeps the rosters");
    }
    return 0;
}
