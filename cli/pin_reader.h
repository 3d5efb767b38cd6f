// The PIN, read from where the user hands it over: a descriptor or the terminal.
#pragma once

#include <stdexcept>
#include <string>

namespace velk::cli {

// Thrown when the PIN cannot be read from where it was to come from; the
// message says why.
class PinUnavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes of the open descriptor `fd` up to its first line feed or its end,
// without the line feed and a carriage return before it. What follows a line
// of ShortestPinLine bytes or more stays unread (the text may follow the PIN
// on standard input); of a shorter line, which holds no PIN the checks
// accept, a read may take a few bytes more. Stops after MaxPinLineBytes, far
// more than any PIN the checks accept. Throws PinUnavailable when `fd` is not
// open or a read fails.
inline constexpr std::size_t ShortestPinLine = 9;  // eight digits and LF
inline constexpr std::size_t MaxPinLineBytes = 1024;
std::string ReadPinLine(int fd);

// Asks for the PIN on the controlling terminal: the prompt "Enter Pin: ",
// the line typed with echo off, then a line break. The terminal's settings
// come back also when SIGINT, SIGTERM, SIGHUP or SIGQUIT end the program
// meanwhile, and when SIGTSTP, SIGTTIN or SIGTTOU stop it; continued in the
// foreground, it drops what was typed before, turns echo off again and asks
// again. A signal the caller ignores stays ignored. Throws PinUnavailable
// when the process has no terminal.
std::string ReadPinFromTerminal();

}  // namespace velk::cli
