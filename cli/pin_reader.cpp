#include "cli/pin_reader.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include "cli/system.h"
#include "engine/wipe.h"

namespace velk::cli {

std::string ReadPinLine(int fd) {
    if (!IsOpen(fd)) {
        throw PinUnavailable("descriptor " + std::to_string(fd) +
                             " is not open; hand the PIN over with " + std::string(PinFdHint));
    }
    // Room made up front: a buffer that grew would leave copies behind.
    std::string line(MaxPinLineBytes, '\0');
    std::size_t size = 0;
    while (size < MaxPinLineBytes) {
        // Up to the end of the shortest line that holds a PIN, at once, then
        // a byte at a time: no read goes past the line feed of a line whose
        // PIN is taken.
        const std::size_t wanted = size < ShortestPinLine ? ShortestPinLine - size : 1;
        const std::ptrdiff_t got = ReadSome(fd, line.data() + size, wanted);
        if (got < 0) {
            const int error = errno;
            Wipe(line);
            throw PinUnavailable("cannot read the PIN from descriptor " + std::to_string(fd) +
                                 ": " + std::strerror(error));
        }
        if (got == 0) {
            break;
        }
        const auto read = std::string_view(line).substr(size, static_cast<std::size_t>(got));
        if (const std::size_t feed = read.find('\n'); feed != std::string_view::npos) {
            size += feed;
            break;
        }
        size += read.size();
    }
    // What was read past the line feed is not part of the PIN.
    WipeBytes(line.data() + size, MaxPinLineBytes - size);
    line.resize(size);
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

}  // namespace velk::cli
