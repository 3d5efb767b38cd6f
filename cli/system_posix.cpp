// The POSIX side of system.h, and the PIN asked for on the terminal.
#include "cli/pin_reader.h"
#include "cli/system.h"

#include <array>
#include <cerrno>
#include <csignal>
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

constexpr std::string_view Prompt = "Enter Pin: ";

// The terminal while echo is off, its settings to put back, those with echo
// off and whether these are in force. A signal handler can reach only
// globals; they are set before the handlers are installed.
int echoOffTerminal = -1;
termios settingsToRestore{};
termios settingsEchoOff{};
volatile sig_atomic_t echoIsOff = 0;

// The terminal's settings are ours to change only while our process group
// is in the foreground; when that cannot be told (a hangup), try anyway.
bool InForeground() {
    const pid_t foreground = tcgetpgrp(echoOffTerminal);
    return foreground == -1 || foreground == getpgrp();
}

// Takes the terminal's settings as they are now as those to put back.
bool TakeSettings() {
    if (tcgetattr(echoOffTerminal, &settingsToRestore) != 0) {
        return false;
    }
    settingsEchoOff = settingsToRestore;
    settingsEchoOff.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHOE | ECHOK | ECHONL);
    return true;
}

void TurnEchoOff() {
    if (tcsetattr(echoOffTerminal, TCSAFLUSH, &settingsEchoOff) == 0) {
        echoIsOff = 1;
    }
}

void RestoreEcho() {
    if (echoIsOff != 0 && InForeground()) {
        tcsetattr(echoOffTerminal, TCSAFLUSH, &settingsToRestore);
        echoIsOff = 0;
    }
}

extern "C" void RestoreTerminalAndEnd(int signal) {
    RestoreEcho();
    // SA_RESETHAND has put the default action back: the signal ends the
    // program as it would have, with the status the caller expects.
    raise(signal);
}

extern "C" void RestoreTerminalAndStop(int signal) {
    const int savedErrno = errno;
    RestoreEcho();
    // Stops as the default action would: that action back, and the signal,
    // held while its handler runs, let through once more. Returns when
    // continued; SIGCONT's handler, held until then, turns echo off again.
    struct sigaction stop = {};
    stop.sa_handler = SIG_DFL;
    sigemptyset(&stop.sa_mask);
    struct sigaction handler = {};
    sigaction(signal, &stop, &handler);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    raise(signal);
    sigaction(signal, &handler, nullptr);
    errno = savedErrno;
}

// Continued, after a stop or not: asks again, since what was typed before is
// dropped. The shell has set the terminal up meanwhile (and a program started
// in the background found it as the shell's line editor leaves it): those
// settings are the ones to put back.
extern "C" void TurnEchoOffAgain(int /*signal*/) {
    const int savedErrno = errno;
    if (InForeground() && (echoIsOff != 0 || TakeSettings())) {
        TurnEchoOff();
        WriteAll(echoOffTerminal, Prompt);
    }
    errno = savedErrno;
}

// The signals handled while echo is off: those that end the program, those
// that stop it, and SIGCONT. Without SA_RESTART: a tcsetattr restarted after
// a handler would apply glibc's copy of the settings from before it, and
// the PIN's read is retried after EINTR anyway.
struct Handling {
    int signal;
    void (*handler)(int);
    unsigned flags;
};
constexpr std::array<Handling, 8> Handled{{
    {SIGINT, &RestoreTerminalAndEnd, SA_RESETHAND},
    {SIGTERM, &RestoreTerminalAndEnd, SA_RESETHAND},
    {SIGHUP, &RestoreTerminalAndEnd, SA_RESETHAND},
    {SIGQUIT, &RestoreTerminalAndEnd, SA_RESETHAND},
    {SIGTSTP, &RestoreTerminalAndStop, 0},
    {SIGTTIN, &RestoreTerminalAndStop, 0},
    {SIGTTOU, &RestoreTerminalAndStop, 0},
    {SIGCONT, &TurnEchoOffAgain, 0},
}};

sigset_t HandledSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const Handling& handling : Handled) {
        sigaddset(&set, handling.signal);
    }
    return set;
}

// Echo is off from construction to destruction; with the Handled signals
// handled meanwhile, each handler holding back the others.
class EchoOff {
public:
    explicit EchoOff(int terminal) {
        echoOffTerminal = terminal;
        if (!TakeSettings()) {
            echoOffTerminal = -1;
            return;  // not a terminal after all: nothing to turn off
        }
        for (std::size_t i = 0; i < Handled.size(); ++i) {
            struct sigaction action = {};
            action.sa_handler = Handled[i].handler;
            action.sa_flags = static_cast<int>(Handled[i].flags);
            action.sa_mask = HandledSignals();
            // A signal the caller ignores (nohup) stays ignored.
            sigaction(Handled[i].signal, nullptr, &previous_[i]);
            if (previous_[i].sa_handler != SIG_IGN) {
                sigaction(Handled[i].signal, &action, nullptr);
            }
        }
        TurnEchoOff();
    }
    ~EchoOff() {
        if (echoOffTerminal == -1) {
            return;
        }
        // Signals wait until settings and actions are both back: a stop or
        // a continue meanwhile would turn echo off again.
        const sigset_t handled = HandledSignals();
        sigset_t mask;
        sigprocmask(SIG_BLOCK, &handled, &mask);
        RestoreEcho();
        for (std::size_t i = 0; i < Handled.size(); ++i) {
            sigaction(Handled[i].signal, &previous_[i], nullptr);
        }
        echoOffTerminal = -1;
        sigprocmask(SIG_SETMASK, &mask, nullptr);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    std::array<struct sigaction, Handled.size()> previous_{};
};

struct ClosedAtEnd {
    explicit ClosedAtEnd(int descriptor) : fd(descriptor) {}
    ~ClosedAtEnd() { close(fd); }
    ClosedAtEnd(const ClosedAtEnd&) = delete;
    ClosedAtEnd& operator=(const ClosedAtEnd&) = delete;
    int fd;
};

}  // namespace

const std::string_view PinFdHint =
    "--pin-fd FD from an open file descriptor, for example --pin-fd 3 3<pin-file";
const std::string_view PinFdExamples =
    "  velk-encrypt-decrypt --pin-fd 3 3<pin <letter.txt >letter.velk\n"
    "  velk-encrypt-decrypt --inverse --pin-fd 3 3<pin <letter.velk\n";

bool IsOpen(int fd) {
    return fcntl(fd, F_GETFD) != -1;
}

std::ptrdiff_t ReadSome(int fd, char* buffer, std::size_t size) {
    ssize_t got = 0;
    do {
        got = read(fd, buffer, size);
    } while (got < 0 && errno == EINTR);
    return got;
}

void SetUpStandardStreams() {}

std::string ReadPinFromTerminal() {
    const int terminal = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (terminal < 0) {
        throw PinUnavailable("no terminal to ask for the PIN on; hand it over with " +
                             std::string(PinFdHint));
    }
    const ClosedAtEnd closer(terminal);
    WriteAll(terminal, Prompt);
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
