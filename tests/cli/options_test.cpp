#include "cli/options.h"

#include <gtest/gtest.h>

#include "cases.h"

namespace rl::cli {
namespace {

std::string shown(const ParsedOptions& parsed) {
    if (!parsed.ok()) return "error: " + parsed.error + "\n";
    const Options& o = parsed.options;
    auto text = [](const std::optional<std::string>& v) { return v ? "'" + *v + "'" : std::string("none"); };
    return "file '" + o.participantsFile + "', maps " + text(o.mapsFile) + ", " + std::to_string(o.groupCount) +
           " groups of " + std::to_string(o.groupSize) + (o.tournament ? ", tournament" : ", league") +
           (o.spreadVacancies ? ", spread" : ", sequential") + (o.equalMaps ? ", equal maps" : ", random maps") +
           ", seed " + (o.seed ? std::to_string(*o.seed) : "none") + ", output " + text(o.outputFile) +
           (o.utf8 ? ", UTF-8" : ", code page 949") + ", results " + text(o.resultsFile) + (o.format == Format::Json ? ", JSON" : "") +
           ", seed text " + text(o.seedText) + ", check " + text(o.checkFile) + (o.help ? ", help" : "") +
           (o.version ? ", version" : "") + (o.eventFile ? ", event " + text(o.eventFile) : "") +
           (o.verifyFile ? ", verify " + text(o.verifyFile) : "") + "\n";
}

// Each case line is a command line, arguments quoted where they hold blanks.
TEST(ParseOptions, GoldenCases) {
    test::expectGoldenCases("options.txt", [](const std::string& line) {
        std::vector<std::string> args;
        std::istringstream in(line);
        for (std::string arg; in >> std::quoted(arg);) args.push_back(arg);
        return shown(parseOptions(args));
    });
}

}  // namespace
}  // namespace rl::cli
