#include "cli/run.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>

#include "cli/check.h"
#include "cli/name_list.h"
#include "cli/options.h"
#include "cli/results_file.h"
#include "cli/team_list.h"
#include "engine/assignment.h"
#include "engine/list_host.h"
#include "engine/seeding.h"
#include "event/actions.h"
#include "event/draw.h"
#include "event/event.h"
#include "event/placement.h"
#include "event/team_actions.h"
#include "page/event_page.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/front_end.h"
#include "platform/sha256.h"
#include "standings/standings_text.h"
#include "text/export_text.h"

namespace rl::cli {

using platform::argumentToUtf8;
using platform::cp949ToUtf8;
using platform::eventFrontEnd;
using platform::openForReading;
using platform::replaceFile;
using platform::seedFromText;
using platform::useBinaryStdio;

namespace {

constexpr const char* kProgram = "rosterloom-cli";

void complain(const std::string& message) { std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str()); }

std::string displayName(const std::string& file) { return file == "-" ? "standard input" : file; }

// No input the program takes comes near this; an event file has the same
// bound, and its reader says so itself.
constexpr std::size_t kMaxInputBytes = event::kMaxEventFileBytes;

// The file up to one byte past kMaxInputBytes (the event reader refuses that
// byte), or nothing after saying why (unless told to keep quiet).
std::optional<std::string> readUpToLimit(const std::string& file, bool quiet = false) {
    std::FILE* in = file == "-" ? stdin : openForReading(file);
    if (!in) {
        if (!quiet) complain("cannot read '" + file + "': " + std::strerror(errno));
        return std::nullopt;
    }
    auto bytes = platform::readUpTo(in, kMaxInputBytes);
    const int error = errno;
    if (in != stdin) std::fclose(in);
    if (!bytes && !quiet) complain("cannot read '" + displayName(file) + "': " + std::strerror(error));
    return bytes;
}

// The whole file, or nothing after saying why (unless told to keep quiet).
std::optional<std::string> readAll(const std::string& file, bool quiet = false) {
    auto bytes = readUpToLimit(file, quiet);
    if (bytes && bytes->size() > kMaxInputBytes) {
        if (!quiet) complain("cannot read '" + displayName(file) + "': it is larger than " +
                             std::to_string(kMaxInputBytes / 1024 / 1024) + " MiB");
        return std::nullopt;
    }
    return bytes;
}

// The event in a file, or nothing after the reader's message.
std::optional<event::Event> readEventFile(const std::string& file) {
    const auto bytes = readUpToLimit(file);
    if (!bytes) return std::nullopt;
    event::ReadOutcome read = event::readEvent(*bytes, eventFrontEnd());
    if (!read.ok()) std::fprintf(stderr, "%s: %s\n", displayName(file).c_str(), read.error.c_str());
    return std::move(read.event);
}

std::optional<NameList> readNames(const std::string& file, std::size_t maxNames, std::string_view noun,
                                  Columns columns = Columns::Kept, bool races = false) {
    const auto bytes = readAll(file);
    if (!bytes) return std::nullopt;
    NameList list = parseNameList(*bytes, maxNames, noun, columns, races);
    if (!list.ok()) {
        std::fprintf(stderr, "%s:%d: %s\n", displayName(file).c_str(), list.errorLine, list.error.c_str());
        return std::nullopt;
    }
    return list;
}

// The window program's message box, as UTF-8 text for a person.
void showRefusal(const ListHost& host) {
    const int id = host.shownMessages.empty() ? 0 : host.shownMessages.back();
    const auto text = cp949ToUtf8(drawRefusalText(id));
    std::fprintf(stderr, "%s\n", text ? text->c_str() : "the settings were refused");
}

void showSeedRefusal(const SeedRefusal& refusal) {
    const auto text = cp949ToUtf8(seedRefusalText(refusal));
    std::fprintf(stderr, "%s\n", text ? text->c_str() : "the pots or tags were refused");
}

// The main window's controls as the options set them.
Settings designedSettings(const Options& o) {
    Settings s;
    s.mapsEnabled = o.mapsFile.has_value();
    s.equalMaps = o.equalMaps;
    s.format = groupFormat(o.tournament, false);
    s.spreadVacancies = o.spreadVacancies;
    s.groupCount = o.groupCount;
    s.groupSize = o.groupSize;
    return s;
}

// The groups placed by hand, their names the participants.
bool readPlacement(const Options& o, ListHost& host, event::DrawChoices& choices) {
    const auto bytes = readAll(*o.placementFile);
    if (!bytes) return false;
    const event::PlacementCodec codec{platform::isValidUtf8, platform::utf8ToCp949, platform::cp949ToUtf8};
    event::PlacementText text = event::readPlacementText(*bytes, o.groupCount, o.groupSize, codec, o.races);
    if (!text.fault.ok()) {
        std::fprintf(stderr, "%s:%d: %s\n", displayName(*o.placementFile).c_str(), text.fault.line,
                     event::englishPlacementFault(text.fault).c_str());
        return false;
    }
    host.participants = text.placement.participants;
    choices.placement = std::move(text.placement);
    choices.seeding.races = std::move(text.races);
    return true;
}

// A team league's teams, the participants, with their rosters.
bool readTeams(const Options& o, ListHost& host, event::DrawChoices& choices) {
    const auto bytes = readAll(*o.teamsFile);
    if (!bytes) return false;
    TeamList list = parseTeamList(*bytes);
    if (!list.ok()) {
        std::fprintf(stderr, "%s:%d: %s\n", displayName(*o.teamsFile).c_str(), list.errorLine, list.error.c_str());
        return false;
    }
    // The event tells its teams apart by their names alone.
    for (std::size_t t = 0; t < list.teams.size(); ++t) {
        for (std::size_t u = 0; u < t; ++u) {
            if (!isNamed(list.teams[u].name, list.teams[t].name) && !isNamed(list.teams[t].name, list.teams[u].name)) continue;
            complain("'" + displayName(*o.teamsFile) + "' names two teams " + cp949ToUtf8(list.teams[t].name).value_or("?"));
            return false;
        }
    }
    choices.teams = team::TeamLeague{*o.teamMatch, {}, {}};
    for (team::Team& t : list.teams) {
        host.participants.push_back(std::move(t.name));
        choices.teams->rosters.push_back(std::move(t.roster));
        choices.teams->races.push_back(std::move(t.races));
    }
    return true;
}

// The participants from their list, with their pots and tags for a seeded
// draw and their races; a draw that spreads the races is a seeded draw.
bool readParticipants(const Options& o, ListHost& host, event::DrawChoices& choices) {
    if (o.placementFile) return readPlacement(o, host, choices);
    if (o.teamsFile) return readTeams(o, host, choices);
    auto participants = readNames(o.participantsFile, kMaxParticipants, "participants",
                                  o.pots ? Columns::Read : Columns::Refused, o.races);
    if (!participants) return false;
    host.participants = std::move(participants->names);
    choices.seeded = o.pots || o.spreadRaces;
    choices.seeding = {std::move(participants->pots), std::move(participants->tags), std::move(participants->races),
                       o.spreadRaces};
    return true;
}

// The lists and the designed settings into the host, the rest of the
// draw's choices (the pots and tags with the participants, or the groups
// placed by hand) into `choices`.
bool fillHost(ListHost& host, event::DrawChoices& choices, const Options& o, std::optional<std::uint32_t> seed) {
    if (!readParticipants(o, host, choices)) return false;
    if (o.mapsFile) {
        auto maps = readNames(*o.mapsFile, kMaxMaps, "maps");
        if (!maps) return false;
        host.maps = std::move(maps->names);
    }
    host.showSettings(designedSettings(o));
    host.clock = seed ? *seed : static_cast<std::uint32_t>(std::time(nullptr));
    choices.format = o.drawFormat;
    choices.withdrawalRule = o.withdrawal.value_or(WithdrawalRule::Walkovers);
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
bool seedFromOptions(const Options& o, std::optional<std::string>& text, std::optional<std::uint32_t>& given) {
    given = o.seed;
    if (!o.seedText) return true;
    text = argumentToUtf8(*o.seedText);
    if (!text) {
        complain("--seed-text is not valid text");
        return false;
    }
    given = seedFromText(*text);
    if (!given) complain("cannot compute the SHA-256 of --seed-text");
    return given.has_value();
}

// The playoff asked for: an event's own, which --playoff may only repeat.
std::optional<PlayoffChoice> playoffChoice(const Options& o, const Playoff& earlier) {
    if (earlier.perGroup == 0) return PlayoffChoice{o.playoff, o.thirdPlace, o.playoffBestOf, o.playoffPairs};
    if (o.playoff != 0 && (o.playoff != earlier.perGroup || o.thirdPlace != earlier.thirdPlace ||
                           o.playoffBestOf != earlier.bestOf || o.playoffPairs != earlier.pairs)) {
        complain("the event already has its playoff (the top " + std::to_string(earlier.perGroup) + " of every group" +
                 (earlier.thirdPlace ? ", with a third-place match" : "") + "): it cannot be made again differently");
        return std::nullopt;
    }
    return PlayoffChoice{earlier.perGroup, earlier.thirdPlace, earlier.bestOf, earlier.pairs};
}

// The results file's lines over the event's results, and the playoff.
bool readResults(const Options& o, event::Event& event) {
    const auto choice = playoffChoice(o, event.playoff);
    if (!choice) return false;
    if (event.teams && !o.playoffBestOf.empty()) {
        complain("a team league's format gives every match's length: --playoff-best-of cannot be given for it");
        return false;
    }
    if (o.withdrawal && *o.withdrawal != event::withdrawalRule(event) && !event::setWithdrawalRule(event, *o.withdrawal)) {
        complain("the event's withdrawals already follow its rule: --withdrawal cannot change it");
        return false;
    }
    if (!o.resultsFile && (choice->perGroup == 0 || event.playoff.perGroup != 0)) return true;
    const auto bytes = o.resultsFile ? readAll(*o.resultsFile) : std::optional<std::string>("");
    if (!bytes) return false;
    ResultsFile file = readResultsFile(*bytes, event, *choice);
    if (file.errorLine != 0) {
        std::fprintf(stderr, "%s:%d: %s\n", displayName(*o.resultsFile).c_str(), file.errorLine, file.error.c_str());
        return false;
    }
    for (const std::string& reason : file.refusal) complain("the playoff cannot be made: " + reason);
    if (!file.ok()) return false;
    for (const MatchKey& key : file.takenAway) {
        const std::string where = key.group == kPlayoffGroup ? std::string("the playoff")
                                                             : std::string("group ") + static_cast<char>('A' + key.group);
        complain("the result of match " + std::to_string(key.number) + " of " + where +
                 " is taken away: a changed result put another player there");
    }
    event.results = std::move(file.results);
    if (choice->perGroup != 0) event.playoff = std::move(file.playoff);
    takeChanges(file, event);
    return true;
}

// When the draw of the file that --check compares with was made, as its
// reader takes it: the event file's own, or the time element of a page.
// Nothing when the file says nothing readable.
std::optional<std::string> drawnAtOfChecked(const Options& o) {
    const auto published = readAll(*o.checkFile, true);
    if (!published || o.format == Format::Text) return std::nullopt;
    if (o.format == Format::Json) {
        const event::ReadOutcome read = event::readEvent(*published, eventFrontEnd());
        if (read.ok()) return read.event->drawnAt;
        return std::nullopt;
    }
    // No page reader exists: the page holds the time once, in its heading.
    constexpr std::string_view kTime = "<time datetime=\"";
    const std::size_t at = published->find(kTime);
    if (at == std::string::npos || !event::isDateTimeText(published->substr(at + kTime.size(), 19))) return std::nullopt;
    return published->substr(at + kTime.size(), 19);
}

// When the draw was made: now, in local time, unless ROSTERLOOM_DRAWN_AT
// says otherwise (tests and reproducible builds set it). A --check of JSON
// or of a page takes the time from the file it checks: a draw made now was
// not made then.
std::optional<std::string> drawnAtFor(const Options& o) {
    if (const auto published = o.checkFile ? drawnAtOfChecked(o) : std::nullopt) return published;
    if (const char* given = std::getenv("ROSTERLOOM_DRAWN_AT")) {
        if (event::isDateTimeText(given)) return given;
        complain("ROSTERLOOM_DRAWN_AT must be a local date and time, YYYY-MM-DDTHH:MM:SS");
        return std::nullopt;
    }
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (!local) return event::dateTimeText(1970, 1, 1, 0, 0, 0);
    return event::dateTimeText(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour,
                               local->tm_min, local->tm_sec);
}

// --title as UTF-8, into the event; without it the event keeps its own.
bool takeTitle(const Options& o, event::Event& event) {
    if (!o.title) return true;
    auto title = argumentToUtf8(*o.title);
    if (!title || title->size() > event::kMaxTitleBytes) {
        complain("--title must be valid text of at most " + std::to_string(event::kMaxTitleBytes) + " bytes");
        return false;
    }
    event.title = std::move(*title);
    return true;
}

// The page is headed as the window heads it: see page::pageTitle.
std::optional<std::string> pageText(const Options& o, const event::Event& event, ListHost& host) {
    const auto file = o.eventFile ? argumentToUtf8(*o.eventFile) : std::nullopt;
    auto page = page::eventPage(event, host, eventFrontEnd(), page::pageTitle(event, file.value_or("")));
    if (!page) complain("cannot convert the result to UTF-8");
    return page;
}

// What the options ask to write: the export (with the standings after it
// when there are results), the event file or its page.
std::optional<std::string> render(const Options& o, const event::Event& event, ListHost& host) {
    if (o.format == Format::Html) return pageText(o, event, host);
    if (o.format == Format::Json) {
        auto json = event::writeEvent(event, eventFrontEnd());
        if (!json) complain("cannot convert the result to UTF-8");
        return json;
    }
    const bool standings = o.resultsFile || (o.eventFile && event::resultCount(event) > 0);
    // Ties settled before the playoff show as the window shows them.
    const bool settledOrPlayoff = event.playoff.perGroup != 0 || !event.playoff.settled.empty();
    // A team league's standings are its team text.
    std::string text = event.teams && (settledOrPlayoff || standings) ? event::eventStandingsText(event)
                       : settledOrPlayoff ? standingsFileText(event.state, event.results, host, event.playoff, event.seed)
                       : standings            ? standingsFileText(event.state, event.results, host)
                                              : exportFileText(event.state, host);
    // The maps' races follow the standings, as in the window's file.
    if (!event.teams && (settledOrPlayoff || standings)) text += event::eventRaceStatsText(event);
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
    const bool cp949 = o.format == Format::Text && !o.utf8;
    std::fprintf(stderr, "%s: '%s' differs at line %d\n  expected: %s\n  found:    %s\n", kProgram,
                 displayName(*o.checkFile).c_str(), difference->number, showLine(difference->expected, cp949).c_str(),
                 showLine(difference->found, cp949).c_str());
    return kExitMismatch;
}

int finish(const Options& o, event::Event event, ListHost& host) {
    if (!takeTitle(o, event)) return kExitBadInput;
    const auto text = render(o, event, host);
    if (!text) return kExitFailed;
    std::fprintf(stderr, "seed: %lu%s\n", static_cast<unsigned long>(event.seed), event.seedText ? " (from text)" : "");
    return o.checkFile ? check(o, *text) : writeOutput(o, *text);
}

int draw(const Options& o) {
    std::optional<std::string> seedText;  // UTF-8
    std::optional<std::uint32_t> given;
    if (!seedFromOptions(o, seedText, given)) return kExitBadInput;
    ListHost host;
    event::DrawChoices choices;
    if (!fillHost(host, choices, o, given)) return kExitBadInput;

    event::DrawOutcome drawn = event::drawEvent(host, choices);
    switch (drawn.outcome) {
    case AssignOutcome::Assigned: break;
    case AssignOutcome::Rejected:
        drawn.refusal.stringId ? showSeedRefusal(drawn.refusal) : showRefusal(host);
        return kExitBadInput;
    case AssignOutcome::OutOfMemory: complain("out of memory"); return kExitFailed;
    }
    event::Event& event = drawn.event;
    event.seedText = std::move(seedText);
    if (!readResults(o, event)) return kExitBadInput;
    // A replacement's new player has a name the lists had not.
    if (!event.changes.empty()) host = event::hostFor(event);
    // Only the event file and its page say when the draw was made.
    auto drawnAt = o.format != Format::Text ? drawnAtFor(o) : std::optional<std::string>("");
    if (!drawnAt) return kExitBadInput;
    event.drawnAt = std::move(*drawnAt);
    return finish(o, std::move(event), host);
}

int reopen(const Options& o) {
    auto event = readEventFile(*o.eventFile);
    if (!event) return kExitBadInput;
    if (!readResults(o, *event)) return kExitBadInput;
    ListHost host = event::hostFor(*event);
    return finish(o, *event, host);
}

// What was changed after the draw that reproduces, in the order made.
void printChanges(const event::Event& event) {
    const std::vector<std::string> lines = event::changeLines(event, eventFrontEnd());
    if (lines.empty()) return;
    std::printf("changed since the draw:\n");
    for (const std::string& line : lines) std::printf("  %s\n", line.c_str());
}

int verify(const Options& o) {
    const auto event = readEventFile(*o.verifyFile);
    if (!event) return kExitBadInput;
    const event::RedrawOutcome redraw = event::drawDifference(*event, eventFrontEnd());
    switch (redraw.kind) {
    case event::Redraw::Same: break;
    case event::Redraw::PlacedByHand: std::printf("placed by hand: there is no draw to repeat\n"); return kExitNoDraw;
    case event::Redraw::EarlierRule:
        std::printf("the draw reproduces from its inputs and seed by %s\nfingerprint: %s\n", redraw.detail.c_str(),
                    event::fingerprint(*event, eventFrontEnd()).c_str());
        printChanges(*event);
        return kExitOk;
    case event::Redraw::Differs:
        complain("'" + displayName(*o.verifyFile) + "' does not reproduce: " + redraw.detail);
        return kExitMismatch;
    case event::Redraw::CannotBeDrawn:
        complain("'" + displayName(*o.verifyFile) + "' cannot be drawn again: " + redraw.detail);
        return kExitBadInput;
    }
    std::printf("the draw reproduces from its inputs and seed\nfingerprint: %s\n",
                event::fingerprint(*event, eventFrontEnd()).c_str());
    printChanges(*event);
    return kExitOk;
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
        std::fputs(usageText().c_str(), stdout);
        return kExitOk;
    }
    if (parsed.options.version) {
        std::printf("%s %s\n", kProgram, ROSTERLOOM_VERSION);
        return kExitOk;
    }
    if (parsed.options.verifyFile) return verify(parsed.options);
    return parsed.options.eventFile ? reopen(parsed.options) : draw(parsed.options);
}

}  // namespace rl::cli
