#include "cli/run.h"

int main(int argc, char** argv) { return rl::cli::runCli(std::vector<std::string>(argv + 1, argv + argc)); }
