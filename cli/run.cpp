#include "cli/run.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>

#include "cli/check.h"
#include "cli/encoding.h"
#include "cli/event_json.h"
#include "cli/name_list.h"
#include "cli/options.h"
#include "cli/platform.h"
#include "cli/results_file.h"
#include "cli/seed_text.h"
#include "engine/assignment.h"
#include "engine/list_host.h"
#include "page/page.h"
#include "resources/strings.h"
#include "standings/standings_text.h"
#include "text/export_text.h"

namespace rl::cli {

namespace {

constexpr const char* kProgram = "rosterloom-cli";

void complain(const std::string& message) { std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str()); }

std::string displayName(const std::string& file) { return file == "-" ? "standard input" : file; }

// The whole file, or nothing after saying why.
std::optional<std::string> readAll(const std::string& file) {
    std::FILE* in = file == "-" ? stdin : std::fopen(file.c_str(), "rb");
    if (!in) {
        complain("cannot read '" + file + "': " + std::strerror(errno));
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) bytes.append(buffer, got);
    const bool failed = std::ferror(in) != 0;
    const int error = errno;
    if (in != stdin) std::fclose(in);
    if (failed) {
        complain("cannot read '" + displayName(file) + "': " + std::strerror(error));
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::vector<std::string>> readNames(const std::string& file, std::size_t maxNames,
                                                  std::string_view noun) {
    const auto bytes = readAll(file);
    if (!bytes) return std::nullopt;
    NameList list = parseNameList(*bytes, maxNames, noun);
    if (!list.ok()) {
        std::fprintf(stderr, "%s:%d: %s\n", displayName(file).c_str(), list.errorLine, list.error.c_str());
        return std::nullopt;
    }
    return std::move(list.names);
}

const char* messageText(int stringId) {
    switch (stringId) {
    case IDS_NO_PARTICIPANTS: return STR_NO_PARTICIPANTS;
    case IDS_TOO_MANY_PARTICIPANTS: return STR_TOO_MANY_PARTICIPANTS;
    case IDS_NO_MAPS: return STR_NO_MAPS;
    default: return "";
    }
}

// The window program's message box, as UTF-8 text for a person.
void showRefusal(const ListHost& host) {
    const int id = host.shownMessages.empty() ? 0 : host.shownMessages.back();
    const auto text = cp949ToUtf8(messageText(id));
    std::fprintf(stderr, "%s\n", text ? text->c_str() : "the settings were refused");
}

bool fillHost(ListHost& host, const Options& o, std::optional<std::uint32_t> seed) {
    auto participants = readNames(o.participantsFile, kMaxParticipants, "participants");
    if (!participants) return false;
    host.participants = std::move(*participants);
    if (o.mapsFile) {
        auto maps = readNames(*o.mapsFile, kMaxMaps, "maps");
        if (!maps) return false;
        host.maps = std::move(*maps);
    }
    host.mapsEnabled = o.mapsFile.has_value();
    host.equalMaps = o.equalMaps;
    host.tournament = o.tournament;
    host.spreadVacancies = o.spreadVacancies;
    host.groupCountText = std::to_string(o.groupCount);
    host.groupSizeText = std::to_string(o.groupSize);
    host.clock = seed ? *seed : static_cast<std::uint32_t>(std::time(nullptr));
    return true;
}

int writeOutput(const Options& o, std::string_view text) {
    if (o.outputFile) {
        const std::string problem = replaceFile(*o.outputFile, text);
        if (!problem.empty()) {
            complain("cannot write '" + *o.outputFile + "': " + problem);
            return kExitFailed;
        }
        return kExitOk;
    }
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        complain(std::string("cannot write to standard output: ") + std::strerror(errno));
        return kExitFailed;
    }
    return kExitOk;
}

// The seed that --seed-text stands for, with its text as UTF-8.
bool seedFromOptions(const Options& o, SeedInfo& seed, std::optional<std::uint32_t>& given) {
    given = o.seed;
    if (!o.seedText) return true;
    seed.text = argumentToUtf8(*o.seedText);
    if (!seed.text) {
        complain("--seed-text is not valid text");
        return false;
    }
    given = seedFromText(*seed.text);
    if (!given) complain("cannot compute the SHA-256 of --seed-text");
    return given.has_value();
}

bool readResults(const Options& o, const AssignmentState& state, ListHost& host, Results& results) {
    if (!o.resultsFile) return true;
    const auto bytes = readAll(*o.resultsFile);
    if (!bytes) return false;
    ResultsFile file = readResultsFile(*bytes, state, host);
    if (!file.ok()) {
        std::fprintf(stderr, "%s:%d: %s\n", displayName(*o.resultsFile).c_str(), file.errorLine, file.error.c_str());
        return false;
    }
    results = std::move(file.results);
    return true;
}

// When the draw was made, as the page tells it: now, local time; or, for a
// page that must come out the same again, SOURCE_DATE_EPOCH (UTC), the usual
// way to pin the date in generated files.
std::string drawnAtNow() {
    std::time_t now = std::time(nullptr);
    const char* pinned = std::getenv("SOURCE_DATE_EPOCH");
    if (pinned && *pinned) now = static_cast<std::time_t>(std::strtoll(pinned, nullptr, 10));
    const std::tm* at = pinned && *pinned ? std::gmtime(&now) : std::localtime(&now);
    char text[32] = "";
    if (at) std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", at);
    return text;
}

// The page's heading as UTF-8; empty for the default one.
bool titleFromOptions(const Options& o, std::string& title) {
    if (!o.title) return true;
    auto utf8 = argumentToUtf8(*o.title);
    if (!utf8) complain("--title is not valid text");
    title = utf8.value_or("");
    return utf8.has_value();
}

std::optional<std::string> pageText(const std::string& title, const AssignmentState& state, const Results& results,
                                    ListHost& host, const SeedInfo& seed) {
    page::Header header;
    header.title = title;
    header.drawnAt = drawnAtNow();
    header.seed = seed.seed;
    header.seedText = seed.text;
    header.program = std::string("Rosterloom ") + ROSTERLOOM_VERSION;
    const auto view = page::pageViewOf(state, results, host, header, cp949ToUtf8);
    if (!view) {
        complain("cannot convert the result to UTF-8");
        return std::nullopt;
    }
    return page::renderPage(*view);
}

// What the options ask to write: the export (with the standings after it
// when results were given) or the JSON of the whole event.
std::optional<std::string> render(const Options& o, const AssignmentState& state, const Results& results,
                                  ListHost& host, const SeedInfo& seed, const std::string& title) {
    if (o.html) return pageText(title, state, results, host, seed);
    if (o.json) {
        auto json = eventJson(state, results, host, seed, cp949ToUtf8);
        if (!json) complain("cannot convert the result to UTF-8");
        return json;
    }
    std::string text = o.resultsFile ? standingsFileText(state, results, host) : exportFileText(state, host);
    if (!o.utf8) return text;
    auto converted = cp949ToUtf8(text);
    if (!converted) complain("cannot convert the result to UTF-8");
    return converted;
}

int check(const Options& o, std::string_view text) {
    const auto found = readAll(*o.checkFile);
    if (!found) return kExitBadInput;
    const auto difference = firstDifference(text, *found);
    if (!difference) {
        std::fputs("matches\n", stderr);
        return kExitOk;
    }
    const bool cp949 = !o.json && !o.html && !o.utf8;
    std::fprintf(stderr, "%s: '%s' differs at line %d\n  expected: %s\n  found:    %s\n", kProgram,
                 displayName(*o.checkFile).c_str(), difference->number, showLine(difference->expected, cp949).c_str(),
                 showLine(difference->found, cp949).c_str());
    return kExitMismatch;
}

int draw(const Options& o) {
    SeedInfo seed;
    std::optional<std::uint32_t> given;
    std::string title;
    if (!seedFromOptions(o, seed, given) || !titleFromOptions(o, title)) return kExitBadInput;
    ListHost host;
    if (!fillHost(host, o, given)) return kExitBadInput;

    AssignmentState state;
    switch (assign(state, host)) {
    case AssignOutcome::Assigned: break;
    case AssignOutcome::Rejected: showRefusal(host); return kExitBadInput;
    case AssignOutcome::OutOfMemory: complain("out of memory"); return kExitFailed;
    }
    Results results;
    if (!readResults(o, state, host, results)) return kExitBadInput;

    seed.seed = host.clock;
    const auto text = render(o, state, results, host, seed, title);
    if (!text) return kExitFailed;
    std::fprintf(stderr, "seed: %lu%s\n", static_cast<unsigned long>(host.clock), seed.text ? " (from text)" : "");
    return o.checkFile ? check(o, *text) : writeOutput(o, *text);
}

}  // namespace

int runCli(const std::vector<std::string>& args) {
    useBinaryStdio();
    const ParsedOptions parsed = parseOptions(args);
    if (!parsed.ok()) {
        complain(parsed.error);
        std::fprintf(stderr, "Try '%s --help'.\n", kProgram);
        return kExitBadInput;
    }
    if (parsed.options.help) {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    if (parsed.options.version) {
        std::printf("%s %s\n", kProgram, ROSTERLOOM_VERSION);
        return kExitOk;
    }
    return draw(parsed.options);
}

}  // namespace rl::cli
