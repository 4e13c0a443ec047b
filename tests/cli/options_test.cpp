#include "cli/options.h"

#include <gtest/gtest.h>

namespace rl::cli {
namespace {

TEST(ParseOptions, DefaultsAndEveryOption) {
    const Options d = parseOptions({"players.txt"}).options;
    EXPECT_EQ(d.participantsFile, "players.txt");
    EXPECT_EQ(std::make_pair(d.groupCount, d.groupSize), std::make_pair(4, 4));
    EXPECT_FALSE(d.tournament || d.utf8 || d.mapsFile || d.seed || d.outputFile);
    EXPECT_TRUE(d.spreadVacancies && d.equalMaps);

    const ParsedOptions p = parseOptions({"--maps", "m.txt", "--groups=8", "--size", "1", "--tournament",
                                          "--no-spread", "--random-maps", "--seed", "4294967295", "--output",
                                          "out.txt", "--utf8", "-"});
    ASSERT_TRUE(p.ok()) << p.error;
    const Options& o = p.options;
    EXPECT_EQ(o.participantsFile, "-");
    EXPECT_EQ(o.mapsFile, std::optional<std::string>("m.txt"));
    EXPECT_EQ(std::make_pair(o.groupCount, o.groupSize), std::make_pair(8, 1));
    EXPECT_TRUE(o.tournament && o.utf8 && !o.spreadVacancies && !o.equalMaps);
    EXPECT_EQ(o.seed, std::optional<std::uint32_t>(4294967295u));
    EXPECT_EQ(o.outputFile, std::optional<std::string>("out.txt"));
    EXPECT_EQ(parseOptions({"--", "--odd-name"}).options.participantsFile, "--odd-name");

    const Options e = parseOptions({"--results", "r.txt", "--format=json", "--seed-text", "a b", "--check", "c", "p"}).options;
    EXPECT_EQ(std::make_tuple(e.resultsFile, e.json, e.seedText, e.checkFile),
              std::make_tuple(std::optional<std::string>("r.txt"), true, std::optional<std::string>("a b"),
                              std::optional<std::string>("c")));
    EXPECT_FALSE(parseOptions({"--format", "text", "p"}).options.json || d.json || d.resultsFile || d.seedText);
    EXPECT_TRUE(parseOptions({"--help"}).options.help);
    EXPECT_TRUE(parseOptions({"--version"}).options.version);
}

TEST(ParseOptions, RefusesBadCommandLines) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "no participant file given"},
        {{"a", "b"}, "only one participant file may be given, not also 'b'"},
        {{"-x", "a"}, "unknown option '-x'"},
        {{"a", "--maps"}, "option --maps needs a value"},
        {{"a", "--groups", "0"}, "--groups must be a number from 1 to 8, not '0'"},
        {{"a", "--size", "-1"}, "--size must be a number from 1 to 8, not '-1'"},
        {{"a", "--size", "4x"}, "--size must be a number from 1 to 8, not '4x'"},
        {{"a", "--seed", "4294967296"}, "--seed must be a number from 0 to 4294967295, not '4294967296'"},
        {{"a", "--seed", ""}, "--seed must be a number from 0 to 4294967295, not ''"},
        {{"a", "--format", "xml"}, "--format must be text or json, not 'xml'"},
        {{"a", "--seed-text", "x", "--seed", "1"}, "--seed and --seed-text cannot both be given"},
        {{"a", "--check", "x", "--output", "y"}, "--check writes nothing, so --output cannot be given with it"},
    };
    for (const auto& [args, error] : cases) EXPECT_EQ(parseOptions(args).error, error);
}

}  // namespace
}  // namespace rl::cli
