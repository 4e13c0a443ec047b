// rosterloom-cli run as a program: exit statuses, standard error and the
// files it leaves behind.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/encoding.h"
#include "engine/list_host.h"
#include "text/export_text.h"

namespace rl::cli {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kPlayers = {u8"김철수", u8"이영희", "Juniper", "Vesper ", "Marlow", "Quill",
                                           "Orrin",   "Kestrel", "Hollis",  "Lumen",   "Tamsin", "Corvin",
                                           "Wren",    "Ansel",   "Brio",    "Dovetail"};
const std::vector<std::string> kMaps = {u8"푸른 협곡", "Iron Delta", "Salt Flats"};

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string lines(const std::vector<std::string>& names, const char* end) {
    std::string text;
    for (const auto& n : names) text += n + end;
    return text;
}

class Program : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "rosterloom-cli-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        writeFile(path("players.txt"), u8"\xEF\xBB\xBF" + lines(kPlayers, "\r\n"));
        writeFile(path("maps.txt"), lines(kMaps, "\n"));
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    // Runs the program with `input` on standard input; a positive `blocks`
    // makes every write past that many 512-byte blocks fail.
    Outcome run(const std::vector<std::string>& args, const std::string& input = "", int blocks = 0) {
        writeFile(path("stdin"), input);
        std::string command = blocks ? "trap '' XFSZ; ulimit -f " + std::to_string(blocks) + "; " : "";
        command += "'" ROSTERLOOM_CLI_PATH "'";
        for (const auto& a : args) command += " '" + a + "'";
        command += " <'" + path("stdin") + "' >'" + path("stdout") + "' 2>'" + path("stderr") + "'";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(path("stdout")), readFile(path("stderr"))};
    }

    fs::path dir_;
};

// --utf8 writes the same text in UTF-8.
TEST_F(Program, SameSeedGivesTheSameFileAndAnotherSeedAnotherDraw) {
    for (const auto& [seed, output] : {std::pair{"20240607", "first"}, {"20240607", "second"}, {"20240608", "other"},
                                       {"20240607", "utf8"}}) {
        const Outcome r = run({"--seed", seed, "--output", path(output), "--maps", path("maps.txt"), "--tournament",
                               output == std::string("utf8") ? "--utf8" : "--", path("players.txt")});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "seed: " + std::string(seed) + "\n");
    }
    const std::string file = readFile(path("first"));
    EXPECT_EQ(file.rfind("< A >", 0), 0u);
    EXPECT_EQ(file, readFile(path("second")));
    EXPECT_NE(file, readFile(path("other")));
    EXPECT_EQ(cp949ToUtf8(file), std::optional<std::string>(readFile(path("utf8"))));
    EXPECT_NE(readFile(path("utf8")).find(u8"<푸른 협곡>\r\n"), std::string::npos);

    // A seed taken from the clock is printed, and repeats the draw.
    const Outcome timed = run({path("players.txt")});
    ASSERT_EQ(timed.err.rfind("seed: ", 0), 0u) << timed.err;
    EXPECT_EQ(run({"--seed", timed.err.substr(6, timed.err.size() - 7), path("players.txt")}).out, timed.out);
}

TEST_F(Program, WritesExactlyTheExportFileOfTheSameAssignment) {
    const Outcome r = run({"--seed", "77", "--groups", "3", "--size", "6", "--maps", path("maps.txt"), "--random-maps",
                           "--no-spread", "-"},
                          readFile(path("players.txt")));
    ASSERT_EQ(r.status, 0) << r.err;
    ListHost host;
    for (const auto& n : kPlayers) host.participants.push_back(*utf8ToCp949(n));
    for (const auto& m : kMaps) host.maps.push_back(*utf8ToCp949(m));
    host.mapsEnabled = true;
    host.equalMaps = host.spreadVacancies = false;
    host.groupCountText = "3";
    host.groupSizeText = "6";
    host.clock = 77;
    AssignmentState state;
    ASSERT_EQ(assign(state, host), AssignOutcome::Assigned);
    EXPECT_EQ(r.out, exportFileText(state, host));
}

