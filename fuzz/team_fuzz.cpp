// Any bytes at all as a roster file, as one team's players typed in the
// window, and as a team match format: the readers either refuse them with a
// line number, worded in both languages, or return teams (players, with
// their races) the event can hold, which read back the same after a round
// trip through UTF-8; the format either reads back from its own text or is refused in
// both languages. After a line "--": a format's line, then a results file
// for a league of the teams (with entries of one team alone, and a team
// replaced by a new one with its roster).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <variant>

#include "cli/results_file.h"
#include "cli/team_list.h"
#include "engine/limits.h"
#include "event/draw.h"
#include "event/rosters.h"
#include "platform/encoding.h"
#include "platform/front_end.h"
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
    std::vector<rl::Race> races;
    const rl::event::RosterFault fault = rl::event::readRosterLines(bytes, "team", codec, roster, races);
    if (!fault.ok()) {
        require(fault.line >= 1 && roster.empty(), "a refusal names its line and keeps nothing");
        require(!rl::event::englishRosterFault(fault).empty() && !rl::event::koreanRosterFault(fault).empty(), "worded");
        return;
    }
    require(roster.size() <= rl::team::kMaxRoster && races.size() == roster.size(), "at most 16 players, a race each");
    std::vector<std::string> again;
    std::vector<rl::Race> racesAgain;
    const bool reread = rl::event::readRosterLines(utf8(rl::event::rosterLines(roster, races)), "team", codec, again, racesAgain).ok();
    require(reread && again == roster && racesAgain == races, "the players shown again read back the same");
    for (const std::string& player : roster) {
        require(rl::nameProblem(player) == rl::TextProblem::None, "a player's name");
        require(std::count(roster.begin(), roster.end(), player) == 1, "each player once");
    }
}

// A league of the teams, then a results file of set and entry lines made
// of their players' names beside the fuzzer's own lines: read whole or
// refused whole, and an event that takes it writes and reads back the same.
void checkResults(const rl::cli::TeamList& list, std::string_view format, std::string_view record) {
    const auto parsed = rl::team::parseTeamMatchFormat(format);
    if (list.teams.size() < 2 || list.teams.size() > 8) return;
    rl::ListHost host;
    rl::event::DrawChoices choices;
    choices.teams = rl::team::TeamLeague{std::get_if<rl::team::TeamMatchFormat>(&parsed) ? std::get<rl::team::TeamMatchFormat>(parsed)
                                                                                          : rl::team::TeamMatchFormat{},
                                         {}, {}};
    for (const rl::team::Team& team : list.teams) {
        for (const std::string& other : host.participants) {
            if (rl::isNamed(other, team.name) || rl::isNamed(team.name, other)) return;
        }
        host.participants.push_back(team.name);
        choices.teams->rosters.push_back(team.roster);
        choices.teams->races.push_back(team.races);
    }
    host.groupCountText = "1";
    host.groupSizeText = std::to_string(list.teams.size());
    host.tournament = record.size() % 2 == 1;
    host.clock = static_cast<std::uint32_t>(record.size());
    rl::event::DrawOutcome drawn = rl::event::drawEvent(host, choices);
    require(drawn.outcome == rl::AssignOutcome::Assigned, "a league of the teams is drawn");
    std::minstd_rand random(static_cast<unsigned>(record.size()) + 1);
    const auto pick = [&](std::size_t below) { return random() % below; };
    const auto player = [&](std::size_t team) {
        const auto& roster = list.teams[team].roster;
        return utf8(roster[pick(roster.size())]);
    };
    std::string lines;
    // Now and then a team replaced by a new one of the same players (or of
    // none, which is refused), its roster's lines under the 교체 line.
    if (pick(3) == 0) {
        const std::size_t gone = pick(list.teams.size());
        lines += u8"교체 " + utf8(list.teams[gone].name) + u8" 새 팀\n";
        for (std::size_t i = 0, n = pick(6) == 0 ? 0 : list.teams[gone].roster.size(); i < n; ++i) {
            lines += "\t" + utf8(list.teams[gone].roster[i]) + (pick(4) == 0 ? "\n\n" : "\n");
        }
    }
    for (int i = 0; i < 12; ++i) {
        const std::size_t a = pick(list.teams.size()), b = pick(list.teams.size());
        const std::string first = player(a), second = player(b);
        const std::string head = "A " + std::to_string(1 + pick(4));
        const std::string set = " " + std::to_string(1 + i % 5) + " ";
        // An entry of both teams or of one alone ("P1 :", ": P2").
        const std::size_t entry = pick(8);
        if (entry == 0) lines += head + u8" 엔트리" + set + first + " : " + second + "\n";
        else if (entry == 1) lines += head + u8" 엔트리" + set + first + " :\n";
        else if (entry == 2) lines += head + u8" 엔트리" + set + ": " + second + "\n";
        else lines += head + u8" 세트" + set + first + " : " + second + " " + (pick(2) ? first : second) + "\n";
    }
    const rl::cli::ResultsFile file = rl::cli::readResultsFile(lines + std::string(record), drawn.event);
    require(file.ok() || (file.results.all().empty() && !file.changed.teams), "a refused file keeps nothing");
    if (!file.ok()) return;
    rl::event::Event event = drawn.event;
    event.drawnAt = "2026-12-09T19:30:00";
    event.results = file.results;
    rl::cli::takeChanges(file, event);
    const rl::event::FrontEnd frontEnd = rl::platform::eventFrontEnd();
    const auto written = rl::event::writeEvent(event, frontEnd);
    require(written.has_value(), "a team league writes");
    const rl::event::ReadOutcome read = rl::event::readEvent(*written, frontEnd);
    require(read.ok(), read.error.c_str());
    require(rl::event::writeEvent(*read.event, frontEnd) == written, "a team league writes again the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkFormat(bytes.substr(0, bytes.find('\n')));
    checkTyped(bytes);
    // After a line "--", a team match format's line and a results file for
    // a league of the teams.
    const std::size_t mark = bytes.find("\n--\n");
    const rl::cli::TeamList list = rl::cli::parseTeamList(bytes.substr(0, mark));
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
        require(team.races.size() == team.roster.size(), "a race (or none) for each player");
        for (std::size_t p = 0; p < team.roster.size(); ++p) {
            require(rl::nameProblem(team.roster[p]) == rl::TextProblem::None, "a player's name");
            again += "\t" + utf8(team.roster[p]) + "\t" + std::string(rl::raceLetter(team.races[p])) + "\n";
        }
    }
    const rl::cli::TeamList reread = rl::cli::parseTeamList(again);
    require(reread.ok() && reread.teams.size() == list.teams.size(), "round trip keeps the teams");
    for (std::size_t t = 0; t < list.teams.size(); ++t) {
        require(reread.teams[t].name == list.teams[t].name && reread.teams[t].roster == list.teams[t].roster &&
                    reread.teams[t].races == list.teams[t].races,
                "round trip keeps the rosters and their races");
    }
    if (mark == std::string_view::npos) return 0;
    const std::string_view rest = bytes.substr(mark + 4);
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    checkResults(list, rest.substr(0, end), rest.substr(std::min(end + 1, rest.size())));
    return 0;
}
