#include "cli/run.h"
#include "platform/files.h"

int main(int argc, char** argv) { return rl::cli::runCli(rl::platform::commandLineArguments(argc, argv)); }
