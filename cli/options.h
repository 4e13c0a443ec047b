#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "standings/playoff_pairs.h"
#include "standings/results.h"
#include "team/format.h"

namespace rl::cli {

// What --format asks to write: the export text, the event file or its page.
enum class Format { Text, Json, Html };

struct Options {
    std::string participantsFile;  // "-": standard input
    std::optional<std::string> mapsFile;
    int groupCount = 4;
    int groupSize = 4;
    bool tournament = false;
    DrawFormat drawFormat;  // what the groups play beyond the designed options
    bool spreadVacancies = true;
    bool equalMaps = true;
    std::optional<std::uint32_t> seed;  // none: the current time
    std::optional<std::string> outputFile;  // none: standard output
    bool utf8 = false;
    std::optional<std::string> resultsFile;
    Format format = Format::Text;
    std::optional<std::string> title;      // the event's title, for its page and file
    std::optional<std::string> seedText;   // the seed is taken from its SHA-256
    std::optional<std::string> checkFile;  // compare instead of writing
    int playoff = 0;                       // K of --playoff; 0: none
    bool thirdPlace = false;
    std::vector<int> playoffBestOf;        // the playoff's rounds' lengths, the final's last; empty: the groups'
    std::vector<PlayoffPair> playoffPairs; // the playoff's first round from the top; empty: the bracket rule's
    std::optional<WithdrawalRule> withdrawal;  // none: the event's own (walkovers for a new one)
    std::optional<std::string> eventFile;   // inputs, draw and results from an event file
    std::optional<std::string> verifyFile;  // draw an event file again and compare
    bool pots = false;                     // the seeded draw; participant lines may have columns
    bool races = false;                    // each participant line's last column is its race
    bool spreadRaces = false;              // the seeded draw spreads the races over the groups
    std::optional<std::string> placementFile;  // the groups placed by hand, in place of PARTICIPANTS
    std::optional<std::string> teamsFile;      // a team league's teams and rosters, in place of PARTICIPANTS
    std::optional<team::TeamMatchFormat> teamMatch;  // the format of its team matches
    bool help = false;
    bool version = false;
};

struct ParsedOptions {
    Options options;
    std::string error;  // empty when the command line is good

    bool ok() const { return error.empty(); }
};

ParsedOptions parseOptions(const std::vector<std::string>& args);

// What --help writes, made from the same table the parser reads.
const std::string& usageText();

}  // namespace rl::cli
