// The program velk-encrypt-decrypt: its options, the PIN, the checks of a
// run and the passes, from standard input to standard output.
#pragma once

#include <iosfwd>

namespace velk::cli {

// The exit statuses: done; a check refused the input (or the result could
// not be written); the command line cannot be run as given.
inline constexpr int ExitDone = 0;
inline constexpr int ExitRefused = 1;
inline constexpr int ExitUsage = 2;

// Runs the program with its arguments (argv[0] first). Reads the PIN first
// (--pin-fd or the terminal), checks it, the keys and the pass count in the
// window's order, then reads the text from the descriptor `in` to its end.
// A read that fails is a refusal, as is more input than the longest text
// in UTF-8 can take, refused at its first byte past that without reading on.
// Writes the result to `out` only when the run has completed, help and
// version also to `out`, every message to `err`. Wipes its copies of the PIN
// and of the text, the result once written, before it returns. Returns the
// exit status.
int RunCommand(int argc, const char* const* argv, int in, std::ostream& out, std::ostream& err);

}  // namespace velk::cli
