#include "cli/options.h"

#include <limits>

namespace rl::cli {

const char* const kUsage =
    "Usage: rosterloom-cli [options] PARTICIPANTS\n"
    "       rosterloom-cli [options] --event FILE\n"
    "       rosterloom-cli --verify FILE\n"
    "  PARTICIPANTS         text file, one participant name per line (UTF-8); \"-\" reads standard input\n"
    "  --maps FILE          use maps: one map name per line; without it maps are not used\n"
    "  --groups N           number of groups, 1 to 8 (default 4)\n"
    "  --size N             places per group, 1 to 8 (default 4)\n"
    "  --tournament         knock-out brackets (default: league)\n"
    "  --dual               dual tournament groups of four: two opening matches, the winners' and the\n"
    "                       losers' match, the decider (with or without --tournament; needs --size 4)\n"
    "  --no-spread          leave the vacancies in the last groups (default: spread them evenly)\n"
    "  --random-maps        draw each map at random (default: deal the maps evenly)\n"
    "  --seed N             seed of the draw, 0 to 4294967295 (default: the current time in whole seconds)\n"
    "  --output FILE        write the result there (default: standard output)\n"
    "  --utf8               write UTF-8 instead of code page 949\n"
    "  --results FILE       results of the matches played (UTF-8), one a line: GROUP MATCH SCORE, where SCORE\n"
    "                       is W:L (maps won by the first and the second player, 0 to 99, not equal) or the\n"
    "                       winner's name; '#' starts a comment. Adds each group's standings to the text\n"
    "  --format text|json|html\n"
    "                       text: the file the window program exports (default); json: the whole event\n"
    "                       with its results and standings; html: the event as one web page to share,\n"
    "                       project and print. json and html are always UTF-8\n"
    "  --title TEXT         the event's title: the web page's heading, kept in the event file\n"
    "                       (default: \"" u8"조 배정 결과" "\")\n"
    "  --seed-text TEXT     seed taken from a text announced before the draw: the first four bytes of the\n"
    "                       SHA-256 of its UTF-8 bytes, big-endian\n"
    "  --playoff K          the playoff after the groups: the top K (1, 2 or 4) of every group in one\n"
    "                       knock-out bracket; adds it and the final standings to the text. Its results\n"
    u8"                       are lines 'P MATCH SCORE' (or '본선 MATCH SCORE') in the results file, and a tie\n"
    u8"                       that decides who goes through is settled there by lines 'GROUP 결정 NAME',\n"
    "                       one a member, best first\n"
    "  --third-place        with --playoff: a match for third place between the semi-finals' losers\n"
    "  --check FILE         write nothing: compare what would be written with FILE; exit 0 when equal,\n"
    "                       3 with the first line that differs\n"
    "  --event FILE         take the participants, maps, settings, seed, draw and results from an event file\n"
    "                       (what --format json writes) instead of PARTICIPANTS and the draw's options;\n"
    "                       --results then replaces the results of the matches it names\n"
    "  --verify FILE        draw an event file again from its inputs and seed and compare: exit 0 when the\n"
    "                       draw reproduces, 3 with the first group and place that differ\n"
    "  --pots               seeded draw: a participant line may be NAME<TAB>POT<TAB>TAG (either may be empty);\n"
    "                       each group gets at most one player of a pot (1 to --size), pot 1 first, and\n"
    "                       players of one tag are kept apart\n"
    "  --help, --version\n"
    "Exit status: 0 done, 1 the output could not be written, 2 bad input, 3 --check found a difference.\n";

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

std::string parseGroupNumber(const std::string& option, const std::string& text, int& out) {
    const auto value = parseUnsigned(text);
    if (!value || *value < 1 || *value > 8) return option + " must be a number from 1 to 8, not '" + text + "'";
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

bool takesValue(const std::string& option) {
    static const char* const options[] = {"--maps",    "--groups", "--size",      "--seed",
                                          "--output",  "--results", "--format", "--seed-text", "--check",
                                          "--event",   "--verify",  "--playoff",
                                          "--title"};
    for (const char* o : options) {
        if (option == o) return true;
    }
    return false;
}

std::string parseFormat(const std::string& text, Options& o) {
    if (text != "text" && text != "json" && text != "html") {
        return "--format must be text, json or html, not '" + text + "'";
    }
    o.json = text == "json";
    o.html = text == "html";
    return {};
}

std::string parsePlayoff(const std::string& text, int& out) {
    if (text != "1" && text != "2" && text != "4") return "--playoff must be 1, 2 or 4, not '" + text + "'";
    out = text[0] - '0';
    return {};
}

std::string applyValue(Options& o, const std::string& option, const std::string& value) {
    if (option == "--maps") o.mapsFile = value;
    else if (option == "--output") o.outputFile = value;
    else if (option == "--groups") return parseGroupNumber(option, value, o.groupCount);
    else if (option == "--size") return parseGroupNumber(option, value, o.groupSize);
    else if (option == "--seed") return parseSeed(value, o.seed);
    else if (option == "--results") o.resultsFile = value;
    else if (option == "--format") return parseFormat(value, o);
    else if (option == "--seed-text") o.seedText = value;
    else if (option == "--check") o.checkFile = value;
    else if (option == "--title") o.title = value;
    else if (option == "--event") o.eventFile = value;
    else if (option == "--verify") o.verifyFile = value;
    else if (option == "--playoff") return parsePlayoff(value, o.playoff);
    return {};
}

std::string applyFlag(Options& o, const std::string& option) {
    if (option == "--tournament") o.tournament = true;
    else if (option == "--dual") o.dual = true;
    else if (option == "--no-spread") o.spreadVacancies = false;
    else if (option == "--random-maps") o.equalMaps = false;
    else if (option == "--utf8") o.utf8 = true;
    else if (option == "--third-place") o.thirdPlace = true;
    else if (option == "--pots") o.pots = true;
    else if (option == "--help") o.help = true;
    else if (option == "--version") o.version = true;
    else return "unknown option '" + option + "'";
    return {};
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
    static const char* const inputs[] = {"PARTICIPANTS", "--maps",        "--groups", "--size",
                                         "--tournament", "--dual",        "--no-spread",   "--random-maps",
                                         "--seed",       "--seed-text",   "--pots"};
    for (const char* input : inputs) {
        if (option == input) return true;
    }
    return false;
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

}  // namespace

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
    if (parsed.ok() && !o.help && !o.version && !fileGiven && !o.eventFile && !o.verifyFile) {
        parsed.error = "no participant file given";
    }
    if (parsed.ok() && o.thirdPlace && o.playoff == 0) parsed.error = "--third-place needs --playoff";
    if (parsed.ok() && o.dual && o.groupSize != 4) {
        parsed.error = "--dual plays groups of four: it cannot be given with --size " + std::to_string(o.groupSize);
    }
    if (parsed.ok() && o.seed && o.seedText) parsed.error = "--seed and --seed-text cannot both be given";
    if (parsed.ok() && o.checkFile && o.outputFile) {
        parsed.error = "--check writes nothing, so --output cannot be given with it";
    }
    return parsed;
}

}  // namespace rl::cli
