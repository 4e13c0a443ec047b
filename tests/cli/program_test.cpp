// rosterloom-cli run as a program, the way people run it (see program.txt).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <regex>
#include <set>

#include "cases.h"
#include "platform/encoding.h"

namespace rl::cli {
namespace {

using platform::cp949ToUtf8;
using platform::isValidUtf8;

namespace fs = std::filesystem;

// Each line after `label`; code page 949 is turned into UTF-8 and marked so.
std::string shown(std::string label, std::string bytes) {
    if (bytes.empty()) return "";
    if (!isValidUtf8(bytes)) {
        bytes = cp949ToUtf8(bytes).value_or("(neither UTF-8 nor code page 949)\n");
        label += " (cp949)";
    }
    bytes = std::regex_replace(bytes, std::regex("\t"), u8"⇥");
    bytes = std::regex_replace(bytes, std::regex("\r\n"), u8"¶\n");
    if (bytes.back() != '\n') bytes += "\n(no end of line)\n";
    std::istringstream lines(bytes);
    std::string out;
    for (std::string line; std::getline(lines, line);) out += label + ": " + line + "\n";
    return out;
}

std::string run(const std::string& command) {
    const fs::path dir = fs::temp_directory_path() / ("rosterloom-program-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "work");
    std::ofstream(dir / "command") << command;
    const std::string shell = "cd '" + (dir / "work").string() + "' && umask 022 && PATH='" +
                              fs::path(ROSTERLOOM_CLI_PATH).parent_path().string() +
                              "':\"$PATH\" DATA='" ROSTERLOOM_TEST_DATA "' ROSTERLOOM_DRAWN_AT=2024-05-18T19:30:00 sh ../command >../out 2>../err";
    const int status = std::system(shell.c_str());
    std::string out = "exit " + std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + "\n" +
                      shown("out", test::readFile((dir / "out").string())) +
                      shown("err", test::readFile((dir / "err").string()));
    std::set<std::string> files;
    for (const auto& entry : fs::directory_iterator(dir / "work")) files.insert(entry.path().filename().string());
    for (const std::string& name : files) out += "file: " + name + "\n";
    fs::remove_all(dir);
    const std::string data = ROSTERLOOM_TEST_DATA;
    for (std::size_t at; (at = out.find(data)) != std::string::npos;) out.replace(at, data.size(), "$DATA");
    return std::regex_replace(out, std::regex("\\.[0-9]+\\.tmp"), ".PID.tmp");
}

TEST(Program, GoldenCases) { test::expectGoldenCases("program.txt", run); }
TEST(Program, GamesAsPlayed) { test::expectGoldenCases("games.txt", run); }
TEST(Program, GroupsPlacedByHand) { test::expectGoldenCases("placement.txt", run); }
TEST(Program, ChangesBeforePlay) { test::expectGoldenCases("changes.txt", run); }
TEST(Program, MovesToAnEmptyPlace) { test::expectGoldenCases("moves.txt", run); }
TEST(Program, Races) { test::expectGoldenCases("races.txt", run); }
TEST(Program, TeamLeagues) { test::expectGoldenCases("teams.txt", run); }
TEST(Program, TeamLeaguesRefused) { test::expectGoldenCases("teams-refusals.txt", run); }
TEST(Program, TeamLeaguesWithRaces) { test::expectGoldenCases("teams-races.txt", run); }
TEST(Program, OneTeamsEntryAndANewTeamsRoster) { test::expectGoldenCases("team-entries.txt", run); }

TEST(Program, ThePlayoffsOwnPairs) { test::expectGoldenCases("playoff-pairs.txt", run); }

}  // namespace
}  // namespace rl::cli
