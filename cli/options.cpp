#include "cli/options.h"

#include <limits>

#include <algorithm>

#include "engine/group_format.h"
#include "engine/limits.h"
#include "engine/series.h"
#include "event/pairs_wording.h"
#include "standings/playoff.h"
#include "team/refusal.h"

namespace rl::cli {

namespace {

// Plain decimal digits only: no sign, no blanks, no trailing text.
std::optional<std::uint64_t> parseUnsigned(const std::string& text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

std::string parseGroupNumber(const std::string& option, const std::string& text, int max, int& out) {
    const auto value = parseUnsigned(text);
    if (!value || *value < 1 || *value > static_cast<std::uint64_t>(max)) {
        return option + " must be a number from 1 to " + std::to_string(max) + ", not '" + text + "'";
    }
    out = static_cast<int>(*value);
    return {};
}

std::string parseSeed(const std::string& text, std::optional<std::uint32_t>& out) {
    const auto value = parseUnsigned(text);
    if (!value || *value > std::numeric_limits<std::uint32_t>::max()) {
        return "--seed must be a number from 0 to 4294967295, not '" + text + "'";
    }
    out = static_cast<std::uint32_t>(*value);
    return {};
}

std::string parseFormat(const std::string& text, Format& out) {
    static const std::pair<const char*, Format> formats[] = {
        {"text", Format::Text}, {"json", Format::Json}, {"html", Format::Html}};
    for (const auto& [name, format] : formats) {
        if (text == name) {
            out = format;
            return {};
        }
    }
    return "--format must be text, json or html, not '" + text + "'";
}

std::string parseWithdrawal(const std::string& text, std::optional<WithdrawalRule>& out) {
    if (text == "walkover") out = WithdrawalRule::Walkovers;
    else if (text == "void") out = WithdrawalRule::Void;
    else return "--withdrawal must be walkover or void, not '" + text + "'";
    return {};
}

std::string parsePlayoff(const std::string& text, int& out) {
    if (text != "1" && text != "2" && text != "4") return "--playoff must be 1, 2 or 4, not '" + text + "'";
    out = text[0] - '0';
    return {};
}

std::string parseBestOf(const std::string& option, const std::string& text, int& out) {
    const auto value = parseUnsigned(text);
    if (!value || !validBestOf(static_cast<int>(std::min<std::uint64_t>(*value, 100)))) {
        return option + " must be 1, 3, 5 or 7, not '" + text + "'";
    }
    out = static_cast<int>(*value);
    return {};
}

std::string parsePlayoffBestOf(const std::string& text, std::vector<int>& out) {
    out.clear();
    std::size_t start = 0;
    for (std::size_t end; out.size() <= kMaxPlayoffLengths; start = end + 1) {
        end = std::min(text.find(',', start), text.size());
        int games = 0;
        if (!parseBestOf("", text.substr(start, end - start), games).empty()) break;
        out.push_back(games);
        if (end == text.size()) return {};
    }
    out.clear();
    return "--playoff-best-of must be up to " + std::to_string(kMaxPlayoffLengths) +
           " lengths of 1, 3, 5 or 7, separated by commas, such as 3,5,7; not '" + text + "'";
}

std::string parsePlayoffPairs(const std::string& text, std::vector<PlayoffPair>& out) {
    const PairsRefusal refusal = parsePairs(text, out);
    return refusal.ok() ? std::string() : "--playoff-pairs: " + event::englishPairs(refusal);
}

// What an option sets: its value, or nothing for a flag; why the value is
// refused, or nothing.
using Setter = std::string (*)(Options&, const std::string& option, const std::string& value);

// One row an option, in the order of the usage text. `shown` is its usage
// column (none: shown with the row before it); help lines after the first
// are indented under it. A draw input is what an event file holds instead.
struct OptionRow {
    const char* name;
    bool takesValue;
    const char* shown;
    const char* help;
    bool drawInput;
    Setter set;
};

constexpr OptionRow kOptionRows[] = {
    {"--maps", true, "--maps FILE", "use maps: one map name per line; without it maps are not used", true,
     [](Options& o, const std::string&, const std::string& v) { return o.mapsFile = v, std::string(); }},
    {"--groups", true, "--groups N", "number of groups, 1 to 8 (default 4)", true,
     [](Options& o, const std::string& n, const std::string& v) { return parseGroupNumber(n, v, kMaxGroups, o.groupCount); }},
    {"--size", true, "--size N", "places per group, 1 to 8 (default 4)", true,
     [](Options& o, const std::string& n, const std::string& v) { return parseGroupNumber(n, v, kMaxGroupSize, o.groupSize); }},
    {"--tournament", false, "--tournament", "knock-out brackets (default: league)", true,
     [](Options& o, const std::string&, const std::string&) { return o.tournament = true, std::string(); }},
    {"--dual", false, "--dual",
     "dual tournament groups of four: two opening matches, the winners' and the\n"
     "losers' match, the decider (with or without --tournament; needs --size 4)", true,
     [](Options& o, const std::string&, const std::string&) { return o.drawFormat.dual = true, std::string(); }},
    {"--no-spread", false, "--no-spread", "leave the vacancies in the last groups (default: spread them evenly)", true,
     [](Options& o, const std::string&, const std::string&) { return o.spreadVacancies = false, std::string(); }},
    {"--random-maps", false, "--random-maps", "draw each map at random (default: deal the maps evenly)", true,
     [](Options& o, const std::string&, const std::string&) { return o.equalMaps = false, std::string(); }},
    {"--seed", true, "--seed N",
     "seed of the draw, 0 to 4294967295 (default: the current time in whole seconds)", true,
     [](Options& o, const std::string&, const std::string& v) { return parseSeed(v, o.seed); }},
    {"--output", true, "--output FILE", "write the result there (default: standard output)", false,
     [](Options& o, const std::string&, const std::string& v) { return o.outputFile = v, std::string(); }},
    {"--utf8", false, "--utf8", "write UTF-8 instead of code page 949", false,
     [](Options& o, const std::string&, const std::string&) { return o.utf8 = true, std::string(); }},
    {"--results", true, "--results FILE",
     "results of the matches played (UTF-8), one a line: GROUP MATCH SCORE, where SCORE\n"
     "is W:L (maps won by the first and the second player, 0 to 99, not equal) or the\n"
     "winner's name; '#' starts a comment. Adds each group's standings to the text", false,
     [](Options& o, const std::string&, const std::string& v) { return o.resultsFile = v, std::string(); }},
    {"--format", true, "--format text|json|html",
     "text: the file the window program exports (default); json: the whole event\n"
     "with its results and standings; html: the event as one web page to share,\n"
     "project and print. json and html are always UTF-8", false,
     [](Options& o, const std::string&, const std::string& v) { return parseFormat(v, o.format); }},
    {"--title", true, "--title TEXT",
     "the event's title: the web page's heading, kept in the event file\n"
     "(default: \"" u8"조 배정 결과" "\")", false,
     [](Options& o, const std::string&, const std::string& v) { return o.title = v, std::string(); }},
    {"--seed-text", true, "--seed-text TEXT",
     "seed taken from a text announced before the draw: the first four bytes of the\n"
     "SHA-256 of its UTF-8 bytes, big-endian", true,
     [](Options& o, const std::string&, const std::string& v) { return o.seedText = v, std::string(); }},
    {"--playoff", true, "--playoff K",
     "the playoff after the groups: the top K (1, 2 or 4) of every group in one\n"
     "knock-out bracket; adds it and the final standings to the text. Its results\n"
     u8"are lines 'P MATCH SCORE' (or '본선 MATCH SCORE') in the results file, and a tie\n"
     u8"that decides who goes through is settled there by lines 'GROUP 결정 NAME',\n"
     "one a member, best first", false,
     [](Options& o, const std::string&, const std::string& v) { return parsePlayoff(v, o.playoff); }},
    {"--third-place", false, "--third-place",
     "with --playoff: a match for third place between the semi-finals' losers", false,
     [](Options& o, const std::string&, const std::string&) { return o.thirdPlace = true, std::string(); }},
    {"--best-of", true, "--best-of N",
     "every group match is a series of N games (1, 3, 5 or 7; default 1), each on a\n"
     "map of its own, won by the first to win (N + 1) / 2; its SCORE is then W:L", true,
     [](Options& o, const std::string& n, const std::string& v) { return parseBestOf(n, v, o.drawFormat.bestOf); }},
    {"--playoff-best-of", true, "--playoff-best-of LIST",
     "with --playoff: the lengths of its rounds counted back from the final, such as\n"
     "3,5,7 (the final best of 7, the semi-finals 5, earlier rounds 3); one number is\n"
     "every round; the third-place match plays the semi-finals' (default: --best-of)", false,
     [](Options& o, const std::string&, const std::string& v) { return parsePlayoffBestOf(v, o.playoffBestOf); }},
    {"--playoff-pairs", true, "--playoff-pairs LIST",
     "with --playoff: its first round from the top of the bracket, such as\n"
     "A1-D2,B1-C2,C1-B2,D1-A2 (group and place); a seat alone, such as A1, goes on\n"
     "by a bye; every player going through once (default: the bracket rule)", false,
     [](Options& o, const std::string&, const std::string& v) { return parsePlayoffPairs(v, o.playoffPairs); }},
    {"--withdrawal", true, "--withdrawal walkover|void",
     u8"what a withdrawal ('기권 NAME' in the results file) does to a league: its\n"
     "player's open matches are walkovers for the opponents (default), or every\n"
     "match of theirs is void and they stand last", false,
     [](Options& o, const std::string&, const std::string& v) { return parseWithdrawal(v, o.withdrawal); }},
    {"--check", true, "--check FILE",
     "write nothing: compare what would be written with FILE; exit 0 when equal,\n"
     "3 with the first line that differs", false,
     [](Options& o, const std::string&, const std::string& v) { return o.checkFile = v, std::string(); }},
    {"--event", true, "--event FILE",
     "take the participants, maps, settings, seed, draw and results from an event file\n"
     "(what --format json writes) instead of PARTICIPANTS and the draw's options;\n"
     "--results then replaces the results of the matches it names", false,
     [](Options& o, const std::string&, const std::string& v) { return o.eventFile = v, std::string(); }},
    {"--verify", true, "--verify FILE",
     "draw an event file again from its inputs and seed and compare: exit 0 when the\n"
     "draw reproduces, 3 with the first group and place that differ", false,
     [](Options& o, const std::string&, const std::string& v) { return o.verifyFile = v, std::string(); }},
    {"--pots", false, "--pots",
     "seeded draw: a participant line may be NAME<TAB>POT<TAB>TAG (either may be empty);\n"
     "each group gets at most one player of a pot (1 to --size), pot 1 first, and\n"
     "players of one tag are kept apart", true,
     [](Options& o, const std::string&, const std::string&) { return o.pots = true, std::string(); }},
    {"--races", false, "--races",
     "each participant line's last column is its race: NAME<TAB>RACE, with --pots\n"
     "NAME<TAB>POT<TAB>TAG<TAB>RACE, with --placement GROUP<TAB>NAME<TAB>RACE; RACE is\n"
     u8"T, Z, P or R (either case) or 테란, 저그, 프로토스, 랜덤, empty for none", true,
     [](Options& o, const std::string&, const std::string&) { return o.races = true, std::string(); }},
    {"--spread-races", false, "--spread-races",
     "seeded draw (needs --races): every group holds each race as evenly as the\n"
     "groups' sizes allow, with the rules of the pots and tags kept", true,
     [](Options& o, const std::string&, const std::string&) { return o.spreadRaces = true, std::string(); }},
    {"--placement", true, "--placement FILE",
     "the groups placed by hand instead of drawn, in place of PARTICIPANTS: lines\n"
     "GROUP<TAB>NAME (UTF-8, '#' starts a comment), each member at its group's next\n"
     "place; the participants are the names in the file's order", true,
     [](Options& o, const std::string&, const std::string& v) { return o.placementFile = v, std::string(); }},
    {"--teams", true, "--teams FILE",
     "a team league: its teams and rosters instead of PARTICIPANTS (UTF-8): a line\n"
     "TEAM, then a line <TAB>PLAYER or <TAB>PLAYER<TAB>RACE for each of its 1 to 16\n"
     "players; needs --team-match", true,
     [](Options& o, const std::string&, const std::string& v) { return o.teamsFile = v, std::string(); }},
    {"--team-match", true, "--team-match FORMAT",
     "every team match's format: sets:N (N odd, 3 to 9, each player one set),\n"
     "sets:N:ace (set N the ace match) or winner:S (winner stays, S from 2 to 5 wins)", true,
     [](Options& o, const std::string&, const std::string& v) {
         const auto parsed = team::parseTeamMatchFormat(v);
         if (const auto* refusal = std::get_if<team::Refusal>(&parsed)) return "--team-match: " + team::englishRefusal(*refusal);
         return o.teamMatch = std::get<team::TeamMatchFormat>(parsed), std::string();
     }},
    {"--help", false, "--help, --version", "", false,
     [](Options& o, const std::string&, const std::string&) { return o.help = true, std::string(); }},
    {"--version", false, nullptr, "", false,
     [](Options& o, const std::string&, const std::string&) { return o.version = true, std::string(); }},
};

const OptionRow* rowOf(const std::string& option) {
    for (const OptionRow& row : kOptionRows) {
        if (option == row.name) return &row;
    }
    return nullptr;
}

bool takesValue(const std::string& option) {
    const OptionRow* row = rowOf(option);
    return row && row->takesValue;
}

std::string applyValue(Options& o, const std::string& option, const std::string& value) {
    return rowOf(option)->set(o, option, value);
}

std::string applyFlag(Options& o, const std::string& option) {
    const OptionRow* row = rowOf(option);
    if (!row) return "unknown option '" + option + "'";
    return row->set(o, option, {});
}

// The usage column is this wide; a longer entry puts its help on the next line.
constexpr std::size_t kUsageColumn = 23;

std::string usageRow(const std::string& shown, std::string_view help) {
    std::string row = "  " + shown;
    if (help.empty()) return row + "\n";
    row += row.size() < kUsageColumn ? std::string(kUsageColumn - row.size(), ' ') : "\n" + std::string(kUsageColumn, ' ');
    for (std::size_t end; (end = help.find('\n')) != std::string_view::npos; help.remove_prefix(end + 1)) {
        row += std::string(help.substr(0, end + 1)) + std::string(kUsageColumn, ' ');
    }
    return row + std::string(help) + "\n";
}

std::string makeUsage() {
    std::string usage =
        "Usage: rosterloom-cli [options] PARTICIPANTS\n"
        "       rosterloom-cli [options] --placement FILE\n"
        "       rosterloom-cli [options] --teams FILE --team-match FORMAT\n"
        "       rosterloom-cli [options] --event FILE\n"
        "       rosterloom-cli --verify FILE\n";
    usage += usageRow("PARTICIPANTS", "text file, one participant name per line (UTF-8); \"-\" reads standard input");
    for (const OptionRow& row : kOptionRows) {
        if (row.shown) usage += usageRow(row.shown, row.help);
    }
    return usage + "Exit status: 0 done, 1 the output could not be written, 2 bad input, 3 --check found a difference,\n"
                   "4 --verify of groups placed by hand (there is no draw to repeat).\n";
}

// An empty name counts as given (reading it then fails): it must not leave
// the place free for a second one.
std::string addParticipantsFile(Options& o, const std::string& arg, bool& given) {
    if (given) return "only one participant file may be given, not also '" + arg + "'";
    o.participantsFile = arg;
    given = true;
    return {};
}

// What an event file holds in place of the draw's own inputs.
bool isDrawInput(const std::string& option) {
    const OptionRow* row = rowOf(option);
    return option == "PARTICIPANTS" || (row && row->drawInput);
}

// --event and --verify against the other options given, in command-line order.
std::string checkEventOptions(const Options& o, const std::vector<std::string>& given) {
    for (const std::string& option : given) {
        if (o.verifyFile && option != "--verify") return "--verify takes no other option, not " + option;
        if (o.eventFile && isDrawInput(option)) {
            return "--event takes the participants, maps, settings and seed from the file, so " + option +
                   " cannot be given with it";
        }
    }
    return {};
}

// A team league's teams stand in place of the participants, and its
// format gives every match's length.
std::string checkTeamOptions(const Options& o, bool fileGiven) {
    if (o.teamMatch && !o.teamsFile) return "--team-match needs --teams";
    if (!o.teamsFile) return {};
    if (!o.teamMatch) return "--teams needs --team-match";
    if (fileGiven) return "--teams takes the participants from its file: '" + o.participantsFile + "' cannot be given with it";
    if (o.placementFile) return "--teams and --placement cannot both be given";
    if (o.pots || o.races) return std::string("--teams names no pots, tags or races: ") + (o.pots ? "--pots" : "--races") + " cannot be given with it";
    if (o.drawFormat.bestOf != 1 || !o.playoffBestOf.empty()) return "--team-match gives every match's length: --best-of and --playoff-best-of cannot be given with it";
    return {};
}

}  // namespace

const std::string& usageText() {
    static const std::string usage = makeUsage();
    return usage;
}

ParsedOptions parseOptions(const std::vector<std::string>& args) {
    ParsedOptions parsed;
    Options& o = parsed.options;
    bool optionsEnded = false, fileGiven = false;
    std::vector<std::string> given;  // every option, PARTICIPANTS for the file
    for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            parsed.error = addParticipantsFile(o, arg, fileGiven);
            given.push_back("PARTICIPANTS");
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (const auto equals = arg.find('='); equals != std::string::npos && takesValue(arg.substr(0, equals))) {
            parsed.error = applyValue(o, arg.substr(0, equals), arg.substr(equals + 1));
            given.push_back(arg.substr(0, equals));
        } else if (takesValue(arg)) {
            if (i + 1 == args.size()) {
                parsed.error = "option " + arg + " needs a value";
            } else {
                parsed.error = applyValue(o, arg, args[++i]);
            }
            given.push_back(arg);
        } else {
            parsed.error = applyFlag(o, arg);
            given.push_back(arg);
        }
    }
    if (parsed.ok() && o.eventFile && o.verifyFile) parsed.error = "--event and --verify cannot both be given";
    if (parsed.ok()) parsed.error = checkEventOptions(o, given);
    if (parsed.ok()) parsed.error = checkTeamOptions(o, fileGiven);
    if (parsed.ok() && !o.help && !o.version && !fileGiven && !o.eventFile && !o.verifyFile && !o.placementFile &&
        !o.teamsFile) {
        parsed.error = "no participant file given";
    }
    if (parsed.ok() && o.placementFile && fileGiven) {
        parsed.error = "--placement takes the participants from its file: '" + o.participantsFile + "' cannot be given with it";
    }
    if (parsed.ok() && o.placementFile && o.pots) parsed.error = "--placement and --pots cannot both be given";
    if (parsed.ok() && o.spreadRaces && !o.races) parsed.error = "--spread-races needs --races";
    if (parsed.ok() && o.placementFile && o.spreadRaces) {
        parsed.error = "--placement places the groups by hand, so --spread-races cannot be given with it";
    }
    if (parsed.ok() && o.thirdPlace && o.playoff == 0) parsed.error = "--third-place needs --playoff";
    if (parsed.ok() && !fitsGroupSize(groupFormat(o.tournament, o.drawFormat.dual), o.groupSize)) {
        parsed.error = "--dual plays groups of four: it cannot be given with --size " + std::to_string(o.groupSize);
    }
    if (parsed.ok() && !o.playoffBestOf.empty() && o.playoff == 0) parsed.error = "--playoff-best-of needs --playoff";
    if (parsed.ok() && !o.playoffPairs.empty() && o.playoff == 0) parsed.error = "--playoff-pairs needs --playoff";
    if (parsed.ok() && o.seed && o.seedText) parsed.error = "--seed and --seed-text cannot both be given";
    if (parsed.ok() && o.checkFile && o.outputFile) {
        parsed.error = "--check writes nothing, so --output cannot be given with it";
    }
    return parsed;
}

}  // namespace rl::cli
