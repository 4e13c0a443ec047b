#include "cli/team_list.h"

#include <algorithm>
#include <optional>

#include "cli/name_list.h"
#include "engine/limits.h"

namespace rl::cli {

namespace {

bool skipped(std::string_view line) {
    return line.front() == '#' || line.find_first_not_of(" \t") == std::string_view::npos;
}

struct Fault {
    int line = 0;
    std::string text;
};

// Reads the lines one by one into teams; a team without players is found
// when the next team begins, or at the end, and named by its own line.
class Reader {
public:
    std::optional<Fault> take(std::string_view line, int number) {
        std::string problem;
        if (line.front() == '\t') {
            problem = player(line.substr(1));
        } else if (line.find('\t') != std::string_view::npos) {
            problem = "a team's line has no tab; a player's line begins with one";
        } else if (std::optional<Fault> empty = finish()) {
            return empty;
        } else {
            problem = startTeam(line, number);
        }
        if (problem.empty()) return std::nullopt;
        return Fault{number, std::move(problem)};
    }

    std::optional<Fault> finish() const {
        if (teams.empty() || !teams.back().roster.empty()) return std::nullopt;
        return Fault{teamLine_, "the team " + teamName_ + " has no players (lines <TAB>PLAYER under it)"};
    }

    std::vector<team::Team> teams;

private:
    std::string startTeam(std::string_view utf8, int number) {
        std::string name;
        if (std::string problem = checkName(utf8, name); !problem.empty()) return problem;
        if (teams.size() == kMaxParticipants) return "more than " + std::to_string(kMaxParticipants) + " teams";
        teams.push_back({std::move(name), {}});
        teamName_ = utf8;
        teamLine_ = number;
        return {};
    }

    std::string player(std::string_view utf8) {
        if (teams.empty()) return "a player's line (it begins with a tab) comes before any team's line";
        std::string name;
        if (std::string problem = checkName(utf8, name); !problem.empty()) return problem;
        std::vector<std::string>& roster = teams.back().roster;
        if (std::find(roster.begin(), roster.end(), name) != roster.end()) {
            return "the player " + std::string(utf8) + " is on the team's roster already";
        }
        if (roster.size() == team::kMaxRoster) {
            return "the team " + teamName_ + " has more than " + std::to_string(team::kMaxRoster) + " players";
        }
        roster.push_back(std::move(name));
        return {};
    }

    std::string teamName_;  // UTF-8, as the messages name it
    int teamLine_ = 0;
};

}  // namespace

TeamList parseTeamList(std::string_view bytes) {
    TeamList list;
    Reader reader;
    ListLines lines(bytes);
    std::string_view line;
    std::optional<Fault> fault;
    while (!fault && lines.next(line)) {
        if (!skipped(line)) fault = reader.take(line, lines.number());
    }
    if (!fault) fault = reader.finish();
    if (fault) {
        list.errorLine = fault->line;
        list.error = std::move(fault->text);
        return list;
    }
    list.teams = std::move(reader.teams);
    return list;
}

}  // namespace rl::cli
