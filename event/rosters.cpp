#include "event/rosters.h"

#include <algorithm>
#include <iterator>

#include "engine/limits.h"
#include "event/refusal.h"

namespace rl::event {

namespace {

// Every row names its values by slot: {0} the team, {1} the player, {2} the
// most players of a team or the most teams.
struct FaultWording {
    RosterProblem problem;
    const char* english;
    const char* korean;
};

constexpr FaultWording kWordings[] = {
    {RosterProblem::None, "", ""},
    {RosterProblem::Name, nullptr, nullptr},  // the name's own fault (placement.h)
    {RosterProblem::TeamLineTab, "a team's line has no tab; a player's line begins with one",
     u8"팀 줄에는 탭이 없어야 합니다. 선수 줄은 탭으로 시작합니다."},
    {RosterProblem::PlayerFirst, "a player's line (it begins with a tab) comes before any team's line",
     u8"선수 줄(탭으로 시작하는 줄)이 팀 줄보다 먼저 나옵니다."},
    {RosterProblem::PlayerTwice, "the player {1} is on the team's roster already", u8"'{1}' 선수가 이미 팀의 명단에 있습니다."},
    {RosterProblem::RosterFull, "the team {0} has more than {2} players", u8"'{0}' 팀의 선수가 {2}명을 넘습니다."},
    {RosterProblem::NoPlayers, "the team {0} has no players (lines <TAB>PLAYER under it)",
     u8"'{0}' 팀에 선수가 없습니다. 팀 줄 아래에 '<탭>선수' 줄을 쓰세요."},
    {RosterProblem::TooManyTeams, "more than {2} teams", u8"팀이 {2}개를 넘습니다."},
    {RosterProblem::NotRegistered, "the team {0} is not a registered participant (or is named more often than registered)",
     u8"'{0}' 팀은 등록된 참가자가 아닙니다(또는 등록된 것보다 여러 번 나옵니다)."},
    {RosterProblem::Race, nullptr, nullptr},  // the race's own fault (placement.h)
    {RosterProblem::PlayerColumns, "a player's line holds the player and, after a tab, the race: no more columns",
     u8"선수 줄에는 선수와 탭 뒤의 종족만 씁니다. 칸이 더 있습니다."},
    {RosterProblem::NoRoster, "the team {0} has no players",
     u8"'{0}' 팀의 선수 명단이 비어 있습니다.\n시스템 메뉴의 '팀 명단'에서 선수를 입력하세요."},
};

constexpr bool inOrder() {
    for (std::size_t i = 0; i < std::size(kWordings); ++i) {
        if (static_cast<std::size_t>(kWordings[i].problem) != i) return false;
    }
    return static_cast<std::size_t>(RosterProblem::NoRoster) + 1 == std::size(kWordings);  // the last kind
}
static_assert(inOrder(), "one wording for each kind of roster fault, in order");

std::string worded(const RosterFault& f, bool korean) {
    const std::size_t limit = f.problem == RosterProblem::TooManyTeams ? kMaxParticipants : team::kMaxRoster;
    const FaultWording& row = kWordings[static_cast<std::size_t>(f.problem)];
    return filledIn(korean ? row.korean : row.english, {f.team, f.player, std::to_string(limit)});
}

RosterFault fault(RosterProblem problem, std::string team = {}, std::string player = {}) {
    return {problem, 0, std::move(team), std::move(player), {}};
}

RosterFault nameFault(std::string_view utf8, const PlacementCodec& codec, std::string& cp949) {
    RosterFault f;
    f.name = checkListName(utf8, codec, cp949);
    if (!f.name.ok()) f.problem = RosterProblem::Name;
    return f;
}

bool skipped(std::string_view line) {
    return line.front() == '#' || line.find_first_not_of(" \t") == std::string_view::npos;
}

// The text's lines that are not skipped, each with its number (from 1), in
// order, as far as the first fault, which names its line unless it names one.
template <typename Take>
RosterFault forEachLine(std::string_view bytes, Take take) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
    for (int number = 1; !bytes.empty(); ++number) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || skipped(line)) continue;
        RosterFault f = take(line, number);
        if (!f.ok()) return f.line = f.line ? f.line : number, f;
    }
    return {};
}

// The race after the player's tab, as the participants' race column is
// read; a line without one is no race.
RosterFault raceColumn(std::string_view& utf8, const PlacementCodec& codec, Race& race) {
    const std::size_t tab = utf8.find('\t');
    race = Race::None;
    if (tab == std::string_view::npos) return {};
    const std::string_view column = utf8.substr(tab + 1);
    utf8 = utf8.substr(0, tab);
    if (column.find('\t') != std::string_view::npos) return fault(RosterProblem::PlayerColumns);
    RosterFault f;
    f.name = checkListRace(column, codec, race);
    if (!f.name.ok()) f.problem = RosterProblem::Race;
    return f;
}

