#include "cli/platform.h"
#include "cli/run.h"

int main(int argc, char** argv) { return rl::cli::runCli(rl::cli::commandLineArguments(argc, argv)); }
