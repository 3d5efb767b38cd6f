// What the program asks of its operating system, written once for POSIX
// (system_posix.cpp) and once for Windows (system_win32.cpp), each with its
// own ReadPinFromTerminal (pin_reader.h).
#pragma once

#include <cstddef>
#include <string_view>

namespace velk::cli {

// How a shell of this system hands the PIN over without the command line,
// for the messages: on POSIX a descriptor of its own; on Windows, whose
// cmd.exe and PowerShell hand over none past standard error, the first line
// of standard input.
extern const std::string_view PinFdHint;
// The --help examples: enciphering a letter and deciphering it again.
extern const std::string_view PinFdExamples;

// Readies the standard descriptors for bytes, passed unchanged: on Windows
// they go into binary mode and a console among them works in UTF-8 until
// the program ends, however it ends. Called once, first thing.
void SetUpStandardStreams();

// Whether `fd` is an open descriptor.
bool IsOpen(int fd);

// Reads up to `size` bytes of `fd` into `buffer`, again when a signal
// interrupts the read. Gives the count read, 0 at the end, or -1 with errno
// set (EBADF for a descriptor that is not open).
std::ptrdiff_t ReadSome(int fd, char* buffer, std::size_t size);

}  // namespace velk::cli