// One of each kind: a bad name line, too many names, a bad option, an
// unreadable file, and each refusal of the settings.
TEST_F(Program, BadInputIsRefusedWithExitTwoAndNothingWritten) {
    std::string many;
    for (int i = 0; i < 129; ++i) many += "p" + std::to_string(i) + "\n";
    const std::pair<const char*, std::string> files[] = {
        {"many", many}, {"emoji", "kim\n\xF0\x9F\x98\x80\n"}, {"empty", "\r\n\r\n"},
        {"elevenmaps", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n"},
    };
    for (const auto& [name, bytes] : files) writeFile(path(name), bytes);
    const std::string players = path("players.txt");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{path("emoji")}, path("emoji") + ":2: the name has a character that code page 949 cannot hold\n"},
        {{path("many")}, path("many") + ":129: more than 128 participants\n"},
        {{"--maps", path("elevenmaps"), players}, path("elevenmaps") + ":11: more than 10 maps\n"},
        {{"--groups", "9", players}, "rosterloom-cli: --groups must be a number from 1 to 8, not '9'\n"},
        {{players, "--seed"}, "rosterloom-cli: option --seed needs a value\n"},
        {{path("missing")}, "rosterloom-cli: cannot read '" + path("missing") + "': No such file or directory\n"},
        {{path("empty")}, u8"등록된 참가자가 없습니다.\n참가자를 등록하세요.\n"},
        {{"--groups", "3", "--size", "5", players},
         u8"등록된 참가자의 수가 총 그룹 정원을 초과합니다.\n참가자를 삭제하거나, 그룹의 수 또는 그룹 당 인원을 늘리세요.\n"},
        {{"--maps", path("empty"), players}, u8"등록된 맵이 없습니다.\n맵 등록 체크를 해제하거나, 맵을 등록하세요.\n"},
    };
    for (auto [args, message] : cases) {
        args.insert(args.begin(), {"--seed", "1", "--output", path("result.txt")});
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.err.substr(0, message.size()), message);
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(fs::exists(path("result.txt"))) << message;
    }
}

TEST_F(Program, FailedWriteExitsOneAndLeavesTheOldFileAlone) {
    const Outcome noFolder = run({"--output", path("no/such/folder/result.txt"), path("players.txt")});
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_NE(noFolder.err.find("cannot write '" + path("no/such/folder/result.txt") + "'"), std::string::npos);
    EXPECT_FALSE(fs::exists(path("no")));

    writeFile(path("result.txt"), "the earlier draw\r\n");
    const Outcome tooLarge = run({"--seed", "3", "--output", path("result.txt"), path("players.txt")}, "", 1);
    EXPECT_EQ(tooLarge.status, 1);
    EXPECT_NE(tooLarge.err.find("cannot write '" + path("result.txt") + "': File too large"), std::string::npos)
        << tooLarge.err;
    EXPECT_EQ(readFile(path("result.txt")), "the earlier draw\r\n");
    for (const auto& entry : fs::directory_iterator(dir_)) {
        EXPECT_NE(entry.path().extension(), ".tmp") << "left behind: " << entry.path();
    }
}

TEST_F(Program, HelpAndVersion) {
    const Outcome help = run({"--help"}), version = run({"--version"});
    EXPECT_EQ(help.status + version.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: rosterloom-cli [options] PARTICIPANTS\n", 0), 0u);
    EXPECT_EQ(version.out.rfind("rosterloom-cli ", 0), 0u);
}

}  // namespace
}  // namespace rl::cli

