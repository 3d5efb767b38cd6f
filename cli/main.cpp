#include <cstdio>
#include <iostream>

#include <fcntl.h>
#include <unistd.h>

#include "cli/command.h"
#include "engine/process_guard.h"

int main(int argc, char* argv[]) {
    velk::DisableCoreDumps();
    // Unbuffered, so that no copy of the result's last bytes stays behind.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    // A closed standard input is handed on as no descriptor at all, not as 0:
    // a file opened meanwhile (the terminal, for the PIN) takes that number.
    const int in = fcntl(STDIN_FILENO, F_GETFD) == -1 ? -1 : STDIN_FILENO;
    return velk::cli::RunCommand(argc, argv, in, std::cout, std::cerr);
}