// A player taken onto a roster: a name, not there yet, and room for it.
RosterFault addPlayer(std::string_view utf8, const std::string& team, const PlacementCodec& codec,
                      std::vector<std::string>& roster, std::vector<Race>& races) {
    Race race = Race::None;
    RosterFault f = raceColumn(utf8, codec, race);
    std::string name;
    if (f.ok()) f = nameFault(utf8, codec, name);
    if (!f.ok()) return f;
    if (std::find(roster.begin(), roster.end(), name) != roster.end()) return fault(RosterProblem::PlayerTwice, team, std::string(utf8));
    if (roster.size() == team::kMaxRoster) return fault(RosterProblem::RosterFull, team);
    roster.push_back(std::move(name));
    races.push_back(race);
    return {};
}

// The roster file's lines one by one into teams; a team without players is
// found when the next team begins, or at the end, and named by its own line.
class Reader {
public:
    explicit Reader(const PlacementCodec& codec) : codec_(codec) {}

    RosterFault take(std::string_view line, int number) {
        if (line.front() == '\t') {
            if (teams.empty()) return fault(RosterProblem::PlayerFirst);
            return addPlayer(line.substr(1), teamName_, codec_, teams.back().roster, teams.back().races);
        }
        if (line.find('\t') != std::string_view::npos) return fault(RosterProblem::TeamLineTab);
        if (RosterFault empty = finish(); !empty.ok()) return empty;
        return startTeam(line, number);
    }

    RosterFault finish() const {
        if (teams.empty() || !teams.back().roster.empty()) return {};
        RosterFault f = fault(RosterProblem::NoPlayers, teamName_);
        f.line = teamLine_;
        return f;
    }

    std::vector<team::Team> teams;

private:
    RosterFault startTeam(std::string_view utf8, int number) {
        std::string name;
        if (RosterFault f = nameFault(utf8, codec_, name); !f.ok()) return f;
        if (teams.size() == kMaxParticipants) return fault(RosterProblem::TooManyTeams);
        teams.push_back({std::move(name), {}, {}});
        teamName_ = utf8;
        teamLine_ = number;
        return {};
    }

    const PlacementCodec& codec_;
    std::string teamName_;  // UTF-8, as the messages name it
    int teamLine_ = 0;
};

}  // namespace

std::string englishRosterFault(const RosterFault& fault) {
    return fault.name.ok() ? worded(fault, false) : englishPlacementFault(fault.name);
}

std::string koreanRosterFault(const RosterFault& fault) {
    return fault.name.ok() ? worded(fault, true) : koreanPlacementFault(fault.name);
}

RosterText readRosterText(std::string_view utf8, const PlacementCodec& codec) {
    RosterText text;
    Reader reader(codec);
    text.fault = forEachLine(utf8, [&](std::string_view line, int number) { return reader.take(line, number); });
    if (text.fault.ok()) text.fault = reader.finish();
    if (text.fault.ok()) text.teams = std::move(reader.teams);
    return text;
}

RosterFault readRosterLines(std::string_view utf8, const std::string& team, const PlacementCodec& codec,
                            std::vector<std::string>& roster, std::vector<Race>& races) {
    std::vector<std::string> read;
    std::vector<Race> raced;
    RosterFault f = forEachLine(utf8, [&](std::string_view line, int) { return addPlayer(line, team, codec, read, raced); });
    if (f.ok()) roster = std::move(read), races = std::move(raced);
    return f;
}

std::string rosterLines(const std::vector<std::string>& roster, const std::vector<Race>& races) {
    std::string text;
    for (std::size_t i = 0; i < roster.size(); ++i) {
        const std::string_view race = raceLetter(i < races.size() ? races[i] : Race::None);
        text += roster[i] + (race.empty() ? "" : "\t" + std::string(race)) + "\r\n";
    }
    return text;
}

bool isRosterFile(std::string_view utf8) {
    bool player = false;
    forEachLine(utf8, [&](std::string_view line, int) { return player = player || line.front() == '\t', RosterFault{}; });
    return player;
}

RosterFault rostersFromText(const RosterText& text, const std::vector<std::string>& participants,
                            const PlacementCodec& codec, std::vector<std::vector<std::string>>& rosters,
                            std::vector<std::vector<Race>>& races) {
    std::vector<std::vector<std::string>> given = rosters;
    std::vector<std::vector<Race>> raced = races;
    given.resize(participants.size());
    raced.resize(participants.size());
    std::vector<bool> taken(participants.size(), false);
    for (const team::Team& team : text.teams) {
        std::size_t i = 0;
        while (i < participants.size() && (participants[i] != team.name || taken[i])) ++i;
        if (i == participants.size()) return fault(RosterProblem::NotRegistered, codec.toUtf8(team.name).value_or("?"));
        taken[i] = true;
        given[i] = team.roster;
        raced[i] = team.races;
    }
    rosters = std::move(given);
    races = std::move(raced);
    return {};
}

RosterFault missingRoster(const std::vector<std::string>& participants,
                          const std::vector<std::vector<std::string>>& rosters, const PlacementCodec& codec) {
    for (std::size_t i = 0; i < participants.size(); ++i) {
        if (i >= rosters.size() || rosters[i].empty()) return fault(RosterProblem::NoRoster, codec.toUtf8(participants[i]).value_or("?"));
    }
    return {};
}

}  // namespace rl::event