namespace rl::cli {
namespace {

// The README's worked example, from the draw to the tables, and the same
// draw as a tournament part-way through.
class Event : public Program {
protected:
    std::string data(const std::string& name) const { return ROSTERLOOM_TEST_DATA "/" + name; }
    std::vector<std::string> draw(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--groups", "2", "--size", "4", "--maps", data("readme-maps.txt")});
        args.push_back(data("readme-players.txt"));
        return args;
    }
};

TEST_F(Event, WritesTheGoldenFilesAndChecksThemBothWays) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--utf8", "--results", data("readme-results.txt")}, "readme-standings.txt"},
        {{"--format", "json", "--results", data("readme-results.txt")}, "readme-event.json"},
        {{"--tournament", "--utf8", "--results", data("tournament-results.txt")}, "tournament-standings.txt"},
        {{"--tournament", "--format", "json", "--results", data("tournament-results.txt")}, "tournament-event.json"},
    };
    for (const auto& [args, golden] : cases) {
        auto withSeed = args;
        withSeed.insert(withSeed.begin(), {"--seed", "2024"});
        const Outcome r = run(draw(withSeed));
        EXPECT_EQ(r.status, 0) << golden << ": " << r.err;
        EXPECT_EQ(r.out, readFile(data(golden))) << golden;

        withSeed.insert(withSeed.begin(), {"--check", data(golden)});
        const Outcome same = run(draw(withSeed));
        EXPECT_EQ(std::make_tuple(same.status, same.out, same.err), std::make_tuple(0, std::string(), std::string("seed: 2024\nmatches\n")));
    }
    // Code page 949 by default, the same text.
    const Outcome cp949 = run(draw({"--seed", "2024", "--results", data("readme-results.txt")}));
    EXPECT_EQ(cp949ToUtf8(cp949.out), std::optional<std::string>(readFile(data("readme-standings.txt"))));
}

TEST_F(Event, CheckNamesTheFirstLineThatDiffers) {
    std::string published = readFile(data("readme-standings.txt"));
    published.replace(published.find("+2"), 2, "+3");
    writeFile(path("published.txt"), published);
    writeFile(path("short.txt"), published.substr(0, published.find("\r\n") + 2));
    const std::pair<std::string, std::string> cases[] = {
        {"published.txt", u8"differs at line 23\n  expected:  1위      Quill                         3     2     1     5     3    +2\n"
                          u8"  found:     1위      Quill                         3     2     1     5     3    +3\n"},
        {"short.txt", "differs at line 2\n  expected: Quill" + std::string(20, ' ') + "Juniper" + std::string(18, ' ') +
                          "\n  found:    (end of file)\n"},
    };
    for (const auto& [file, message] : cases) {
        const Outcome r = run(draw({"--seed", "2024", "--utf8", "--results", data("readme-results.txt"), "--check", path(file)}));
        EXPECT_EQ(r.status, 3);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "seed: 2024\nrosterloom-cli: '" + path(file) + "' " + message);
    }
}

TEST_F(Event, SeedTextIsTheFirstFourBytesOfItsSha256) {
    // SHA-256("hello") = 2cf24dba 5fb0a30e ...; 0x2cf24dba = 754077114.
    const Outcome fromText = run(draw({"--seed-text", "hello"}));
    EXPECT_EQ(fromText.err, "seed: 754077114 (from text)\n");
    EXPECT_EQ(fromText.out, run(draw({"--seed", "754077114"})).out);
    const Outcome json = run(draw({"--seed-text", "hello", "--format", "json"}));
    EXPECT_NE(json.out.find("\"seed\": 754077114,\n  \"seedText\": \"hello\",\n"), std::string::npos) << json.out;
    const Outcome both = run(draw({"--seed", "1", "--seed-text", "hello"}));
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.err, "rosterloom-cli: --seed and --seed-text cannot both be given\nTry 'rosterloom-cli --help'.\n");
}

TEST_F(Event, RefusedResultLineWritesNothing) {
    writeFile(path("results.txt"), "A 1 2:1\nA 1 0:2\n");
    const Outcome r = run(draw({"--seed", "2024", "--results", path("results.txt"), "--output", path("out.txt")}));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, path("results.txt") + ":2: a second result for match 1 of group A (the first is on line 1)\n");
    EXPECT_FALSE(fs::exists(path("out.txt")));
}

}  // namespace
}  // namespace rl::cli
