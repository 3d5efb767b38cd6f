#include <iostream>

#include "cli/command.h"
#include "engine/process_guard.h"

int main(int argc, char* argv[]) {
    velk::DisableCoreDumps();
    return velk::cli::RunCommand(argc, argv, std::cin, std::cout, std::cerr);
}
