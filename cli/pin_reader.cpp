#include "cli/pin_reader.h"

#include <cerrno>
#include <cstring>

#include "cli/system.h"
#include "engine/wipe.h"

namespace velk::cli {

std::string ReadPinLine(int fd) {
    if (!IsOpen(fd)) {
        throw PinUnavailable("descriptor " + std::to_string(fd) +
                             " is not open; hand the PIN over with " + std::string(PinFdHint));
    }
    std::string line;
    line.reserve(MaxPinLineBytes);  // a buffer that grew would leave copies behind
    char byte = 0;
    while (line.size() < MaxPinLineBytes) {
        const std::ptrdiff_t got = ReadSome(fd, &byte, 1);
        if (got < 0) {
            const int error = errno;
            Wipe(line);
            throw PinUnavailable("cannot read the PIN from descriptor " + std::to_string(fd) +
                                 ": " + std::strerror(error));
        }
        if (got == 0 || byte == '\n') {
            break;
        }
        line.push_back(byte);
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

}  // namespace velk::cli
