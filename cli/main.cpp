#include <cstdio>
#include <iostream>

#include "cli/command.h"
#include "cli/system.h"
#include "platform/process_guard.h"

int main(int argc, char* argv[]) {
    velk::DisableCoreDumps();
    velk::cli::SetUpStandardStreams();
    // Unbuffered, so that no copy of the result's last bytes stays behind.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    // A closed standard input is handed on as no descriptor at all, not as 0:
    // a file opened meanwhile (the terminal, for the PIN) takes that number.
    const int in = velk::cli::IsOpen(0) ? 0 : -1;
    return velk::cli::RunCommand(argc, argv, in, std::cout, std::cerr);
}
