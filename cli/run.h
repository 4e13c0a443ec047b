#pragma once
#include <string>
#include <vector>

namespace rl::cli {

// Exit statuses of rosterloom-cli.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;    // the output could not be written
constexpr int kExitBadInput = 2;  // bad command line, bad list, settings refused
constexpr int kExitMismatch = 3;  // --check: the file is not what the draw writes
constexpr int kExitNoDraw = 4;    // --verify: the groups were placed by hand, nothing was drawn

// The whole command: arguments without the program name.
int runCli(const std::vector<std::string>& args);

}  // namespace rl::cli
