#include "cli/pin_reader.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string_view>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace velk::cli {

namespace {

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR) {
            return;  // the prompt is a courtesy; reading the PIN still works
        }
        bytes.remove_prefix(written < 0 ? 0 : static_cast<std::size_t>(written));
    }
}

// The signals that end a program while it waits for the PIN, and the
// terminal settings to put back first. A signal handler can reach only
// globals; they are set before the handlers are installed.
constexpr std::array EndingSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
int echoOffTerminal = -1;
termios settingsToRestore{};

extern "C" void RestoreTerminalAndEnd(int signal) {
    tcsetattr(echoOffTerminal, TCSAFLUSH, &settingsToRestore);
    // SA_RESETHAND has put the default action back: the signal ends the
    // program as it would have, with the status the caller expects.
    raise(signal);
}

// Echo is off from construction to destruction; with a signal handler for
// EndingSignals meanwhile.
class EchoOff {
public:
    explicit EchoOff(int terminal) : terminal_(terminal) {
        if (tcgetattr(terminal, &saved_) != 0) {
            return;  // not a terminal after all: nothing to turn off
        }
        echoOffTerminal = terminal;
        settingsToRestore = saved_;
        struct sigaction action = {};
        action.sa_handler = &RestoreTerminalAndEnd;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < EndingSignals.size(); ++i) {
            // A signal the caller ignores (nohup) stays ignored.
            sigaction(EndingSignals[i], nullptr, &previous_[i]);
            if (previous_[i].sa_handler != SIG_IGN) {
                sigaction(EndingSignals[i], &action, nullptr);
            }
        }
        termios quiet = saved_;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHOE | ECHOK | ECHONL);
        tcsetattr(terminal, TCSAFLUSH, &quiet);
    }
    ~EchoOff() {
        if (echoOffTerminal != terminal_) {
            return;
        }
        tcsetattr(terminal_, TCSAFLUSH, &saved_);
        for (std::size_t i = 0; i < EndingSignals.size(); ++i) {
            sigaction(EndingSignals[i], &previous_[i], nullptr);
        }
        echoOffTerminal = -1;
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    int terminal_;
    termios saved_{};
    std::array<struct sigaction, EndingSignals.size()> previous_{};
};

struct ClosedAtEnd {
    explicit ClosedAtEnd(int descriptor) : fd(descriptor) {}
    ~ClosedAtEnd() { close(fd); }
    ClosedAtEnd(const ClosedAtEnd&) = delete;
    ClosedAtEnd& operator=(const ClosedAtEnd&) = delete;
    int fd;
};

}  // namespace

std::string ReadPinLine(int fd) {
    if (fcntl(fd, F_GETFD) == -1) {
        throw PinUnavailable("descriptor " + std::to_string(fd) + " is not open");
    }
    std::string line;
    char byte = 0;
    while (line.size() < MaxPinLineBytes) {
        const ssize_t got = read(fd, &byte, 1);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw PinUnavailable("cannot read the PIN from descriptor " + std::to_string(fd) +
                                 ": " + std::strerror(errno));
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

std::string ReadPinFromTerminal() {
    const int terminal = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (terminal < 0) {
        throw PinUnavailable(
            "no terminal to ask for the PIN on; hand it over on an open file descriptor with "
            "--pin-fd FD, for example --pin-fd 3 3<pin-file");
    }
    const ClosedAtEnd closer(terminal);
    WriteAll(terminal, "Enter Pin: ");
    std::string pin;
    {
        const EchoOff echoOff(terminal);
        pin = ReadPinLine(terminal);
    }
    // The typed line break was not echoed.
    WriteAll(terminal, "\n");
    return pin;
}

}  // namespace velk::cli
